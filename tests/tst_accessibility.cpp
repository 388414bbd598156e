// The window without a mouse: what Tab, the arrow keys, Space and Enter reach, and what a
// screen reader learns through Qt's accessibility interfaces (the ones the AT-SPI bridge reads),
// as Qt's own accessibility autotests look at them.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QImage>

#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include "panels/picture.h"
#include "windowdriver.h"

namespace {

struct RecordedEvent {
    const QObject *object;
    QAccessible::Event type;
};

QList<RecordedEvent> &recordedEvents()
{
    static QList<RecordedEvent> events;
    return events;
}

void recordEvent(QAccessibleEvent *event)
{
    recordedEvents().append({event->object(), event->type()});
}

QAccessibleInterface *accessible(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

// How a test names a focus stop: its object name, and a list's index after it.
QString stopName(const QWidget *widget)
{
    if (!widget)
        return u"(none)"_s;
    if (widget->objectName() == u"ADC2_combo"_s)
        return u"ADC2_combo[%1]"_s.arg(widget->property("index").toInt());
    return widget->objectName();
}

void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

const QStringList kPanelKeys = {u"ABOUT"_s, u"ADC"_s,  u"ADC1"_s, u"ADC2"_s, u"ADC3"_s, u"ADC4"_s,
                                u"ADC5"_s,  u"ADC6"_s, u"ADC7"_s, u"ADC8"_s, u"ADC9"_s, u"ADC10"_s};

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();

    void namesAndRoles_data();
    void namesAndRoles();
    void onlyThePanelInFrontIsShowing_data();
    void onlyThePanelInFrontIsShowing();
    void listIsNamedByItsMemberWhateverItHolds();
    void selectingATreeItemRaisesItsPanel_data();
    void selectingATreeItemRaisesItsPanel();
    void tipsIsAStatusLineThatCanBePressed();
    void tipsAnnouncesItsNewCaption();

    void tabFromTheTreeToTheOptions();
    void tabCycle_data();
    void tabCycle();
    void keysOnTipsOpenTheHelp_data();
    void keysOnTipsOpenTheHelp();
    void focusIsDrawnAtEveryStop_data();
    void focusIsDrawnAtEveryStop();
};

void TestAccessibility::initTestCase()
{
    // As Qt's accessibility autotests do: events go to the handler, not to a screen reader.
    QAccessible::installUpdateHandler(recordEvent);
    QPlatformAccessibility *platform =
        QGuiApplicationPrivate::platformIntegration()->accessibility();
    QVERIFY(platform);
    platform->setActive(true);
    QVERIFY(QAccessible::isActive());
}

void TestAccessibility::init()
{
    recordedEvents().clear();
}

void TestAccessibility::namesAndRoles_data()
{
    QTest::addColumn<QString>("object");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("name");
    const auto row = [](const char *tag, const QString &object, QAccessible::Role role,
                        const QString &name) {
        QTest::newRow(tag) << object << int(role) << name;
    };
    row("window", u"MainForm"_s, QAccessible::Window,
        u"Pinwright----求建议版，有任何建议或意见都可以邮件或QQ联系，联系方式在主页，谢谢"_s);
    row("tree", u"TreeView"_s, QAccessible::Tree, u"库函数"_s);
    row("code box", u"showcode"_s, QAccessible::EditableText, u"代码"_s);
    row("generate", u"buildcode"_s, QAccessible::Button, u"生成代码"_s);
    row("status line", u"Tips"_s, QAccessible::StatusBar, u"点击我,有惊喜"_s);
    row("About panel", u"ABOUT"_s, QAccessible::Grouping, u"关于STM32库函数"_s);
    row("About picture", u"Image1"_s, QAccessible::Graphic, u"关于图片"_s);
    row("panel with a blank", u"ADC8"_s, QAccessible::Grouping,
        u"ADC_ GetResetCalibrationStatus"_s);
    row("group ADC4_1", u"ADC4_1"_s, QAccessible::Grouping, u"参数1：选择ADC"_s);
    row("group ADC6_2", u"ADC6_2"_s, QAccessible::Grouping, u"参数2：ADC中断源"_s);
    row("group of lists", u"ADC2_2"_s, QAccessible::Grouping, u"参数2：ADC_InitStruct"_s);
    row("group of defaults", u"ADC3_1"_s, QAccessible::Grouping, u"参数1：ADC_InitStruct"_s);
    row("option", u"ADC6_option4"_s, QAccessible::RadioButton, u"AWDOG 中断屏蔽"_s);
    row("list 0", u"ADC2_combo[0]"_s, QAccessible::ComboBox, u"ADC_Mode"_s);
    row("list 3", u"ADC2_combo[3]"_s, QAccessible::ComboBox, u"ADC_ExternalTrigConv"_s);
}

void TestAccessibility::namesAndRoles()
{
    QFETCH(QString, object);
    QFETCH(int, role);
    QFETCH(QString, name);
    WindowDriver user;
    QWidget *widget = user.window.get();
    if (object.startsWith(u"ADC2_combo["_s))
        widget = user.list(object.at(11).digitValue());
    else if (object != u"MainForm"_s)
        widget = user.find<QWidget>(object);
    QVERIFY(widget);
    QAccessibleInterface *iface = accessible(widget);
    QVERIFY(iface);
    QCOMPARE(int(iface->role()), role);
    QCOMPARE(iface->text(QAccessible::Name), name);
}

void TestAccessibility::onlyThePanelInFrontIsShowing_data()
{
    QTest::addColumn<QString>("key");
    for (const QString &key : kPanelKeys)
        QTest::newRow(qPrintable(key)) << key;
}

void TestAccessibility::onlyThePanelInFrontIsShowing()
{
    QFETCH(QString, key);
    WindowDriver user;
    user.window->panels().buildAll();
    user.clickNode(u"ADC2"_s); // a panel with lists, so that their popups exist
    user.clickNode(key);
    QCOMPARE(user.frameInFront(), key);
    for (const QString &panel : kPanelKeys) {
        auto *frame = user.find<QGroupBox>(panel);
        QAccessibleInterface *iface = accessible(frame);
        QCOMPARE(iface->state().invisible, panel != key);
        // Whatever the panel holds shows or hides with it; a list's popup is a window apart.
        for (QWidget *inside : frame->findChildren<QWidget *>()) {
            if (inside->window() != user.window.get())
                continue;
            QVERIFY2(accessible(inside)->state().invisible == (panel != key),
                     qPrintable(inside->objectName()));
        }
    }
}

void TestAccessibility::listIsNamedByItsMemberWhateverItHolds()
{
    WindowDriver user;
    user.clickNode(u"ADC2"_s);
    QAccessibleInterface *list = accessible(user.list(3));
    QCOMPARE(list->text(QAccessible::Name), u"ADC_ExternalTrigConv"_s);
    QCOMPARE(list->text(QAccessible::Value), QString());
    QVERIFY(list->state().editable);

    user.type(3, u"abc"_s);
    QCOMPARE(list->text(QAccessible::Name), u"ADC_ExternalTrigConv"_s);
    QCOMPARE(list->text(QAccessible::Value), u"abc"_s);

    user.pick(3, 6);
    QCOMPARE(list->text(QAccessible::Value), u"外部中断线11 事件作为转换外部触发"_s);

    // The field, which takes the list's focus, says the same name.
    QCOMPARE(list->focusChild()->text(QAccessible::Name), u"ADC_ExternalTrigConv"_s);
    QCOMPARE(list->focusChild()->object(), user.list(3)->lineEdit());

    // The popup opens and closes through either of the list's own actions, and no other.
    QVERIFY(list->actionInterface());
    for (const QString &action : list->actionInterface()->actionNames()) {
        list->actionInterface()->doAction(action);
        QVERIFY(user.list(3)->view()->isVisible());
        QVERIFY(list->state().expanded);
        list->actionInterface()->doAction(action);
        QVERIFY(!user.list(3)->view()->isVisible());
    }
    QCOMPARE(list->actionInterface()->actionNames().size(), 2);
    list->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QVERIFY(!user.list(3)->view()->isVisible());
    // Its children are the popup's items and the field, and none past them.
    QCOMPARE(list->childCount(), 2);
    QVERIFY(!list->child(2));
}

void TestAccessibility::selectingATreeItemRaisesItsPanel_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("row selection of the tree") << u"select row"_s;
    QTest::newRow("toggle action of the item") << u"toggle item"_s;
}

