#pragma once

#include <QObject>
#include <QString>

class QMenu;
class QWidget;

namespace ondulix {

class Editor;
class FileChooser;
class MessageSink;
class PlayedDepth;
struct FeatureContext;

// The wave in the trackers' forms, in the graph's menu: "Copy as tracker wave" and "Paste
// tracker wave", 32 levels at 4, 5, 6 or 8 bits or the Game Boy's 32 hex digits, and between
// them "Save tracker wave", a Furnace or DefleMask wave file at the same depths, saved
// atomically, and "All lines...", a Furnace wave for each line into a folder. A paste is one
// undo step. The saves' dialogs are their own and open in the folder of the last save.
class TrackerWaves : public QObject
{
    Q_OBJECT

public:
    explicit TrackerWaves(const FeatureContext& context);

private:
    // A submenu with an entry for each tracker depth, and the Game Boy's form when given.
    QMenu* depthMenu(const QString& title, void (TrackerWaves::*atDepth)(int bits),
        void (TrackerWaves::*gameBoy)() = nullptr);

    void copyAtDepth(int bits);
    void pasteAtDepth(int bits);
    void copyGameBoy();
    void pasteGameBoy();
    void save(int bits);
    void saveAllLines();

    QWidget& m_window;
    Editor& m_editor;
    FileChooser& m_files;
    MessageSink& m_messages;
    const PlayedDepth& m_depth;
    QString m_folder;
};

} // namespace ondulix
