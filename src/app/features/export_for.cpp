#include "app/features/export_for.h"

#include "app/editor/editor.h"
#include "app/editor/feature_context.h"
#include "app/editor/graph_menu.h"
#include "app/editor/table_export_save.h"
#include "app/editor/window_action.h"
#include "app/features/export_for_dialog.h"
#include "platform/file_chooser.h"

#include <QAction>
#include <QFileInfo>

namespace ondulix {

ExportFor::ExportFor(const FeatureContext& context)
    : QObject(&context.window)
    , m_window(context.window)
    , m_editor(context.editor)
    , m_files(context.files)
    , m_messages(context.messages)
{
    setObjectName(QStringLiteral("exportFor"));
    QAction* action = addWindowAction(m_window, *this, QStringLiteral("Export for..."),
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E)}, [this] { ask(); });
    action->setObjectName(QStringLiteral("actExportFor"));
    context.menu.add(MenuSection::Export, {action});
}

ExportFor::~ExportFor()
{
    delete m_dialog;
}

// Window-modal and not exec(), as the morph's dialog: the answer comes back as a signal. The
// dialog keeps the last target and options for the session.
void ExportFor::ask()
{
    if (!m_dialog) {
        m_dialog = new ExportForDialog(&m_window);
        m_dialog->setWindowModality(Qt::WindowModal);
        connect(m_dialog, &QDialog::accepted, this, &ExportFor::exportTable);
    }
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
}

void ExportFor::exportTable()
{
    const ExportRequest request = m_dialog->request();
    const FormatName& format = formatNamed(request.format);
    const QString name = QString::fromLatin1(format.name.data(), qsizetype(format.name.size()));
    const QString suffix
        = QString::fromLatin1(format.suffix.data(), qsizetype(format.suffix.size()));
    const auto choose = [&]() {
        const QString title = QStringLiteral("Export for %1").arg(name);
        return m_files.choose(request.everyLine
                ? folderQuestion(title, m_folder)
                : saveQuestion(
                    title, {{QStringLiteral("%1 (*.%2)").arg(name, suffix), suffix}}, m_folder),
            &m_window);
    };
    if (const auto path = saveTableExport(m_editor, request, m_messages, choose))
        m_folder = request.everyLine ? *path : QFileInfo(*path).absolutePath();
}

} // namespace ondulix
