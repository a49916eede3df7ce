// Language files as they come from the wild: line ends converted twice, one
// stray byte in a UTF-8 file, pipes and oversized files.
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "app/language_texts.h"

namespace orvanta {
namespace {

namespace fs = std::filesystem;

class ScratchFolder {
 public:
  ScratchFolder() : path_(fs::temp_directory_path() / ("orvanta-lng-test-" + std::to_string(std::random_device{}()))) {
    fs::create_directories(path_);
  }
  ~ScratchFolder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  std::string File(const std::string& name) const { return (path_ / name).string(); }

 private:
  fs::path path_;
};

TEST(LanguageFileLines, AnyRunOfCarriageReturnsBeforeTheLineFeedIsDropped) {
  LanguageTexts t;
  const auto r = t.LoadLanguageBytes("Plik\r\r\nNowy\r\r\r\nOtwórz\r\nZapisz\nKoniec\r\r", 1250);
  EXPECT_EQ(r.lines, 5);
  EXPECT_EQ(t.Text(1), "Plik");
  EXPECT_EQ(t.Text(2), "Nowy");
  EXPECT_EQ(t.Text(3), "Otwórz");
  EXPECT_EQ(t.Text(4), "Zapisz");
  EXPECT_EQ(t.Text(5), "Koniec");
  // A CR inside a line is text, not a line end.
  t.LoadLanguageBytes("a\rb\r\n", 1250);
  EXPECT_EQ(t.Text(1), "a\rb");
}

TEST(LanguageFileLines, OneStrayByteChangesOnlyItsOwnLine) {
  // UTF-8 throughout, except line 2 which holds a Windows-1250 "ł".
  LanguageTexts t;
  const auto r = t.LoadLanguageBytes("Zyski ciepła\r\nPrzep\xB3yw\r\nŚcieżka\r\n", 1250);
  EXPECT_TRUE(r.code_page_used);
  EXPECT_EQ(r.code_page_lines, 1);
  EXPECT_EQ(t.Text(1), "Zyski ciepła");
  EXPECT_EQ(t.Text(2), "Przepływ");
  EXPECT_EQ(t.Text(3), "Ścieżka");
  // A file that is valid UTF-8 reports no code page.
  const auto clean = t.LoadLanguageBytes("Zyski ciepła\n", 1250);
  EXPECT_FALSE(clean.code_page_used);
  EXPECT_EQ(clean.code_page_lines, 0);
}

TEST(LanguageFileReading, PipesAndOversizedFilesAreRefusedWithoutWaiting) {
  ScratchFolder dir;
  const std::string fifo = dir.File("pl.lng");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0666), 0);
  LanguageTexts t;
  t.Set(1, "kept");
  auto r = t.LoadLanguageFile(fifo, 1250);  // would wait for a writer for ever if opened blocking
  EXPECT_FALSE(r.opened);
  EXPECT_NE(r.error.find("not a regular file"), std::string::npos) << r.error;
  fs::create_symlink(fifo, dir.File("link.lng"));
  r = t.LoadLanguageFile(dir.File("link.lng"), 1250);
  EXPECT_FALSE(r.opened);

  const std::string big = dir.File("big.lng");
  {
    std::ofstream out(big, std::ios::binary);
    const std::string line(1023, 'x');
    for (std::size_t k = 0; k <= kMaxLanguageFileBytes / 1024; ++k) out << line << '\n';
  }
  r = t.LoadLanguageFile(big, 1250);
  EXPECT_FALSE(r.opened);
  EXPECT_NE(r.error.find("larger than 4 MB"), std::string::npos) << r.error;

  r = t.LoadLanguageFile(dir.File("none.lng"), 1250);
  EXPECT_FALSE(r.opened);
  EXPECT_NE(r.error.find("does not exist"), std::string::npos);
  EXPECT_EQ(t.Text(1), "kept");

  std::ofstream(dir.File("ok.lng"), std::ios::binary) << "Plik\r\r\n";
  r = t.LoadLanguageFile(dir.File("ok.lng"), 1250);
  EXPECT_TRUE(r.opened);
  EXPECT_TRUE(r.error.empty());
  EXPECT_EQ(t.Text(1), "Plik");
}

}  // namespace
}  // namespace orvanta
