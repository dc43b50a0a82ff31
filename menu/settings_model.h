#pragma once
// options.dat as the editor changes it. Every line is kept as the menu
// reads it, also one that doesn't read as its kind; a setting is changed by
// writing the text that the menu reads as the value (start_up_settings.h).

#include <cstdint>
#include <string>
#include <string_view>

#include "menu/integer_colour.h"
#include "menu/line_file.h"
#include "menu/settings.h"

namespace pandor {

class SettingsModel {
 public:
  SettingsModel() = default;
  explicit SettingsModel(std::string_view bytes) : file_(bytes) {}

  std::string Bytes() const { return file_.Bytes(); }
  const LineFile& File() const { return file_; }
  // The lines as the menu reads them, for ReadSetting and the checker.
  Settings AsSettings() const { return Settings(file_.Lines()); }

  // Line `line` becomes `text`; a file too short for it gets empty lines up
  // to it. A line after the welcome marker is welcome text, for the menu and
  // here alike. Text that doesn't fit on one line throws std::invalid_argument.
  void SetText(int line, const std::string& text);
  // As the kind that line is read as; std::invalid_argument for a line of
  // another kind. A switch is written as exactly the text that means its
  // state; an integer or colour line that reads as the value already keeps
  // its notation ("$00FF0000" stays).
  void SetSwitch(SettingsLine line, bool on);
  void SetInteger(SettingsLine line, int32_t value);
  void SetColour(SettingsLine line, IntegerColour colour);

  LineList WelcomeLines() const { return AsSettings().WelcomeLines(); }
  // Every line after the marker becomes `lines`; without a marker, one is put
  // after the last line the start-up reads (the file is made that long) or
  // after the lines already there.
  void SetWelcomeLines(const LineList& lines);

 private:
  bool ReadsAsInteger(SettingsLine line, int32_t value) const;

  LineFile file_;
};

}  // namespace pandor
