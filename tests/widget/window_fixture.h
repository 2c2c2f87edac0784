#pragma once

#include "app/frmondulix.h"
#include "platform/graph_box.h"
#include "platform/preset_button.h"
#include "platform/upward_scroll_bar.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

QT_BEGIN_NAMESPACE
// Readable failure messages for Qt strings.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace ondulix::testing {

// A fresh, shown and active program window for each test, reached by its controls' names.
class WindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window = std::make_unique<frmOndulix>();
        window->load();
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    template <typename Control = QWidget> Control* control(const QString& name) const
    {
        auto* found = window->findChild<Control*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }

    UpwardScrollBar* slider(int index) const
    {
        return control<UpwardScrollBar>(QStringLiteral("vSlide(%1)").arg(index));
    }
    PresetButton* preset(int index) const
    {
        return control<PresetButton>(QStringLiteral("optWave(%1)").arg(index));
    }
    GraphBox* graph() const { return control<GraphBox>(QStringLiteral("pWave")); }
    QString labelText(const QString& name) const { return control<QLabel>(name)->text(); }

    std::unique_ptr<frmOndulix> window;
};

} // namespace ondulix::testing
