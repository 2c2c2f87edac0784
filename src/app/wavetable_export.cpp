#include "app/wavetable_export.h"

#include "app/frmondulix.h"
#include "platform/atomic_save.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>

namespace ondulix {

namespace {

struct FormatFilter
{
    const char* filter;
    const char* suffix;
};

constexpr FormatFilter kFilters[] = {
    {"Wavetable WAV (*.wav)", "wav"},
    {"Surge XT wavetable (*.wt)", "wt"},
};

} // namespace

std::optional<QString> WavetableFileDialog::choose(QWidget* parent)
{
    QFileDialog dialog(parent, QStringLiteral("Export wavetable"), m_folder);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    QStringList filters;
    for (const FormatFilter& format : kFilters)
        filters << QString::fromLatin1(format.filter);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(QString::fromLatin1(kFilters[0].suffix));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& f) {
        for (const FormatFilter& format : kFilters) {
            if (f == QLatin1String(format.filter))
                dialog.setDefaultSuffix(QString::fromLatin1(format.suffix));
        }
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString path = dialog.selectedFiles().constFirst();
    m_folder = QFileInfo(path).absolutePath();
    return path;
}

WavetableFormat wavetableFormatFor(const QString& path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("wt"), Qt::CaseInsensitive) == 0
        ? WavetableFormat::SurgeWt
        : WavetableFormat::Wav;
}

WavetableExport::WavetableExport(frmOndulix& window)
    : QObject(&window)
    , m_window(window)
{
    setObjectName(QStringLiteral("wavetableExport"));
    m_action = new QAction(QStringLiteral("Export wavetable..."), &window);
    m_action->setObjectName(QStringLiteral("actExportWavetable"));
    m_action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    m_action->setShortcutContext(Qt::WindowShortcut);
    connect(m_action, &QAction::triggered, this, &WavetableExport::exportTable);
    window.addAction(m_action);
}

void WavetableExport::exportTable()
{
    const std::optional<QString> path = m_chooser->choose(&m_window);
    if (!path)
        return;
    const WavetableBytes file = wavetableBytes(m_window.patternTable(), wavetableFormatFor(*path));
    std::optional<QString> failure;
    if (file.failure)
        failure = QString::fromStdString(*file.failure);
    else
        failure = saveAtomically(*path, QByteArray::fromStdString(file.bytes));
    if (failure)
        m_window.messages().tell(QStringLiteral("Could not save \"%1\": %2.").arg(*path, *failure));
}

} // namespace ondulix
