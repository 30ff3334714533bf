#include "render/svg_subset.h"

#include <gtest/gtest.h>

namespace notch {
namespace {

using K = PathSegment::Kind;

TEST(SvgSubsetTest, ReadsTheSizeAndFlipsThePathAgainstTheHeight) {
  const auto svg =
      ReadSvgSubset("<svg width='24' height='20'><path d='M 2 2 L 22,2 Q 12 18 2 2 Z M 5 5 L 6 6'/></svg>");
  ASSERT_TRUE(svg);
  EXPECT_EQ(svg->width, 24.0f);
  EXPECT_EQ(svg->height, 20.0f);
  ASSERT_EQ(svg->figures.size(), 2u);
  const PathData& first = svg->figures[0];
  EXPECT_EQ(first.start, (PointF{2, 18}));
  ASSERT_EQ(first.segments.size(), 2u);
  EXPECT_EQ(first.segments[0], (PathSegment{K::Line, {}, 0, {22, 18}}));
  EXPECT_EQ(first.segments[1], (PathSegment{K::Quadratic, {12, 2}, 0, {2, 18}}));
  EXPECT_TRUE(first.closed);
  EXPECT_FALSE(svg->figures[1].closed);  // still open at the end of the data
  EXPECT_EQ(svg->figures[1].segments[0].end, (PointF{6, 14}));
}

TEST(SvgSubsetTest, NumbersAreReadLikeTheCLibraryReadsThem) {
  const auto svg = ReadSvgSubset("width=' 16px' height='1.6e1' d='M-1.5,+2e0L.5\n\t3'");
  ASSERT_TRUE(svg);
  EXPECT_EQ(svg->width, 16.0f);
  EXPECT_EQ(svg->height, 16.0f);
  ASSERT_EQ(svg->figures.size(), 1u);
  EXPECT_EQ(svg->figures[0].start, (PointF{-1.5f, 14}));
  EXPECT_EQ(svg->figures[0].segments[0].end, (PointF{0.5f, 13}));
}

TEST(SvgSubsetTest, OtherCommandsAndLettersAreSkippedOneCharacterAtATime) {
  // Relative and cubic commands are not part of the subset: their letters
  // are skipped and their numbers belong to no command.
  const auto svg = ReadSvgSubset("width='10' height='10' d='M 1 1 l 5 5 C 1 2 3 4 5 6 L 9 9 x Z'");
  ASSERT_TRUE(svg);
  ASSERT_EQ(svg->figures.size(), 1u);
  ASSERT_EQ(svg->figures[0].segments.size(), 1u);
  EXPECT_EQ(svg->figures[0].segments[0].end, (PointF{9, 1}));
  EXPECT_TRUE(svg->figures[0].closed);
}

TEST(SvgSubsetTest, SegmentsOutsideAFigureAreDropped) {
  const auto svg = ReadSvgSubset("width='10' height='10' d='L 1 1 M 2 2 Z Q 1 1 3 3 Z'");
  ASSERT_TRUE(svg);
  ASSERT_EQ(svg->figures.size(), 1u);
  EXPECT_TRUE(svg->figures[0].segments.empty());
}

TEST(SvgSubsetTest, ASizeThatIsNotPositiveOrDoubleQuotesAreNotRecognised) {
  EXPECT_FALSE(ReadSvgSubset("width='0' height='24' d='M 1 1 L 2 2'"));
  EXPECT_FALSE(ReadSvgSubset("height='24' d='M 1 1 L 2 2'"));
  EXPECT_FALSE(ReadSvgSubset("width='24' height='-3' d='M 1 1 L 2 2'"));
  EXPECT_FALSE(ReadSvgSubset("width='24' height='nan' d='M 1 1 L 2 2'"));
  EXPECT_FALSE(ReadSvgSubset("width='24' height='24' d=\"M 1 1 L 2 2\""));
  EXPECT_FALSE(ReadSvgSubset("width='24' height='24' data='M 1 1'"));  // needs the space before d
}

TEST(SvgSubsetTest, PathDataRunsToTheEndWhenItsQuoteIsMissing) {
  const auto svg = ReadSvgSubset("width='24' height='24' d='M 1 1 L 2 2");
  ASSERT_TRUE(svg);
  ASSERT_EQ(svg->figures.size(), 1u);
  EXPECT_EQ(svg->figures[0].segments.size(), 1u);
}

TEST(SvgSubsetTest, NumbersTooLargeForAFloatReadAsZero) {
  const auto svg = ReadSvgSubset("width='24' height='24' d='M 1e39 -1e300 L inf 2'");
  ASSERT_TRUE(svg);
  ASSERT_EQ(svg->figures.size(), 1u);
  EXPECT_EQ(svg->figures[0].start, (PointF{0, 24}));
  EXPECT_EQ(svg->figures[0].segments[0].end.x, 0.0f);
}

TEST(SvgSubsetTest, FiguresFarFromTheOriginAreNotASymbol) {
  // Flipped against a huge height the point lands where no box could hold it.
  EXPECT_FALSE(ReadSvgSubset("width='25' height='2.4e37' d='M 4e24 0'"));
  EXPECT_FALSE(ReadSvgSubset("width='2.4e38' height='24' d='M 4 0'"));
  EXPECT_FALSE(ReadSvgSubset("width='24' height='24' d='M 1 1 Q 2e6 1 3 3'"));
  EXPECT_TRUE(ReadSvgSubset("width='24' height='24' d='M -9e5 1 L 9e5 2'"));
}

}  // namespace
}  // namespace notch
