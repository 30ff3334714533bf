#include "common/ini_document.h"

#include "common/text.h"

namespace notch {
namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

std::wstring_view Trim(std::wstring_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && (IsBlank(s.back()) || s.back() == L'\r')) s.remove_suffix(1);
  return s;
}

std::wstring_view WithoutQuotes(std::wstring_view value) {
  if (value.size() >= 2 && (value.front() == L'"' || value.front() == L'\'') && value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

std::wstring CutToBuffer(std::wstring_view value) { return std::wstring(value.substr(0, kProfileValueChars - 1)); }

}  // namespace

std::wstring ProfileDefault(std::wstring_view fallback) {
  while (!fallback.empty() && IsBlank(fallback.back())) fallback.remove_suffix(1);
  return CutToBuffer(fallback);
}

IniDocument IniDocument::Parse(std::wstring_view text) {
  IniDocument document;
  while (!text.empty()) {
    const std::size_t end = text.find(L'\n');
    std::wstring_view line = text.substr(0, end);
    if (!line.empty() && line.back() == L'\r') line.remove_suffix(1);
    document.lines_.emplace_back(line);
    if (end == std::wstring_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return document;
}

std::optional<std::wstring_view> IniDocument::SectionName(std::wstring_view line) {
  line = Trim(line);
  if (line.empty() || line.front() != L'[') return std::nullopt;
  line.remove_prefix(1);
  const std::size_t close = line.rfind(L']');
  if (close != std::wstring_view::npos) line = line.substr(0, close);
  return Trim(line);
}

std::optional<IniDocument::KeyLine> IniDocument::SplitKeyLine(std::wstring_view line) {
  line = Trim(line);
  if (line.empty() || line.front() == L';' || line.front() == L'[') return std::nullopt;
  const std::size_t equals = line.find(L'=');
  if (equals == std::wstring_view::npos) return KeyLine{line, {}};
  return KeyLine{Trim(line.substr(0, equals)), Trim(line.substr(equals + 1))};
}

std::optional<IniDocument::Range> IniDocument::FindSection(std::wstring_view section) const {
  const std::wstring_view wanted = Trim(section);
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const auto name = SectionName(lines_[i]);
    if (!name || !EqualsIgnoringAsciiCase(*name, wanted)) continue;
    std::size_t end = i + 1;
    while (end < lines_.size() && !SectionName(lines_[end])) ++end;
    return Range{i + 1, end};
  }
  return std::nullopt;
}

std::optional<std::wstring> IniDocument::Find(std::wstring_view section, std::wstring_view key) const {
  const auto range = FindSection(section);
  if (!range) return std::nullopt;
  const std::wstring_view wanted = Trim(key);
  for (std::size_t i = range->begin; i < range->end; ++i) {
    const auto entry = SplitKeyLine(lines_[i]);
    if (entry && EqualsIgnoringAsciiCase(entry->key, wanted)) return std::wstring(WithoutQuotes(entry->value));
  }
  return std::nullopt;
}

void IniDocument::Set(std::wstring_view section, std::wstring_view key, std::wstring_view value) {
  const std::wstring_view name = Trim(key);
  std::wstring line(name);
  line += L'=';
  line += value;

  const auto range = FindSection(section);
  if (!range) {
    lines_.push_back(L"[" + std::wstring(Trim(section)) + L"]");
    lines_.push_back(std::move(line));
    return;
  }
  std::size_t insert_at = range->begin;
  for (std::size_t i = range->begin; i < range->end; ++i) {
    const auto entry = SplitKeyLine(lines_[i]);
    if (!entry) continue;
    if (EqualsIgnoringAsciiCase(entry->key, name)) {
      lines_[i] = std::move(line);
      return;
    }
    insert_at = i + 1;
  }
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insert_at), std::move(line));
}

std::wstring IniDocument::ToText() const {
  std::wstring text;
  for (const std::wstring& line : lines_) {
    text += line;
    text += L"\r\n";
  }
  return text;
}

std::wstring IniDocument::Read(std::wstring_view section, std::wstring_view key, std::wstring_view fallback) const {
  const auto value = Find(section, key);
  return value ? CutToBuffer(*value) : ProfileDefault(fallback);
}

bool IniDocument::Write(std::wstring_view section, std::wstring_view key, std::wstring_view value) {
  Set(section, key, value);
  return true;
}

}  // namespace notch
