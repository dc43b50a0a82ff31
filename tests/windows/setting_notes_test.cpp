// What the settings page says beside a line and of the start-up sound, for the
// lines and files that read otherwise than they look.
#include <gtest/gtest.h>

#include <string>

#include "editor/setting_notes.h"
#include "editor/startup_sound.h"
#include "menu/line_list.h"

namespace pandor {
namespace {

// Lines 0 to 16 that each read plainly as their kind, with one line changed,
// and only the first `keep` of them.
Settings With(int line, const std::string& text, size_t keep = 17) {
  LineList lines{"5600.0", "-2147483633", "1", "0", "A", "B", "0", "0", "0"};
  lines.insert(lines.end(), {"S", "0", "Arial", "10", "0", "0", "1", "1"});
  if (line >= 0) lines[static_cast<size_t>(line)] = text;
  lines.resize(keep);
  return Settings(lines);
}

std::string Note(const Settings& settings, SettingsLine line) {
  return SettingNote(settings, *StartUpSettingOf(line));
}

TEST(SettingNotesTest, LinesThatReadPlainlyHaveNone) {
  const Settings plain = With(-1, "");
  for (const StartUpSetting& setting : StartUpSettings(true)) {
    EXPECT_EQ(SettingNote(plain, setting), "") << setting.line;
  }
  EXPECT_EQ(Note(With(kBackgroundColourLine, "$00E7F8FF"), kBackgroundColourLine), "");
  EXPECT_EQ(Note(With(kMenuFontSizeLine, "  +12"), kMenuFontSizeLine), "");
}

TEST(SettingNotesTest, EachWayALineReadsOtherwise) {
  const struct {
    int line;
    std::string text;
    std::string note;
  } cases[] = {
      {kBannerTextColourLine, "255 ", "Zeile 6 liest das Menü nicht als Farbe: „255 “. Der Start meldet einen Fehler "
                                      "und übergeht die Zeilen danach."},
      {kMenuFontColourLine, "$80000019", "Zeile 13 nennt die Systemfarbe 25, die Windows nicht kennt: das Menü zeigt "
                                         "Schwarz."},
      {kMenuFontSizeLine, "\t10", "Zeile 12 liest das Menü nicht als Zahl: „\t10“. Der Start meldet einen Fehler und "
                                  "übergeht die Zeilen danach."},
      {kIconStyleLine, "0",
       "Zeile 16 hat den Symbolstil 0: das Menü zeigt die Programme dann als Ordner, wie Gruppen."},
      {kInfoPanelShownLine, "0 ", "Zeile 2 lautet „0 “, nicht 0 oder 1: das Menü liest den Schalter als aus."},
      {kTickerSwitchLine, "ja", "Zeile 10 lautet „ja“, nicht 0 oder 1: das Menü liest den Schalter als aus."},
      {kMenuFontNameLine, std::string(32, 'x'),
       "Zeile 11 ist länger als 31 Zeichen: das Menü nimmt nur die ersten 31 als Namen der Schrift."},
      {kCaptionLine, "[hello!]", "Zeile 5 liest das Menü als Begrüßungstext: die Markierung [HELLO!] steht schon in "
                                 "Zeile 4."},
  };
  for (const auto& c : cases) {
    const Settings settings = With(c.line, c.text);
    const int shown = c.line == kCaptionLine ? kBannerTextLine : c.line;  // the marker's next line is told
    EXPECT_EQ(Note(settings, static_cast<SettingsLine>(shown)), c.note) << c.text;
  }
  EXPECT_EQ(Note(With(-1, "", 14), kHoverEffectsLine),
            "Zeile 15 fehlt. Der Start meldet einen Fehler und übergeht die Zeilen danach.");
}

TEST(SettingNotesTest, VersionNoteForAnyVersionLineButTheOneTheMenuReads) {
  EXPECT_EQ(VersionNote(With(-1, "")), "");
  EXPECT_EQ(VersionNote(With(kVersionLine, "\xEF\xBB\xBF" "5600.0")),
            "Zeile 0 lautet „ï»¿5600.0“, nicht „5600.0“: das Menü meldet, die Datei liege in falscher Version vor, "
            "und endet ohne Fenster.");
  EXPECT_EQ(VersionNote(With(kVersionLine, "5600")).rfind("Zeile 0 lautet „5600“, nicht „5600.0“", 0), 0u);
  EXPECT_EQ(VersionNote(Settings()), "Zeile 0 fehlt. Der Start meldet einen Fehler und übergeht die Zeilen danach.");
}

TEST(SettingNotesTest, WelcomeNoteOnlyWithoutMarker) {
  EXPECT_NE(WelcomeNote(With(-1, "")), "");
  EXPECT_EQ(WelcomeNote(Settings(LineList{"5600.0", "[HELLO!]"})), "");
}

// A wave file's header and data with the given format.
std::string Wave(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits, uint32_t dataBytes, size_t held) {
  const auto le = [](uint32_t value, int bytes) {
    std::string out;
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
    return out;
  };
  const uint32_t bytesPerSecond = rate * channels * bits / 8;
  const std::string format = le(tag, 2) + le(channels, 2) + le(rate, 4) + le(bytesPerSecond, 4) +
                             le(channels * bits / 8, 2) + le(bits, 2);
  const std::string chunks = "fmt " + le(16, 4) + format + "data" + le(dataBytes, 4) + std::string(held, '\0');
  return "RIFF" + le(static_cast<uint32_t>(4 + chunks.size()), 4) + "WAVE" + chunks;
}

TEST(StartupSoundTest, DescriptionSaysFormatRateChannelsAndLength) {
  EXPECT_EQ(DescribeStartupSound(std::nullopt), "Kein Startklang");
  const uint32_t stereo = 22050 * 4;
  EXPECT_EQ(DescribeStartupSound(Wave(1, 2, 22050, 16, stereo * 32 / 10, stereo * 32 / 10)),
            "PCM, 22050 Hz, 2 Kanäle, 3,2 s");
  EXPECT_EQ(DescribeStartupSound(Wave(1, 1, 8000, 8, 16000, 8000)),
            "PCM, 8000 Hz, 1 Kanal, 1,0 s (kürzer, als ihr Kopf sagt: das Menü spielt sie, soweit sie reicht)");
  EXPECT_EQ(DescribeStartupSound(Wave(0x1234, 1, 8000, 8, 10, 10)),
            "Die Datei hat ein Format (Format 0x1234, 8 Bit), das Windows nicht abspielt.");
}

}  // namespace
}  // namespace pandor
