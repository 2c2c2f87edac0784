#include "platform/atomic_save.h"

#include <QSaveFile>

namespace ondulix {

namespace {

// Unbuffered, and written until every byte is taken: Qt's buffered path accepts a short write
// (a full disk, a file size limit) without an error, and commit() would then put a truncated
// file in place of the old one. The write after a short one fails with the system's reason.
bool writeAll(QSaveFile& file, const QByteArray& bytes)
{
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 now = file.write(bytes.constData() + written, bytes.size() - written);
        if (now <= 0)
            return false;
        written += now;
    }
    return true;
}

} // namespace

std::optional<QString> saveAtomically(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    if (!writeAll(file, bytes)) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

} // namespace ondulix
