// The panels as the user meets them: every control as its table gives it, the radio groups, the
// editable lists of the ADC_Init panel, and frames that hide one another completely.
#include <QAbstractItemView>
#include <QClipboard>
#include <QFontMetricsF>
#include <QLabel>
#include <QRegularExpression>

#include "panels/fonts.h"
#include "panels/oneline.h"
#include "panels/picture.h"
#include "windowdriver.h"

class TestPanels : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyControlAsItsTable();
    void firstOptionOfEveryGroupAtStart();
    void radioGroupsAreIndependent();
    void choicesSurviveOtherPanels();
    void listsStartEmpty();
    void listItemsInOrder();
    void typedTextStaysAsTyped();
    void enterAddsNoItem();
    void pasteKeepsFirstLine();
    void keepFirstLine_data();
    void keepFirstLine();
    void defaultsLabelLinesUp();
    void memberLinesStandBesideTheirListsUncovered();
    void popupsShowEveryItemWholeInSpacedRows();
    void frontFrameCoversTheOthers();
    void groupCaptionStandsInAGapOfItsBorder();
    void aboutPictureUnderCredit();
    void accessibleNames();
    void panelsMadeLateBehaveAsFromTheStart();
};

// What each panel shows, read from the live widgets against the tables they are made from: text,
// place, font, colour, wrapping and alignment of every label; caption and place of every frame,
// group and option button; place, name and items of every list.
void TestPanels::everyControlAsItsTable()
{
    WindowDriver user;
    user.window->panels().buildAll();
    const QPalette plain = user.window->palette();
    QString key; // names follow the panel's key: ADC6_2, ADC6_option3, ADC6_label1
    int groups = 0, options = 0;
    const auto checkLabels = [&](QWidget *parent, std::span<const LabelSpec> specs) {
        for (const LabelSpec &spec : specs) {
            const QString name = qs(spec.name);
            QVERIFY2(QRegularExpression(u"^%1_label\\d+$"_s.arg(key)).match(name).hasMatch(),
                     qPrintable(name));
            auto *label = user.find<QLabel>(name);
            QVERIFY2(label && label->parent() == parent, qPrintable(name));
            QCOMPARE(label->text(), qs(spec.text).replace(u"\r\n"_s, u"\n"_s));
            QCOMPARE(label->textFormat(), Qt::PlainText);
            QCOMPARE(label->geometry(), toPixels(spec.at));
            QVERIFY2(label->wordWrap(), qPrintable(name));
            QCOMPARE(label->alignment(), Qt::AlignLeft | Qt::AlignTop);
            const QFont font = Fonts::forRole(spec.font);
            QCOMPARE(label->font().families(), font.families());
            QCOMPARE(label->font().pointSizeF(), font.pointSizeF());
            QCOMPARE(label->font().bold(), font.bold());
            const bool magenta = spec.font == FontRole::Song18BoldMagenta;
            QCOMPARE(label->palette().color(QPalette::WindowText),
                     magenta ? QColor(255, 0, 255) : plain.color(QPalette::WindowText));
        }
    };
    for (const PanelEntry &entry : kPanelRegistry) {
        const PanelSpec &panel = *entry.panel;
        key = qs(panel.key);
        groups = options = 0;
        auto *frame = user.find<QGroupBox>(qs(panel.key));
        QVERIFY2(frame && frame->parent() == user.window.get(), qPrintable(qs(panel.key)));
        QCOMPARE(frame->title(), qs(panel.caption));
        QCOMPARE(frame->geometry(), toPixels(kPanelRect));
        checkLabels(frame, panel.labels);
        for (const GroupSpec &groupSpec : panel.groups) {
            QCOMPARE(qs(groupSpec.name), u"%1_%2"_s.arg(key).arg(++groups));
            auto *group = user.find<QGroupBox>(qs(groupSpec.name));
            QVERIFY2(group && group->parent() == frame, qPrintable(qs(groupSpec.name)));
            QCOMPARE(group->title(), qs(groupSpec.caption));
            QCOMPARE(group->accessibleName(), qs(groupSpec.caption));
            QCOMPARE(group->geometry(), toPixels(groupSpec.at));
            checkLabels(group, groupSpec.labels);
            for (const OptionSpec &option : groupSpec.options) {
                QCOMPARE(qs(option.name), u"%1_option%2"_s.arg(key).arg(++options));
                auto *button = user.find<QRadioButton>(qs(option.name));
                QVERIFY2(button && button->parent() == group, qPrintable(qs(option.name)));
                QCOMPARE(button->text(), qs(option.caption));
                QCOMPARE(button->accessibleName(), qs(option.caption));
                QCOMPARE(button->geometry(), toPixels(option.at));
            }
            for (std::size_t i = 0; i < groupSpec.lists.size(); ++i) {
                const ListSpec &spec = groupSpec.lists[i];
                QComboBox *list = user.list(int(i));
                QCOMPARE(list->parent(), group);
                QCOMPARE(list->geometry(), toPixels(spec.at));
                QCOMPARE(list->accessibleName(), qs(spec.member));
                QCOMPARE(list->lineEdit()->accessibleName(), qs(spec.member));
                QCOMPARE(list->count(), int(spec.items.size()));
                for (std::size_t row = 0; row < spec.items.size(); ++row)
                    QCOMPARE(list->itemText(int(row)), qs(spec.items[row].text));
            }
        }
    }
}

