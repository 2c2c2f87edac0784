#include "files/atomic_file.h"

#include "files/system_files.h"

#include <random>

namespace ondulix {

namespace fs = std::filesystem;

namespace {

// The system's own limit on links followed in one name; a longer chain is taken for a loop.
constexpr int kLinkHops = 40;
// Names already taken are met only by chance, or when temporary files of crashed runs pile up.
constexpr int kNameTries = 100;

// The file that `path` leads to: each symbolic link is followed to its target, which need not
// exist yet. Nothing when the chain is a loop.
std::optional<fs::path> throughLinks(fs::path path)
{
    for (int hop = 0; hop < kLinkHops; ++hop) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(path, error)))
            return path;
        const fs::path target = fs::read_symlink(path, error);
        if (error)
            return path; // the writing will meet the same fault and name it
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return std::nullopt;
}

// A name beside the target, hidden from a plain listing, that ends in six random characters.
fs::path temporaryName(const fs::path& target)
{
    static constexpr char kLetters[]
        = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device random;
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
    std::string name = "." + target.filename().string() + ".";
    for (int i = 0; i < 6; ++i)
        name += kLetters[pick(random)];
    return target.parent_path() / name;
}

std::optional<fs::perms> permissionsToKeep(const fs::path& target)
{
    std::error_code error;
    const fs::file_status status = fs::status(target, error);
    if (error || !fs::is_regular_file(status))
        return std::nullopt;
    return status.permissions() & fs::perms::all;
}

} // namespace

std::optional<std::string> writeFileAtomically(const fs::path& path, std::string_view bytes)
{
    if (path.filename().empty())
        return std::string("no file name given");
    const std::optional<fs::path> target = throughLinks(path);
    if (!target)
        return std::make_error_code(std::errc::too_many_symbolic_link_levels).message();
    const std::optional<fs::perms> kept = permissionsToKeep(*target);

    for (int attempt = 0; attempt < kNameTries; ++attempt) {
        const fs::path temporary = temporaryName(*target);
        const system_files::NewFile written = system_files::writeNewFile(temporary, bytes, kept);
        if (written.nameTaken)
            continue;
        std::optional<std::string> failure = written.failure;
        if (!failure)
            failure = system_files::replaceFile(temporary, *target);
        if (failure && written.created) {
            std::error_code ignored;
            fs::remove(temporary, ignored);
        }
        return failure;
    }
    return std::make_error_code(std::errc::file_exists).message();
}

bool isSameFile(const fs::path& a, const fs::path& b)
{
    std::error_code error;
    return fs::equivalent(a, b, error);
}

} // namespace ondulix
