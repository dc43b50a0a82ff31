#pragma once
// What a screen reader, or a test or automation tool, sees of a panel and the
// graphic controls drawn on it: an MSAA object for the panel's client area
// whose children (child ids 1, 2, ... in the order the controls were placed,
// decorations left out) are the controls, with the role, name, description,
// place and state each control gives, and a click as the default action.
//
// The object holds only the panel's handle and reads the panel afresh at
// every question, so it is never out of date; once the panel is gone it
// answers that it is disconnected. Active Accessibility (oleacc.dll) and COM
// are loaded when a panel is first asked, never at start.

#include <windows.h>
#include <oleacc.h>

namespace pandor {

// The answer to WM_GETOBJECT for OBJID_CLIENT (LresultFromObject); 0 when
// Active Accessibility can't be loaded.
LRESULT AnswerAccessibleObject(HWND panel, WPARAM wParam);

class PanelAccessible final : public IAccessible {
 public:
  explicit PanelAccessible(HWND panel) : panel_(panel) {}
  PanelAccessible(const PanelAccessible&) = delete;
  PanelAccessible& operator=(const PanelAccessible&) = delete;

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  // IDispatch: screen readers call IAccessible directly; there is no type
  // library to dispatch by.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override;

  // IAccessible
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override;
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override;
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override;
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override;
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
  HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override;
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override;
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override;
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override;

 private:
  ~PanelAccessible() = default;  // by Release

  HWND panel_;
  LONG references_ = 1;
};

}  // namespace pandor
