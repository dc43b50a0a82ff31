#pragma once
// The settings page's layout in pixels at 96 DPI: each row has its label at
// the left and its controls in the field column; a row's places are given
// from the row's top. Check boxes, which carry their own text, start where
// the labels do.

#include <functional>
#include <string>

#include "platform/child_window.h"

namespace pandor {

constexpr int kLabelLeft = 16;
constexpr int kLabelWidth = 150;
constexpr int kFieldLeft = 170;
constexpr int kRowHeight = 27;
constexpr int kFieldHeight = 21;
constexpr int kButtonHeight = 23;
constexpr int kDropDownHeight = 240;  // a combo box's height with its list open
constexpr int kToRightEdge = -1;      // a width: the field reaches the page's right margin

constexpr Place kLabelPlace{kLabelLeft, 4, kLabelWidth, 13};

// Makes a control of the row being built, at its place in the row; returns it.
using AddRowControl =
    std::function<HWND(const wchar_t* className, const std::wstring& text, DWORD style, const Place& place, int id)>;

}  // namespace pandor
