#include "checker/medium_files.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>
#include <stdexcept>
#include <system_error>

#include "checker/folder_listing.h"
#include "menu/text_1252.h"
#include "menu/locale_text.h"
#include "menu/menu_error.h"

namespace pandor::check {
namespace fs = std::filesystem;
namespace {

std::vector<std::string> PartsOf(std::string_view relative) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (size_t i = 0; i <= relative.size(); ++i) {
    if (i == relative.size() || relative[i] == '\\' || relative[i] == '/') {
      parts.emplace_back(relative.substr(start, i - start));
      start = i + 1;
    }
  }
  return parts;
}

// Windows drops blanks and full stops at the end of a name.
std::string AsWindowsTakesIt(std::string part) {
  if (part == "." || part == "..") return part;
  while (!part.empty() && (part.back() == ' ' || part.back() == '.')) part.pop_back();
  return part;
}

bool HasWildcards(const std::string& part) { return part.find_first_of("*?") != std::string::npos; }

// '*' any run of characters, '?' any one; letter case ignored.
bool WildcardMatches(std::string_view pattern, std::string_view name) {
  if (pattern.empty()) return name.empty();
  if (pattern[0] == '*') {
    for (size_t skip = 0; skip <= name.size(); ++skip) {
      if (WildcardMatches(pattern.substr(1), name.substr(skip))) return true;
    }
    return false;
  }
  if (name.empty()) return false;
  if (pattern[0] != '?' && !SameTextIgnoringCase(pattern.substr(0, 1), name.substr(0, 1))) return false;
  return WildcardMatches(pattern.substr(1), name.substr(1));
}

std::string Joined(const std::string& folder, const std::string& name) {
  return folder.empty() ? name : folder + "/" + name;
}

}  // namespace

MediumFiles::MediumFiles(fs::path root, const UnsavedFiles& unsaved) : root_(std::move(root)) {
  for (const auto& [relative, bytes] : unsaved) {
    const std::vector<std::string> parts = PartsOf(relative);
    fs::path folder = root_;
    for (size_t i = 0; i < parts.size(); ++i) {
      if (parts[i].empty() || parts[i] == "." || parts[i] == "..")
        throw std::invalid_argument("unsaved file outside the medium's tree: " + relative);
      const fs::path path = folder / fs::u8path(parts[i]);
      std::vector<fs::path>& siblings = unsavedIn_[folder];
      if (std::find(siblings.begin(), siblings.end(), path) == siblings.end()) siblings.push_back(path);
      // A file's path comes before those below it: a folder above a file wins over a file of its name.
      if (i + 1 < parts.size()) {
        unsaved_[path] = Unsaved{Unsaved::Kind::kFolder, ""};
      } else {
        unsaved_[path] = bytes ? Unsaved{Unsaved::Kind::kFile, *bytes} : Unsaved{Unsaved::Kind::kDeleted, ""};
      }
      folder = path;
    }
  }
}

const MediumFiles::Listing& MediumFiles::ListingOf(const fs::path& folder) const {
  const auto cached = listings_.find(folder);
  if (cached != listings_.end()) return cached->second;
  std::vector<FolderEntry> found = ListFolder(folder);
  // Unsaved files replace, hide or join the entries on disk; a folder above one is a folder.
  std::set<fs::path> onDisk;
  for (auto it = found.begin(); it != found.end();) {
    onDisk.insert(it->path);
    const auto unsaved = unsaved_.find(it->path);
    if (unsaved == unsaved_.end()) {
      ++it;
      continue;
    }
    if (unsaved->second.kind == Unsaved::Kind::kDeleted) {
      it = found.erase(it);
      continue;
    }
    if (unsaved->second.kind == Unsaved::Kind::kFile) {
      *it = FolderEntry{it->path, false, false, unsaved->second.bytes.size()};
    } else if (!it->isFolder) {
      *it = FolderEntry{it->path, true, false, 0};
    }
    ++it;
  }
  const auto added = unsavedIn_.find(folder);
  if (added != unsavedIn_.end()) {
    for (const fs::path& path : added->second) {
      const Unsaved& unsaved = unsaved_.at(path);
      if (onDisk.count(path) || unsaved.kind == Unsaved::Kind::kDeleted) continue;
      found.push_back(FolderEntry{path, unsaved.kind == Unsaved::Kind::kFolder, false, unsaved.bytes.size()});
    }
  }
  Listing listing;
  for (FolderEntry& entry : found) {
    std::string name = Utf8To1252(entry.path.filename().u8string()).value_or("");
    listing.entries.push_back(Entry{std::move(entry), std::move(name)});
  }
  std::sort(listing.entries.begin(), listing.entries.end(),
            [](const Entry& a, const Entry& b) { return a.path.filename() < b.path.filename(); });
  for (size_t i = 0; i < listing.entries.size(); ++i) {
    if (!listing.entries[i].name.empty()) listing.byKey.emplace(CaseBucket(listing.entries[i].name), i);
  }
  return listings_.emplace(folder, std::move(listing)).first->second;
}

