#include "platform/mci_sound_player.h"

#include "menu/menu_error.h"
#include "platform/system_library.h"
#include "platform/text.h"
#include "platform/windows_files.h"

#include <optional>

namespace pandor {
namespace {

MCIERROR SendCommand(MCIDEVICEID device, UINT message, DWORD_PTR flags, DWORD_PTR parameters) {
  const auto send = Winmm().Function<decltype(&mciSendCommandW)>("mciSendCommandW");
  return send ? send(device, message, flags, parameters) : MCIERR_CANNOT_LOAD_DRIVER;
}

MenuError MciError(MCIERROR code) {
  const auto errorString = Winmm().Function<decltype(&mciGetErrorStringW)>("mciGetErrorStringW");
  wchar_t text[MAXERRORLENGTH] = {};
  if (!errorString || !errorString(code, text, MAXERRORLENGTH) || text[0] == L'\0')
    return MenuError("Unbekannter Fehlercode");
  return MenuError(ToUtf8(text));
}

// One status item (position and length in the device's current time format);
// nothing when the device can't tell.
std::optional<DWORD_PTR> Status(MCIDEVICEID device, DWORD item) {
  MCI_STATUS_PARMS status{};
  status.dwItem = item;
  if (SendCommand(device, MCI_STATUS, MCI_WAIT | MCI_STATUS_ITEM, reinterpret_cast<DWORD_PTR>(&status)) != 0)
    return std::nullopt;
  return status.dwReturn;
}

}  // namespace

void MciSoundPlayer::Open(const std::string& path) {
  Close();
  // The wave device reads its file through mmio, which under Wine opens it
  // by an ANSI name of at most 128 characters (OpenFile's limit).
  const std::wstring element = ShortPathName(FromUtf8(path));
  MCI_OPEN_PARMSW open{};
  open.lpstrElementName = element.c_str();
  const MCIERROR error = SendCommand(0, MCI_OPEN, MCI_WAIT | MCI_OPEN_ELEMENT, reinterpret_cast<DWORD_PTR>(&open));
  if (error != 0) throw MciError(error);
  device_.reset(open.wDeviceID);
}

void MciSoundPlayer::Play() {
  if (!device_) throw MenuError("Kein MCI-Gerät geöffnet");
  // Position and length come in the same time format, whichever the device uses.
  const auto position = Status(device_.get(), MCI_STATUS_POSITION);
  if (position && position == Status(device_.get(), MCI_STATUS_LENGTH)) {
    MCI_SEEK_PARMS seek{};
    SendCommand(device_.get(), MCI_SEEK, MCI_WAIT | MCI_SEEK_TO_START, reinterpret_cast<DWORD_PTR>(&seek));
  }
  // A message-only window, made for the first play: never shown, only there
  // as the notice's address.
  if (!notifyWindow_) {
    notifyWindow_.reset(CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                        GetModuleHandleA(nullptr), nullptr));
  }
  MCI_PLAY_PARMS play{};
  play.dwCallback = reinterpret_cast<DWORD_PTR>(notifyWindow_.get());
  playError_ = SendCommand(device_.get(), MCI_PLAY, MCI_NOTIFY, reinterpret_cast<DWORD_PTR>(&play));
}

SoundMode MciSoundPlayer::Mode() {
  if (!device_) return SoundMode::NotReady;
  const auto mode = Status(device_.get(), MCI_STATUS_MODE);
  if (!mode || *mode < MCI_MODE_NOT_READY || *mode > MCI_MODE_OPEN) return SoundMode::NotReady;
  return static_cast<SoundMode>(*mode - MCI_MODE_NOT_READY);
}

void MciSoundPlayer::Close() { device_.reset(); }

void MciSoundPlayer::DeviceTraits::Close(MCIDEVICEID device) { SendCommand(device, MCI_CLOSE, MCI_WAIT, 0); }

}  // namespace pandor
