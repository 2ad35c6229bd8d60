// Post length limits: the common forums' defaults, and measuring code in
// the unit a forum counts.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "generator/white_space.h"

namespace tessaly {

enum class LengthUnit {
  Chars,       // characters (Unicode code points; in code page 936, its characters)
  Bytes,       // bytes as written
  Utf16Units,  // UTF-16 code units, as JavaScript's String length counts
};

std::string_view unitName(LengthUnit unit);

struct ForumLimit {
  std::string_view name;     // as --forum takes it
  std::string_view product;  // the forum software
  std::uint64_t limit;
  LengthUnit unit;
  std::string_view setting;  // the setting's name in that software
};

// The default post limits of a fresh installation; see the README for where
// each figure comes from.
std::span<const ForumLimit> forumLimits();
const ForumLimit* findForum(std::string_view name);

// The length of code written in pieces, in every unit at once. The code may
// arrive cut anywhere.
class CodeLength {
 public:
  explicit CodeLength(TextEncoding encoding) : encoding_(encoding) {}
  void add(std::string_view bytes);
  std::uint64_t in(LengthUnit unit) const;

 private:
  TextEncoding encoding_;
  std::uint64_t bytes_ = 0, chars_ = 0, extraUtf16_ = 0;
  bool pendingLead_ = false;  // code page 936: a lead byte waits for its partner
};

}  // namespace tessaly
