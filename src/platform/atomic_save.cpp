#include "platform/atomic_save.h"

#include "files/atomic_file.h"
#include "platform/native_path.h"

namespace ondulix {

std::optional<QString> saveAtomically(const QString& path, const QByteArray& bytes)
{
    const auto failure = writeFileAtomically(
        toNativePath(path), std::string_view(bytes.constData(), std::size_t(bytes.size())));
    if (!failure)
        return std::nullopt;
    return fromNativeText(*failure);
}

} // namespace ondulix
