#pragma once

#include "files/memory_image.h"
#include "files/wavetable_file.h"

#include <optional>

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

struct QuenferCommandLine
{
    QuenferAction action = QuenferAction::Compile;
    MemoryImageOptions image;
    std::optional<WavetableFormat> wavetable; // set: a wavetable instead of a memory image
    std::string input;
    std::string output;
    std::string problem; // what is wrong, for RefuseUsage
};

// Reads `quenfer [OPTIONS] INPUT.csv OUTPUT`; arguments exclude the program name.
QuenferCommandLine parseQuenferArguments(const std::vector<std::string>& arguments);

std::string quenferUsage();

} // namespace ondulix
