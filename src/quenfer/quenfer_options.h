#pragma once

#include "files/memory_words.h"
#include "files/word_array.h"
#include "pattern/pattern_table.h"

#include <string>
#include <vector>

namespace ondulix {

enum class QuenferAction
{
    Compile,
    ShowHelp,
    ShowVersion,
    RefuseUsage
};

// The files quenfer writes: memory images for hardware, then wavetables for synthesizers.
enum class OutputFormat
{
    Readmemh,
    Readmemb,
    Mif,
    Coe,
    CHeader,
    IntelHex,
    Wav,
    SurgeWt,
    FurnaceWave, // one line of the table, as chiptune trackers read it
    DefleMaskWave
};

struct QuenferCommandLine
{
    QuenferAction action = QuenferAction::Compile;
    WordFormat words;
    OutputFormat format = OutputFormat::Readmemh;
    std::string arrayName = kDefaultArrayName; // the C header's array
    int frames = 0; // a wavetable's frames; 0: up to the last line that holds a sound
    int line = 1; // the line a tracker wave is made from
    bool bitsGiven = false; // the tracker waves' own default applies when not
    bool strict = false; // a field the editor's rules had to guess refuses the file
    std::string input;
    std::string output;
    std::string problem; // what is wrong, for RefuseUsage
};

// Reads `quenfer [OPTIONS] INPUT.csv OUTPUT`; arguments exclude the program name.
QuenferCommandLine parseQuenferArguments(const std::vector<std::string>& arguments);

std::string quenferUsage();

} // namespace ondulix
