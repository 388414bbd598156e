// The real window as a client of a real Wayland compositor (weston, started by run-under-weston).
// Whatever the compositor is asked to do with the window, the program stays connected, keeps its
// 714 x 505 client area and everything the user chose, and still asks before it closes. Qt's own
// title bar offers maximize on this fixed-size window; a maximized state with the fixed size was
// a protocol error that ended the program. Weston's own key bindings set the states without the
// program asking, on the window and on its message boxes alike.
#include <QPointer>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QResizeEvent>
#include <QScopeGuard>
#include <QWindow>

#include "windowdriver.h"

namespace {

const QSize kClientArea(714, 505);

// Returns once weston has handled every request sent before: a new surface is configured only
// after them, and a protocol error on any of them would have ended the program first.
void roundTrip()
{
    QWindow probe;
    probe.resize(1, 1);
    probe.show();
    while (!probe.isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// The sizes the window is given, in order, and whether it has left the normal state.
class SizeLog final : public QObject {
public:
    QList<QSize> sizes;
    bool leftNormal = false;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Resize)
            sizes << static_cast<QResizeEvent *>(event)->size();
        if (event->type() == QEvent::WindowStateChange
            && static_cast<QWidget *>(watched)->windowState() != Qt::WindowNoState)
            leftNormal = true;
        return false;
    }
};

enum class Request { ShowMaximized, WindowMaximized, ShowFullScreen, WindowFullScreen, Resize };

// Presses keys at weston's seat: on weston's window in its X server, where weston takes its own
// bindings before any client sees them. Without keys, only gives that window the X focus, which
// weston's first key after it may otherwise miss.
void pressAtSeat(const QString &keys = {})
{
    const QString x11 = qEnvironmentVariable("PINWRIGHT_WESTON_X11");
    QVERIFY2(!x11.isEmpty(), "no X display of weston's: run through run-under-weston");
    QProcess xdotool;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"DISPLAY"_s, x11);
    xdotool.setProcessEnvironment(environment);
    xdotool.setProcessChannelMode(QProcess::ForwardedChannels);
    QStringList arguments{u"search"_s, u"--class"_s, u"weston"_s, u"windowfocus"_s, u"--sync"_s};
    if (!keys.isEmpty())
        arguments << u"key"_s << keys;
    xdotool.start(u"xdotool"_s, arguments);
    QVERIFY2(xdotool.waitForFinished(-1) && xdotool.exitCode() == 0, "xdotool failed");
}

// Presses the binding and waits until the window has taken a state that is not normal and is
// back in the normal state at its size.
void bindingFollowed(QWidget *window, const QString &keys)
{
    SizeLog log;
    window->installEventFilter(&log);
    const QSize size = window->size();
    // Weston applies its bindings to the surface with its keyboard focus.
    QVERIFY2(QTest::qWaitForWindowActive(window, 30000), "weston never focused the window");
    pressAtSeat(keys);
    if (QTest::currentTestFailed())
        return;
    const bool back = QTest::qWaitFor(
        [&] {
            return log.leftNormal && window->windowState() == Qt::WindowNoState
                   && window->size() == size;
        },
        30000);
    QVERIFY2(log.leftNormal, qPrintable(keys + u": weston set no state"_s));
    QVERIFY2(back, qPrintable(u"%1: left in state %2 at %3 x %4"_s.arg(keys)
                                  .arg(int(window->windowState()))
                                  .arg(window->width())
                                  .arg(window->height())));
}

} // namespace

class TestWayland : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void compositorRequests_data();
    void compositorRequests();
    void compositorBindings_data();
    void compositorBindings();
    void boxesComeAndGo();
};

void TestWayland::initTestCase()
{
    if (!QGuiApplication::platformName().startsWith(u"wayland"_s))
        QSKIP("needs Qt's Wayland platform and a compositor: run through run-under-weston");
    pressAtSeat();
}

// What Qt says when a window is freed while its frame callback runs; memory is corrupt by then.
void TestWayland::init()
{
    QTest::failOnWarning(QRegularExpression(u"destroying locked mutex|QWaitCondition"_s));
}

void TestWayland::compositorRequests_data()
{
    QTest::addColumn<Request>("request");
    QTest::newRow("showMaximized") << Request::ShowMaximized;
    // What Qt's title bar does when its maximize button is clicked.
    QTest::newRow("maximized window state") << Request::WindowMaximized;
    QTest::newRow("showFullScreen") << Request::ShowFullScreen;
    QTest::newRow("full-screen window state") << Request::WindowFullScreen;
    QTest::newRow("resize of the window") << Request::Resize;
}

