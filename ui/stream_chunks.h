// Where a text streamed into a rich-edit control may be cut into pieces.
//
// The control decodes each piece it is given on its own: a two-byte character
// cut between two pieces becomes garbage, and a CR LF cut in two becomes two
// line breaks. So a piece ends only where a character ends, and never just
// after a CR that more text follows.
#pragma once

#include <cstddef>
#include <string_view>

namespace tessaly {

// Code page 936's lead bytes.
constexpr bool isCp936LeadByte(unsigned char byte) {
  return byte >= 0x81 && byte <= 0xFE;
}

// How many bytes of `rest` the next piece takes, given room for `room`
// bytes (at least 4). All of `rest` when it fits.
std::size_t streamChunkLength(std::string_view rest, std::size_t room);

}  // namespace tessaly
