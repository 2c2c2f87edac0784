#include "widget/file_window_fixture.h"

#include "platform/qt_common_dialog.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>
#include <functional>

using namespace ondulix;
using ondulix::testing::FileWindowTest;
using ondulix::testing::writeFile;

namespace {

class FileDialogTest : public FileWindowTest
{
protected:
    void armDrawing() const { control<QCheckBox>(QStringLiteral("chkDraw"))->setChecked(true); }
    void restartWithCompiler(const QString& compiler)
    {
        writeFile(pathOf(QStringLiteral("Ondulix.ini")), compiler.toUtf8() + "\r\n");
        restart();
    }
};

// Each of the four file operations takes the drawing flag down before its dialog opens, and
// it stays down whether the dialog is cancelled or answered.
TEST_F(FileDialogTest, FileOperationsDisarmDrawingBeforeTheirDialog)
{
    restartWithCompiler(QStringLiteral("/bin/true"));
    for (const char* button : {"cmdSave", "cmdOpen", "cmdConfigure", "cmdQuenfer"}) {
        for (bool cancelled : {true, false}) {
            armDrawing();
            dialog->shown.clear();
            if (cancelled) {
                dialog->cancel();
            } else {
                dialog->answer(pathOf(QStringLiteral("a.csv")));
                if (QByteArray(button) == "cmdQuenfer")
                    dialog->answer(pathOf(QStringLiteral("a.mem")));
            }
            click(button);
            ASSERT_FALSE(dialog->shown.empty()) << button;
            EXPECT_FALSE(dialog->shown[0].drawingArmed) << button;
            EXPECT_FALSE(drawingArmed()) << button << (cancelled ? " cancelled" : " answered");
        }
    }
}

TEST_F(FileDialogTest, SaveCsvAfterMakeMemFileShowsTheLeftoverSettings)
{
    restartWithCompiler(QStringLiteral("/bin/true"));
    dialog->answer(pathOf(QStringLiteral("in.csv")));
    dialog->answer(pathOf(QStringLiteral("out.mem")));
    click("cmdQuenfer");
    dialog->cancel();
    click("cmdSave");
    dialog->cancel();
    click("cmdOpen");
    ASSERT_EQ(dialog->shown.size(), 4u);
    for (const std::size_t later : {2u, 3u}) {
        const DialogSettings& settings = dialog->shown[later].settings;
        EXPECT_EQ(settings.title, QStringLiteral("Select Mem to Compile to"));
        EXPECT_EQ(settings.filter, QStringLiteral("*.mem"));
        EXPECT_EQ(settings.defaultExt, QStringLiteral("mem"));
        EXPECT_EQ(settings.flags, kNoLongNamesFlag);
    }
    EXPECT_EQ(dialog->shown[2].settings.fileName, QString()); // nothing opened yet
    EXPECT_EQ(dialog->shown[3].settings.fileName, QStringLiteral("*.csv"));
}

TEST_F(FileDialogTest, SaveCsvAfterConfigureShowsItsTitleFilterAndFolder)
{
    dialog->answer(QStringLiteral("/opt/quenfer"));
    click("cmdConfigure");
    dialog->cancel();
    click("cmdSave");
    ASSERT_EQ(dialog->shown.size(), 2u);
    const DialogSettings& settings = dialog->shown[1].settings;
    EXPECT_EQ(settings.title, QStringLiteral("Select Quenfer.exe to configure"));
    EXPECT_EQ(settings.filter, QStringLiteral("*.exe"));
    EXPECT_EQ(settings.defaultExt, QStringLiteral("*.exe"));
    EXPECT_EQ(settings.initDir, QDir::current().canonicalPath());
    EXPECT_EQ(settings.flags, 0u);
}

// Qt is given what the settings mean on this system.
TEST(DialogPresentation, SettingsAsQtShowsThem)
{
    const struct
    {
        const char* what;
        DialogSettings settings;
        bool programsEndInExe;
        QStringList filters;
        QString suffix;
        QString directory;
        QString selected;
    } cases[] = {
        {"compiler, no .exe ending", {"Select", "*.exe", "*.exe", "*.exe", "/start", 0}, false,
            {"*.exe", "All files (*)"}, "", "/start", ""},
        {"compiler on Windows", {"Select", "*.exe", "*.exe", "*.exe", "C:/start", 0}, true,
            {"*.exe"}, "exe", "C:/start", ""},
        {"pattern file name", {"", "*.csv", "csv", "*.csv", "", kNoLongNamesFlag}, false, {"*.csv"},
            "csv", "", ""},
        {"a full path", {"", "", "", "/data/waves/a.csv", "/start", 0}, false, {}, "",
            "/data/waves", "/data/waves/a.csv"},
        {"a bare name", {"", "", "mem", "a.mem", "/start", 0}, false, {}, "mem", "/start", "a.mem"},
    };
    for (const auto& c : cases) {
        const DialogPresentation shown = presentationOf(c.settings, c.programsEndInExe);
        EXPECT_EQ(shown.title, c.settings.title) << c.what;
        EXPECT_EQ(shown.nameFilters, c.filters) << c.what;
        EXPECT_EQ(shown.defaultSuffix, c.suffix) << c.what;
        EXPECT_EQ(shown.directory, c.directory) << c.what;
        EXPECT_EQ(shown.selectedFile, c.selected) << c.what;
    }
}

// Runs `act` on Qt's file dialog once it is open.
void whenTheDialogOpens(std::function<void(QFileDialog&)> act)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act] {
        if (auto* shown = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            act(*shown);
        }
    });
    poll->start(10);
}

TEST(QtFileDialog, ShowsTheSettingsAndReturnsTheTypedFullPath)
{
    QTemporaryDir folder;
    QtCommonDialog dialog;
    dialog.setTitle(QStringLiteral("Select CSV to Compile"));
    dialog.setFilter(QStringLiteral("*.csv"));
    dialog.setDefaultExt(QStringLiteral("csv"));
    dialog.setInitDir(folder.path());
    dialog.setFileName(QStringLiteral("*.csv"));
    QString title;
    QStringList filters;
    QString directory;
    whenTheDialogOpens([&](QFileDialog& shown) {
        title = shown.windowTitle();
        filters = shown.nameFilters();
        directory = shown.directory().absolutePath();
        auto* name = shown.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        name->setText(folder.filePath(QStringLiteral("new")));
        QTest::keyClick(name, Qt::Key_Return);
    });
    const std::optional<QString> chosen = dialog.showSave(nullptr);
    EXPECT_EQ(title, QStringLiteral("Select CSV to Compile"));
    EXPECT_EQ(filters, QStringList {QStringLiteral("*.csv")});
    EXPECT_EQ(directory, folder.path());
    // The default extension completes a name typed without one.
    EXPECT_EQ(chosen, folder.filePath(QStringLiteral("new.csv")));
    EXPECT_EQ(dialog.settings().fileName, folder.filePath(QStringLiteral("new.csv")));
}

TEST(QtFileDialog, CancelReturnsNothingAndKeepsTheFileName)
{
    QtCommonDialog dialog;
    dialog.setFileName(QStringLiteral("*.csv"));
    whenTheDialogOpens([](QFileDialog& shown) { shown.reject(); });
    EXPECT_EQ(dialog.showOpen(nullptr), std::nullopt);
    EXPECT_EQ(dialog.settings().fileName, QStringLiteral("*.csv"));
}

} // namespace
