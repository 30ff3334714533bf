#pragma once
// A test fixture for code that shows texts: they are checked in English, and
// the language the process had is put back afterwards.
#include <gtest/gtest.h>

#include "host/language.h"

namespace notch::testing {

class EnglishTextsTest : public ::testing::Test {
 protected:
  EnglishTextsTest() : saved_(LanguageFlag()) { SetLanguageFlag(kEnglish); }
  ~EnglishTextsTest() override { SetLanguageFlag(saved_); }

 private:
  int saved_;
};

}  // namespace notch::testing
