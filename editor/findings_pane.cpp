#include "editor/findings_pane.h"

#include <commctrl.h>

#include "platform/text.h"

namespace pandor {
namespace {

struct Column {
  const wchar_t* heading;
  int width;  // at 96 DPI
};
constexpr Column kColumns[] = {{L"Art", 70}, {L"Datei", 170}, {L"Zeile", 50}, {L"Meldung", 640}};

}  // namespace

const char* SeverityName(check::Severity severity) {
  switch (severity) {
    case check::Severity::kError: return "Fehler";
    case check::Severity::kWarning: return "Warnung";
    case check::Severity::kNote: return "Hinweis";
  }
  return "";
}

void FindingsPane::Create(HWND parent, const Place& place, int id) {
  list_ = CreateChildWindow(parent, WC_LISTVIEWW, L"Befunde",
                            WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_OWNERDATA, place, id,
                            WS_EX_CLIENTEDGE);
  SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_LABELTIP);
  for (int i = 0; i < static_cast<int>(std::size(kColumns)); ++i) {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = const_cast<wchar_t*>(kColumns[i].heading);
    column.cx = Scaled(kColumns[i].width);
    SendMessageW(list_, LVM_INSERTCOLUMNW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&column));
  }
}

void FindingsPane::Show(std::vector<check::Finding> findings, const std::string& failure) {
  findings_ = std::move(findings);
  if (!failure.empty()) findings_.insert(findings_.begin(), check::Finding{check::Severity::kError, "", 0, failure, {}, ""});
  // The list asks for each row's texts as it shows it: ten thousand findings cost no more than ten.
  SendMessageW(list_, LVM_SETITEMCOUNT, findings_.size(), 0);
  SetWindowTextW(list_, L"Befunde");
  InvalidateRect(list_, nullptr, TRUE);
}

void FindingsPane::SupplyCell(NMLVDISPINFOW& info) {
  if (!(info.item.mask & LVIF_TEXT) || info.item.iItem < 0 || info.item.iItem >= static_cast<int>(findings_.size())) return;
  const check::Finding& finding = findings_[static_cast<size_t>(info.item.iItem)];
  switch (info.item.iSubItem) {
    case 0: cell_ = FromUtf8(SeverityName(finding.severity)); break;
    case 1: cell_ = FromUtf8(finding.file); break;
    case 2: cell_ = finding.line > 0 ? std::to_wstring(finding.line) : L""; break;
    default: cell_ = FromUtf8(finding.message); break;
  }
  lstrcpynW(info.item.pszText, cell_.c_str(), info.item.cchTextMax);
}

void FindingsPane::MarkOutdated() { SetWindowTextW(list_, L"Befunde (werden geprüft)"); }

void FindingsPane::OpenSelected() {
  const int row = static_cast<int>(SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
  if (row >= 0 && row < static_cast<int>(findings_.size()) && onOpen) onOpen(findings_[static_cast<size_t>(row)]);
}

bool FindingsPane::OnNotify(const NMHDR& header) {
  if (header.hwndFrom != list_) return false;
  if (header.code == LVN_GETDISPINFOW) {
    SupplyCell(reinterpret_cast<NMLVDISPINFOW&>(const_cast<NMHDR&>(header)));
    return true;
  }
  if (header.code == NM_DBLCLK || header.code == NM_RETURN) {
    OpenSelected();
    return true;
  }
  if (header.code == LVN_KEYDOWN && reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey == VK_RETURN) {
    OpenSelected();
    return true;
  }
  return false;
}

}  // namespace pandor
