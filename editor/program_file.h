#pragma once
// What a program file says of itself, for a new record: its name from the
// version information, else from the file name; its executable's name.

#include <string>

namespace pandor {

// The version information's FileDescription (else ProductName), in the
// file's first language; empty when it has none.
std::wstring VersionDescriptionOf(const std::wstring& path);

// The file's name without its folder ("setup.exe"), and without its extension ("setup").
std::wstring FileNameOf(const std::wstring& path);
std::wstring StemOf(const std::wstring& path);

}  // namespace pandor
