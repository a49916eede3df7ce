#include "app/help_links.h"

namespace orvanta {

std::string HelpLinkFileName(HelpLinkPair pair, bool polish) {
  switch (pair) {
    case HelpLinkPair::Videos:
      return polish ? "link_YoutubePL.txt" : "link_YoutubeEN.txt";
    case HelpLinkPair::Knowledge:
      return polish ? "link_wiedza.txt" : "link_wiedzaen.txt";
  }
  return {};
}

std::string HelpLinkLine(std::string_view content, int line) {
  if (line < 1) return {};
  std::size_t start = 0;
  for (int n = 1;; ++n) {
    if (start >= content.size()) return {};
    std::size_t end = content.find('\n', start);
    if (end == std::string_view::npos) end = content.size();
    if (n == line) {
      std::string_view text = content.substr(start, end - start);
      if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
      return std::string(text);
    }
    start = end + 1;
  }
}

std::string HelpLinkUrl(std::string_view base, std::string_view file_name) {
  std::string url(base);
  while (!url.empty() && url.back() == '/') url.pop_back();
  while (!file_name.empty() && file_name.front() == '/') file_name.remove_prefix(1);
  url += '/';
  url += file_name;
  return url;
}

}  // namespace orvanta

namespace orvanta {

int CompareVersions(std::string_view a, std::string_view b) {
  auto next = [](std::string_view& s) {
    long long v = 0;
    std::size_t i = 0;
    bool digits = true;
    for (; i < s.size() && s[i] != '.'; ++i) {
      if (s[i] < '0' || s[i] > '9') digits = false;
      else if (digits && v < 1000000000) v = v * 10 + (s[i] - '0');
    }
    s.remove_prefix(i < s.size() ? i + 1 : i);
    return digits ? v : 0;
  };
  while (!a.empty() || !b.empty()) {
    const long long x = next(a), y = next(b);
    if (x != y) return x < y ? -1 : 1;
  }
  return 0;
}

}  // namespace orvanta
