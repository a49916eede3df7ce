#include "app/language_texts.h"

#include <iconv.h>

#include <cerrno>
#include <string>

#include "project/safe_file.h"

namespace orvanta {

const std::array<LanguageInfo, 21>& Languages() {
  static const std::array<LanguageInfo, 21> kLanguages{{
      {1, "PL", "pl", 1250},  {2, "EN", "en", 1252},  {3, "DE", "de", 1252},  {4, "ES", "es", 1252},
      {5, "FR", "fr", 1252},  {6, "IT", "it", 1252},  {7, "NL", "nl", 1252},  {8, "PT", "pt", 1252},
      {9, "SE", "se", 1252},  {10, "NO", "no", 1252}, {11, "FI", "fi", 1252}, {12, "DK", "dk", 1252},
      {13, "CZ", "cz", 1250}, {14, "SK", "sk", 1250}, {15, "SI", "si", 1250}, {16, "HR", "hr", 1250},
      {17, "HU", "hu", 1250}, {18, "LT", "lt", 1257}, {19, "LV", "lv", 1257}, {20, "EE", "ee", 1257},
      {21, "TR", "tr", 1254},
  }};
  return kLanguages;
}

const LanguageInfo* FindLanguage(int number) {
  if (number < 1 || number > static_cast<int>(Languages().size())) return nullptr;
  return &Languages()[static_cast<size_t>(number - 1)];
}

const std::string& LanguageTexts::Text(int n) const {
  static const std::string kEmpty;
  if (n < 1 || n > kLanguageTextCount) return kEmpty;
  return texts_[static_cast<size_t>(n - 1)];
}

void LanguageTexts::Set(int n, std::string text) {
  if (n < 1 || n > kLanguageTextCount) return;
  texts_[static_cast<size_t>(n - 1)] = std::move(text);
}

LanguageLoadResult LanguageTexts::LoadLanguageFile(const std::string& path, int code_page_for_fallback) {
  const FileReadResult file = ReadFileBytes(path, kMaxLanguageFileBytes);
  LanguageLoadResult refused;
  if (!file.exists) {
    refused.error = "the language file does not exist";
  } else if (!file.ok) {
    refused.error = "the language file cannot be read: " + file.error;
  } else if (file.longer) {
    refused.error = "the language file is larger than " + std::to_string(kMaxLanguageFileBytes >> 20) +
                    " MB, far more than 1400 texts need";
  } else {
    return LoadLanguageBytes(
        std::string_view(reinterpret_cast<const char*>(file.bytes.data()), file.bytes.size()),
        code_page_for_fallback);
  }
  return refused;
}

LanguageLoadResult LanguageTexts::LoadLanguageBytes(std::string_view bytes, int code_page_for_fallback) {
  LanguageLoadResult result;
  result.opened = true;
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  size_t pos = 0;
  while (pos < bytes.size()) {
    size_t end = bytes.find('\n', pos);
    const size_t next = end == std::string_view::npos ? bytes.size() : end + 1;
    if (end == std::string_view::npos) end = bytes.size();
    std::string_view line = bytes.substr(pos, end - pos);
    // Any run of CRs before the LF (CR LF, CR CR LF from a twice-converted file).
    while (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (result.lines == kLanguageTextCount) {
      result.truncated = true;
      break;
    }
    // Each line on its own: UTF-8 where it is valid, the code page where not,
    // so one stray byte does not turn the whole file into the code page.
    std::string& entry = texts_[static_cast<size_t>(result.lines)];
    if (IsValidUtf8(line)) {
      entry = std::string(line);
    } else {
      entry = DecodeCodePage(line, code_page_for_fallback);
      result.code_page_used = true;
      ++result.code_page_lines;
    }
    ++result.lines;
    pos = next;
  }
  return result;
}

LanguageTexts& ActiveLanguageTexts() {
  static LanguageTexts table;
  return table;
}

bool IsValidUtf8(std::string_view s) {
  size_t i = 0;
  while (i < s.size()) {
    const auto c = static_cast<unsigned char>(s[i]);
    int extra;
    unsigned min;
    if (c < 0x80) {
      ++i;
      continue;
    } else if ((c & 0xE0) == 0xC0) {
      extra = 1, min = 0x80;
    } else if ((c & 0xF0) == 0xE0) {
      extra = 2, min = 0x800;
    } else if ((c & 0xF8) == 0xF0) {
      extra = 3, min = 0x10000;
    } else {
      return false;
    }
    if (i + static_cast<size_t>(extra) >= s.size()) return false;
    unsigned cp = c & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) {
      const auto cc = static_cast<unsigned char>(s[i + static_cast<size_t>(k)]);
      if ((cc & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (cc & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    i += static_cast<size_t>(extra) + 1;
  }
  return true;
}

std::string DecodeCodePage(std::string_view bytes, int code_page) {
  const std::string from = "CP" + std::to_string(code_page);
  iconv_t cd = iconv_open("UTF-8", from.c_str());
  if (cd == reinterpret_cast<iconv_t>(-1)) {
    // Unknown code page: keep ASCII, mark everything else.
    std::string out;
    for (char ch : bytes) out += static_cast<unsigned char>(ch) < 0x80 ? std::string(1, ch) : "\xEF\xBF\xBD";
    return out;
  }
  std::string out;
  std::string input(bytes);
  char* in_ptr = input.data();
  size_t in_left = input.size();
  char buffer[4096];
  while (in_left > 0) {
    char* out_ptr = buffer;
    size_t out_left = sizeof buffer;
    const size_t rc = iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left);
    out.append(buffer, static_cast<size_t>(out_ptr - buffer));
    if (rc == static_cast<size_t>(-1)) {
      if (errno == E2BIG) continue;
      // A byte the code page does not define.
      out += "\xEF\xBF\xBD";
      ++in_ptr;
      --in_left;
    }
  }
  iconv_close(cd);
  return out;
}

}  // namespace orvanta
