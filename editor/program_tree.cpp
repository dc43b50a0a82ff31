#include "editor/program_tree.h"

#include <algorithm>

#include "platform/text.h"

namespace pandor {

NodePlace PlaceOf(const MenuTree& tree, int node) {
  NodePlace place;
  for (int n = node; n >= 0; n = tree.Node(n).parent) place.insert(place.begin(), tree.Node(n).position);
  return place;
}

int NodeAt(const MenuTree& tree, const NodePlace& place) {
  const std::vector<int>* row = &tree.TopLevel();
  int node = -1;
  for (int position : place) {
    if (row->empty()) break;
    node = (*row)[static_cast<size_t>(std::clamp(position, 0, static_cast<int>(row->size()) - 1))];
    row = &tree.Node(node).children;
  }
  return node;
}

int NodeOfRecord(const MenuTree& tree, int record) {
  const int line = record * static_cast<int>(kProgramEntryLines);
  const std::vector<MenuNode>& nodes = tree.Nodes();
  for (size_t i = 0; i < nodes.size(); ++i) {
    if (nodes[i].recordLine == line) return static_cast<int>(i);
  }
  return -1;
}

void ProgramTree::Create(HWND parent, const Place& place, int id) {
  tree_ = CreateChildWindow(parent, WC_TREEVIEWW, L"Programme",
                            WS_TABSTOP | TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_SHOWSELALWAYS |
                                TVS_EDITLABELS,
                            place, id, WS_EX_CLIENTEDGE);
}

namespace {

// FNV-1a over the text, after the parent's key.
uint64_t KeyOf(uint64_t parentKey, const std::string& text) {
  uint64_t key = parentKey ^ 0xcbf29ce484222325ull;
  for (unsigned char c : text) key = (key ^ c) * 0x100000001b3ull;
  return (key ^ 0xFF) * 0x100000001b3ull;
}

}  // namespace

void ProgramTree::Show(const MenuTree& tree, int node) {
  shown_ = &tree;
  const size_t count = tree.Nodes().size();
  items_.assign(count, nullptr);
  filled_.assign(count, false);
  open_.assign(count, false);
  keys_.assign(count, 0);
  SendMessageW(tree_, WM_SETREDRAW, FALSE, 0);
  TreeView_DeleteAllItems(tree_);
  for (int top : tree.TopLevel()) {
    keys_[static_cast<size_t>(top)] = KeyOf(0, tree.Text(top));
    InsertItem(top);
  }
  // Groups open before stay open; the ones below them too.
  std::vector<int> pending(tree.TopLevel().rbegin(), tree.TopLevel().rend());
  const std::set<uint64_t> wasOpen = std::move(openGroups_);
  openGroups_.clear();
  std::vector<int> reopened;
  while (!pending.empty()) {
    const int n = pending.back();
    pending.pop_back();
    if (!tree.Node(n).IsGroup() || !wasOpen.count(keys_[static_cast<size_t>(n)])) continue;
    InsertChildren(n);
    reopened.push_back(n);
    pending.insert(pending.end(), tree.Node(n).children.rbegin(), tree.Node(n).children.rend());
  }
  OpenGroups(reopened);
  if (node >= 0) Select(node);
  SendMessageW(tree_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(tree_, nullptr, TRUE);
}

void ProgramTree::OpenGroups(const std::vector<int>& topDown) {
  for (int node : topDown) InsertChildren(node);
  for (auto it = topDown.rbegin(); it != topDown.rend(); ++it) {
    const size_t node = static_cast<size_t>(*it);
    if (open_[node]) continue;
    const int parent = shown_->Node(*it).parent;
    open_[node] = true;
    openGroups_.insert(keys_[node]);
    if (parent < 0 || open_[static_cast<size_t>(parent)]) TreeView_Expand(tree_, items_[node], TVE_EXPAND);
    else TreeView_SetItemState(tree_, items_[node], TVIS_EXPANDED, TVIS_EXPANDED);
  }
}

std::vector<NodePlace> ProgramTree::OpenPlaces() const {
  std::vector<NodePlace> places;
  if (!shown_) return places;
  for (size_t n = 0; n < open_.size(); ++n) {
    if (open_[n]) places.push_back(PlaceOf(*shown_, static_cast<int>(n)));
  }
  return places;
}

void ProgramTree::Open(const std::vector<NodePlace>& places) {
  // Places from the top down (a group's before its own groups').
  std::vector<NodePlace> sorted = places;
  std::sort(sorted.begin(), sorted.end());
  std::vector<int> groups;
  for (const NodePlace& place : sorted) {
    const int node = NodeAt(*shown_, place);
    if (node >= 0 && shown_->Node(node).IsGroup() && PlaceOf(*shown_, node) == place) groups.push_back(node);
  }
  OpenGroups(groups);
}

void ProgramTree::InsertItem(int node) {
  const MenuNode& data = shown_->Node(node);
  std::wstring text = FromAnsi(shown_->Text(node));
  TVINSERTSTRUCTW insert{};
  insert.hParent = data.parent < 0 ? TVI_ROOT : Item(data.parent);
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_CHILDREN;
  insert.item.pszText = text.data();
  insert.item.lParam = static_cast<LPARAM>(node);
  insert.item.cChildren = data.IsGroup() ? 1 : 0;
  items_[static_cast<size_t>(node)] =
      reinterpret_cast<HTREEITEM>(SendMessageW(tree_, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
}

void ProgramTree::InsertChildren(int node) {
  if (filled_[static_cast<size_t>(node)]) return;
  filled_[static_cast<size_t>(node)] = true;
  // A node's key is made with its item: below a group, as the group opens.
  for (int child : shown_->Node(node).children) {
    keys_[static_cast<size_t>(child)] = KeyOf(keys_[static_cast<size_t>(node)], shown_->Text(child));
    InsertItem(child);
  }
}

void ProgramTree::Reveal(int node) {
  std::vector<int> above;
  for (int n = shown_->Node(node).parent; n >= 0; n = shown_->Node(n).parent) above.push_back(n);
  std::reverse(above.begin(), above.end());
  OpenGroups(above);
}

void ProgramTree::Select(int node) {
  if (!shown_ || node < 0 || node >= static_cast<int>(items_.size())) return;
  Reveal(node);
  TreeView_SelectItem(tree_, Item(node));
  TreeView_EnsureVisible(tree_, Item(node));
}

int ProgramTree::SelectedNode() const {
  const HTREEITEM selected = TreeView_GetSelection(tree_);
  if (!selected) return -1;
  TVITEMW item{};
  item.mask = TVIF_PARAM;
  item.hItem = selected;
  TreeView_GetItem(tree_, &item);
  return static_cast<int>(item.lParam);
}

int ProgramTree::NodeAtPoint(POINT point) const {
  TVHITTESTINFO hit{};
  hit.pt = point;
  const HTREEITEM item = TreeView_HitTest(tree_, &hit);
  if (!item || !(hit.flags & TVHT_ONITEM)) return -1;
  TVITEMW data{};
  data.mask = TVIF_PARAM;
  data.hItem = item;
  TreeView_GetItem(tree_, &data);
  return static_cast<int>(data.lParam);
}

void ProgramTree::OnItemExpanding(const NMTREEVIEWW& change) {
  const int node = static_cast<int>(change.itemNew.lParam);
  if (change.action & TVE_EXPAND) InsertChildren(node);
}

void ProgramTree::OnItemExpanded(const NMTREEVIEWW& change) {
  const size_t node = static_cast<size_t>(change.itemNew.lParam);
  open_[node] = (change.action & TVE_EXPAND) != 0;
  if (open_[node]) openGroups_.insert(keys_[node]);
  else openGroups_.erase(keys_[node]);
}

}  // namespace pandor
