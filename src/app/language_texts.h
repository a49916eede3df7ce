// The numbered table of user-interface texts shared by every window, the
// languages the program offers, and the reader of language files.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta {

inline constexpr int kLanguageTextCount = 1400;

// One language of the "Język" menu.
struct LanguageInfo {
  int number;           // 1..21, the stored "JEZYK" value
  const char* caption;  // menu caption ("PL", "EN" …)
  const char* code;     // file code: <code>.lng
  int code_page;        // Windows code page of files that are not UTF-8
};

// The 21 languages in menu order.
const std::array<LanguageInfo, 21>& Languages();
// nullptr when the number is outside 1..21.
const LanguageInfo* FindLanguage(int number);

struct LanguageLoadResult {
  bool opened = false;         // the file could be read
  int lines = 0;               // entries taken from the file (at most 1400)
  bool truncated = false;      // the file had more lines than the table
  bool code_page_used = false; // some lines were not UTF-8 and were decoded from the code page
  int code_page_lines = 0;     // how many
  std::string error;           // why the file was not opened (empty when it was)
};

// A language file larger than this is refused unread (1400 texts take a
// small fraction of it).
inline constexpr std::size_t kMaxLanguageFileBytes = std::size_t{4} << 20;

class LanguageTexts {
 public:
  // Entry n (1-based) as UTF-8; empty for entries never loaded and for n
  // outside 1..1400.
  const std::string& Text(int n) const;
  void Set(int n, std::string text);

  // Reads the file line by line into entries 1, 2, 3 … Lines end in LF
  // after any number of CRs, which are dropped. Reading stops at entry 1400;
  // entries a short file does not reach keep their earlier text. Each line
  // that is not valid UTF-8 is decoded from `code_page_for_fallback` (e.g.
  // 1250); valid lines stay UTF-8. A file that cannot be opened (missing, not
  // a regular file, over kMaxLanguageFileBytes) changes nothing and says why.
  LanguageLoadResult LoadLanguageFile(const std::string& path, int code_page_for_fallback);
  // The same for bytes already in memory.
  LanguageLoadResult LoadLanguageBytes(std::string_view bytes, int code_page_for_fallback);

 private:
  std::array<std::string, kLanguageTextCount> texts_;
};

// The table every window reads.
LanguageTexts& ActiveLanguageTexts();

bool IsValidUtf8(std::string_view bytes);
// Windows single-byte code page (1250, 1252, 1254, 1257 …) to UTF-8. Bytes
// the code page does not define become U+FFFD.
std::string DecodeCodePage(std::string_view bytes, int code_page);

}  // namespace orvanta
