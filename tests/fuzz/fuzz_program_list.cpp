// filelist.dat made into the menu tree, every record found again from its node.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "menu/menu_error.h"
#include "menu/menu_tree.h"
#include "menu/node_image.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace pandor;
  MenuTree tree;
  try {
    tree.Build(SplitLines(std::string_view(reinterpret_cast<const char*>(data), size)));
  } catch (const MenuError&) {
  }
  for (int node = 0; node < static_cast<int>(tree.Nodes().size()); ++node) {
    tree.RecordOf(node);
    const int first = tree.FindFirstInDisplayOrder(tree.Text(node));
    if (first < 0 || tree.Text(first) != tree.Text(node)) __builtin_trap();
    ChooseNodeImage(tree.Node(node).IsGroup(), false, 1, 0);
  }
  return 0;
}
