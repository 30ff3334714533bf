#include "lyrics/ttml_reader.h"

#include <algorithm>
#include <memory>
#include <rapidxml/rapidxml.hpp>
#include <string>
#include <utility>
#include <vector>

#include "common/text.h"
#include "lyrics/ttml_time.h"
#include "lyrics/xml_markup_scan.h"

namespace notch::lyrics {
namespace {

using XmlNode = rapidxml::xml_node<char>;

constexpr std::string_view kTtmlNamespace = "http://www.w3.org/ns/ttml";
constexpr std::string_view kTtmlMetadataNamespace = "http://www.w3.org/ns/ttml#metadata";
constexpr std::string_view kXmlNamespace = "http://www.w3.org/XML/1998/namespace";
constexpr int kMaxElementDepth = 32;

// Background vocals, translations and romanisations are not sung lyrics.
constexpr std::string_view kSkippedRoles[] = {"x-bg", "x-translation", "x-roman"};

std::string_view NameOf(const rapidxml::xml_base<char>& item) { return {item.name(), item.name_size()}; }
std::string_view ValueOf(const rapidxml::xml_base<char>& item) { return {item.value(), item.value_size()}; }

struct QualifiedName {
  std::string_view prefix;
  std::string_view local;
};

QualifiedName SplitName(std::string_view name) {
  const std::size_t colon = name.find(':');
  if (colon == std::string_view::npos) return {{}, name};
  return {name.substr(0, colon), name.substr(colon + 1)};
}

struct OpenWord {
  std::int32_t start = 0;
  std::int32_t end = 0;
  std::size_t text_start = 0;
};

// Walks the parsed tree in document order with the rules of a streaming
// reader: which elements open the body, a line or a word, and how text joins.
// Every function returns false when the document is to be rejected.
class TtmlWalk {
 public:
  TtmlWalk(const char* buffer, const std::vector<std::size_t>& whitespace_runs)
      : buffer_(buffer), whitespace_runs_(whitespace_runs) {}

  bool Root(const XmlNode& root) { return Element(root, 0); }
  Sheet& sheet() { return sheet_; }

 private:
  bool Element(const XmlNode& element, int depth) {
    const std::size_t scope = bindings_.size();
    const bool accepted = DeclareNamespaces(element) && ElementInScope(element, depth);
    bindings_.resize(scope);
    return accepted;
  }

  bool ElementInScope(const XmlNode& element, int depth) {
    const QualifiedName name = SplitName(NameOf(element));
    const std::optional<std::string_view> space = NamespaceOf(name.prefix);
    if (!space) return false;
    const bool ttml = *space == kTtmlNamespace;
    if (ttml && name.local == "body" && depth == 1) {
      in_body_ = true;
      const bool accepted = Children(element, depth);
      in_body_ = false;
      return accepted;
    }
    if (ttml && name.local == "p" && in_body_ && !line_) return Paragraph(element, depth);
    if (ttml && name.local == "span" && line_) return Span(element, depth);
    return Children(element, depth);
  }

  bool Paragraph(const XmlNode& element, int depth) {
    const std::optional<std::int32_t> begin = TimeAttribute(element, "begin");
    const std::optional<std::int32_t> end = TimeAttribute(element, "end");
    if (!begin || !end || *begin >= *end) return true;  // ignored with its content
    line_ = Line{*begin, {}, *end, {}};
    if (!Children(element, depth)) return false;
    return CloseLine();
  }

  bool Span(const XmlNode& element, int depth) {
    const std::string_view role = MetadataRole(element);
    if (std::find(std::begin(kSkippedRoles), std::end(kSkippedRoles), role) != std::end(kSkippedRoles)) return true;
    if (word_) return Children(element, depth);
    const std::optional<std::int32_t> begin = TimeAttribute(element, "begin");
    const std::optional<std::int32_t> end = TimeAttribute(element, "end");
    if (!begin || !end || *begin < line_->start || *begin >= *end || *end > line_->end) {
      return Children(element, depth);  // not a word, but its text belongs to the line
    }
    word_ = OpenWord{*begin, *end, line_->text.size()};
    if (!Children(element, depth)) return false;
    CloseWord();
    return true;
  }

  bool Children(const XmlNode& element, int depth) {
    for (const XmlNode* child = element.first_node(); child != nullptr; child = child->next_sibling()) {
      switch (child->type()) {
        case rapidxml::node_element:
          if (!Element(*child, depth + 1)) return false;
          break;
        case rapidxml::node_data:
        case rapidxml::node_cdata:
          if (line_ && !AppendText(IsWhitespaceRun(*child) ? std::string_view(" ") : ValueOf(*child))) return false;
          break;
        default:
          break;
      }
    }
    return true;
  }

  bool IsWhitespaceRun(const XmlNode& text) const {
    const auto offset = static_cast<std::size_t>(text.value() - buffer_);
    return std::binary_search(whitespace_runs_.begin(), whitespace_runs_.end(), offset);
  }

