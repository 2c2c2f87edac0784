#include "files/settings_file.h"

#include "files/text_lines.h"
#include "files/whole_file.h"

#include <cstdio>

namespace ondulix {

namespace {

// Far more than any path; a larger file is not a settings file and is left alone.
constexpr std::size_t kSettingsSizeLimit = 64 * 1024;

void createEmptyIfMissing(const std::filesystem::path& file)
{
    // "x" fails when the file exists, so a file that merely could not be read keeps its text.
    if (std::FILE* created = std::fopen(file.c_str(), "wx"))
        std::fclose(created);
}

} // namespace

std::filesystem::path settingsFilePath(const std::filesystem::path& startupDirectory)
{
    return startupDirectory / "Ondulix.ini";
}

std::optional<std::string> compilerPathIn(std::string_view settingsText)
{
    // The system would cut the name at the NUL and start whatever program the part before it
    // names; and no text file holds a NUL.
    if (settingsText.find('\0') != std::string_view::npos)
        return std::nullopt;
    std::optional<std::string> path;
    LineReader lines(settingsText);
    while (const auto line = lines.next())
        path = std::string(*line);
    return path;
}

std::string settingsText(std::string_view compilerPath)
{
    return std::string(compilerPath) + "\r\n";
}

std::optional<std::string> loadSettings(const std::filesystem::path& settingsFile)
{
    const WholeFile file = readWholeFile(settingsFile, kSettingsSizeLimit);
    if (!file.bytes) {
        createEmptyIfMissing(settingsFile);
        return std::nullopt;
    }
    return compilerPathIn(*file.bytes);
}

} // namespace ondulix
