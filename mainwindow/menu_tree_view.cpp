#include "mainwindow/menu_tree_view.h"

#include "menu/node_image.h"
#include "platform/control_hook.h"
#include "platform/text.h"

namespace pandor {
namespace {

constexpr UINT_PTR kKeySubclassId = 1;

}  // namespace

void MenuTreeView::Attach(HWND tree) {
  tree_ = tree;
  treeProcedure_ = reinterpret_cast<WNDPROC>(GetClassLongPtrW(tree, GCLP_WNDPROC));
  HookControl(tree_, KeySubclass, kKeySubclassId, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT MenuTreeView::Call(UINT message, WPARAM wParam, LPARAM lParam) const {
  return CallWindowProcW(treeProcedure_, tree_, message, wParam, lParam);
}

LRESULT CALLBACK MenuTreeView::KeySubclass(HWND tree, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                           DWORD_PTR self) {
  // The tree view would open the branch one group at a time, each shown.
  if (message == WM_KEYDOWN && wParam == VK_MULTIPLY && !(GetKeyState(VK_CONTROL) & 0x8000)) {
    auto* view = reinterpret_cast<MenuTreeView*>(self);
    const int node = view->SelectedNode();
    if (view->Known(node) && view->model_->Node(node).IsGroup()) view->OpenBranch(node);
    return 0;
  }
  return CallNextHook(tree, message, wParam, lParam);
}

void MenuTreeView::Fill(const MenuTree& tree) {
  model_ = &tree;
  const size_t count = tree.Nodes().size();
  items_.resize(count, nullptr);
  open_.resize(count, false);
  shownImages_.resize(count, kImageFolderClosed);
  Call(WM_SETREDRAW, FALSE, 0);
  for (int node : tree.TopLevel()) {
    if (!Item(node)) InsertItem(node);
  }
  Call(WM_SETREDRAW, TRUE, 0);
  InvalidateRect(tree_, nullptr, TRUE);
}

void MenuTreeView::InsertItem(int node) {
  const MenuNode& data = model_->Node(node);
  const std::wstring text = FromAnsi(model_->Text(node));
  TVINSERTSTRUCTW insert{};
  insert.hParent = data.parent < 0 ? TVI_ROOT : Item(data.parent);
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM | TVIF_CHILDREN;
  insert.item.pszText = const_cast<wchar_t*>(text.c_str());
  insert.item.iImage = I_IMAGECALLBACK;
  insert.item.iSelectedImage = I_IMAGECALLBACK;
  insert.item.lParam = static_cast<LPARAM>(node);
  // A group has children before their items are made.
  insert.item.cChildren = data.IsGroup() ? 1 : 0;
  items_[static_cast<size_t>(node)] =
      reinterpret_cast<HTREEITEM>(Call(TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
}

void MenuTreeView::InsertChildren(int node) {
  const std::vector<int>& children = model_->Node(node).children;
  if (children.empty() || Item(children.front())) return;
  for (int child : children) InsertItem(child);
}

bool MenuTreeView::Known(LPARAM node) const {
  // Once the window closes the tree's nodes are released before its items.
  return model_ && node >= 0 && static_cast<size_t>(node) < model_->Nodes().size() &&
         static_cast<size_t>(node) < items_.size();
}

void MenuTreeView::SupplyImage(NMTVDISPINFOW& info) {
  if (!Known(info.item.lParam) || !(info.item.mask & (TVIF_IMAGE | TVIF_SELECTEDIMAGE))) return;
  const auto node = static_cast<size_t>(info.item.lParam);
  const bool expanded = (info.item.state & TVIS_EXPANDED) != 0;
  const int image = ChooseNodeImage(model_->Nodes()[node].IsGroup(), expanded, iconStyle_, shownImages_[node]);
  shownImages_[node] = image;
  info.item.iImage = image;
  info.item.iSelectedImage = image;
}

void MenuTreeView::OnItemExpanding(const NMTREEVIEWW& change) {
  if (Known(change.itemNew.lParam) && (change.action & TVE_EXPAND))
    InsertChildren(static_cast<int>(change.itemNew.lParam));
}

void MenuTreeView::OnItemExpanded(const NMTREEVIEWW& change) {
  if (Known(change.itemNew.lParam))
    open_[static_cast<size_t>(change.itemNew.lParam)] = (change.itemNew.state & TVIS_EXPANDED) != 0;
}

int MenuTreeView::SelectedNode() const {
  const auto item = reinterpret_cast<HTREEITEM>(Call(TVM_GETNEXTITEM, TVGN_CARET, 0));
  if (!item) return -1;
  TVITEMW query{};
  query.mask = TVIF_PARAM | TVIF_HANDLE;
  query.hItem = item;
  Call(TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&query));
  return static_cast<int>(query.lParam);
}

bool MenuTreeView::Shown(int node) const {
  for (int parent = model_->Node(node).parent; parent >= 0; parent = model_->Node(parent).parent) {
    if (!IsOpen(parent)) return false;
  }
  return true;
}

void MenuTreeView::SetOpen(int node, bool open) {
  if (IsOpen(node) == open) return;
  if (open) InsertChildren(node);
  if (Shown(node)) {
    Call(TVM_EXPAND, open ? TVE_EXPAND : TVE_COLLAPSE, reinterpret_cast<LPARAM>(Item(node)));
  } else {
    TVITEMW flag{};
    flag.mask = TVIF_STATE | TVIF_HANDLE;
    flag.hItem = Item(node);
    flag.stateMask = TVIS_EXPANDED;
    flag.state = open ? TVIS_EXPANDED : 0;
    Call(TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&flag));
  }
  open_[static_cast<size_t>(node)] = open;
}

void MenuTreeView::CloseAll() {
  // Closing the open top-level groups hides everything else, which then
  // closes by its flag.
  for (int node : model_->TopLevel()) SetOpen(node, false);
  for (size_t node = 0; node < open_.size(); ++node) SetOpen(static_cast<int>(node), false);
}

void MenuTreeView::OpenBranch(int node) {
  // The groups inside open while the group is closed; opening it then shows
  // the whole branch at once.
  SetOpen(node, false);
  InsertChildren(node);
  std::vector<int> pending = model_->Node(node).children;
  while (!pending.empty()) {
    const int inner = pending.back();
    pending.pop_back();
    const MenuNode& data = model_->Node(inner);
    if (!data.IsGroup()) continue;
    SetOpen(inner, true);
    pending.insert(pending.end(), data.children.begin(), data.children.end());
  }
  SetOpen(node, true);
}

void MenuTreeView::CollapseAllButSelection() {
  // Closing a group that holds the selection moves the selection to it, so
  // the groups the selected node lies in are opened again, innermost first so
  // that only the top-level one is shown opening, and the node selected again.
  if (!model_) return;  // the panel folds in at start-up before the tree fills
  const int selected = SelectedNode();
  CloseAll();
  if (selected < 0) return;
  for (int parent = model_->Node(selected).parent; parent >= 0; parent = model_->Node(parent).parent)
    SetOpen(parent, true);
  Call(TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(Item(selected)));
}

}  // namespace pandor
