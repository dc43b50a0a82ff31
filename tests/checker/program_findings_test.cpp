// What the checker says about the program list and the files its records name.
#include <gtest/gtest.h>

#include "checker/report_output.h"
#include "tests/checker/medium_folder.h"
#include "tests/menu/test_bytes.h"

namespace pandor::check {
namespace {

using testing::MediumFolder;
using testing::Of;
using testing::Places;
using testing::Record;

constexpr const char* kList = "autorun/filelist.dat";

std::string At(int line) { return std::string(kList) + ":" + std::to_string(line); }

TEST(ProgramListCheckTest, AnIncompleteLastRecordIsAnErrorAtItsFirstLine) {
  MediumFolder medium;
  std::string list;
  for (const char* line : {"", "Spiele\\Schach Setup.exe", "Schach", "", "", "", "", "x.exe", "Halb"})
    list += std::string(line) + "\r\n";
  medium.Write(kList, list);
  const CheckReport report = medium.Check();
  const std::vector<Finding> errors = Of(report, Severity::kError);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0].line, 7);
  EXPECT_EQ(errors[0].shows, "Der Index der Liste überschreitet das Maximum (9)");
  EXPECT_EQ(report.facts.records, 1);  // the program before it still appears
}

TEST(ProgramListCheckTest, GroupsAndNamesThatDontDoWhatTheAuthorMeant) {
  MediumFolder medium;
  medium.WritePrograms({
      {"", "Spiele\\Schach Setup.exe", "Spiele", "", "", ""},         // 1: a program ...
      {"Spiele", "Spiele\\Schach Setup.exe", "Dame", "", "", ""},     // 7: ... made a group
      {"Tools", "setup\\rechner.exe", "Rechner", "", "", ""},         // 13
      {"tools", "setup\\rechner.exe", "Packer", "", "", ""},          // 19: like "Tools"
      {"", "setup\\rechner.exe", "Rechner", "", "", ""},              // 25: the name again
      {"", "setup\\rechner.exe", "", "", "", ""},                     // 31: no name
  });
  const CheckReport report = medium.Check();
  EXPECT_EQ(Places(report, Severity::kWarning), (std::vector<std::string>{At(7), At(19), At(27), At(33)}));
  EXPECT_FALSE(report.findings.HasErrors());
  const std::vector<Finding> warnings = Of(report, Severity::kWarning);
  EXPECT_NE(warnings[0].message.find("„Spiele“ heißt wie das Programm aus Zeile 3"), std::string::npos);
  EXPECT_NE(warnings[1].message.find("„Tools“ (Zeile 13)"), std::string::npos);
  EXPECT_NE(warnings[2].message.find("(auch Zeile 15)"), std::string::npos);
}

TEST(ProgramListCheckTest, MissingFilesAndWhatTheMenuShowsForThem) {
  MediumFolder medium;
  medium.WritePrograms({{"", "setup\\fehlt.exe", "Fehlt", "", "fehlt.bmp", "fehlt.txt"},
                        {"", "", "Ohne", "", "", ""},
                        {"", "setup", "Ordner", "", "", ""}});
  const std::vector<Finding> warnings = Of(medium.Check(), Severity::kWarning);
  ASSERT_EQ(warnings.size(), 5u);
  EXPECT_EQ(warnings[0].line, 2);
  EXPECT_EQ(warnings[0].shows, "Fehler: Datei nicht gefunden! Starten Sie menubau.exe.");
  EXPECT_EQ(warnings[1].line, 5);  // no "Bild" tab
  EXPECT_EQ(warnings[1].shows, std::nullopt);
  EXPECT_EQ(warnings[2].line, 6);
  EXPECT_EQ(warnings[2].shows, "Keine Infos vorhanden");
  EXPECT_EQ(warnings[3].line, 8);   // no run file: opens the root folder
  EXPECT_EQ(warnings[4].line, 14);  // a folder
}

TEST(ProgramListCheckTest, NamesThatWorkOnlyOnWindowsOrLeaveTheMedium) {
  MediumFolder medium;
  medium.Write("setup/Setup.EXE", "MZ");
  medium.Write("autorun/Info.TXT", "Text");
  medium.WritePrograms({{"", "setup\\setup.exe", "Gross", "", "", "info.txt"},
                        {"", "..\\setup\\rechner.exe", "Hinaus", "", "", ""},
                        {"", "C:\\setup\\rechner.exe", "Absolut", "", "", ""},
                        {"", "setup\\rechner.exe", "Ordner", "programme\\rechner.exe", "", ""},
                        {"", "setup\\rechner.exe ", "Leer am Ende", "", "", ""}});
  const CheckReport report = medium.Check();
  // Found ignoring case; ".." stays at the root; an absolute path isn't
  // found; a blank at the end is dropped as Windows does.
  EXPECT_EQ(Places(report, Severity::kWarning),
            (std::vector<std::string>{At(2), At(6), At(8), At(14), At(14), At(22)}));
  const std::vector<Finding> warnings = Of(report, Severity::kWarning);
  EXPECT_NE(warnings[0].message.find("„setup/Setup.EXE“"), std::string::npos);
  EXPECT_NE(warnings[1].message.find("„autorun/Info.TXT“"), std::string::npos);
  EXPECT_EQ(warnings[4].shows, "Fehler: Datei nicht gefunden! Starten Sie menubau.exe.");
}

