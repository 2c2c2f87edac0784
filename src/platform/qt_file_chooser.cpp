#include "platform/qt_file_chooser.h"

#include <QFileDialog>
#include <QFileInfo>

namespace ondulix {

namespace {

void apply(QFileDialog& dialog, const FileQuestion& question)
{
    const bool open = question.mode == FileQuestion::Mode::Open;
    const bool folder = question.mode == FileQuestion::Mode::Folder;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !question.confirmOverwrite);
    // A folder is picked as an existing one is opened; its files are written later, one by one.
    dialog.setAcceptMode(open || folder ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(open ? QFileDialog::ExistingFile
            : folder        ? QFileDialog::Directory
                            : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::ShowDirsOnly, folder);
    if (!question.title.isEmpty())
        dialog.setWindowTitle(question.title);
    QStringList filters;
    for (const NameFilter& filter : question.filters)
        filters << filter.text;
    if (!filters.isEmpty())
        dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(question.defaultSuffix);
    if (!question.folder.isEmpty())
        dialog.setDirectory(question.folder);
    if (!question.selectedFile.isEmpty())
        dialog.selectFile(question.selectedFile);
}

} // namespace

std::optional<QString> QtFileChooser::choose(const FileQuestion& question, QWidget* parent)
{
    QFileDialog dialog(parent);
    apply(dialog, question);
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& text) {
        for (const NameFilter& filter : question.filters) {
            if (filter.text == text && !filter.suffix.isEmpty())
                dialog.setDefaultSuffix(filter.suffix);
        }
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QFileInfo(dialog.selectedFiles().constFirst()).absoluteFilePath();
}

} // namespace ondulix