void TestPanels::firstOptionOfEveryGroupAtStart()
{
    WindowDriver user;
    user.window->panels().buildAll();
    int groups = 0;
    for (QGroupBox *group : user.window->findChildren<QGroupBox *>()) {
        const QList<QRadioButton *> options =
            group->findChildren<QRadioButton *>(Qt::FindDirectChildrenOnly);
        if (options.isEmpty())
            continue;
        ++groups;
        for (int i = 0; i < options.size(); ++i)
            QCOMPARE(options[i]->isChecked(), i == 0);
    }
    QCOMPARE(groups, 13);
}

void TestPanels::radioGroupsAreIndependent()
{
    WindowDriver user;
    user.clickNode(u"ADC4"_s);
    user.clickOption(u"ADC4_option2"_s);
    QVERIFY(!user.find<QRadioButton>(u"ADC4_option1"_s)->isChecked());
    QVERIFY(user.find<QRadioButton>(u"ADC4_option3"_s)->isChecked());
    QVERIFY(user.find<QRadioButton>(u"ADC5_option1"_s)->isChecked());

    user.clickNode(u"ADC6"_s);
    user.clickOption(u"ADC6_option4"_s);
    user.clickOption(u"ADC6_option5"_s);
    int checked = 0;
    for (const char *name : {"ADC6_option3", "ADC6_option4", "ADC6_option5"})
        checked += user.find<QRadioButton>(QString::fromLatin1(name))->isChecked();
    QCOMPARE(checked, 1);
    QVERIFY(user.find<QRadioButton>(u"ADC6_option5"_s)->isChecked());
    QVERIFY(user.find<QRadioButton>(u"ADC6_option1"_s)->isChecked());
    QVERIFY(user.find<QRadioButton>(u"ADC6_option6"_s)->isChecked());
}

void TestPanels::choicesSurviveOtherPanels()
{
    WindowDriver user;
    user.clickNode(u"ADC1"_s);
    user.clickOption(u"ADC1_option2"_s);
    user.clickNode(u"ADC2"_s);
    user.type(5, u"12"_s);
    user.clickNode(u"ADC7"_s);
    QVERIFY(user.find<QRadioButton>(u"ADC7_option1"_s)->isChecked());
    user.clickNode(u"ADC1"_s);
    QCOMPARE(user.frameInFront(), u"ADC1"_s);
    QVERIFY(user.find<QRadioButton>(u"ADC1_option2"_s)->isChecked());
    QCOMPARE(user.list(5)->currentText(), u"12"_s);
}

void TestPanels::listsStartEmpty()
{
    WindowDriver user;
    user.window->panels().buildAll();
    const QList<QComboBox *> lists = user.window->findChildren<QComboBox *>(u"ADC2_combo"_s);
    QCOMPARE(lists.size(), 6);
    for (int i = 0; i < 6; ++i) {
        QComboBox *list = user.list(i);
        QCOMPARE(list->property("index").toInt(), i);
        QCOMPARE(list->currentIndex(), -1);
        QCOMPARE(list->currentText(), QString());
        QVERIFY(list->isEditable());
        QVERIFY(!list->completer());
    }
}

