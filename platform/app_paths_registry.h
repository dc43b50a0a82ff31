#pragma once
// Installed programs as Windows registers them under
// HKEY_LOCAL_MACHINE\software\microsoft\windows\currentversion\app paths.

#include "platform/installed_programs.h"

namespace pandor {

// Reads the "Path" value of the program's key, read-only, and closes the key
// again within the call. The 64-bit registry view is asked first, then the
// 32-bit one (on 32-bit Windows both are the same): the first view whose key
// holds a non-empty string "Path" gives the folder. A "Path" of another type is
// reported only when no view gives a folder, so a broken entry in one view
// doesn't hide a good one in the other.
class AppPathsRegistry : public InstalledPrograms {
 public:
  std::string InstalledFolder(const std::string& executableName) override;
};

}  // namespace pandor
