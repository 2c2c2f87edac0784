#pragma once

#include "files/memory_words.h"

#include <string>

// The memory image as source for the hardware description languages, so that a design takes
// the table in with no file to read at elaboration.
namespace ondulix {

// A VHDL-2008 package ondulix_table_pkg: the word width and count as constants, a subtype for a
// word and a constant array ONDULIX_TABLE of all the words in address order.
std::string vhdlPackageText(const WordImage& image, const std::string& sourceName);

// A synthesizable Verilog ROM, module ondulix_rom(input clk, input [A-1:0] addr, output reg
// [W-1:0] data): on each rising edge of clk, data takes the word at addr (0 past the last). W is
// the word width and A just wide enough to address every word.
std::string verilogRomText(const WordImage& image, const std::string& sourceName);

// The address width of the ROM: 10 for 1024 words, at least 1.
int addressBits(std::size_t words);

} // namespace ondulix
