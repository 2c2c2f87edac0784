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
std::string memoryImageText(
    const WordImage& image, MemoryFormat format, const std::string& sourceName);
std::string memoryImageText(const PatternTable& table, const WordFormat& words, MemoryFormat format,
    const std::string& sourceName);

// The source name as a comment line may hold it: every control character made '?', so that
// none ends the line and starts one of its own.
std::string printableName(const std::string& name);

} // namespace ondulix
