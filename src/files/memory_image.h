#pragma once

#include "pattern/pattern_table.h"

#include <cstdint>
#include <string>
#include <vector>

// The memory image that hardware tools load: the 32 pattern lines of 32 samples as 1024 words,
// line by line, at address (line - 1) x 32 + sample.
namespace ondulix {

inline constexpr int kMemoryDepth = kPatternLineCount * 32;
inline constexpr int kMinWordBits = 2;
inline constexpr int kMaxWordBits = 32;

enum class WordEncoding
{
    TwosComplement,
    OffsetBinary
};
enum class MemoryFormat
{
    Readmemh,
    Readmemb,
    Mif,
    Coe,
    CHeader, // a C array of the smallest exact-width type
    IntelHex // that array's bytes as a little-endian machine holds them
};

inline constexpr const char* kDefaultArrayName = "ondulix_table";

struct MemoryImageOptions
{
    int bits = 16;
    WordEncoding encoding = WordEncoding::TwosComplement;
    MemoryFormat format = MemoryFormat::Readmemh;
    std::string sourceName; // named in the file's header
    std::string arrayName = kDefaultArrayName; // the C array's name
};

// The signed word for a cell value: the editor's full scale, -0.5 .. +0.5, fills the word
// symmetrically, so 0.5 gives 2^(bits-1) - 1 and -0.5 its negative. Values beyond the full
// scale are limited to it; NaN gives 0.
std::int64_t scaledWord(double value, int bits);

// The word's bit pattern in `bits` bits: two's complement, or offset binary (word + 2^(bits-1)).
std::uint64_t encodedWord(std::int64_t word, int bits, WordEncoding encoding);

// All 1024 signed words in address order; an empty or non-numeric cell gives 0.
std::vector<std::int64_t> memoryWords(const PatternTable& table, int bits);

// The whole file's text, lines ended by LF.
std::string memoryImageText(const PatternTable& table, const MemoryImageOptions& options);

} // namespace ondulix
