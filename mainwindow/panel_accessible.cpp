#include "mainwindow/panel_accessible.h"

#include <string>

#include "mainwindow/graphic_control.h"
#include "mainwindow/panel.h"
#include "mainwindow/panel_state.h"
#include "platform/system_library.h"

namespace pandor {
namespace {

// COM carries the object to the screen reader's process; the window's thread
// joins it when first asked. Once in, it stays, as the DLLs do.
void JoinCom() {
  static const bool joined = [] {
    const auto initialise = Ole32().Function<decltype(&CoInitializeEx)>("CoInitializeEx");
    return initialise && SUCCEEDED(initialise(nullptr, COINIT_APARTMENTTHREADED));
  }();
  (void)joined;
}

HRESULT ReturnText(const std::wstring& text, BSTR* out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (text.empty()) return S_FALSE;
  static const auto allocate = Oleaut32().Function<decltype(&SysAllocString)>("SysAllocString");
  if (!allocate) return E_OUTOFMEMORY;
  *out = allocate(text.c_str());
  return *out ? S_OK : E_OUTOFMEMORY;
}

HRESULT ReturnChild(long childId, VARIANT* out) {
  out->vt = VT_I4;
  out->lVal = childId;
  return S_OK;
}

HRESULT ReturnNothing(VARIANT* out) {
  out->vt = VT_EMPTY;
  return S_FALSE;
}

// What a question is about: the panel itself (control nullptr) or one of its
// controls. Fails when the panel is gone or there is no such child.
HRESULT Resolve(HWND panel, const VARIANT& child, PanelState*& state, GraphicControl*& control) {
  state = PanelStateOf(panel);
  control = nullptr;
  if (!state) return RPC_E_DISCONNECTED;
  if (child.vt != VT_I4) return E_INVALIDARG;
  if (child.lVal == CHILDID_SELF) return S_OK;
  control = state->Child(child.lVal);
  return control ? S_OK : E_INVALIDARG;
}

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(window, &text[0], static_cast<int>(text.size()))));
  return text;
}

}  // namespace

LRESULT AnswerAccessibleObject(HWND panel, WPARAM wParam) {
  static const auto answer = Oleacc().Function<decltype(&LresultFromObject)>("LresultFromObject");
  if (!answer) return 0;
  JoinCom();
  auto* const object = new PanelAccessible(panel);
  const LRESULT result = answer(__uuidof(IAccessible), wParam, object);
  object->Release();  // the answer holds its own reference
  return result;
}

HRESULT PanelAccessible::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible)) {
    *object = static_cast<IAccessible*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG PanelAccessible::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

ULONG PanelAccessible::Release() {
  const LONG left = InterlockedDecrement(&references_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

HRESULT PanelAccessible::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}

HRESULT PanelAccessible::GetTypeInfo(UINT, LCID, ITypeInfo**) { return E_NOTIMPL; }
HRESULT PanelAccessible::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }
HRESULT PanelAccessible::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) {
  return E_NOTIMPL;
}

HRESULT PanelAccessible::get_accParent(IDispatch** parent) {
  if (!parent) return E_POINTER;
  *parent = nullptr;
  if (!PanelStateOf(panel_)) return RPC_E_DISCONNECTED;
  // The panel's window, which the system presents, holds the client area.
  static const auto fromWindow = Oleacc().Function<decltype(&AccessibleObjectFromWindow)>("AccessibleObjectFromWindow");
  if (!fromWindow) return E_FAIL;
  return fromWindow(panel_, static_cast<DWORD>(OBJID_WINDOW), __uuidof(IDispatch), reinterpret_cast<void**>(parent));
}

HRESULT PanelAccessible::get_accChildCount(LONG* count) {
  if (!count) return E_POINTER;
  const PanelState* const state = PanelStateOf(panel_);
  if (!state) return RPC_E_DISCONNECTED;
  *count = static_cast<LONG>(state->UserControls().size());
  return S_OK;
}

