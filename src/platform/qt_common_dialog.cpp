#include "platform/qt_common_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace ondulix {

namespace {

constexpr bool kProgramsEndInExe =
#ifdef Q_OS_WIN
    true;
#else
    false;
#endif

bool hasWildcard(const QString& text)
{
    return text.contains(u'*') || text.contains(u'?');
}

QString suffixOf(QString extension)
{
    if (extension.startsWith(u'*'))
        extension.remove(0, 1);
    if (extension.startsWith(u'.'))
        extension.remove(0, 1);
    return hasWildcard(extension) ? QString() : extension;
}

void apply(QFileDialog& dialog, CommonDialog::Mode mode, const DialogPresentation& shown)
{
    const bool open = mode == CommonDialog::Mode::Open;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // The program has always written over a chosen file without asking.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!shown.title.isEmpty())
        dialog.setWindowTitle(shown.title);
    if (!shown.nameFilters.isEmpty())
        dialog.setNameFilters(shown.nameFilters);
    dialog.setDefaultSuffix(shown.defaultSuffix);
    if (!shown.directory.isEmpty())
        dialog.setDirectory(shown.directory);
    if (!shown.selectedFile.isEmpty())
        dialog.selectFile(shown.selectedFile);
}

} // namespace

DialogPresentation presentationOf(const DialogSettings& settings, bool programsEndInExe)
{
    DialogPresentation shown;
    shown.title = settings.title;
    const bool asksForPrograms
        = settings.filter.contains(QStringLiteral(".exe"), Qt::CaseInsensitive);
    if (!settings.filter.isEmpty())
        shown.nameFilters << settings.filter;
    if (asksForPrograms && !programsEndInExe)
        shown.nameFilters << QStringLiteral("All files (*)");
    shown.defaultSuffix = suffixOf(settings.defaultExt);
    if (!programsEndInExe && shown.defaultSuffix.compare(u"exe", Qt::CaseInsensitive) == 0)
        shown.defaultSuffix.clear();
    shown.directory = settings.initDir;
    if (!hasWildcard(settings.fileName))
        shown.selectedFile = settings.fileName;
    if (QFileInfo(shown.selectedFile).isAbsolute())
        shown.directory = QFileInfo(shown.selectedFile).absolutePath();
    return shown;
}

std::optional<QString> QtCommonDialog::pick(
    Mode mode, const DialogSettings& settings, QWidget* parent)
{
    QFileDialog dialog(parent);
    apply(dialog, mode, presentationOf(settings, kProgramsEndInExe));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QFileInfo(dialog.selectedFiles().constFirst()).absoluteFilePath();
}

} // namespace ondulix
