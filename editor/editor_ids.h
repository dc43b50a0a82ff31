#pragma once
// The editor's commands (menu bar, accelerators, buttons) and control ids.

namespace pandor::editor_ids {

enum Command : int {
  kNew = 100,
  kOpen,
  kSave,
  kPreview,
  kWriteMedium,
  kExit,
  kUndo,
  kRedo,
  kAddProgram,
  kAddGroup,
  kRename,
  kRemove,
  kMoveUp,
  kMoveDown,
  kOutOfGroup,
  kFindings,
  kSettings,
  kAbout,
};

enum Control : int {
  kTree = 200,
  kTabs,
  kFindingsList,
  kStatusBar,
  kTreeLabel,
  kFindingsLabel,
  kFormFirst = 300,
  kSettingsFirst = 400,
};

}  // namespace pandor::editor_ids
