#include "tests/windows/sound_sink.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <iterator>

#include "menu/locale_text.h"
#include "platform/handle.h"
#include "tests/windows/test_folder.h"

namespace pandor {

void PrintTo(SoundMode mode, std::ostream* out) {
  static const char* const kNames[] = {"NotReady", "Stopped", "Playing", "Recording", "Seeking", "Paused", "Open"};
  const auto index = static_cast<size_t>(mode);
  *out << (index < std::size(kNames) ? kNames[index] : "?");
}

namespace testing {
namespace {

std::string LittleEndian(uint32_t value, int bytes) {
  std::string out;
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
  return out;
}

}  // namespace

std::string WaveFile(const std::string& samples) {
  const std::string format = LittleEndian(WAVE_FORMAT_PCM, 2) + LittleEndian(1, 2) + LittleEndian(kSampleRate, 4) +
                             LittleEndian(kSampleRate, 4) + LittleEndian(1, 2) + LittleEndian(8, 2);
  const std::string chunks = "fmt " + LittleEndian(format.size(), 4) + format +  //
                             "data" + LittleEndian(samples.size(), 4) + samples;
  return "RIFF" + LittleEndian(4 + chunks.size(), 4) + "WAVE" + chunks;
}

std::string WithoutSilence(std::string bytes) {
  bytes.erase(std::remove(bytes.begin(), bytes.end(), kSilence), bytes.end());
  return bytes;
}

SoundSink::SoundSink() {
  const char* unixPath = std::getenv("PANDOR7_SOUND_SINK");
  if (unixPath == nullptr) return;
  using DosName = LPWSTR(CDECL*)(LPCSTR);
  const auto toDos = reinterpret_cast<DosName>(reinterpret_cast<void (*)()>(
      GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_dos_file_name")));
  if (toDos == nullptr) return;
  const LPWSTR dos = toDos(unixPath);
  if (dos == nullptr) return;
  char path[MAX_PATH] = {};
  WideCharToMultiByte(CP_ACP, 0, dos, -1, path, MAX_PATH, nullptr, nullptr);
  HeapFree(GetProcessHeap(), 0, dos);
  path_ = path;
}

size_t SoundSink::Size() const {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path_.c_str(), GetFileExInfoStandard, &data)) return 0;
  return data.nFileSizeLow;
}

std::string SoundSink::BytesSince(size_t offset) const {
  const std::string all = ReadFileBytes(path_);
  return offset < all.size() ? all.substr(offset) : std::string();
}

bool SoundSink::GrowsBeyond(size_t size) const {
  for (int i = 0; i < 500; ++i) {
    if (Size() > size) return true;
    Sleep(20);
  }
  return false;
}

SoundMode WaitWhilePlaying(SoundPlayer& player) {
  for (int i = 0; i < 500 && player.Mode() == SoundMode::Playing; ++i) Sleep(20);
  return player.Mode();
}

std::string MciText(MCIERROR code) {
  char text[MAXERRORLENGTH] = {};
  EXPECT_TRUE(mciGetErrorStringA(code, text, sizeof text)) << "MCI has no text for " << code;
  return AnsiToUtf8(text);
}

void SoundSinkTest::SetUpTestSuite() {
  // ALSA, not PulseAudio: a sound server that happens to run for the user
  // would otherwise take the sound away from the sink.
  HKEY created = nullptr;
  RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\Drivers", 0, nullptr, 0, KEY_SET_VALUE, nullptr, &created,
                  nullptr);
  const RegistryKey drivers(created);
  ASSERT_TRUE(drivers);
  static const char kAlsa[] = "alsa";
  ASSERT_EQ(ERROR_SUCCESS,
            RegSetValueExA(drivers.get(), "Audio", 0, REG_SZ, reinterpret_cast<const BYTE*>(kAlsa), sizeof kAlsa));
  // Left from an earlier run; the sink's pipe creates it again.
  DeleteFileA(SoundSink().Path().c_str());
}

void SoundSinkTest::SetUp() { ASSERT_FALSE(sink_.Path().empty()) << "PANDOR7_SOUND_SINK names no sink file"; }

}  // namespace testing
}  // namespace pandor
