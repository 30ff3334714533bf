#include "activities/statistics_source_win.h"

#include <windows.h>

// clang-format off
#include <winsock2.h>  // must come before iphlpapi.h
#include <iphlpapi.h>
// clang-format on

namespace notch {
namespace {

std::uint64_t Ticks(const FILETIME& time) {
  return (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

std::optional<SystemTimes> ReadSystemTimes() {
  FILETIME idle{}, kernel{}, user{};
  if (!GetSystemTimes(&idle, &kernel, &user)) return std::nullopt;
  return SystemTimes{Ticks(idle), Ticks(kernel), Ticks(user)};
}

std::optional<unsigned> ReadMemoryLoad() {
  MEMORYSTATUSEX status{};
  status.dwLength = sizeof status;
  if (!GlobalMemoryStatusEx(&status)) return std::nullopt;
  return static_cast<unsigned>(status.dwMemoryLoad);
}

// The first call gives the size, the second the rows; a table that grew in
// between is asked for again, a few times at most.
std::optional<std::vector<InterfaceCounters>> ReadInterfaces() {
  ULONG size = 0;
  std::vector<std::uint8_t> buffer;
  DWORD result = GetIfTable(nullptr, &size, FALSE);
  for (int attempt = 0; attempt < 3 && result == ERROR_INSUFFICIENT_BUFFER; ++attempt) {
    buffer.resize(size);
    result = GetIfTable(reinterpret_cast<MIB_IFTABLE*>(buffer.data()), &size, FALSE);
  }
  if (result != NO_ERROR || buffer.size() < sizeof(MIB_IFTABLE)) return std::nullopt;
  const auto* table = reinterpret_cast<const MIB_IFTABLE*>(buffer.data());
  std::vector<InterfaceCounters> rows;
  rows.reserve(table->dwNumEntries);
  for (DWORD i = 0; i < table->dwNumEntries; ++i) {
    const MIB_IFROW& row = table->table[i];
    rows.push_back(
        {row.dwIndex, row.dwType, row.dwOperStatus == IF_OPER_STATUS_OPERATIONAL, row.dwInOctets, row.dwOutOctets});
  }
  return rows;
}

}  // namespace

StatisticsReadings WindowsStatisticsSource::Read() { return {ReadSystemTimes(), ReadMemoryLoad(), ReadInterfaces()}; }

}  // namespace notch
