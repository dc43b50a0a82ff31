#include "checker/program_list_check.h"

#include <map>
#include <unordered_map>

#include "checker/record_files_check.h"
#include "menu/text_1252.h"
#include "menu/file_source.h"
#include "menu/locale_text.h"
#include "menu/menu_error.h"
#include "menu/menu_tree.h"

namespace pandor::check {
namespace {

constexpr int kDisplayNameOffset = static_cast<int>(FieldOffset(RecordField::kDisplayName));

class TreeChecker {
 public:
  TreeChecker(const CheckContext& context, const MenuTree& tree, std::string file)
      : context_(context), tree_(tree), file_(std::move(file)) {}

  void Check() {
    RecordFilesChecker files(context_);
    for (int node = 0; node < static_cast<int>(tree_.Nodes().size()); ++node) {
      const MenuNode& n = tree_.Node(node);
      if (n.recordLine < 0) {
        ++context_.facts.groups;
        CheckGroupCase(node);
        continue;
      }
      ++context_.facts.records;
      if (n.IsGroup()) {
        ++context_.facts.groups;
        CheckProgramMadeGroup(node);
      }
      const ProgramEntry program = *tree_.RecordOf(node);
      CheckDisplayName(node, program);
      files.Check(program, {file_, n.recordLine + 1});
    }
  }

 private:
  // The 1-based line of the group field of the record that made a node's first child.
  int GroupLineOfFirstChild(int node) const { return tree_.Node(tree_.Node(node).children.front()).recordLine + 1; }

  void CheckProgramMadeGroup(int node) {
    context_.findings.Warning(file_, GroupLineOfFirstChild(node),
                              "Die Gruppe " + Quoted(tree_.Text(node)) + " heißt wie das Programm aus Zeile " +
                                  std::to_string(tree_.Node(node).recordLine + kDisplayNameOffset + 1) +
                                  ": das Programm wird zur Gruppe, ein Klick darauf öffnet und schließt sie, und es "
                                  "lässt sich nicht mehr starten.",
                              "groups");
  }

  void CheckGroupCase(int node) {
    const std::string& text = tree_.Text(node);
    std::vector<int>& alike = groupsByBucket_[CaseBucket(text)];
    for (int earlier : alike) {
      if (!SameTextIgnoringCase(tree_.Text(earlier), text)) continue;
      context_.findings.Warning(file_, GroupLineOfFirstChild(node),
                                "Die Gruppe " + Quoted(text) + " unterscheidet sich von " +
                                    Quoted(tree_.Text(earlier)) + " (Zeile " +
                                    std::to_string(GroupLineOfFirstChild(earlier)) +
                                    ") nur in Groß- und Kleinschreibung: das Menü zeigt zwei Gruppen.",
                                "groups");
      break;
    }
    alike.push_back(node);
  }

  void CheckDisplayName(int node, const ProgramEntry& program) {
    const int line = tree_.Node(node).recordLine + kDisplayNameOffset + 1;
    if (program.displayName.empty()) {
      context_.findings.Warning(file_, line, "Ein Programm ohne Namen: der Menübaum zeigt eine leere Zeile.",
                                "display-names");
      return;
    }
    const auto [first, isNew] = lineOfName_.emplace(program.displayName, line);
    if (isNew) return;
    context_.findings.Warning(file_, line,
                              "Zwei Programme heißen " + Quoted(program.displayName) + " (auch Zeile " +
                                  std::to_string(first->second) + "): im Menü sind sie nicht zu unterscheiden.",
                              "display-names");
  }

  const CheckContext& context_;
  const MenuTree& tree_;
  std::string file_;
  std::unordered_map<std::string, std::vector<int>> groupsByBucket_;
  std::unordered_map<std::string, int> lineOfName_;
};

}  // namespace

void CheckProgramList(const CheckContext& context) {
  const std::string path = MenuFilePath(context.folder.menuDir, kFileListFile);
  const std::string file = RelativeName(context, path);
  const std::optional<std::string> bytes =
      ReadOrReport(context, path, file, "das Menü meldet es beim Start, der Menübaum bleibt leer.");
  if (!bytes) return;
  CheckTextFile(context, file, *bytes, true);
  LineList lines = SplitLines(*bytes);
  const size_t lineCount = lines.size();
  MenuTree tree;
  try {
    tree.Build(std::move(lines));
  } catch (const MenuError& error) {
    const size_t first = lineCount / kProgramEntryLines * kProgramEntryLines;
    context.findings.Error(file, static_cast<int>(first) + 1,
                           "Der letzte Eintrag hat nur " + std::to_string(lineCount - first) +
                               " von 6 Zeilen: das Menü meldet es beim Start, die Programme davor erscheinen.",
                           "msg-list-index", ErrorBoxText(error.what()));
  }
  if (tree.Empty() && lineCount == 0) {
    context.findings.Warning(file, 0, "Die Programmliste ist leer: der Menübaum bleibt leer und gesperrt.",
                             "filelist-dat");
  }
  TreeChecker(context, tree, file).Check();
}

}  // namespace pandor::check
