#pragma once
// How the lyrics readers take values out of the services' JSON answers: a
// member of the wrong type reads as missing, never as an error.
#include <cstdint>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>

namespace notch::lyrics {

// No service's answer nests anywhere near this deep.
inline constexpr int kMaxJsonDepth = 64;

// The body as a JSON object; nothing for invalid UTF-8, a syntax error, a
// value nested deeper than kMaxJsonDepth or any other kind of value.
std::optional<nlohmann::json> ParseJsonObject(std::string_view body);

// A string member; empty when missing or not a string.
std::wstring StringMember(const nlohmann::json& object, std::string_view key);
std::string_view Utf8StringMember(const nlohmann::json& object, std::string_view key);

// A time in whole milliseconds: only a finite number from 0 to 86,400,000.
std::optional<std::int32_t> TimeMember(const nlohmann::json& object, std::string_view key);

// True only for a boolean member that is true.
bool IsTrue(const nlohmann::json& object, std::string_view key);

// The member when it has that type, else nullptr.
const nlohmann::json* ArrayMember(const nlohmann::json& object, std::string_view key);
const nlohmann::json* ObjectMember(const nlohmann::json& object, std::string_view key);

}  // namespace notch::lyrics
