// The generate command through the real window: choose on the panel, press 生成代码, read
// showcode. Every expected text is written out as the user will paste it.
#include <QTest>

#include "windowdriver.h"

class TestGenerate : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void singleCallFragments_data();
    void singleCallFragments();
    void initTableRows_data();
    void initTableRows();
    void initAsItComesUp();
    void initAllChosen_data();
    void initAllChosen();
    void initTypedTexts_data();
    void initTypedTexts();
    void fixedTextForAboutAndOverview();
    void pressReplacesWholeText();
    void keysWithoutGenerator_data();
    void keysWithoutGenerator();
    void statusCaptionComesAfterAboutText();
};

namespace {

const QString kFixedText = u"真的没想到，你竟然会在这个界面点击“生成代码”,人才吖！\r\n"
                           u"\r\n"
                           u"触发隐藏剧情。。。\r\n"
                           u"\r\n"
                           u"那年夏天...(此处省略N个字)"_s;

QString initText(const QString &mode, const QString &scan, const QString &continuous,
                 const QString &trigger, const QString &align, const QString &channels,
                 const QString &adc)
{
    return u"/* Initialize the ADCx according to the ADC_InitStructure members */\r\n"
           u"ADC_InitTypeDef ADC_InitStructure;\r\n"
           u"ADC_InitStructure.ADC_Mode = %1;\r\n"
           u"ADC_InitStructure.ADC_ScanConvMode = %2;\r\n"
           u"ADC_InitStructure.ADC_ContinuousConvMode = %3;\r\n"
           u"ADC_InitStructure.ADC_ExternalTrigConv = %4;\r\n"
           u"ADC_InitStructure.ADC_DataAlign = %5;\r\n"
           u"ADC_InitStructure.ADC_NbrOfChannel = %6;\r\n"
           u"ADC_Init(%7,&ADC_InitStructure);\r\n"_s.arg(mode, scan, continuous, trigger, align,
                                                         channels, adc);
}

} // namespace

