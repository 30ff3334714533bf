#include "lyrics/xml_markup_scan.h"

#include <gtest/gtest.h>

#include <string>

#include "support/test_data.h"

namespace notch::lyrics {
namespace {

constexpr int kDepth = 32;

bool WellFormed(std::string xml) { return MarkWhitespaceText(xml, kDepth).has_value(); }

struct Verdict {
  const char* xml;
  bool well_formed;
};

// Each line one document and the verdict XML 1.0 gives it (Windows' XML
// reader agrees; Wine's is more lenient and is not the reference).
constexpr Verdict kCorpus[] = {
    {"<tt/>", true},
    {"\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!-- c --><tt>x</tt>\n<!-- after -->\n<?pi x?>\n", true},
    {"<tt a=\"1\" b='2' c = \"a > b\">Rock &amp; roll &lt;&gt;&apos;&quot;</tt>", true},
    {"<tt>&#233;&#xE9;&#x1F600;&#9;&#xD7FF;&#xE000;&#xFFFD;&#x10FFFF;</tt>", true},
    {"<tt a=\"&amp;&#65;\"><![CDATA[ & < ]]></tt>", true},
    {"<tt><p></p ><p/></tt>", true},
    {"<tt x:a=\"1\" y:a=\"2\"/>", true},  // different names, whatever their namespaces
    // References.
    {"<tt>Rock & roll</tt>", false},
    {"<tt>a&nbsp;b</tt>", false},
    {"<tt>a&amp b</tt>", false},
    {"<tt>&#0;</tt>", false},
    {"<tt>&#x0;</tt>", false},
    {"<tt>&#8;</tt>", false},
    {"<tt>&#xFFFE;</tt>", false},
    {"<tt>&#xD800;</tt>", false},
    {"<tt>&#x110000;</tt>", false},
    {"<tt>&#99999999999999999999;</tt>", false},
    {"<tt>&#;</tt>", false},
    {"<tt>&#x;</tt>", false},
    {"<tt>&#X41;</tt>", false},
    {"<tt>&#-65;</tt>", false},
    {"<tt>&#65</tt>", false},
    {"<tt a=\"Rock & roll\"/>", false},
    {"<tt a=\"&bogus;\"/>", false},
    // Attributes.
    {"<tt a=\"1\" a=\"2\"/>", false},
    {"<tt b=\"1\" a=\"2\" b='3'></tt>", false},
    {"<tt a=\"1\" b=\"1\" c=\"1\" d=\"1\" e=\"1\" f=\"1\" g=\"1\" h=\"1\" i=\"1\" j=\"1\"/>", true},
    {"<tt j=\"1\" b=\"1\" c=\"1\" d=\"1\" e=\"1\" f=\"1\" g=\"1\" h=\"1\" i=\"1\" j=\"2\"/>", false},
    {"<tt a=\"1\" b=\"1\" c=\"1\" d=\"1\" e=\"1\" f=\"1\" g=\"1\" a=\"1\"/>", false},
    {"<tt a=\"<b>\"/>", false},
    {"<tt a='x<y'/>", false},
    {"<tt a=\"x&amp;\" b='&lt;'/>", true},
    {"<tt a=1/>", false},
    {"<tt a/>", false},
    {"<tt a=\"1\"b=\"2\"/>", false},
    {"<tt a=\"1/>", false},
    // Structure.
    {"<tt/><tt/>", false},
    {"<tt></tt><!-- c --><tt></tt>", false},
    {"<tt></tt>text", false},
    {"text<tt></tt>", false},
    {"<tt></tt><![CDATA[x]]>", false},
    {"<tt><p></tt></p>", false},
    {"<tt><p></span></tt>", false},
    {"<tt><p>", false},
    {"</tt>", false},
    {"<tt></tt></tt>", false},
    {"< tt/>", false},
    {"", false},
    {"  \n", false},
    {"<!DOCTYPE tt><tt/>", false},
    {"<tt>\x01</tt>", false},
    {"<tt a=\"\x1F\"/>", false},
    {"<tt><!-- open </tt>", false},
};

TEST(XmlMarkupScanTest, GivesEveryDocumentOfTheCorpusItsVerdict) {
  for (const Verdict& entry : kCorpus) EXPECT_EQ(WellFormed(entry.xml), entry.well_formed) << entry.xml;
}

TEST(XmlMarkupScanTest, TheServicesDocumentsAndTheFuzzSeedsAreWellFormed) {
  for (const wchar_t* file :
       {L"lyrics\\word-timed.ttml", L"fuzz\\lyrics_ttml\\line-timed.ttml", L"fuzz\\lyrics_ttml\\prefixed.ttml",
        L"fuzz\\lyrics_ttml\\word-timed.ttml", L"fuzz\\lyrics_ttml\\entities.ttml"}) {
    EXPECT_TRUE(WellFormed(testing::ReadTestData(file))) << testing::ReadTestData(file);
  }
  EXPECT_FALSE(WellFormed(testing::ReadTestData(L"fuzz\\lyrics_ttml\\not-well-formed.ttml")));
}

TEST(XmlMarkupScanTest, MarksWhitespaceRunsInsideTheRootOnly) {
  std::string xml = " <tt> <p>a b</p>\n<p> </p></tt> ";
  const auto runs = MarkWhitespaceText(xml, kDepth);
  ASSERT_TRUE(runs);
  EXPECT_EQ(*runs, (std::vector<std::size_t>{5, 16, 20}));
  EXPECT_EQ(xml, " <tt>.<p>a b</p>.<p>.</p></tt> ");
}

TEST(XmlMarkupScanTest, DepthCountsOpenElementsOnly) {
  const auto nested = [](int levels, const char* leaf) {
    std::string xml;
    for (int i = 0; i < levels; ++i) xml += "<a>";
    xml += leaf;
    for (int i = 0; i < levels; ++i) xml += "</a>";
    return WellFormed(xml);
  };
  EXPECT_TRUE(nested(kDepth, "<b/>"));
  EXPECT_FALSE(nested(kDepth, "<b></b>"));
}

}  // namespace
}  // namespace notch::lyrics
