#pragma once

#include <QList>
#include <QString>
#include <optional>

class QWidget;

namespace ondulix {

// One name filter of a file question, and the ending a typed name takes while it is selected;
// no ending keeps the question's default.
struct NameFilter
{
    QString text;
    QString suffix;
    friend bool operator==(const NameFilter&, const NameFilter&) = default;
};

// Everything a file dialog shows when it asks for a file.
struct FileQuestion
{
    enum class Mode
    {
        Open, // an existing file
        Save, // any name, a new one too
    };

    Mode mode = Mode::Open;
    QString title; // empty: Qt's own "Open" or "Save As"
    QList<NameFilter> filters; // empty: every file
    QString defaultSuffix;
    QString folder; // empty: Qt's choice
    QString selectedFile; // empty: none
    bool confirmOverwrite = true;
};

// Where the program asks the user for a file: the window's shared dialog CD1 and every
// feature's own dialog alike. Tests answer through a chooser of their own.
class FileChooser
{
public:
    virtual ~FileChooser() = default;
    // The full path of the chosen file, or nothing when the user cancels.
    virtual std::optional<QString> choose(const FileQuestion& question, QWidget* parent) = 0;
};

} // namespace ondulix
