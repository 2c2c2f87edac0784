#include "widget/csv_window_fixture.h"

#include "support/locked_folder.h"

using namespace ondulix;
using namespace ondulix::testing;

namespace {

QByteArray emptyTableFile()
{
    QByteArray file;
    for (int n = 1; n <= 32; ++n)
        file += " " + QByteArray::number(n) + zeros(32) + "\r\n";
    return file;
}

using CsvFilesTest = CsvWindowTest;

TEST_F(CsvFilesTest, SaveWritesTheStoredLinesByteForByte)
{
    const int stored[] = {500, -250, 0, 1};
    for (int i = 0; i < 4; ++i)
        slider(i)->setLevel(stored[i]);
    click("cmdGenMem");
    save(pathOf("wave.csv"));
    EXPECT_EQ(fileBytes(pathOf("wave.csv")), exampleFile());
    EXPECT_TRUE(recorder->messages.isEmpty());
    ASSERT_EQ(dialog->shown.size(), 1u);
    EXPECT_EQ(dialog->shown[0].mode, CommonDialog::Mode::Save);
}

TEST_F(CsvFilesTest, SaveReplacesAnExistingFileWhole)
{
    writeFile(pathOf("wave.csv"), QByteArray(10000, 'x'));
    save(pathOf("wave.csv"));
    EXPECT_EQ(fileBytes(pathOf("wave.csv")), emptyTableFile());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
        QStringList({"Ondulix.ini", "wave.csv"}));
}

TEST_F(CsvFilesTest, OpenStoresTheFileAndShowsLineOne)
{
    writeFile(pathOf("wave.csv"), exampleFile());
    selector()->setLevel(5);
    loaded->clear();
    open(pathOf("wave.csv"));
    EXPECT_EQ(samples()[0], 500);
    EXPECT_EQ(samples()[1], -250);
    EXPECT_EQ(samples()[3], 1);
    EXPECT_EQ(window->patternTable().cell(1, 2), " .5");
    EXPECT_EQ(window->patternTable().cell(1, 1), " 1");
    EXPECT_EQ(selector()->level(), 1);
    EXPECT_EQ(labelText(QStringLiteral("lblLine")), QStringLiteral("1"));
    // Line 32 is paged in first, then line 1.
    EXPECT_EQ(linesLoaded(), (std::vector<int> {32, 1}));
    EXPECT_EQ(window->csvFileName(), pathOf("wave.csv"));
    EXPECT_TRUE(recorder->messages.isEmpty());
}

TEST_F(CsvFilesTest, OpenFromLineThirtyTwoPagesInOnlyLineOne)
{
    writeFile(pathOf("wave.csv"), exampleFile());
    selector()->setLevel(32);
    loaded->clear();
    open(pathOf("wave.csv"));
    EXPECT_EQ(linesLoaded(), std::vector<int> {1});
    EXPECT_EQ(samples()[0], 500);
}

TEST_F(CsvFilesTest, OpenReadsTheFieldsItFindsAndKeepsTheRest)
{
    markTable();
    const PatternTable before = window->patternTable();
    writeFile(pathOf("short.csv"), "7,0.1");
    open(pathOf("short.csv"));
    const PatternTable& table = window->patternTable();
    EXPECT_EQ(table.cell(1, 1), "7");
    EXPECT_EQ(table.cell(1, 2), "0.1");
    EXPECT_EQ(samples()[0], 100);
    for (int r = 3; r <= 33; ++r)
        EXPECT_EQ(table.cell(1, r), before.cell(1, r)) << r;
    for (int c = 2; c <= 32; ++c)
        EXPECT_EQ(table.cell(c, 2), before.cell(c, 2)) << c;
}

TEST_F(CsvFilesTest, OpeningAnEmptyFileChangesNoCellAndStillShowsLineOne)
{
    window->patternTable().setCell(1, 2, "0.25");
    const PatternTable before = window->patternTable();
    writeFile(pathOf("empty.csv"), "");
    open(pathOf("empty.csv"));
    EXPECT_EQ(window->patternTable(), before);
    EXPECT_EQ(samples()[0], 250);
}

TEST_F(CsvFilesTest, WhatWasSavedOpensAsTheSameSamples)
{
    const Samples line {-500, 500, 123, -1, 0, 7, 499, -499};
    for (int i = 0; i < kSampleCount; ++i)
        slider(i)->setLevel(line[i]);
    click("cmdGenMem");
    save(pathOf("round.csv"));
    for (int i = 0; i < kSampleCount; ++i)
        slider(i)->setLevel(0);
    click("cmdGenMem");
    open(pathOf("round.csv"));
    EXPECT_EQ(samples(), line);
}

