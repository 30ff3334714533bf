#include "activities/system_statistics.h"

#include <algorithm>
#include <cwchar>

namespace notch {
namespace {

void Append(std::deque<float>& history, float value) {
  history.push_back(value);
  while (history.size() > kStatisticsHistoryLength) history.pop_front();
}

}  // namespace

bool CountsForThroughput(const InterfaceCounters& row) {
  if (row.type == kInterfaceLoopback || !row.operational) return false;
  return row.type == kInterfaceEthernet || row.type == kInterfaceWireless;
}

std::wstring FormatRate(double bytes_per_second) {
  wchar_t text[64];
  if (bytes_per_second >= 1000000.0) {
    std::swprintf(text, std::size(text), L"%.1f MB/s", bytes_per_second / 1000000.0);
  } else {
    std::swprintf(text, std::size(text), L"%.0f KB/s", bytes_per_second / 1000.0);
  }
  return text;
}

void SystemStatistics::Sample(const StatisticsReadings& readings, double now_ms) {
  ++generation_;
  if (readings.times) SampleProcessor(*readings.times);
  if (readings.memory_load_percent) {
    memory_load_ = static_cast<float>(std::min(*readings.memory_load_percent, 100u)) / 100.0f;
    Append(memory_history_, memory_load_);
  }
  if (readings.interfaces) SampleNetwork(*readings.interfaces, now_ms);
}

void SystemStatistics::SampleProcessor(const SystemTimes& times) {
  if (previous_times_) {
    const double idle = static_cast<double>(times.idle - previous_times_->idle);
    const double total = static_cast<double>(times.kernel - previous_times_->kernel) +
                         static_cast<double>(times.user - previous_times_->user);
    cpu_load_ = total > 0.0 ? static_cast<float>(std::clamp(1.0 - idle / total, 0.0, 1.0)) : 0.0f;
    Append(cpu_history_, cpu_load_);
  }
  previous_times_ = times;
}

// Differences are taken in 32 bits, so a counter that wrapped between two
// samples still gives the octets moved. An interface counts only when the
// previous table read counted it too: one that was down or filtered out in
// between may have reset its counters, and its difference would be the gap's.
// A failed read leaves the previous sample time alone, so the next rates
// span the whole time since the last read.
void SystemStatistics::SampleNetwork(const std::vector<InterfaceCounters>& rows, double now_ms) {
  ++network_reads_;
  double in = 0.0, out = 0.0;
  for (const InterfaceCounters& row : rows) {
    if (!CountsForThroughput(row)) continue;
    const auto [it, first] = octets_.try_emplace(row.index);
    Octets& seen = it->second;
    if (!first && seen.read + 1 == network_reads_) {
      in += static_cast<double>(static_cast<std::uint32_t>(row.in_octets - seen.in));
      out += static_cast<double>(static_cast<std::uint32_t>(row.out_octets - seen.out));
    }
    seen = {row.in_octets, row.out_octets, network_reads_};
  }
  if (previous_network_ms_ && *previous_network_ms_ < now_ms) {
    const double seconds = (now_ms - *previous_network_ms_) / 1000.0;
    download_rate_ = in / seconds;
    upload_rate_ = out / seconds;
    Append(network_history_, static_cast<float>(download_rate_ + upload_rate_));
  }
  previous_network_ms_ = now_ms;
}

float SystemStatistics::NetworkScale() const {
  float largest = static_cast<float>(kNetworkScaleFloor);
  for (const float value : network_history_) largest = std::max(largest, value);
  return 1.1f * largest;
}

}  // namespace notch
