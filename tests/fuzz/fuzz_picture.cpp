// One picture format's validation, as the menu and the checker apply it.
// FUZZ_PICTURE_KIND names the format.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "menu/pictures/picture_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace pandor;
  const PictureReport report =
      CheckPicture(PictureKind::FUZZ_PICTURE_KIND, std::string_view(reinterpret_cast<const char*>(data), size));
  if ((report.when == PictureReport::When::kNever) != report.text.empty()) __builtin_trap();
  return 0;
}
