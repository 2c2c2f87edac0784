#include "widget/window_fixture.h"

#include "platform/harmonics_view.h"

#include <QAction>
#include <QLineEdit>
#include <QWindow>

using namespace ondulix;
using namespace ondulix::testing;

namespace {

constexpr quint32 kZ = 52, kQ = 24, kP = 33; // XKB keycodes: the keys' places

// Keys are read by their place, whatever letter the layout puts there (here W, as AZERTY does
// at Z); a repeat is ignored, a key with Ctrl or Alt is no note, and no control sees a note key:
// the focused preset runs no selection and keeps the focus, no slider moves. The octave moves
// with numpad / and * and follows the preview's pitch. The harmonics window plays too; a
// dialog's text field takes the key as its letter.
TEST_F(WindowTest, TheKeysPlayNotesByTheirPlaceAndNoControlSeesThem)
{
    QStringList played;
    ChangeSignals& changes = window->features().editor.changes();
    QObject::connect(
        &changes, &ChangeSignals::notePressed, [&](int n) { played << QString("+%1").arg(n); });
    QObject::connect(
        &changes, &ChangeSignals::noteReleased, [&](int n) { played << QString("-%1").arg(n); });
    // As the window on the screen gets a key from the system, before the focused control does.
    const auto key = [](QObject* to, bool press, quint32 place, Qt::KeyboardModifiers keys = {},
                         bool repeat = false) {
        QKeyEvent event(press ? QEvent::KeyPress : QEvent::KeyRelease, Qt::Key_W, keys, place, 0, 0,
            QStringLiteral("w"), repeat);
        QCoreApplication::sendEvent(to, &event);
    };
    const auto tap = [&key](QObject* to, quint32 place, Qt::KeyboardModifiers keys = {}) {
        key(to, true, place, keys);
        key(to, false, place, keys);
    };
    const auto octaveShown = [this] {
        const QList<QAction*> entries = graphMenu().actions();
        return (*std::find_if(entries.begin(), entries.end(), [](QAction* a) {
            return a->text().startsWith("Keys:");
        }))->text();
    };
    preset(2)->setFocus();
    int presetRuns = 0;
    QObject::connect(
        window.get(), &frmOndulix::presetSelectionRan, [&presetRuns] { ++presetRuns; });
    QWindow* screen = window->windowHandle();
    key(screen, true, kZ);
    key(screen, true, kZ, {}, true);
    key(screen, true, kQ);
    key(screen, false, kZ);
    key(screen, false, kQ, Qt::ControlModifier);
    tap(preset(2), kP, Qt::ShiftModifier);
    tap(screen, kZ, Qt::ControlModifier);
    tap(screen, kZ, Qt::AltModifier);
    EXPECT_EQ(played.join(" "), "+60 +72 -60 -72 +88 -88");
    EXPECT_EQ(
        std::pair(presetRuns, QApplication::focusWidget()), std::pair(0, (QWidget*)preset(2)));
    EXPECT_EQ(readWave(window->features().editor.samples()), Wave {});

    QTest::keyClick(window.get(), Qt::Key_Asterisk, Qt::KeypadModifier);
    EXPECT_EQ(octaveShown(), "Keys: octave 5, Z is C5");
    QTest::keyClick(window.get(), Qt::Key_Slash, Qt::KeypadModifier);
    QTest::keyClick(window.get(), Qt::Key_Slash, Qt::KeypadModifier);
    EXPECT_EQ(octaveShown(), "Keys: octave 3, Z is C3");
    control<QMenu>("mnuPitch")->actions()[5]->trigger(); // 1760 Hz
    EXPECT_EQ(octaveShown(), "Keys: octave 6, Z is C6");
    QTest::keyClick(window.get(), Qt::Key_H, Qt::ControlModifier);
    tap(window->findChild<HarmonicsView*>(), kZ);
    QTest::keyClick(window.get(), Qt::Key_G, Qt::ControlModifier);
    auto* field = control<QLineEdit>("txtGoToLine");
    tap(field, kZ);
    EXPECT_EQ(played.mid(6).join(" "), "+84 -84");
    EXPECT_EQ(field->text(), "w") << "the line number selected, replaced";
}

} // namespace
