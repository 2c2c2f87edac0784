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
        Folder, // a folder to write files into, a new one too
    };

    Mode mode = Mode::Open;
    QString title; // empty: Qt's own "Open" or "Save As"
    QList<NameFilter> filters; // empty: every file
    QString defaultSuffix;
    QString folder; // empty: Qt's choice
    QString selectedFile; // empty: none
    bool confirmOverwrite = true;
};

// A question for a file to write in `folder`. The first filter is the default: a name typed
// without an ending takes the selected filter's.
inline FileQuestion saveQuestion(
    const QString& title, QList<NameFilter> filters, const QString& folder)
{
    FileQuestion question;
    question.mode = FileQuestion::Mode::Save;
    question.title = title;
    question.filters = std::move(filters);
    question.defaultSuffix
        = question.filters.isEmpty() ? QString() : question.filters.front().suffix;
    question.folder = folder;
    return question;
}

// A question for the folder that a file a line goes into.
inline FileQuestion folderQuestion(const QString& title, const QString& folder)
{
    FileQuestion question;
    question.mode = FileQuestion::Mode::Folder;
    question.title = title;
    question.folder = folder;
    return question;
}

// Whether a file's name ends in "." and `suffix`, in any case: the format it asks for.
inline bool hasSuffix(const QString& path, const QString& suffix)
{
    return path.endsWith(QChar(u'.') + suffix, Qt::CaseInsensitive);
}

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
