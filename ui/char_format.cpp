#include "ui/char_format.h"

#include <cstring>

#include "generator/colour.h"

namespace tessaly {

CHARFORMATA toCharFormatA(const CharFormat& format) {
  CHARFORMATA result;
  std::memset(&result, 0, sizeof result);
  result.cbSize = sizeof result;
  result.dwMask = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT | CFM_PROTECTED |
                  CFM_OFFSET | CFM_FACE | CFM_COLOR | CFM_SIZE;
  std::memcpy(result.szFaceName, format.faceName, sizeof result.szFaceName);
  result.szFaceName[sizeof result.szFaceName - 1] = '\0';
  result.yHeight = format.pointSize * 20;
  result.yOffset = format.baselineOffset * 20;
  constexpr DWORD kEffects[] = {CFE_BOLD, CFE_ITALIC, CFE_UNDERLINE, CFE_STRIKEOUT, CFE_PROTECTED};
  for (unsigned bit = 0; bit < 5; ++bit)
    if (format.effects & (1u << bit)) result.dwEffects |= kEffects[bit];
  if (format.colour == AutoColour)
    result.dwEffects |= CFE_AUTOCOLOR;
  else
    result.crTextColor = format.colour;
  return result;
}

}  // namespace tessaly
