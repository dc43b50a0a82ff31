#pragma once
// The start-up sound as the settings page shows it: what it is, in a few
// words.

#include <optional>
#include <string>

#include "menu/wave_file.h"

namespace pandor {

// "PCM, 22050 Hz, 2 Kanäle, 3,2 s", with a note for a file shorter than its
// header says; "Kein Startklang" without one. German, UTF-8.
std::string DescribeStartupSound(const std::optional<std::string>& waveBytes);

}  // namespace pandor