TEST(ProgramListCheckTest, TwoFilesWhoseNamesDifferOnlyInCase) {
  MediumFolder medium;
  medium.Write("setup/Liesmich.txt", "a");
  medium.Write("setup/LIESMICH.TXT", "b");
  const std::vector<Finding> warnings = Of(medium.Check(), Severity::kWarning);
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_EQ(warnings[0].file, "setup/Liesmich.txt");
  EXPECT_NE(warnings[0].message.find("„setup/LIESMICH.TXT“"), std::string::npos);
}

TEST(ProgramListCheckTest, PicturesTheMenuWillReport) {
  MediumFolder medium;
  const std::string jpeg = testing::PlainJpeg(32, 24);
  const size_t sof = testing::JpegSegment(jpeg, 0xC0);
  std::string noTable = jpeg;
  noTable[sof + 10 + 2] = 3;  // the first component's quantisation table isn't there
  medium.Write("autorun/kaputt.bmp", "BM kaputt");
  medium.Write("autorun/daten.jpg", noTable);
  medium.Write("autorun/bild.gif", "GIF89a");
  medium.Write("autorun/halb.jpg", jpeg.substr(0, testing::JpegScanStart(jpeg) + 20));
  medium.WritePrograms({{"", "setup\\rechner.exe", "Eins", "", "kaputt.bmp", ""},
                        {"", "setup\\rechner.exe", "Zwei", "", "daten.jpg", ""},
                        {"", "setup\\rechner.exe", "Drei", "", "bild.gif", ""},
                        {"", "setup\\rechner.exe", "Vier", "", "kaputt.bmp", ""},
                        {"", "setup\\rechner.exe", "F\xFCnf", "", "halb.jpg", ""}});
  const CheckReport report = medium.Check();
  // Each picture once, in file order.
  EXPECT_EQ(Places(report, Severity::kError),
            (std::vector<std::string>{"autorun/daten.jpg:0", At(17), "autorun/kaputt.bmp:0"}));
  const std::vector<Finding> errors = Of(report, Severity::kError);
  EXPECT_EQ(errors[0].shows.value_or("").rfind("JPEG error #", 0), 0u);
  EXPECT_EQ(errors[0].see, "msg-jpeg-error");
  EXPECT_EQ(errors[1].shows, "Unbekannte Bilddateierweiterung (.gif)");
  EXPECT_EQ(errors[2].shows, "Stream-Read-Fehler.");
  // Cut short: no message, but not the whole picture.
  EXPECT_EQ(Places(report, Severity::kWarning), std::vector<std::string>{"autorun/halb.jpg:0"});
}

TEST(SoundCheckTest, ASoundTheSoundSystemCantOpen) {
  MediumFolder medium;
  medium.Write("autorun/startup.wav", "ID3 kein WAV");
  std::vector<Finding> errors = Of(medium.Check(), Severity::kError);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0].file, "autorun/startup.wav");
  EXPECT_EQ(errors[0].see, "msg-sound");
  EXPECT_EQ(errors[0].shows, std::nullopt);  // the sound system's own text, in the PC's language

  medium.Remove("autorun/startup.wav");
  medium.Write("autorun/STARTUP.WAV", MediumFolder::GoodSound());
  const CheckReport report = medium.Check();
  EXPECT_EQ(Places(report, Severity::kWarning), std::vector<std::string>{"autorun/STARTUP.WAV:0"});
}

TEST(OutputTest, ReadableLinesAndJson) {
  MediumFolder medium;
  LineList options = MediumFolder::GoodOptions();
  options[0] = "5500.0";
  options[4] = "Die \"Test\"-CD";
  medium.WriteOptions(options);
  const CheckReport report = medium.Check();
  const std::string text = FormatText(report);
  EXPECT_EQ(text.rfind("autorun/options.dat:1: Fehler: Die erste Zeile muss genau „5600.0“ lauten", 0), 0u) << text;
  EXPECT_NE(text.find("(docs/menu-format.md#msg-wrong-version)\n    Das Menü zeigt: Fehler!\\r\\rDie Datei"),
            std::string::npos);
  const std::string json = FormatJson(report);
  EXPECT_NE(json.find("\"caption\": \"Die \\\"Test\\\"-CD\""), std::string::npos) << json;
  EXPECT_NE(json.find("{\"severity\": \"error\", \"file\": \"autorun/options.dat\", \"line\": 1, "), std::string::npos);
  EXPECT_NE(json.find("\"shows\": \"Fehler!\\r\\rDie Datei \\\"options.dat\\\" liegt in falscher Version vor!\""),
            std::string::npos);
  EXPECT_NE(json.find("{\"severity\": \"note\", \"file\": \"\", \"line\": null, "), std::string::npos);
}

}  // namespace
}  // namespace pandor::check
