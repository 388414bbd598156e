#include "codegen/adc.h"

#include <array>

#include "codegen/inittables.h"
#include "panels/paneltables.h"

using namespace Qt::StringLiterals;

namespace {

constexpr std::u16string_view kCrLf = u"\r\n";

// One parameter group as a generator reads it: the option it tests, the pieces that option
// yields, and the pieces that stand for every other option of the group. A group that yields a
// single piece leaves the second one empty.
struct GroupPieces {
    std::u16string_view tested;
    std::array<std::u16string_view, 2> selected;
    std::array<std::u16string_view, 2> fallThrough;
};

constexpr GroupPieces kDeInitAdc{u"ADC1_option1",
                                 {u"/* Resets ADC1 */", u"ADC_DeInit(ADC1);"},
                                 {u"/* Resets ADC2 */", u"ADC_DeInit(ADC2);"}};
constexpr GroupPieces kCmdAdc{
    u"ADC4_option1", {u"ADC1 */", u"ADC_Cmd(ADC1,"}, {u"ADC2 */", u"ADC_Cmd(ADC2,"}};
constexpr GroupPieces kCmdState{
    u"ADC4_option3", {u"/* Enable ", u"ENABLE);"}, {u"/* Disable ", u"DISABLE);"}};
constexpr GroupPieces kDmaAdc{u"ADC5_option1",
                              {u"/* ADC1 DMA transfer */", u"ADC_DMACmd(ADC1,"},
                              {u"/* ADC2 DMA transfer */", u"ADC_DMACmd(ADC2,"}};
constexpr GroupPieces kDmaState{u"ADC5_option3", {u"ENABLE);"}, {u"DISABLE);"}};
constexpr GroupPieces kItAdc{u"ADC6_option1",
                             {u"/* ADC1 interrupts config*/", u"ADC_ITConfig(ADC1,"},
                             {u"/* ADC2 interrupts config*/", u"ADC_ITConfig(ADC2,"}};
// The interrupt source tests two options in turn; only when neither is selected does it fall
// through, to the third source.
constexpr GroupPieces kItSourceFirst{u"ADC6_option3", {u"ADC_IT_EOC,"}, {}};
constexpr GroupPieces kItSourceSecond{u"ADC6_option4", {u"ADC_IT_AWD,"}, {u"ADC_IT_JEOC,"}};
constexpr GroupPieces kItState{u"ADC6_option6", {u"ENABLE);"}, {u"DISABLE);"}};
constexpr GroupPieces kResetCalAdc{
    u"ADC7_option1",
    {u"/* Reset the ADC1 Calibration registers */", u"ADC_ResetCalibration(ADC1);"},
    {u"/* Reset the ADC2 Calibration registers */", u"ADC_ResetCalibration(ADC2);"}};
constexpr GroupPieces kResetCalStatusAdc{u"ADC8_option1",
                                         {u"/* Get the ADC1 reset calibration registers status */",
                                          u"Status = ADC_GetResetCalibrationStatus(ADC1);"},
                                         {u"/* Get the ADC2 reset calibration registers status */",
                                          u"Status = ADC_GetResetCalibrationStatus(ADC2);"}};
constexpr GroupPieces kStartCalAdc{
    u"ADC9_option1",
    {u"/* Start the ADC1 Calibration */", u"ADC_StartCalibration(ADC1);"},
    {u"/* Start the ADC2 Calibration */", u"ADC_StartCalibration(ADC2);"}};
constexpr GroupPieces kCalStatusAdc{
    u"ADC10_option1",
    {u"/* Get the ADC1 calibration status */", u"Status = ADC_GetCalibrationStatus(ADC1);"},
    {u"/* Get the ADC2 calibration status */", u"Status = ADC_GetCalibrationStatus(ADC2);"}};

constexpr std::u16string_view kStatusDeclaration = u"FlagStatus Status;";

constexpr std::array<std::u16string_view, 3> kStructInitLines = {
    u"/* Initialize a ADC_InitTypeDef structure. */",
    u"ADC_InitTypeDef ADC_InitStructure;",
    u"ADC_StructInit(&ADC_InitStructure);",
};

constexpr std::array<std::u16string_view, 5> kFixedTextLines = {
    u"真的没想到，你竟然会在这个界面点击“生成代码”,人才吖！",
    u"",
    u"触发隐藏剧情。。。",
    u"",
    u"那年夏天...(此处省略N个字)",
};

constexpr std::u16string_view kInitComment =
    u"/* Initialize the ADCx according to the ADC_InitStructure members */";
constexpr std::u16string_view kInitDeclaration = u"ADC_InitTypeDef ADC_InitStructure;";
constexpr GroupPieces kInitAdc{u"ADC2_option1", {u"ADC1"}, {u"ADC2"}};

// The generators in the order of kPanelKeys, so that a panel key and its generator share an index.
using Generator = QString (ADC::*)();
constexpr std::array<Generator, 12> kGenerators = {
    &ADC::GenAboutText,        &ADC::GenOverviewText,
    &ADC::GenDeInit,           &ADC::GenInit,
    &ADC::GenStructInit,       &ADC::GenCmd,
    &ADC::GenDMACmd,           &ADC::GenITConfig,
    &ADC::GenResetCalibration, &ADC::GenGetResetCalibrationStatus,
    &ADC::GenStartCalibration, &ADC::GenGetCalibrationStatus,
};
static_assert(kGenerators.size() == kPanelKeys.size());

const std::array<std::u16string_view, 2> &pick(const PanelState &panels, const GroupPieces &group)
{
    return panels.isSelected(qsv(group.tested)) ? group.selected : group.fallThrough;
}

// Concatenates text pieces; Qt 6.4 has no QString + QStringView.
QString cat(std::initializer_list<std::u16string_view> pieces)
{
    QString text;
    for (std::u16string_view piece : pieces)
        text += qsv(piece);
    return text;
}

template <std::size_t N> QString joinLines(const std::array<std::u16string_view, N> &lines)
{
    QString text;
    for (std::size_t i = 0; i < N; ++i) {
        if (i > 0)
            text += qsv(kCrLf);
        text += qsv(lines[i]);
    }
    return text;
}

// A comment and a call, with a declaration between them where the call assigns a result.
QString commentAndCall(const std::array<std::u16string_view, 2> &pieces)
{
    return cat({pieces[0], kCrLf, pieces[1]});
}

QString commentDeclarationAndCall(const std::array<std::u16string_view, 2> &pieces)
{
    return cat({pieces[0], kCrLf, kStatusDeclaration, kCrLf, pieces[1]});
}

QString listValue(const ListSpec &list, const QString &text)
{
    for (const ListItem &item : list.items) {
        if (text == qsv(item.text))
            return qs(item.value);
    }
    return list.unmatched.empty() ? text : qs(list.unmatched);
}

} // namespace

