// Keeps a top-level window of one fixed size in the normal state at that size. The window
// manager or the compositor may still maximize it or make it full screen on its own (a title-bar
// button, a key binding, a window rule, a tiling layout); the window follows such a state, then
// leaves it again, and is back at its size in the normal state.
//
// On X11 the window simply has a fixed size. On Wayland it must not: Qt 6.4 bounds the size a
// configure event gives it by the window's maximum size, and a maximized or full-screen surface
// whose size is not the configured one is a protocol error that ends the program. So there the
// window only keeps its size as a minimum, takes every configured size for one frame, then asks
// for the normal state, and sets its own size again whenever it is resized in that state.
#pragma once

#include <QObject>
#include <QSize>

class QWidget;

class FixedSizeWindow final : public QObject {
    Q_OBJECT
public:
    // Keeps `window` at `size` from now on; the keeper is the window's child. Called again, it
    // takes the new size.
    static void keep(QWidget *window, QSize size);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit FixedSizeWindow(QWidget *window);
    void fix(QSize size);
    void leaveState();
    void restoreSize();

    QWidget *m_window;
    QSize m_size;
    bool m_wayland;
};
