#pragma once
// Little-endian fields of a file's bytes; the caller has checked the bounds.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace pandor {

inline uint16_t ReadU16(std::string_view bytes, size_t at) {
  return static_cast<uint16_t>(static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8);
}
inline uint32_t ReadU32(std::string_view bytes, size_t at) {
  return ReadU16(bytes, at) | static_cast<uint32_t>(ReadU16(bytes, at + 2)) << 16;
}
inline int16_t ReadI16(std::string_view bytes, size_t at) { return static_cast<int16_t>(ReadU16(bytes, at)); }
inline int32_t ReadI32(std::string_view bytes, size_t at) { return static_cast<int32_t>(ReadU32(bytes, at)); }

}  // namespace pandor
