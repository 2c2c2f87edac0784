#pragma once

#include <QObject>
#include <QPointer>

namespace ondulix {

class LineSelector;
class LineWriter;
class MessageSink;
class MorphDialog;
class PatternTable;
class SampleSet;
struct FeatureContext;

// Ctrl+Shift+M, "Morph lines": fills the lines between two key lines, by crossfade or spectral.
// The dialog opens on the current line and the next line after it that holds a sound. The whole
// morph is one undo step; where there is no line between the two, a message says so and nothing
// changes.
class LineMorphing : public QObject
{
    Q_OBJECT

public:
    explicit LineMorphing(const FeatureContext& context);
    ~LineMorphing() override;

private:
    void ask();
    void morph();

    QWidget& m_window;
    const SampleSet& m_samples;
    const PatternTable& m_table;
    const LineSelector& m_lines;
    LineWriter& m_writer;
    MessageSink& m_messages;
    QPointer<MorphDialog> m_dialog;
};

} // namespace ondulix
