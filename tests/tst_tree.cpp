// The library tree: its 42 nodes, and what a click or a keyboard move on each of them does to
// the panel in front and to SelectedKey.
#include <QFontMetrics>

#include "windowdriver.h"

class TestTree : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void nodes_data();
    void nodes();
    void startsCollapsedAndUnselected();
    void clickOutcome_data();
    void clickOutcome();
    void keyboardRunsTheClickHandler();
    void clickOnCurrentNodeStillSelects();
    void nodeWithoutPanelKeepsState();
    void rowsShowUnderscores();
};

namespace {

const QStringList kAdcFunctions = {
    u"ADC_DeInit"_s,
    u"ADC_Init"_s,
    u"ADC_StructInit"_s,
    u"ADC_Cmd"_s,
    u"ADC_DMACmd"_s,
    u"ADC_ITConfig"_s,
    u"ADC_ResetCalibration"_s,
    u"ADC_GetResetCalibrationStatus"_s,
    u"ADC_StartCalibration"_s,
    u"ADC_GetCalibrationStatus"_s,
    u"ADC_SoftwareStartConvCmd"_s,
    u"ADC_GetSoftwareStartConvStatus"_s,
    u"ADC_DiscModeChannelCountConfig"_s,
    u"ADC_DiscModeCmd"_s,
    u"ADC_RegularChannelConfig"_s,
    u"ADC_ExternalTrigConvConfig"_s,
    u"ADC_GetConversionValue"_s,
    u"ADC_GetDuelModeConversionValue"_s,
    u"ADC_AutoInjectedConvCmd"_s,
    u"ADC_InjectedDiscModeCmd"_s,
    u"ADC_ExternalTrigInjectedConvConfig"_s,
    u"ADC_ExternalTrigInjectedConvCmd"_s,
    u"ADC_SoftwareStartinjectedConvCmd"_s,
    u"ADC_GetsoftwareStartinjectedConvStatus"_s,
    u"ADC_InjectedChannleConfig"_s,
    u"ADC_InjectedSequencerLengthConfig"_s,
    u"ADC_SetinjectedOffset"_s,
    u"ADC_GetInjectedConversionValue"_s,
    u"ADC_AnalogWatchdogCmd"_s,
    u"ADC_AnalogWatchdongThresholdsConfig"_s,
    u"ADC_AnalogWatchdongSingleChannelConfig"_s,
    u"ADC_TampSensorVrefintCmd"_s,
    u"ADC_GetFlagStatus"_s,
    u"ADC_ClearFlag"_s,
    u"ADC_GetITStatus"_s,
    u"ADC_ClearITPendingBit"_s,
};

struct Node {
    QString key, text, parent;
    int position; // under its parent, from 0
};

QList<Node> expectedNodes()
{
    QList<Node> nodes{{u"ABOUT"_s, u"关于STM32库函数"_s, {}, 0}, {u"ADC"_s, u"ADC"_s, {}, 1}};
    for (int i = 0; i < kAdcFunctions.size(); ++i)
        nodes.append({u"ADC%1"_s.arg(i + 1), kAdcFunctions[i], u"ADC"_s, i});
    nodes.append({u"BKP"_s, u"BKP"_s, {}, 2});
    nodes.append({u"BKP1"_s, u"待加入"_s, u"BKP"_s, 0});
    nodes.append({u"CAN"_s, u"CAN"_s, {}, 3});
    nodes.append({u"CAN1"_s, u"待加入"_s, u"CAN"_s, 0});
    return nodes;
}

QStringList panelKeys()
{
    QStringList keys{u"ABOUT"_s, u"ADC"_s};
    for (int i = 1; i <= 10; ++i)
        keys << u"ADC%1"_s.arg(i);
    return keys;
}

} // namespace

void TestTree::nodes_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<int>("position");
    for (const Node &node : expectedNodes())
        QTest::newRow(qPrintable(node.key))
            << node.key << node.text << node.parent << node.position;
}

void TestTree::nodes()
{
    QFETCH(QString, key);
    QFETCH(QString, text);
    QFETCH(QString, parent);
    QFETCH(int, position);
    WindowDriver user;
    QTreeWidgetItem *item = user.tree()->itemForKey(key);
    QVERIFY(item);
    QCOMPARE(item->text(0), text);
    QCOMPARE(LibraryTree::keyOf(item->parent()), parent);
    const int index = item->parent() ? item->parent()->indexOfChild(item)
                                     : user.tree()->indexOfTopLevelItem(item);
    QCOMPARE(index, position);
    QCOMPARE(item->childCount(), key == u"ADC"_s ? 36 : (key == u"BKP"_s || key == u"CAN"_s));
}

