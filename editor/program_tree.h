#pragma once
// The programs as the menu will show them, in a tree view: groups with their
// programs, in the file's order. Each item's lParam is its node in the
// MenuTree shown; a group's items are made when it is first opened, so that
// a menu of many thousand programs shows at once. Showing a tree after an
// edit keeps the groups open that were open, by their texts.

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "menu/menu_tree.h"
#include "platform/child_window.h"

namespace pandor {

// A node by where it stands: its position at the top level, then in each
// group below. It names the same place in the tree after an edit.
using NodePlace = std::vector<int>;

NodePlace PlaceOf(const MenuTree& tree, int node);
// The node at that place; where the place doesn't exist any more, its
// nearest sibling or parent; -1 for an empty tree.
int NodeAt(const MenuTree& tree, const NodePlace& place);
// The node built from the record; -1 when there is none.
int NodeOfRecord(const MenuTree& tree, int record);

class ProgramTree {
 public:
  void Create(HWND parent, const Place& place, int id);
  HWND Handle() const { return tree_; }

  // Shows the tree (which must stay alive while shown), selecting `node`.
  void Show(const MenuTree& tree, int node);
  int SelectedNode() const;
  void Select(int node);

  // Notifications of the tree view.
  void OnItemExpanding(const NMTREEVIEWW& change);
  void OnItemExpanded(const NMTREEVIEWW& change);
  // The places of the open groups, to open them again after an edit that
  // keeps the tree's shape but changes texts (a rename).
  std::vector<NodePlace> OpenPlaces() const;
  void Open(const std::vector<NodePlace>& places);
  // The node under a point of the tree's client area, or -1.
  int NodeAtPoint(POINT point) const;

 private:
  HTREEITEM Item(int node) const { return items_[static_cast<size_t>(node)]; }
  void InsertItem(int node);
  void InsertChildren(int node);
  // Makes the items down to the node and opens the groups it lies in.
  void Reveal(int node);
  // Opens the groups, given from the top down: inner ones first, by their
  // flag alone while the group above is closed, so that the tree view walks
  // its shown items once, not once a group (a deep tree would take minutes).
  void OpenGroups(const std::vector<int>& topDown);

  HWND tree_ = nullptr;
  const MenuTree* shown_ = nullptr;
  std::vector<HTREEITEM> items_;
  std::vector<bool> filled_;
  std::vector<bool> open_;  // as the tree view's TVIS_EXPANDED, kept here: asking it costs a search
  // A group's texts from the top, hashed link by link, so that a deep tree
  // costs no more than a flat one; the open groups by that key.
  std::vector<uint64_t> keys_;
  std::set<uint64_t> openGroups_;
};

}  // namespace pandor
