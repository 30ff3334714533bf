#pragma once
// The drawn picture of a file without a thumbnail: a page with a folded
// corner, marked by the file's type with text lines, a zipper, a glyph or the
// extension as a label.
#include <string>
#include <string_view>

#include "render/canvas.h"
#include "render/fonts.h"

namespace notch {

enum class BadgeFamily { Archive, Text, Audio, Video, Image, Pdf, Other };

// `extension`: lower-case, without the dot.
BadgeFamily BadgeFamilyFor(std::wstring_view extension);

// The label's text: the first four characters, upper-cased.
std::wstring BadgeLabel(std::wstring_view extension);

// Draws the badge of `size` x `size` pixels at the canvas's origin; false
// (and nothing drawn) when the size is 7 or less.
bool DrawDocumentBadge(Canvas& canvas, int size, std::wstring_view extension, const FontSet& fonts);

}  // namespace notch
