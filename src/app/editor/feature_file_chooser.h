#pragma once

#include "platform/file_chooser.h"

#include <QAbstractButton>

namespace ondulix {

// The chooser the features' own dialogs ask through. Like every file command of the window, it
// takes the drawing flag down before a dialog opens: the click that closes a dialog over the
// graph must not draw.
class FeatureFileChooser : public FileChooser
{
public:
    FeatureFileChooser(FileChooser& chooser, QAbstractButton& drawingFlag)
        : m_chooser(chooser)
        , m_drawingFlag(drawingFlag)
    { }

    std::optional<QString> choose(const FileQuestion& question, QWidget* parent) override
    {
        m_drawingFlag.setChecked(false);
        return m_chooser.choose(question, parent);
    }

private:
    FileChooser& m_chooser;
    QAbstractButton& m_drawingFlag;
};

} // namespace ondulix
