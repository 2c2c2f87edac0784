#pragma once

#include "files/export_targets.h"
#include "files/memory_words.h"
#include "files/target_waves.h"
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
    RefuseUsage,
    ShowTargets,
};

struct QuenferCommandLine
{
    QuenferAction action = QuenferAction::Compile;
    WordFormat words;
    OutputFormat format = OutputFormat::Readmemh;
    std::string arrayName = kDefaultArrayName; // the C header's array
    int frames = 0; // a wavetable's frames; 0: up to the last line that holds a sound
    int line = 1; // the line a tracker wave is made from
    bool everyLine = false; // --line all: a tracker wave for each line, a file each
    const ExportTarget* chip = nullptr; // --chip: the words are that chip's levels
    Resampling resampling = Resampling::Hold;
    bool bitsGiven = false; // the tracker waves' own default applies when not
    bool strict = false; // a field the editor's rules had to guess refuses the file
    bool formGiven = false; // --levels, --pack or --unsigned, which a chip leaves no room for
    std::string input;
    std::string output;
    std::string problem; // what is wrong, for RefuseUsage
};

// Reads `quenfer [OPTIONS] INPUT.csv OUTPUT`; arguments exclude the program name.
QuenferCommandLine parseQuenferArguments(const std::vector<std::string>& arguments);

std::string quenferUsage();

} // namespace ondulix
