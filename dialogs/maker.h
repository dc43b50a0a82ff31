#pragma once
// Who makes Pandor 7 and where to reach them: shown in the help window's links
// and in the about box. The addresses lie in the reserved ".example" domain.

namespace pandor {

constexpr const char* kMakerName = "Velmar Software";
constexpr const char* kMakerHomePage = "http://www.velmar-software.example/";
constexpr const char* kMakerEmail = "info@velmar-software.example";

}  // namespace pandor
