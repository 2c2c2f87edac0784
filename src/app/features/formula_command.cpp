#include "app/features/formula_command.h"

#include "app/editor/editor.h"
#include "app/editor/feature_context.h"
#include "app/editor/graph_menu.h"
#include "app/editor/window_action.h"
#include "app/features/formula_dialog.h"
#include "platform/user_messages.h"
#include "wave/formula.h"

#include <QAction>
#include <vector>

namespace ondulix {

FormulaCommand::FormulaCommand(const FeatureContext& context)
    : QObject(&context.window)
    , m_window(context.window)
    , m_editor(context.editor)
    , m_messages(context.messages)
{
    setObjectName(QStringLiteral("formulaCommand"));
    QAction* formula = addWindowAction(m_window, *this, QStringLiteral("Formula..."),
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F)}, [this] { openDialog(); });
    formula->setObjectName(QStringLiteral("actFormula"));
    context.menu.add(MenuSection::Formula, {formula});
}

void FormulaCommand::openDialog()
{
    // One dialog for the session, so that it keeps the last formula and its settings.
    if (!m_dialog)
        m_dialog = new FormulaDialog(m_window, [this] { return apply(); });
    m_dialog->openForEditing();
}

bool FormulaCommand::apply()
{
    const FormulaRequest request = m_dialog->request(m_editor.line());
    const FormulaWaves waves = evaluateFormula(request);
    if (const Refusal* refusal = refusalIn(waves)) {
        m_messages.tell(QStringLiteral("The formula was not applied: %1")
                            .arg(QString::fromStdString(refusal->reason)));
        return false;
    }
    const auto& written = std::get<std::vector<Wave>>(waves);
    if (!m_dialog->appliesToLines()) {
        m_editor.writeWave(written.front());
        return true;
    }
    std::vector<LineWrite> lines;
    lines.reserve(written.size());
    for (std::size_t k = 0; k < written.size(); ++k)
        lines.push_back({request.fromLine + static_cast<int>(k), written[k]});
    m_editor.writeLines(lines);
    return true;
}

} // namespace ondulix
