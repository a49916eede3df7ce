#include "app/language_texts.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "app/caption_map.h"
#include "support/caption_list.h"

namespace orvanta {
namespace {

std::string Lines(int first, int count, const char* eol = "\r\n") {
  std::string s;
  for (int i = first; i < first + count; ++i) s += "text " + std::to_string(i) + eol;
  return s;
}

std::string WriteTemp(const std::string& name, const std::string& bytes) {
  const auto path = std::filesystem::temp_directory_path() / name;
  std::ofstream(path, std::ios::binary) << bytes;
  return path.string();
}

TEST(LanguageTexts, LoadsLineNIntoEntryNWithEitherLineEnd) {
  LanguageTexts t;
  const auto r = t.LoadLanguageBytes("Plik...\r\nNowy...\nOtwórz...\r\n  spaced  \r\n", 1250);
  EXPECT_TRUE(r.opened);
  EXPECT_EQ(r.lines, 4);
  EXPECT_FALSE(r.code_page_used);
  EXPECT_EQ(t.Text(1), "Plik...");
  EXPECT_EQ(t.Text(2), "Nowy...");
  EXPECT_EQ(t.Text(3), "Otwórz...");
  EXPECT_EQ(t.Text(4), "  spaced  ");  // taken whole
  EXPECT_EQ(t.Text(5), "");
  EXPECT_EQ(t.Text(0), "");
  EXPECT_EQ(t.Text(1401), "");
}

TEST(LanguageTexts, LongFileStopsAtTheLastEntry) {
  LanguageTexts t;
  const auto r = t.LoadLanguageBytes(Lines(1, 1500), 1252);
  EXPECT_EQ(r.lines, kLanguageTextCount);
  EXPECT_TRUE(r.truncated);
  EXPECT_EQ(t.Text(1400), "text 1400");
  EXPECT_EQ(t.Text(1401), "");
}

TEST(LanguageTexts, ShorterFileKeepsTheEntriesItDoesNotReach) {
  LanguageTexts t;
  t.LoadLanguageBytes(Lines(1, 1400), 1252);
  const auto r = t.LoadLanguageBytes("eins\r\nzwei\r\n", 1252);
  EXPECT_EQ(r.lines, 2);
  EXPECT_FALSE(r.truncated);
  EXPECT_EQ(t.Text(1), "eins");
  EXPECT_EQ(t.Text(2), "zwei");
  EXPECT_EQ(t.Text(3), "text 3");
  EXPECT_EQ(t.Text(1400), "text 1400");
}

TEST(LanguageTexts, FileThatIsNotUtf8IsReadInItsCodePage) {
  // "Zakończ", "Usuń punkt", "ŁUK" in Windows-1250.
  const std::string cp1250 = "Zako\xF1" "cz\r\nUsu\xF1 punkt\r\n\xA3UK\r\n";
  LanguageTexts t;
  const auto r = t.LoadLanguageFile(WriteTemp("orvanta_cp1250.lng", cp1250), 1250);
  EXPECT_TRUE(r.opened);
  EXPECT_TRUE(r.code_page_used);
  EXPECT_EQ(t.Text(1), "Zakończ");
  EXPECT_EQ(t.Text(2), "Usuń punkt");
  EXPECT_EQ(t.Text(3), "ŁUK");

  // The same byte means "ñ" in Windows-1252.
  LanguageTexts spanish;
  spanish.LoadLanguageBytes("A\xF1o\n", 1252);
  EXPECT_EQ(spanish.Text(1), "Año");
}

TEST(LanguageTexts, MissingFileChangesNothing) {
  LanguageTexts t;
  t.Set(5, "kept");
  const auto r = t.LoadLanguageFile("/nonexistent/orvanta/xx.lng", 1250);
  EXPECT_FALSE(r.opened);
  EXPECT_EQ(t.Text(5), "kept");
}

TEST(LanguageTexts, Utf8Validation) {
  EXPECT_TRUE(IsValidUtf8("ąęłóśżźćń ĄĘŁÓŚŻŹĆŃ"));
  EXPECT_FALSE(IsValidUtf8("\xF1"));          // lone lead byte
  EXPECT_FALSE(IsValidUtf8("\xC3"));          // truncated at the end
  EXPECT_FALSE(IsValidUtf8("\xC0\x80"));      // overlong
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));  // surrogate
}

