#include "files/chip_words.h"
#include "files/hdl_text.h"
#include "files/table_export.h"
#include "files/tracker_wave_file.h"
#include "pattern/line_waves.h"
#include "quenfer/quenfer_options.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

using namespace ondulix;
using namespace std::string_literals;

namespace {

PatternTable tableOf(std::initializer_list<Wave> lines)
{
    PatternTable table;
    int line = 1;
    for (const Wave& wave : lines)
        storeWave(wave, line++, table);
    return table;
}

// The level rule's ties, -400, -200, 0, 200 and 400, go to the even level at every depth; a
// longer wave holds each sample in turn; the signed chips take the middle level off.
TEST(ChipWords, EachChipsShapeWithItsTiesRoundedToEven)
{
    const PatternTable table = tableOf({Wave {-500, -400, -200, 0, 200, 400, 500}});
    const std::pair<const char*, std::vector<std::uint64_t>> cases[]
        = {{"gameboy", {0x02, 0x48, 0xAE, 0xF8}}, {"n163", {0x20, 0x84, 0xEA, 0x8F}},
            {"wonderswan", {0x20, 0x84, 0xEA, 0x8F}}, {"pce", {0, 3, 9, 16, 22, 28, 31, 16}},
            {"vboy", {0, 6, 19, 32, 44, 57, 63, 32}},
            {"scc", {0x80, 0x9A, 0xCC, 0, 0x32, 0x66, 0x7F, 0}}, {"fds", {0, 0, 6, 6, 19, 19, 32}},
            {"x1010", {0x80, 0x80, 0x80, 0x80, 0x9A, 0x9A}}};
    for (const auto& [name, words] : cases) {
        const WordImage image = chipImage(table, *targetNamed(name), 1, Resampling::Hold);
        EXPECT_EQ(std::vector(image.words.begin(), image.words.begin() + words.size()), words)
            << name;
    }
}

// Smooth keeps harmonics 0..15 at every point: a sine stays that sine at 128 points, the 16th
// harmonic (a sample up, a sample down) is gone, and a square's overshoot is scaled down to 500,
// not clipped flat. Hold repeats each sample.
TEST(TargetWaves, HoldRepeatsEachSampleAndSmoothKeepsTheHarmonicsBelowTheSixteenth)
{
    Wave sine {}, fastest {}, square {};
    for (int n = 0; n < kSampleCount; ++n) {
        sine[n] = static_cast<int>(std::lround(400 * std::sin(2 * std::numbers::pi * n / 32)));
        fastest[n] = n % 2 ? -500 : 500;
        square[n] = n < 16 ? 500 : -500;
    }
    const PatternTable table = tableOf({sine, fastest, square});
    const std::vector<double> held = linesAtLength(table, 2, 2, 64, Resampling::Hold);
    EXPECT_EQ(
        std::vector(held.begin(), held.begin() + 4), (std::vector<double> {500, 500, -500, -500}));
    const std::vector<double> smooth = linesAtLength(table, 1, 2, 128, Resampling::Smooth);
    for (int n = 0; n < 128; ++n) {
        EXPECT_NEAR(smooth[n], 400 * std::sin(2 * std::numbers::pi * n / 128), 1.0) << n;
        EXPECT_NEAR(smooth[128 + n], 0.0, 1e-9) << n;
    }
    const std::vector<double> scaled = linesAtLength(table, 3, 3, 128, Resampling::Smooth);
    EXPECT_NEAR(*std::max_element(scaled.begin(), scaled.end()), 500.0, 1e-9);
    EXPECT_LT(scaled[32], 480.0);
}

// fuw and dmw take a chip's shape, which the readers take back whole; a file a line is named
// for its line; the WaveEdit bank spreads the lines over its 64 waves; the N163 instrument
// holds a wave a line. The bytes readers depend on are pinned.
TEST(TableExport, ChipShapedWavesAndTheBanksByteForByte)
{
    const PatternTable table = tableOf({Wave {500}, Wave {-500}});
    ExportRequest request;
    request.chip = targetNamed("fds");
    request.line = 2;
    const auto made = [&](OutputFormat format) {
        request.format = format;
        return exportTable(table, request).files;
    };
    const auto furnace = readFurnaceWave(bytesOf(made(OutputFormat::FurnaceWave).at(0).bytes));
    ASSERT_TRUE(std::holds_alternative<TrackerWaveLevels>(furnace));
    EXPECT_EQ(std::get<TrackerWaveLevels>(furnace).levels,
        chipLevels(table, *targetNamed("fds"), 2, 2, Resampling::Hold));
    request.chip = targetNamed("x1010");
    const auto defleMask
        = readDefleMaskWave(bytesOf(made(OutputFormat::DefleMaskWave).at(0).bytes));
    const TrackerWaveLevels& x1010 = std::get<TrackerWaveLevels>(defleMask);
    EXPECT_EQ(x1010.levels.size(), 128u);
    EXPECT_EQ(x1010.top, 255);
    request.everyLine = true;
    EXPECT_EQ(made(OutputFormat::DefleMaskWave).at(1).name, "line02.dmw");
    request = ExportRequest {};
    request.sourceName = "tables/bells.csv";
    const std::string bank = made(OutputFormat::WaveEdit).at(0).bytes;
    EXPECT_EQ(bank.substr(0, 44),
        "RIFF\x24\x80\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x44\xAC\0\0\x88\x58\x01\0\x02\0\x10\0"
        "data\0\x80\0\0"s);
    EXPECT_EQ(bank.substr(44 + 31 * 512, 2) + bank.substr(44 + 32 * 512, 2), "\xFF\x7F\x01\x80"s);
    const std::string fti = made(OutputFormat::FamiTrackerInstrument).at(0).bytes;
    EXPECT_EQ(fti.substr(0, 35),
        "FTI2.4\x05\x05\0\0\0bells\x05\0\0\0\0\0\x20\0\0\0\0\0\0\0\x02\0\0\0\x0F"s);
    EXPECT_EQ(fti.size(), 98u);
    EXPECT_EQ(fti[66] + fti[67], 8);
}

TEST(HdlText, TheRomAddressIsJustWideEnough)
{
    const std::pair<std::size_t, int> cases[]
        = {{1, 1}, {2, 1}, {3, 2}, {16, 4}, {1024, 10}, {1025, 11}, {4096, 12}};
    for (const auto& [words, bits] : cases)
        EXPECT_EQ(addressBits(words), bits) << words;
}

// A chip fixes the words, goes into the formats that hold its waves, and a file a line and the
// smooth resampling go only where they mean something. "" is taken.
TEST(QuenferOptions, WhatAChipAFileALineAndTheResamplingGoWith)
{
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--chip=n163", "--format=fti"}, ""}, {{"--format=dmw", "--line=all"}, ""},
        {{"--chip=fds", "--resample=smooth"}, ""}, {{"--format=waveedit", "--resample=smooth"}, ""},
        {{"--chip=sid"}, "--chip takes gameboy, pce, scc, vboy, fds, x1010, n163 or wonderswan"},
        {{"--chip=pce", "--bits=5"}, "--chip fixes"},
        {{"--unsigned", "--chip=scc"}, "--chip fixes"},
        {{"--chip=gameboy", "--format=fti"}, "does not go with --format fti"},
        {{"--chip=fds", "--format=wav"}, "does not go with --format wav"},
        {{"--line=all"}, "--line all takes"}, {{"--chip=scc", "--resample=smooth"}, "smooth takes"},
        {{"--format=fuw", "--resample=smooth"}, "smooth takes"},
        {{"--resample=soft"}, "--resample takes hold or smooth"},
        {{"--format=v"}, "vhdl, verilog"}};
    for (auto [arguments, problem] : cases) {
        arguments.insert(arguments.end(), {"a", "b"});
        const std::string seen = parseQuenferArguments(arguments).problem;
        EXPECT_TRUE(problem.empty() ? seen.empty() : seen.find(problem) != std::string::npos)
            << arguments.front() << ": " << seen;
    }
}

} // namespace
