#pragma once

#include <QString>
#include <QStringList>

namespace ondulix {

struct ProcessStart
{
    bool started = false;
    qint64 processId = 0;
    QString failure; // the system's reason when it did not start
};

// Starts a program and does not wait for it. The arguments reach it each as one whole
// argument, with no shell in between, so nothing in them is split or run.
ProcessStart startDetached(
    const QString& program, const QStringList& arguments, const QString& workingDirectory);

} // namespace ondulix
