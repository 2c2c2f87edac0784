#include "platform/atomic_save.h"

#include "files/atomic_file.h"
#include "platform/native_path.h"
#include "platform/user_messages.h"

namespace ondulix {

std::optional<QString> saveAtomically(const QString& path, const QByteArray& bytes)
{
    const auto failure = writeFileAtomically(
        toNativePath(path), std::string_view(bytes.constData(), std::size_t(bytes.size())));
    if (!failure)
        return std::nullopt;
    return fromNativeText(*failure);
}

bool saveTellingFailure(const QString& path, const QByteArray& bytes, MessageSink& messages)
{
    const std::optional<QString> failure = saveAtomically(path, bytes);
    if (failure)
        messages.tell(QStringLiteral("Could not save \"%1\": %2.").arg(path, *failure));
    return !failure;
}

} // namespace ondulix