HRESULT PanelAccessible::get_accChild(VARIANT child, IDispatch** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  PanelState* state;
  GraphicControl* control;
  const HRESULT found = Resolve(panel_, child, state, control);
  if (FAILED(found)) return found;
  // The controls are simple elements of this object, not objects of their own.
  return control ? S_FALSE : E_INVALIDARG;
}

HRESULT PanelAccessible::get_accName(VARIANT child, BSTR* name) {
  PanelState* state;
  GraphicControl* control;
  const HRESULT found = Resolve(panel_, child, state, control);
  if (FAILED(found)) return found;
  return ReturnText(control ? control->AccessibleName() : WindowText(panel_), name);
}

HRESULT PanelAccessible::get_accValue(VARIANT, BSTR* value) {
  if (value) *value = nullptr;
  return DISP_E_MEMBERNOTFOUND;
}

HRESULT PanelAccessible::get_accDescription(VARIANT child, BSTR* description) {
  PanelState* state;
  GraphicControl* control;
  const HRESULT found = Resolve(panel_, child, state, control);
  if (FAILED(found)) return found;
  return ReturnText(control ? control->Hint() : L"", description);
}

HRESULT PanelAccessible::get_accRole(VARIANT child, VARIANT* role) {
  if (!role) return E_POINTER;
  PanelState* state;
  GraphicControl* control;
  const HRESULT found = Resolve(panel_, child, state, control);
  if (FAILED(found)) return found;
  return ReturnChild(control ? control->AccessibleRole() : ROLE_SYSTEM_CLIENT, role);
}

HRESULT PanelAccessible::get_accState(VARIANT child, VARIANT* stateOut) {
  if (!stateOut) return E_POINTER;
  PanelState* state;
  GraphicControl* control;
  const HRESULT found = Resolve(panel_, child, state, control);
  if (FAILED(found)) return found;
  const bool hasFocus = GetFocus() == panel_;
  long flags = IsWindowVisible(panel_) ? 0 : STATE_SYSTEM_INVISIBLE;
  if (!control) {
    if (hasFocus && !state->focused) flags |= STATE_SYSTEM_FOCUSED;
    return ReturnChild(flags | STATE_SYSTEM_FOCUSABLE, stateOut);
  }
  flags |= STATE_SYSTEM_FOCUSABLE;
  if (hasFocus && state->focused == control) flags |= STATE_SYSTEM_FOCUSED;
  if (state->hot == control) flags |= STATE_SYSTEM_HOTTRACKED;
  if (state->pressed == control) flags |= STATE_SYSTEM_PRESSED;
  return ReturnChild(flags, stateOut);
}

HRESULT PanelAccessible::get_accHelp(VARIANT, BSTR* help) {
  if (help) *help = nullptr;
  return DISP_E_MEMBERNOTFOUND;
}

HRESULT PanelAccessible::get_accHelpTopic(BSTR* file, VARIANT, LONG* topic) {
  if (file) *file = nullptr;
  if (topic) *topic = 0;
  return DISP_E_MEMBERNOTFOUND;
}

HRESULT PanelAccessible::get_accKeyboardShortcut(VARIANT, BSTR* shortcut) {
  if (shortcut) *shortcut = nullptr;
  return DISP_E_MEMBERNOTFOUND;
}

HRESULT PanelAccessible::get_accFocus(VARIANT* child) {
  if (!child) return E_POINTER;
  const PanelState* const state = PanelStateOf(panel_);
  if (!state) return RPC_E_DISCONNECTED;
  if (GetFocus() != panel_) return ReturnNothing(child);
  return ReturnChild(state->ChildId(state->focused), child);
}

HRESULT PanelAccessible::get_accSelection(VARIANT* children) {
  if (children) children->vt = VT_EMPTY;
  return DISP_E_MEMBERNOTFOUND;
}

