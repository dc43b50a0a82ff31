// What saving writes after edits, and the steps back: only what differs
// from the saved state is written, undo goes back step by step as far as
// the depth allows, and a saved state is no longer unsaved.
#include <gtest/gtest.h>

#include "menu/edited_menu.h"
#include "tests/menu/model_edits.h"

namespace pandor {
namespace {

using testing::ModelOf;

const char kOptions[] = "5600.0\r\n0\r\n1\r\n";
const char kList[] = "\r\nsetup.exe\r\nSetup\r\nsetup.exe\r\n\r\n\r\n";

EditedMenu Opened() { return EditedMenu{ModelOf(kOptions, kList), {}}; }

std::vector<std::string> PathsOf(const std::vector<FileToSave>& files) {
  std::vector<std::string> paths;
  for (const FileToSave& file : files) paths.push_back(file.path + (file.bytes ? "" : " (deleted)"));
  return paths;
}

TEST(FilesToSaveTest, AnUnchangedMenuWritesNothing) {
  EXPECT_TRUE(FilesToSave(Opened(), Opened()).empty());
}

TEST(FilesToSaveTest, OnlyTheFilesThatDifferAreWritten) {
  EditedMenu edited = Opened();
  edited.model.programs.SetField(0, RecordField::kDisplayName, "Einrichten");
  edited.PlanFile("autorun/setup.txt", "Richtet ein.");
  edited.PlanDeletion("autorun/startup.wav");
  const std::vector<FileToSave> files = FilesToSave(edited, Opened());
  EXPECT_EQ(PathsOf(files), (std::vector<std::string>{kFileListPath, "autorun/setup.txt",
                                                      "autorun/startup.wav (deleted)"}));
  EXPECT_EQ(*files[0].bytes, "\r\nsetup.exe\r\nEinrichten\r\nsetup.exe\r\n\r\n\r\n");
  EXPECT_EQ(*files[1].bytes, "Richtet ein.");
}

TEST(FilesToSaveTest, APlannedFileSavedAlreadyIsWrittenAgainOnlyWhenItChanges) {
  EditedMenu saved = Opened();
  saved.PlanFile("autorun/setup.txt", "Richtet ein.");
  EditedMenu same = saved;
  same.PlanFile("autorun/setup.txt", "Richtet ein.");  // the same bytes, planned anew
  EXPECT_TRUE(FilesToSave(same, saved).empty());
  EditedMenu changed = saved;
  changed.PlanFile("autorun/setup.txt", "Richtet alles ein.");
  EXPECT_EQ(PathsOf(FilesToSave(changed, saved)), std::vector<std::string>{"autorun/setup.txt"});
}

TEST(EditHistoryTest, UndoGoesBackStepByStepToTheOpenedMenu) {
  EditHistory history(Opened());
  EXPECT_FALSE(history.Unsaved());
  EXPECT_FALSE(history.CanUndo());
  for (const char* name : {"Eins", "Zwei", "Drei"}) {
    EditedMenu next = history.Current();
    next.model.programs.SetField(0, RecordField::kDisplayName, name);
    history.Push(next);
  }
  EXPECT_TRUE(history.Unsaved());
  EXPECT_EQ(history.Current().model.programs.Record(0).displayName, "Drei");
  ASSERT_TRUE(history.Undo());
  EXPECT_EQ(history.Current().model.programs.Record(0).displayName, "Zwei");
  ASSERT_TRUE(history.Undo());
  ASSERT_TRUE(history.Undo());
  EXPECT_EQ(history.Current().model.programs.Bytes(), kList);
  EXPECT_FALSE(history.Unsaved());
  EXPECT_FALSE(history.Undo());
}

TEST(EditHistoryTest, RedoGoesForwardThroughWhatWasUndoneUntilANewEdit) {
  EditHistory history(Opened());
  const auto push = [&](const char* name) {
    EditedMenu next = history.Current();
    next.model.programs.SetField(0, RecordField::kDisplayName, name);
    history.Push(next);
  };
  const auto name = [&] { return history.Current().model.programs.Record(0).displayName; };
  push("Eins");
  push("Zwei");
  EXPECT_FALSE(history.Redo()) << "nothing undone yet";
  ASSERT_TRUE(history.Undo());
  ASSERT_TRUE(history.Undo());
  ASSERT_TRUE(history.Redo());
  EXPECT_EQ(name(), "Eins");
  ASSERT_TRUE(history.Redo());
  EXPECT_EQ(name(), "Zwei");
  EXPECT_FALSE(history.CanRedo());

  ASSERT_TRUE(history.Undo());
  push("Drei");  // a new edit after an undo: "Zwei" is gone for good
  EXPECT_FALSE(history.Redo());
  EXPECT_EQ(name(), "Drei");
  ASSERT_TRUE(history.Undo());
  EXPECT_EQ(name(), "Eins");
}

TEST(EditHistoryTest, KeepsAtMostItsDepthOfEarlierStates) {
  EditHistory history(Opened(), Opened(), 2);
  for (const char* name : {"Eins", "Zwei", "Drei"}) {
    EditedMenu next = history.Current();
    next.model.programs.SetField(0, RecordField::kDisplayName, name);
    history.Push(next);
  }
  ASSERT_TRUE(history.Undo());
  ASSERT_TRUE(history.Undo());
  EXPECT_EQ(history.Current().model.programs.Record(0).displayName, "Eins");
  EXPECT_FALSE(history.Undo());
}

TEST(EditHistoryTest, SavingMakesTheCurrentStateTheSavedOne) {
  EditHistory history(Opened());
  EditedMenu next = history.Current();
  next.model.settings.SetText(kCaptionLine, "Demo");
  history.Push(next);
  history.MarkSaved();
  EXPECT_FALSE(history.Unsaved());
  // Going back from a saved state is a change again: saving would write the older file.
  ASSERT_TRUE(history.Undo());
  EXPECT_EQ(PathsOf(FilesToSave(history.Current(), history.Saved())), std::vector<std::string>{kOptionsPath});
}

TEST(EditHistoryTest, ANewMenuIsUnsavedFromTheStart) {
  EditHistory history(Opened(), EditedMenu{});
  EXPECT_TRUE(history.Unsaved());
  EXPECT_EQ(PathsOf(FilesToSave(history.Current(), history.Saved())),
            (std::vector<std::string>{kOptionsPath, kFileListPath}));
}

}  // namespace
}  // namespace pandor
