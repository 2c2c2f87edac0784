#include "widget/file_window_fixture.h"

#include <QDeadlineTimer>
#include <QFileInfo>

using namespace ondulix;
using ondulix::testing::FileWindowTest;

namespace {

class QuenferRoadTest : public FileWindowTest
{
protected:
    // The image appears whole or not at all, since quenfer renames it into place.
    QByteArray waitForFile(const QString& path) const
    {
        QDeadlineTimer deadline(10000);
        while (!QFileInfo::exists(path) && !deadline.hasExpired())
            QTest::qWait(20);
        return ondulix::testing::fileBytes(path);
    }
};

// The whole road on the real window: a preset, stored and saved, compiled by the real quenfer
// that the window starts, into words a hardware memory takes.
TEST_F(QuenferRoadTest, MakeMemFileWithTheShippedCompilerWritesTheImageOfTheSavedTable)
{
    QTest::mouseClick(preset(2), Qt::LeftButton); // Sine
    click("cmdGenMem");
    const QString csv = pathOf(QStringLiteral("sine.csv"));
    dialog->answer(csv);
    click("cmdSave");

    dialog->answer(QStringLiteral(QUENFER_PATH));
    click("cmdConfigure");
    const QString mem = pathOf(QStringLiteral("sine.mem"));
    dialog->answer(csv);
    dialog->answer(mem);
    click("cmdQuenfer");
    ASSERT_TRUE(recorder->messages.isEmpty()) << recorder->messages.join(' ').toStdString();

    const QList<QByteArray> lines = waitForFile(mem).split('\n');
    ASSERT_EQ(lines.size(), 2 + 32 + 1024 + 1);
    EXPECT_EQ(lines[0], "// Ondulix memory image of " + csv.toUtf8());
    EXPECT_EQ(lines[2], "@000");
    // Sine: 0, 98, ..., 500 at sample 8, -500 at sample 24; 98 gives 0.098 x 65534 = 6422.3.
    EXPECT_EQ(lines[3 + 0], "0000");
    EXPECT_EQ(lines[3 + 1], "1916");
    EXPECT_EQ(lines[3 + 8], "7FFF");
    EXPECT_EQ(lines[3 + 24], "8001");
    EXPECT_EQ(lines[3 + 31], "E6EA");
    EXPECT_EQ(lines[3 + 32], "@020");
    EXPECT_EQ(lines[3 + 33], "0000");
}

} // namespace
