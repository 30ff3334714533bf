#pragma once
// DirectWrite behind the canvas's text: the shared factory, one text format
// per distinct TextFormat value, and single-line measuring.
#include <dwrite.h>

#include <string_view>

#include "render/text_format.h"

namespace notch {

// The shared factory, made on first use; null when it cannot be made.
IDWriteFactory* DirectWrite();

// The platform format of `format`, made once and kept; null when DirectWrite
// refuses it.
IDWriteTextFormat* DirectWriteFormat(const TextFormat& format);

// The width of a single-line layout of `text`; 0 when it cannot be made.
float MeasureTextWidthWithDirectWrite(std::wstring_view text, const TextFormat& format);

}  // namespace notch
