#include "checker/settings_check.h"

#include <algorithm>
#include <cctype>

#include "menu/file_source.h"
#include "menu/locale_text.h"
#include "menu/menu_error.h"
#include "menu/menu_messages.h"
#include "menu/start_up_settings.h"
#include "menu/strict_integer.h"

namespace pandor::check {
namespace {

std::string AsciiLower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
  return text;
}

// Words a person may write for a switch.
const std::vector<const char*> kWordsForOne = {"ja", "j", "yes", "y", "true", "wahr", "an", "ein", "on"};
const std::vector<const char*> kWordsForZero = {"nein", "n", "no", "false", "falsch", "aus", "off"};

// A switch that reads like "1" (or "0") to a person but not to the menu.
bool AlmostSwitch(const std::string& text, const char* exact, const std::vector<const char*>& words) {
  if (text == exact) return false;
  const std::string meant = AsciiLower(Trimmed(text));
  if (meant == exact) return true;
  return std::any_of(words.begin(), words.end(), [&meant](const char* word) { return meant == word; });
}

// Why a line that looks like a number isn't one.
std::string IntegerHint(const std::string& text) {
  if (ParseStrictInteger(Trimmed(text))) return ": entfernen Sie die überzähligen Leerzeichen oder Tabulatoren";
  if (text.find(',') != std::string::npos || text.find('.') != std::string::npos) return ": nur ganze Zahlen";
  return "";
}

// "Zeile 13 (Einstellung 12)": the editor's line and the setting's number.
std::string LineName(const StartUpSetting& setting) {
  return "Zeile " + std::to_string(setting.line + 1) + " (Einstellung " + std::to_string(setting.line) + ")";
}

// What the window opens without when the start-up stops at reading `index`.
std::string WhatTheWindowLacks(const std::vector<StartUpSetting>& order, size_t index) {
  std::string lacks;
  for (size_t i = index; i < order.size(); ++i) lacks += std::string(order[i].gives) + ", ";
  return lacks + "den Willkommenstext und die Programme (der Menübaum bleibt leer)";
}

class SettingsChecker {
 public:
  SettingsChecker(const CheckContext& context, const Settings& settings, std::string file)
      : context_(context), settings_(settings), file_(std::move(file)) {}

  void CheckVersion() {
    const std::string& version = settings_.Text(kVersionLine);
    if (version == kSettingsVersion) return;
    std::string message = "Die erste Zeile muss genau „" + std::string(kSettingsVersion) + "“ lauten, sie lautet " +
                          Quoted(version) + ". Das Menü zeigt eine Meldung und beendet sich ohne Fenster.";
    if (Trimmed(version) == kSettingsVersion) message += " Entfernen Sie die Leerzeichen.";
    if (version.rfind("\xEF\xBB\xBF", 0) == 0) message += " Sie beginnt mit der UTF-8-Kennung (BOM): speichern Sie die Datei als ANSI.";
    context_.findings.Error(file_, 1, message, "msg-wrong-version", std::string(kWrongVersionText));
  }

  void CheckStartUpLines(bool startupSoundExists) {
    const std::vector<StartUpSetting> order = StartUpSettings(startupSoundExists);
    bool stopped = false;
    for (size_t i = 0; i < order.size(); ++i) {
      const StartUpSetting& setting = order[i];
      try {
        CheckValue(setting, ReadSetting(settings_, setting));
      } catch (const MenuError& error) {
        const bool missing = setting.line >= settings_.LineCount();
        std::string message = missing ? LineName(setting) + " fehlt: die Datei hat nur " +
                                            std::to_string(settings_.LineCount()) + " Zeilen."
                                      : LineName(setting) + " ist keine gültige Ganzzahl" +
                                            IntegerHint(settings_.Text(setting.line)) + ".";
        message += stopped ? " Sind die früheren Fehler behoben, bricht der Start hier ab."
                           : " Der Start bricht hier ab: das Fenster öffnet ohne " + WhatTheWindowLacks(order, i) + ".";
        context_.findings.Error(file_, missing ? 0 : setting.line + 1, message,
                                missing ? "msg-list-index" : "msg-invalid-integer", ErrorBoxText(error.what()));
        stopped = true;
        // Every later line is missing as well: one finding says it.
        if (missing) return;
      }
    }
  }

