#include "codegen/adc.h"

#include "model/inittables.h"

using namespace Qt::StringLiterals;

namespace {

// What a list's text stands for in the fragment: the value of the item it names, or, for a
// text that names no item, the list's fall-back value or else the text itself.
QString listValue(const ListSpec &list, const QString &text)
{
    for (const ListItem &item : list.items) {
        if (text == qsv(item.text))
            return qs(item.value);
    }
    return list.unmatched.empty() ? text : qs(list.unmatched);
}

} // namespace

const PanelEntry *findPanel(QStringView key)
{
    for (const PanelEntry &entry : kPanelRegistry) {
        if (entry.key() == key)
            return &entry;
    }
    return nullptr;
}

void ADC::buildcode_Click(CodeWindow &window)
{
    const PanelEntry *panel = findPanel(SelectedKey);
    // The About text is written before the status line changes, every other panel's after it.
    const bool about = panel && panel->key() == qsv(kAboutKey);
    if (about)
        window.setShowcode((this->*panel->generate)());
    window.setTips(u"生成代码成功"_s);
    if (panel && !about)
        window.setShowcode((this->*panel->generate)());
}

QString ADC::chosenAdc(QStringView adc1Option) const
{
    return m_panels.isSelected(adc1Option) ? u"ADC1"_s : u"ADC2"_s;
}

QString ADC::chosenState(QStringView enableOption) const
{
    return m_panels.isSelected(enableOption) ? u"ENABLE"_s : u"DISABLE"_s;
}

QString ADC::GenAboutText()
{
    return u"真的没想到，你竟然会在这个界面点击“生成代码”,人才吖！\r\n"
           u"\r\n"
           u"触发隐藏剧情。。。\r\n"
           u"\r\n"
           u"那年夏天...(此处省略N个字)"_s;
}

QString ADC::GenOverviewText()
{
    return GenAboutText();
}

QString ADC::GenDeInit()
{
    return u"/* Resets %1 */\r\n"
           u"ADC_DeInit(%1);"_s.arg(chosenAdc(u"ADC1_option1"));
}

QString ADC::GenInit()
{
    CodeBuffer = u"/* Initialize the ADCx according to the ADC_InitStructure members */\r\n"
                 u"ADC_InitTypeDef ADC_InitStructure;\r\n"_s;
    for (std::size_t i = 0; i < InitTables::kLists.size(); ++i) {
        const ListSpec &list = InitTables::kLists[i];
        // One pass: a "%1" that the user typed into a list stays as typed.
        CodeBuffer += u"ADC_InitStructure.%1 = %2;\r\n"_s.arg(
            qsv(list.member), listValue(list, m_panels.comboText(int(i))));
    }
    CodeBuffer += u"ADC_Init(%1,&ADC_InitStructure);\r\n"_s.arg(chosenAdc(u"ADC2_option1"));
    return CodeBuffer;
}

QString ADC::GenStructInit()
{
    CodeBuffer = u"/* Initialize a ADC_InitTypeDef structure. */\r\n"
                 u"ADC_InitTypeDef ADC_InitStructure;\r\n"
                 u"ADC_StructInit(&ADC_InitStructure);"_s;
    return CodeBuffer;
}

QString ADC::GenCmd()
{
    const QString adc = chosenAdc(u"ADC4_option1");
    const bool enable = m_panels.isSelected(u"ADC4_option3");
    CodeBuffer = u"/* %1 %2 */\r\n"
                 u"ADC_Cmd(%2,%3);"_s.arg(enable ? u"Enable"_s : u"Disable"_s, adc,
                                          enable ? u"ENABLE"_s : u"DISABLE"_s);
    return CodeBuffer;
}

QString ADC::GenDMACmd()
{
    const QString adc = chosenAdc(u"ADC5_option1");
    const QString state = chosenState(u"ADC5_option3");
    CodeBuffer = u"/* %1 DMA transfer */\r\n"
                 u"ADC_DMACmd(%1,%2);"_s.arg(adc, state);
    return CodeBuffer;
}

QString ADC::GenITConfig()
{
    const QString adc = chosenAdc(u"ADC6_option1");
    const QString source = m_panels.isSelected(u"ADC6_option3")   ? u"ADC_IT_EOC"_s
                           : m_panels.isSelected(u"ADC6_option4") ? u"ADC_IT_AWD"_s
                                                                  : u"ADC_IT_JEOC"_s;
    const QString state = chosenState(u"ADC6_option6");
    CodeBuffer = u"/* %1 interrupts config*/\r\n"
                 u"ADC_ITConfig(%1,%2,%3);"_s.arg(adc, source, state);
    return CodeBuffer;
}

QString ADC::GenResetCalibration()
{
    return u"/* Reset the %1 Calibration registers */\r\n"
           u"ADC_ResetCalibration(%1);"_s.arg(chosenAdc(u"ADC7_option1"));
}

QString ADC::GenGetResetCalibrationStatus()
{
    return u"/* Get the %1 reset calibration registers status */\r\n"
           u"FlagStatus Status;\r\n"
           u"Status = ADC_GetResetCalibrationStatus(%1);"_s.arg(chosenAdc(u"ADC8_option1"));
}

QString ADC::GenStartCalibration()
{
    return u"/* Start the %1 Calibration */\r\n"
           u"ADC_StartCalibration(%1);"_s.arg(chosenAdc(u"ADC9_option1"));
}

QString ADC::GenGetCalibrationStatus()
{
    return u"/* Get the %1 calibration status */\r\n"
           u"FlagStatus Status;\r\n"
           u"Status = ADC_GetCalibrationStatus(%1);"_s.arg(chosenAdc(u"ADC10_option1"));
}
