#include "editor/setting_notes.h"

#include "editor/system_colours.h"
#include "menu/locale_text.h"
#include "menu/strict_integer.h"

namespace pandor {
namespace {

constexpr int kFirstIconStyle = 1;
constexpr size_t kLongestFontName = 31;  // as much of a face name as Windows takes
constexpr int kLastIconStyle = 3;

std::string LineName(int line) { return "Zeile " + std::to_string(line); }

// The start-up stops at a line that doesn't read.
constexpr const char* kStartStops = " Der Start meldet einen Fehler und übergeht die Zeilen danach.";

std::string Quoted(const std::string& ansi) { return "„" + AnsiToUtf8(ansi) + "“"; }

std::string ColourNote(int line, const std::string& text) {
  const std::optional<int32_t> value = ParseStrictInteger(text);
  if (!value) return LineName(line) + " liest das Menü nicht als Farbe: " + Quoted(text) + "." + kStartStops;
  const IntegerColour colour{static_cast<uint32_t>(*value)};
  if (colour.IsSystemColour() && !SystemColourEntry(colour)) {
    return LineName(line) + " nennt die Systemfarbe " + std::to_string(colour.SystemColourIndex()) +
           ", die Windows nicht kennt: das Menü zeigt Schwarz.";
  }
  return {};
}

std::string IntegerNote(int line, const std::string& text) {
  const std::optional<int32_t> value = ParseStrictInteger(text);
  if (!value) return LineName(line) + " liest das Menü nicht als Zahl: " + Quoted(text) + "." + kStartStops;
  if (line == kIconStyleLine && (*value < kFirstIconStyle || *value > kLastIconStyle)) {
    return LineName(line) + " hat den Symbolstil " + std::to_string(*value) +
           ": das Menü zeigt die Programme dann als Ordner, wie Gruppen.";
  }
  return {};
}

std::string SwitchNote(int line, const std::string& text, SettingKind kind) {
  if (text == "0" || text == "1") return {};
  const bool on = text == SwitchText(kind, true);
  return LineName(line) + " lautet " + Quoted(text) + ", nicht 0 oder 1: das Menü liest den Schalter als " +
         (on ? "ein." : "aus.");
}

}  // namespace

std::string SettingNote(const Settings& settings, const StartUpSetting& setting) {
  const int line = setting.line;
  if (line >= settings.LineCount()) {
    return LineName(line) + " fehlt." + kStartStops;
  }
  const int marker = settings.WelcomeMarkerLine();
  if (marker >= 0 && line >= marker) {
    return LineName(line) + " liest das Menü als Begrüßungstext: die Markierung [HELLO!] steht schon in " +
           LineName(marker) + ".";
  }
  const std::string& text = settings.Text(line);
  switch (setting.kind) {
    case SettingKind::kColour: return ColourNote(line, text);
    case SettingKind::kInteger: return IntegerNote(line, text);
    case SettingKind::kSwitchOne:
    case SettingKind::kSwitchZero: return SwitchNote(line, text, setting.kind);
    case SettingKind::kText:
      if (line == kMenuFontNameLine && text.size() > kLongestFontName) {
        return LineName(line) + " ist länger als 31 Zeichen: das Menü nimmt nur die ersten 31 als Namen der Schrift.";
      }
      break;
  }
  return {};
}

std::string VersionNote(const Settings& settings) {
  if (settings.Empty()) return LineName(kVersionLine) + " fehlt." + kStartStops;
  const std::string& version = settings.Text(kVersionLine);
  if (version == kSettingsVersion) return {};
  return LineName(kVersionLine) + " lautet " + Quoted(version) + ", nicht „" + kSettingsVersion +
         "“: das Menü meldet, die Datei liege in falscher Version vor, und endet ohne Fenster.";
}

std::string WelcomeNote(const Settings& settings) {
  if (settings.WelcomeMarkerLine() >= 0) return {};
  return "Die Markierung [HELLO!] fehlt: das Menü zeigt keinen Begrüßungstext. Ein Text hier setzt sie nach "
         "Zeile 16.";
}

}  // namespace pandor
