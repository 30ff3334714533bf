#include "lyrics/ttml_reader.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <forward_list>
#include <string>
#include <utility>
#include <vector>

#include "common/text.h"
#include "lyrics/ttml_time.h"

namespace notch::lyrics {
namespace {

constexpr std::string_view kTtmlNamespace = "http://www.w3.org/ns/ttml";
constexpr std::string_view kTtmlMetadataNamespace = "http://www.w3.org/ns/ttml#metadata";
constexpr std::string_view kXmlNamespace = "http://www.w3.org/XML/1998/namespace";
constexpr std::size_t kMaxElementDepth = 32;
constexpr std::size_t kRejected = std::string_view::npos;

// Background vocals, translations and romanisations are not sung lyrics.
constexpr std::string_view kSkippedRoles[] = {"x-bg", "x-translation", "x-roman"};

// What a byte may end or begin, looked up in one table.
enum ByteClass : std::uint8_t {
  kSpace = 1,              // XML whitespace
  kEndsElementName = 2,    // whitespace and the markup that may follow a name; "?", "=" and "<" are errors there
  kEndsAttributeName = 4,  // as an element name, and "!"
  kEndsEndTagName = 8,     // end tags are matched by a name that stops at fewer characters
  kStopsText = 16,         // "<", "&" and control characters other than whitespace
  kStopsValue = 32,        // "&", "<", the quotes and control characters other than whitespace
  kColon = 64,             // ":", which makes a name qualified
};

constexpr std::array<std::uint8_t, 256> ByteClasses() {
  std::array<std::uint8_t, 256> classes{};
  for (const char c : {' ', '\t', '\n', '\r'}) {
    classes[static_cast<unsigned char>(c)] |= kSpace | kEndsElementName | kEndsAttributeName | kEndsEndTagName;
  }
  for (const char c : {'/', '>', '?', '=', '<'}) classes[static_cast<unsigned char>(c)] |= kEndsElementName;
  for (const char c : {'/', '>', '?', '=', '<', '!'}) classes[static_cast<unsigned char>(c)] |= kEndsAttributeName;
  for (const char c : {'/', '>', '=', '<'}) classes[static_cast<unsigned char>(c)] |= kEndsEndTagName;
  for (unsigned c = 0; c < 0x20; ++c) {
    if ((classes[c] & kSpace) == 0) classes[c] |= kStopsText | kStopsValue;
  }
  for (const char c : {'<', '&'}) classes[static_cast<unsigned char>(c)] |= kStopsText | kStopsValue;
  for (const char c : {'"', '\''}) classes[static_cast<unsigned char>(c)] |= kStopsValue;
  classes[static_cast<unsigned char>(':')] |= kColon;
  return classes;
}

constexpr std::array<std::uint8_t, 256> kByteClasses = ByteClasses();

bool Is(char c, ByteClass byte_class) { return (kByteClasses[static_cast<unsigned char>(c)] & byte_class) != 0; }

bool IsXmlWhitespace(char c) { return Is(c, kSpace); }

// Equality without a library call: the names compared are a few bytes long.
bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i] != b[i]) return false;
  }
  return true;
}

template <std::size_t N>
bool SameName(std::string_view a, const char (&literal)[N]) {
  return SameName(a, std::string_view(literal, N - 1));
}

bool IsXmlCharacter(std::uint32_t c) {
  return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
         (c >= 0x10000 && c <= 0x10FFFF);
}

struct Reference {
  std::size_t end = kRejected;  // just past ';'
  char32_t character = 0;
};

// The reference whose "&" is at `at`: one of the five predefined entities or
// a reference to a character XML allows. None of them holds markup or a
// quote, so one that would run past the end of its text is rejected.
Reference ReadReference(std::string_view xml, std::size_t at) {
  struct Entity {
    std::string_view name;
    char32_t character;
  };
  constexpr Entity kPredefined[] = {{"lt;", U'<'}, {"gt;", U'>'}, {"amp;", U'&'}, {"apos;", U'\''}, {"quot;", U'"'}};
  const std::string_view rest = xml.substr(at + 1);
  for (const Entity& entity : kPredefined) {
    if (rest.starts_with(entity.name)) return {at + 1 + entity.name.size(), entity.character};
  }
  if (!rest.starts_with('#')) return {};
  const bool hex = rest.size() > 1 && rest[1] == 'x';
  const std::size_t digits = hex ? 2 : 1;
  const std::size_t end = rest.find(';', digits);
  if (end == std::string_view::npos || end == digits) return {};
  std::uint32_t code = 0;
  const char* first = rest.data() + digits;
  const char* last = rest.data() + end;
  const auto [stop, error] = std::from_chars(first, last, code, hex ? 16 : 10);
  if (error != std::errc() || stop != last || !IsXmlCharacter(code)) return {};
  return {at + 1 + end + 1, static_cast<char32_t>(code)};
}

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

