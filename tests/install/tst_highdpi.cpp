// The window at twice the scale, as on a 4K screen. CTest runs this test with QT_SCALE_FACTOR=2:
// the grab of the window must then be 1428 x 1010 device pixels, every control must be drawn at
// exactly twice its place at 96 dpi, and the text must be drawn at the full resolution rather
// than scaled up from a bitmap of half the size.
#include <QImage>
#include <QPixmap>
#include <QTest>

#include "app/mainform.h"
#include "app/messages.h"

using namespace Qt::StringLiterals;

namespace {

class NoBoxes final : public MessageBoxes {
public:
    QMessageBox::StandardButton ask(QWidget *, const MessageRequest &) override
    {
        return QMessageBox::No;
    }
};

// Counts the 2 x 2 blocks, on the even grid, whose four pixels are not all the same. A picture
// scaled up from half its size by repeating pixels has none.
int detailedBlocks(const QImage &image)
{
    int count = 0;
    for (int y = 0; y + 1 < image.height(); y += 2) {
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb p = image.pixel(x, y);
            if (image.pixel(x + 1, y) != p || image.pixel(x, y + 1) != p
                || image.pixel(x + 1, y + 1) != p)
                ++count;
        }
    }
    return count;
}

} // namespace

class TestHighDpi : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void scaleFactorIsTwo();
    void grabIsTwiceTheSize();
    void controlsAtTwiceTheirPlace_data();
    void controlsAtTwiceTheirPlace();
    void textIsDrawnAtFullResolution_data();
    void textIsDrawnAtFullResolution();

private:
    NoBoxes m_boxes;
    MainForm *m_window = nullptr;
    QImage m_grab; // the whole window, in device pixels
};

void TestHighDpi::init()
{
    m_window = new MainForm(&m_boxes);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    m_grab = m_window->grab().toImage();
}

void TestHighDpi::cleanup()
{
    delete m_window;
    m_window = nullptr;
}

void TestHighDpi::scaleFactorIsTwo()
{
    QCOMPARE(qgetenv("QT_SCALE_FACTOR"), QByteArray("2"));
    QCOMPARE(m_window->devicePixelRatio(), 2.0);
}

void TestHighDpi::grabIsTwiceTheSize()
{
    const QPixmap grab = m_window->grab();
    QCOMPARE(grab.devicePixelRatio(), 2.0);
    QCOMPARE(grab.size(), QSize(1428, 1010));
    QCOMPARE(grab.deviceIndependentSize(), QSizeF(714, 505));
    QCOMPARE(m_window->size(), QSize(714, 505));
}

void TestHighDpi::controlsAtTwiceTheirPlace_data()
{
    // Device pixels: twice the pixels at 96 dpi, which are the twips of the layout over 15.
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("expected");
    QTest::addColumn<bool>("unobstructed"); // nothing else is drawn over or under it
    QTest::newRow("TreeView") << u"TreeView"_s << QRect(16, 32, 322, 674) << true;
    QTest::newRow("ABOUT") << u"ABOUT"_s << QRect(352, 32, 1058, 674) << true;
    QTest::newRow("Image1") << u"Image1"_s << QRect(352, 48, 1058, 658) << false;
    QTest::newRow("ABOUT_label1") << u"ABOUT_label1"_s << QRect(1008, 576, 386, 114) << false;
    QTest::newRow("showcode") << u"showcode"_s << QRect(16, 720, 1090, 274) << true;
    QTest::newRow("buildcode") << u"buildcode"_s << QRect(1168, 736, 194, 82) << true;
    QTest::newRow("copycode") << u"copycode"_s << QRect(1168, 832, 194, 82) << true;
    QTest::newRow("Tips") << u"Tips"_s << QRect(1120, 944, 290, 50) << true;
}

void TestHighDpi::controlsAtTwiceTheirPlace()
{
    QFETCH(QString, name);
    QFETCH(QRect, expected);
    QFETCH(bool, unobstructed);
    QWidget *control = m_window->findChild<QWidget *>(name);
    QVERIFY(control);

    const qreal ratio = m_window->devicePixelRatio();
    const QRect place(control->mapTo(m_window, QPoint(0, 0)), control->size());
    const QRect devicePlace(place.topLeft() * ratio, place.size() * ratio);
    QCOMPARE(devicePlace, expected);

    // The pixels prove it: the control drawn on its own is what the window shows there. (The
    // About picture and its credit label are drawn one over the other.)
    if (!unobstructed)
        return;
    const QImage alone = control->grab().toImage().convertToFormat(m_grab.format());
    QCOMPARE(alone.size(), expected.size());
    QCOMPARE(m_grab.copy(expected), alone);
}

void TestHighDpi::textIsDrawnAtFullResolution_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("Tips") << u"Tips"_s;
    QTest::newRow("buildcode") << u"buildcode"_s;
    QTest::newRow("showcode") << u"showcode"_s;
    QTest::newRow("ABOUT_label1") << u"ABOUT_label1"_s;
}

void TestHighDpi::textIsDrawnAtFullResolution()
{
    QFETCH(QString, name);
    const QWidget *control = m_window->findChild<QWidget *>(name);
    QVERIFY(control);
    const qreal ratio = m_window->devicePixelRatio();
    const QRect place(control->mapTo(m_window, QPoint(0, 0)) * ratio, control->size() * ratio);
    // Glyph edges fall inside the 2 x 2 blocks of device pixels, not only between them.
    const QImage drawn = m_grab.copy(place);
    const int blocks = detailedBlocks(drawn);
    QVERIFY2(blocks >= 40, qPrintable(u"%1 detailed blocks"_s.arg(blocks)));

    // What the measure tells apart: the same place drawn at half size and scaled up.
    const QImage upscaled = drawn.scaled(drawn.size() / 2, Qt::IgnoreAspectRatio)
                                .scaled(drawn.size(), Qt::IgnoreAspectRatio);
    QCOMPARE(detailedBlocks(upscaled), 0);
}

QTEST_MAIN(TestHighDpi)
#include "tst_highdpi.moc"
