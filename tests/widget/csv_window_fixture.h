#pragma once

#include "widget/file_window_fixture.h"

#include <QSignalSpy>
#include <array>
#include <memory>
#include <vector>

namespace ondulix::testing {

using Samples = std::array<int, kSampleCount>;

inline QByteArray zeros(int count)
{
    return QByteArray(", 0").repeated(count);
}

// The file of a table in which only line 1 holds samples 500, -250, 0, 1 and 28 zeros.
inline QByteArray exampleFile()
{
    QByteArray file = " 1, .5,-.25, 0, .001" + zeros(28) + "\r\n";
    for (int n = 2; n <= 32; ++n)
        file += " " + QByteArray::number(n) + zeros(32) + "\r\n";
    return file;
}

// Lines "1,0.1" .. "count,0.1", each ended by CR LF.
inline QByteArray numberedLines(int count)
{
    QByteArray file;
    for (int n = 1; n <= count; ++n)
        file += QByteArray::number(n) + ",0.1\r\n";
    return file;
}

// The program window with its CSV file buttons at hand, and a record of the lines it pages in.
class CsvWindowTest : public FileWindowTest
{
protected:
    void SetUp() override
    {
        FileWindowTest::SetUp();
        loaded = std::make_unique<QSignalSpy>(window.get(), &frmOndulix::lineLoaded);
    }

    Samples samples() const
    {
        Samples values {};
        for (int i = 0; i < kSampleCount; ++i)
            values[i] = slider(i)->level();
        return values;
    }
    UpwardScrollBar* selector() const
    {
        return control<UpwardScrollBar>(QStringLiteral("VScroll1"));
    }
    // A table whose every cell says where it stands, so any change shows.
    void markTable() const
    {
        for (int c = 1; c <= 32; ++c)
            for (int r = 1; r <= 33; ++r)
                window->patternTable().setCell(c, r, std::to_string(c * 0.001 + r * 0.00001));
    }
    void open(const QString& path)
    {
        dialog->answer(path);
        click("cmdOpen");
    }
    void save(const QString& path)
    {
        dialog->answer(path);
        click("cmdSave");
    }
    std::vector<int> linesLoaded() const
    {
        std::vector<int> lines;
        for (const QList<QVariant>& signal : *loaded)
            lines.push_back(signal.at(0).toInt());
        return lines;
    }

    std::unique_ptr<QSignalSpy> loaded;
};

} // namespace ondulix::testing