struct Attribute {
  std::string_view name;
  std::string_view value;  // with its references replaced
  bool qualified = false;  // the name holds a colon
};

struct Timing {
  std::optional<std::int32_t> begin;
  std::optional<std::int32_t> end;
};

struct OpenWord {
  std::int32_t start = 0;
  std::int32_t end = 0;
  std::size_t text_start = 0;
};

// What the end of an element finishes.
enum class Closes : std::uint8_t { Element, Body, Line, Word, IgnoredContent };

struct OpenElement {
  std::string_view name;
  std::size_t bindings = 0;  // the bindings in scope before the element's own
  Closes closes = Closes::Element;
};

struct Binding {
  std::string_view prefix;
  std::string_view space;
  bool ttml = false;  // space is TTML's
};

// The namespace of an element as far as reading it goes.
enum class Space { Undeclared, Ttml, Other };

// What an element's attributes hold besides plain names.
enum class Attributes { Rejected, Plain, SomePrefixed };

// Reads the document in one pass, checking that it is well-formed XML while
// it builds the lines: which elements open the body, a line or a word, and
// how text joins. Text and attribute values are read where they stand; only
// a value holding a reference is copied out. Every function that returns a
// bool returns false, and every one that returns an offset kRejected, when
// the document is to be rejected.
class TtmlParse {
 public:
  explicit TtmlParse(std::string_view xml) : xml_(xml) {}

  bool Document() {
    std::size_t i = xml_.starts_with("\xEF\xBB\xBF") ? 3 : 0;
    const std::size_t size = xml_.size();
    while (i < size) {
      i = xml_[i] != '<' ? (open_count_ > 0 ? Text(i) : PastWhitespace(i)) : Markup(i);
      if (i == kRejected) return false;
    }
    return root_seen_ && open_count_ == 0;
  }

  Sheet& sheet() { return sheet_; }

 private:
  // The offset just past the markup that begins at `open`, or kRejected.
  std::size_t Markup(std::size_t open) {
    const char kind = open + 1 < xml_.size() ? xml_[open + 1] : '\0';
    if (kind == '/') return EndTag(open);
    if (kind != '!' && kind != '?') {
      if (open_count_ == 0 && root_seen_) return kRejected;
      return StartTag(open);
    }
    const std::string_view markup = xml_.substr(open);
    if (markup.starts_with("<!--")) return PastTerminator(open + 4, "-->");
    if (markup.starts_with("<![CDATA[")) {
      if (open_count_ == 0) return kRejected;
      const std::size_t end = xml_.find("]]>", open + 9);
      if (end == std::string_view::npos) return kRejected;
      if (Appending() && !AppendText(xml_.substr(open + 9, end - open - 9))) return kRejected;
      return end + 3;
    }
    if (kind == '!') return kRejected;  // a document type declaration among others
    return PastTerminator(open + 2, "?>");
  }

  std::size_t PastTerminator(std::size_t from, std::string_view terminator) const {
    const std::size_t at = xml_.find(terminator, from);
    return at == std::string_view::npos ? kRejected : at + terminator.size();
  }

  // The end of the name that starts at `i`, which stops at a byte of
  // `ends`; sets `qualified` when the name holds a colon.
  std::size_t EndOfName(std::size_t i, ByteClass ends, bool& qualified) const {
    std::uint8_t seen = 0;
    for (; i < xml_.size(); ++i) {
      const std::uint8_t byte_class = kByteClasses[static_cast<unsigned char>(xml_[i])];
      if ((byte_class & ends) != 0) break;
      seen |= byte_class;
    }
    qualified = (seen & kColon) != 0;
    return i;
  }

  std::size_t SkipWhitespace(std::size_t i) const {
    while (i < xml_.size() && IsXmlWhitespace(xml_[i])) ++i;
    return i;
  }

  // Outside the root element only whitespace may stand before markup.
  std::size_t PastWhitespace(std::size_t from) const {
    const std::size_t end = SkipWhitespace(from);
    return end == xml_.size() || xml_[end] == '<' ? end : kRejected;
  }

