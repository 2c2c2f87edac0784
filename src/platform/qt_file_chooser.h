#pragma once

#include "platform/file_chooser.h"

namespace ondulix {

// Qt's own file dialog, the same on every system and the one tests can drive.
class QtFileChooser : public FileChooser
{
public:
    std::optional<QString> choose(const FileQuestion& question, QWidget* parent) override;
};

} // namespace ondulix
