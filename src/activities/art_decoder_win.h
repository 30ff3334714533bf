#pragma once
// Decoding album art with WIC: frame 0, scaled with Fant interpolation to at
// most 192 pixels on its longer side, as premultiplied BGRA.
#include <objidl.h>

#include <optional>

#include "activities/media_art_loader.h"

namespace notch {

std::optional<DecodedArt> DecodeArtImage(IStream* stream);

}  // namespace notch
