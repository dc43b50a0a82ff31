#pragma once
// The menu tree on screen: a Windows tree view that mirrors a MenuTree. Each
// item's lParam is the index of its node; node images are chosen each time an
// item is drawn.

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "menu/menu_tree.h"

namespace pandor {

class MenuTreeView {
 public:
  void Attach(HWND tree) { tree_ = tree; }
  HWND Handle() const { return tree_; }

  // Adds the nodes of the tree that have no item yet, in the order they were
  // built (so it can follow a build that stopped half-way).
  void AddNewNodes(const MenuTree& tree);
  void SetIconStyle(int iconStyle) { iconStyle_ = iconStyle; }

  // Fills in the image of an item for TVN_GETDISPINFO.
  void SupplyImage(NMTVDISPINFOW& info);

  // The node of the selected item, or -1.
  int SelectedNode() const;
  HTREEITEM ItemOf(int node) const { return items_[static_cast<size_t>(node)]; }
  bool IsExpanded(int node) const;

  // Collapses or expands a node together with all its descendants.
  void CollapseWithDescendants(HTREEITEM item);
  void ExpandWithDescendants(HTREEITEM item);
  void CollapseAll();
  // Closes every group; the selected item stays selected, which keeps the
  // groups it lies in open.
  void CollapseAllButSelection();

 private:
  HWND tree_ = nullptr;
  const MenuTree* model_ = nullptr;
  int iconStyle_ = 0;
  std::vector<HTREEITEM> items_;
  std::vector<int> shownImages_;  // the image each node showed last
};

}  // namespace pandor
