// The window as it opens and its own commands: layout, fixed texts, fonts, the close question,
// the help tip and the copy command.
#include <QClipboard>
#include <QFontInfo>
#include <QFontMetrics>
#include <QScrollBar>
#include <QTimer>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#else
#include <iconv.h>
#endif

#include "app/application.h"
#include "panels/fonts.h"
#include "windowdriver.h"

namespace {

const QString kInitialText =
    u"Hello World!!!\r\n\r\n"
    u"暂时只写了ADC的前十个函数，后面的其它都还没加。。。\r\n\r\n"
    u"发出来是为了看看需不需要继续写下去，我是学生，虽然我时间比较多，但也不能这样浪费时间\r\n\r\n"
    u"如果大家需要，才有动力继续写下去。。。\r\n\r\n"
    u"没任何技术含量，但那么多函数，你懂的，很麻烦。。。\r\n"_s;

// The size of a text in the GB2312 encoding, through the system's converter: the C library's,
// or on Windows the code page of GB2312 and its extension GBK (936), which agree on these texts.
qsizetype gb2312Size(const QString &text)
{
#ifdef Q_OS_WIN
    const auto *wide = reinterpret_cast<const wchar_t *>(text.utf16());
    BOOL lossy = FALSE;
    const int size = WideCharToMultiByte(936, WC_NO_BEST_FIT_CHARS, wide, int(text.size()), nullptr,
                                         0, nullptr, &lossy);
    return lossy ? -1 : size;
#else
    QByteArray in = text.toUtf8();
    QByteArray out(in.size() * 2 + 16, '\0');
    iconv_t cd = iconv_open("GB2312", "UTF-8");
    if (cd == iconv_t(-1))
        return -1;
    char *src = in.data();
    char *dst = out.data();
    size_t srcLeft = size_t(in.size());
    size_t dstLeft = size_t(out.size());
    const size_t done = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    iconv_close(cd);
    return done == size_t(-1) ? -1 : out.size() - qsizetype(dstLeft);
#endif
}

QRect twips(int left, int top, int width, int height)
{
    return {left / 15, top / 15, width / 15, height / 15};
}

} // namespace

class TestMainForm : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void layout_data();
    void layout();
    void opensAsLaidOut();
    void initialTextByteForByte();
    void fontsFallBackToChineseFaces();
    void paddedColumnsLineUp();
    void closeAnsweredNoKeepsEverything();
    void closeAnsweredYesCloses();
    void realCloseBoxAsksAndCancels();
    void helpTipLeavesCaption();
    void copyPutsShowcodeOnClipboard();
    void boxesSpeakTheUsersLanguage();
    void showcodeKeepsTypedTextAndHasNoScrollBars();
};

void TestMainForm::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("TreeView") << u"TreeView"_s << twips(120, 240, 2415, 5055);
    QTest::newRow("showcode") << u"showcode"_s << twips(120, 5400, 8175, 2055);
    QTest::newRow("buildcode") << u"buildcode"_s << twips(8760, 5520, 1455, 615);
    QTest::newRow("copycode") << u"copycode"_s << twips(8760, 6240, 1455, 615);
    QTest::newRow("Tips") << u"Tips"_s << twips(8400, 7080, 2175, 375);
    for (const char *panel : {"ABOUT", "ADC", "ADC1", "ADC2", "ADC3", "ADC4", "ADC5", "ADC6",
                              "ADC7", "ADC8", "ADC9", "ADC10"})
        QTest::newRow(panel) << QString::fromLatin1(panel) << twips(2640, 240, 7935, 5055);
}

void TestMainForm::layout()
{
    QFETCH(QString, name);
    QFETCH(QRect, expected);
    WindowDriver user;
    QWidget *control = user.find<QWidget>(name);
    QVERIFY(control);
    QCOMPARE(control->parentWidget(), user.window.get());
    QCOMPARE(control->geometry(), expected);
    QCOMPARE(user.window->size(), QSize(714, 505));
    QCOMPARE(user.window->minimumSize(), user.window->maximumSize());
}