void TestPanels::listItemsInOrder()
{
    WindowDriver user;
    // The channel counts offered are 1 to 16.
    for (int n = 1; n <= 16; ++n)
        QCOMPARE(user.list(5)->itemText(n - 1), QString::number(n));
    user.clickNode(u"ADC2"_s);
    user.pick(5, 9);
    QCOMPARE(user.list(5)->currentText(), u"10"_s);
}

void TestPanels::typedTextStaysAsTyped()
{
    WindowDriver user;
    user.clickNode(u"ADC2"_s);
    user.list(4)->setFocus();
    user.type(4, u"adc数据右对齐"_s);
    QCOMPARE(user.list(4)->currentText(), u"adc数据右对齐"_s);
    // A prefix of a longer item is not completed to it.
    user.type(0, u"同步注入模式"_s);
    QTest::keyClick(user.list(0)->lineEdit(), Qt::Key_Tab);
    QCOMPARE(user.list(0)->currentText(), u"同步注入模式"_s);
    user.list(1)->lineEdit()->setFocus();
    QTest::keyClicks(user.list(1)->lineEdit(), u"adc1"_s);
    QCOMPARE(user.list(1)->currentText(), u"adc1"_s);
}

void TestPanels::enterAddsNoItem()
{
    WindowDriver user;
    user.clickNode(u"ADC2"_s);
    for (int i = 0; i < 6; ++i) {
        user.list(i)->lineEdit()->setFocus();
        user.type(i, u"new item"_s);
        QTest::keyClick(user.list(i)->lineEdit(), Qt::Key_Return);
        QCOMPARE(user.list(i)->currentText(), u"new item"_s);
    }
    QCOMPARE(user.list(0)->count(), 10);
    QCOMPARE(user.list(1)->count(), 2);
    QCOMPARE(user.list(5)->count(), 16);
}

void TestPanels::pasteKeepsFirstLine()
{
    WindowDriver user;
    user.clickNode(u"ADC2"_s);
    QLineEdit *field = user.list(5)->lineEdit();
    field->setFocus();
    QTest::keyClicks(field, u"12"_s);
    QTest::keyClick(field, Qt::Key_Left);
    QGuiApplication::clipboard()->setText(u"3\n;\r\nADC_Init(ADC2);"_s);
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(field->text(), u"132"_s);

    user.generate();
    QCOMPARE(user.code().count(u"\r\n"_s), 9);
    QVERIFY(user.code().contains(u"ADC_InitStructure.ADC_NbrOfChannel = 132;\r\n"_s));
}

void TestPanels::keepFirstLine_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<int>("cursorAfter");
    QTest::newRow("no break") << u"abc"_s << 3 << u"abc"_s << 3;
    QTest::newRow("pasted at end") << u"ab\ncd"_s << 5 << u"ab"_s << 2;
    QTest::newRow("pasted in middle") << u"xa\nbY"_s << 4 << u"xaY"_s << 2;
    QTest::newRow("leading break") << u"\nabc"_s << 4 << QString() << 0;
    QTest::newRow("lone CR") << u"a\rb"_s << 3 << u"a"_s << 1;
    QTest::newRow("paragraph separator") << u"a\u2029b"_s << 3 << u"a"_s << 1;
    QTest::newRow("line separator") << u"a\u2028b"_s << 3 << u"a"_s << 1;
    QTest::newRow("frame mark") << u"a\ufdd0b"_s << 3 << u"a"_s << 1;
    QTest::newRow("break after cursor") << u"ab\nc"_s << 1 << u"ab"_s << 1;
    QTest::newRow("tab stays") << u"a\tb"_s << 3 << u"a\tb"_s << 3;
    QTest::newRow("NUL stays") << QString(u"a\0b"_s) << 3 << QString(u"a\0b"_s) << 3;
}

void TestPanels::keepFirstLine()
{
    QFETCH(QString, text);
    QFETCH(int, cursor);
    QFETCH(QString, kept);
    QFETCH(int, cursorAfter);
    ::keepFirstLine(text, cursor);
    QCOMPARE(text, kept);
    QCOMPARE(cursor, cursorAfter);
}

