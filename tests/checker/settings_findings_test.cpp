// What the checker says about a medium's definition files and settings.
#include <gtest/gtest.h>

#include "tests/checker/medium_folder.h"

namespace pandor::check {
namespace {

using testing::MediumFolder;
using testing::Of;
using testing::Places;

constexpr const char* kOptions = "autorun/options.dat";

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(CheckerTest, ACompleteMediumHasNothingAboveANote) {
  const MediumFolder medium;
  const CheckReport report = medium.Check();
  ASSERT_TRUE(report.checked);
  EXPECT_EQ(Places(report, Severity::kError), std::vector<std::string>{});
  EXPECT_EQ(Places(report, Severity::kWarning), std::vector<std::string>{});
  EXPECT_FALSE(report.findings.HasErrors());
  EXPECT_EQ(report.facts.records, 2);
  EXPECT_EQ(report.facts.groups, 1);
  EXPECT_EQ(report.facts.picturesByFormat.at("jpeg"), 1);
  EXPECT_EQ(report.facts.caption, "Test-CD");
  const std::vector<Finding> notes = Of(report, Severity::kNote);
  ASSERT_EQ(notes.size(), 2u);
  EXPECT_TRUE(Contains(notes[0].message, "2 Programme, 1 Gruppen; Bilder: 1 jpeg")) << notes[0].message;
  EXPECT_TRUE(Contains(notes[1].message, "passt auf eine CD")) << notes[1].message;
}

TEST(CheckerTest, AFolderThatIsntThereCantBeChecked) {
  const CheckReport report = CheckMedium("/nonexistent/pandor7-medium");
  EXPECT_FALSE(report.checked);
  EXPECT_FALSE(report.failure.empty());
}

TEST(CheckerTest, MissingDefinitionFilesEndTheMenuWithTheDebugMessage) {
  for (const char* missing : {"autorun/filelist.dat", "autorun/options.dat"}) {
    SCOPED_TRACE(missing);
    MediumFolder medium;
    medium.WriteOptions({"kaputt"});  // not looked at: the menu ends first
    medium.Remove(missing);
    const CheckReport report = medium.Check();
    const std::vector<Finding> errors = Of(report, Severity::kError);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].file, "autorun");
    EXPECT_EQ(errors[0].shows, "Autostarten fehlgeschlagen filelist.dat oder options.dat niet gevonden");
    EXPECT_EQ(errors[0].see, "msg-debug");
  }
}

TEST(CheckerTest, WrongVersionShowsTheVersionMessage) {
  MediumFolder medium;
  LineList options = MediumFolder::GoodOptions();
  options[0] = "5600.0 ";
  medium.WriteOptions(options);
  const std::vector<Finding> errors = Of(medium.Check(), Severity::kError);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0].file, kOptions);
  EXPECT_EQ(errors[0].line, 1);
  EXPECT_EQ(errors[0].shows, "Fehler!\r\rDie Datei \"options.dat\" liegt in falscher Version vor!");
  EXPECT_TRUE(Contains(errors[0].message, "Leerzeichen"));
}

TEST(CheckerTest, EverySettingsLineThatStopsTheStartUpTheFirstFirst) {
  MediumFolder medium;
  LineList options = MediumFolder::GoodOptions();
  options[12] = "10 ";    // font size
  options[1] = "$FFFFFG";  // background colour
  options[16] = "drei";   // icon style
  medium.WriteOptions(options);
  const CheckReport report = medium.Check();
  const std::vector<Finding> errors = Of(report, Severity::kError);
  ASSERT_EQ(errors.size(), 3u);
  EXPECT_EQ(Places(report, Severity::kError),
            (std::vector<std::string>{"autorun/options.dat:2", "autorun/options.dat:13", "autorun/options.dat:17"}));
  EXPECT_EQ(errors[0].shows, "'$FFFFFG' ist kein gültiger Integerwert.");
  EXPECT_TRUE(Contains(errors[0].message, "Der Start bricht hier ab"));
  EXPECT_TRUE(Contains(errors[0].message, "die Hintergrundfarbe"));
  EXPECT_TRUE(Contains(errors[0].message, "den Startklang"));
  EXPECT_TRUE(Contains(errors[0].message, "der Menübaum bleibt leer"));
  EXPECT_EQ(errors[1].shows, "'10 ' ist kein gültiger Integerwert.");
  EXPECT_TRUE(Contains(errors[1].message, "Sind die früheren Fehler behoben"));
  EXPECT_TRUE(Contains(errors[1].message, "Leerzeichen"));
  EXPECT_EQ(errors[2].shows, "'drei' ist kein gültiger Integerwert.");
}

