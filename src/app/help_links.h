// Help links: web addresses kept one per line in small text files on the
// program's file server. Which file a button uses, and which line of it.
#pragma once

#include <string>
#include <string_view>

namespace orvanta {

// The two families of link files: instruction videos and the knowledge base.
enum class HelpLinkPair { Videos, Knowledge };

// Remote file name of the pair: the Polish file while the language "PL" is
// chosen, the English one otherwise.
std::string HelpLinkFileName(HelpLinkPair pair, bool polish);

// Line `line` (1-based) of a link file's content, without its line end;
// empty when the file has fewer lines or `line` < 1. CR LF and LF both end a line.
std::string HelpLinkLine(std::string_view content, int line);

// The address of a remote file under a base address: exactly one '/' joins them.
std::string HelpLinkUrl(std::string_view base, std::string_view file_name);

}  // namespace orvanta

namespace orvanta {

// Compares dotted version numbers ("1.10.2" > "1.9"): negative, 0 or
// positive. Missing parts count as 0; a part that is not a number counts as 0.
int CompareVersions(std::string_view a, std::string_view b);

}  // namespace orvanta