void ADC::buildcode_Click(CodeWindow &window)
{
    const int panel = panelIndex(SelectedKey);
    if (panel == kAboutPanel)
        window.setShowcode(GenAboutText());
    window.setTips(u"生成代码成功"_s);
    if (panel > kAboutPanel)
        window.setShowcode((this->*kGenerators[std::size_t(panel)])());
}

QString ADC::GenAboutText()
{
    return joinLines(kFixedTextLines);
}

QString ADC::GenOverviewText()
{
    return joinLines(kFixedTextLines);
}

QString ADC::GenDeInit()
{
    return commentAndCall(pick(m_panels, kDeInitAdc));
}

QString ADC::GenInit()
{
    CodeBuffer = cat({kInitComment, kCrLf, kInitDeclaration, kCrLf});
    for (std::size_t i = 0; i < InitTables::kLists.size(); ++i) {
        const ListSpec &list = InitTables::kLists[i];
        CodeBuffer += cat({u"ADC_InitStructure.", list.member, u" = "});
        CodeBuffer += listValue(list, m_panels.comboText(int(i)));
        CodeBuffer += cat({u";", kCrLf});
    }
    CodeBuffer += cat({u"ADC_Init(", pick(m_panels, kInitAdc)[0], u",&ADC_InitStructure);", kCrLf});
    return CodeBuffer;
}

QString ADC::GenStructInit()
{
    CodeBuffer = joinLines(kStructInitLines);
    return CodeBuffer;
}

QString ADC::GenCmd()
{
    // The state is read second but opens the comment: "/* Enable " + "ADC1 */".
    const auto &adc = pick(m_panels, kCmdAdc);
    CodeBuffer = cat({adc[0], kCrLf, adc[1]});
    const auto &state = pick(m_panels, kCmdState);
    CodeBuffer.prepend(qsv(state[0]));
    CodeBuffer += qsv(state[1]);
    return CodeBuffer;
}

QString ADC::GenDMACmd()
{
    const auto &adc = pick(m_panels, kDmaAdc);
    CodeBuffer = cat({adc[0], kCrLf, adc[1]});
    CodeBuffer += qsv(pick(m_panels, kDmaState)[0]);
    return CodeBuffer;
}

QString ADC::GenITConfig()
{
    const auto &adc = pick(m_panels, kItAdc);
    CodeBuffer = cat({adc[0], kCrLf, adc[1]});
    if (m_panels.isSelected(qsv(kItSourceFirst.tested)))
        CodeBuffer += qsv(kItSourceFirst.selected[0]);
    else
        CodeBuffer += qsv(pick(m_panels, kItSourceSecond)[0]);
    CodeBuffer += qsv(pick(m_panels, kItState)[0]);
    return CodeBuffer;
}

QString ADC::GenResetCalibration()
{
    return commentAndCall(pick(m_panels, kResetCalAdc));
}

QString ADC::GenGetResetCalibrationStatus()
{
    return commentDeclarationAndCall(pick(m_panels, kResetCalStatusAdc));
}

QString ADC::GenStartCalibration()
{
    return commentAndCall(pick(m_panels, kStartCalAdc));
}

QString ADC::GenGetCalibrationStatus()
{
    return commentDeclarationAndCall(pick(m_panels, kCalStatusAdc));
}
