// Starting on Windows: the desktop is always there, and Qt's own translations are built into
// the program, as a Windows machine has no copy of them to load.
#include "app/application.h"

#include <algorithm>

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QMetaObject>

#include <windows.h>

using namespace Qt::StringLiterals;

namespace {

// Keeps every top-level window within its own size limits whoever sizes it. Windows itself does
// so only for overlapped and sizable windows (DefWindowProc's WM_WINDOWPOSCHANGING), not for
// fixed-size dialogs such as the message boxes; another program could make those smaller than
// their frame, and Qt (6.4 and 6.8 alike) ends the program on a client area of negative size
// ("createDIB: CreateDIBSection failed").
class SizeLimits final : public QAbstractNativeEventFilter {
public:
    bool nativeEventFilter(const QByteArray &, void *message, qintptr *) override
    {
        const auto *msg = static_cast<const MSG *>(message);
        if (msg->message != WM_WINDOWPOSCHANGING)
            return false;
        auto *pos = reinterpret_cast<WINDOWPOS *>(msg->lParam);
        const LONG_PTR style = GetWindowLongPtrW(msg->hwnd, GWL_STYLE);
        if ((pos->flags & SWP_NOSIZE) || (style & (WS_CHILD | WS_MINIMIZE)))
            return false;
        // Only the window's own limits: pop-ups such as tool tips have none and stay as small as
        // they are.
        MINMAXINFO limits{};
        limits.ptMaxTrackSize = {LONG_MAX, LONG_MAX};
        SendMessageW(msg->hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
        const auto bound = [](int value, LONG low, LONG high) {
            return int(std::max(std::min(LONG(value), high), low));
        };
        pos->cx = bound(pos->cx, limits.ptMinTrackSize.x, limits.ptMaxTrackSize.x);
        pos->cy = bound(pos->cy, limits.ptMinTrackSize.y, limits.ptMaxTrackSize.y);
        return false;
    }
};

// Gives a window the activation back that a hidden window of the program took from it: Qt 6.8's
// windowsvista style makes its tree view helper a hidden top-level window with SetParent(window,
// NULL) as a tree is first painted (qwindowsvistastyle.cpp), and Wine's SetParent activates the
// window it moves, so that the keys went nowhere until a click.
class KeepActivation final : public QAbstractNativeEventFilter {
public:
    bool nativeEventFilter(const QByteArray &, void *message, qintptr *) override
    {
        const auto *msg = static_cast<const MSG *>(message);
        if (msg->message != WM_ACTIVATE || LOWORD(msg->wParam) != WA_INACTIVE)
            return false;
        const auto taker = reinterpret_cast<HWND>(msg->lParam);
        DWORD process = 0;
        if (!taker || IsWindowVisible(taker) || !GetWindowThreadProcessId(taker, &process)
            || process != GetCurrentProcessId())
            return false;
        // Once this message is handled: a window is not activated while it is deactivated. By
        // then another window may have taken the activation, or this one may be gone.
        const HWND window = msg->hwnd;
        QMetaObject::invokeMethod(
            qApp,
            [window, taker] {
                if (GetForegroundWindow() == taker && IsWindowVisible(window))
                    SetForegroundWindow(window);
            },
            Qt::QueuedConnection);
        return false;
    }
};

} // namespace

std::unique_ptr<QApplication> Pinwright::startApplication(int &argc, char **argv)
{
    auto app = std::make_unique<QApplication>(argc, argv);
    // The layout is made for the classic controls of the windowsvista style, which every Windows
    // from 10 on draws alike. On Windows 11 Qt 6.8 picks its windows11 style instead, which
    // draws the buttons inset in their places, the scroll bars as thin overlays and the arrows
    // of the tree and the lists in a font that Windows 10 and Wine lack.
    QApplication::setStyle(u"windowsvista"_s);
    static SizeLimits sizeLimits;
    app->installNativeEventFilter(&sizeLimits);
    static KeepActivation keepActivation;
    app->installNativeEventFilter(&keepActivation);
    prepareApplication(*app);
    return app;
}

QString Pinwright::qtTranslationsPath()
{
    return u":/i18n"_s;
}

bool Pinwright::onWayland()
{
    return false;
}

void Pinwright::finishFrame(QWidget *) {}
