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

// Names are short: a plain loop beats a library search here.
QualifiedName SplitName(std::string_view name) {
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (name[i] == ':') return {name.substr(0, i), name.substr(i + 1)};
  }
  return {{}, name};
}

struct Timing {
  std::optional<std::int32_t> begin;
  std::optional<std::int32_t> end;
};

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
    const Attributes attributes = DeclareNamespaces(element);
    const bool accepted = attributes != Attributes::Rejected && ElementInScope(element, depth, attributes);
    bindings_.resize(scope);
    return accepted;
  }

  // What DeclareNamespaces found among an element's attributes.
  enum class Attributes { Rejected, Plain, SomePrefixed };

  bool ElementInScope(const XmlNode& element, int depth, Attributes attributes) {
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
    if (ttml && name.local == "span" && line_) return Span(element, depth, attributes);
    return Children(element, depth);
  }

  bool Paragraph(const XmlNode& element, int depth) {
    const auto [begin, end] = TimeAttributes(element);
    if (!begin || !end || *begin >= *end) return true;  // ignored with its content
    // The line is built in buffers kept from line to line, and copied out
    // at its exact size when it closes.
    building_.start = *begin;
    building_.end = *end;
    building_.text.clear();
    building_.words.clear();
    line_ = &building_;
    if (!Children(element, depth)) return false;
    return CloseLine();
  }

  bool Span(const XmlNode& element, int depth, Attributes attributes) {
    // A role is a prefixed attribute; most spans have none.
    if (attributes == Attributes::SomePrefixed) {
      const std::string_view role = MetadataRole(element);
      if (std::find(std::begin(kSkippedRoles), std::end(kSkippedRoles), role) != std::end(kSkippedRoles)) return true;
    }
    if (word_) return Children(element, depth);
    const auto [begin, end] = TimeAttributes(element);
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

  // Text nodes come in document order, as the marked runs do, so one
  // cursor walks the runs alongside.
  bool IsWhitespaceRun(const XmlNode& text) {
    const auto offset = static_cast<std::size_t>(text.value() - buffer_);
    while (next_run_ < whitespace_runs_.size() && whitespace_runs_[next_run_] < offset) ++next_run_;
    return next_run_ < whitespace_runs_.size() && whitespace_runs_[next_run_] == offset;
  }

  // Whitespace becomes one space, never at the start and never doubled.
  bool AppendText(std::string_view utf8) {
    std::wstring& text = line_->text;
    for (std::size_t i = 0; i < utf8.size();) {
      // A run of printable ASCII other than space is copied whole.
      std::size_t run_end = i;
      while (run_end < utf8.size() && utf8[run_end] > ' ' && utf8[run_end] < '\x7F') ++run_end;
      if (run_end > i) {
        if (text.size() + (run_end - i) > kMaxBuiltLineLength) return false;
        std::size_t at = text.size();
        text.resize(at + (run_end - i));  // not append(first, last), which builds a temporary string
        for (; i < run_end; ++i) text[at++] = static_cast<wchar_t>(utf8[i]);
        continue;
      }
      const auto byte = static_cast<unsigned char>(utf8[i]);
      if (byte == 0) return false;  // from a character reference
      char32_t c = byte;
      if (byte < 0x80) {
        ++i;
      } else {
        c = NextCodePoint(utf8, i);
      }
      const bool space = c == U' ' || c == U'\t' || c == U'\n' || c == U'\r';
      if (space && (text.empty() || text.back() == L' ')) continue;
      const std::size_t units = sizeof(wchar_t) == 2 && c >= 0x10000 ? 2 : 1;
      if (text.size() + units > kMaxBuiltLineLength) return false;
      if (space) {
        text.push_back(L' ');
      } else if (c < 0x80) {
        text.push_back(static_cast<wchar_t>(c));
      } else {
        AppendCodePoint(text, c);
      }
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
    line_ = nullptr;
    std::wstring_view text = building_.text;
    if (!text.empty() && text.back() == L' ') text.remove_suffix(1);
    if (text.empty()) return true;
    if (sheet_.lines.size() >= kMaxTimedLines) return false;
    sheet_.lines.push_back(Line{building_.start, std::wstring(text), building_.end,
                                std::vector<Word>(building_.words.begin(), building_.words.end())});
    return true;
  }

  // Rejected when an attribute uses an undeclared prefix, which is an XML
  // error. Declarations may follow the attributes that use them, so the
  // prefixes are checked once all are declared.
  Attributes DeclareNamespaces(const XmlNode& element) {
    bool prefixed = false;
    for (const auto* attribute = element.first_attribute(); attribute; attribute = attribute->next_attribute()) {
      const QualifiedName name = SplitName(NameOf(*attribute));
      if (name.prefix.empty() && name.local == "xmlns") {
        bindings_.emplace_back(std::string_view(), ValueOf(*attribute));
      } else if (name.prefix == "xmlns") {
        bindings_.emplace_back(name.local, ValueOf(*attribute));
      } else if (!name.prefix.empty()) {
        prefixed = true;
      }
    }
    if (!prefixed) return Attributes::Plain;
    for (const auto* attribute = element.first_attribute(); attribute; attribute = attribute->next_attribute()) {
      const QualifiedName name = SplitName(NameOf(*attribute));
      if (!name.prefix.empty() && name.prefix != "xmlns" && !NamespaceOf(name.prefix)) return Attributes::Rejected;
    }
    return Attributes::SomePrefixed;
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

  // Only attributes without a namespace carry the times. An element has
  // each attribute at most once.
  static Timing TimeAttributes(const XmlNode& element) {
    Timing timing;
    for (const auto* attribute = element.first_attribute(); attribute; attribute = attribute->next_attribute()) {
      const std::string_view name = NameOf(*attribute);
      if (name == "begin") {
        timing.begin = ReadTtmlTime(ValueOf(*attribute));
      } else if (name == "end") {
        timing.end = ReadTtmlTime(ValueOf(*attribute));
      }
    }
    return timing;
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
  std::size_t next_run_ = 0;
  bool in_body_ = false;
  Line building_;
  Line* line_ = nullptr;  // &building_ while a line is open
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
