#include "ui/stream_chunks.h"

namespace tessaly {

std::size_t streamChunkLength(std::string_view rest, std::size_t room) {
  if (rest.size() <= room) return rest.size();
  std::size_t end = 0;         // the last character boundary within the room
  std::size_t crRunStart = 0;  // where the trailing run of lone CRs begins
  for (std::size_t pos = 0; pos < room;) {
    const bool pair =
        isCp936LeadByte(static_cast<unsigned char>(rest[pos])) && pos + 1 < rest.size();
    const std::size_t length = pair ? 2 : 1;
    if (pos + length > room) break;
    const bool cr = !pair && rest[pos] == '\r';
    if (!cr) crRunStart = pos + length;
    pos += length;
    end = pos;
  }
  // Keep a run of CRs together with whatever follows it ("\r\n", "\r\r\n").
  if (crRunStart > 0) return crRunStart;
  // A room full of CRs: cut anyway rather than never.
  return end > 0 ? end : room;
}

}  // namespace tessaly
