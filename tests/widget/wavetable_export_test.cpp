#include "widget/window_fixture.h"

#include "app/wavetable_export.h"

#include <QFile>

using namespace ondulix;
using namespace ondulix::testing;

namespace {

// Answers the export's own file question with a path, or a cancel for a null one. The window's
// CD1 stays scripted to answer nothing, so a test that reached it would fail.
struct Answer : ExportFileChooser
{
    QString path;
    std::optional<QString> choose(QWidget*) override
    {
        return path.isNull() ? std::nullopt : std::optional(path);
    }
};

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class WavetableExportTest : public WindowTest
{
protected:
    // Ctrl+E on whatever control has the focus: the shortcut is window-wide.
    void exportWithKeys(const QString& path, QWidget* focused)
    {
        auto answer = std::make_unique<Answer>();
        answer->path = path;
        window->findChild<WavetableExport*>()->setFileChooser(std::move(answer));
        focused->setFocus();
        QTest::keyClick(focused, Qt::Key_E, Qt::ControlModifier);
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
        {"table.WT", "vawt", 4108},
        {"table.wav", "RIFF", 262144 + 100}, // 100: the RIFF, fmt, fact, clm and data heads
        {"table", "RIFF", 262144 + 100},
    };
    slider(0)->setLevel(250);
    click("cmdGenMem");
    slider(1)->setLevel(-500); // not stored, so not in the table
    for (const auto& c : cases) {
        exportWithKeys(pathOf(c.name), slider(5));
        const QByteArray bytes = fileBytes(pathOf(c.name));
        EXPECT_TRUE(bytes.startsWith(c.start)) << c.name;
        EXPECT_EQ(bytes.size(), c.size) << c.name;
    }
    EXPECT_EQ(fileBytes(pathOf("table.wt")).mid(16, 4), QByteArray(4, '\0'));
    const auto files = [this] { return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden); };
    const QStringList before = files();
    exportWithKeys(QString(), graph()); // a cancel writes nothing
    EXPECT_EQ(files(), before);
    EXPECT_TRUE(messages->messages.isEmpty());
}

// The save is the window's atomic save: a failure leaves the old file, which its own tests show.
TEST_F(WavetableExportTest, AFailedSaveSaysWhichFileAndWhy)
{
    exportWithKeys(pathOf("missing/table.wav"), preset(2));
    ASSERT_EQ(messages->messages.size(), 1);
    EXPECT_TRUE(messages->messages[0].startsWith(
        QStringLiteral("Could not save \"%1\": ").arg(pathOf("missing/table.wav"))));
}

} // namespace
