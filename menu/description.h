#pragma once
// A program's description file as the description box shows it.

#include <string>
#include <string_view>

namespace pandor {

// The text up to the first NUL, with every CR LF, lone CR and lone LF made a
// CR LF line break (LF CR makes two). A line end at the end stays, so it
// shows as an empty last line.
std::string DescriptionText(std::string_view fileBytes);

}  // namespace pandor
