#include "app/features/tracker_waves.h"

#include "app/editor/editor.h"
#include "app/editor/feature_context.h"
#include "app/editor/graph_menu.h"
#include "app/editor/played_depth.h"
#include "app/editor/table_export_save.h"
#include "files/tracker_wave_file.h"
#include "platform/atomic_save.h"
#include "platform/clipboard.h"
#include "platform/file_chooser.h"
#include "platform/user_messages.h"
#include "wave/tracker_wave.h"

#include <QFileInfo>
#include <QMenu>

namespace ondulix {

namespace {

constexpr int kGameBoyBits = 4;

} // namespace

TrackerWaves::TrackerWaves(const FeatureContext& context)
    : QObject(&context.window)
    , m_window(context.window)
    , m_editor(context.editor)
    , m_files(context.files)
    , m_messages(context.messages)
    , m_depth(context.depth)
{
    setObjectName(QStringLiteral("trackerWaves"));
    QMenu* save = depthMenu(QStringLiteral("Save tracker wave"), &TrackerWaves::save);
    save->setObjectName(QStringLiteral("mnuSaveTrackerWave"));
    save->addSeparator();
    save->addAction(QStringLiteral("All lines..."), this, [this] { saveAllLines(); });
    context.menu.add(MenuSection::TrackerWaves,
        {depthMenu(QStringLiteral("Copy as tracker wave"), &TrackerWaves::copyAtDepth,
             &TrackerWaves::copyGameBoy)
                ->menuAction(),
            save->menuAction(),
            depthMenu(QStringLiteral("Paste tracker wave"), &TrackerWaves::pasteAtDepth,
                &TrackerWaves::pasteGameBoy)
                ->menuAction()});
}

// A submenu of the graph's menu, owned by the window as the menu's other submenus are.
QMenu* TrackerWaves::depthMenu(
    const QString& title, void (TrackerWaves::*atDepth)(int bits), void (TrackerWaves::*gameBoy)())
{
    auto* depths = new QMenu(title, &m_window);
    for (const int bits : kTrackerDepths) {
        depths->addAction(QStringLiteral("%1 bits (0 to %2)").arg(bits).arg((1 << bits) - 1), this,
            [this, atDepth, bits] { (this->*atDepth)(bits); });
    }
    if (gameBoy) {
        depths->addAction(QStringLiteral("Game Boy (32 hex digits, 0 to F)"), this,
            [this, gameBoy] { (this->*gameBoy)(); });
    }
    return depths;
}

void TrackerWaves::copyAtDepth(int bits)
{
    replaceClipboardText(trackerText(m_editor.wave(), bits));
}

void TrackerWaves::pasteAtDepth(int bits)
{
    m_editor.writePasted(readTrackerWave(currentClipboardText(), bits));
}

void TrackerWaves::copyGameBoy()
{
    replaceClipboardText(gameBoyText(m_editor.wave()));
}

void TrackerWaves::pasteGameBoy()
{
    m_editor.writePasted(readGameBoyWave(currentClipboardText()));
}

void TrackerWaves::save(int bits)
{
    const std::optional<QString> path
        = m_files.choose(saveQuestion(QStringLiteral("Save tracker wave"),
                             {{QStringLiteral("Furnace wave (*.fuw)"), QStringLiteral("fuw")},
                                 {QStringLiteral("DefleMask wave (*.dmw)"), QStringLiteral("dmw")}},
                             m_folder),
            &m_window);
    if (!path)
        return;
    m_folder = QFileInfo(*path).absolutePath();
    const auto format = hasSuffix(*path, QStringLiteral("dmw")) ? TrackerWaveFormat::DefleMask
                                                                : TrackerWaveFormat::Furnace;
    saveTellingFailure(*path,
        QByteArray::fromStdString(trackerWaveFileBytes(m_editor.wave(), bits, format)), m_messages);
}

// Every line of the stored table up to the last that holds a sound, a Furnace wave each, at the
// depth the session hears (the Game Boy's 4 bits when that is Exact); Export for... offers the
// DefleMask waves and any other depth.
void TrackerWaves::saveAllLines()
{
    ExportRequest request;
    request.format = OutputFormat::FurnaceWave;
    request.words.bits = m_depth.bits() != 0 ? m_depth.bits() : kGameBoyBits;
    request.everyLine = true;
    const auto choose = [this] {
        return m_files.choose(
            folderQuestion(QStringLiteral("Save all lines as tracker waves"), m_folder), &m_window);
    };
    if (const auto folder = saveTableExport(m_editor, request, m_messages, choose))
        m_folder = *folder;
}

} // namespace ondulix
