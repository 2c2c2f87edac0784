#pragma once

#include "app/editor/change_signals.h"
#include "app/editor/edit_history.h"
#include "pattern/line_paging.h"
#include "pattern/line_writes.h"
#include "pattern/pattern_table.h"
#include "wave/pasted_wave.h"
#include "wave/sample_set.h"

#include <QString>
#include <functional>
#include <memory>
#include <span>

namespace ondulix {

struct CsvGuesses;
class GestureCounter;
class MessageSink;

// The one way between the window, its features and what the user edits: the wave in the
// sliders, the pattern table, the line selector, the edit history and the CSV file the table
// came from. Every write below is one undo step and goes through the sliders and the selector,
// so every change handler runs, whoever writes.
class Editor
{
public:
    enum class Step
    {
        Own, // a step of its own
        Gesture, // part of the gesture under way, such as a drag
    };

    // Marks one run of an action: what it writes, and what the actions it runs write, is one
    // undo step, recorded when the outermost run ends.
    class Action
    {
    public:
        Action(Editor& editor, Step step);

    private:
        EditHistory::Action m_action;
    };

    // The window's own Open CSV and Save CSV, on its shared file dialog, as its buttons run
    // them; the save tells whether it wrote the file.
    struct TableFileCommands
    {
        std::function<void()> open;
        std::function<bool()> save;
    };

    // The sample set and the line selector are the window's controls, built before the editor.
    Editor(std::unique_ptr<SampleSet> samples, std::unique_ptr<LineSelector> lines,
        const GestureCounter& gestures, MessageSink& messages);
    ~Editor();

    // The window's handlers write the samples themselves; features write through writeWave.
    SampleSet& samples() { return *m_samples; }
    const SampleSet& samples() const { return *m_samples; }
    Wave wave() const { return readWave(*m_samples); }
    const PatternTable& table() const { return m_table; }
    int line() const { return m_lines->line(); }
    // The current line as the user sees it, with the edits in the sliders not yet stored.
    EditedLine editedLine() const { return {line(), wave()}; }
    const QString& csvFileName() const { return m_csvFileName; }
    ChangeSignals& changes() { return m_changes; }
    const ChangeSignals& changes() const { return m_changes; }

    // Writes the whole wave into the sliders.
    void writeWave(const Wave& wave, Step step = Step::Own);
    // A pasted wave into the sliders, or the user is told why nothing was pasted.
    void writePasted(const PastedWave& pasted);
    // Writes whole lines in Generate to Memory's form. When the current line is among them,
    // the sliders load it through paging's load, so what is shown is what is stored.
    void writeLines(std::span<const LineWrite> lines);
    // Generate to Memory: the sliders into the current line.
    void storeCurrentLine();
    // Pages once to `line`, as the line selector's arrows do.
    void pageToLine(int line) { m_lines->setLine(line); }
    // Open CSV once a file is named: by the dialog, the command line or a drop. The name becomes
    // the CSV file name even when the file is refused; a refused file changes nothing else, and
    // the user is told which line is at fault. A read file shows line 1, and where the reading
    // had to guess (a field that is not a number as a whole, a value beyond full scale), one
    // message says where.
    bool openTable(const QString& path);

    // Puts back work a recovery file kept, as one undo step: the table, the line through paging,
    // then the sliders. The table keeps the state it is saved in, so the work counts as changed.
    void recoverWork(
        const PatternTable& table, int line, const Wave& sliders, const QString& csvFileName);

    // Paging, as the line selector's change runs it.
    void pageToSelectedLine();
    // What the slider change handler saw change, as it changes.
    void sampleWritten(int index) { m_history.sampleWritten(index, m_samples->sample(index)); }

    void undo() { m_history.undo(); }
    void redo() { m_history.redo(); }
    // Starts the history afresh from what is shown now: where the window starts is no step.
    void forgetHistory() { m_history.forget(); }
    const EditHistory& history() const { return m_history; }

    // Whether every cell holds what the file last opened or saved gives it, field by field. A file
    // opened onto a table leaves the cells it does not reach as they were: where they differ
    // from empty, which is what that file holds for them, the table is changed.
    bool tableSaved() const { return m_table == m_savedTable; }
    // Whether the sliders hold what the current line stores.
    bool waveStored() const;
    bool hasUnsavedWork() const { return !tableSaved() || !waveStored(); }
    // Save CSV wrote the table to `path`.
    void tableWasSaved(const QString& path);
    // Keeps all the work in a file: a wave not stored goes into its line first, as Generate to
    // Memory stores it (one undo step), then the table is saved to the file it was last opened
    // from or saved to, or where Save CSV's dialog says when it has none. Whether it was saved.
    bool saveAllWork();

    void lendTableFileCommands(TableFileCommands commands) { m_fileCommands = std::move(commands); }
    void openTableAsked() { m_fileCommands.open(); }
    bool saveTableAsked() { return m_fileCommands.save(); }

private:
    void tellGuesses(const QString& path, const CsvGuesses& guesses);

    std::unique_ptr<SampleSet> m_samples;
    std::unique_ptr<LineSelector> m_lines;
    MessageSink& m_messages;
    PatternTable m_table;
    PatternTable m_savedTable; // as the file last opened or saved holds it
    QString m_tableFile; // that file; empty before the first
    QString m_csvFileName;
    ChangeSignals m_changes;
    EditHistory m_history;
    TableFileCommands m_fileCommands;
};

} // namespace ondulix
