#include "widget/file_window_fixture.h"

#include "support/locked_folder.h"

#include <QDeadlineTimer>
#include <QFileInfo>

using namespace ondulix;
using ondulix::testing::fileBytes;
using ondulix::testing::FileWindowTest;
using ondulix::testing::LockedFolder;
using ondulix::testing::writeFile;

namespace {

class CompilerTest : public FileWindowTest
{
protected:
    QString settingsFile() const { return pathOf(QStringLiteral("Ondulix.ini")); }
    bool makeMemFileEnabled() const
    {
        return control<QPushButton>(QStringLiteral("cmdQuenfer"))->isEnabled();
    }
    // The program as it starts when the settings file already names a compiler.
    void restartWithCompiler(const QString& compiler)
    {
        writeFile(settingsFile(), compiler.toUtf8() + "\r\n");
        restart();
    }
    // A compiler that writes down its arguments and its working directory, then leaves.
    QString recordingCompiler(const QString& name)
    {
        const QString script = pathOf(name);
        QDir().mkpath(QFileInfo(script).path());
        writeFile(script,
            "#!/bin/sh\n"
            "printf '%s\\0' \"$@\" > '"
                + record().toUtf8()
                + ".part'\n"
                  "pwd -P >> '"
                + record().toUtf8()
                + ".part'\n"
                  "mv '"
                + record().toUtf8() + ".part' '" + record().toUtf8() + "'\n");
        QFile::setPermissions(script, QFile::permissions(script) | QFile::ExeOwner);
        return script;
    }
    QString record() const { return pathOf(QStringLiteral("record")); }
    // The arguments the compiler got, then its working directory; empty if it never ran.
    QStringList recorded() const
    {
        QDeadlineTimer deadline(10000);
        while (!QFile::exists(record()) && !deadline.hasExpired())
            QTest::qWait(20);
        QByteArray bytes = fileBytes(record());
        const qsizetype lastNul = bytes.lastIndexOf('\0');
        QStringList fields;
        for (const QByteArray& argument : bytes.left(lastNul).split('\0'))
            fields << QString::fromUtf8(argument);
        fields << QString::fromUtf8(bytes.mid(lastNul + 1).trimmed());
        return fields;
    }
    void makeMemFile(const QString& csv, const QString& mem)
    {
        dialog->answer(csv);
        dialog->answer(mem);
        click("cmdQuenfer");
    }
};

TEST_F(CompilerTest, FirstRunInAnEmptyFolderCreatesAnEmptySettingsFile)
{
    EXPECT_EQ(window->startupDirectory(), QDir::current().canonicalPath().toStdString());
    EXPECT_TRUE(QFileInfo(settingsFile()).isFile());
    EXPECT_EQ(fileBytes(settingsFile()), QByteArray());
    EXPECT_FALSE(makeMemFileEnabled());
    EXPECT_EQ(window->compilerPath(), QString());
}

TEST_F(CompilerTest, ConfiguredPathIsStoredAndEnablesMakeMemFileInEveryLaterRun)
{
    dialog->answer(pathOf(QStringLiteral("quenfer")));
    click("cmdConfigure");
    EXPECT_TRUE(makeMemFileEnabled());
    EXPECT_EQ(window->compilerPath(), pathOf(QStringLiteral("quenfer")));
    const QByteArray stored = pathOf(QStringLiteral("quenfer")).toUtf8() + "\r\n";
    EXPECT_EQ(fileBytes(settingsFile()), stored);
    for (int run = 0; run < 2; ++run) {
        restart();
        EXPECT_TRUE(makeMemFileEnabled());
        EXPECT_EQ(window->compilerPath(), pathOf(QStringLiteral("quenfer")));
        EXPECT_EQ(fileBytes(settingsFile()), stored);
    }
}

TEST_F(CompilerTest, ConfigureAsksForTheCompilerInTheStartupFolder)
{
    dialog->answer(pathOf(QStringLiteral("quenfer")));
    click("cmdConfigure");
    ASSERT_EQ(dialog->shown.size(), 1u);
    const auto& shown = dialog->shown[0];
    EXPECT_EQ(shown.mode, CommonDialog::Mode::Open);
    EXPECT_EQ(shown.settings.title, QStringLiteral("Select Quenfer.exe to configure"));
    EXPECT_EQ(shown.settings.defaultExt, QStringLiteral("*.exe"));
    EXPECT_EQ(shown.settings.initDir, QDir::current().canonicalPath());
    EXPECT_EQ(shown.settings.filter, QStringLiteral("*.exe"));
    EXPECT_EQ(shown.settings.fileName, QStringLiteral("*.exe"));
}

TEST_F(CompilerTest, LastLineOfTheSettingsFileIsTheCompilerPath)
{
    const struct
    {
        QByteArray file;
        bool enabled;
        QString path;
    } cases[] = {
        {"/first\r\n/second\r\n/opt/third\r\n", true, "/opt/third"},
        {"\r\n", true, ""},
        {"", false, ""},
        {"/no/line/ending", true, "/no/line/ending"},
    };
    for (const auto& c : cases) {
        writeFile(settingsFile(), c.file);
        restart();
        EXPECT_EQ(makeMemFileEnabled(), c.enabled) << c.file.toStdString();
        EXPECT_EQ(window->compilerPath(), c.path) << c.file.toStdString();
        EXPECT_EQ(fileBytes(settingsFile()), c.file);
    }
}

TEST_F(CompilerTest, SettingsFileIsLookedForInTheCurrentDirectoryNotBesideTheProgram)
{
    writeFile(settingsFile(), "/opt/quenfer\r\n");
    const QString other = pathOf(QStringLiteral("other"));
    ASSERT_TRUE(QDir().mkdir(other));
    ASSERT_TRUE(QDir::setCurrent(other));
    restart();
    EXPECT_EQ(window->startupDirectory(), QFileInfo(other).canonicalFilePath().toStdString());
    EXPECT_FALSE(makeMemFileEnabled());
    EXPECT_TRUE(QFileInfo(other + QStringLiteral("/Ondulix.ini")).isFile());
    EXPECT_EQ(fileBytes(settingsFile()), QByteArray("/opt/quenfer\r\n"));
}

TEST_F(CompilerTest, CancelledConfigurationChangesNothing)
{
    dialog->cancel();
    click("cmdConfigure");
    EXPECT_FALSE(makeMemFileEnabled());
    EXPECT_EQ(window->compilerPath(), QString());
    EXPECT_EQ(fileBytes(settingsFile()), QByteArray());
    EXPECT_TRUE(recorder->messages.isEmpty());
}

TEST_F(CompilerTest, PathThatCannotBeStoredServesThisRunAndTheUserIsTold)
{
    const LockedFolder locked(folder.path().toStdString());
    if (!locked.locked())
        GTEST_SKIP() << "no way to make a folder read-only here";
    dialog->answer(QStringLiteral("/opt/quenfer"));
    click("cmdConfigure");
    EXPECT_TRUE(makeMemFileEnabled());
    EXPECT_EQ(window->compilerPath(), QStringLiteral("/opt/quenfer"));
    ASSERT_EQ(recorder->messages.size(), 1);
    EXPECT_TRUE(recorder->messages[0].contains(settingsFile()));
    EXPECT_TRUE(recorder->messages[0].contains(QLatin1String("could not be saved")));
    EXPECT_EQ(fileBytes(settingsFile()), QByteArray());
}

TEST_F(CompilerTest, MakeMemFileStartsTheCompilerWithBothFiles)
{
    restartWithCompiler(recordingCompiler(QStringLiteral("bin/quenfer")));
    QDir().mkdir(pathOf(QStringLiteral("waves")));
    const QString csv = pathOf(QStringLiteral("waves/wave1.csv"));
    const QString mem = pathOf(QStringLiteral("out.mem"));
    makeMemFile(csv, mem);
    EXPECT_EQ(recorded(),
        QStringList({csv, mem, QFileInfo(pathOf(QStringLiteral("waves"))).canonicalFilePath()}));
    const CompileRun& run = window->lastCompile();
    EXPECT_EQ(run.commandLine, pathOf(QStringLiteral("bin/quenfer")) + ' ' + csv + ' ' + mem);
    EXPECT_EQ(run.csvFile, csv);
    EXPECT_EQ(run.memFile, mem);
    EXPECT_GT(run.processId, 0);
    EXPECT_TRUE(recorder->messages.isEmpty());
}

TEST_F(CompilerTest, MakeMemFileAsksForTheCsvThenTheMemFile)
{
    restartWithCompiler(QStringLiteral("/bin/true"));
    makeMemFile(pathOf(QStringLiteral("a.csv")), pathOf(QStringLiteral("a.mem")));
    ASSERT_EQ(dialog->shown.size(), 2u);
    const DialogSettings& input = dialog->shown[0].settings;
    const DialogSettings& output = dialog->shown[1].settings;
    EXPECT_EQ(dialog->shown[0].mode, CommonDialog::Mode::Open);
    EXPECT_EQ(input.title, QStringLiteral("Select CSV to Compile"));
    EXPECT_EQ(input.defaultExt, QStringLiteral("csv"));
    EXPECT_EQ(input.fileName, QStringLiteral("*.csv"));
    EXPECT_EQ(input.filter, QStringLiteral("*.csv"));
    EXPECT_EQ(input.flags, 0x40000u);
    EXPECT_EQ(dialog->shown[1].mode, CommonDialog::Mode::Save);
    EXPECT_EQ(output.title, QStringLiteral("Select Mem to Compile to"));
    EXPECT_EQ(output.defaultExt, QStringLiteral("mem"));
    EXPECT_EQ(output.fileName, QStringLiteral("*.mem"));
    EXPECT_EQ(output.filter, QStringLiteral("*.mem"));
    EXPECT_EQ(output.flags, 0x40000u);
}

TEST_F(CompilerTest, BlanksQuotesAndShellCharactersArriveIntactAndRunNothing)
{
    const QString compiler
        = recordingCompiler(QStringLiteral("bin dir/quen fer \"q\"; $(touch x)"));
    restartWithCompiler(compiler);
    const QString waves = pathOf(QStringLiteral("waves; $(touch x)"));
    ASSERT_TRUE(QDir().mkdir(waves));
    const QString csv = waves + QStringLiteral("/my \"wave\" 1;ls.csv");
    const QString mem = waves + QStringLiteral("/out $(touch x) 'm'.mem");
    makeMemFile(csv, mem);
    EXPECT_EQ(recorded(), QStringList({csv, mem, QFileInfo(waves).canonicalFilePath()}));
    EXPECT_EQ(window->lastCompile().commandLine, compiler + ' ' + csv + ' ' + mem);
    for (const QString& where :
        {folder.path(), waves, pathOf(QStringLiteral("bin dir")), QDir::currentPath()})
        EXPECT_FALSE(QFile::exists(where + QStringLiteral("/x"))) << where.toStdString();
}

TEST_F(CompilerTest, CompilerThatCannotStartIsNamedWithTheReason)
{
    const QString notExecutable = pathOf(QStringLiteral("plain.txt"));
    writeFile(notExecutable, "#!/bin/sh\n");
    const QString cases[]
        = {pathOf(QStringLiteral("missing compiler")), notExecutable, folder.path(), QString()};
    for (const QString& compiler : cases) {
        restartWithCompiler(compiler);
        makeMemFile(pathOf(QStringLiteral("a.csv")), pathOf(QStringLiteral("a.mem")));
        ASSERT_EQ(recorder->messages.size(), 1) << compiler.toStdString();
        const QString message = recorder->messages[0];
        EXPECT_TRUE(message.startsWith(
            QStringLiteral("Could not start the compiler \"") + compiler + QStringLiteral("\": ")))
            << message.toStdString();
        EXPECT_EQ(window->lastCompile().processId, 0);
    }
}

TEST_F(CompilerTest, CancelledDialogStartsNothing)
{
    restartWithCompiler(recordingCompiler(QStringLiteral("quenfer")));
    dialog->cancel();
    click("cmdQuenfer");
    dialog->answer(pathOf(QStringLiteral("a.csv")));
    dialog->cancel();
    click("cmdQuenfer");
    EXPECT_EQ(dialog->shown.size(), 3u);
    EXPECT_EQ(window->lastCompile().commandLine, QString());
    EXPECT_TRUE(recorder->messages.isEmpty());
    // A run after both cancels is the first to reach the compiler.
    makeMemFile(pathOf(QStringLiteral("b.csv")), pathOf(QStringLiteral("b.mem")));
    EXPECT_EQ(recorded().first(), pathOf(QStringLiteral("b.csv")));
}

} // namespace