  void CheckWelcomeMarker() {
    const int marker = settings_.WelcomeMarkerLine();
    if (marker < 0) {
      context_.findings.Warning(file_, 0,
                                "Keine Zeile „" + std::string(kWelcomeMarker) +
                                    "“: der Willkommenstext bleibt leer. Setzen Sie die Markierung nach Zeile 17 "
                                    "und den Text darunter.",
                                "welcome-text");
    } else if (marker <= kIconStyleLine) {
      context_.findings.Warning(file_, marker + 1,
                                "Die Markierung „" + std::string(kWelcomeMarker) + "“ steht auf der Wertzeile " +
                                    std::to_string(marker + 1) +
                                    ": der Willkommenstext beginnt schon danach und enthält die restlichen "
                                    "Einstellungen.",
                                "welcome-text");
    }
  }

 private:
  void CheckValue(const StartUpSetting& setting, const SettingValue& value) {
    const int line = setting.line + 1;
    const std::string& text = *value.text;
    switch (setting.kind) {
      case SettingKind::kSwitchOne:
      case SettingKind::kSwitchZero: {
        const bool one = setting.kind == SettingKind::kSwitchOne;
        if (!AlmostSwitch(text, one ? "1" : "0", one ? kWordsForOne : kWordsForZero)) break;
        context_.findings.Warning(file_, line,
                                  LineName(setting) + " lautet " + Quoted(text) +
                                      (one ? ": nur genau „1“ schaltet ein, so bleibt es aus."
                                           : ": nur genau „0“ klappt die Infos ein, so bleiben sie sichtbar."),
                                  "switches");
        break;
      }
      case SettingKind::kColour:
        // System colours run from 0 to 30; Windows gives black for any other.
        if (value.colour.IsSystemColour() && value.colour.SystemColourIndex() > 30) {
          context_.findings.Warning(file_, line,
                                    LineName(setting) + " " + Quoted(text) +
                                        " nennt keine Systemfarbe (0 bis 30): Windows gibt Schwarz.",
                                    "colours");
        }
        break;
      case SettingKind::kInteger:
        if (setting.line == kIconStyleLine && (value.integer < 1 || value.integer > 3)) {
          context_.findings.Warning(file_, line,
                                    "Symbolstil " + Quoted(text) +
                                        ": nur 1, 2 und 3 wählen ein Bild, so zeigen die Programme den geschlossenen "
                                        "Ordner.",
                                    "line-16");
        }
        break;
      case SettingKind::kText: break;
    }
  }

  const CheckContext& context_;
  const Settings& settings_;
  std::string file_;
};

}  // namespace

std::optional<Settings> CheckSettings(const CheckContext& context, bool startupSoundExists) {
  const std::string path = MenuFilePath(context.folder.menuDir, kOptionsFile);
  const std::string file = RelativeName(context, path);
  const std::optional<std::string> bytes =
      ReadOrReport(context, path, file, "das Menü meldet es und öffnet das Fenster ohne Einstellungen und Programme.");
  if (!bytes) return std::nullopt;
  CheckTextFile(context, file, *bytes, true);
  Settings settings(SplitLines(*bytes));
  if (settings.Empty()) {
    context.findings.Error(file, 0,
                           "Die Datei ist leer (oder beginnt mit einem NUL-Byte). Das Menü meldet es und öffnet das "
                           "Fenster ohne Einstellungen, Willkommenstext und Programme.",
                           "msg-list-index", ErrorBoxText(ListIndexError(kVersionLine).what()));
    return settings;
  }
  if (settings.LineCount() > kCaptionLine) context.facts.caption = AnsiToUtf8(settings.Text(kCaptionLine));
  SettingsChecker checker(context, settings, file);
  checker.CheckVersion();
  checker.CheckStartUpLines(startupSoundExists);
  checker.CheckWelcomeMarker();
  return settings;
}

}  // namespace pandor::check
