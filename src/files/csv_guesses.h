#pragma once

#include "pattern/pattern_table.h"

#include <string>
#include <vector>

namespace ondulix {

// Where reading a pattern file by the editor's rules had to guess: a field that the number rule
// does not read whole (blanks aside), or a sample beyond full scale, which is limited to it. A
// spreadsheet's whole numbers, header row, decimal commas, semicolons or Windows-1252 text all show
// here; a file that Save CSV wrote has none.
struct CsvGuesses
{
    // The first kGuessesShown, one line each: the line, the field, its text and what it reads as.
    std::vector<std::string> first;
    int count = 0;
};

inline constexpr int kGuessesShown = 10;

// Of a table that holds a file's lines alone, read into an empty table.
CsvGuesses csvGuesses(const PatternTable& fileAlone);

// What the user reads: the first guesses, then how many more there were.
std::vector<std::string> guessLines(const CsvGuesses& guesses);

} // namespace ondulix
