// What a screen reader finds in a window, read from another process as one
// reads it: for every visible window in it, the accessible object of its
// client area (AccessibleObjectFromWindow, carried across by COM), and the
// elements of that object that have no window of their own.
//
// Commands (screen_reader_view COMMAND TITLE ...), TITLE being part of a
// window's title:
//   tree TITLE          one line per window and element, indented by depth:
//                       role "name" = "value" – description [default action]
//                       {states} @ left,top width x height (on the screen);
//                       a long value is cut, its line ends shown as " / "
//   press TITLE NAME    does the default action of the first element so named
//
// Exit code 0 on success, 1 when the window or the element isn't there, 2
// when an object can't be had from the other process (the error is printed).
#include <windows.h>
#include <oleacc.h>

#include <cstdio>
#include <functional>
#include <string>

namespace {

std::wstring Title(HWND window) {
  wchar_t text[512] = L"";
  GetWindowTextW(window, text, 512);
  return text;
}

struct Query {
  std::wstring title;
  HWND found = nullptr;
};

BOOL CALLBACK Match(HWND window, LPARAM param) {
  auto* query = reinterpret_cast<Query*>(param);
  if (IsWindowVisible(window) && Title(window).find(query->title) != std::wstring::npos) {
    query->found = window;
    return FALSE;
  }
  return TRUE;
}

void Print(const std::wstring& text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<size_t>(size > 0 ? size : 1), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, &utf8[0], size, nullptr, nullptr);
  std::fputs(utf8.c_str(), stdout);
  std::fputc('\n', stdout);
}

VARIANT Child(long id) {
  VARIANT child;
  child.vt = VT_I4;
  child.lVal = id;
  return child;
}

template <typename Getter>
std::wstring Text(Getter get) {
  BSTR text = nullptr;
  if (get(&text) != S_OK || !text) return L"";
  std::wstring copy = text;
  SysFreeString(text);
  return copy;
}

std::wstring RoleText(long role) {
  wchar_t text[128] = L"";
  GetRoleTextW(static_cast<DWORD>(role), text, 128);
  return text;
}

std::wstring StateText(long state) {
  std::wstring text;
  for (long bit = 1; bit != 0 && bit <= STATE_SYSTEM_HASPOPUP; bit <<= 1) {
    if (!(state & bit)) continue;
    wchar_t name[128] = L"";
    GetStateTextW(static_cast<DWORD>(bit), name, 128);
    text += (text.empty() ? L"" : L", ") + std::wstring(name);
  }
  return text;
}

std::wstring Name(IAccessible* object, long child) {
  return Text([&](BSTR* text) { return object->get_accName(Child(child), text); });
}

std::wstring Describe(IAccessible* object, long child) {
  const VARIANT id = Child(child);
  VARIANT value;
  std::wstring line;
  line += object->get_accRole(id, &value) == S_OK && value.vt == VT_I4 ? RoleText(value.lVal) : L"?";
  line += L" \"" + Name(object, child) + L"\"";
  std::wstring shown = Text([&](BSTR* text) { return object->get_accValue(id, text); });
  for (size_t end; (end = shown.find(L"\r\n")) != std::wstring::npos;) shown.replace(end, 2, L" / ");
  if (shown.size() > 60) shown = shown.substr(0, 60) + L"…";
  if (!shown.empty()) line += L" = \"" + shown + L"\"";
  const std::wstring description = Text([&](BSTR* text) { return object->get_accDescription(id, text); });
  if (!description.empty()) line += L" – " + description;
  const std::wstring action = Text([&](BSTR* text) { return object->get_accDefaultAction(id, text); });
  if (!action.empty()) line += L" [" + action + L"]";
  if (object->get_accState(id, &value) == S_OK && value.vt == VT_I4 && value.lVal) {
    line += L" {" + StateText(value.lVal) + L"}";
  }
  LONG left, top, width, height;
  if (object->accLocation(&left, &top, &width, &height, id) == S_OK) {
    line += L" @ " + std::to_wstring(left) + L"," + std::to_wstring(top) + L" " + std::to_wstring(width) + L"x" +
            std::to_wstring(height);
  }
  return line;
}

// Calls visit(object, child, depth) for every window under window (itself
// included) and for every element without a window of its own; false when an
// object couldn't be had.
bool Walk(HWND window, int depth, const std::function<void(IAccessible*, long, int)>& visit) {
  IAccessible* object = nullptr;
  const HRESULT got = AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                                 reinterpret_cast<void**>(&object));
  if (FAILED(got) || !object) {
    std::printf("no accessible object for window %p: error 0x%08lx\n", static_cast<void*>(window),
                static_cast<unsigned long>(got));
    return false;
  }
  visit(object, CHILDID_SELF, depth);
  LONG count = 0;
  object->get_accChildCount(&count);
  for (long child = 1; child <= count; ++child) {
    // Children with windows of their own come below, as windows.
    IDispatch* own = nullptr;
    const HRESULT element = object->get_accChild(Child(child), &own);
    if (own) own->Release();
    if (element == S_FALSE) visit(object, child, depth + 1);
  }
  object->Release();
  bool whole = true;
  for (HWND inner = GetWindow(window, GW_CHILD); inner; inner = GetWindow(inner, GW_HWNDNEXT)) {
    if (IsWindowVisible(inner)) whole = Walk(inner, depth + 1, visit) && whole;
  }
  return whole;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) return 1;
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  const std::wstring command = argv[1];
  Query query{argv[2]};
  EnumWindows(Match, reinterpret_cast<LPARAM>(&query));
  if (!query.found) return 1;

  if (command == L"tree") {
    const bool whole = Walk(query.found, 0, [](IAccessible* object, long child, int depth) {
      Print(std::wstring(static_cast<size_t>(depth) * 2, L' ') + Describe(object, child));
    });
    return whole ? 0 : 2;
  }
  if (command == L"press" && argc >= 4) {
    const std::wstring wanted = argv[3];
    HRESULT done = S_FALSE;
    const bool whole = Walk(query.found, 0, [&](IAccessible* object, long child, int) {
      if (done == S_FALSE && child != CHILDID_SELF && Name(object, child) == wanted)
        done = object->accDoDefaultAction(Child(child));
    });
    if (done == S_FALSE) return whole ? 1 : 2;
    return SUCCEEDED(done) ? 0 : 2;
  }
  return 1;
}
