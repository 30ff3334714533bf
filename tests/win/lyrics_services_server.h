#pragma once
// The lyrics services played over HTTPS on this machine by
// tests/win/lyrics_services_server.py. CTest starts it around the Windows
// tests and names its folder in NOTCH_LYRICS_SERVICES; there the server
// writes where it listens, its certificate authority and every request it
// was sent.
#include <cstdint>
#include <filesystem>
#include <limits>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "common/environment.h"
#include "common/file_io.h"
#include "lyrics/json_members.h"

namespace notch::testing {

struct LyricsServicesServer {
  std::uint16_t port = 0;
  std::string authority;  // the authority's certificate, DER
  std::filesystem::path requests_log;
};

// A request as the server saw it, for the service it was meant for.
struct ServedRequest {
  std::wstring service;  // the service's host
  std::wstring path;
  std::wstring user_agent;
  bool routed = false;  // answered as the routes file says, not with a stray 404
};

// The server's folder, or nothing when no server was started for this run
// (the test executable run by hand).
inline std::optional<std::filesystem::path> LyricsServicesFolder() {
  const std::optional<std::wstring> folder = ReadEnvironmentVariable(L"NOTCH_LYRICS_SERVICES");
  if (!folder || folder->empty()) return std::nullopt;
  return PathFromWide(*folder);
}

// Nothing when the server is not (or no longer) there.
inline std::optional<LyricsServicesServer> ReadLyricsServicesServer(const std::filesystem::path& folder) {
  const std::optional<std::string> text = ReadFileBytes(folder / "server.json");
  const std::optional<nlohmann::json> info = text ? lyrics::ParseJsonObject(*text) : std::nullopt;
  if (!info) return std::nullopt;
  const auto port = info->find("port");
  const std::string_view authority_file = lyrics::Utf8StringMember(*info, "authority");
  const std::string_view requests_file = lyrics::Utf8StringMember(*info, "requests");
  if (port == info->end() || !port->is_number_unsigned() ||
      port->get<std::uint64_t>() > std::numeric_limits<std::uint16_t>::max() || authority_file.empty() ||
      requests_file.empty()) {
    return std::nullopt;
  }
  std::optional<std::string> authority = ReadFileBytes(folder / authority_file);
  if (!authority) return std::nullopt;
  return LyricsServicesServer{port->get<std::uint16_t>(), std::move(*authority), folder / requests_file};
}

// Every request of the log, oldest first; a line that is not a request
// record is left out.
inline std::vector<ServedRequest> ReadServedRequests(const std::filesystem::path& log) {
  std::vector<ServedRequest> requests;
  std::istringstream lines(ReadFileBytes(log).value_or(std::string()));
  for (std::string line; std::getline(lines, line);) {
    const std::optional<nlohmann::json> record = lyrics::ParseJsonObject(line);
    if (!record) continue;
    requests.push_back({lyrics::StringMember(*record, "service"), lyrics::StringMember(*record, "path"),
                        lyrics::StringMember(*record, "user_agent"), lyrics::IsTrue(*record, "routed")});
  }
  return requests;
}

}  // namespace notch::testing
