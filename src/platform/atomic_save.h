#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace ondulix {

// Writes a file the user owns so that it is either wholly new or wholly as before, through the
// program's one atomic writer (files/atomic_file.h). Returns the system's reason when the save
// failed (a read-only folder, a folder in the file's place, a full disk), nothing on success.
std::optional<QString> saveAtomically(const QString& path, const QByteArray& bytes);

class MessageSink;

// saveAtomically, and on a failure the user is told which file and why. Whether it saved.
bool saveTellingFailure(const QString& path, const QByteArray& bytes, MessageSink& messages);

} // namespace ondulix
