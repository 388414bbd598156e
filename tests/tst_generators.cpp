// The generators without a window: what they ask of the panels, and what they write when the
// panels answer in ways the window's radio groups never do.
#include <QSet>
#include <QTest>

#include "codegen/adc.h"
#include "model/nodetable.h"
#include "model/paneltables.h"

using namespace Qt::StringLiterals;

namespace {

// Answers from a fixed set of selected options and list texts, and records every question.
class FakePanels final : public PanelState {
public:
    QSet<QString> selected;
    QStringList lists = QStringList(6);
    mutable QStringList askedOptions;
    mutable QList<int> askedLists;

    bool isSelected(QStringView option) const override
    {
        askedOptions << option.toString();
        return selected.contains(option.toString());
    }
    QString comboText(int index) const override
    {
        askedLists << index;
        return lists.value(index);
    }
};

QString run(ADC &adc, const QString &key)
{
    struct Sink final : CodeWindow {
        QString code = u"untouched"_s;
        void setShowcode(const QString &text) override { code = text; }
        void setTips(const QString &) override {}
    } sink;
    adc.SelectedKey = key;
    adc.buildcode_Click(sink);
    return sink.code;
}

const OptionSpec *findOption(const PanelSpec &panel, const QString &name, int *position)
{
    for (const GroupSpec &group : panel.groups) {
        for (std::size_t i = 0; i < group.options.size(); ++i) {
            if (qsv(group.options[i].name) == name) {
                *position = int(i);
                return &group.options[i];
            }
        }
    }
    return nullptr;
}

} // namespace

class TestGenerators : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void generatorsReadOnlyTheirOwnPanel();
    void fallThroughWhenNoTestedOptionIsSelected();
    void initReadsEachListOnce();
    void panelKeysAreExact();
    void everyPanelHasItsNode();
};

void TestGenerators::generatorsReadOnlyTheirOwnPanel()
{
    for (const PanelEntry &entry : kPanelRegistry) {
        const PanelSpec &panel = *entry.panel;
        const QString key = qs(panel.key);
        FakePanels panels;
        ADC adc(panels);
        run(adc, key);
        for (const QString &name : std::as_const(panels.askedOptions)) {
            int position = -1;
            QVERIFY2(findOption(panel, name, &position), qPrintable(key + u": "_s + name));
            // Only a group's first option is tested, and the second of the interrupt sources.
            QVERIFY2(position == 0 || (name == u"ADC6_option4"_s && position == 1),
                     qPrintable(name));
        }
        QCOMPARE(panels.askedLists.isEmpty(), key != u"ADC2"_s);
    }
}

void TestGenerators::fallThroughWhenNoTestedOptionIsSelected()
{
    FakePanels nothing;
    ADC adc(nothing);
    QCOMPARE(run(adc, u"ADC6"_s),
             u"/* ADC2 interrupts config*/\r\nADC_ITConfig(ADC2,ADC_IT_JEOC,DISABLE);"_s);
    QCOMPARE(run(adc, u"ADC4"_s), u"/* Disable ADC2 */\r\nADC_Cmd(ADC2,DISABLE);"_s);
    QCOMPARE(run(adc, u"ADC2"_s).section(u"\r\n"_s, 8, 8), u"ADC_Init(ADC2,&ADC_InitStructure);"_s);

    // The first interrupt source wins over the second when both answer yes.
    FakePanels both;
    both.selected = {u"ADC6_option3"_s, u"ADC6_option4"_s};
    ADC adc2(both);
    QCOMPARE(run(adc2, u"ADC6"_s),
             u"/* ADC2 interrupts config*/\r\nADC_ITConfig(ADC2,ADC_IT_EOC,DISABLE);"_s);
}

void TestGenerators::initReadsEachListOnce()
{
    FakePanels panels;
    panels.lists = {u"同步规则模式"_s,  u"不使能"_s,
                    u"使能"_s,          u"外部中断线11 事件作为转换外部触发"_s,
                    u"ADC数据右对齐"_s, u"8"_s};
    ADC adc(panels);
    QCOMPARE(run(adc, u"ADC2"_s),
             u"/* Initialize the ADCx according to the ADC_InitStructure members */\r\n"
             u"ADC_InitTypeDef ADC_InitStructure;\r\n"
             u"ADC_InitStructure.ADC_Mode = ADC_Mode_RegSimult;\r\n"
             u"ADC_InitStructure.ADC_ScanConvMode = DISABLE;\r\n"
             u"ADC_InitStructure.ADC_ContinuousConvMode = ENABLE;\r\n"
             u"ADC_InitStructure.ADC_ExternalTrigConv = ADC_ExternalTrigConv_Ext_IT11;\r\n"
             u"ADC_InitStructure.ADC_DataAlign = ADC_DataAlign_Right;\r\n"
             u"ADC_InitStructure.ADC_NbrOfChannel = 8;\r\n"
             u"ADC_Init(ADC2,&ADC_InitStructure);\r\n"_s);
    QCOMPARE(panels.askedLists, (QList<int>{0, 1, 2, 3, 4, 5}));

    // Typed texts are written as typed, place markers of Qt's arg() included.
    panels.lists = {u"%1"_s, {}, {}, u"%2 %1"_s, {}, u"%3%L1"_s};
    const QStringList lines = run(adc, u"ADC2"_s).split(u"\r\n"_s);
    QCOMPARE(lines.value(2), u"ADC_InitStructure.ADC_Mode = %1;"_s);
    QCOMPARE(lines.value(5), u"ADC_InitStructure.ADC_ExternalTrigConv = %2 %1;"_s);
    QCOMPARE(lines.value(7), u"ADC_InitStructure.ADC_NbrOfChannel = %3%L1;"_s);
}

void TestGenerators::panelKeysAreExact()
{
    FakePanels panels;
    ADC adc(panels);
    // "ADC1" must not reach the generator of "ADC10", nor the reverse.
    QVERIFY(run(adc, u"ADC1"_s).contains(u"ADC_DeInit"_s));
    QVERIFY(run(adc, u"ADC10"_s).contains(u"ADC_GetCalibrationStatus"_s));
    for (const QString &key :
         {u"adc1"_s, u"ADC01"_s, u"ADC11"_s, u" ADC1"_s, u"ABOUT "_s, u"About"_s, QString()})
        QCOMPARE(run(adc, key), u"untouched"_s);
}

void TestGenerators::everyPanelHasItsNode()
{
    QSet<QString> nodeKeys;
    for (const NodeSpec &node : kLibraryNodes)
        nodeKeys << qs(node.key);
    QCOMPARE(nodeKeys.size(), 42);
    for (const PanelEntry &entry : kPanelRegistry)
        QVERIFY2(nodeKeys.contains(entry.key().toString()), qPrintable(entry.key().toString()));
}

QTEST_APPLESS_MAIN(TestGenerators)
#include "tst_generators.moc"