  bool Appending() const { return line_ != nullptr && ignored_depth_ == 0; }

  // Text inside the root, up to the next markup: every "&" begins a
  // reference and no control character other than whitespace stands there.
  // Within a line it joins the line's text, piece by piece between the
  // references. The offset where the text ends, or kRejected.
  std::size_t Text(std::size_t from) {
    const bool appending = Appending();
    const std::size_t size = xml_.size();
    std::size_t piece = from;
    std::size_t i = from;
    for (; i < size; ++i) {
      const char c = xml_[i];
      if (!Is(c, kStopsText)) continue;
      if (c == '<') break;
      if (c != '&') return kRejected;
      const Reference reference = ReadReference(xml_, i);
      if (reference.end == kRejected) return kRejected;
      if (appending && !(AppendText(xml_.substr(piece, i - piece)) && AppendCharacter(reference.character))) {
        return kRejected;
      }
      piece = reference.end;
      i = reference.end - 1;
    }
    if (appending && !AppendText(xml_.substr(piece, i - piece))) return kRejected;
    return i;
  }

  // The value of the attribute whose opening quote is at `quote`, checked
  // like text, with "<" not allowed either. Sets `end` to the closing quote.
  std::optional<std::string_view> AttributeValue(std::size_t quote, std::size_t& end) {
    const char quote_mark = xml_[quote];
    const std::size_t from = quote + 1;
    const std::size_t size = xml_.size();
    std::string* decoded = nullptr;
    std::size_t piece = from;
    std::size_t i = from;
    for (; i < size; ++i) {
      const char c = xml_[i];
      if (!Is(c, kStopsValue)) continue;
      if (c == quote_mark) break;
      if (c == '"' || c == '\'') continue;
      if (c != '&') return std::nullopt;
      const Reference reference = ReadReference(xml_, i);
      if (reference.end == kRejected) return std::nullopt;
      if (decoded == nullptr) decoded = &decoded_values_.emplace_front();
      decoded->append(xml_.substr(piece, i - piece));
      char bytes[4];
      decoded->append(bytes, EncodeUtf8(reference.character, bytes));
      piece = reference.end;
      i = reference.end - 1;
    }
    if (i == size) return std::nullopt;
    end = i;
    if (decoded == nullptr) return xml_.substr(from, end - from);
    decoded->append(xml_.substr(piece, end - piece));
    return std::string_view(*decoded);
  }

  std::size_t StartTag(std::size_t open) {
    bool qualified = false;
    std::size_t i = EndOfName(open + 1, kEndsElementName, qualified);
    const std::string_view name = xml_.substr(open + 1, i - open - 1);
    if (name.empty()) return kRejected;
    attributes_.clear();
    bool empty_element = false;
    while (true) {
      const std::size_t before = i;
      i = SkipWhitespace(i);
      if (i >= xml_.size()) return kRejected;
      if (xml_[i] == '>') {
        ++i;
        break;
      }
      if (xml_[i] == '/') {
        if (i + 1 >= xml_.size() || xml_[i + 1] != '>') return kRejected;
        empty_element = true;
        i += 2;
        break;
      }
      // Attributes are separated from the name and from each other.
      if (i == before) return kRejected;
      const std::size_t name_start = i;
      bool attribute_qualified = false;
      i = EndOfName(i, kEndsAttributeName, attribute_qualified);
      if (i == name_start) return kRejected;
      const std::string_view attribute = xml_.substr(name_start, i - name_start);
      i = SkipWhitespace(i);
      if (i >= xml_.size() || xml_[i] != '=') return kRejected;
      i = SkipWhitespace(i + 1);
      if (i >= xml_.size() || (xml_[i] != '"' && xml_[i] != '\'')) return kRejected;
      std::size_t value_end = 0;
      const std::optional<std::string_view> value = AttributeValue(i, value_end);
      if (!value) return kRejected;
      attributes_.push_back({attribute, *value, attribute_qualified});
      i = value_end + 1;
    }
    if (HasRepeatedAttribute()) return kRejected;
    root_seen_ = true;
    if (!empty_element && open_count_ >= kMaxElementDepth) return kRejected;
    if (!Open(name, qualified)) return kRejected;
    if (empty_element && !Close()) return kRejected;
    return i;
  }

