#pragma once

#include <QList>
#include <QPointer>
#include <QRect>
#include <QWidget>

namespace ondulix {

// Where a tool window of `size` may stand: the first place, right of the main window and then
// left of it, top first, that lies on the screen and covers neither the main window nor any of
// the `shown` tool windows. Where the screen has no such room, right of the main window (left
// of it where the screen ends first), kept on the screen.
QPoint toolWindowPlace(
    const QRect& main, QSize size, const QList<QRect>& shown, const QRect& screen);

// The main window's tool windows (the harmonics, the table overview, ...). Each shows where it
// covers neither the main window nor another shown tool window, whichever opened first.
class ToolWindows
{
public:
    explicit ToolWindows(QWidget& window);

    // Shows `tool` on top, active. It stays where it stood when last shown while that covers
    // nothing, so a tool window the user moved comes back there.
    void show(QWidget& tool);
    // The main window's own keys work in `tool` too.
    void shareWindowKeys(QWidget& tool) const;
    // Whether the keys an event brings were pressed in the main window or one of its tool
    // windows: `receiver` is one of them, their window on the screen, or a widget in them.
    bool receivesWindowKeys(const QObject& receiver) const;

private:
    QList<QRect> shownFrames(const QWidget& except) const;

    QWidget& m_window;
    QList<QPointer<QWidget>> m_tools;
};

} // namespace ondulix
