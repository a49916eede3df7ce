// Windows-1250 (Central European) <-> UTF-8. Project, library and
// calculation files store texts in this code page; memory holds UTF-8.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orvanta {

// Every byte becomes its character; the five bytes the code page leaves
// undefined (0x81, 0x83, 0x88, 0x90, 0x98) become '?'.
std::string Cp1250ToUtf8(std::string_view bytes);

// Characters the code page cannot hold, and bytes that are not valid UTF-8,
// become '?' (one byte per character either way).
std::string Utf8ToCp1250(std::string_view utf8);

// The byte of one Unicode code point, or '?' when the code page lacks it.
unsigned char Cp1250Byte(char32_t code_point);

// Number of characters (code points; an invalid byte counts as one).
std::size_t Utf8CharacterCount(std::string_view utf8);

// The text as it survives a field of `capacity` characters in a file: cut to
// that many characters, with every character the code page lacks replaced by
// '?'. Idempotent; the result is valid UTF-8.
std::string FitText(std::string_view utf8, int capacity);

}  // namespace orvanta
