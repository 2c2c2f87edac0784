#include "platform/process_start.h"

#include <QProcess>

namespace ondulix {

ProcessStart startDetached(
    const QString& program, const QStringList& arguments, const QString& workingDirectory)
{
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setWorkingDirectory(workingDirectory);
    ProcessStart result;
    result.started = process.startDetached(&result.processId);
    if (!result.started) {
        result.processId = 0;
        result.failure = process.errorString();
    }
    return result;
}

} // namespace ondulix
