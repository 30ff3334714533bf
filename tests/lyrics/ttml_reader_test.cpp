#include "lyrics/ttml_reader.h"

#include <gtest/gtest.h>

#include <string>

#include "common/text.h"
#include "support/test_data.h"

namespace notch::lyrics {
namespace {

const Credit kCredit{L"Source", L"https://source.example", L"", L""};

// A TTML document whose body holds `content`.
std::string Document(std::string_view content) {
  return "<tt xmlns=\"http://www.w3.org/ns/ttml\" xmlns:ttm=\"http://www.w3.org/ns/ttml#metadata\"><body>" +
         std::string(content) + "</body></tt>";
}

std::optional<Sheet> Read(std::string_view content) { return ReadTtml(Document(content), kCredit); }

// The words of a line as the text they cover.
std::vector<std::wstring> WordTexts(const Line& line) {
  std::vector<std::wstring> texts;
  for (const Word& word : line.words) texts.push_back(line.text.substr(word.offset, word.length));
  return texts;
}

TEST(TtmlReaderTest, ReadsTheServicesWordTimedStyleWithBareSeconds) {
  const std::optional<Sheet> sheet = ReadTtml(testing::ReadTestData(L"lyrics\\word-timed.ttml"), kCredit);
  ASSERT_TRUE(sheet);
  ASSERT_EQ(sheet->lines.size(), 4u);
  EXPECT_EQ(KindOf(&*sheet), SheetKind::WordSynced);
  EXPECT_EQ(sheet->credit, kCredit);

  const Line& first = sheet->lines[0];
  EXPECT_EQ(first.start, 1078);
  EXPECT_EQ(first.end, 4512);
  EXPECT_EQ(first.text, L"Paper boats on the rain");
  EXPECT_EQ(WordTexts(first), (std::vector<std::wstring>{L"Paper", L"boats", L"on", L"the", L"rain"}));
  EXPECT_EQ(first.words[1], (Word{1650, 2200, 6, 5}));

  EXPECT_EQ(sheet->lines[1].text, L"Folding light");  // background vocals dropped
  EXPECT_EQ(WordTexts(sheet->lines[1]), (std::vector<std::wstring>{L"Fol", L"ding", L"light"}));

  const Line& across_the_minute = sheet->lines[2];
  EXPECT_EQ(across_the_minute.start, 58900);
  EXPECT_EQ(across_the_minute.end, 62300);
  EXPECT_EQ(across_the_minute.text, L"Count the minutes");  // translation dropped
  EXPECT_EQ(across_the_minute.words[2].start, 60400);

  // A word that ends after its line is text but not a word.
  EXPECT_EQ(sheet->lines[3].text, L"Hold on");
  EXPECT_EQ(WordTexts(sheet->lines[3]), (std::vector<std::wstring>{L"Hold"}));
}

TEST(TtmlReaderTest, AdjacentSyllablesJoinAndASpaceBetweenSpansSeparatesThem) {
  const std::optional<Sheet> joined = Read(
      "<p begin=\"1s\" end=\"3s\"><span begin=\"1s\" end=\"2s\">Hel</span><span begin=\"2s\" end=\"3s\">lo</span></p>");
  ASSERT_TRUE(joined);
  EXPECT_EQ(joined->lines[0].text, L"Hello");
  EXPECT_EQ(joined->lines[0].words, (std::vector<Word>{{1000, 2000, 0, 3}, {2000, 3000, 3, 2}}));

  const std::optional<Sheet> apart = Read(
      "<p begin=\"1s\" end=\"3s\"><span begin=\"1s\" end=\"2s\">Hel</span>\n\t<span begin=\"2s\" "
      "end=\"3s\">lo</span></p>");
  ASSERT_TRUE(apart);
  EXPECT_EQ(apart->lines[0].text, L"Hel lo");
  EXPECT_EQ(apart->lines[0].words[1], (Word{2000, 3000, 4, 2}));
}

TEST(TtmlReaderTest, WhitespaceBecomesSingleSpacesInsideTheLineOnly) {
  const std::optional<Sheet> sheet = Read(
      "<p begin=\"0.5\" end=\"2\">\n   Two \r\n\t words <!-- note --> <span begin=\"1\" end=\"2\">  here  </span>\n "
      "</p>");
  ASSERT_TRUE(sheet);
  EXPECT_EQ(sheet->lines[0].text, L"Two words here");
  EXPECT_EQ(sheet->lines[0].words, (std::vector<Word>{{1000, 2000, 10, 4}}));
}

TEST(TtmlReaderTest, ParagraphsWithoutAValidSpanOfTimeContributeNothing) {
  const std::optional<Sheet> sheet = Read(
      "<p begin=\"1\">no end</p><p begin=\"2\" end=\"2\">empty span</p><p begin=\"3\" end=\"2\">backwards</p>"
      "<p begin=\"1:60\" end=\"5\">bad time</p><p begin=\"4\" end=\"5\">kept</p><p begin=\"6\" end=\"7\">  </p>");
  ASSERT_TRUE(sheet);
  ASSERT_EQ(sheet->lines.size(), 1u);
  EXPECT_EQ(sheet->lines[0].text, L"kept");
  EXPECT_FALSE(Read("<p begin=\"1\">only this</p>"));
}

TEST(TtmlReaderTest, WordsMustLieWithinTheirLine) {
  const std::optional<Sheet> sheet = Read(
      "<p begin=\"2\" end=\"4\"><span begin=\"1\" end=\"3\">early</span> <span begin=\"3\" end=\"3\">still</span> "
      "<span begin=\"3\" end=\"4\">fits</span> <span begin=\"3\" end=\"4.001\">late</span></p>");
  ASSERT_TRUE(sheet);
  EXPECT_EQ(sheet->lines[0].text, L"early still fits late");
  EXPECT_EQ(WordTexts(sheet->lines[0]), (std::vector<std::wstring>{L"fits"}));
  EXPECT_EQ(KindOf(&*sheet), SheetKind::WordSynced);
}

TEST(TtmlReaderTest, SpansInsideAWordAddTextButNoWords) {
  const std::optional<Sheet> sheet =
      Read("<p begin=\"0\" end=\"4\"><span begin=\"0\" end=\"2\">out<span begin=\"0\" end=\"1\">er</span></span></p>");
  ASSERT_TRUE(sheet);
  EXPECT_EQ(sheet->lines[0].text, L"outer");
  EXPECT_EQ(sheet->lines[0].words, (std::vector<Word>{{0, 2000, 0, 5}}));
}

TEST(TtmlReaderTest, BackgroundTranslationAndRomanisationSpansAreDroppedByTheirMetadataRole) {
  const std::optional<Sheet> sheet = Read(
      "<p begin=\"0\" end=\"4\" xmlns:m=\"http://www.w3.org/ns/ttml#metadata\" xmlns:o=\"urn:other\">"
      "sung<span ttm:role=\"x-bg\"> bg</span><span m:role=\"x-roman\"> roman</span>"
      "<span ttm:role=\"x-translation\"> tr</span><span o:role=\"x-bg\"> other</span>"
      "<span role=\"x-bg\"> plain</span><span ttm:role=\"x-singer\"> kept</span></p>");
  ASSERT_TRUE(sheet);
  EXPECT_EQ(sheet->lines[0].text, L"sung other plain kept");
}

TEST(TtmlReaderTest, OnlyTtmlElementsInTheBodyCount) {
  EXPECT_FALSE(ReadTtml("<tt><body><p begin=\"0\" end=\"1\">no namespace</p></body></tt>", kCredit));
  EXPECT_FALSE(ReadTtml("<tt xmlns=\"http://www.w3.org/ns/ttml\"><p begin=\"0\" end=\"1\">outside</p></tt>", kCredit));
  EXPECT_FALSE(ReadTtml(
      "<tt xmlns=\"http://www.w3.org/ns/ttml\"><div><body><p begin=\"0\" end=\"1\">deep body</p></body></div></tt>",
      kCredit));

  const std::optional<Sheet> prefixed = ReadTtml(
      "<t:tt xmlns:t=\"http://www.w3.org/ns/ttml\"><t:body><t:div><t:p begin=\"0\" end=\"1\">"
      "a<x:p xmlns:x=\"urn:other\" begin=\"0\" end=\"1\">b</x:p></t:p></t:div></t:body></t:tt>",
      kCredit);
  ASSERT_TRUE(prefixed);
  EXPECT_EQ(prefixed->lines[0].text, L"ab");
}

TEST(TtmlReaderTest, ParagraphInsideAnOpenLineIsJustText) {
  const std::optional<Sheet> sheet = Read("<p begin=\"0\" end=\"2\">one <p begin=\"1\" end=\"2\">two</p> three</p>");
  ASSERT_TRUE(sheet);
  ASSERT_EQ(sheet->lines.size(), 1u);
  EXPECT_EQ(sheet->lines[0].text, L"one two three");
}

TEST(TtmlReaderTest, EntitiesAndCdataAreText) {
  const std::optional<Sheet> sheet =
      Read("<p begin=\"0\" end=\"1\">Rock &amp; roll &#233;&#x41;<![CDATA[ <raw> ]]>end</p>");
  ASSERT_TRUE(sheet);
  EXPECT_EQ(sheet->lines[0].text, L"Rock & roll \u00E9A <raw> end");
}

TEST(TtmlReaderTest, LinesAreSortedStablyAndCarryTheCredit) {
  const std::optional<Sheet> sheet =
      Read("<p begin=\"5\" end=\"6\">b</p><p begin=\"1\" end=\"2\">a</p><p begin=\"5\" end=\"7\">c</p>");
  ASSERT_TRUE(sheet);
  ASSERT_EQ(sheet->lines.size(), 3u);
  EXPECT_EQ(sheet->lines[0].text + sheet->lines[1].text + sheet->lines[2].text, L"abc");
  EXPECT_EQ(KindOf(&*sheet), SheetKind::LineSynced);
  EXPECT_EQ(sheet->credit, kCredit);
  EXPECT_FALSE(ReadTtml(Document("<p begin=\"1\" end=\"2\">a</p>"), std::nullopt)->credit);
}

TEST(TtmlReaderTest, ALineOverTheLengthCapRejectsTheWholeDocument) {
  const std::string fits = "<p begin=\"0\" end=\"1\">" + std::string(kMaxBuiltLineLength, 'a') + "</p>";
  EXPECT_TRUE(Read(fits));
  const std::string too_long = "<p begin=\"0\" end=\"1\">" + std::string(kMaxBuiltLineLength + 1, 'a') + "</p>";
  EXPECT_FALSE(Read("<p begin=\"0\" end=\"1\">fine</p>" + too_long));
  // Runs of whitespace count as the one space they become.
  EXPECT_TRUE(Read("<p begin=\"0\" end=\"1\">" + std::string(kMaxBuiltLineLength - 1, 'a') + "   \n  </p>"));
}

TEST(TtmlReaderTest, TheLengthCapCountsEveryKindOfCharacterAlike) {
  const auto line = [](std::size_t letters, const char* tail) {
    return Read("<p begin=\"0\" end=\"1\">" + std::string(letters, 'a') + tail + "</p>");
  };
  EXPECT_TRUE(line(kMaxBuiltLineLength - 1, "\xC3\xA9"));
  EXPECT_FALSE(line(kMaxBuiltLineLength, "\xC3\xA9"));
  EXPECT_TRUE(line(kMaxBuiltLineLength - 1, "&amp;"));
  EXPECT_FALSE(line(kMaxBuiltLineLength, "&#65;"));
  // A character beyond the first plane takes two units where they are UTF-16.
  const std::size_t astral_units = sizeof(wchar_t) == 2 ? 2 : 1;
  EXPECT_TRUE(line(kMaxBuiltLineLength - astral_units, "\xF0\x9F\x98\x80"));
  EXPECT_FALSE(line(kMaxBuiltLineLength - astral_units + 1, "\xF0\x9F\x98\x80"));
}

TEST(TtmlReaderTest, TextKeepsEveryCharacterBetweenTheCollapsedSpaces) {
  const std::optional<Sheet> sheet = Read(
      "<p begin=\"0\" end=\"9\">\t Caf\xC3\xA9&amp;co\x7F <span begin=\"1\" end=\"2\">~\xF0\x9F\x98\x80!</span>"
      "\r\n<![CDATA[<raw>]]>  z</p>");
  ASSERT_TRUE(sheet);
  std::wstring expected = L"Caf\u00E9&co\u007F ~";
  AppendCodePoint(expected, U'\U0001F600');
  expected += L"! <raw> z";
  EXPECT_EQ(sheet->lines[0].text, expected);
  ASSERT_EQ(sheet->lines[0].words.size(), 1u);
  EXPECT_EQ(WordTexts(sheet->lines[0])[0].substr(0, 1), L"~");
}

TEST(TtmlReaderTest, ARoleDeclaredAfterItsUseOnTheSameSpanStillDropsIt) {
  const std::optional<Sheet> sheet = Read(
      "<p begin=\"0\" end=\"4\">sung<span r:role=\"x-bg\" xmlns:r=\"http://www.w3.org/ns/ttml#metadata\"> bg</span>"
      "<span begin=\"1\" end=\"2\" xmlns:q=\"urn:q\"> word</span></p>");
  ASSERT_TRUE(sheet);
  EXPECT_EQ(sheet->lines[0].text, L"sung word");
  EXPECT_EQ(sheet->lines[0].words, (std::vector<Word>{{1000, 2000, 5, 4}}));
}

TEST(TtmlReaderTest, MoreThanTheLineCapRejectsTheWholeDocument) {
  std::string lines;
  for (std::size_t i = 0; i < kMaxTimedLines; ++i) lines += "<p begin=\"0\" end=\"1\">x</p>";
  const std::optional<Sheet> full = Read(lines);
  ASSERT_TRUE(full);
  EXPECT_EQ(full->lines.size(), kMaxTimedLines);
  EXPECT_FALSE(Read(lines + "<p begin=\"0\" end=\"1\">x</p>"));
  EXPECT_TRUE(Read(lines + "<p begin=\"0\" end=\"1\"> </p>"));  // an empty line is not a line
}

TEST(TtmlReaderTest, ElementsNestedDeeperThanThirtyTwoRejectTheDocument) {
  const auto nested = [](int levels) {
    std::string open;
    std::string close;
    for (int i = 0; i < levels; ++i) {
      open += "<span>";
      close += "</span>";
    }
    return Read("<p begin=\"0\" end=\"1\">" + open + "deep" + close + "</p>");
  };
  EXPECT_TRUE(nested(29));  // tt, body, p and 29 spans: 32 levels
  EXPECT_FALSE(nested(30));
  std::string open;
  std::string close;
  for (int i = 0; i < 29; ++i) {
    open += "<span>";
    close += "</span>";
  }
  // An empty element opens nothing, so it may stand below the deepest level.
  EXPECT_TRUE(Read("<p begin=\"0\" end=\"1\">" + open + "a<span/><span ttm:role=\"x-bg\"/>" + close + "</p>"));
  std::string hostile;
  for (int i = 0; i < 100000; ++i) hostile += "<a>";
  EXPECT_FALSE(ReadTtml(hostile, kCredit));  // would exhaust the stack if parsed
}

TEST(TtmlReaderTest, MalformedInputGivesNoSheet) {
  const std::string good = Document("<p begin=\"0\" end=\"1\">x</p>");
  ASSERT_TRUE(ReadTtml(good, kCredit));
  for (std::size_t length = 0; length < good.size(); ++length) {
    EXPECT_FALSE(ReadTtml(good.substr(0, length), kCredit)) << length;
  }
  const std::string cases[] = {
      "",
      Document("<p begin=\"0\" end=\"1\">x</span></p>"),
      Document("<p begin=\"0\" end=\"1\">x</p>") + "<tt/>",
      "<!DOCTYPE tt [<!ENTITY e \"boom\">]>" + Document("<p begin=\"0\" end=\"1\">&e;</p>"),
      Document("<p begin=\"0\" end=\"1\"><z:span>x</z:span></p>"),
      Document("<p begin=\"0\" end=\"1\" z:role=\"x\">x</p>"),
      Document("<p begin=\"0\" end=\"1\">x&#0;</p>"),
      Document("<p begin=\"0\" end=\"1\">x</p>").insert(30, std::string(1, '\0')),
      Document("<p begin=\"0\" end=\"1\">\xC3\x28</p>"),
      Document("<p begin=0 end=1>x</p>"),
      "</tt>" + good,
      "text" + good,
      // Not XML, though a lenient reader would show each as lyrics.
      Document("<p begin=\"0\" end=\"1\">Rock & roll</p>"),
      Document("<p begin=\"0\" end=\"1\">a&nbsp;b</p>"),
      Document("<p begin=\"0\" end=\"1\" end=\"2\">x</p>"),
      Document("<p begin=\"0\" end=\"1\" ttm:agent=\"<v1>\">x</p>"),
      Document("<p begin=\"0\" end=\"1\">x</p>") + "<!-- c -->" + Document("<p begin=\"0\" end=\"1\">y</p>"),
      Document("<p begin=\"0\" end=\"1\"><span>x</p></span>"),
  };
  for (const std::string& document : cases) EXPECT_FALSE(ReadTtml(document, kCredit)) << document;
}

struct Verdict {
  std::string_view xml;
  bool well_formed;
};

// Markup standing in the body after a good line, and the verdict XML 1.0
// gives it; a document that is not well-formed gives no sheet at all.
constexpr Verdict kMarkupInTheBody[] = {
    {"<x a=\"1\" b='2' c = \"a > b\">Rock &amp; roll &lt;&gt;&apos;&quot; a > b</x>", true},
    {"<x>&#233;&#xE9;&#x1F600;&#9;&#xD7FF;&#xE000;&#xFFFD;&#x10FFFF;&#00065;</x>", true},
    {"<x a=\"&amp;&#65;\"><![CDATA[ & < \x01 ]]></x>", true},
    {"<x><y></y ><y/><y\t/><?pi x?><!-- c --></x>", true},
    {"<x ttm:a=\"1\" xml:a=\"2\" a=\"3\"/>", true},  // different names, whatever their namespaces
    {"<x a=\"1\" b=\"1\" c=\"1\" d=\"1\" e=\"1\" f=\"1\" g=\"1\" h=\"1\" i=\"1\" j=\"1\"/>", true},
    {"<x!y></x!y>", true},
    // References.
    {"Rock & roll", false},
    {"a&nbsp;b", false},
    {"a&amp b", false},
    {"&#0;", false},
    {"&#x0;", false},
    {"&#8;", false},
    {"&#xFFFE;", false},
    {"&#xD800;", false},
    {"&#x110000;", false},
    {"&#99999999999999999999;", false},
    {"&#;", false},
    {"&#x;", false},
    {"&#X41;", false},
    {"&#-65;", false},
    {"&#65", false},
    {"<x a=\"Rock & roll\"/>", false},
    {"<x a=\"&bogus;\"/>", false},
    {"<x a=\"&#65\"/>", false},
    // Characters.
    {"\x01", false},
    {"<x a=\"\x1F\"/>", false},
    {"<x a=\"<b>\"/>", false},
    {"<x a='x<y'/>", false},
    // Attributes.
    {"<x a=\"1\" a=\"2\"/>", false},
    {"<x b=\"1\" a=\"2\" b='3'></x>", false},
    {"<x j=\"1\" b=\"1\" c=\"1\" d=\"1\" e=\"1\" f=\"1\" g=\"1\" h=\"1\" i=\"1\" j=\"2\"/>", false},
    {"<x a=\"1\" b=\"1\" c=\"1\" d=\"1\" e=\"1\" f=\"1\" g=\"1\" a=\"1\"/>", false},
    {"<x a=1/>", false},
    {"<x a/>", false},
    {"<x a=\"1\"b=\"2\"/>", false},
    {"<x a=\"1/>", false},
    {"<x a?=\"1\"/>", false},
    {"<x a!=\"1\"/>", false},
    {"<x ?a=\"1\"/>", false},
    // Names and tags.
    {"<x?y/>", false},
    {"<x=y/>", false},
    {"<x<y/>", false},
    {"< x/>", false},
    {"<x/ >", false},
    {"<x></x?>", false},
    {"<x></x=>", false},
    {"<x></ x>", false},
    {"<x></X>", false},
    {"<x>", false},
    {"</x>", false},
    {"<!DOCTYPE x>", false},
    {"<!ELEMENT x>", false},
    {"<!-- open", false},
    {"<![CDATA[ open", false},
    {"<?pi open", false},
};

TEST(TtmlReaderTest, ReadsOnlyWellFormedXml) {
  const std::string line = "<p begin=\"0\" end=\"1\">x</p>";
  for (const Verdict& entry : kMarkupInTheBody) {
    const std::string content = line + std::string(entry.xml);
    EXPECT_EQ(Read(content).has_value(), entry.well_formed) << entry.xml;
    // Markup is checked alike inside a line and inside content that is not read.
    EXPECT_EQ(Read("<p begin=\"0\" end=\"1\">x" + std::string(entry.xml) + "</p>").has_value(), entry.well_formed)
        << entry.xml;
    EXPECT_EQ(Read(line + "<p begin=\"1\">" + std::string(entry.xml) + "</p>").has_value(), entry.well_formed)
        << entry.xml;
  }
}

TEST(TtmlReaderTest, OnlyCommentsInstructionsAndWhitespaceMayStandAroundTheRoot) {
  const std::string good = Document("<p begin=\"0\" end=\"1\">x</p>");
  EXPECT_TRUE(ReadTtml(
      "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!-- c -->" + good + "\n<!-- after -->\n<?pi x?>\n",
      kCredit));
  for (const std::string& document : {good + "<tt/>", good + "<!-- c --><tt></tt>", good + "text",
                                      good + "<![CDATA[x]]>", good + "</tt>", good + "&amp;", "&#32;" + good,
                                      "<!DOCTYPE tt>" + good, good + "<!-- open", "\xEF\xBB\xBF\xEF\xBB\xBF" + good}) {
    EXPECT_FALSE(ReadTtml(document, kCredit)) << document;
  }
}

TEST(TtmlReaderTest, ReferencesInTextJoinTheLineLikeTheCharactersTheyStandFor) {
  const std::optional<Sheet> sheet = Read(
      "<p begin=\"0\" end=\"2\">&#32;a&#x9;&#10; &#32;b&lt;&#x1F600;<span begin=\"1\" end=\"2\">&#32;c&amp;</span>"
      "&#13;</p>");
  ASSERT_TRUE(sheet);
  std::wstring expected = L"a b<";
  AppendCodePoint(expected, U'\U0001F600');
  expected += L" c&";
  EXPECT_EQ(sheet->lines[0].text, expected);
  EXPECT_EQ(WordTexts(sheet->lines[0]), (std::vector<std::wstring>{L"c&"}));
}

TEST(TtmlReaderTest, AttributeValuesAreReadWithTheirReferencesReplaced) {
  const std::optional<Sheet> sheet = Read(
      "<p begin=\"&#48;\" end='&#x32;s'><span begin=\"1&#46;5\" end=\"2\">word</span>"
      "<span xmlns:m=\"http://www.w3.org/ns/ttml&#35;metadata\" m:role=\"x&#45;bg\">bg</span></p>"
      "<p begin=\"3\" end=\"4\" xmlns:t=\"&#104;ttp://www.w3.org/ns/ttml\"><t:span begin=\"3\" "
      "end=\"4\">t</t:span></p>");
  ASSERT_TRUE(sheet);
  ASSERT_EQ(sheet->lines.size(), 2u);
  EXPECT_EQ(sheet->lines[0].start, 0);
  EXPECT_EQ(sheet->lines[0].end, 2000);
  EXPECT_EQ(sheet->lines[0].text, L"word");
  EXPECT_EQ(sheet->lines[0].words, (std::vector<Word>{{1500, 2000, 0, 4}}));
  EXPECT_EQ(sheet->lines[1].words, (std::vector<Word>{{3000, 4000, 0, 1}}));
}

TEST(TtmlReaderTest, ContentThatIsNotReadNeedsNoDeclaredPrefixesButStillEndsItsLine) {
  // The content of an ignored line or a dropped span is not read, so its
  // prefixes are never looked up; its end tags must still match.
  const std::optional<Sheet> sheet = Read(
      "<p begin=\"1\"><z:span>never</z:span></p>"
      "<p begin=\"0\" end=\"4\">a<span ttm:role=\"x-bg\"><z:x z:y=\"1\">b</z:x><p begin=\"0\" end=\"1\">c</p></span>"
      "<span begin=\"1\" end=\"2\">d</span></p>");
  ASSERT_TRUE(sheet);
  ASSERT_EQ(sheet->lines.size(), 1u);
  EXPECT_EQ(sheet->lines[0].text, L"ad");
  EXPECT_EQ(sheet->lines[0].words, (std::vector<Word>{{1000, 2000, 1, 1}}));
  EXPECT_FALSE(Read("<p begin=\"0\" end=\"4\">a<span ttm:role=\"x-bg\"><z:x>b</z:y></span></p>"));
  // Declarations on an ignored element end with it.
  EXPECT_FALSE(Read("<p begin=\"0\" end=\"4\"><span xmlns:z=\"urn:z\" ttm:role=\"x-bg\"/><z:span>a</z:span></p>"));
}

TEST(TtmlReaderTest, NamespaceDeclarationsEndWithTheirElement) {
  EXPECT_FALSE(Read("<p begin=\"0\" end=\"4\"><x xmlns:z=\"urn:z\"/><z:span>a</z:span></p>"));
  const std::optional<Sheet> sheet = Read(
      "<p begin=\"0\" end=\"4\"><x xmlns=\"urn:other\"><span begin=\"1\" end=\"2\">a</span></x>"
      "<span begin=\"2\" end=\"3\">b</span></p>");
  ASSERT_TRUE(sheet);
  EXPECT_EQ(sheet->lines[0].text, L"ab");
  EXPECT_EQ(sheet->lines[0].words, (std::vector<Word>{{2000, 3000, 1, 1}}));  // the first span is not TTML
}

TEST(TtmlReaderTest, EveryFuzzSeedReadsButTheMalformedOne) {
  for (const wchar_t* file : {L"fuzz\\lyrics_ttml\\line-timed.ttml", L"fuzz\\lyrics_ttml\\prefixed.ttml",
                              L"fuzz\\lyrics_ttml\\word-timed.ttml", L"fuzz\\lyrics_ttml\\entities.ttml",
                              L"fuzz\\lyrics_ttml\\references.ttml"}) {
    EXPECT_TRUE(ReadTtml(testing::ReadTestData(file), std::nullopt)) << testing::ReadTestData(file);
  }
  EXPECT_FALSE(ReadTtml(testing::ReadTestData(L"fuzz\\lyrics_ttml\\not-well-formed.ttml"), std::nullopt));
}

}  // namespace
}  // namespace notch::lyrics