std::vector<const MediumFiles::Entry*> MediumFiles::Matches(const Listing& listing, const std::string& part) const {
  std::vector<const Entry*> matches;
  if (HasWildcards(part)) {
    for (const Entry& entry : listing.entries) {
      if (!entry.name.empty() && WildcardMatches(part, entry.name)) matches.push_back(&entry);
    }
    return matches;
  }
  const auto [first, last] = listing.byKey.equal_range(CaseBucket(part));
  for (auto it = first; it != last; ++it) {
    const Entry& entry = listing.entries[it->second];
    if (SameTextIgnoringCase(entry.name, part)) matches.push_back(&entry);
  }
  std::sort(matches.begin(), matches.end(), [&part](const Entry* a, const Entry* b) {
    return (a->name == part) > (b->name == part) || ((a->name == part) == (b->name == part) && a->path < b->path);
  });
  return matches;
}

FileLookup MediumFiles::Lookup(const std::string& menuPath) const {
  FileLookup lookup;
  const std::string prefix = kMediumRoot;
  if (menuPath.compare(0, prefix.size(), prefix) != 0) return lookup;
  const std::vector<std::string> parts = PartsOf(std::string_view(menuPath).substr(prefix.size()));

  // The entries walked through, root first; ".." steps back.
  std::vector<const Entry*> trail;
  const auto trailText = [&trail] {
    std::string text;
    for (const Entry* entry : trail) text = Joined(text, entry->path.filename().u8string());
    return text;
  };
  for (size_t i = 0; i < parts.size(); ++i) {
    // The entries' names are Windows-1252: a part it can't spell matches none.
    const std::optional<std::string> spelled = Utf8To1252(parts[i]);
    const std::string part = AsWindowsTakesIt(spelled.value_or(parts[i]));
    if (part.empty() || part == ".") continue;
    if (part == "..") {
      if (trail.empty()) lookup.leavesMedium = true;
      if (!trail.empty()) trail.pop_back();
      continue;
    }
    const Entry* chosen = nullptr;
    if (spelled && (trail.empty() || trail.back()->isFolder)) {
      // On the way only a folder will do; at the end the first match.
      const bool last = i + 1 == parts.size();
      for (const Entry* entry : Matches(ListingOf(trail.empty() ? root_ : trail.back()->path), part)) {
        if (last || entry->isFolder) {
          chosen = entry;
          break;
        }
      }
    }
    if (!chosen) {
      std::string missing;
      for (size_t j = i; j < parts.size(); ++j) missing = Joined(missing, parts[j]);
      lookup.relative = Joined(trailText(), missing);
      return lookup;
    }
    if (!HasWildcards(part) && chosen->name != part) lookup.exactCase = false;
    trail.push_back(chosen);
  }
  lookup.found = true;
  lookup.isFolder = trail.empty() || trail.back()->isFolder;
  lookup.path = trail.empty() ? root_ : trail.back()->path;
  lookup.relative = trailText();
  return lookup;
}

bool MediumFiles::FirstMatchIsFile(const std::string& name) const {
  const FileLookup lookup = Lookup(name);
  return lookup.found && !lookup.isFolder;
}

std::string MediumFiles::ReadWhole(const std::string& path) const {
  const FileLookup lookup = Lookup(path);
  if (!lookup.found || lookup.isFolder) throw CannotOpenFileError(path);
  const auto unsaved = unsaved_.find(lookup.path);
  if (unsaved != unsaved_.end() && unsaved->second.kind == Unsaved::Kind::kFile) return unsaved->second.bytes;
  std::ifstream file(lookup.path, std::ios::binary);
  if (!file) throw CannotOpenFileError(path);
  std::string content((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (file.bad()) throw CannotOpenFileError(path);
  return content;
}

MediumFiles::Survey MediumFiles::SurveyMedium() const {
  Survey survey;
  std::vector<std::pair<fs::path, std::string>> folders{{root_, ""}};
  while (!folders.empty()) {
    const auto [folder, relative] = folders.back();
    folders.pop_back();
    const Listing& listing = ListingOf(folder);
    for (size_t i = 0; i < listing.entries.size(); ++i) {
      const Entry& entry = listing.entries[i];
      const std::string name = Joined(relative, entry.path.filename().u8string());
      if (entry.isFolder) {
        if (!entry.isLink) folders.emplace_back(entry.path, name);
      } else {
        survey.totalBytes += entry.size;
      }
      if (entry.name.empty()) continue;
      const auto [first, last] = listing.byKey.equal_range(CaseBucket(entry.name));
      for (auto it = first; it != last; ++it) {
        const Entry& other = listing.entries[it->second];
        if (it->second < i && SameTextIgnoringCase(other.name, entry.name)) {
          survey.caseCollisions.emplace_back(Joined(relative, other.path.filename().u8string()), name);
          break;
        }
      }
    }
  }
  return survey;
}

}  // namespace pandor::check
