// The real window as a client of a real Wayland compositor (weston, started by run-under-weston).
// Whatever the compositor is asked to do with the window, the program stays connected, keeps its
// 714 x 505 client area and everything the user chose, and still asks before it closes. Qt's own
// title bar offers maximize on this fixed-size window; a maximized state with the fixed size was
// a protocol error that ended the program.
#include <QResizeEvent>
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

// The sizes the window is given, in order.
class SizeLog final : public QObject {
public:
    QList<QSize> sizes;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Resize)
            sizes << static_cast<QResizeEvent *>(event)->size();
        return false;
    }
};

enum class Request { ShowMaximized, WindowMaximized, ShowFullScreen, WindowFullScreen, Resize };

} // namespace

class TestWayland : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void compositorRequests_data();
    void compositorRequests();
};

void TestWayland::initTestCase()
{
    if (!QGuiApplication::platformName().startsWith(u"wayland"_s))
        QSKIP("needs Qt's Wayland platform and a compositor: run through run-under-weston");
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

    // What the compositor answers has arrived when the window has been given the maximized size
    // and is back to its own (maximize), or has lost its title bar (full screen). Every round
    // trip repaints the window, which is when a wrong size was rejected.
    const auto answered = [&] {
        switch (request) {
        case Request::ShowMaximized:
        case Request::WindowMaximized:
            return !log.sizes.isEmpty() && log.sizes.first().width() > kClientArea.width()
                   && log.sizes.last() == kClientArea && user.window->maximumSize() == kClientArea;
        case Request::ShowFullScreen:
        case Request::WindowFullScreen:
            return window->frameMargins().isNull();
        case Request::Resize:
            return true;
        }
        return false;
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
    if (request == Request::ShowMaximized || request == Request::WindowMaximized)
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

QTEST_MAIN(TestWayland)
#include "tst_wayland.moc"
