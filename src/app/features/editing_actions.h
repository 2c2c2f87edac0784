#pragma once

#include "wave/pasted_wave.h"
#include "wave/sample_set.h"

#include <QObject>

class QMenu;
class QWidget;

namespace ondulix {

class EditHistory;
class GraphMenu;
class MessageSink;
struct FeatureContext;

// Editing beyond the laid-out controls, by window-wide keys and the graph's menu: undo and
// redo, copy and paste in the program's own text and in the trackers' forms, and the wave
// transforms. Each edit is one step of the history and writes through the sample set, so
// every change handler runs.
class EditingActions : public QObject
{
    Q_OBJECT

public:
    explicit EditingActions(const FeatureContext& context);

private:
    void addUndoSection(GraphMenu& menu);
    void addClipboardSection(GraphMenu& menu);
    void addTransformSection(GraphMenu& menu);
    QMenu* trackerMenu(const QString& title, void (EditingActions::*operation)(int bits),
        void (EditingActions::*gameBoy)());

    void copyWave();
    void pasteWave();
    void copyTrackerWave(int bits);
    void pasteTrackerWave(int bits);
    void copyGameBoyWave();
    void pasteGameBoyWave();
    void writePastedWave(const PastedWave& pasted);
    void applyTransform(Wave (*transform)(const Wave&));

    QWidget& m_window;
    SampleSet& m_samples;
    EditHistory& m_history;
    MessageSink& m_messages;
};

} // namespace ondulix
