#include "driver_script.h"

#include <array>
#include <charconv>

namespace notch::driver {
namespace {

struct KeyName {
  std::string_view name;
  std::uint16_t vk;
};

// Virtual-key codes as Windows numbers them.
constexpr std::array<KeyName, 20> kKeyNames = {{
    {"ctrl", 0x11},       {"alt", 0x12},  {"shift", 0x10},  {"win", 0x5B},       {"space", 0x20},
    {"enter", 0x0D},      {"esc", 0x1B},  {"tab", 0x09},    {"backspace", 0x08}, {"capslock", 0x14},
    {"up", 0x26},         {"down", 0x28}, {"left", 0x25},   {"right", 0x27},     {"volumeup", 0xAF},
    {"volumedown", 0xAE}, {"mute", 0xAD}, {"delete", 0x2E}, {"home", 0x24},      {"end", 0x23},
}};

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::optional<std::uint16_t> KeyCode(std::string_view name) {
  std::string lower;
  for (const char c : name) lower += Lower(c);
  for (const KeyName& key : kKeyNames) {
    if (key.name == lower) return key.vk;
  }
  if (lower.size() == 1 && ((lower[0] >= 'a' && lower[0] <= 'z') || (lower[0] >= '0' && lower[0] <= '9'))) {
    const char c = lower[0];
    return static_cast<std::uint16_t>(c >= 'a' ? c - 'a' + 'A' : c);
  }
  if (lower.size() >= 2 && lower.size() <= 3 && lower[0] == 'f') {
    const auto number = ReadWholeNumber(std::string_view(lower).substr(1), 1, 12);
    if (number && lower[1] != '-') return static_cast<std::uint16_t>(0x70 + *number - 1);
  }
  return std::nullopt;
}

}  // namespace

StepLine ReadStepLine(std::string_view line) {
  StepLine out;
  std::size_t i = 0;
  while (i < line.size()) {
    const char c = line[i];
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
      ++i;
      continue;
    }
    if (c == '#') break;
    std::string word;
    if (c == '"') {
      ++i;
      bool closed = false;
      while (i < line.size()) {
        const char q = line[i++];
        if (q == '"') {
          closed = true;
          break;
        }
        if (q == '\\' && i < line.size() && (line[i] == '"' || line[i] == '\\')) {
          word += line[i++];
          continue;
        }
        word += q;
      }
      if (!closed) {
        out.words.clear();
        out.error = "a quoted word is not closed";
        return out;
      }
      if (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') {
        out.words.clear();
        out.error = "a quoted word runs into the next";
        return out;
      }
    } else {
      while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r' && line[i] != '\n') {
        word += line[i++];
      }
    }
    out.words.push_back(std::move(word));
  }
  return out;
}

std::optional<std::vector<std::uint16_t>> ReadKeyChord(std::string_view chord) {
  std::vector<std::uint16_t> keys;
  std::size_t start = 0;
  while (start <= chord.size()) {
    const std::size_t plus = chord.find('+', start);
    const std::string_view name = chord.substr(start, plus == std::string_view::npos ? plus : plus - start);
    const auto code = KeyCode(name);
    if (!code) return std::nullopt;
    keys.push_back(*code);
    if (plus == std::string_view::npos) break;
    start = plus + 1;
  }
  return keys;
}

std::optional<long long> ReadWholeNumber(std::string_view text, long long low, long long high) {
  long long value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end || value < low || value > high) return std::nullopt;
  return value;
}

}  // namespace notch::driver
