#pragma once

#include "platform/common_dialog.h"
#include "platform/user_messages.h"

class QWidget;

namespace ondulix {

// What the file operations need from the window: its one file dialog, a way to tell the user
// what failed, and the window itself as the dialogs' parent.
struct FileServices
{
    CommonDialog& dialog;
    MessageSink& messages;
    QWidget& window;
};

} // namespace ondulix
