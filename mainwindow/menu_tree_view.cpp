#include "mainwindow/menu_tree_view.h"

#include "menu/node_image.h"
#include "platform/text.h"

namespace pandor {
namespace {

HTREEITEM Related(HWND tree, UINT relation, HTREEITEM item) {
  return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

// Calls visit for each child of the item (TVI_ROOT: each top-level item).
template <typename Visit>
void ForEachChild(HWND tree, HTREEITEM item, Visit visit) {
  HTREEITEM child = item == TVI_ROOT ? Related(tree, TVGN_ROOT, nullptr) : Related(tree, TVGN_CHILD, item);
  for (; child; child = Related(tree, TVGN_NEXT, child)) visit(child);
}

}  // namespace

void MenuTreeView::AddNewNodes(const MenuTree& tree) {
  model_ = &tree;
  SendMessageW(tree_, WM_SETREDRAW, FALSE, 0);
  for (size_t index = items_.size(); index < tree.Nodes().size(); ++index) {
    const MenuNode& node = tree.Nodes()[index];
    const std::wstring text = FromAnsi(tree.Text(static_cast<int>(index)));
    TVINSERTSTRUCTW insert{};
    insert.hParent = node.parent < 0 ? TVI_ROOT : items_[static_cast<size_t>(node.parent)];
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
    insert.item.pszText = const_cast<wchar_t*>(text.c_str());
    insert.item.iImage = I_IMAGECALLBACK;
    insert.item.iSelectedImage = I_IMAGECALLBACK;
    insert.item.lParam = static_cast<LPARAM>(index);
    items_.push_back(reinterpret_cast<HTREEITEM>(SendMessageW(tree_, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert))));
    shownImages_.push_back(kImageFolderClosed);
  }
  SendMessageW(tree_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(tree_, nullptr, TRUE);
}

void MenuTreeView::SupplyImage(NMTVDISPINFOW& info) {
  if (!model_ || !(info.item.mask & (TVIF_IMAGE | TVIF_SELECTEDIMAGE))) return;
  // Once the window closes the tree's nodes are released before its items.
  const auto node = static_cast<size_t>(info.item.lParam);
  if (node >= shownImages_.size() || node >= model_->Nodes().size()) return;
  const int image = ChooseNodeImage(model_->Nodes()[node].IsGroup(), IsExpanded(static_cast<int>(node)), iconStyle_,
                                    shownImages_[node]);
  shownImages_[node] = image;
  info.item.iImage = image;
  info.item.iSelectedImage = image;
}

int MenuTreeView::SelectedNode() const {
  const HTREEITEM item = Related(tree_, TVGN_CARET, nullptr);
  if (!item) return -1;
  TVITEMW query{};
  query.mask = TVIF_PARAM | TVIF_HANDLE;
  query.hItem = item;
  SendMessageW(tree_, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&query));
  return static_cast<int>(query.lParam);
}

bool MenuTreeView::IsExpanded(int node) const {
  return (SendMessageW(tree_, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(ItemOf(node)), TVIS_EXPANDED) &
          TVIS_EXPANDED) != 0;
}

void MenuTreeView::CollapseWithDescendants(HTREEITEM item) {
  ForEachChild(tree_, item, [this](HTREEITEM child) { CollapseWithDescendants(child); });
  SendMessageW(tree_, TVM_EXPAND, TVE_COLLAPSE, reinterpret_cast<LPARAM>(item));
}

void MenuTreeView::ExpandWithDescendants(HTREEITEM item) {
  SendMessageW(tree_, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
  ForEachChild(tree_, item, [this](HTREEITEM child) { ExpandWithDescendants(child); });
}

void MenuTreeView::CollapseAll() {
  ForEachChild(tree_, TVI_ROOT, [this](HTREEITEM item) { CollapseWithDescendants(item); });
}

void MenuTreeView::CollapseAllButSelection() {
  // Collapsing a group moves the selection to it, so the item's groups are
  // opened again and the item selected again.
  const HTREEITEM selected = Related(tree_, TVGN_CARET, nullptr);
  CollapseAll();
  if (!selected) return;
  for (HTREEITEM parent = Related(tree_, TVGN_PARENT, selected); parent; parent = Related(tree_, TVGN_PARENT, parent))
    SendMessageW(tree_, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(parent));
  SendMessageW(tree_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(selected));
}

}  // namespace pandor
