#include "widget/file_window_fixture.h"

#include "app/wavetable_export.h"
#include "support/locked_folder.h"

using namespace ondulix;
using namespace ondulix::testing;

namespace {

// Answers the export's own file question from a list; a null text stands for a cancel.
class ScriptedChooser : public ExportFileChooser
{
public:
    explicit ScriptedChooser(QStringList answers)
        : m_answers(std::move(answers))
    { }
    std::optional<QString> choose(QWidget*) override
    {
        if (m_answers.isEmpty()) {
            ADD_FAILURE() << "the export asked for a file the test did not expect";
            return std::nullopt;
        }
        const QString next = m_answers.takeFirst();
        return next.isNull() ? std::nullopt : std::optional<QString>(next);
    }

private:
    QStringList m_answers;
};

// The window's file dialog (CD1) is scripted to answer nothing: were the export to use it, the
// test would fail.
class WavetableExportTest : public FileWindowTest
{
protected:
    // Ctrl+E, a window-wide shortcut, on whatever control has the focus; the file question
    // answered with `path`.
    void exportWithKeys(const QString& path, QWidget* focused)
    {
        auto* exporter = window->findChild<WavetableExport*>();
        ASSERT_NE(exporter, nullptr);
        exporter->setFileChooser(std::make_unique<ScriptedChooser>(QStringList {path}));
        focused->setFocus();
        QTest::keyClick(focused, Qt::Key_E, Qt::ControlModifier);
    }
    // Line 1 stored with sample 1 at 250; then sample 2 edited and not stored.
    void storeLineOneAndEditOn()
    {
        slider(0)->setLevel(250);
        click("cmdGenMem");
        slider(1)->setLevel(-500);
    }
};

TEST_F(WavetableExportTest, TheFilesEndingPicksTheFormatOfTheStoredTable)
{
    const struct
    {
        const char* name;
        QByteArray start;
        qsizetype size;
    } cases[] = {
        {"table.wt", QByteArray("vawt\x20\0\0\0\x20\0\0\0\0\0\0\x3F", 16), 4108}, // 0.5f
        {"table.WT", QByteArray("vawt", 4), 4108},
        {"table.wav", QByteArray("RIFF", 4), 262144 + 100}, // 100: RIFF, fmt, fact, clm, data heads
        {"table", QByteArray("RIFF", 4), 262144 + 100},
    };
    storeLineOneAndEditOn();
    for (const auto& c : cases) {
        exportWithKeys(pathOf(c.name), slider(5));
        const QByteArray bytes = fileBytes(pathOf(c.name));
        EXPECT_TRUE(bytes.startsWith(c.start)) << c.name;
        EXPECT_EQ(bytes.size(), c.size) << c.name;
    }
    // The edit after the store is not in the table, so not in the file.
    EXPECT_EQ(fileBytes(pathOf("table.wt")).mid(16, 4), QByteArray(4, '\0'));
    EXPECT_TRUE(recorder->messages.isEmpty());
    EXPECT_TRUE(dialog->shown.empty());
}

TEST_F(WavetableExportTest, ACancelWritesNothing)
{
    exportWithKeys(QString(), graph());
    EXPECT_EQ(
        QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"Ondulix.ini"}));
    EXPECT_TRUE(recorder->messages.isEmpty());
}

TEST_F(WavetableExportTest, AFailedSaveKeepsTheOldFileAndSaysWhy)
{
    writeFile(pathOf("kept.wav"), "old");
    LockedFolder locked(folder.path().toStdString());
    if (!locked.locked())
        GTEST_SKIP() << "this file system cannot lock a folder";
    exportWithKeys(pathOf("kept.wav"), preset(2));
    EXPECT_EQ(fileBytes(pathOf("kept.wav")), "old");
    ASSERT_EQ(recorder->messages.size(), 1);
    EXPECT_TRUE(recorder->messages[0].startsWith(
        QStringLiteral("Could not save \"%1\": ").arg(pathOf("kept.wav"))))
        << recorder->messages[0].toStdString();
}

} // namespace
