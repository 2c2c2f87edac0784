#include "platform/common_dialog.h"

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

} // namespace

std::optional<QString> CommonDialog::showOpen(QWidget* parent)
{
    return show(Mode::Open, parent);
}

std::optional<QString> CommonDialog::showSave(QWidget* parent)
{
    return show(Mode::Save, parent);
}

std::optional<QString> CommonDialog::show(Mode mode, QWidget* parent)
{
    std::optional<QString> chosen
        = m_chooser.choose(questionOf(mode, m_settings, kProgramsEndInExe), parent);
    if (chosen)
        m_settings.fileName = *chosen;
    return chosen;
}

FileQuestion questionOf(
    FileQuestion::Mode mode, const DialogSettings& settings, bool programsEndInExe)
{
    FileQuestion question;
    question.mode = mode;
    question.confirmOverwrite = false;
    question.title = settings.title;
    if (!settings.filter.isEmpty())
        question.filters << NameFilter {settings.filter, {}};
    if (settings.filter.contains(QStringLiteral(".exe"), Qt::CaseInsensitive) && !programsEndInExe)
        question.filters << NameFilter {QStringLiteral("All files (*)"), {}};
    question.defaultSuffix = suffixOf(settings.defaultExt);
    if (!programsEndInExe && question.defaultSuffix.compare(u"exe", Qt::CaseInsensitive) == 0)
        question.defaultSuffix.clear();
    question.folder = settings.initDir;
    if (!hasWildcard(settings.fileName))
        question.selectedFile = settings.fileName;
    if (QFileInfo(question.selectedFile).isAbsolute())
        question.folder = QFileInfo(question.selectedFile).absolutePath();
    return question;
}

} // namespace ondulix
