#pragma once
// The statistics page's numbers: processor and memory load and network
// throughput from one-second samples of the system's counters, with the
// last forty values of each for the graphs.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace notch {

inline constexpr std::size_t kStatisticsHistoryLength = 40;
// The network graph's scale never falls below this rate (bytes/s).
inline constexpr double kNetworkScaleFloor = 50000.0;

// Processor times since start (100-ns units); kernel time includes idle time.
struct SystemTimes {
  std::uint64_t idle = 0, kernel = 0, user = 0;
};

// One row of the interface table.
struct InterfaceCounters {
  std::uint32_t index = 0;
  std::uint32_t type = 0;  // IANA interface type
  bool operational = false;
  std::uint32_t in_octets = 0, out_octets = 0;  // 32-bit counters that wrap
};

inline constexpr std::uint32_t kInterfaceEthernet = 6;
inline constexpr std::uint32_t kInterfaceWireless = 71;  // IEEE 802.11
inline constexpr std::uint32_t kInterfaceLoopback = 24;

// What one sample read; a reading that failed is empty.
struct StatisticsReadings {
  std::optional<SystemTimes> times;
  std::optional<unsigned> memory_load_percent;
  std::optional<std::vector<InterfaceCounters>> interfaces;
};

// Ethernet and Wi-Fi adapters that are up; loopback and virtual ones are not counted.
bool CountsForThroughput(const InterfaceCounters& row);

// "%.1f MB/s" from 1 000 000 bytes/s on, else "%.0f KB/s" (decimal units).
std::wstring FormatRate(double bytes_per_second);

class SystemStatistics {
 public:
  void Sample(const StatisticsReadings& readings, double now_ms);

  float cpu_load() const { return cpu_load_; }
  float memory_load() const { return memory_load_; }
  double download_rate() const { return download_rate_; }
  double upload_rate() const { return upload_rate_; }
  const std::deque<float>& cpu_history() const { return cpu_history_; }
  const std::deque<float>& memory_history() const { return memory_history_; }
  const std::deque<float>& network_history() const { return network_history_; }
  // 1.1 times the largest rate in the network history, at least the floor.
  float NetworkScale() const;
  // Counts the samples taken, so that drawings made from them can be kept.
  std::uint64_t generation() const { return generation_; }

 private:
  struct Octets {
    std::uint32_t in = 0, out = 0;
    std::uint64_t read = 0;  // the table read that last counted them
  };
  void SampleProcessor(const SystemTimes& times);
  void SampleNetwork(const std::vector<InterfaceCounters>& rows, double now_ms);

  float cpu_load_ = 0.0f;
  float memory_load_ = 0.0f;
  double download_rate_ = 0.0, upload_rate_ = 0.0;
  std::deque<float> cpu_history_, memory_history_, network_history_;
  std::optional<SystemTimes> previous_times_;
  std::map<std::uint32_t, Octets> octets_;
  std::optional<double> previous_network_ms_;
  std::uint64_t generation_ = 0;
  std::uint64_t network_reads_ = 0;
};

}  // namespace notch
