#include "app/editor/editor.h"

#include "files/csv_guesses.h"
#include "files/csv_reader.h"
#include "files/csv_writer.h"
#include "pattern/line_waves.h"
#include "pattern/pattern_line.h"
#include "platform/atomic_save.h"
#include "platform/native_path.h"
#include "platform/user_messages.h"

namespace ondulix {

namespace {

QString refusal(const QString& path, const Refusal& error)
{
    const QString reason = QString::fromStdString(error.reason);
    if (error.line == 0)
        return QStringLiteral("Could not open \"%1\": %2.").arg(path, reason);
    return QStringLiteral("Could not open \"%1\": line %2: %3.")
        .arg(path, QString::number(error.line), reason);
}

EditHistory::Kind historyKind(Editor::Step step)
{
    return step == Editor::Step::Gesture ? EditHistory::Kind::Gesture : EditHistory::Kind::Own;
}

} // namespace

Editor::Action::Action(Editor& editor, Step step)
    : m_action(editor.m_history, historyKind(step))
{ }

Editor::Editor(std::unique_ptr<SampleSet> samples, std::unique_ptr<LineSelector> lines,
    const GestureCounter& gestures, MessageSink& messages)
    : m_samples(std::move(samples))
    , m_lines(std::move(lines))
    , m_messages(messages)
    , m_history({*m_samples, m_table, *m_lines}, gestures, m_changes)
{ }

Editor::~Editor() = default;

void Editor::writeWave(const Wave& wave, Step step)
{
    Action action(*this, step);
    ondulix::writeWave(wave, *m_samples);
}

void Editor::writePasted(const PastedWave& pasted)
{
    if (const Refusal* refusal = refusalIn(pasted)) {
        m_messages.tell(
            QStringLiteral("Nothing was pasted: %1").arg(QString::fromStdString(refusal->reason)));
        return;
    }
    writeWave(std::get<Wave>(pasted));
}

void Editor::writeLines(std::span<const LineWrite> lines)
{
    Action action(*this, Step::Own);
    applyWrites(lines, m_table);
    if (writesLine(lines, line()))
        loadLine(m_table, line(), *m_samples);
}

void Editor::storeCurrentLine()
{
    Action action(*this, Step::Own);
    storeLine(*m_samples, line(), m_table);
}

bool Editor::openTable(const QString& path)
{
    {
        Action action(*this, Step::Own);
        m_csvFileName = path;
        ReadResult<CsvFileRead> read = readCsvFileOnto(toNativePath(path), m_table);
        if (const Refusal* error = refusalIn(read)) {
            m_messages.tell(refusal(path, *error));
            return false;
        }
        CsvFileRead& file = std::get<CsvFileRead>(read);
        m_table = std::move(file.table);
        m_savedTable = std::move(file.fileAlone);
        m_tableFile = path;
        emit m_changes.csvOpened();
        pageToFirstLine(*m_lines);
    }
    // Once the open is one step of its own: the message waits for the user.
    tellGuesses(path, csvGuesses(m_savedTable));
    return true;
}

void Editor::recoverWork(
    const PatternTable& table, int line, const Wave& sliders, const QString& csvFileName)
{
    Action action(*this, Step::Own);
    m_table = table;
    m_csvFileName = csvFileName;
    pageToLine(line);
    ondulix::writeWave(sliders, *m_samples);
}

void Editor::pageToSelectedLine()
{
    Action action(*this, Step::Own);
    ondulix::pageToSelectedLine(*m_lines, m_table, *m_samples);
    emit m_changes.linePaged(line());
}

bool Editor::waveStored() const
{
    return wave() == lineWave(m_table, line());
}

void Editor::tableWasSaved(const QString& path)
{
    m_savedTable = m_table;
    m_tableFile = path;
    emit m_changes.csvSaved();
}

bool Editor::saveAllWork()
{
    if (!waveStored())
        storeCurrentLine();
    if (m_tableFile.isEmpty())
        return saveTableAsked();
    if (!saveTellingFailure(m_tableFile, QByteArray::fromStdString(csvText(m_table)), m_messages))
        return false;
    tableWasSaved(m_tableFile);
    return true;
}

void Editor::tellGuesses(const QString& path, const CsvGuesses& guesses)
{
    if (guesses.count == 0)
        return;
    QString text
        = QStringLiteral("\"%1\" was read, but not all of it as the editor writes it:").arg(path);
    for (const std::string& line : guessLines(guesses))
        text += QStringLiteral("\n") + QString::fromStdString(line);
    m_messages.tell(text);
}

} // namespace ondulix