void TestPanels::defaultsLabelLinesUp()
{
    WindowDriver user;
    auto *label = user.find<QLabel>(u"ADC3_label3"_s);
    const QFontMetricsF metrics = designMetrics(label->font());
    QCOMPARE(label->font().pointSizeF(), 10.5);
    QList<qreal> columns;
    for (const QString &line : label->text().split(u'\n'))
        columns << metrics.horizontalAdvance(line.left(line.indexOf(u'=')));
    QCOMPARE(columns.size(), 6);
    for (qreal x : columns)
        QCOMPARE(x, columns.first());
    // The longest line fits the label's width, so no line wraps and breaks the column.
    for (const QString &line : label->text().split(u'\n'))
        QVERIFY2(metrics.horizontalAdvance(line) <= label->width(), qPrintable(line));
}

void TestPanels::memberLinesStandBesideTheirListsUncovered()
{
    WindowDriver user;
    user.clickNode(u"ADC2"_s);
    auto *label = user.find<QLabel>(u"ADC2_label3"_s);
    const QImage shot = label->grab().toImage();
    const QColor paper = label->palette().color(QPalette::Window);
    QList<QRect> lists;
    for (int i = 0; i < 6; ++i)
        lists << user.list(i)->geometry(); // in the group, as the label's own geometry
    QList<bool> inkBeside(lists.size(), false);
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            if (shot.pixelColor(x, y) == paper)
                continue;
            const QPoint at = label->geometry().topLeft() + QPoint(x, y) / shot.devicePixelRatio();
            for (qsizetype i = 0; i < lists.size(); ++i) {
                QVERIFY2(
                    !lists[i].contains(at),
                    qPrintable(u"ink at %1,%2 under list %3"_s.arg(at.x()).arg(at.y()).arg(i)));
                if (at.y() >= lists[i].top() && at.y() <= lists[i].bottom())
                    inkBeside[i] = true;
            }
        }
    }
    // Each member's line stands beside the list that sets it.
    QCOMPARE(inkBeside, QList<bool>(lists.size(), true));
}

void TestPanels::popupsShowEveryItemWholeInSpacedRows()
{
    WindowDriver user;
    user.clickNode(u"ADC2"_s);
    for (int i = 0; i < 6; ++i) {
        QComboBox *list = user.list(i);
        const QRect field = list->geometry();
        list->showPopup();
        QAbstractItemView *items = list->view();
        QVERIFY(items->isVisible());
        const int glyphs = QFontMetrics(items->font()).height();
        for (int row = 0; row < list->count(); ++row) {
            const QModelIndex index = items->model()->index(row, 0);
            const QString where = u"list %1 row %2"_s.arg(i).arg(row);
            QVERIFY2(items->sizeHintForIndex(index).width() <= items->viewport()->width(),
                     qPrintable(where));
            QVERIFY2(items->visualRect(index).height() >= glyphs + 4, qPrintable(where));
        }
        list->hidePopup();
        QCOMPARE(list->geometry(), field);
    }
}

void TestPanels::frontFrameCoversTheOthers()
{
    WindowDriver user;
    // An empty spot of the function panels, where the About picture lies behind them.
    const auto pixelAtSpot = [&user] {
        const QImage shot = user.window->grab().toImage();
        return shot.pixelColor(QPoint(176 + 400, 16 + 250) * shot.devicePixelRatio());
    };
    const QColor picture = pixelAtSpot();
    user.clickNode(u"ADC9"_s);
    const QColor panel = pixelAtSpot();
    QVERIFY(panel != picture);
    user.clickNode(u"ADC7"_s);
    QCOMPARE(pixelAtSpot(), panel);
    user.clickNode(u"ABOUT"_s);
    QCOMPARE(pixelAtSpot(), picture);
}