  std::size_t EndTag(std::size_t open) {
    if (open_count_ == 0) return kRejected;
    std::size_t i = open + 2;
    while (i < xml_.size() && !Is(xml_[i], kEndsEndTagName)) ++i;
    if (!SameName(xml_.substr(open + 2, i - open - 2), open_[open_count_ - 1].name)) return kRejected;
    i = SkipWhitespace(i);
    if (i >= xml_.size() || xml_[i] != '>') return kRejected;
    return Close() ? i + 1 : kRejected;
  }

  // Whether a name occurs twice. Elements have few attributes; only many
  // are worth sorting.
  bool HasRepeatedAttribute() {
    constexpr std::size_t kFewNames = 8;
    if (attributes_.size() > kFewNames) {
      names_.clear();
      for (const Attribute& attribute : attributes_) names_.push_back(attribute.name);
      std::sort(names_.begin(), names_.end());
      return std::adjacent_find(names_.begin(), names_.end()) != names_.end();
    }
    for (std::size_t i = 0; i < attributes_.size(); ++i) {
      for (std::size_t j = i + 1; j < attributes_.size(); ++j) {
        if (attributes_[i].name == attributes_[j].name) return true;
      }
    }
    return false;
  }

  // The element named `name` with the attributes read into attributes_
  // opens: decides what it is and what its end will finish.
  bool Open(std::string_view name, bool qualified_name) {
    OpenElement& element = open_[open_count_++];
    element.name = name;
    element.bindings = bindings_.size();
    element.closes = Closes::IgnoredContent;
    if (ignored_depth_ > 0) {  // inside ignored content nothing is read
      ++ignored_depth_;
      return true;
    }
    const Attributes attributes = DeclareNamespaces();
    if (attributes == Attributes::Rejected) return false;
    const QualifiedName qualified = qualified_name ? SplitName(name) : QualifiedName{{}, name};
    const Space space = ElementSpace(qualified.prefix);
    if (space == Space::Undeclared) return false;
    element.closes = Closes::Element;
    if (space != Space::Ttml) return true;
    if (SameName(qualified.local, "body") && open_count_ == 2) {
      in_body_ = true;
      element.closes = Closes::Body;
    } else if (SameName(qualified.local, "p") && in_body_ && line_ == nullptr) {
      OpenParagraph(element);
    } else if (SameName(qualified.local, "span") && line_ != nullptr) {
      OpenSpan(element, attributes);
    }
    return true;
  }

  void OpenParagraph(OpenElement& element) {
    const auto [begin, end] = TimeAttributes();
    if (!begin || !end || *begin >= *end) {  // ignored with its content
      Ignore(element);
      return;
    }
    // The line is built in buffers kept from line to line, and copied out
    // at its exact size when it closes.
    building_.start = *begin;
    building_.end = *end;
    building_.text.clear();
    building_.words.clear();
    line_ = &building_;
    element.closes = Closes::Line;
  }

  void OpenSpan(OpenElement& element, Attributes attributes) {
    // A role is a prefixed attribute; most spans have none.
    if (attributes == Attributes::SomePrefixed) {
      const std::string_view role = MetadataRole();
      if (std::find(std::begin(kSkippedRoles), std::end(kSkippedRoles), role) != std::end(kSkippedRoles)) {
        Ignore(element);
        return;
      }
    }
    if (word_) return;
    const auto [begin, end] = TimeAttributes();
    if (!begin || !end || *begin < line_->start || *begin >= *end || *end > line_->end) {
      return;  // not a word, but its text belongs to the line
    }
    word_ = OpenWord{*begin, *end, line_->text.size()};
    element.closes = Closes::Word;
  }

  void Ignore(OpenElement& element) {
    element.closes = Closes::IgnoredContent;
    ignored_depth_ = 1;
  }

  bool Close() {
    const OpenElement& element = open_[--open_count_];
    switch (element.closes) {
      case Closes::IgnoredContent:
        --ignored_depth_;
        break;
      case Closes::Body:
        in_body_ = false;
        break;
      case Closes::Line:
        if (!CloseLine()) return false;
        break;
      case Closes::Word:
        CloseWord();
        break;
      case Closes::Element:
        break;
    }
    bindings_.resize(element.bindings);
    return true;
  }