void TestGenerate::singleCallFragments_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QStringList>("clicks"); // options to select, in order
    QTest::addColumn<QString>("expected");

    const auto row = [](const char *name, const QString &key, const QStringList &clicks,
                        const QString &expected) {
        QTest::newRow(name) << key << clicks << expected;
    };
    row("DeInit ADC1", u"ADC1"_s, {}, u"/* Resets ADC1 */\r\nADC_DeInit(ADC1);"_s);
    row("DeInit ADC2", u"ADC1"_s, {u"ADC1_option2"_s}, u"/* Resets ADC2 */\r\nADC_DeInit(ADC2);"_s);
    row("StructInit", u"ADC3"_s, {},
        u"/* Initialize a ADC_InitTypeDef structure. */\r\nADC_InitTypeDef ADC_InitStructure;\r\n"
        u"ADC_StructInit(&ADC_InitStructure);"_s);
    row("Cmd ADC1 enable", u"ADC4"_s, {}, u"/* Enable ADC1 */\r\nADC_Cmd(ADC1,ENABLE);"_s);
    row("Cmd ADC1 disable", u"ADC4"_s, {u"ADC4_option4"_s},
        u"/* Disable ADC1 */\r\nADC_Cmd(ADC1,DISABLE);"_s);
    row("Cmd ADC2 enable", u"ADC4"_s, {u"ADC4_option2"_s},
        u"/* Enable ADC2 */\r\nADC_Cmd(ADC2,ENABLE);"_s);
    row("Cmd ADC2 disable", u"ADC4"_s, {u"ADC4_option2"_s, u"ADC4_option4"_s},
        u"/* Disable ADC2 */\r\nADC_Cmd(ADC2,DISABLE);"_s);
    row("DMACmd ADC1 enable", u"ADC5"_s, {},
        u"/* ADC1 DMA transfer */\r\nADC_DMACmd(ADC1,ENABLE);"_s);
    row("DMACmd ADC1 disable", u"ADC5"_s, {u"ADC5_option4"_s},
        u"/* ADC1 DMA transfer */\r\nADC_DMACmd(ADC1,DISABLE);"_s);
    row("DMACmd ADC2 enable", u"ADC5"_s, {u"ADC5_option2"_s},
        u"/* ADC2 DMA transfer */\r\nADC_DMACmd(ADC2,ENABLE);"_s);
    row("DMACmd ADC2 disable", u"ADC5"_s, {u"ADC5_option2"_s, u"ADC5_option4"_s},
        u"/* ADC2 DMA transfer */\r\nADC_DMACmd(ADC2,DISABLE);"_s);
    row("ITConfig ADC1 EOC enable", u"ADC6"_s, {},
        u"/* ADC1 interrupts config*/\r\nADC_ITConfig(ADC1,ADC_IT_EOC,ENABLE);"_s);
    row("ITConfig ADC1 EOC disable", u"ADC6"_s, {u"ADC6_option7"_s},
        u"/* ADC1 interrupts config*/\r\nADC_ITConfig(ADC1,ADC_IT_EOC,DISABLE);"_s);
    row("ITConfig ADC1 AWDOG enable", u"ADC6"_s, {u"ADC6_option4"_s},
        u"/* ADC1 interrupts config*/\r\nADC_ITConfig(ADC1,ADC_IT_AWD,ENABLE);"_s);
    row("ITConfig ADC1 AWDOG disable", u"ADC6"_s, {u"ADC6_option4"_s, u"ADC6_option7"_s},
        u"/* ADC1 interrupts config*/\r\nADC_ITConfig(ADC1,ADC_IT_AWD,DISABLE);"_s);
    row("ITConfig ADC1 JEOC enable", u"ADC6"_s, {u"ADC6_option5"_s},
        u"/* ADC1 interrupts config*/\r\nADC_ITConfig(ADC1,ADC_IT_JEOC,ENABLE);"_s);
    row("ITConfig ADC1 JEOC disable", u"ADC6"_s, {u"ADC6_option5"_s, u"ADC6_option7"_s},
        u"/* ADC1 interrupts config*/\r\nADC_ITConfig(ADC1,ADC_IT_JEOC,DISABLE);"_s);
    row("ITConfig ADC2 EOC enable", u"ADC6"_s, {u"ADC6_option2"_s},
        u"/* ADC2 interrupts config*/\r\nADC_ITConfig(ADC2,ADC_IT_EOC,ENABLE);"_s);
    row("ITConfig ADC2 EOC disable", u"ADC6"_s, {u"ADC6_option2"_s, u"ADC6_option7"_s},
        u"/* ADC2 interrupts config*/\r\nADC_ITConfig(ADC2,ADC_IT_EOC,DISABLE);"_s);
    row("ITConfig ADC2 AWDOG enable", u"ADC6"_s, {u"ADC6_option2"_s, u"ADC6_option4"_s},
        u"/* ADC2 interrupts config*/\r\nADC_ITConfig(ADC2,ADC_IT_AWD,ENABLE);"_s);
    row("ITConfig ADC2 AWDOG disable", u"ADC6"_s,
        {u"ADC6_option2"_s, u"ADC6_option4"_s, u"ADC6_option7"_s},
        u"/* ADC2 interrupts config*/\r\nADC_ITConfig(ADC2,ADC_IT_AWD,DISABLE);"_s);
    row("ITConfig ADC2 JEOC enable", u"ADC6"_s, {u"ADC6_option2"_s, u"ADC6_option5"_s},
        u"/* ADC2 interrupts config*/\r\nADC_ITConfig(ADC2,ADC_IT_JEOC,ENABLE);"_s);
    row("ITConfig ADC2 JEOC disable", u"ADC6"_s,
        {u"ADC6_option2"_s, u"ADC6_option5"_s, u"ADC6_option7"_s},
        u"/* ADC2 interrupts config*/\r\nADC_ITConfig(ADC2,ADC_IT_JEOC,DISABLE);"_s);
    row("ResetCalibration ADC1", u"ADC7"_s, {},
        u"/* Reset the ADC1 Calibration registers */\r\nADC_ResetCalibration(ADC1);"_s);
    row("ResetCalibration ADC2", u"ADC7"_s, {u"ADC7_option2"_s},
        u"/* Reset the ADC2 Calibration registers */\r\nADC_ResetCalibration(ADC2);"_s);
    row("GetResetCalibrationStatus ADC1", u"ADC8"_s, {},
        u"/* Get the ADC1 reset calibration registers status */\r\nFlagStatus Status;\r\n"
        u"Status = ADC_GetResetCalibrationStatus(ADC1);"_s);
    row("GetResetCalibrationStatus ADC2", u"ADC8"_s, {u"ADC8_option2"_s},
        u"/* Get the ADC2 reset calibration registers status */\r\nFlagStatus Status;\r\n"
        u"Status = ADC_GetResetCalibrationStatus(ADC2);"_s);
    row("StartCalibration ADC1", u"ADC9"_s, {},
        u"/* Start the ADC1 Calibration */\r\nADC_StartCalibration(ADC1);"_s);
    row("StartCalibration ADC2", u"ADC9"_s, {u"ADC9_option2"_s},
        u"/* Start the ADC2 Calibration */\r\nADC_StartCalibration(ADC2);"_s);
    row("GetCalibrationStatus ADC1", u"ADC10"_s, {},
        u"/* Get the ADC1 calibration status */\r\nFlagStatus Status;\r\n"
        u"Status = ADC_GetCalibrationStatus(ADC1);"_s);
    row("GetCalibrationStatus ADC2", u"ADC10"_s, {u"ADC10_option2"_s},
        u"/* Get the ADC2 calibration status */\r\nFlagStatus Status;\r\n"
        u"Status = ADC_GetCalibrationStatus(ADC2);"_s);
}