HRESULT PanelAccessible::get_accDefaultAction(VARIANT child, BSTR* action) {
  PanelState* state;
  GraphicControl* control;
  const HRESULT found = Resolve(panel_, child, state, control);
  if (FAILED(found)) return found;
  return ReturnText(control ? control->DefaultActionName() : L"", action);
}

HRESULT PanelAccessible::accSelect(LONG flags, VARIANT child) {
  PanelState* state;
  GraphicControl* control;
  const HRESULT found = Resolve(panel_, child, state, control);
  if (FAILED(found)) return found;
  if (flags != SELFLAG_TAKEFOCUS || !control) return DISP_E_MEMBERNOTFOUND;
  Panel::Focus(*control);
  return S_OK;
}

HRESULT PanelAccessible::accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) {
  if (!left || !top || !width || !height) return E_POINTER;
  PanelState* state;
  GraphicControl* control;
  const HRESULT found = Resolve(panel_, child, state, control);
  if (FAILED(found)) return found;
  RECT area;
  if (control) {
    area = control->Bounds();
  } else {
    GetClientRect(panel_, &area);
  }
  // The program scales itself to the screen's resolution, so its pixels are
  // the screen's.
  MapWindowPoints(panel_, nullptr, reinterpret_cast<POINT*>(&area), 2);
  *left = area.left;
  *top = area.top;
  *width = area.right - area.left;
  *height = area.bottom - area.top;
  return S_OK;
}

HRESULT PanelAccessible::accNavigate(LONG direction, VARIANT start, VARIANT* end) {
  if (!end) return E_POINTER;
  end->vt = VT_EMPTY;
  PanelState* state;
  GraphicControl* control;
  const HRESULT found = Resolve(panel_, start, state, control);
  if (FAILED(found)) return found;
  const long count = static_cast<long>(state->UserControls().size());
  long target = 0;
  if (!control) {
    // From the panel itself only into it: its siblings are its window's to tell.
    if (direction == NAVDIR_FIRSTCHILD) target = 1;
    if (direction == NAVDIR_LASTCHILD) target = count;
  } else {
    // The controls lie in a row, in the order they were placed.
    const long here = state->ChildId(control);
    if (direction == NAVDIR_NEXT || direction == NAVDIR_RIGHT || direction == NAVDIR_DOWN) target = here + 1;
    if (direction == NAVDIR_PREVIOUS || direction == NAVDIR_LEFT || direction == NAVDIR_UP) target = here - 1;
  }
  if (target < 1 || target > count) return ReturnNothing(end);
  return ReturnChild(target, end);
}

HRESULT PanelAccessible::accHitTest(LONG x, LONG y, VARIANT* child) {
  if (!child) return E_POINTER;
  const PanelState* const state = PanelStateOf(panel_);
  if (!state) return RPC_E_DISCONNECTED;
  POINT point{x, y};
  ScreenToClient(panel_, &point);
  RECT client;
  GetClientRect(panel_, &client);
  if (!PtInRect(&client, point)) return ReturnNothing(child);
  // The top control there that a user reaches; decorations are passed over.
  long hit = CHILDID_SELF;
  const std::vector<GraphicControl*> reached = state->UserControls();
  for (size_t i = 0; i < reached.size(); ++i) {
    if (PtInRect(&reached[i]->Bounds(), point)) hit = static_cast<long>(i) + 1;
  }
  return ReturnChild(hit, child);
}

HRESULT PanelAccessible::accDoDefaultAction(VARIANT child) {
  PanelState* state;
  GraphicControl* control;
  const HRESULT found = Resolve(panel_, child, state, control);
  if (FAILED(found)) return found;
  if (!control) return DISP_E_MEMBERNOTFOUND;
  // What the click opens may be modal: the caller gets its answer first.
  control->PostClick();
  return S_OK;
}

HRESULT PanelAccessible::put_accName(VARIANT, BSTR) { return E_NOTIMPL; }
HRESULT PanelAccessible::put_accValue(VARIANT, BSTR) { return E_NOTIMPL; }

}  // namespace pandor