  bool AppendCharacter(char32_t c) {
    char bytes[4];
    return AppendText(std::string_view(bytes, EncodeUtf8(c, bytes)));
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
    if (!covered.empty() && covered.front() != L' ' && covered.back() != L' ') {  // as most words are
      line_->words.push_back(Word{word_->start, word_->end, static_cast<std::int32_t>(word_->text_start),
                                  static_cast<std::int32_t>(covered.size())});
      word_.reset();
      return;
    }
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
  Attributes DeclareNamespaces() {
    bool prefixed = false;
    for (const Attribute& attribute : attributes_) {
      if (!attribute.qualified) {
        if (SameName(attribute.name, "xmlns")) Bind(std::string_view(), attribute.value);
        continue;
      }
      const QualifiedName name = SplitName(attribute.name);
      if (name.prefix.empty()) {
        if (SameName(name.local, "xmlns")) Bind(std::string_view(), attribute.value);
      } else if (SameName(name.prefix, "xmlns")) {
        Bind(name.local, attribute.value);
      } else {
        prefixed = true;
      }
    }
    if (!prefixed) return Attributes::Plain;
    for (const Attribute& attribute : attributes_) {
      if (!attribute.qualified) continue;
      const QualifiedName name = SplitName(attribute.name);
      if (!name.prefix.empty() && !SameName(name.prefix, "xmlns") && !NamespaceOf(name.prefix)) {
        return Attributes::Rejected;
      }
    }
    return Attributes::SomePrefixed;
  }

  void Bind(std::string_view prefix, std::string_view space) {
    bindings_.push_back({prefix, space, space == kTtmlNamespace});
  }

  // Nothing for an undeclared prefix, which is an XML error.
  std::optional<std::string_view> NamespaceOf(std::string_view prefix) const {
    for (auto binding = bindings_.rbegin(); binding != bindings_.rend(); ++binding) {
      if (SameName(binding->prefix, prefix)) return binding->space;
    }
    if (prefix.empty()) return std::string_view();
    if (SameName(prefix, "xml")) return kXmlNamespace;
    return std::nullopt;
  }

  // NamespaceOf for an element's name, which only needs to know TTML.
  Space ElementSpace(std::string_view prefix) const {
    for (auto binding = bindings_.rbegin(); binding != bindings_.rend(); ++binding) {
      if (SameName(binding->prefix, prefix)) return binding->ttml ? Space::Ttml : Space::Other;
    }
    if (prefix.empty() || SameName(prefix, "xml")) return Space::Other;
    return Space::Undeclared;
  }

  // Only attributes without a namespace carry the times. An element has
  // each attribute at most once.
  Timing TimeAttributes() const {
    Timing timing;
    for (const Attribute& attribute : attributes_) {
      if (SameName(attribute.name, "begin")) {
        timing.begin = ReadTtmlTime(attribute.value);
      } else if (SameName(attribute.name, "end")) {
        timing.end = ReadTtmlTime(attribute.value);
      }
    }
    return timing;
  }

  // The span's role in the metadata namespace; empty when it has none.
  std::string_view MetadataRole() const {
    for (const Attribute& attribute : attributes_) {
      const QualifiedName name = SplitName(attribute.name);
      if (name.prefix.empty() || !SameName(name.local, "role")) continue;
      if (NamespaceOf(name.prefix) == kTtmlMetadataNamespace) return attribute.value;
    }
    return {};
  }

  const std::string_view xml_;
  std::array<OpenElement, kMaxElementDepth + 1> open_{};  // an empty element may stand below the deepest
  std::size_t open_count_ = 0;
  bool root_seen_ = false;
  std::size_t ignored_depth_ = 0;                  // open elements whose content is not read, the outermost included
  std::vector<Attribute> attributes_;              // of the start tag being read
  std::vector<std::string_view> names_;            // attribute names, sorted to find repeats
  std::forward_list<std::string> decoded_values_;  // attribute values with references; stable
  std::vector<Binding> bindings_;                  // innermost last
  bool in_body_ = false;
  Line building_;
  Line* line_ = nullptr;  // &building_ while a line is open
  std::optional<OpenWord> word_;
  Sheet sheet_;
};

}  // namespace

std::optional<Sheet> ReadTtml(std::string_view utf8, std::optional<Credit> credit) {
  if (utf8.empty() || utf8.find('\0') != std::string_view::npos || !IsValidUtf8(utf8)) return std::nullopt;
  TtmlParse parse(utf8);
  if (!parse.Document() || parse.sheet().lines.empty()) return std::nullopt;
  Sheet sheet = std::move(parse.sheet());
  SortLinesByStart(sheet.lines);
  sheet.credit = std::move(credit);
  return sheet;
}

}  // namespace notch::lyrics