void TestMainForm::opensAsLaidOut()
{
    WindowDriver user;
    QCOMPARE(user.window->objectName(), u"MainForm"_s);
    QCOMPARE(user.window->windowTitle(),
             u"Pinwright----求建议版，有任何建议或意见都可以邮件或QQ联系，联系方式在主页，谢谢"_s);
    QVERIFY(!user.window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    const QList<QSize> sizes = user.window->windowIcon().availableSizes();
    for (int edge : {16, 32, 48, 64})
        QVERIFY2(sizes.contains(QSize(edge, edge)), qPrintable(QString::number(edge)));

    QCOMPARE(user.frameInFront(), u"ABOUT"_s);
    QCOMPARE(user.selectedKey(), u"ABOUT"_s);
    QCOMPARE(user.tips(), u"点击我,有惊喜"_s);
    QCOMPARE(user.find<QPushButton>(u"buildcode"_s)->text(), u"生成代码"_s);
    QCOMPARE(user.find<QPushButton>(u"copycode"_s)->text(), u"复制代码"_s);
    QCOMPARE(user.code(), kInitialText);

    user.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(user.window.get()));
    QCOMPARE(QApplication::focusWidget(), user.tree());
    QVERIFY(user.tree()->selectedItems().isEmpty());
}

void TestMainForm::initialTextByteForByte()
{
    WindowDriver user;
    QCOMPARE(gb2312Size(user.code()), 255);
    QVERIFY(user.code().endsWith(u"很麻烦。。。\r\n"_s));
    QCOMPARE(user.code().count(u"\r\n"_s), 9);
    QCOMPARE(user.code().count(u'\n'), 9);
}

void TestMainForm::fontsFallBackToChineseFaces()
{
    const QStringList song{u"SimSun"_s, u"宋体"_s, u"AR PL UMing CN"_s};
    const QStringList kai{u"KaiTi"_s, u"楷体"_s, u"AR PL UKai CN"_s};
    QCOMPARE(Fonts::windowDefault().families(), song);
    QCOMPARE(Fonts::windowDefault().pointSizeF(), 9.0);
    QCOMPARE(Fonts::kai(18, true).families(), kai);
    // Where neither face is there, a serif one, as both are.
    QCOMPARE(Fonts::song(9).styleHint(), QFont::Serif);
    QCOMPARE(Fonts::kai(18).styleHint(), QFont::Serif);
    QVERIFY(song.contains(QFontInfo(Fonts::song(9)).family()));
    QVERIFY(kai.contains(QFontInfo(Fonts::kai(18)).family()));

    WindowDriver user;
    const QFont tips = user.window->tips()->font();
    QCOMPARE(tips.families(), song);
    QCOMPARE(tips.pointSizeF(), 15.75);
    QCOMPARE(tips.weight(), QFont::Bold);
    QCOMPARE(user.window->font().families(), song);
    QCOMPARE(user.window->showcode()->font().families(), song);
}

void TestMainForm::paddedColumnsLineUp()
{
    const QFontMetricsF metrics = designMetrics(Fonts::song(10.5));
    const QStringList members{u"ADC_Mode"_s,
                              u"ADC_ScanConvMode"_s,
                              u"ADC_ContinuousConvMode"_s,
                              u"ADC_ExternalTrigConv"_s,
                              u"ADC_DataAlign"_s,
                              u"ADC_NbrOfChannel"_s};
    const qreal column = metrics.horizontalAdvance(u"x"_s.repeated(26));
    for (const QString &member : members)
        QCOMPARE(metrics.horizontalAdvance(member.leftJustified(26, u' ')), column);
    // A blank is half an ideograph wide, so two blanks stand in for one Chinese character.
    QCOMPARE(metrics.horizontalAdvance(u"  "_s), metrics.horizontalAdvance(u"工"_s));
}

void TestMainForm::closeAnsweredNoKeepsEverything()
{
    WindowDriver user;
    user.clickNode(u"ADC4"_s);
    user.clickOption(u"ADC4_option2"_s);
    user.generate();
    const QString code = user.code();
    user.boxes.answer = QMessageBox::No;

    QVERIFY(!user.window->close());
    QCOMPARE(user.boxes.asked.size(), std::size_t(1));
    const MessageRequest &asked = user.boxes.asked.front();
    QCOMPARE(asked.text, u"是否退出?"_s);
    QCOMPARE(asked.title, u"Pinwright"_s);
    QCOMPARE(asked.icon, QMessageBox::Information);
    QCOMPARE(asked.buttons, QMessageBox::Yes | QMessageBox::No);

    QVERIFY(user.window->isVisible());
    QCOMPARE(user.selectedKey(), u"ADC4"_s);
    QCOMPARE(user.frameInFront(), u"ADC4"_s);
    QCOMPARE(user.code(), code);
    QCOMPARE(user.tips(), u"生成代码成功"_s);
    QVERIFY(user.find<QRadioButton>(u"ADC4_option2"_s)->isChecked());
}

