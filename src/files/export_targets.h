#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

// The places a table is taken to, in one table that quenfer and the window's "Export for..."
// both read, so that the two never offer different things under one name.
namespace ondulix {

// The files quenfer writes: memory images for hardware, wavetables for synthesizers, the
// trackers' waves, then the formats that came later, each kind among its own in formatNames().
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
    FurnaceWave, // one line of the table, or each line in a file of its own
    DefleMaskWave,
    Vhdl,
    Verilog,
    Srec,
    Bin,
    WaveEdit,
    VitalTable,
    FamiTrackerInstrument,
};

struct FormatName
{
    std::string_view name; // as --format takes it
    OutputFormat format;
    std::string_view suffix; // the file name's usual ending
};

std::span<const FormatName> formatNames();
const FormatName& formatNamed(OutputFormat format);
std::optional<OutputFormat> formatCalled(std::string_view name);
// "readmemh, readmemb, ... or fti", for a message that names the known ones.
std::string formatList();

// The formats whose words are the memory image's: one word a sample, line by line.
bool isMemoryFormat(OutputFormat format);
// One line at a time (or a file a line): Furnace's and DefleMask's waves.
bool isTrackerWave(OutputFormat format);

enum class TargetGroup
{
    ChipsAndTrackers,
    HardwareMemory,
    ModulesAndSynthesizers,
};

enum class SampleForm
{
    Levels, // 0 .. 2^bits - 1, by the tracker forms' rule
    SignedLevels, // the level minus 2^(bits - 1), two's complement
    Words, // the memory image's words: two's complement, or offset binary when asked
    Float, // v / 500, so that +-500 is full scale
};

// How two 4-bit levels share a byte, where they do.
enum class Packing
{
    None,
    HighNibbleFirst,
    LowNibbleFirst,
};

struct ExportTarget
{
    std::string_view name;
    TargetGroup group;
    int samples; // a wave's samples, each line carried to that many
    int bits; // 0: the user's choice
    SampleForm form;
    Packing packing;
    std::optional<OutputFormat> format; // nothing for a chip, which goes into any memory format
    std::string_view writes; // what it writes, in one line
};

std::span<const ExportTarget> exportTargets();
const ExportTarget* targetNamed(std::string_view name);
// A target that fixes no format: a chip, named by --chip.
inline bool isChip(const ExportTarget& target)
{
    return !target.format.has_value();
}
// "gameboy, pce, ... or wonderswan": the names --chip takes.
std::string chipList();
// The target that stands for a format in the window's list; every format has one.
const ExportTarget& targetOf(OutputFormat format);
// Whether a chip's waves go into a file of the format: every memory format, a tracker wave, and
// the N163 instrument for the N163 alone.
bool chipTakesFormat(const ExportTarget& chip, OutputFormat format);

// The table as `quenfer --targets` prints it, one target a line under a heading line.
std::string targetsText();

} // namespace ondulix
