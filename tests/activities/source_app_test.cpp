#include "activities/source_app.h"

#include <gtest/gtest.h>

namespace notch {
namespace {

TEST(SourceAppTest, TheFirstVisibleUnownedWindowOfThePlayerIsChosen) {
  const std::vector<AppWindowFacts> windows = {
      {false, false, L"C:\\Apps\\Spotify\\Spotify.exe"},  // hidden
      {true, true, L"C:\\Apps\\Spotify\\Spotify.exe"},    // a dialog of it
      {true, false, L"C:\\Windows\\explorer.exe"},       {true, false, L"C:\\Apps\\Spotify\\Spotify.exe"},
      {true, false, L"C:\\Apps\\Spotify\\Spotify.exe"},
  };
  EXPECT_EQ(FindSourceWindow(windows, L"spotify.exe"), 3u);
  EXPECT_EQ(FindSourceWindow(windows, L"vlc.exe"), std::nullopt);
  EXPECT_EQ(FindSourceWindow(windows, L""), std::nullopt);
}

TEST(SourceAppTest, PackagedApplicationIdsAreOpenedThroughTheShellInstead) {
  EXPECT_FALSE(IsExecutableAppId(L"SpotifyAB.SpotifyMusic_zpdnekdrzrea0!Spotify"));
  EXPECT_TRUE(IsExecutableAppId(L"chrome.exe"));
  const std::vector<AppWindowFacts> windows = {{true, false, L"x!y"}};
  EXPECT_EQ(FindSourceWindow(windows, L"x!y"), std::nullopt);
}

}  // namespace
}  // namespace notch
