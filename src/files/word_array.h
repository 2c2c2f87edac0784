#pragma once

#include "files/memory_words.h"

#include <string>

// The memory image as microcontrollers and ROM programmers take it: a C array [32][32] of the
// smallest exact-width integer type that holds a word, and the bytes of that array. A chip's
// image is an array [lines][words a line] of its own.
namespace ondulix {

inline constexpr const char* kDefaultArrayName = "ondulix_table";

// A header that stands alone (include guard ONDULIX_<NAME>_H, <stdint.h>) and compiles cleanly as
// C99 and C++11, given a name that files/c_array_name.h accepts. The array's type is int8_t,
// int16_t or int32_t, or their uint forms for offset binary; a signed word is sign-extended to
// the type's width.
std::string cHeaderText(
    const WordImage& image, const std::string& arrayName, const std::string& sourceName);
std::string cHeaderText(const PatternTable& table, const WordFormat& words,
    const std::string& arrayName, const std::string& sourceName);

// The bytes of that array, as a little-endian machine lays it out: `bin` writes them raw.
std::string arrayBytes(const WordImage& image);

// That array's bytes, as a little-endian machine holds them from address 0, as Intel HEX: data
// records of 16 bytes, then the end-of-file record. The image is at most 4 KiB, so 16-bit
// addresses reach it all and no extended address record is needed.
std::string intelHexText(const WordImage& image);
std::string intelHexText(const PatternTable& table, const WordFormat& words);

// The same bytes as Motorola S-records: a header record, 16 data bytes a record at 16-bit
// addresses, and the end record.
std::string sRecordText(const WordImage& image);

} // namespace ondulix
