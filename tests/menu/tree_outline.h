#pragma once
// A menu tree written out for comparing in tests.

#include <string>

#include "menu/menu_tree.h"

namespace pandor::testing {

// The tree as text in display order, one node a line, indented by depth.
std::string Outline(const MenuTree& tree);

}  // namespace pandor::testing
