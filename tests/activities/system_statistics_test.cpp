#include "activities/system_statistics.h"

#include <gtest/gtest.h>

namespace notch {
namespace {

InterfaceCounters Ethernet(std::uint32_t index, std::uint32_t in, std::uint32_t out) {
  return {index, kInterfaceEthernet, true, in, out};
}

StatisticsReadings Network(std::vector<InterfaceCounters> rows) {
  StatisticsReadings readings;
  readings.interfaces = std::move(rows);
  return readings;
}

TEST(SystemStatisticsTest, ProcessorLoadComesFromTheTimesBetweenTwoSamples) {
  SystemStatistics stats;
  StatisticsReadings readings;
  readings.times = SystemTimes{1000, 5000, 3000};
  stats.Sample(readings, 0);
  EXPECT_EQ(stats.cpu_load(), 0.0f);  // no value before the second sample
  EXPECT_TRUE(stats.cpu_history().empty());

  // Kernel time includes idle time: 600 idle of 1000 in all is 40 % load.
  readings.times = SystemTimes{1600, 5800, 3200};
  stats.Sample(readings, 1000);
  EXPECT_FLOAT_EQ(stats.cpu_load(), 0.4f);

  readings.times = SystemTimes{1600, 5800, 3200};  // no time passed
  stats.Sample(readings, 2000);
  EXPECT_EQ(stats.cpu_load(), 0.0f);

  readings.times = SystemTimes{1700, 5850, 3200};  // more idle than total: clamped
  stats.Sample(readings, 3000);
  EXPECT_EQ(stats.cpu_load(), 0.0f);
  EXPECT_EQ(stats.cpu_history().size(), 3u);
}

TEST(SystemStatisticsTest, MemoryLoadIsThePercentageOverAHundred) {
  SystemStatistics stats;
  StatisticsReadings readings;
  readings.memory_load_percent = 63;
  stats.Sample(readings, 0);
  EXPECT_FLOAT_EQ(stats.memory_load(), 0.63f);
  EXPECT_EQ(stats.memory_history().size(), 1u);
}

TEST(SystemStatisticsTest, RatesAreOctetsPerSecondOverTheInterval) {
  SystemStatistics stats;
  stats.Sample(Network({Ethernet(3, 1000, 500), Ethernet(7, 0, 0)}), 1000);
  EXPECT_EQ(stats.download_rate(), 0.0);
  EXPECT_TRUE(stats.network_history().empty());
  stats.Sample(Network({Ethernet(3, 201000, 10500), Ethernet(7, 100000, 0)}), 3000);
  EXPECT_DOUBLE_EQ(stats.download_rate(), 150000.0);
  EXPECT_DOUBLE_EQ(stats.upload_rate(), 5000.0);
  ASSERT_EQ(stats.network_history().size(), 1u);
  EXPECT_FLOAT_EQ(stats.network_history().back(), 155000.0f);
}

TEST(SystemStatisticsTest, AWrappedCounterGivesTheTrueSmallDifference) {
  SystemStatistics stats;
  stats.Sample(Network({Ethernet(1, 0xFFFFFF00u, 0xFFFFFFFFu)}), 0);
  stats.Sample(Network({Ethernet(1, 0x100u, 0x9u)}), 1000);
  EXPECT_DOUBLE_EQ(stats.download_rate(), 512.0);
  EXPECT_DOUBLE_EQ(stats.upload_rate(), 10.0);
}

TEST(SystemStatisticsTest, OnlyEthernetAndWiFiAdaptersThatAreUpCount) {
  EXPECT_TRUE(CountsForThroughput(Ethernet(1, 0, 0)));
  EXPECT_TRUE(CountsForThroughput({2, kInterfaceWireless, true, 0, 0}));
  EXPECT_FALSE(CountsForThroughput({3, kInterfaceLoopback, true, 0, 0}));
  EXPECT_FALSE(CountsForThroughput({4, 131, true, 0, 0}));  // a tunnel
  EXPECT_FALSE(CountsForThroughput({5, 53, true, 0, 0}));   // a virtual adapter
  EXPECT_FALSE(CountsForThroughput({6, kInterfaceEthernet, false, 0, 0}));

  SystemStatistics stats;
  const auto table = [](std::uint32_t octets) {
    return Network({{1, kInterfaceLoopback, true, octets, octets},
                    {2, 131, true, octets, octets},
                    {3, kInterfaceWireless, false, octets, octets},
                    {4, kInterfaceWireless, true, 0, 0}});
  };
  stats.Sample(table(0), 0);
  stats.Sample(table(900000), 1000);
  EXPECT_EQ(stats.download_rate(), 0.0);
  EXPECT_EQ(stats.upload_rate(), 0.0);
  EXPECT_EQ(stats.network_history().size(), 1u);
}

TEST(SystemStatisticsTest, AnAdapterCountsAgainOnlyOnceItWasReadTwiceInARow) {
  SystemStatistics stats;
  stats.Sample(Network({Ethernet(1, 1000, 0)}), 0);
  stats.Sample(Network({{1, kInterfaceEthernet, false, 1500, 0}}), 1000);  // down
  // Back up with counters reset: the gap's difference would wrap to 4 GB.
  stats.Sample(Network({Ethernet(1, 10, 0)}), 2000);
  EXPECT_EQ(stats.download_rate(), 0.0);
  stats.Sample(Network({Ethernet(1, 2010, 0)}), 3000);
  EXPECT_DOUBLE_EQ(stats.download_rate(), 2000.0);
}

TEST(SystemStatisticsTest, AFailedTableReadKeepsTheOlderValuesAndTheNextRateSpansTheGap) {
  SystemStatistics stats;
  stats.Sample(Network({Ethernet(1, 0, 0)}), 0);
  stats.Sample(Network({Ethernet(1, 4000, 0)}), 1000);
  EXPECT_DOUBLE_EQ(stats.download_rate(), 4000.0);
  StatisticsReadings failed;
  failed.memory_load_percent = 50;
  stats.Sample(failed, 2000);
  EXPECT_DOUBLE_EQ(stats.download_rate(), 4000.0);
  EXPECT_EQ(stats.network_history().size(), 1u);
  stats.Sample(Network({Ethernet(1, 12000, 0)}), 3000);
  EXPECT_DOUBLE_EQ(stats.download_rate(), 4000.0);  // 8000 octets over 2 s
  EXPECT_EQ(stats.network_history().size(), 2u);
}

TEST(SystemStatisticsTest, AfterFortyOneSamplesEachHistoryHoldsForty) {
  SystemStatistics stats;
  for (int i = 0; i < 41; ++i) {
    StatisticsReadings readings;
    readings.times = SystemTimes{static_cast<std::uint64_t>(i) * 50, static_cast<std::uint64_t>(i) * 100, 0};
    readings.memory_load_percent = static_cast<unsigned>(i);
    readings.interfaces = {Ethernet(1, static_cast<std::uint32_t>(i) * 1000, 0)};
    stats.Sample(readings, i * 1000.0);
  }
  EXPECT_EQ(stats.cpu_history().size(), 40u);
  EXPECT_EQ(stats.network_history().size(), 40u);
  ASSERT_EQ(stats.memory_history().size(), 40u);
  EXPECT_FLOAT_EQ(stats.memory_history().front(), 0.01f);  // the first was dropped
  EXPECT_FLOAT_EQ(stats.memory_history().back(), 0.40f);
  StatisticsReadings one_more;
  one_more.memory_load_percent = 99;
  stats.Sample(one_more, 41000);
  EXPECT_EQ(stats.memory_history().size(), 40u);
}

TEST(SystemStatisticsTest, TheNetworkScaleHasAFloorOfFiftyThousandBytesPerSecond) {
  SystemStatistics stats;
  EXPECT_FLOAT_EQ(stats.NetworkScale(), 55000.0f);
  stats.Sample(Network({Ethernet(1, 0, 0)}), 0);
  stats.Sample(Network({Ethernet(1, 0, 0)}), 1000);  // no traffic
  EXPECT_FLOAT_EQ(stats.NetworkScale(), 1.1f * 50000.0f);
  stats.Sample(Network({Ethernet(1, 100000, 20000)}), 2000);
  EXPECT_FLOAT_EQ(stats.NetworkScale(), 1.1f * 120000.0f);
}

TEST(SystemStatisticsTest, RatesAreWrittenInDecimalKilobytesAndMegabytes) {
  EXPECT_EQ(FormatRate(0), L"0 KB/s");
  EXPECT_EQ(FormatRate(1499), L"1 KB/s");
  EXPECT_EQ(FormatRate(999999), L"1000 KB/s");
  EXPECT_EQ(FormatRate(1000000), L"1.0 MB/s");
  EXPECT_EQ(FormatRate(12345678), L"12.3 MB/s");
}

}  // namespace
}  // namespace notch