void TestTree::startsCollapsedAndUnselected()
{
    WindowDriver user;
    QCOMPARE(user.tree()->topLevelItemCount(), 4);
    int count = 0;
    for (QTreeWidgetItemIterator it(user.tree()); *it; ++it) {
        ++count;
        QVERIFY(!(*it)->isExpanded());
        QVERIFY(!(*it)->isSelected());
    }
    QCOMPARE(count, 42);
    QVERIFY(user.tree()->isHeaderHidden());
}

void TestTree::clickOutcome_data()
{
    QTest::addColumn<QString>("key");
    for (const Node &node : expectedNodes())
        QTest::newRow(qPrintable(node.key)) << node.key;
}

void TestTree::clickOutcome()
{
    QFETCH(QString, key);
    WindowDriver user;
    // Start from ADC3, so that both a change and no change show.
    user.clickNode(u"ADC3"_s);
    QCOMPARE(user.frameInFront(), u"ADC3"_s);
    user.clickNode(key);
    const QString expected = panelKeys().contains(key) ? key : u"ADC3"_s;
    QCOMPARE(user.frameInFront(), expected);
    QCOMPARE(user.selectedKey(), expected);
}

void TestTree::keyboardRunsTheClickHandler()
{
    WindowDriver user;
    LibraryTree *tree = user.tree();
    tree->setFocus();
    user.clickNode(u"ADC"_s);
    QCOMPARE(user.selectedKey(), u"ADC"_s);
    QTest::keyClick(tree, Qt::Key_Right); // expand
    QTest::keyClick(tree, Qt::Key_Down);
    QCOMPARE(user.selectedKey(), u"ADC1"_s);
    QCOMPARE(user.frameInFront(), u"ADC1"_s);
    for (int i = 0; i < 9; ++i)
        QTest::keyClick(tree, Qt::Key_Down);
    QCOMPARE(user.selectedKey(), u"ADC10"_s);
    QCOMPARE(user.frameInFront(), u"ADC10"_s);
    QTest::keyClick(tree, Qt::Key_Down); // ADC11 has no panel
    QCOMPARE(LibraryTree::keyOf(tree->currentItem()), u"ADC11"_s);
    QCOMPARE(user.selectedKey(), u"ADC10"_s);
    QTest::keyClick(tree, Qt::Key_End); // CAN
    QCOMPARE(user.selectedKey(), u"ADC10"_s);
    QTest::keyClick(tree, Qt::Key_Home);
    QCOMPARE(user.selectedKey(), u"ABOUT"_s);
    QCOMPARE(user.frameInFront(), u"ABOUT"_s);
}

void TestTree::clickOnCurrentNodeStillSelects()
{
    // A keyboard move to a node without a panel, then a click on the node that is current:
    // Qt reports only the click, and the handler must still run.
    WindowDriver user;
    user.clickNode(u"ADC2"_s);
    user.tree()->setCurrentItem(user.tree()->itemForKey(u"ADC2"_s));
    user.window->TreeView_NodeClick(u"ABOUT"_s);
    QCOMPARE(user.frameInFront(), u"ABOUT"_s);
    user.clickNode(u"ADC2"_s);
    QCOMPARE(user.frameInFront(), u"ADC2"_s);
    QCOMPARE(user.selectedKey(), u"ADC2"_s);
}

void TestTree::nodeWithoutPanelKeepsState()
{
    WindowDriver user;
    user.clickNode(u"ADC4"_s);
    user.clickNode(u"BKP1"_s);
    QCOMPARE(user.frameInFront(), u"ADC4"_s);
    user.generate();
    QCOMPARE(user.code(), u"/* Enable ADC1 */\r\nADC_Cmd(ADC1,ENABLE);"_s);
    user.window->TreeView_NodeClick(QString());
    user.window->TreeView_NodeClick(u"adc4"_s);
    QCOMPARE(user.selectedKey(), u"ADC4"_s);
}

void TestTree::rowsShowUnderscores()
{
    WindowDriver user;
    QTreeWidgetItem *item = user.tree()->itemForKey(u"ADC1"_s);
    item->parent()->setExpanded(true);
    const QFontMetrics metrics(user.tree()->font());
    // The row reaches below the underline position of the text drawn in it.
    QVERIFY(user.tree()->visualItemRect(item).height() >= metrics.height() + 4);
}

QTEST_MAIN(TestTree)
#include "tst_tree.moc"
