#pragma once
// Edits of a menu model chosen by bytes, and the round trip every state must
// survive: for the fuzz target and the native round-trip tests alike.

#include <cstdint>
#include <string>
#include <string_view>

#include "menu/menu_model.h"

namespace pandor::testing {

// The model of the two files' bytes.
MenuModel ModelOf(std::string_view options, std::string_view fileList);

// One editing operation with its arguments, chosen by three bytes. Gives a
// description of what the operation did wrong, or "".
std::string ApplyEdit(MenuModel& model, uint8_t operation, uint8_t a, uint8_t b);

// What goes wrong when the model is written and read back: the menu must
// read the same lines and tree, and a second writing must give the same
// bytes. "" when nothing.
std::string RoundTripFault(const MenuModel& model);

}  // namespace pandor::testing