TEST(LanguageTable, TwentyOneLanguagesInMenuOrder) {
  ASSERT_EQ(Languages().size(), 21u);
  EXPECT_STREQ(FindLanguage(1)->code, "pl");
  EXPECT_STREQ(FindLanguage(2)->caption, "EN");
  EXPECT_STREQ(FindLanguage(12)->code, "dk");
  EXPECT_STREQ(FindLanguage(21)->code, "tr");
  EXPECT_EQ(FindLanguage(1)->code_page, 1250);
  EXPECT_EQ(FindLanguage(21)->code_page, 1254);
  EXPECT_EQ(FindLanguage(0), nullptr);
  EXPECT_EQ(FindLanguage(22), nullptr);
}

// Entries the program uses directly (messages, questions, captions built in
// code), besides the caption table.
constexpr int kDirectEntries[] = {
    72,   73,   75,   105,  116,  117,  118,  161,  224,  225,  226,  227,  270,  271,  272,  296,
    311,  312,  313,  419,  420,  421,  422,  423,  426,  427,  432,  433,  434,  448,  452,  453,
    457,  458,  463,  464,  470,  471,  472,  545,  596,  651,  652,  653,  654,  656,  657,  658,
    659,  660,  661,  663,  664,  665,  666,  669,  670,  672,  723,  724,  725,  822,  823,  824,
    945,  968,  969,  970,  971,  998,  999,  1000, 1001, 1005, 1006, 1016, 1017, 1018, 1023, 1024,
    1052, 1124, 1189, 1191, 1192, 1193, 1194, 1214, 1225, 1227, 1231, 1232, 1245, 1246, 1258, 1262,
    1263, 1264, 1265, 1266, 1267, 1268, 1269, 1270, 1271, 1272, 1273, 1274, 1275, 1276, 1277, 1278,
    1279, 1280, 1281, 1282, 1283, 1284, 1285, 1286, 1287, 1288, 1289, 1290, 1291, 1292, 1293, 1294,
    1295, 1296, 1297, 1298, 1299, 1300, 1301,
    // Undo and redo, names of edits, first-use notices, English forms of Polish literals.
    1370, 1371, 1372, 1373, 1374, 1375, 1376, 1377, 1378, 1379, 1380, 1381, 1382, 1383, 1384, 1385,
    1386, 1387, 1388, 1389, 1390,
};

// The delivered Polish and English files: exactly 1400 lines, UTF-8, a text
// for every entry the program uses and nothing in the others.
class DeliveredLanguageFile : public ::testing::TestWithParam<const char*> {};

TEST_P(DeliveredLanguageFile, HasAllEntriesAndEveryCaptionEntry) {
  const std::string path = std::string(ORVANTA_DATA_SOURCE_DIR) + "/lng/" + GetParam() + ".lng";
  std::ifstream in(path, std::ios::binary);
  ASSERT_TRUE(in) << path;
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_TRUE(IsValidUtf8(bytes));
  int line_ends = 0;
  for (char c : bytes) line_ends += c == '\n';
  EXPECT_EQ(line_ends, kLanguageTextCount);
  LanguageTexts t;
  const auto r = t.LoadLanguageBytes(bytes, 1252);
  EXPECT_EQ(r.lines, kLanguageTextCount);
  EXPECT_FALSE(r.truncated);
  std::set<int> used(std::begin(kDirectEntries), std::end(kDirectEntries));
  for (const CaptionRow& row : test::kCaptionList) used.insert(row.entry);
  EXPECT_EQ(used.size(), 1019u);
  std::set<int> missing, unexpected;
  for (int n = 1; n <= kLanguageTextCount; ++n) {
    if (used.count(n) && t.Text(n).empty()) missing.insert(n);
    if (!used.count(n) && !t.Text(n).empty()) unexpected.insert(n);
  }
  EXPECT_TRUE(missing.empty()) << "first missing entry " << *missing.begin() << " of " << missing.size();
  EXPECT_TRUE(unexpected.empty()) << "first unexpected entry " << *unexpected.begin();
}

