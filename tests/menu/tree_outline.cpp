#include "tests/menu/tree_outline.h"

#include <functional>

namespace pandor::testing {

std::string Outline(const MenuTree& tree) {
  std::string out;
  std::function<void(int, int)> visit = [&](int node, int depth) {
    out += std::string(static_cast<size_t>(depth) * 2, ' ') + tree.Text(node) + "\n";
    for (int child : tree.Node(node).children) visit(child, depth + 1);
  };
  for (int top : tree.TopLevel()) visit(top, 0);
  return out;
}

}  // namespace pandor::testing
