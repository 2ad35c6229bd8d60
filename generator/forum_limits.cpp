#include "generator/forum_limits.h"

#include <array>

namespace tessaly {
namespace {

constexpr std::array<ForumLimit, 6> kForums = {{
    {"phpbb", "phpBB 3", 60000, LengthUnit::Chars, "max_post_chars"},
    {"discourse", "Discourse", 32000, LengthUnit::Chars, "max_post_length"},
    {"vbulletin", "vBulletin", 10000, LengthUnit::Chars, "Maximum Characters Per Post"},
    {"smf", "Simple Machines Forum", 20000, LengthUnit::Chars, "max_messageLength"},
    {"nodebb", "NodeBB", 32767, LengthUnit::Utf16Units, "maximumPostLength"},
    {"discuz", "Discuz!", 10000, LengthUnit::Bytes, "maxpostsize"},
}};

}  // namespace

std::string_view unitName(LengthUnit unit) {
  switch (unit) {
    case LengthUnit::Chars:
      return "chars";
    case LengthUnit::Bytes:
      return "bytes";
    case LengthUnit::Utf16Units:
      return "UTF-16 units";
  }
  return {};
}

std::span<const ForumLimit> forumLimits() {
  return kForums;
}

const ForumLimit* findForum(std::string_view name) {
  for (const ForumLimit& forum : kForums)
    if (forum.name == name) return &forum;
  return nullptr;
}

void CodeLength::add(std::string_view bytes) {
  bytes_ += bytes.size();
  if (encoding_ == TextEncoding::Utf8) {
    // Branch-free, so the compiler can count many bytes at a time.
    std::uint64_t starts = 0, fourByte = 0;
    for (const char c : bytes) {
      const auto byte = static_cast<unsigned char>(c);
      starts += (byte & 0xC0) != 0x80;
      fourByte += byte >= 0xF0;  // four-byte forms are surrogate pairs in UTF-16
    }
    chars_ += starts;
    extraUtf16_ += fourByte;
    return;
  }
  for (const char c : bytes) {
    if (pendingLead_) {
      pendingLead_ = false;
      continue;
    }
    ++chars_;
    pendingLead_ = static_cast<unsigned char>(c) >= 0x80;
  }
}

std::uint64_t CodeLength::in(LengthUnit unit) const {
  switch (unit) {
    case LengthUnit::Chars:
      return chars_;
    case LengthUnit::Bytes:
      return bytes_;
    case LengthUnit::Utf16Units:
      return chars_ + extraUtf16_;
  }
  return 0;
}

}  // namespace tessaly
