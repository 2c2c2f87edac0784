#include "app/features/chip_depth_actions.h"

#include "app/editor/editor.h"
#include "app/editor/feature_context.h"
#include "app/editor/graph_menu.h"
#include "app/editor/played_depth.h"
#include "app/editor/window_action.h"
#include "platform/user_messages.h"
#include "wave/chip_depth.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

namespace ondulix {

ChipDepthActions::ChipDepthActions(const FeatureContext& context)
    : QObject(&context.window)
    , m_editor(context.editor)
    , m_messages(context.messages)
    , m_depth(context.depth)
{
    setObjectName(QStringLiteral("chipDepthActions"));
    QAction* round = addWindowAction(context.window, *this, QStringLiteral("Round to chip levels"),
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L)}, [this] { roundToLevels(); });
    round->setObjectName(QStringLiteral("actRoundToChipLevels"));
    context.menu.add(MenuSection::Shape, {createDepthMenu(context.window), round});
}

// A submenu of the graph's menu, owned by the window as the menu's other submenus are. The
// choice is the session's: the settings file is not touched.
QAction* ChipDepthActions::createDepthMenu(QWidget& window)
{
    auto* menu = new QMenu(QStringLiteral("Chip &depth"), &window);
    menu->setObjectName(QStringLiteral("mnuChipDepth"));
    auto* group = new QActionGroup(this);
    for (const ChipDepth& depth : kChipDepths) {
        QAction* choice = menu->addAction(
            QString::fromUtf8(depth.name.data(), static_cast<qsizetype>(depth.name.size())));
        choice->setCheckable(true);
        choice->setChecked(depth.bits == m_depth.bits());
        group->addAction(choice);
        const int bits = depth.bits;
        connect(choice, &QAction::triggered, this, [this, bits] { m_depth.setBits(bits); });
    }
    return menu->menuAction();
}

void ChipDepthActions::roundToLevels()
{
    if (m_depth.bits() == 0) {
        m_messages.tell(QStringLiteral("Nothing was rounded: the chip depth is Exact. Choose a "
                                       "depth under \"Chip depth\" in the graph's menu first."));
        return;
    }
    const Wave wave = m_editor.wave();
    const Wave rounded = onChipLevels(wave, m_depth.bits());
    if (rounded != wave)
        m_editor.writeWave(rounded);
}

} // namespace ondulix
