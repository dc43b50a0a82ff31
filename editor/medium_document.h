#pragma once
// The medium being edited: its root folder, the menu as edited since it was
// opened, and saving it back.

#include <optional>
#include <string>

#include "menu/edited_menu.h"
#include "menu/menu_folder.h"

namespace pandor {

class MediumDocument {
 public:
  // The menu in the folder `root`. Throws MenuError (German) when the folder
  // holds no menu or its files can't be read.
  static MediumDocument Open(const std::wstring& root);
  // A new menu for a folder that holds none yet; nothing is written before saving.
  static MediumDocument New(const std::wstring& root);
  // Whether the folder holds a menu's two files.
  static bool HoldsMenu(const std::wstring& root);

  const std::wstring& Root() const { return root_; }
  // The menu's folders as the menu program finds them on this medium.
  const MenuFolder& Folder() const { return folder_; }
  // The root's last part, to name the medium in the window's caption.
  std::wstring Name() const;

  EditHistory& History() { return history_; }
  const EditHistory& History() const { return history_; }
  const EditedMenu& Menu() const { return history_.Current(); }

  // A path below the root ("/" between the parts, UTF-8) as a Windows path.
  std::wstring PathOf(const std::string& relative) const;
  // The file's bytes as saving would leave them: planned, else as on the
  // disk; none when it will not exist or can't be read.
  std::optional<std::string> BytesOf(const std::string& relative) const;
  // A name from the menu folder's file names (the record's picture and
  // description fields, ANSI) as a path below the root.
  std::string MenuFileRelative(const std::string& ansiName) const;

  // Writes what changed since the last save, each file whole or not at all;
  // what it replaces is kept in a backup folder outside the medium. Throws
  // MenuError (German) and changes nothing when that fails. Gives the backup
  // folder, empty when nothing was replaced.
  std::wstring Save();

 private:
  MediumDocument(std::wstring root, EditHistory history);

  std::wstring root_;
  MenuFolder folder_;
  EditHistory history_;
};

// Where the editor keeps the versions that saving replaced:
// %LOCALAPPDATA%\Pandor 7\Sicherungen.
std::wstring BackupsFolder();

}  // namespace pandor
