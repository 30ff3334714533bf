#pragma once
// One pass over an XML document's markup before RapidXml parses it.
//
// RapidXml parses elements recursively, so a hostile document nested deeply
// enough would exhaust the stack; and it silently drops text that is only
// whitespace, which in TTML is what separates the words of adjacent spans.
// The scan bounds the depth and marks every whitespace-only run of text
// inside an element by overwriting its first byte, so that RapidXml keeps the
// run as a text node that the reader can recognise by its position.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace notch::lyrics {

// The offsets of the marked runs, in increasing order; nothing when elements
// nest deeper than `max_depth`, the document holds a document type
// declaration (or any "<!" markup other than comments and CDATA), an end tag
// without a start, or ends inside markup.
std::optional<std::vector<std::size_t>> MarkWhitespaceText(std::string& xml, int max_depth);

}  // namespace notch::lyrics
