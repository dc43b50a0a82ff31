#include "tests/windows/accessible_probe.h"

#include "platform/text.h"

namespace pandor::testing {
namespace {

VARIANT Child(long id) {
  VARIANT child;
  child.vt = VT_I4;
  child.lVal = id;
  return child;
}

template <typename Getter>
std::string Text(Getter get) {
  BSTR text = nullptr;
  if (get(&text) != S_OK || !text) return "";
  const std::string utf8 = ToUtf8(text);
  SysFreeString(text);
  return utf8;
}

}  // namespace

AccessibleProbe::AccessibleProbe(HWND window) {
  static const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  (void)com;
  // By __uuidof: MinGW's IID_IAccessible of a 64-bit build is an import thunk, not the IID.
  AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                             reinterpret_cast<void**>(&object_));
}

AccessibleProbe::~AccessibleProbe() {
  if (object_) object_->Release();
}

long AccessibleProbe::ChildCount() const {
  LONG count = -1;
  if (object_) object_->get_accChildCount(&count);
  return count;
}

AccessibleFacts AccessibleProbe::Facts(long child) const {
  AccessibleFacts facts;
  if (!object_) return facts;
  const VARIANT id = Child(child);
  VARIANT value;
  if (object_->get_accRole(id, &value) == S_OK && value.vt == VT_I4) facts.role = value.lVal;
  if (object_->get_accState(id, &value) == S_OK && value.vt == VT_I4) facts.state = value.lVal;
  facts.name = Text([&](BSTR* text) { return object_->get_accName(id, text); });
  facts.description = Text([&](BSTR* text) { return object_->get_accDescription(id, text); });
  facts.defaultAction = Text([&](BSTR* text) { return object_->get_accDefaultAction(id, text); });
  LONG left = 0, top = 0, width = 0, height = 0;
  if (object_->accLocation(&left, &top, &width, &height, id) == S_OK) facts.location = Bounds{left, top, width, height};
  return facts;
}

std::vector<AccessibleFacts> AccessibleProbe::Children() const {
  std::vector<AccessibleFacts> children;
  for (long child = 1; child <= ChildCount(); ++child) children.push_back(Facts(child));
  return children;
}

long AccessibleProbe::FocusedChild() const {
  VARIANT focus;
  focus.vt = VT_EMPTY;
  if (!object_ || object_->get_accFocus(&focus) != S_OK || focus.vt != VT_I4) return -1;
  return focus.lVal;
}

HRESULT AccessibleProbe::DoDefaultAction(long child) const {
  return object_ ? object_->accDoDefaultAction(Child(child)) : E_FAIL;
}

Bounds ScreenBounds(const GraphicControl& control) {
  RECT area = control.Bounds();
  MapWindowPoints(control.Host(), nullptr, reinterpret_cast<POINT*>(&area), 2);
  return Bounds{area.left, area.top, area.right - area.left, area.bottom - area.top};
}

}  // namespace pandor::testing
