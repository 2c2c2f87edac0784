#include "files/export_targets.h"

#include <algorithm>
#include <array>
#include <sstream>
#include <vector>

namespace ondulix {

namespace {

using enum OutputFormat;
using enum TargetGroup;
using enum SampleForm;
using enum Packing;

constexpr std::array kFormats = {
    FormatName {"readmemh", Readmemh, "mem"},
    FormatName {"readmemb", Readmemb, "mem"},
    FormatName {"mif", Mif, "mif"},
    FormatName {"coe", Coe, "coe"},
    FormatName {"c", CHeader, "h"},
    FormatName {"ihex", IntelHex, "hex"},
    FormatName {"vhdl", Vhdl, "vhd"},
    FormatName {"verilog", Verilog, "v"},
    FormatName {"srec", Srec, "srec"},
    FormatName {"bin", Bin, "bin"},
    FormatName {"wav", Wav, "wav"},
    FormatName {"wt", SurgeWt, "wt"},
    FormatName {"waveedit", WaveEdit, "wav"},
    FormatName {"vitaltable", VitalTable, "vitaltable"},
    FormatName {"fuw", FurnaceWave, "fuw"},
    FormatName {"dmw", DefleMaskWave, "dmw"},
    FormatName {"fti", FamiTrackerInstrument, "fti"},
};

// The chips' shapes are those of their wave memories, as Furnace's table of wavetable chips
// lists them. The N163 and the WonderSwan keep the first of two samples in the low nibble:
// nesdev wiki, "Namco 163 audio" (wave RAM: "the low nibble is the first sample"), and WSdev
// wiki, "Sound" (wavetable RAM: two samples a byte, the earlier in bits 0-3).
constexpr std::array kTargets = {
    ExportTarget {"gameboy", ChipsAndTrackers, 32, 4, Levels, HighNibbleFirst, {},
        "Game Boy wave RAM: 16 bytes a line, the first level in the high nibble"},
    ExportTarget {
        "pce", ChipsAndTrackers, 32, 5, Levels, None, {}, "PC Engine: 32 levels 0 to 31 a line"},
    ExportTarget {"scc", ChipsAndTrackers, 32, 8, SignedLevels, None, {},
        "Konami SCC: 32 signed bytes a line, the level minus 128"},
    ExportTarget {
        "vboy", ChipsAndTrackers, 32, 6, Levels, None, {}, "Virtual Boy: 32 levels 0 to 63 a line"},
    ExportTarget {"fds", ChipsAndTrackers, 64, 6, Levels, None, {},
        "Famicom Disk System: 64 levels 0 to 63 a line"},
    ExportTarget {"x1010", ChipsAndTrackers, 128, 8, SignedLevels, None, {},
        "Seta X1-010: 128 signed bytes a line, the level minus 128"},
    ExportTarget {"n163", ChipsAndTrackers, 32, 4, Levels, LowNibbleFirst, {},
        "Namco 163 wave RAM: 16 bytes a line, the first level in the low nibble"},
    ExportTarget {"wonderswan", ChipsAndTrackers, 32, 4, Levels, LowNibbleFirst, {},
        "WonderSwan wave RAM: 16 bytes a line, the first level in the low nibble"},
    ExportTarget {"fuw", ChipsAndTrackers, 32, 0, Levels, None, FurnaceWave,
        "Furnace wave (.fuw) of one line, or a file a line"},
    ExportTarget {"dmw", ChipsAndTrackers, 32, 0, Levels, None, DefleMaskWave,
        "DefleMask wave (.dmw) of one line, or a file a line"},
    ExportTarget {"fti", ChipsAndTrackers, 32, 4, Levels, None, FamiTrackerInstrument,
        "Dn-FamiTracker N163 instrument (.fti) holding the lines as its waves"},
    ExportTarget {"readmemh", HardwareMemory, 32, 0, Words, None, Readmemh,
        "Verilog $readmemh image, an @ address before each line"},
    ExportTarget {"readmemb", HardwareMemory, 32, 0, Words, None, Readmemb,
        "Verilog $readmemb image, the same in binary"},
    ExportTarget {"mif", HardwareMemory, 32, 0, Words, None, Mif,
        "Intel (Altera) memory initialization file"},
    ExportTarget {"coe", HardwareMemory, 32, 0, Words, None, Coe, "Xilinx coefficient file"},
    ExportTarget {"c", HardwareMemory, 32, 0, Words, None, CHeader, "C header: one array"},
    ExportTarget {"ihex", HardwareMemory, 32, 0, Words, None, IntelHex,
        "Intel HEX of the C array's bytes, little-endian"},
    ExportTarget {"vhdl", HardwareMemory, 32, 0, Words, None, Vhdl,
        "VHDL-2008 package ondulix_table_pkg: a constant array of the words"},
    ExportTarget {"verilog", HardwareMemory, 32, 0, Words, None, Verilog,
        "Verilog ROM module ondulix_rom, clocked, with the words in it"},
    ExportTarget {"srec", HardwareMemory, 32, 0, Words, None, Srec,
        "Motorola S-record of the Intel HEX bytes"},
    ExportTarget {"bin", HardwareMemory, 32, 0, Words, None, Bin, "the Intel HEX bytes, raw"},
    ExportTarget {"waveedit", ModulesAndSynthesizers, 256, 16, SignedLevels, None, WaveEdit,
        "WaveEdit bank: one WAV of 64 waves of 256 samples, 16-bit (E352, Piston Honda)"},
    ExportTarget {"wav", ModulesAndSynthesizers, 2048, 32, Float, None, Wav,
        "wavetable WAV: frames of 2048, 32-bit float, clm chunk (Serum, Vital, Bitwig)"},
    ExportTarget {"wt", ModulesAndSynthesizers, 32, 32, Float, None, SurgeWt,
        "Surge XT wavetable (.wt): the 32 samples of each line exactly"},
    ExportTarget {"vitaltable", ModulesAndSynthesizers, 2048, 32, Float, None, VitalTable,
        "Vital wavetable (.vitaltable): one keyframe a line"},
};

std::string nameList(const auto& names)
{
    std::string list;
    for (std::size_t i = 0; i < names.size(); ++i)
        list += std::string(i == 0 ? "" : i + 1 == names.size() ? " or " : ", ") + names[i];
    return list;
}

std::string formText(const ExportTarget& target)
{
    switch (target.form) {
    case Levels:
        return "levels";
    case SignedLevels:
        return "signed";
    case Words:
        return "words";
    case Float:
        return "float";
    }
    return {};
}

std::string packingText(Packing packing)
{
    return packing == HighNibbleFirst ? "2 a byte, high first"
        : packing == LowNibbleFirst   ? "2 a byte, low first"
                                      : "-";
}

} // namespace

std::span<const FormatName> formatNames()
{
    return kFormats;
}

const FormatName& formatNamed(OutputFormat format)
{
    return *std::find_if(kFormats.begin(), kFormats.end(),
        [format](const FormatName& entry) { return entry.format == format; });
}

std::optional<OutputFormat> formatCalled(std::string_view name)
{
    for (const FormatName& entry : kFormats) {
        if (entry.name == name)
            return entry.format;
    }
    return std::nullopt;
}

std::string formatList()
{
    std::vector<std::string> names;
    for (const FormatName& entry : kFormats)
        names.emplace_back(entry.name);
    return nameList(names);
}

bool isMemoryFormat(OutputFormat format)
{
    return format <= IntelHex || (format >= Vhdl && format <= Bin);
}

bool isTrackerWave(OutputFormat format)
{
    return format == FurnaceWave || format == DefleMaskWave;
}

std::span<const ExportTarget> exportTargets()
{
    return kTargets;
}

const ExportTarget* targetNamed(std::string_view name)
{
    const auto found = std::find_if(kTargets.begin(), kTargets.end(),
        [name](const ExportTarget& target) { return target.name == name; });
    return found == kTargets.end() ? nullptr : &*found;
}

std::string chipList()
{
    std::vector<std::string> names;
    for (const ExportTarget& target : kTargets) {
        if (isChip(target))
            names.emplace_back(target.name);
    }
    return nameList(names);
}

const ExportTarget& targetOf(OutputFormat format)
{
    return *std::find_if(kTargets.begin(), kTargets.end(),
        [format](const ExportTarget& target) { return target.format == format; });
}

bool chipTakesFormat(const ExportTarget& chip, OutputFormat format)
{
    if (format == FamiTrackerInstrument)
        return chip.name == "n163";
    return isMemoryFormat(format) || isTrackerWave(format);
}

std::string targetsText()
{
    std::ostringstream text;
    const auto row
        = [&text](std::string_view name, const std::string& samples, const std::string& bits,
              const std::string& form, const std::string& packing, std::string_view format,
              std::string_view writes) {
              text.width(12);
              text << std::left << name;
              for (const auto& [field, width] :
                  {std::pair {samples, 8}, {bits, 5}, {form, 8}, {packing, 21}}) {
                  text.width(width);
                  text << field;
              }
              text.width(12);
              text << format << writes << '\n';
          };
    row("name", "samples", "bits", "form", "packing", "format", "what it writes");
    for (const ExportTarget& target : kTargets) {
        row(target.name, std::to_string(target.samples),
            target.bits == 0 ? "free" : std::to_string(target.bits), formText(target),
            packingText(target.packing), target.format ? formatNamed(*target.format).name : "any",
            target.writes);
    }
    return text.str();
}

} // namespace ondulix