void TestAccessibility::selectingATreeItemRaisesItsPanel()
{
    QFETCH(QString, how);
    WindowDriver user;
    user.tree()->itemForKey(u"ADC"_s)->setExpanded(true);
    QAccessibleTableInterface *table = accessible(user.tree())->tableInterface();
    QVERIFY(table);
    const auto select = [&](const QString &text) {
        for (int row = 0; row < table->rowCount(); ++row) {
            QAccessibleInterface *cell = table->cellAt(row, 0);
            if (cell->text(QAccessible::Name) != text)
                continue;
            if (how == u"select row"_s)
                QVERIFY(table->selectRow(row));
            else
                cell->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
            return;
        }
        QFAIL(qPrintable(text));
    };

    select(u"ADC_Cmd"_s);
    QCOMPARE(user.frameInFront(), u"ADC4"_s);
    QCOMPARE(user.selectedKey(), u"ADC4"_s);
    // As after a click, the arrow keys go on from the node selected.
    QTest::keyClick(user.tree(), Qt::Key_Down);
    QCOMPARE(user.frameInFront(), u"ADC5"_s);
    select(u"ADC_Cmd"_s);
    QCOMPARE(user.frameInFront(), u"ADC4"_s);
    select(u"ADC_SoftwareStartConvCmd"_s); // no panel: nothing changes
    QCOMPARE(user.frameInFront(), u"ADC4"_s);
    QCOMPARE(user.selectedKey(), u"ADC4"_s);
    select(u"关于STM32库函数"_s);
    QCOMPARE(user.frameInFront(), u"ABOUT"_s);
    QCOMPARE(user.selectedKey(), u"ABOUT"_s);
}