void TestPanels::groupCaptionStandsInAGapOfItsBorder()
{
    WindowDriver user;
    auto *group = user.find<QGroupBox>(u"ADC6_2"_s);
    const QImage shot = group->grab().toImage();
    const QPalette colours = group->palette();
    const QRgb paper = shot.pixel(group->width() / 2, group->height() - 5);
    // The etched border (dark, light beside it) runs at the caption's middle...
    const QFontMetrics metrics(group->font());
    const int line = metrics.height() / 2;
    for (int x : {3, group->width() - 4}) {
        QCOMPARE(shot.pixel(x, line), colours.color(QPalette::Dark).rgb());
        QCOMPARE(shot.pixel(x, line + 1), colours.color(QPalette::Light).rgb());
    }
    QCOMPARE(shot.pixel(3, group->height() - 1), colours.color(QPalette::Light).rgb());
    // ...and leaves a gap for the caption, written whole eight pixels in, two pixels wider than
    // its text on either side.
    const int end = 8 + metrics.horizontalAdvance(group->title()) + 4;
    for (int x : {5, 6, end - 1, end})
        QCOMPARE(shot.pixel(x, line) == paper, x == 6 || x == end - 1);
    int ink = 0;
    for (int y = 0; y < metrics.height(); ++y) {
        for (int x = 8; x < 8 + metrics.horizontalAdvance(group->title()); ++x)
            ink += shot.pixel(x, y) != paper;
    }
    QVERIFY2(ink > 100, qPrintable(QString::number(ink)));
}

void TestPanels::aboutPictureUnderCredit()
{
    WindowDriver user;
    auto *picture = user.find<Picture>(u"Image1"_s);
    auto *credit = user.find<QLabel>(u"ABOUT_label1"_s);
    QVERIFY(picture && credit);
    QCOMPARE(picture->geometry(), QRect(0, 8, 529, 329));
    QCOMPARE(picture->sourceSize(), QSize(660, 495));
    // Stretched over the whole box: the picture's corners are drawn, not the frame behind.
    const QImage shot = picture->grab().toImage();
    const QColor frameColour = user.find<QGroupBox>(u"ABOUT"_s)->palette().color(QPalette::Window);
    for (const QPoint corner : {QPoint(1, 1), QPoint(527, 1), QPoint(1, 327), QPoint(527, 327)})
        QVERIFY(shot.pixelColor(corner * shot.devicePixelRatio()) != frameColour);
    // Siblings later in the list are drawn in front.
    const QObjectList siblings = credit->parent()->children();
    QVERIFY(siblings.indexOf(credit) > siblings.indexOf(picture));
}

void TestPanels::accessibleNames()
{
    WindowDriver user;
    QCOMPARE(user.find<QGroupBox>(u"ADC3"_s)->accessibleName(), u"ADC_StructInit"_s);
    QVERIFY(!user.find<QGroupBox>(u"ABOUT"_s)->accessibleName().isEmpty());
}

void TestPanels::panelsMadeLateBehaveAsFromTheStart()
{
    WindowDriver user;
    // Only the panel in front is made at start.
    QVERIFY(!user.window->findChild<QRadioButton *>(u"ADC6_option1"_s));

    // A generator reading a panel that was never shown finds it in its initial state.
    user.window->adc().SelectedKey = u"ADC6"_s;
    user.generate();
    QCOMPARE(user.code(),
             u"/* ADC1 interrupts config*/\r\nADC_ITConfig(ADC1,ADC_IT_EOC,ENABLE);"_s);

    // A panel made while the window is shown shows its controls, and they come after the tree
    // and before the code box in the tab order.
    user.clickNode(u"ADC4"_s);
    auto *first = user.window->findChild<QRadioButton *>(u"ADC4_option1"_s);
    QVERIFY(first && first->isVisible());
    QStringList between; // what takes the focus after the tree and before the code box
    for (QWidget *w = user.tree()->nextInFocusChain(); w != user.window->showcode();
         w = w->nextInFocusChain()) {
        QVERIFY(w != user.tree());
        if (!user.tree()->isAncestorOf(w) && w->focusPolicy() != Qt::NoFocus)
            between << w->objectName();
    }
    for (const char *name : {"ADC4_option1", "ADC4_option4", "ADC6_option7"})
        QVERIFY2(between.contains(QString::fromLatin1(name)), qPrintable(between.join(u' ')));
}

QTEST_MAIN(TestPanels)
#include "tst_panels.moc"
