#include "tests/menu/model_edits.h"

#include <vector>

#include "menu/start_up_settings.h"
#include "tests/menu/tree_outline.h"

namespace pandor::testing {
namespace {

// Texts the edits write: empty, blanks, markers, the version, switches,
// names that are groups or programs elsewhere, bytes beyond ASCII.
const char* const kTexts[] = {"", "A", "B", "Gruppe", "[hello!]", "5600.0", "1", "0", " 1",
                              "Gr\xFC\xDF" "e", "$FF", "x", "A ", "eins", "-2147483648"};
constexpr size_t kTextCount = sizeof(kTexts) / sizeof(kTexts[0]);

std::string Text(uint8_t choice) { return kTexts[choice % kTextCount]; }

ProgramEntry Program(uint8_t group, uint8_t name) {
  return {Text(group), "setup\\" + Text(name) + ".exe", Text(name), "", Text(name), ""};
}

std::string SetSetting(SettingsModel& settings, uint8_t a, uint8_t b) {
  const std::optional<StartUpSetting> setting = StartUpSettingOf(1 + a % 16);
  switch (setting->kind) {
    case SettingKind::kColour: settings.SetColour(setting->line, IntegerColour{b * 0x01010101u}); break;
    case SettingKind::kInteger: settings.SetInteger(setting->line, static_cast<int8_t>(b)); break;
    case SettingKind::kText: settings.SetText(setting->line, Text(b)); break;
    case SettingKind::kSwitchOne:
    case SettingKind::kSwitchZero: {
      settings.SetSwitch(setting->line, (b & 1) != 0);
      const Settings read = settings.AsSettings();
      if (ReadSetting(read, *setting).on != ((b & 1) != 0)) return "a switch doesn't read as it was set";
      break;
    }
  }
  return "";
}

std::string EditPrograms(ProgramListModel& programs, uint8_t operation, uint8_t a, uint8_t b) {
  const MenuTree tree = programs.Tree();
  const int nodes = static_cast<int>(tree.Nodes().size());
  const int records = programs.RecordCount();
  const int node = nodes == 0 ? -1 : a % nodes;
  switch (operation) {
    case 3:
      if (records > 0) programs.SetField(a % records, static_cast<RecordField>(b % 6), Text(b / 6));
      break;
    case 4: {
      const ProgramEntry program = Program(a, b);
      const int added = programs.AddProgram(program);
      if (programs.RecordCount() != records + 1 || programs.Record(added).runFile != program.runFile) {
        return "an added program isn't where AddProgram says";
      }
      break;
    }
    case 5: programs.AddGroup(Text(a), Program(0, b)); break;
    case 6:
      if (records > 0) programs.RenameGroup(programs.Record(a % records).group, Text(b));
      break;
    case 7:
      if (node >= 0) programs.Remove(node);
      break;
    case 8:
      if (node >= 0) (b & 1) ? programs.MoveUp(node) : programs.MoveDown(node);
      break;
    default:
      if (node >= 0) {
        const int moved = programs.MoveToGroup(node, (b & 1) ? Text(b / 2) : tree.Text(b % nodes));
        if (moved >= records) return "MoveToGroup names a record that isn't there";
      }
      break;
  }
  if (operation != 4 && operation != 5 && operation != 7 && programs.RecordCount() != records) {
    return "an edit that neither adds nor removes changed the number of records";
  }
  return "";
}

}  // namespace

MenuModel ModelOf(std::string_view options, std::string_view fileList) {
  return MenuModel{SettingsModel(options), ProgramListModel(fileList)};
}

std::string ApplyEdit(MenuModel& model, uint8_t operation, uint8_t a, uint8_t b) {
  switch (operation % 10) {
    case 0: model.settings.SetText(a % 20, Text(b)); return "";
    case 1: return SetSetting(model.settings, a, b);
    case 2: {
      LineList lines;
      for (uint8_t i = 0; i < b % 4; ++i) lines.push_back(Text(static_cast<uint8_t>(a + i)));
      model.settings.SetWelcomeLines(lines);
      return model.settings.WelcomeLines() == lines ? "" : "the welcome text doesn't read as it was set";
    }
    default: return EditPrograms(model.programs, operation % 10, a, b);
  }
}

std::string RoundTripFault(const MenuModel& model) {
  const std::string options = model.settings.Bytes();
  const std::string fileList = model.programs.Bytes();
  const MenuModel back = ModelOf(options, fileList);
  if (back.settings.File().Lines() != model.settings.File().Lines()) return "options.dat reads back otherwise";
  if (back.programs.File().Lines() != model.programs.File().Lines()) return "filelist.dat reads back otherwise";
  if (Outline(back.programs.Tree()) != Outline(model.programs.Tree())) return "the tree reads back otherwise";
  if (back.settings.Bytes() != options) return "options.dat is written otherwise the second time";
  if (back.programs.Bytes() != fileList) return "filelist.dat is written otherwise the second time";
  return "";
}

}  // namespace pandor::testing