TEST(DeliveredLanguageFiles, PolishTextsUsePolishLetters) {
  LanguageTexts pl, en;
  ASSERT_TRUE(pl.LoadLanguageFile(std::string(ORVANTA_DATA_SOURCE_DIR) + "/lng/pl.lng", 1250).opened);
  ASSERT_TRUE(en.LoadLanguageFile(std::string(ORVANTA_DATA_SOURCE_DIR) + "/lng/en.lng", 1252).opened);
  EXPECT_EQ(pl.Text(10), "Zakończ");
  EXPECT_EQ(pl.Text(913), "RYSUJ IZOLINIĘ WILGOTNOŚCI");
  EXPECT_EQ(pl.Text(1117), "UKRYJ WSZYSTKIE");
  EXPECT_EQ(pl.Text(75), "WYKRES MOLLIERA");
  EXPECT_EQ(en.Text(10), "Exit");
  EXPECT_EQ(en.Text(75), "MOLLIER CHART");
  // Texts continued by the program keep their joining blanks.
  EXPECT_EQ(pl.Text(1193).back(), ' ');
  EXPECT_EQ(en.Text(1263).back(), ' ');
}

// The Polish file gives the windows back their own (design-time) texts,
// letter for letter, blanks and slips included.
TEST(DeliveredLanguageFiles, PolishFileHoldsTheWindowsOwnTexts) {
  LanguageTexts pl;
  ASSERT_TRUE(pl.LoadLanguageFile(std::string(ORVANTA_DATA_SOURCE_DIR) + "/lng/pl.lng", 1250).opened);
  const std::pair<int, const char*> own[] = {
      {2, "Plik..."},
      {3, "Nowy..."},
      {4, "Otwórz..."},
      {5, "Zapisz..."},
      {6, "Zapisz jako"},
      {7, "Zapisz jako obraz"},
      {8, "Ustawienia wydruku"},
      {9, "Drukuj..."},
      {12, "Opcje..."},
      {13, "Ustawienia"},
      {15, "Widok..."},
      {16, "Rozmiar oryginalny"},
      {20, "Zmniejsz zakres t"},
      {21, "Usuń punkt"},
      {25, "Definiuj punkt chłodzenia"},
      {45, "wg. ASHRAE 1997: lato"},
      {49, "wg. DIN EN 13779:2004: zima"},
      {76, "      ZAMKNIJ"},
      {78, "LISTA PRZEMIAN"},
      {79, "LISTA WSP. KIER. PRZEMIAN"},
      {80, "Kalkulatory"},
      {82, "Pole komfortu"},
      {101, "Naciśnij w dowolnym miejscu aby zdefiniować punkt"},
      {120, "Złap i przesuń"},
      {450, "PUNKT CHŁODZENIA"},
      {460, "PUNKT MIESZANIA"},
      {545, "Kalkulator strat ciśnienia"},
      {646, "Dodatkowy opór   [Pa]"},
      {647, "Dodatkowe"},
      {659, "ODGAŁĘŹIENIE"},
      {723, "Stal ocynk"},
      {906, "USTAWIENIA WYKREU"},
      {926, "POKAŻ PRZY STARCIE OKNO \"CO NOWEGO\""},
      {933, "DÓŁ"},
      {1003, "DEFINICJA PRZEMIANY POWIETRZA"},
      {1122, "ZGODNIE Z DIN 19461"},
      {1123, "Wiedza"},
      {1173, "POBIERZ WYKRES"},
      {1174, "Układ"},
      {1175, "System jednostek"},
      {1233, "CREATE RAPORT"},
      {1256, "OTWÓRZ I EDYTUJ W PAINT"},
      {1274, "ADD DEFAULT POINT AND PROCESS"},
  };
  for (const auto& [entry, text] : own) EXPECT_EQ(pl.Text(entry), text) << "entry " << entry;
}

INSTANTIATE_TEST_SUITE_P(PolishAndEnglish, DeliveredLanguageFile, ::testing::Values("pl", "en"));

}  // namespace
}  // namespace orvanta
