#pragma once

#include "pattern/pattern_table.h"

#include <cstdint>
#include <string>
#include <vector>

// The words of a memory image: the 32 pattern lines of 32 samples as 1024 words, line by line, at
// address (line - 1) x 32 + sample. Every output format of quenfer for hardware takes its words
// from here.
namespace ondulix {

inline constexpr int kMemoryDepth = kPatternLineCount * 32;
inline constexpr int kMinWordBits = 2;
inline constexpr int kMaxWordBits = 32;

enum class WordEncoding
{
    TwosComplement,
    OffsetBinary
};

struct WordFormat
{
    int bits = 16;
    WordEncoding encoding = WordEncoding::TwosComplement;
};

// A cell value becomes a signed word in which the editor's full scale, -0.5 .. +0.5, fills the
// word symmetrically: 0.5 gives 2^(bits-1) - 1 and -0.5 its negative, rounded half to even.
// Values beyond the full scale are limited to it; an empty, non-numeric or NaN cell gives 0.

// All 1024 signed words in address order. A width outside kMinWordBits .. kMaxWordBits is
// refused with std::invalid_argument.
std::vector<std::int64_t> memoryWords(const PatternTable& table, int bits);

// The same words as bit patterns of `format.bits` bits: two's complement, or offset binary
// (word + 2^(bits-1)). The width is refused as above.
std::vector<std::uint64_t> encodedWords(const PatternTable& table, const WordFormat& format);

// "1024 words of 16 bits, two's complement", as the files' headers describe their words.
std::string wordsDescription(const WordFormat& format);

} // namespace ondulix
