// Lengths as the layout counts them: bytes of the GBK (code page 936) form
// of a UTF-8 text.
#pragma once

#include <cstddef>
#include <string_view>

namespace quillet {

// ASCII characters take one byte, every other character two, except the
// euro sign, which code page 936 keeps in the single byte 0x80. Every text
// the program writes is representable in GBK. A byte that starts no
// complete UTF-8 sequence counts as one.
std::size_t GbkByteLength(std::string_view utf8);

}  // namespace quillet
