#include "checker/report_output.h"

#include <cstdio>

namespace pandor::check {
namespace {

const char* SeverityWord(Severity severity) {
  switch (severity) {
    case Severity::kError: return "Fehler";
    case Severity::kWarning: return "Warnung";
    case Severity::kNote: return "Hinweis";
  }
  return "";
}

const char* SeverityKey(Severity severity) {
  switch (severity) {
    case Severity::kError: return "error";
    case Severity::kWarning: return "warning";
    case Severity::kNote: return "note";
  }
  return "";
}

std::string Reference(const Finding& finding) { return std::string(kReferencePath) + "#" + finding.see; }

std::string MessageWithReference(const Finding& finding) {
  return finding.message + " (" + Reference(finding) + ")";
}

// The menu's texts hold CR characters (the version message); shown as \r.
std::string Visible(const std::string& text) {
  std::string out;
  for (char c : text) out += c == '\r' ? std::string("\\r") : std::string(1, c);
  return out;
}

std::string JsonString(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
          out += escaped;
        } else {
          out += c;
        }
    }
  }
  return out + "\"";
}

}  // namespace

std::string FormatText(const CheckReport& report) {
  if (!report.checked) return "Fehler: " + report.failure + "\n";
  std::string out;
  for (const Finding& finding : report.findings.Sorted()) {
    if (!finding.file.empty()) {
      out += finding.file + ":";
      if (finding.line > 0) out += std::to_string(finding.line) + ":";
      out += " ";
    }
    out += std::string(SeverityWord(finding.severity)) + ": " + MessageWithReference(finding) + "\n";
    if (finding.shows) out += "    Das Menü zeigt: " + Visible(*finding.shows) + "\n";
  }
  return out;
}

std::string FormatJson(const CheckReport& report) {
  std::string out = "{";
  if (!report.checked) return out + "\"error\": " + JsonString(report.failure) + ", \"findings\": []}\n";
  const MenuFacts& facts = report.facts;
  out += "\"menu\": {\"caption\": " + (facts.caption ? JsonString(*facts.caption) : std::string("null"));
  out += ", \"records\": " + std::to_string(facts.records) + ", \"groups\": " + std::to_string(facts.groups);
  out += ", \"pictures\": {";
  bool first = true;
  for (const auto& [format, count] : facts.picturesByFormat) {
    out += (first ? "" : ", ") + JsonString(format) + ": " + std::to_string(count);
    first = false;
  }
  out += "}, \"bytes\": " + std::to_string(facts.mediumBytes) + "},\n \"findings\": [";
  first = true;
  for (const Finding& finding : report.findings.Sorted()) {
    out += first ? "\n  {" : ",\n  {";
    first = false;
    out += "\"severity\": " + JsonString(SeverityKey(finding.severity));
    out += ", \"file\": " + JsonString(finding.file);
    out += ", \"line\": " + (finding.line > 0 ? std::to_string(finding.line) : std::string("null"));
    out += ", \"message\": " + JsonString(MessageWithReference(finding));
    out += ", \"shows\": " + (finding.shows ? JsonString(*finding.shows) : std::string("null"));
    out += ", \"see\": " + JsonString(Reference(finding)) + "}";
  }
  return out + "\n]}\n";
}

}  // namespace pandor::check
