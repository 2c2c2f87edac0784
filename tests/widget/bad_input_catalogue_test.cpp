// The bad-input catalogue: files that no pattern file should be, each opened with Open CSV on the
// real window and compiled by the real quenfer, over an earlier image. Each is either read by
// the rules, with the value the rules give, or refused whole: one message naming the reason,
// the table, the sliders and the selector as they were, the earlier image byte-identical and
// nothing else left in the folder. Neither program ever changes the file it reads.
#include "widget/csv_window_fixture.h"

#include "support/read_permission.h"

#include <QProcess>

using namespace ondulix;
using namespace ondulix::testing;

namespace {

enum class Kind
{
    File, // the bytes, in a file
    Folder, // a folder where the file should be
    WithoutReadPermission, // the bytes, in a file nobody may read
    LinkToItself, // a symbolic link that leads back to itself
};

struct BadInput
{
    const char* name; // for the test's name
    QByteArray (*bytes)();
    Kind kind = Kind::File;
    // Refused: the reason the user is told, and the line it names (0: the file as a whole).
    const char* reason = nullptr;
    int line = 0;
    // Read: sample 0 as the window shows line 1 afterwards, and the word quenfer makes of it.
    int sample = 0;
    const char* word = nullptr;
};

// Failures name the row, not its bytes.
void PrintTo(const BadInput& row, std::ostream* out)
{
    *out << row.name;
}

// Line 1 with one sample, the way a spreadsheet would write it.
QByteArray lineOne(const QByteArray& sampleText)
{
    return " 1," + sampleText + "\r\n";
}

// Before each file is opened, line 1 of the table holds this sample, and the window shows
// another line with another sample 0, so that every outcome shows.
constexpr int kLineOneSample = 42;
constexpr int kShownLine = 3;
constexpr int kShownSample = 7;

// The start of a program file: no text, and NUL bytes among the commas.
const char kProgramStart[] = "\x7f"
                             "ELF\x02\x01\x01\0\0\0,\0,\x03\0>\0";

const BadInput kCatalogue[] = {
    {.name = "EmptyFile",
        .bytes = [] { return QByteArray(); },
        .sample = kLineOneSample,
        .word = "0000"},
    {.name = "OnlyCrLfs",
        .bytes = [] { return QByteArray("\r\n").repeated(40); },
        .sample = kLineOneSample,
        .word = "0000"},
    {.name = "ThirtyThreeLines",
        .bytes = [] { return numberedLines(33); },
        .reason = "a pattern file holds only 32 lines, and this one is not empty",
        .line = 33},
    {.name = "ThirtyFourFields",
        .bytes = [] { return numberedLines(4) + "5" + zeros(32) + ",\r\n"; },
        .reason = "it has 34 fields, and a pattern line has at most 33",
        .line = 5},
    {.name = "FieldOfFortyThousandCharacters",
        .bytes = [] { return lineOne(QByteArray(39998, ' ') + ".5"); },
        .sample = 500,
        .word = "7FFF"},
    {.name = "NulBytes",
        .bytes
        = [] { return numberedLines(1) + QByteArray(kProgramStart, sizeof kProgramStart - 1); },
        .reason = "it holds a NUL byte, so this is not a text file",
        .line = 2},
    {.name = "InvalidUtf8", // kept as it is; reading stops at the first byte that does not fit
        .bytes = [] { return lineOne(" .25\xff\xfe,\xc3\x28"); },
        .sample = 250,
        .word = "4000"},
    // Numbers beyond the sample range page in at its nearer end; quenfer fills the word.
    {.name = "BeyondTheDoubleRange",
        .bytes = [] { return lineOne("1e400"); },
        .sample = 500,
        .word = "7FFF"},
    {.name = "BelowTheDoubleRange",
        .bytes = [] { return lineOne("-1e400"); },
        .sample = -500,
        .word = "8001"},
    {.name = "NotANumber", // text without a number reads as 0
        .bytes = [] { return lineOne("nan"); },
        .sample = 0,
        .word = "0000"},
    {.name = "HugeHexadecimal",
        .bytes = [] { return lineOne("&HFFFFFFFFFFFF"); },
        .sample = 500,
        .word = "7FFF"},
    {.name = "HugeOctal",
        .bytes = [] { return lineOne("&O777777777777"); },
        .sample = 500,
        .word = "7FFF"},
    {.name = "LoneCrAsLineEnd",
        .bytes = [] { return QByteArray("1,.5\r2,.25\r3,.125\r"); },
        .reason = "it holds a CR that ends no line; lines must end with CR LF or LF",
        .line = 1},
    {.name = "Folder",
        .bytes = [] { return QByteArray(); },
        .kind = Kind::Folder,
        .reason = "it is a folder, not a file"},
    {.name = "WithoutReadPermission",
        .bytes = [] { return exampleFile(); },
        .kind = Kind::WithoutReadPermission,
        .reason = "it cannot be opened: Permission denied"},
    {.name = "LinkToItself",
        .bytes = [] { return QByteArray(); },
        .kind = Kind::LinkToItself,
        .reason = "it cannot be opened: Too many levels of symbolic links"},
    {.name = "TenMebibytes",
        .bytes = [] { return exampleFile() + QByteArray(10 * 1024 * 1024, '\n'); },
        .reason = "it is larger than 1048576 bytes"},
};

constexpr char kEarlierImage[] = "// the image of an earlier run\n";

class BadInputCatalogue : public CsvWindowTest, public ::testing::WithParamInterface<BadInput>
{
protected:
    void SetUp() override
    {
        CsvWindowTest::SetUp();
        input = pathOf(QStringLiteral("input.csv"));
        image = pathOf(QStringLiteral("image.mem"));
        writeFile(image, kEarlierImage);
        makeInput();
        markTable();
        window->patternTable().setCell(1, kFirstSampleRow, "0.042");
        selector()->setLevel(kShownLine);
        slider(0)->setLevel(kShownSample);
        before = window->patternTable();
        filesBefore = folderContents();
    }

