#pragma once
// A colour line of the settings page: the choice between an own colour and
// one of the Windows system colours, a swatch painted in the colour as this
// PC shows it, and the button that opens Windows' colour dialog.

#include <windows.h>

#include <array>
#include <optional>
#include <string>

#include "editor/page_layout.h"
#include "menu/integer_colour.h"
#include "platform/handle.h"

namespace pandor {

class ColourField {
 public:
  // The label, then the choice, the swatch and the button, in that order
  // (the label names the choice for screen readers); ids firstId to firstId + 2.
  void Create(const std::wstring& label, int firstId, const AddRowControl& add);
  // The colour as the line reads; none when it doesn't read as one (nothing
  // chosen, no swatch).
  void Show(std::optional<IntegerColour> colour);
  // The colour the author chose through a notification from one of the
  // field's controls (the button opens the colour dialog); none when nothing
  // changes.
  std::optional<IntegerColour> Command(HWND control, int code);
  // The swatch's background for WM_CTLCOLORSTATIC; null for any other control.
  HBRUSH SwatchBrush(HWND control) const;
  HWND Choice() const { return choice_; }

 private:
  std::optional<IntegerColour> ChooseOwnColour();
  // What the choice's selected item stands for.
  std::optional<IntegerColour> Chosen() const;

  HWND choice_ = nullptr;
  HWND swatch_ = nullptr;
  HWND button_ = nullptr;
  std::optional<IntegerColour> colour_;
  BrushHandle brush_;
  std::array<COLORREF, 16> customColours_{};  // the colour dialog's own row, kept while the editor runs
};

}  // namespace pandor
