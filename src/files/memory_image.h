#pragma once

#include "files/memory_words.h"

#include <string>

// The memory image as text that hardware tools load: one word a line, in hexadecimal or binary.
namespace ondulix {

enum class MemoryFormat
{
    Readmemh, // Verilog's $readmemh, an @ address before each pattern line
    Readmemb, // the same for $readmemb
    Mif, // Intel (Altera) memory initialization file
    Coe // Xilinx coefficient file
};

// The whole file's text, lines ended by LF; `sourceName` is named in its header.
std::string memoryImageText(const PatternTable& table, const WordFormat& words, MemoryFormat format,
    const std::string& sourceName);

} // namespace ondulix