void TestMainForm::closeAnsweredYesCloses()
{
    WindowDriver user;
    user.boxes.answer = QMessageBox::Yes;
    QVERIFY(user.window->close());
    QVERIFY(!user.window->isVisible());
}

void TestMainForm::realCloseBoxAsksAndCancels()
{
    MainForm window; // real message boxes
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QString text, title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        poll.stop();
        text = box->text();
        title = box->windowTitle();
        icon = box->icon();
        QVERIFY(box->button(QMessageBox::Yes));
        box->button(QMessageBox::No)->click();
    });
    poll.start();
    QVERIFY(!window.close());
    QCOMPARE(text, u"是否退出?"_s);
    QCOMPARE(title, u"Pinwright"_s);
    QCOMPARE(icon, QMessageBox::Information);
    QVERIFY(window.isVisible());
}

void TestMainForm::helpTipLeavesCaption()
{
    WindowDriver user;
    user.copy();
    QTest::mouseClick(user.window->tips(), Qt::LeftButton);
    QCOMPARE(user.boxes.asked.size(), std::size_t(1));
    const MessageRequest &asked = user.boxes.asked.front();
    QCOMPARE(asked.text, u"请先选择好函数的配置，然后点击生成代码，左边就会有代码生成，然后可以"
                         u"点击复制，粘贴到你的IDE里用啦"_s);
    QCOMPARE(asked.title, u"惊喜就是Help"_s);
    QCOMPARE(asked.icon, QMessageBox::NoIcon);
    QCOMPARE(asked.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(user.tips(), u"复制代码成功"_s);

    // A right click, or a press that ends outside the label, is no click.
    QTest::mouseClick(user.window->tips(), Qt::RightButton);
    QCOMPARE(user.boxes.asked.size(), std::size_t(1));
}

void TestMainForm::copyPutsShowcodeOnClipboard()
{
    WindowDriver user;
    QClipboard *clipboard = QGuiApplication::clipboard();

    // Before anything was generated the initial text goes, with the platform's line ends.
    user.copy();
    QCOMPARE(clipboard->text(), QString(kInitialText).replace(u"\r\n"_s, u"\n"_s));
    QCOMPARE(user.tips(), u"复制代码成功"_s);

    user.clickNode(u"ADC8"_s);
    user.generate();
    user.copy();
    QCOMPARE(clipboard->text(), u"/* Get the ADC1 reset calibration registers status */\n"
                                u"FlagStatus Status;\n"
                                u"Status = ADC_GetResetCalibrationStatus(ADC1);"_s);

    // The user's own edits are what is copied, not the last fragment.
    QTest::keyClick(user.window->showcode(), Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(user.window->showcode(), u" // mine"_s);
    user.copy();
    QVERIFY(clipboard->text().endsWith(u"(ADC1); // mine"_s));

    // An empty box puts an empty text there and still reports success.
    user.window->showcode()->clear();
    user.window->tips()->setText(QString());
    user.copy();
    QCOMPARE(clipboard->text(), QString());
    QCOMPARE(user.tips(), u"复制代码成功"_s);
}

void TestMainForm::boxesSpeakTheUsersLanguage()
{
    // CTest runs the suite with a Chinese locale.
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    Pinwright::prepareApplication(*qApp);
    QMessageBox box(QMessageBox::Information, u"Pinwright"_s, u"是否退出?"_s,
                    QMessageBox::Yes | QMessageBox::No);
    QVERIFY2(box.button(QMessageBox::Yes)->text().contains(u"是"_s),
             qPrintable(box.button(QMessageBox::Yes)->text()));
    QVERIFY(box.button(QMessageBox::No)->text().contains(u"否"_s));
    QCOMPARE(QGuiApplication::desktopFileName(), u"org.pinwright.Pinwright"_s);
}

void TestMainForm::showcodeKeepsTypedTextAndHasNoScrollBars()
{
    WindowDriver user;
    CodeBox *box = user.window->showcode();
    QCOMPARE(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(box->lineWrapMode(), QPlainTextEdit::WidgetWidth);

    // Text round-trips: CR LF in, CR LF out, whatever the lines hold.
    const QString odd = u"a\r\n\r\n\tb\u00a0 \r\nc"_s;
    box->setText(odd);
    QCOMPARE(box->text(), odd);

    user.clickNode(u"ADC5"_s);
    box->setText(u"typed"_s);
    user.clickNode(u"ADC6"_s);
    QCOMPARE(box->text(), u"typed"_s);
}

QTEST_MAIN(TestMainForm)
#include "tst_mainform.moc"
