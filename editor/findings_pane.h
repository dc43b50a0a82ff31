#pragma once
// The checker's findings about the menu being edited: a list of severity,
// file, line and message, in the checker's order. Double-click or Enter on
// a finding asks for the field it is about.

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "checker/findings.h"
#include "platform/child_window.h"

namespace pandor {

class FindingsPane {
 public:
  void Create(HWND parent, const Place& place, int id);
  HWND Handle() const { return list_; }

  // The findings of a finished check; `failure` when the medium couldn't be checked.
  void Show(std::vector<check::Finding> findings, const std::string& failure);
  // While a check is under way: the list stays, its heading says so.
  void MarkOutdated();
  const std::vector<check::Finding>& Findings() const { return findings_; }

  // The list's notification; gives true when it was handled.
  bool OnNotify(const NMHDR& header);
  std::function<void(const check::Finding&)> onOpen;

 private:
  void OpenSelected();
  void SupplyCell(NMLVDISPINFOW& info);

  HWND list_ = nullptr;
  std::vector<check::Finding> findings_;
  std::wstring cell_;  // the text last handed to the list
};

// "Fehler", "Warnung" or "Hinweis".
const char* SeverityName(check::Severity severity);

}  // namespace pandor
