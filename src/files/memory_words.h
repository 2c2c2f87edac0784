#pragma once

#include "pattern/pattern_table.h"

#include <cstdint>
#include <optional>
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
    OffsetBinary,
    Levels // a wavetable chip's levels 0 .. 2^bits - 1, by the tracker forms' rule
};

struct WordFormat
{
    int bits = 16;
    WordEncoding encoding = WordEncoding::TwosComplement;
    // Two 4-bit levels in a byte, the first in the high nibble, as a Game Boy's wave RAM holds
    // them: 512 bytes, 16 a line. Only with 4-bit levels (see packingFault).
    bool packed = false;
};

// Why a format cannot be packed, or nothing when it can (or is not packed).
std::optional<std::string> packingFault(const WordFormat& format);

// What the image stores: words of storedBits() bits, storedWordsPerLine() for each pattern line.
int storedBits(const WordFormat& format);
int storedWordsPerLine(const WordFormat& format);

// A cell value becomes a signed word in which the editor's full scale, -0.5 .. +0.5, fills the
// word symmetrically: 0.5 gives 2^(bits-1) - 1 and -0.5 its negative, rounded half to even.
// Values beyond the full scale are limited to it; an empty, non-numeric or NaN cell gives 0.

// All 1024 signed words in address order. A width outside kMinWordBits .. kMaxWordBits is
// refused with std::invalid_argument.
std::vector<std::int64_t> memoryWords(const PatternTable& table, int bits);

// The words as the image stores them, in address order: the signed words above as bit patterns
// of `format.bits` bits in two's complement, or offset binary (word + 2^(bits-1)); or each
// sample's chip level; packed, the 512 bytes of those levels. The width is refused as above, and
// a packing that packingFault refuses with std::invalid_argument.
std::vector<std::uint64_t> encodedWords(const PatternTable& table, const WordFormat& format);

// "1024 words of 16 bits, two's complement", as the files' headers describe their words.
std::string wordsDescription(const WordFormat& format);

// The words every memory format writes, whatever made them: the table's words above, or a
// chip's levels (files/chip_words.h). Word n of line l is at address (l - 1) x wordsPerLine + n.
struct WordImage
{
    std::vector<std::uint64_t> words; // bit patterns of `bits` bits, in address order
    int bits = 16;
    int lines = kPatternLineCount;
    int wordsPerLine = 32;
    int samplesPerWord = 1; // 2 where two levels share a byte
    bool isSigned = true; // two's complement: a C array of intN_t, sign-extended bytes
    std::string description; // as wordsDescription gives it
};

// The table's 1024 words (or 512 packed bytes) in `format`, as encodedWords gives them.
WordImage wordImage(const PatternTable& table, const WordFormat& format);

// A word's value as a signed image means it: its bit pattern sign-extended from `bits`.
std::int64_t signedValue(std::uint64_t word, int bits);

} // namespace ondulix
