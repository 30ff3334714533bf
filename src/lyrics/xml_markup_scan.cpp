#include "lyrics/xml_markup_scan.h"

#include <algorithm>
#include <string_view>

namespace notch::lyrics {
namespace {

// Any byte that RapidXml takes for text: not whitespace, '<', '&' or NUL.
constexpr char kWhitespaceMarker = '.';

bool IsXmlWhitespace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// The offset just past the start tag that begins at `open`, or npos when the
// document ends inside it. Quoted attribute values may hold '>'.
std::size_t EndOfStartTag(std::string_view xml, std::size_t open) {
  char quote = 0;
  for (std::size_t i = open + 1; i < xml.size(); ++i) {
    const char c = xml[i];
    if (quote != 0) {
      if (c == quote) quote = 0;
    } else if (c == '"' || c == '\'') {
      quote = c;
    } else if (c == '>') {
      return i + 1;
    }
  }
  return std::string_view::npos;
}

// The offset just past `terminator`, searched from `from`, or npos.
std::size_t PastTerminator(std::string_view xml, std::size_t from, std::string_view terminator) {
  const std::size_t at = xml.find(terminator, from);
  return at == std::string_view::npos ? at : at + terminator.size();
}

}  // namespace

std::optional<std::vector<std::size_t>> MarkWhitespaceText(std::string& xml, int max_depth) {
  const std::string_view view(xml);
  std::vector<std::size_t> runs;
  int depth = 0;
  std::size_t i = view.starts_with("\xEF\xBB\xBF") ? 3 : 0;
  while (i < view.size()) {
    if (view[i] != '<') {
      const std::size_t end = std::min(view.find('<', i), view.size());
      if (depth > 0 && std::all_of(view.begin() + static_cast<std::ptrdiff_t>(i),
                                   view.begin() + static_cast<std::ptrdiff_t>(end), IsXmlWhitespace)) {
        xml[i] = kWhitespaceMarker;
        runs.push_back(i);
      }
      i = end;
      continue;
    }
    const std::string_view markup = view.substr(i);
    if (markup.starts_with("<!--")) {
      i = PastTerminator(view, i + 4, "-->");
    } else if (markup.starts_with("<![CDATA[")) {
      i = PastTerminator(view, i + 9, "]]>");
    } else if (markup.starts_with("<!")) {
      return std::nullopt;
    } else if (markup.starts_with("<?")) {
      i = PastTerminator(view, i + 2, "?>");
    } else if (markup.starts_with("</")) {
      if (depth == 0) return std::nullopt;
      --depth;
      i = PastTerminator(view, i + 2, ">");
    } else {
      i = EndOfStartTag(view, i);
      if (i == std::string_view::npos) return std::nullopt;
      const bool empty_element = view[i - 2] == '/';
      if (!empty_element && ++depth > max_depth) return std::nullopt;
    }
    if (i == std::string_view::npos) return std::nullopt;
  }
  return runs;
}

}  // namespace notch::lyrics
