#include "lyrics/xml_markup_scan.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <string_view>

namespace notch::lyrics {
namespace {

// Any byte that RapidXml takes for text: not whitespace, '<', '&' or NUL.
constexpr char kWhitespaceMarker = '.';
constexpr std::size_t kNotWellFormed = std::string_view::npos;
constexpr std::string_view kPredefinedEntities[] = {"lt;", "gt;", "amp;", "apos;", "quot;"};

bool IsXmlWhitespace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// Names end at whitespace or at the markup that may follow them.
bool EndsName(char c) { return IsXmlWhitespace(c) || c == '=' || c == '/' || c == '>' || c == '<'; }

bool IsXmlCharacter(std::uint32_t c) {
  return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
         (c >= 0x10000 && c <= 0x10FFFF);
}

// The offset just past the reference whose '&' is at `at`, or kNotWellFormed.
std::size_t PastReference(std::string_view xml, std::size_t at) {
  const std::string_view rest = xml.substr(at + 1);
  for (const std::string_view entity : kPredefinedEntities) {
    if (rest.starts_with(entity)) return at + 1 + entity.size();
  }
  if (!rest.starts_with('#')) return kNotWellFormed;
  const bool hex = rest.size() > 1 && rest[1] == 'x';
  const std::size_t digits = hex ? 2 : 1;
  const std::size_t end = rest.find(';', digits);
  if (end == std::string_view::npos || end == digits) return kNotWellFormed;
  std::uint32_t code = 0;
  const char* first = rest.data() + digits;
  const char* last = rest.data() + end;
  const auto [stop, error] = std::from_chars(first, last, code, hex ? 16 : 10);
  if (error != std::errc() || stop != last || !IsXmlCharacter(code)) return kNotWellFormed;
  return at + 1 + end + 1;
}

struct CharacterData {
  bool well_formed = false;
  bool whitespace = false;  // nothing but XML whitespace
};

// Whether every '&' in [from, to) begins a reference XML defines, and
// neither '<' nor a control character other than whitespace stands there;
// read in one pass, as every byte of text and attribute values comes here.
CharacterData ScanCharacterData(std::string_view xml, std::size_t from, std::size_t to) {
  bool whitespace = true;
  std::size_t i = from;
  while (i < to) {
    const char c = xml[i];
    if (c == '&') {
      whitespace = false;
      i = PastReference(xml.substr(0, to), i);
      if (i == kNotWellFormed) return {};
      continue;
    }
    if (!IsXmlWhitespace(c)) {
      if (static_cast<unsigned char>(c) < 0x20 || c == '<') return {};
      whitespace = false;
    }
    ++i;
  }
  return {true, whitespace};
}

std::size_t SkipWhitespace(std::string_view xml, std::size_t i) {
  while (i < xml.size() && IsXmlWhitespace(xml[i])) ++i;
  return i;
}

std::size_t EndOfName(std::string_view xml, std::size_t i) {
  while (i < xml.size() && !EndsName(xml[i])) ++i;
  return i;
}

// Whether a name occurs twice. Elements have few attributes; only many
// are worth sorting.
bool HasRepeats(std::vector<std::string_view>& names) {
  constexpr std::size_t kFewNames = 8;
  if (names.size() > kFewNames) {
    std::sort(names.begin(), names.end());
    return std::adjacent_find(names.begin(), names.end()) != names.end();
  }
  for (std::size_t i = 0; i < names.size(); ++i) {
    for (std::size_t j = i + 1; j < names.size(); ++j) {
      if (names[i] == names[j]) return true;
    }
  }
  return false;
}

struct StartTag {
  std::string_view name;
  std::size_t end = kNotWellFormed;  // just past '>'
  bool empty_element = false;
};

// The start tag that begins at `open`, with its attributes checked.
StartTag ReadStartTag(std::string_view xml, std::size_t open, std::vector<std::string_view>& attributes) {
  StartTag tag;
  std::size_t i = EndOfName(xml, open + 1);
  tag.name = xml.substr(open + 1, i - open - 1);
  if (tag.name.empty()) return tag;
  attributes.clear();
  while (true) {
    const std::size_t before = i;
    i = SkipWhitespace(xml, i);
    if (i >= xml.size()) return tag;
    if (xml[i] == '>' || xml.substr(i).starts_with("/>")) {
      tag.empty_element = xml[i] == '/';
      tag.end = i + (tag.empty_element ? 2 : 1);
      break;
    }
    // Attributes are separated from the name and from each other.
    if (i == before) return tag;
    const std::size_t name_end = EndOfName(xml, i);
    if (name_end == i) return tag;
    attributes.push_back(xml.substr(i, name_end - i));
    i = SkipWhitespace(xml, name_end);
    if (i >= xml.size() || xml[i] != '=') return tag;
    i = SkipWhitespace(xml, i + 1);
    if (i >= xml.size() || (xml[i] != '"' && xml[i] != '\'')) return tag;
    const std::size_t value_end = xml.find(xml[i], i + 1);
    if (value_end == std::string_view::npos) return tag;
    if (!ScanCharacterData(xml, i + 1, value_end).well_formed) return tag;
    i = value_end + 1;
  }
  if (HasRepeats(attributes)) tag.end = kNotWellFormed;
  return tag;
}

// The offset just past the end tag that begins at `open` when it closes the
// element named `name`, else kNotWellFormed.
std::size_t PastEndTag(std::string_view xml, std::size_t open, std::string_view name) {
  const std::size_t name_end = EndOfName(xml, open + 2);
  if (xml.substr(open + 2, name_end - open - 2) != name) return kNotWellFormed;
  const std::size_t close = SkipWhitespace(xml, name_end);
  return close < xml.size() && xml[close] == '>' ? close + 1 : kNotWellFormed;
}

// The offset just past `terminator`, searched from `from`, or kNotWellFormed.
std::size_t PastTerminator(std::string_view xml, std::size_t from, std::string_view terminator) {
  const std::size_t at = xml.find(terminator, from);
  return at == std::string_view::npos ? kNotWellFormed : at + terminator.size();
}

}  // namespace

std::optional<std::vector<std::size_t>> MarkWhitespaceText(std::string& xml, int max_depth) {
  const std::string_view view(xml);
  std::vector<std::size_t> runs;
  std::vector<std::string_view> open_elements;
  std::vector<std::string_view> attributes;
  bool root_seen = false;
  std::size_t i = view.starts_with("\xEF\xBB\xBF") ? 3 : 0;
  while (i < view.size()) {
    const bool inside_root = !open_elements.empty();
    if (view[i] != '<') {
      const std::size_t end = std::min(view.find('<', i), view.size());
      const CharacterData text = ScanCharacterData(view, i, end);
      if (!text.well_formed) return std::nullopt;
      // Outside the root element only whitespace may stand.
      if (!inside_root && !text.whitespace) return std::nullopt;
      if (inside_root && text.whitespace) {
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
      if (!inside_root) return std::nullopt;
      i = PastTerminator(view, i + 9, "]]>");
    } else if (markup.starts_with("<!")) {
      return std::nullopt;
    } else if (markup.starts_with("<?")) {
      i = PastTerminator(view, i + 2, "?>");
    } else if (markup.starts_with("</")) {
      if (!inside_root) return std::nullopt;
      i = PastEndTag(view, i, open_elements.back());
      open_elements.pop_back();
    } else {
      if (!inside_root && root_seen) return std::nullopt;
      const StartTag tag = ReadStartTag(view, i, attributes);
      if (tag.end == kNotWellFormed) return std::nullopt;
      root_seen = true;
      i = tag.end;
      if (!tag.empty_element) {
        if (static_cast<int>(open_elements.size()) >= max_depth) return std::nullopt;
        open_elements.push_back(tag.name);
      }
    }
    if (i == kNotWellFormed) return std::nullopt;
  }
  if (!root_seen || !open_elements.empty()) return std::nullopt;
  return runs;
}

}  // namespace notch::lyrics