    void makeInput() const
    {
        switch (GetParam().kind) {
        case Kind::Folder:
            ASSERT_TRUE(QDir().mkdir(input));
            break;
        case Kind::LinkToItself:
            ASSERT_TRUE(QFile::link(input, input));
            break;
        default:
            writeFile(input, GetParam().bytes());
        }
    }

    // The window's message and quenfer's error name the line as each program does.
    QString windowMessage() const
    {
        const QString line
            = GetParam().line > 0 ? QStringLiteral("line %1: ").arg(GetParam().line) : QString();
        return QStringLiteral("Could not open \"%1\": %2%3.")
            .arg(input, line, QString::fromLatin1(GetParam().reason));
    }
    QString quenferError() const
    {
        const QString line
            = GetParam().line > 0 ? QStringLiteral(":%1").arg(GetParam().line) : QString();
        return QStringLiteral("quenfer: %1%2: %3\n")
            .arg(input, line, QString::fromLatin1(GetParam().reason));
    }

    // Every entry of the folder with its bytes, so that any file written, left or changed shows.
    QMap<QString, QByteArray> folderContents() const
    {
        QMap<QString, QByteArray> contents;
        const QDir dir(folder.path());
        for (const QString& name :
            dir.entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot)) {
            const QFileInfo entry(dir.filePath(name));
            contents[name] = entry.isFile() && entry.isReadable() ? fileBytes(entry.filePath())
                                                                  : QByteArray("<not a file>");
        }
        return contents;
    }

    struct Run
    {
        int status = -1;
        QByteArray err;
        QByteArray out;
    };

    // The shipped compiler, as "Make Mem File" starts it: the input, then the image.
    Run runQuenfer(bool withoutPermissionOverride) const
    {
        QProcess quenfer;
        if (withoutPermissionOverride)
            quenfer.setChildProcessModifier(dropPermissionOverrideForGood);
        quenfer.start(QStringLiteral(QUENFER_PATH), {input, image});
        EXPECT_TRUE(quenfer.waitForFinished(60000)) << quenfer.errorString().toStdString();
        return {quenfer.exitStatus() == QProcess::NormalExit ? quenfer.exitCode() : -1,
            quenfer.readAllStandardError(), quenfer.readAllStandardOutput()};
    }

    QString input;
    QString image;
    PatternTable before;
    QMap<QString, QByteArray> filesBefore;
};

TEST_P(BadInputCatalogue, IsReadByTheRulesOrRefusedWholeWithItsReason)
{
    const BadInput& row = GetParam();
    const bool unreadable = row.kind == Kind::WithoutReadPermission;
    Run compiled;
    {
        std::optional<WithoutReadPermission> locked;
        if (unreadable) {
            locked.emplace(input.toStdString());
            if (!locked->inEffect())
                GTEST_SKIP() << "this file system lets every file be read";
        }
        open(input);
        compiled = runQuenfer(unreadable);
    }
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->csvFileName(), input);
    EXPECT_EQ(compiled.out, QByteArray());

    if (row.reason != nullptr) {
        EXPECT_EQ(recorder->messages, QStringList {windowMessage()});
        EXPECT_EQ(window->patternTable(), before);
        EXPECT_EQ(selector()->level(), kShownLine);
        EXPECT_EQ(slider(0)->level(), kShownSample);

        EXPECT_EQ(compiled.status, 1) << compiled.err.toStdString();
        EXPECT_EQ(QString::fromLocal8Bit(compiled.err), quenferError());
        EXPECT_EQ(folderContents(), filesBefore)
            << "the earlier image and the input stay as they were";
        return;
    }
    EXPECT_EQ(recorder->messages, QStringList());
    EXPECT_EQ(selector()->level(), 1);
    EXPECT_EQ(slider(0)->level(), row.sample);

    ASSERT_EQ(compiled.status, 0) << compiled.err.toStdString();
    EXPECT_EQ(compiled.err, QByteArray());
    const QList<QByteArray> lines = fileBytes(image).split('\n');
    ASSERT_GT(lines.size(), 3);
    EXPECT_EQ(lines[2], "@000");
    EXPECT_EQ(lines[3], row.word);
    QMap<QString, QByteArray> filesAfter = folderContents();
    filesAfter[QStringLiteral("image.mem")] = kEarlierImage;
    EXPECT_EQ(filesAfter, filesBefore) << "only the image is new";
}

INSTANTIATE_TEST_SUITE_P(EveryRow, BadInputCatalogue, ::testing::ValuesIn(kCatalogue),
    [](const ::testing::TestParamInfo<BadInput>& info) { return std::string(info.param.name); });

} // namespace
