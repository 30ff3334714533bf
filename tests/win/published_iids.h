#pragma once
// Checks our own Windows Runtime declarations against the IIDs Windows
// publishes, read through Windows' own GUID parser so that the check does not
// rest on ours.
#include <windows.h>

#include <gtest/gtest.h>
#include <objbase.h>

#include <initializer_list>

namespace notch::testing {

struct PublishedIid {
  GUID declared;  // declared, or computed for a generic instance
  const wchar_t* published;
};

inline void ExpectPublishedIids(std::initializer_list<PublishedIid> cases) {
  for (const PublishedIid& c : cases) {
    GUID published{};
    EXPECT_EQ(IIDFromString(c.published, &published), S_OK) << c.published;
    EXPECT_TRUE(IsEqualGUID(c.declared, published)) << c.published;
  }
}

}  // namespace notch::testing
