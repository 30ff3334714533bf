#include "lyrics/json_members.h"

#include <cmath>

#include "common/text.h"
#include "lyrics/lyrics_sheet.h"

namespace notch::lyrics {
namespace {

const nlohmann::json* Member(const nlohmann::json& object, std::string_view key) {
  if (!object.is_object()) return nullptr;
  const auto found = object.find(key);
  return found == object.end() ? nullptr : &*found;
}

}  // namespace

std::optional<nlohmann::json> ParseJsonObject(std::string_view body) {
  if (!IsValidUtf8(body)) return std::nullopt;
  // The parser itself keeps its own stack, but copying or comparing a value
  // recurses once per level; a worker thread's stack must never depend on
  // what a service sends. Deeper values are dropped as they are read and
  // the whole answer is refused.
  bool too_deep = false;
  const nlohmann::json::parser_callback_t keep_shallow = [&too_deep](int depth, nlohmann::json::parse_event_t,
                                                                     nlohmann::json&) {
    if (depth <= kMaxJsonDepth) return true;
    too_deep = true;
    return false;
  };
  nlohmann::json parsed = nlohmann::json::parse(body, keep_shallow, /*allow_exceptions=*/false);
  if (too_deep || !parsed.is_object()) return std::nullopt;
  return parsed;
}

std::string_view Utf8StringMember(const nlohmann::json& object, std::string_view key) {
  const nlohmann::json* member = Member(object, key);
  if (member == nullptr || !member->is_string()) return {};
  return member->get_ref<const std::string&>();
}

std::wstring StringMember(const nlohmann::json& object, std::string_view key) {
  return Utf8ToWide(Utf8StringMember(object, key));
}

std::optional<std::int32_t> TimeMember(const nlohmann::json& object, std::string_view key) {
  const nlohmann::json* member = Member(object, key);
  if (member == nullptr || !member->is_number()) return std::nullopt;
  const double value = member->get<double>();
  if (!std::isfinite(value) || value < 0 || value > kMaxLyricTimeMs) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

bool IsTrue(const nlohmann::json& object, std::string_view key) {
  const nlohmann::json* member = Member(object, key);
  return member != nullptr && member->is_boolean() && member->get<bool>();
}

const nlohmann::json* ArrayMember(const nlohmann::json& object, std::string_view key) {
  const nlohmann::json* member = Member(object, key);
  return member != nullptr && member->is_array() ? member : nullptr;
}

const nlohmann::json* ObjectMember(const nlohmann::json& object, std::string_view key) {
  const nlohmann::json* member = Member(object, key);
  return member != nullptr && member->is_object() ? member : nullptr;
}

}  // namespace notch::lyrics
