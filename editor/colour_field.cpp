#include "editor/colour_field.h"

#include "platform/system_library.h"

#include <commdlg.h>

#include "editor/system_colours.h"
#include "platform/colours.h"
#include "platform/text.h"

namespace pandor {
namespace {

constexpr Place kSwatch{kFieldLeft, 0, 22, kFieldHeight};
constexpr Place kChoice{kFieldLeft + 28, 0, 190, kDropDownHeight};
constexpr Place kButton{kFieldLeft + 224, -1, 75, kButtonHeight};
constexpr int kOwnColourItem = 0;  // the choice's first item; the system colours follow in table order

}  // namespace

void ColourField::Create(const std::wstring& label, int firstId, const AddRowControl& add) {
  add(L"STATIC", label, SS_LEFT, kLabelPlace, firstId + 3);
  choice_ = add(L"COMBOBOX", L"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP | WS_GROUP, kChoice, firstId);
  swatch_ = add(L"STATIC", L"", SS_SUNKEN, kSwatch, firstId + 1);
  button_ = add(L"BUTTON", FromUtf8("Farbe…"), BS_PUSHBUTTON | BS_NOTIFY | WS_TABSTOP | WS_GROUP, kButton,
                firstId + 2);
  SendMessageW(choice_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"Eigene Farbe"));
  for (size_t i = 0; i < kSystemColourCount; ++i) {
    SendMessageW(choice_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(FromUtf8(kSystemColours[i].name).c_str()));
  }
}

void ColourField::Show(std::optional<IntegerColour> colour) {
  colour_ = colour;
  brush_.reset(colour ? CreateSolidBrush(ToColorRef(*colour)) : nullptr);
  int item = -1;
  if (colour && !colour->IsSystemColour()) item = kOwnColourItem;
  if (const std::optional<size_t> entry = colour ? SystemColourEntry(*colour) : std::nullopt) {
    item = static_cast<int>(*entry) + 1;
  }
  SendMessageW(choice_, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
  InvalidateRect(swatch_, nullptr, TRUE);
}

std::optional<IntegerColour> ColourField::Command(HWND control, int code) {
  std::optional<IntegerColour> chosen;
  if (control == button_ && code == BN_CLICKED) chosen = ChooseOwnColour();
  if (control == choice_ && code == CBN_SELCHANGE) chosen = Chosen();
  if (chosen && colour_ && chosen->value == colour_->value) return std::nullopt;  // no change
  return chosen;
}

std::optional<IntegerColour> ColourField::Chosen() const {
  const auto item = static_cast<int>(SendMessageW(choice_, CB_GETCURSEL, 0, 0));
  if (item < 0) return std::nullopt;
  if (item != kOwnColourItem) return SystemColourValue(kSystemColours[item - 1].index);
  if (colour_ && !colour_->IsSystemColour()) return colour_;
  // An own colour starts as the colour this PC shows now.
  return IntegerColour{colour_ ? static_cast<uint32_t>(ToColorRef(*colour_)) : 0u};
}

std::optional<IntegerColour> ColourField::ChooseOwnColour() {
  CHOOSECOLORW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = GetAncestor(button_, GA_ROOT);
  dialog.rgbResult = colour_ ? ToColorRef(*colour_) : 0;
  dialog.lpCustColors = customColours_.data();
  dialog.Flags = CC_RGBINIT | CC_FULLOPEN;
  const auto chooseColour = Comdlg32().Function<decltype(&ChooseColorW)>("ChooseColorW");
  if (!chooseColour || !chooseColour(&dialog)) return std::nullopt;
  return IntegerColour{static_cast<uint32_t>(dialog.rgbResult)};
}

HBRUSH ColourField::SwatchBrush(HWND control) const { return control == swatch_ ? brush_.get() : nullptr; }

}  // namespace pandor
