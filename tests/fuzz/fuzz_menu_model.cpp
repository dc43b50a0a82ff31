// The editor's model of a menu folder: opened and saved unchanged it gives
// the same bytes; after each of a few edits, writing and reading back gives
// the same menu. Input: a count of edits, three bytes each, the length of
// options.dat in two bytes (low first), options.dat, and filelist.dat.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "tests/menu/model_edits.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace pandor;
  std::string_view input(reinterpret_cast<const char*>(data), size);
  auto take = [&input](size_t count) {
    const std::string_view part = input.substr(0, count);
    input.remove_prefix(part.size());
    return part;
  };
  const std::string_view count = take(1);
  const std::string_view edits = take(count.empty() ? 0 : 3 * (static_cast<uint8_t>(count[0]) % 16));
  const std::string_view length = take(2);
  const size_t optionsSize = length.size() < 2 ? 0
                                               : static_cast<uint8_t>(length[0]) | static_cast<uint8_t>(length[1]) << 8;
  const std::string_view options = take(optionsSize);
  const std::string_view fileList = input;

  MenuModel model = testing::ModelOf(options, fileList);
  if (model.settings.Bytes() != options || model.programs.Bytes() != fileList) __builtin_trap();
  if (!testing::RoundTripFault(model).empty()) __builtin_trap();
  for (size_t i = 0; i + 3 <= edits.size(); i += 3) {
    const auto byte = [&](size_t k) { return static_cast<uint8_t>(edits[i + k]); };
    if (!testing::ApplyEdit(model, byte(0), byte(1), byte(2)).empty()) __builtin_trap();
    if (!testing::RoundTripFault(model).empty()) __builtin_trap();
  }
  return 0;
}
