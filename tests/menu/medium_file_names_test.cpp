// Names of the files the editor puts into a medium.
#include <gtest/gtest.h>

#include <set>

#include "menu/medium_file_names.h"
#include "menu/text_1252.h"

namespace pandor {
namespace {

const auto kNothingTaken = [](const std::string&) { return false; };

// A folder's names, compared ignoring letter case as the caller does.
std::function<bool(const std::string&)> TakenIn(std::set<std::string> names) {
  return [names = std::move(names)](const std::string& name) {
    for (const std::string& taken : names) {
      if (CaseBucket(taken) == CaseBucket(name)) return true;
    }
    return false;
  };
}

// Lower-case ASCII letters and digits in words joined by single '_', then at most one extension alike.
bool KeepsToSafeCharacters(const std::string& name) {
  const size_t dot = name.find('.');
  for (const std::string& part : {name.substr(0, dot), dot == std::string::npos ? "x" : name.substr(dot + 1)}) {
    if (part.empty() || part.front() == '_' || part.back() == '_' || part.find("__") != std::string::npos) return false;
    if (part.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789_") != std::string::npos) return false;
  }
  return true;
}

TEST(SafeFileNameTest, TextBecomesLowerCaseAsciiWithUnderscores) {
  EXPECT_EQ(SafeFileName("Mein Büro-Programm", ".txt", kNothingTaken), "mein_buero_programm.txt");
  EXPECT_EQ(SafeFileName("  --Spiele--  ", ".txt", kNothingTaken), "spiele.txt");
  EXPECT_EQ(SafeFileName("Ĳssel & Co. (2024)", ".txt", kNothingTaken), "ijssel_co_2024.txt");
  EXPECT_EQ(SafeFileName("Foto", ".JPG", kNothingTaken), "foto.jpg");
  EXPECT_EQ(SafeFileName("Archiv", ".tar.gz", kNothingTaken), "archiv.tar_gz");
  EXPECT_EQ(SafeFileName("Liesmich", "", kNothingTaken), "liesmich");
  EXPECT_EQ(SafeFileName("Lang", ".abcdefghijklmnop", kNothingTaken), "lang.abcdefghi");
}

TEST(SafeFileNameTest, NothingLeftGivesTheFallback) {
  for (const char* text : {"", "***", "日本", "– –", "\xFF"}) {
    EXPECT_EQ(SafeFileName(text, ".txt", kNothingTaken), "programm.txt") << text;
  }
}

TEST(SafeFileNameTest, LongTextsAreCutWithinThirtyCharacters) {
  EXPECT_EQ(SafeFileName("Ein sehr langer Name für eine ganze DVD", ".txt", kNothingTaken),
            "ein_sehr_langer_name_fuer.txt");  // the '_' at the cut dropped
  EXPECT_EQ(SafeFileName(std::string(40, 'x'), ".txt", kNothingTaken), std::string(26, 'x') + ".txt");
}

TEST(SafeFileNameTest, TakenNamesGetANumberWithinTheLength) {
  EXPECT_EQ(SafeFileName("Bild", ".jpg", TakenIn({"BILD.JPG", "bild_2.Jpg"})), "bild_3.jpg");
  EXPECT_EQ(SafeFileName(std::string(40, 'x'), ".txt", TakenIn({std::string(26, 'x') + ".txt"})),
            std::string(24, 'x') + "_2.txt");
  // Cut before the number, the stem loses the '_' it would end with.
  const std::string text = "abcdefghijklmnopqrstuvw xyz";
  const std::string first = SafeFileName(text, ".txt", kNothingTaken);
  EXPECT_EQ(first, "abcdefghijklmnopqrstuvw_xy.txt");
  EXPECT_EQ(SafeFileName(text, ".txt", TakenIn({first})), "abcdefghijklmnopqrstuvw_2.txt");

  std::set<std::string> folder;
  for (int i = 0; i < 12; ++i) folder.insert(SafeFileName("Handbuch", ".pdf", TakenIn(folder)));
  EXPECT_EQ(folder.size(), 12u);
  EXPECT_TRUE(folder.count("handbuch.pdf") && folder.count("handbuch_12.pdf"));
}

TEST(SafeFileNameTest, DeviceNamesOfWindowsAreNeverUsed) {
  EXPECT_EQ(SafeFileName("Con", ".txt", kNothingTaken), "con_2.txt");
  EXPECT_EQ(SafeFileName("NUL", "", kNothingTaken), "nul_2");
  EXPECT_EQ(SafeFileName("Com1", ".txt", kNothingTaken), "com1_2.txt");
  EXPECT_EQ(SafeFileName("LPT9", ".txt", kNothingTaken), "lpt9_2.txt");
  EXPECT_EQ(SafeFileName("com10", ".txt", kNothingTaken), "com10.txt");
  EXPECT_EQ(SafeFileName("Con-Text", ".txt", kNothingTaken), "con_text.txt");
}

TEST(SafeFileNameTest, EveryNameKeepsToTheSafeCharacters) {
  std::set<std::string> folder;
  for (const char* text : {"Übersicht: alle *Programme*?", "Écran/Bildschirm\\Test", "…", "a_b__c", "Tab\there",
                           "Ωμέγα 3", "Die Ärzte – Live in Köln (1998), Teil 2 von 3"}) {
    for (const char* extension : {".txt", ".BMP", ""}) {
      const std::string name = SafeFileName(text, extension, TakenIn(folder));
      EXPECT_TRUE(KeepsToSafeCharacters(name)) << name;
      EXPECT_LE(name.size(), kMaxSafeFileNameLength) << name;
      EXPECT_TRUE(folder.insert(name).second) << name;
    }
  }
}

}  // namespace
}  // namespace pandor