void TestAccessibility::tipsIsAStatusLineThatCanBePressed()
{
    WindowDriver user;
    QAccessibleInterface *tips = accessible(user.window->tips());
    QVERIFY(tips->actionInterface());
    QVERIFY(
        tips->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    QVERIFY(tips->state().focusable);

    tips->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(user.boxes.asked.size(), std::size_t(1));
    QCOMPARE(user.boxes.asked.front().title, u"惊喜就是Help"_s);
    QCOMPARE(user.tips(), u"点击我,有惊喜"_s);
}

void TestAccessibility::tipsAnnouncesItsNewCaption()
{
    WindowDriver user;
    QLabel *tips = user.window->tips();
    const auto announcements = [tips] {
        qsizetype count = 0;
        for (const RecordedEvent &event : recordedEvents())
            count += event.object == tips && event.type == QAccessible::NameChanged;
        return count;
    };
    recordedEvents().clear();
    user.generate();
    QCOMPARE(announcements(), 1);
    QCOMPARE(accessible(tips)->text(QAccessible::Name), u"生成代码成功"_s);
    user.copy();
    QCOMPARE(announcements(), 2);
    QCOMPARE(accessible(tips)->text(QAccessible::Name), u"复制代码成功"_s);
}

void TestAccessibility::tabFromTheTreeToTheOptions()
{
    WindowDriver user;
    user.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(user.window.get()));
    user.clickNode(u"ADC4"_s);
    QCOMPARE(QApplication::focusWidget(), user.tree());

    press(Qt::Key_Tab);
    QCOMPARE(stopName(QApplication::focusWidget()), u"ADC4_option1"_s);
    press(Qt::Key_Right);
    press(Qt::Key_Tab);
    press(Qt::Key_Right);
    QCOMPARE(stopName(QApplication::focusWidget()), u"ADC4_option4"_s);
    press(Qt::Key_Tab); // the code box
    press(Qt::Key_Tab);
    QCOMPARE(stopName(QApplication::focusWidget()), u"buildcode"_s);
    press(Qt::Key_Space);
    QCOMPARE(user.code(), u"/* Disable ADC2 */\r\nADC_Cmd(ADC2,DISABLE);"_s);
}