void TestGenerate::singleCallFragments()
{
    QFETCH(QString, key);
    QFETCH(QStringList, clicks);
    QFETCH(QString, expected);

    WindowDriver user;
    user.clickNode(key);
    QCOMPARE(user.selectedKey(), key);
    for (const QString &option : clicks)
        user.clickOption(option);
    user.generate();
    QCOMPARE(user.code(), expected);
    QCOMPARE(user.tips(), u"生成代码成功"_s);

    // The same selection gives the same text again, replacing the first one.
    user.generate();
    QCOMPARE(user.code(), expected);
}

void TestGenerate::initTableRows_data()
{
    QTest::addColumn<int>("list");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("constant");
    const auto mode = [](int row, const char *text, const QString &constant) {
        QTest::newRow(text) << 0 << row << constant;
    };
    mode(0, "独立模式", u"ADC_Mode_Independent"_s);
    mode(1, "同步规则和同步注入模式", u"ADC_Mode_RegInjecSimult"_s);
    mode(2, "同步规则模式和交替触发模式", u"ADC_Mode_RegSimult_AlterTrig"_s);
    mode(3, "同步规则模式和快速交替模式", u"ADC_Mode_InjecSimult_FastInterl"_s);
    mode(4, "同步注入模式和慢速交替模式", u"ADC_Mode_InjecSimult_SlowInterl"_s);
    mode(5, "同步注入模式", u"ADC_Mode_InjecSimult"_s);
    mode(6, "同步规则模式", u"ADC_Mode_RegSimult"_s);
    mode(7, "快速交替模式", u"ADC_Mode_FastInterl"_s);
    mode(8, "慢速交替模式", u"ADC_Mode_SlowInterl"_s);
    mode(9, "交替触发模式", u"ADC_Mode_AlterTrig"_s);
    const auto trigger = [](int row, const char *text, const QString &constant) {
        QTest::newRow(text) << 3 << row << constant;
    };
    trigger(0, "定时器1 的捕获比较 1 作为转换外部触发", u"ADC_ExternalTrigConv_T1_CC1"_s);
    trigger(1, "定时器1 的捕获比较 2 作为转换外部触发", u"ADC_ExternalTrigConv_T1_CC2"_s);
    trigger(2, "定时器1 的捕获比较 3 作为转换外部触发", u"ADC_ExternalTrigConv_T1_CC3"_s);
    trigger(3, "定时器2 的捕获比较 2 作为转换外部触发", u"ADC_ExternalTrigConv_T2_CC2"_s);
    trigger(4, "定时器3 的TRGO 作为转换外部触发", u"ADC_ExternalTrigConv_T3_TRGO"_s);
    trigger(5, "定时器4 的捕获比较 4 作为转换外部触发", u"ADC_ExternalTrigConv_T4_CC4"_s);
    trigger(6, "外部中断线11 事件作为转换外部触发", u"ADC_ExternalTrigConv_Ext_IT11"_s);
    trigger(7, "转换由软件而不是外部触发启动", u"ADC_ExternalTrigConv_None"_s);
}

