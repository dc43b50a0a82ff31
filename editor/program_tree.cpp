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

std::string ProgramTree::GroupKey(int node) const {
  std::string key;
  for (int n = node; n >= 0; n = shown_->Node(n).parent) key = shown_->Text(n) + '\n' + key;
  return key;
}

void ProgramTree::Show(const MenuTree& tree, int node) {
  shown_ = &tree;
  items_.assign(tree.Nodes().size(), nullptr);
  filled_.assign(tree.Nodes().size(), false);
  SendMessageW(tree_, WM_SETREDRAW, FALSE, 0);
  TreeView_DeleteAllItems(tree_);
  for (int top : tree.TopLevel()) InsertItem(top);
  // Groups open before stay open; the ones below them too.
  std::vector<int> pending(tree.TopLevel().rbegin(), tree.TopLevel().rend());
  const std::set<std::string> wasOpen = openGroups_;
  openGroups_.clear();
  while (!pending.empty()) {
    const int n = pending.back();
    pending.pop_back();
    if (!tree.Node(n).IsGroup() || !wasOpen.count(GroupKey(n))) continue;
    InsertChildren(n);
    TreeView_Expand(tree_, Item(n), TVE_EXPAND);
    openGroups_.insert(GroupKey(n));
    pending.insert(pending.end(), tree.Node(n).children.rbegin(), tree.Node(n).children.rend());
  }
  if (node >= 0) Select(node);
  SendMessageW(tree_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(tree_, nullptr, TRUE);
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
  for (int child : shown_->Node(node).children) InsertItem(child);
}

void ProgramTree::Reveal(int node) {
  std::vector<int> above;
  for (int n = shown_->Node(node).parent; n >= 0; n = shown_->Node(n).parent) above.insert(above.begin(), n);
  for (int group : above) {
    InsertChildren(group);
    TreeView_Expand(tree_, Item(group), TVE_EXPAND);
    openGroups_.insert(GroupKey(group));
  }
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

void ProgramTree::GroupRenamed(const std::string& from, const std::string& to) {
  std::set<std::string> renamed;
  for (const std::string& key : openGroups_) {
    // Keys are the texts from the top, each ended by a line break.
    std::string changed;
    for (size_t start = 0; start < key.size();) {
      const size_t end = key.find('\n', start);
      const std::string part = key.substr(start, end - start);
      changed += (part == from ? to : part) + '\n';
      start = end + 1;
    }
    renamed.insert(changed);
  }
  openGroups_ = std::move(renamed);
}

void ProgramTree::OnItemExpanding(const NMTREEVIEWW& change) {
  if (change.action & TVE_EXPAND) InsertChildren(static_cast<int>(change.itemNew.lParam));
}

void ProgramTree::OnItemExpanded(const NMTREEVIEWW& change) {
  const std::string key = GroupKey(static_cast<int>(change.itemNew.lParam));
  if (change.action & TVE_EXPAND) openGroups_.insert(key);
  else openGroups_.erase(key);
}

}  // namespace pandor
