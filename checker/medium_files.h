#pragma once
// The medium being checked, as the menu finds its files on Windows or on a CD:
// names ignore letter case, Windows drops trailing blanks and full stops from
// each part of a name, ".." above the root stays at the root, and a name with
// wildcards stands for its first match. The menu's own paths are kept: the
// medium's root stands as drive D:, so the menu's paths read "D:\autorun\...".
// Files the editor hasn't saved yet take the place of those on disk.

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "checker/folder_listing.h"
#include "menu/file_source.h"

namespace pandor::check {

// The medium's root as the menu's paths name it.
constexpr const char* kMediumRoot = "D:\\";

struct FileLookup {
  bool found = false;         // an entry of that name
  bool isFolder = false;
  bool exactCase = true;      // found letter for letter, as a case-sensitive copy needs it
  bool leavesMedium = false;  // ".." reaches above the medium's root
  std::string relative;       // below the root, "/" between parts, UTF-8: as on disk when found
  std::filesystem::path path;
};

// Files as they will be once saved, by their path below the medium's root
// ("/" between parts, UTF-8 and spelt as on disk, as FileLookup::relative
// gives it for a file that is there: "autorun/options.dat"): the bytes they
// will have, or nothing for a file that will be deleted.
using UnsavedFiles = std::map<std::string, std::optional<std::string>>;

class MediumFiles : public FileSource {
 public:
  // Each unsaved file is there with its bytes, in place of one on disk or
  // new, and so are the folders above it; a deleted one is not. Throws
  // std::invalid_argument for a path with an empty part, "." or "..".
  explicit MediumFiles(std::filesystem::path root, const UnsavedFiles& unsaved = {});

  // A path as the menu builds it (UTF-8, starting with kMediumRoot; see
  // MenuFilePath). A name the checker's Windows-1252 can't spell is missing.
  FileLookup Lookup(const std::string& menuPath) const;

  bool FirstMatchIsFile(const std::string& name) const override;
  std::string ReadWhole(const std::string& path) const override;

  // Every file below the root, and the names in one folder that differ only
  // in letter case: Windows, and a CD read by it, can reach only one of them.
  struct Survey {
    uint64_t totalBytes = 0;
    std::vector<std::pair<std::string, std::string>> caseCollisions;  // relative names, UTF-8
  };
  Survey SurveyMedium() const;

 private:
  struct Entry : FolderEntry {
    std::string name;  // in Windows-1252; empty when the name has no such spelling
  };
  struct Listing {
    std::vector<Entry> entries;  // sorted by name
    std::unordered_multimap<std::string, size_t> byKey;
  };
  const Listing& ListingOf(const std::filesystem::path& folder) const;
  // The entries of the folder the part names, the exact spelling first.
  std::vector<const Entry*> Matches(const Listing& listing, const std::string& part) const;

  // What the editor holds in place of the disk, by the path it has on disk.
  struct Unsaved {
    enum class Kind { kFile, kDeleted, kFolder } kind = Kind::kFolder;  // kFolder: above an unsaved file
    std::string bytes;
  };
  std::filesystem::path root_;
  std::map<std::filesystem::path, Unsaved> unsaved_;
  std::map<std::filesystem::path, std::vector<std::filesystem::path>> unsavedIn_;  // by folder
  mutable std::map<std::filesystem::path, Listing> listings_;
};

}  // namespace pandor::check
