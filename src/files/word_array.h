#pragma once

#include "files/memory_words.h"

#include <string>

// The memory image as microcontrollers and ROM programmers take it: a C array [32][32] of the
// smallest exact-width integer type that holds a word, and the bytes of that array.
namespace ondulix {

inline constexpr const char* kDefaultArrayName = "ondulix_table";

// A header that stands alone (include guard ONDULIX_<NAME>_H, <stdint.h>) and compiles cleanly as
// C99 and C++11, given a name that files/c_array_name.h accepts. The array's type is int8_t,
// int16_t or int32_t, or their uint forms for offset binary; a signed word is sign-extended to
// the type's width.
std::string cHeaderText(const PatternTable& table, const WordFormat& words,
    const std::string& arrayName, const std::string& sourceName);

// That array's bytes, as a little-endian machine holds them from address 0, as Intel HEX: data
// records of 16 bytes, then the end-of-file record. The image is at most 4 KiB, so 16-bit
// addresses reach it all and no extended address record is needed.
std::string intelHexText(const PatternTable& table, const WordFormat& words);

} // namespace ondulix
