#pragma once

#include <QObject>

class QAction;
class QWidget;

namespace ondulix {

class Editor;
class MessageSink;
class PlayedDepth;
struct FeatureContext;

// The chip the wave is made for, in the graph's menu: "Chip depth" chooses how many levels the
// preview plays, the harmonics window shows and the pointer draws, for this session; "Round to
// chip levels" (Ctrl+Shift+L) puts the wave in the sliders on them, as one undo step.
class ChipDepthActions : public QObject
{
    Q_OBJECT

public:
    explicit ChipDepthActions(const FeatureContext& context);

private:
    QAction* createDepthMenu(QWidget& window);
    void roundToLevels();

    Editor& m_editor;
    MessageSink& m_messages;
    PlayedDepth& m_depth;
};

} // namespace ondulix
