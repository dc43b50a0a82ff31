#pragma once
// The menu tree on screen: a Windows tree view that mirrors a MenuTree. Each
// item's lParam is the index of its node; node images are chosen each time an
// item is drawn.
//
// The tree view redoes work over all its items for every call that names an
// item, and over all shown items for every group it opens or closes on
// screen. So the view knows which groups are open (the tree's own mouse and
// keys tell it through TVN_ITEMEXPANDED) and changes only those, and a
// group's items are made only when it is first opened. Groups that lie in a
// closed group are opened or closed by their flag alone, which costs the tree
// nothing; only the outermost change of a branch is shown, in one pass.

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "menu/menu_tree.h"

namespace pandor {

class MenuTreeView {
 public:
  // Takes over the tree view's "*" key, which opens the selected branch.
  void Attach(HWND tree);
  HWND Handle() const { return tree_; }

  // Shows the top-level nodes of the tree that have no item yet; the nodes in
  // a group get theirs when it is first opened.
  void Fill(const MenuTree& tree);
  void SetIconStyle(int iconStyle) { iconStyle_ = iconStyle; }

  // Notifications of the tree view.
  void SupplyImage(NMTVDISPINFOW& info);
  void OnItemExpanding(const NMTREEVIEWW& change);
  void OnItemExpanded(const NMTREEVIEWW& change);

  // The node of the selected item, or -1.
  int SelectedNode() const;
  bool IsOpen(int node) const { return open_[static_cast<size_t>(node)]; }

  // Closes every group. The selection moves to the top-level node it lay in,
  // as when each group is closed with the tree view's own call.
  void CloseAll();
  // Opens the group with every group in it.
  void OpenBranch(int node);
  // Closes every group but the ones the selected node lies in, and selects it
  // again.
  void CollapseAllButSelection();

 private:
  // Sends to the tree view's own window procedure. The subclasses on the tree
  // only watch input, and Wine's subclass chain looks up a window property
  // for each message and subclass: sent through it, filling ten thousand
  // items took a quarter of a second.
  LRESULT Call(UINT message, WPARAM wParam, LPARAM lParam) const;
  static LRESULT CALLBACK KeySubclass(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
  bool Known(LPARAM node) const;
  HTREEITEM Item(int node) const { return items_[static_cast<size_t>(node)]; }
  void InsertItem(int node);
  void InsertChildren(int node);
  // All the groups the node lies in are open.
  bool Shown(int node) const;
  // Opens or closes one group: on screen with the tree view's own call, or by
  // its flag when it lies in a closed group.
  void SetOpen(int node, bool open);

  HWND tree_ = nullptr;
  WNDPROC treeProcedure_ = nullptr;
  const MenuTree* model_ = nullptr;
  int iconStyle_ = 0;
  std::vector<HTREEITEM> items_;  // nullptr until the node's parent is first opened
  std::vector<bool> open_;        // the tree view's TVIS_EXPANDED, per node
  std::vector<int> shownImages_;  // the image each node showed last
};

}  // namespace pandor