  // Whitespace becomes one space, never at the start and never doubled.
  bool AppendText(std::string_view utf8) {
    if (utf8.find('\0') != std::string_view::npos) return false;  // from a character reference
    std::wstring& text = line_->text;
    for (const wchar_t c : Utf8ToWide(utf8)) {
      const bool space = c == L' ' || c == L'\t' || c == L'\n' || c == L'\r';
      if (space && (text.empty() || text.back() == L' ')) continue;
      if (text.size() >= kMaxBuiltLineLength) return false;
      text.push_back(space ? L' ' : c);
    }
    return true;
  }

  void CloseWord() {
    const std::wstring_view covered = std::wstring_view(line_->text).substr(word_->text_start);
    const std::size_t first = covered.find_first_not_of(L' ');
    if (first != std::wstring_view::npos) {
      const std::size_t last = covered.find_last_not_of(L' ');
      line_->words.push_back(Word{word_->start, word_->end, static_cast<std::int32_t>(word_->text_start + first),
                                  static_cast<std::int32_t>(last + 1 - first)});
    }
    word_.reset();
  }

  bool CloseLine() {
    Line line = std::move(*line_);
    line_.reset();
    if (!line.text.empty() && line.text.back() == L' ') line.text.pop_back();
    if (line.text.empty()) return true;
    if (sheet_.lines.size() >= kMaxTimedLines) return false;
    sheet_.lines.push_back(std::move(line));
    return true;
  }

  // False when an attribute uses an undeclared prefix, which is an XML error.
  bool DeclareNamespaces(const XmlNode& element) {
    for (const auto* attribute = element.first_attribute(); attribute; attribute = attribute->next_attribute()) {
      const std::string_view name = NameOf(*attribute);
      if (name == "xmlns") {
        bindings_.emplace_back(std::string_view(), ValueOf(*attribute));
      } else if (name.starts_with("xmlns:")) {
        bindings_.emplace_back(name.substr(6), ValueOf(*attribute));
      }
    }
    for (const auto* attribute = element.first_attribute(); attribute; attribute = attribute->next_attribute()) {
      const QualifiedName name = SplitName(NameOf(*attribute));
      if (!name.prefix.empty() && name.prefix != "xmlns" && !NamespaceOf(name.prefix)) return false;
    }
    return true;
  }

  // Nothing for an undeclared prefix, which is an XML error.
  std::optional<std::string_view> NamespaceOf(std::string_view prefix) const {
    for (auto binding = bindings_.rbegin(); binding != bindings_.rend(); ++binding) {
      if (binding->first == prefix) return binding->second;
    }
    if (prefix.empty()) return std::string_view();
    if (prefix == "xml") return kXmlNamespace;
    return std::nullopt;
  }

  // Only attributes without a namespace carry the times.
  static std::optional<std::int32_t> TimeAttribute(const XmlNode& element, std::string_view name) {
    for (const auto* attribute = element.first_attribute(); attribute; attribute = attribute->next_attribute()) {
      if (NameOf(*attribute) == name) return ReadTtmlTime(ValueOf(*attribute));
    }
    return std::nullopt;
  }

  // The span's role in the metadata namespace; empty when it has none.
  std::string_view MetadataRole(const XmlNode& element) const {
    for (const auto* attribute = element.first_attribute(); attribute; attribute = attribute->next_attribute()) {
      const QualifiedName name = SplitName(NameOf(*attribute));
      if (name.prefix.empty() || name.local != "role") continue;
      if (NamespaceOf(name.prefix) == kTtmlMetadataNamespace) return ValueOf(*attribute);
    }
    return {};
  }

  const char* buffer_;
  const std::vector<std::size_t>& whitespace_runs_;
  std::vector<std::pair<std::string_view, std::string_view>> bindings_;  // prefix, namespace; innermost last
  bool in_body_ = false;
  std::optional<Line> line_;
  std::optional<OpenWord> word_;
  Sheet sheet_;
};

// The document's only top-level node, when it is an element.
const XmlNode* SingleRoot(const rapidxml::xml_document<char>& document) {
  const XmlNode* root = document.first_node();
  if (root == nullptr || root->type() != rapidxml::node_element || root->next_sibling() != nullptr) return nullptr;
  return root;
}

}  // namespace

std::optional<Sheet> ReadTtml(std::string_view utf8, std::optional<Credit> credit) {
  if (utf8.empty() || utf8.find('\0') != std::string_view::npos || !IsValidUtf8(utf8)) return std::nullopt;
  std::string buffer(utf8);
  const std::optional<std::vector<std::size_t>> whitespace_runs = MarkWhitespaceText(buffer, kMaxElementDepth);
  if (!whitespace_runs) return std::nullopt;

  // The document holds a memory pool too large for a worker's stack.
  const auto document = std::make_unique<rapidxml::xml_document<char>>();
  try {
    document->parse<rapidxml::parse_validate_closing_tags | rapidxml::parse_no_element_values>(buffer.data());
  } catch (const rapidxml::parse_error&) {
    return std::nullopt;
  }
  const XmlNode* root = SingleRoot(*document);
  if (root == nullptr) return std::nullopt;

  TtmlWalk walk(buffer.data(), *whitespace_runs);
  if (!walk.Root(*root) || walk.sheet().lines.empty()) return std::nullopt;
  Sheet sheet = std::move(walk.sheet());
  SortLinesByStart(sheet.lines);
  sheet.credit = std::move(credit);
  return sheet;
}

}  // namespace notch::lyrics
