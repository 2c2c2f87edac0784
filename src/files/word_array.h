#pragma once

#include "files/memory_image.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The memory image as microcontrollers and ROM programmers take it: a C array [32][32] of the
// smallest exact-width integer type that holds a word, and the bytes of that array.
namespace ondulix {

// The size in bytes of that type: 1, 2 or 4 (int8_t, int16_t, int32_t or their uint forms).
int arrayElementBytes(int bits);

// Whether the array can take this name: a C identifier that is no keyword of C or C++.
bool isArrayName(std::string_view name);

// The 1024 values as the array's type holds them: a signed word sign-extended to the type's
// width, or the offset-binary word with --unsigned.
std::vector<std::int64_t> arrayValues(const PatternTable& table, const MemoryImageOptions& options);

// The array as it lies in a little-endian machine's memory, from address 0.
std::string arrayBytes(const PatternTable& table, const MemoryImageOptions& options);

// A header that stands alone (include guard, <stdint.h>) and compiles cleanly as C99 and C++11.
std::string cHeaderText(const PatternTable& table, const MemoryImageOptions& options);

// The array's bytes as Intel HEX: data records of 16 bytes, then the end-of-file record. The
// image is at most 4 KiB, so 16-bit addresses reach it all and no extended address record is
// needed.
std::string intelHexText(const PatternTable& table, const MemoryImageOptions& options);

} // namespace ondulix