void TestGenerate::initTableRows()
{
    QFETCH(int, list);
    QFETCH(int, row);
    QFETCH(QString, constant);
    WindowDriver user;
    user.clickNode(u"ADC2"_s);
    user.pick(list, row);
    // The row's tag is the item's text, as the list shows it.
    QCOMPARE(user.list(list)->currentText(), QString::fromUtf8(QTest::currentDataTag()));
    user.generate();
    const QString mode = list == 0 ? constant : QString();
    const QString trigger = list == 3 ? constant : QString();
    QCOMPARE(user.code(), initText(mode, u"ENABLE"_s, u"DISABLE"_s, trigger,
                                   u"ADC_DataAlign_Left"_s, QString(), u"ADC1"_s));
}

void TestGenerate::initAsItComesUp()
{
    WindowDriver user;
    user.clickNode(u"ADC2"_s);
    user.generate();
    // Empty mode and trigger texts match no row and are written as they are: empty.
    QCOMPARE(user.code(),
             u"/* Initialize the ADCx according to the ADC_InitStructure members */\r\n"
             u"ADC_InitTypeDef ADC_InitStructure;\r\n"
             u"ADC_InitStructure.ADC_Mode = ;\r\n"
             u"ADC_InitStructure.ADC_ScanConvMode = ENABLE;\r\n"
             u"ADC_InitStructure.ADC_ContinuousConvMode = DISABLE;\r\n"
             u"ADC_InitStructure.ADC_ExternalTrigConv = ;\r\n"
             u"ADC_InitStructure.ADC_DataAlign = ADC_DataAlign_Left;\r\n"
             u"ADC_InitStructure.ADC_NbrOfChannel = ;\r\n"
             u"ADC_Init(ADC1,&ADC_InitStructure);\r\n"_s);
    user.generate();
    QCOMPARE(user.code().count(u"\r\n"_s), 9);
}

void TestGenerate::initAllChosen_data()
{
    QTest::addColumn<QList<int>>("rows"); // lists 0 to 5
    QTest::addColumn<bool>("adc2");
    QTest::addColumn<QString>("expected");
    QTest::newRow("first items, ADC1")
        << QList<int>{0, 1, 1, 0, 0, 0} << false
        << initText(u"ADC_Mode_Independent"_s, u"DISABLE"_s, u"DISABLE"_s,
                    u"ADC_ExternalTrigConv_T1_CC1"_s, u"ADC_DataAlign_Right"_s, u"1"_s, u"ADC1"_s);
    QTest::newRow("last items, ADC2")
        << QList<int>{3, 0, 0, 7, 1, 15} << true
        << initText(u"ADC_Mode_InjecSimult_FastInterl"_s, u"ENABLE"_s, u"ENABLE"_s,
                    u"ADC_ExternalTrigConv_None"_s, u"ADC_DataAlign_Left"_s, u"16"_s, u"ADC2"_s);
    QTest::newRow("channel ten after nine")
        << QList<int>{9, 0, 1, 4, 0, 9} << false
        << initText(u"ADC_Mode_AlterTrig"_s, u"ENABLE"_s, u"DISABLE"_s,
                    u"ADC_ExternalTrigConv_T3_TRGO"_s, u"ADC_DataAlign_Right"_s, u"10"_s,
                    u"ADC1"_s);
}

void TestGenerate::initAllChosen()
{
    QFETCH(QList<int>, rows);
    QFETCH(bool, adc2);
    QFETCH(QString, expected);
    WindowDriver user;
    user.clickNode(u"ADC2"_s);
    for (int i = 0; i < rows.size(); ++i)
        user.pick(i, rows[i]);
    if (adc2)
        user.clickOption(u"ADC2_option2"_s);
    user.generate();
    QCOMPARE(user.code(), expected);
}

void TestGenerate::initTypedTexts_data()
{
    QTest::addColumn<int>("list");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("line"); // the line of that member

    QTest::newRow("scan typed 不使能")
        << 1 << u"不使能"_s << u"ADC_InitStructure.ADC_ScanConvMode = DISABLE;"_s;
    QTest::newRow("scan other text")
        << 1 << u"no"_s << u"ADC_InitStructure.ADC_ScanConvMode = ENABLE;"_s;
    QTest::newRow("continuous typed 使能")
        << 2 << u"使能"_s << u"ADC_InitStructure.ADC_ContinuousConvMode = ENABLE;"_s;
    QTest::newRow("continuous with blank")
        << 2 << u"使能 "_s << u"ADC_InitStructure.ADC_ContinuousConvMode = DISABLE;"_s;
    QTest::newRow("align other case")
        << 4 << u"adc数据右对齐"_s << u"ADC_InitStructure.ADC_DataAlign = ADC_DataAlign_Left;"_s;
    QTest::newRow("mode with trailing blank")
        << 0 << u"独立模式 "_s << u"ADC_InitStructure.ADC_Mode = 独立模式 ;"_s;
    QTest::newRow("mode typed constant")
        << 0 << u"ADC_Mode_RegSimult"_s << u"ADC_InitStructure.ADC_Mode = ADC_Mode_RegSimult;"_s;
    QTest::newRow("trigger other text")
        << 3 << u"T1"_s << u"ADC_InitStructure.ADC_ExternalTrigConv = T1;"_s;
    QTest::newRow("channels above range")
        << 5 << u"17"_s << u"ADC_InitStructure.ADC_NbrOfChannel = 17;"_s;
    QTest::newRow("channels letters")
        << 5 << u"abc"_s << u"ADC_InitStructure.ADC_NbrOfChannel = abc;"_s;
}

