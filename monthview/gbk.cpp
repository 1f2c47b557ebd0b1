#include "monthview/gbk.h"

namespace quillet {
namespace {

// Byte length of the UTF-8 sequence that `lead` starts, or 1 if malformed.
std::size_t SequenceLength(unsigned char lead) {
  if (lead >= 0xF5) return 1;
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  return 1;
}

constexpr std::string_view kEuroSign = "\u20AC";

}  // namespace

std::size_t GbkByteLength(std::string_view utf8) {
  std::size_t length = 0;
  for (std::size_t pos = 0; pos < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[pos]);
    std::size_t step = lead < 0x80 ? 1 : SequenceLength(lead);
    if (pos + step > utf8.size()) step = 1;
    if (step == 1) {
      length += 1;  // ASCII, or a stray byte
    } else {
      length += utf8.substr(pos, step) == kEuroSign ? 1 : 2;
    }
    pos += step;
  }
  return length;
}

}  // namespace quillet
