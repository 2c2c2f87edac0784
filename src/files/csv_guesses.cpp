#include "files/csv_guesses.h"

#include "wave/number_text.h"
#include "wave/pasted_wave.h"

#include <algorithm>
#include <cmath>

namespace ondulix {

namespace {

constexpr double kFullScale = 0.5;

// The guess for one sample field, or nothing where it reads whole and within full scale.
std::string sampleGuess(const std::string& text)
{
    const double value = readNumber(text);
    const double limited = std::clamp(value, -kFullScale, kFullScale);
    if (!readsWhole(text))
        return quotedField(text) + " is not a number as a whole; read as " + generalForm(limited);
    if (limited != value) {
        return quotedField(text) + " is beyond full scale (" + generalForm(limited) + "); read as "
            + generalForm(limited);
    }
    return {};
}

// The line number is never read, but semicolons between the fields leave a whole line in it.
std::string numberGuess(const std::string& text)
{
    if (readsWhole(text))
        return {};
    return quotedField(text) + " is not a line number as a whole; ignored, as line numbers are";
}

} // namespace

CsvGuesses csvGuesses(const PatternTable& fileAlone)
{
    CsvGuesses guesses;
    for (int line = 1; line <= kPatternLineCount; ++line) {
        for (int field = 1; field < PatternTable::kRows; ++field) {
            std::string guess = field == 1 ? numberGuess(fileAlone.cell(line, field))
                                           : sampleGuess(fileAlone.cell(line, field));
            if (guess.empty())
                continue;
            if (++guesses.count <= kGuessesShown) {
                guesses.first.push_back("line " + std::to_string(line) + ", field "
                    + std::to_string(field) + ": " + std::move(guess));
            }
        }
    }
    return guesses;
}

std::vector<std::string> guessLines(const CsvGuesses& guesses)
{
    std::vector<std::string> lines = guesses.first;
    if (const int more = guesses.count - static_cast<int>(guesses.first.size()); more > 0)
        lines.push_back("and " + std::to_string(more) + (more == 1 ? " more field" : " more fields")
            + " read the same way");
    return lines;
}

} // namespace ondulix