TEST_F(CsvFilesTest, SaveProposesTheFileLastOpenedNotTheFileLastSaved)
{
    writeFile(pathOf("a.csv"), exampleFile());
    open(pathOf("a.csv"));
    save(pathOf("b.csv"));
    save(pathOf("c.csv"));
    ASSERT_EQ(dialog->shown.size(), 3u);
    EXPECT_EQ(dialog->shown[0].settings.fileName, QStringLiteral("*.csv"));
    EXPECT_EQ(dialog->shown[1].settings.fileName, pathOf("a.csv"));
    EXPECT_EQ(dialog->shown[2].settings.fileName, pathOf("a.csv"));
    EXPECT_EQ(fileBytes(pathOf("c.csv")), exampleFile());
}

TEST_F(CsvFilesTest, OpenHidesTheWindowWhileItsDialogIsOpen)
{
    writeFile(pathOf("a.csv"), exampleFile());
    open(pathOf("a.csv"));
    dialog->cancel();
    click("cmdOpen");
    ASSERT_EQ(dialog->shown.size(), 2u);
    EXPECT_FALSE(dialog->shown[0].windowVisible);
    EXPECT_FALSE(dialog->shown[1].windowVisible);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(CsvFilesTest, CancelledDialogsChangeNothing)
{
    writeFile(pathOf("a.csv"), exampleFile());
    open(pathOf("a.csv"));
    markTable();
    selector()->setLevel(4);
    const PatternTable before = window->patternTable();
    const Samples samplesBefore = samples();
    dialog->cancel();
    click("cmdOpen");
    dialog->cancel();
    click("cmdSave");
    EXPECT_EQ(window->patternTable(), before);
    EXPECT_EQ(samples(), samplesBefore);
    EXPECT_EQ(selector()->level(), 4);
    EXPECT_EQ(window->csvFileName(), pathOf("a.csv"));
    EXPECT_EQ(fileBytes(pathOf("a.csv")), exampleFile());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList({"a.csv", "Ondulix.ini"}));
    EXPECT_TRUE(recorder->messages.isEmpty());
}

// Each failed save leaves the previous file exactly as it was and tells the user once.
class FailedSaveTest : public CsvFilesTest
{
protected:
    void SetUp() override
    {
        CsvFilesTest::SetUp();
        ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("kept")));
        target = folder.filePath(QStringLiteral("kept/wave.csv"));
        writeFile(target, previous);
        slider(0)->setLevel(500);
        click("cmdGenMem");
    }
    // The reason is the system's own: any of `reasons` may be the one it gives.
    void expectOneMessageAndTheOldFile(const QStringList& reasons) const
    {
        ASSERT_EQ(recorder->messages.size(), 1);
        const QString message = recorder->messages.first();
        EXPECT_TRUE(message.contains(target)) << message.toStdString();
        EXPECT_TRUE(std::any_of(reasons.begin(), reasons.end(), [&](const QString& reason) {
            return message.contains(reason);
        })) << message.toStdString();
        EXPECT_EQ(fileBytes(target), previous);
        EXPECT_EQ(QDir(folder.filePath(QStringLiteral("kept"))).entryList(QDir::Files),
            QStringList {QStringLiteral("wave.csv")});
    }

    const QByteArray previous = "the previous file\r\n";
    QString target;
};

TEST_F(FailedSaveTest, ReadOnlyFolder)
{
    const LockedFolder locked(folder.filePath(QStringLiteral("kept")).toStdString());
    if (!locked.locked())
        GTEST_SKIP() << "no way to make a folder read-only here";
    save(target);
    // A user meets the permission, root the immutable flag.
    expectOneMessageAndTheOldFile({"Permission denied", "Operation not permitted"});
}

TEST_F(FailedSaveTest, TargetIsAFolder)
{
    target = folder.filePath(QStringLiteral("kept/sub.csv"));
    ASSERT_TRUE(QDir().mkdir(target));
    save(target);
    ASSERT_EQ(recorder->messages.size(), 1);
    EXPECT_TRUE(recorder->messages.first().contains(target));
    EXPECT_TRUE(recorder->messages.first().contains(QLatin1String("directory")));
    EXPECT_TRUE(QFileInfo(target).isDir());
}

TEST_F(FailedSaveTest, DiskFull)
{
    {
        const FileSizeLimit full(1000); // a pattern file is over 3000 bytes
        save(target);
    }
    expectOneMessageAndTheOldFile({"File too large"});
}

} // namespace
