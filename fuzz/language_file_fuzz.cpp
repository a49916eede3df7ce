// The language file reader: the bytes as a language file, decoded with the
// code page of the language the first byte picks.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "app/language_texts.h"

using namespace orvanta;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const auto& languages = Languages();
  const int code_page = languages[data[0] % languages.size()].code_page;
  const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
  static LanguageTexts texts;  // static: the table is large
  const LanguageLoadResult r = texts.LoadLanguageBytes(bytes, code_page);
  if (r.lines < 0 || r.lines > kLanguageTextCount) std::abort();
  for (int n = 1; n <= r.lines; ++n) {
    const std::string& t = texts.Text(n);
    if (!IsValidUtf8(t)) std::abort();  // every entry is UTF-8, whatever the file held
    if (!t.empty() && (t.back() == '\r' || t.find('\n') != std::string::npos)) std::abort();
  }
  return 0;
}
