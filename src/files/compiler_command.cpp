#include "files/compiler_command.h"

namespace ondulix {

CompilerCommand compilerCommand(
    const std::string& compilerPath, const std::string& csvFile, const std::string& memFile)
{
    return CompilerCommand {
        compilerPath + ' ' + csvFile + ' ' + memFile,
        compilerPath,
        {csvFile, memFile},
        std::filesystem::path(csvFile).parent_path(),
    };
}

} // namespace ondulix
