// Byte rules of code page 936 (GBK), where a lead byte 0x81 to 0xFE takes the byte after it along.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace text {

// The length of `bytes` without a lead byte left alone at the end, as a value cut inside a double-byte
// character may end.
std::size_t WithoutLoneLeadByte(std::string_view bytes);

// A text field of `size` bytes: the text, cut at a character boundary so that its NUL fits, the NUL, then
// blanks up to the end.
std::string PaddedField(std::string_view bytes, std::size_t size);

}  // namespace text