void TestAccessibility::tabCycle_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("pressed"); // an option chosen through assistive technology
    QTest::addColumn<QStringList>("panelStops");
    QTest::newRow("ABOUT") << u"ABOUT"_s << QString() << QStringList();
    QTest::newRow("ADC") << u"ADC"_s << QString() << QStringList();
    QTest::newRow("ADC1") << u"ADC1"_s << QString() << QStringList{u"ADC1_option1"_s};
    QTest::newRow("ADC2") << u"ADC2"_s << QString()
                          << QStringList{u"ADC2_option1"_s,  u"ADC2_combo[0]"_s, u"ADC2_combo[1]"_s,
                                         u"ADC2_combo[2]"_s, u"ADC2_combo[3]"_s, u"ADC2_combo[4]"_s,
                                         u"ADC2_combo[5]"_s};
    QTest::newRow("ADC3") << u"ADC3"_s << QString() << QStringList();
    QTest::newRow("ADC4") << u"ADC4"_s << QString()
                          << QStringList{u"ADC4_option1"_s, u"ADC4_option3"_s};
    QTest::newRow("ADC6") << u"ADC6"_s << QString()
                          << QStringList{u"ADC6_option1"_s, u"ADC6_option3"_s, u"ADC6_option6"_s};
    QTest::newRow("ADC6 with JEOC chosen")
        << u"ADC6"_s << u"ADC6_option5"_s
        << QStringList{u"ADC6_option1"_s, u"ADC6_option5"_s, u"ADC6_option6"_s};
    QTest::newRow("ADC10") << u"ADC10"_s << QString() << QStringList{u"ADC10_option1"_s};
}

void TestAccessibility::tabCycle()
{
    QFETCH(QString, key);
    QFETCH(QString, pressed);
    QFETCH(QStringList, panelStops);
    WindowDriver user;
    user.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(user.window.get()));
    user.window->panels().buildAll(); // every panel's controls are in the focus chain
    user.clickNode(key);
    if (!pressed.isEmpty()) {
        accessible(user.find<QRadioButton>(pressed))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(user.find<QRadioButton>(pressed)->isChecked());
    }
    QCOMPARE(QApplication::focusWidget(), user.tree());

    const QStringList expected =
        QStringList{u"TreeView"_s} + panelStops
        + QStringList{u"showcode"_s, u"buildcode"_s, u"copycode"_s, u"Tips"_s, u"TreeView"_s};
    QStringList forward{u"TreeView"_s};
    for (int i = 0; i < expected.size() - 1; ++i) {
        press(Qt::Key_Tab);
        forward << stopName(QApplication::focusWidget());
    }
    QCOMPARE(forward, expected);

    QStringList backward{u"TreeView"_s};
    for (int i = 0; i < expected.size() - 1; ++i) {
        press(Qt::Key_Backtab, Qt::ShiftModifier);
        backward << stopName(QApplication::focusWidget());
    }
    std::reverse(backward.begin(), backward.end());
    QCOMPARE(backward, expected);
}

void TestAccessibility::keysOnTipsOpenTheHelp_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Space") << int(Qt::Key_Space);
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("Enter") << int(Qt::Key_Enter);
}

void TestAccessibility::keysOnTipsOpenTheHelp()
{
    QFETCH(int, key);
    WindowDriver user;
    user.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(user.window.get()));
    user.find<QPushButton>(u"copycode"_s)->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), user.window->tips());
    press(Qt::Key(key));
    QCOMPARE(user.boxes.asked.size(), std::size_t(1));
    const MessageRequest &asked = user.boxes.asked.front();
    QCOMPARE(asked.title, u"惊喜就是Help"_s);
    QCOMPARE(asked.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(QApplication::focusWidget(), user.window->tips());
    press(Qt::Key_A); // any other key does nothing
    QCOMPARE(user.boxes.asked.size(), std::size_t(1));
}

void TestAccessibility::focusIsDrawnAtEveryStop_data()
{
    QTest::addColumn<QString>("key");
    QTest::newRow("ADC2") << u"ADC2"_s;
    QTest::newRow("ADC6") << u"ADC6"_s;
}

void TestAccessibility::focusIsDrawnAtEveryStop()
{
    QFETCH(QString, key);
    WindowDriver user;
    user.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(user.window.get()));
    user.clickNode(key);
    // Every stop looks different while it has the focus than once Tab has moved it on.
    press(Qt::Key_Tab);
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    QWidget *stop = QApplication::focusWidget();
    QCOMPARE(stop, user.tree());
    do {
        const QImage focused = stop->grab().toImage();
        press(Qt::Key_Tab);
        QVERIFY2(stop->grab().toImage() != focused, qPrintable(stopName(stop)));
        stop = QApplication::focusWidget();
    } while (stop != user.tree());
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