void TestGenerate::initTypedTexts()
{
    QFETCH(int, list);
    QFETCH(QString, typed);
    QFETCH(QString, line);
    WindowDriver user;
    user.clickNode(u"ADC2"_s);
    user.type(list, typed);
    QCOMPARE(user.list(list)->lineEdit()->text(), typed);
    user.generate();
    const QStringList lines = user.code().split(u"\r\n"_s);
    QCOMPARE(lines.size(), 10); // nine lines and the empty rest after the last CR LF
    QCOMPARE(lines[2 + list], line);
}

void TestGenerate::fixedTextForAboutAndOverview()
{
    WindowDriver user;
    // Right after start-up the About panel is in front.
    user.generate();
    QCOMPARE(user.code(), kFixedText);
    QCOMPARE(user.code().size(), 61);
    QCOMPARE(user.code().count(u"\r\n"_s), 4);
    QVERIFY(user.code().endsWith(u"个字)"_s));
    QCOMPARE(user.tips(), u"生成代码成功"_s);

    user.clickNode(u"ADC"_s);
    user.window->showcode()->setText(u"x"_s);
    user.generate();
    QCOMPARE(user.code(), kFixedText);
}

void TestGenerate::pressReplacesWholeText()
{
    WindowDriver user;
    user.clickNode(u"ADC4"_s);
    QTest::keyClicks(user.window->showcode(), u"my own notes"_s);
    user.generate();
    QCOMPARE(user.code(), u"/* Enable ADC1 */\r\nADC_Cmd(ADC1,ENABLE);"_s);

    // ADC_Init ends with CR LF; a following fragment does not inherit it.
    user.clickNode(u"ADC2"_s);
    user.generate();
    QVERIFY(user.code().endsWith(u");\r\n"_s));
    user.clickNode(u"ADC1"_s);
    user.generate();
    QCOMPARE(user.code(), u"/* Resets ADC1 */\r\nADC_DeInit(ADC1);"_s);
}

void TestGenerate::keysWithoutGenerator_data()
{
    QTest::addColumn<QString>("key");
    QTest::newRow("ADC11") << u"ADC11"_s;
    QTest::newRow("lower-case adc1") << u"adc1"_s;
    QTest::newRow("ADC1 with blank") << u"ADC1 "_s;
    QTest::newRow("BKP") << u"BKP"_s;
    QTest::newRow("empty") << QString();
}

void TestGenerate::keysWithoutGenerator()
{
    QFETCH(QString, key);
    WindowDriver user;
    user.window->adc().SelectedKey = key;
    const QString before = user.code();
    user.generate();
    QCOMPARE(user.code(), before);
    QCOMPARE(user.tips(), u"生成代码成功"_s);
}

void TestGenerate::statusCaptionComesAfterAboutText()
{
    // With "ABOUT" the text is written before the caption changes; with the ADC keys after it.
    struct Order final : CodeWindow {
        QStringList calls;
        void setShowcode(const QString &) override { calls << u"code"_s; }
        void setTips(const QString &) override { calls << u"tips"_s; }
    };
    WindowDriver user;
    Order about;
    user.window->adc().buildcode_Click(about);
    QCOMPARE(about.calls, (QStringList{u"code"_s, u"tips"_s}));

    user.clickNode(u"ADC10"_s);
    Order adc10;
    user.window->adc().buildcode_Click(adc10);
    QCOMPARE(adc10.calls, (QStringList{u"tips"_s, u"code"_s}));
}

QTEST_MAIN(TestGenerate)
#include "tst_generate.moc"