void TestWayland::compositorRequests()
{
    QFETCH(Request, request);
    WindowDriver user;
    user.clickNode(u"ADC4"_s);
    user.clickOption(u"ADC4_option2"_s);
    roundTrip();
    SizeLog log;
    user.window->installEventFilter(&log);
    QWindow *window = user.window->windowHandle();

    switch (request) {
    case Request::ShowMaximized:
        user.window->showMaximized();
        break;
    case Request::WindowMaximized:
        window->setWindowStates(Qt::WindowMaximized);
        break;
    case Request::ShowFullScreen:
        user.window->showFullScreen();
        break;
    case Request::WindowFullScreen:
        window->setWindowStates(Qt::WindowFullScreen);
        break;
    case Request::Resize:
        window->resize(1000, 800);
        break;
    }

    // What the compositor answers has arrived when the window has been given the size that comes
    // with the request and is back to its own, in the normal state. Every round trip repaints the
    // window, which is when a wrong size was rejected.
    const auto answered = [&] {
        return !log.sizes.isEmpty() && log.sizes.first() != kClientArea
               && log.sizes.last() == kClientArea
               && user.window->windowState() == Qt::WindowNoState;
    };
    int trips = 0;
    for (; trips < 20 && !answered(); ++trips) {
        user.window->update();
        roundTrip();
    }
    QVERIFY2(answered(), qPrintable(u"no answer after %1 round trips"_s.arg(trips)));
    user.generate();
    roundTrip();

    QCOMPARE(user.window->size(), kClientArea);
    QCOMPARE(window->size(), kClientArea);
    QCOMPARE(user.window->windowState(), Qt::WindowNoState);
    QCOMPARE(user.frameInFront(), u"ADC4"_s);
    QCOMPARE(user.code(), u"/* Enable ADC2 */\r\nADC_Cmd(ADC2,ENABLE);"_s);

    user.boxes.answer = QMessageBox::No;
    QVERIFY(!user.window->close());
    QCOMPARE(user.boxes.asked.size(), std::size_t(1));
    QCOMPARE(user.boxes.asked.front().text, u"是否退出?"_s);
    roundTrip();
    QVERIFY(user.window->isVisible());
}

void TestWayland::compositorBindings_data()
{
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<bool>("onExitQuestion"); // the keys reach the box that asks before closing
    const QString maximize = u"super+shift+m"_s;
    const QString fullScreen = u"super+shift+f"_s;
    QTest::newRow("maximize") << QStringList{maximize} << false;
    QTest::newRow("full screen, maximize, full screen")
        << QStringList{fullScreen, maximize, fullScreen} << false;
    QTest::newRow("maximize of the exit question, then a key") << QStringList{maximize} << true;
}

void TestWayland::compositorBindings()
{
    QFETCH(QStringList, keys);
    QFETCH(bool, onExitQuestion);
    WindowDriver user;
    user.clickNode(u"ADC4"_s);
    const QString typed = u"typed by the user"_s;
    user.window->showcode()->setFocus();
    WindowDriver::typeText(user.window->showcode(), typed);

    if (!onExitQuestion) {
        for (const QString &key : keys) {
            bindingFollowed(user.window.get(), key);
            if (QTest::currentTestFailed())
                return;
        }
    } else {
        user.window->setMessageBoxes(nullptr); // the real box
        bool answered = false;
        QTimer::singleShot(0, user.window.get(), [&] {
            QPointer<QDialog> box;
            // A box the keys did not answer is closed here, so that close() returns.
            const auto closeBox = qScopeGuard([&] {
                if (box && box->isVisible())
                    box->reject();
            });
            const bool shown = QTest::qWaitFor(
                [&] { return (box = qobject_cast<QDialog *>(QApplication::activeModalWidget())); });
            QVERIFY(shown && QTest::qWaitForWindowExposed(box));
            for (const QString &key : keys) {
                bindingFollowed(box, key);
                if (QTest::currentTestFailed())
                    return;
            }
            // Any key that repaints the box sends a frame that weston checks; N answers No.
            pressAtSeat(u"n"_s);
            answered = QTest::qWaitFor([&] { return !box || !box->isVisible(); }, 30000);
        });
        QVERIFY(!user.window->close());
        QVERIFY2(answered, "the exit question did not take the key");
        if (QTest::currentTestFailed())
            return;
        user.window->setMessageBoxes(&user.boxes);
    }
    roundTrip();

    QCOMPARE(user.window->size(), kClientArea);
    QCOMPARE(user.window->windowState(), Qt::WindowNoState);
    QCOMPARE(user.frameInFront(), u"ADC4"_s);
    QVERIFY(user.code().contains(typed));
    QVERIFY(!user.window->close());
    QCOMPARE(user.boxes.asked.size(), std::size_t(1));
}

// The real exit question, closed after any of its frames: Qt's Wayland plugin before 6.8 could
// free a closing box's frame callback as it ran, crashing about one box in a thousand.
void TestWayland::boxesComeAndGo()
{
    WindowDriver user;
    user.window->setMessageBoxes(nullptr);
    QTimer frames;
    connect(&frames, &QTimer::timeout, [] {
        if (auto *box = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
            QRandomGenerator::global()->bounded(20) ? box->update() : box->reject();
    });
    frames.start(1);
    for (int round = 0; round < 200; ++round)
        QVERIFY(!user.window->close());
}

QTEST_MAIN(TestWayland)
#include "tst_wayland.moc"
