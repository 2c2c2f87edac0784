#pragma once

#include "platform/file_chooser.h"
#include "platform/recovery_question.h"
#include "platform/save_question.h"
#include "platform/user_messages.h"

#include <QString>
#include <memory>
#include <optional>

namespace ondulix {

// What the window asks the user through, and what it opens first. Each left empty gets Qt's
// own: the file dialog, a warning box, a question box. Tests give their own.
struct WindowServices
{
    std::unique_ptr<FileChooser> files;
    std::unique_ptr<MessageSink> messages;
    std::unique_ptr<SaveQuestion> saveQuestion;
    std::unique_ptr<RecoveryQuestion> recoveryQuestion;
    // A file named on the command line, opened by Open CSV's rules once the window shows.
    std::optional<QString> startFile;
    // Where work in no file is kept meanwhile; empty: the user's state folder.
    QString stateFolder;
};

} // namespace ondulix
