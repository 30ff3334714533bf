#pragma once
// One pass over an XML document's markup before RapidXml parses it.
//
// RapidXml does not check that a document is well-formed, parses elements
// recursively, and silently drops text that is only whitespace, which in TTML
// is what separates the words of adjacent spans. The scan rejects what XML
// calls not well-formed in the ways a document can slip past RapidXml, bounds
// the depth, and marks every whitespace-only run of text inside an element by
// overwriting its first byte, so that RapidXml keeps the run as a text node
// that the reader can recognise by its position.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace notch::lyrics {

// The offsets of the marked runs, in increasing order; nothing when the
// document is not one well-formed element (with only comments, processing
// instructions and whitespace around it) whose elements nest at most
// `max_depth` deep. Rejected besides: a document type declaration (or any
// "<!" markup other than comments and CDATA), an end tag that does not close
// the open element, an attribute repeated on one element, "<" in an attribute
// value, a "&" that does not begin one of the five predefined entities or a
// reference to a character XML allows, and control characters other than tab,
// line feed and carriage return.
std::optional<std::vector<std::size_t>> MarkWhitespaceText(std::string& xml, int max_depth);

}  // namespace notch::lyrics