TEST(CheckerTest, AShortSettingsFileIsReportedOnceAtItsFirstMissingLine) {
  const struct {
    const char* what;
    size_t lines;
    bool sound;
    std::string shows;
  } cases[] = {
      {"ten lines", 10, true, "Der Index der Liste überschreitet das Maximum (10)"},
      // Without a sound, line 14 isn't read: the start-up fails at line 15.
      {"fourteen lines without sound", 14, false, "Der Index der Liste überschreitet das Maximum (15)"},
      {"fourteen lines with sound", 14, true, "Der Index der Liste überschreitet das Maximum (14)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    MediumFolder medium;
    LineList options = MediumFolder::GoodOptions();
    options.resize(c.lines);
    medium.WriteOptions(options);
    if (!c.sound) medium.Remove("autorun/startup.wav");
    const CheckReport report = medium.Check();
    const std::vector<Finding> errors = Of(report, Severity::kError);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].line, 0);
    EXPECT_EQ(errors[0].shows, c.shows);
    // No marker either.
    EXPECT_EQ(Places(report, Severity::kWarning), std::vector<std::string>{"autorun/options.dat:0"});
  }
}

TEST(CheckerTest, AnEmptySettingsFileStopsAtLineZero) {
  MediumFolder medium;
  medium.Write(kOptions, "");
  const std::vector<Finding> errors = Of(medium.Check(), Severity::kError);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0].shows, "Der Index der Liste überschreitet das Maximum (0)");
}

TEST(CheckerTest, SwitchesThatAlmostReadOneOrZero) {
  const struct {
    size_t line;
    const char* value;
    bool warned;
  } cases[] = {
      {2, "0 ", true},  {2, "nein", true}, {2, "0", false}, {2, "1", false}, {10, " 1", true}, {10, "1 ", true},
      {10, "ja", true}, {10, "2", false},  {15, "Ja", true}, {15, "0", false}, {16, "7", true}, {16, "3", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.line) + " '" + c.value + "'");
    MediumFolder medium;
    LineList options = MediumFolder::GoodOptions();
    options[c.line] = c.value;
    medium.WriteOptions(options);
    const CheckReport report = medium.Check();
    EXPECT_EQ(Places(report, Severity::kWarning),
              c.warned ? std::vector<std::string>{"autorun/options.dat:" + std::to_string(c.line + 1)}
                       : std::vector<std::string>{});
    EXPECT_FALSE(report.findings.HasErrors());
  }
}

TEST(CheckerTest, TheWelcomeMarkerMissingOrOnAValueLine) {
  MediumFolder medium;
  LineList options = MediumFolder::GoodOptions();
  options.resize(17);
  medium.WriteOptions(options);
  EXPECT_EQ(Places(medium.Check(), Severity::kWarning), std::vector<std::string>{"autorun/options.dat:0"});

  options[4] = "[hello!]";
  medium.WriteOptions(options);
  const std::vector<Finding> warnings = Of(medium.Check(), Severity::kWarning);
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_EQ(warnings[0].line, 5);
  EXPECT_EQ(warnings[0].see, "welcome-text");
}

TEST(CheckerTest, LineEndsThatShiftLinesAndANulThatCutsTheFile) {
  MediumFolder medium;
  std::string lfCr, mixed;
  const LineList options = MediumFolder::GoodOptions();
  for (size_t i = 0; i < options.size(); ++i) {
    lfCr += options[i] + "\n\r";
    mixed += options[i] + (i == 3 ? "\n" : "\r\n");
  }
  medium.Write(kOptions, lfCr);
  CheckReport report = medium.Check();
  ASSERT_FALSE(Of(report, Severity::kWarning).empty());
  EXPECT_EQ(Of(report, Severity::kWarning)[0].line, 1);
  EXPECT_EQ(Of(report, Severity::kWarning)[0].see, "line-ends");
  EXPECT_TRUE(report.findings.HasErrors());  // every value lands a line too far

  medium.Write(kOptions, mixed);
  report = medium.Check();
  EXPECT_EQ(Places(report, Severity::kWarning), std::vector<std::string>{"autorun/options.dat:0"});
  EXPECT_FALSE(report.findings.HasErrors());

  std::string cut = mixed;
  cut.insert(cut.find("Arial"), std::string(1, '\0'));
  medium.Write(kOptions, cut);
  report = medium.Check();
  EXPECT_TRUE(report.findings.HasErrors());  // line 11 on are gone
  const std::vector<std::string> warnings = Places(report, Severity::kWarning);
  EXPECT_NE(std::find(warnings.begin(), warnings.end(), "autorun/options.dat:12"), warnings.end());
}

}  // namespace
}  // namespace pandor::check
