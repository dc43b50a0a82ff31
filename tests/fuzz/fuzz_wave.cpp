// The start-up sound as the sound system will open it.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "menu/wave_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const pandor::WaveFile wave = pandor::ReadWaveFile(std::string_view(reinterpret_cast<const char*>(data), size));
  if (wave.dataBytes > size) __builtin_trap();
  return 0;
}
