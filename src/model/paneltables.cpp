#include "model/paneltables.h"

namespace {

// --- ABOUT ----------------------------------------------------------------------------------
constexpr LabelSpec kAboutLabels[] = {
    {u"ABOUT_label1",
     u"作者：Pinwright\r\nQQ：见主页",
     {4920, 4080, 2895, 855},
     FontRole::Song18BoldMagenta},
};

// --- ADC overview ---------------------------------------------------------------------------
constexpr LabelSpec kOverviewLabels[] = {
    {u"ADC_label2", u"模拟/数字转换", {2520, 360, 2775, 495}, FontRole::Kai18Bold},
    {u"ADC_label1",
     u"12位ADC是一种逐次逼近型模拟数字转换器。它有多达18个通道，可测量16个外部和2 "
     u"个内部信号源。各通道的A/D转换可以单次、连续、扫描或间断模式执行。ADC的结果可以左对齐或右"
     u"对齐方式存储在16位数据寄存器中。 \r\n"
     u"模拟看门狗特性允许应用程序检测输入电压是否超出用户定义的高/ 低阀值。 \r\n"
     u"ADC的输入时钟不得超过14MHz，它是由PCLK2经分频产生。",
     {240, 960, 7455, 1575},
     FontRole::Song10_5},
};

// --- ADC1 ADC_DeInit ------------------------------------------------------------------------
constexpr LabelSpec kAdc1Labels[] = {
    {u"ADC1_label1", u"void ADC_DeInit(ADC_TypeDef* ADCx)", {240, 360, 7335, 255}},
    {u"ADC1_label2", u"描述：将外设ADCx 的全部寄存器重设为缺省值", {240, 720, 7335, 375}},
};
constexpr OptionSpec kAdc1Options[] = {
    {u"ADC1_option1", u"ADC1", {240, 360, 975, 255}},
    {u"ADC1_option2", u"ADC2", {1200, 360, 735, 255}},
};
constexpr GroupSpec kAdc1Groups[] = {
    {u"ADC1_1", u"参数1：ADC选择", {240, 1080, 2175, 735}, kAdc1Options},
};

// --- ADC2 ADC_Init --------------------------------------------------------------------------
constexpr LabelSpec kAdc2Labels[] = {
    {u"ADC2_label1",
     u"void ADC_Init(ADC_TypeDef* ADCx, ADC_InitTypeDef* ADC_InitStruct) ",
     {240, 360, 7335, 255}},
    {u"ADC2_label2",
     u"描述：根据ADC_InitStruct中指定的参数初始化外设 ADCx 的寄存器",
     {240, 720, 7335, 375}},
};
constexpr OptionSpec kAdc2Options[] = {
    {u"ADC2_option1", u"ADC1", {240, 360, 975, 255}},
    {u"ADC2_option2", u"ADC2", {1200, 360, 735, 255}},
};
constexpr LabelSpec kAdc2MemberLabels[] = {
    {u"ADC2_label3",
     u"ADC_Mode\r\nADC_ScanConvMode\r\nADC_ContinuousConvMode\r\nADC_ExternalTrigConv\r\n"
     u"ADC_DataAlign\r\nADC_NbrOfChannel",
     {120, 360, 3375, 1935},
     FontRole::Song15},
};
constexpr GroupSpec kAdc2Groups[] = {
    {u"ADC2_1", u"参数1：ADC选择", {240, 1080, 2175, 735}, kAdc2Options},
    {u"ADC2_2",
     u"参数2：ADC_InitStruct",
     {240, 2040, 7455, 2415},
     {},
     kAdc2MemberLabels,
     InitTables::kLists},
};

// --- ADC3 ADC_StructInit --------------------------------------------------------------------
constexpr LabelSpec kAdc3Labels[] = {
    {u"ADC3_label1",
     u"void ADC_StructInit(ADC_InitTypeDef* ADC_InitStruct)",
     {240, 240, 4935, 255}},
    {u"ADC3_label2", u"描述：把ADC_InitStruct中的每一个参数按缺省值填入", {240, 600, 5175, 375}},
};
constexpr LabelSpec kAdc3DefaultsLabels[] = {
    {u"ADC3_label3",
     u"ADC_Mode                  =工作在独立模式\r\n"
     u"ADC_ScanConvMode          =不使能\r\n"
     u"ADC_ContinuousConvMode    =不使能\r\n"
     u"ADC_ExternalTrigConv      =定时器1 的捕获比较 1 作为转换外部触发\r\n"
     u"ADC_DataAlign             =ADC数据右对齐\r\n"
     u"ADC_NbrOfChannel          =1 ",
     {240, 360, 6735, 1335},
     FontRole::Song10_5},
};
constexpr GroupSpec kAdc3Groups[] = {
    {u"ADC3_1", u"参数1：ADC_InitStruct", {240, 1080, 7335, 1815}, {}, kAdc3DefaultsLabels},
};

// --- ADC4 ADC_Cmd, ADC5 ADC_DMACmd, ADC6 ADC_ITConfig ----------------------------------------
constexpr OptionSpec kEnableOptionsAdc4[] = {
    {u"ADC4_option3", u"使能", {120, 360, 855, 255}},
    {u"ADC4_option4", u"失能", {1200, 360, 855, 255}},
};
constexpr LabelSpec kAdc4Labels[] = {
    {u"ADC4_label1",
     u"void ADC_Cmd(ADC_TypeDef* ADCx, FunctionalState NewState)  ",
     {360, 240, 5415, 255}},
    {u"ADC4_label2", u"描述：使能或者失能指定的ADC", {360, 600, 3255, 255}},
};
constexpr OptionSpec kAdc4Options[] = {
    {u"ADC4_option1", u"ADC1", {120, 360, 975, 255}},
    {u"ADC4_option2", u"ADC2", {1320, 360, 855, 255}},
};
constexpr GroupSpec kAdc4Groups[] = {
    {u"ADC4_1", u"参数1：选择ADC", {360, 960, 2535, 855}, kAdc4Options},
    {u"ADC4_2", u"参数2：新状态", {360, 2160, 2535, 855}, kEnableOptionsAdc4},
};

constexpr LabelSpec kAdc5Labels[] = {
    {u"ADC5_label1",
     u"ADC_DMACmd(ADC_TypeDef* ADCx, FunctionalState NewState) ",
     {360, 240, 5415, 255}},
    {u"ADC5_label2", u"描述：使能或者失能指定的ADC的DMA请求", {360, 600, 3255, 255}},
};
constexpr OptionSpec kAdc5Options[] = {
    {u"ADC5_option1", u"ADC1", {120, 360, 975, 255}},
    {u"ADC5_option2", u"ADC2", {1320, 360, 855, 255}},
};
constexpr OptionSpec kEnableOptionsAdc5[] = {
    {u"ADC5_option3", u"使能", {120, 360, 855, 255}},
    {u"ADC5_option4", u"失能", {1200, 360, 855, 255}},
};
constexpr GroupSpec kAdc5Groups[] = {
    {u"ADC5_1", u"参数1：选择ADC", {360, 960, 2535, 855}, kAdc5Options},
    {u"ADC5_2", u"参数2：新状态", {360, 2160, 2535, 855}, kEnableOptionsAdc5},
};

constexpr LabelSpec kAdc6Labels[] = {
    {u"ADC6_label1",
     u"void ADC_ITConfig(ADC_TypeDef* ADCx, u16 ADC_IT, FunctionalState NewState)",
     {360, 240, 7335, 255}},
    {u"ADC6_label2", u"描述：使能或者失能指定的ADC的中断 ", {360, 600, 3255, 255}},
};
constexpr OptionSpec kAdc6Options[] = {
    {u"ADC6_option1", u"ADC1", {120, 360, 975, 255}},
    {u"ADC6_option2", u"ADC2", {1320, 360, 855, 255}},
};
constexpr OptionSpec kAdc6Sources[] = {
    {u"ADC6_option3", u"EOC 中断屏蔽", {120, 360, 1455, 375}},
    {u"ADC6_option4", u"AWDOG 中断屏蔽", {1560, 360, 1575, 375}},
    {u"ADC6_option5", u"JEOC 中断屏蔽", {3240, 360, 1575, 375}},
};
constexpr OptionSpec kEnableOptionsAdc6[] = {
    {u"ADC6_option6", u"使能", {120, 360, 855, 255}},
    {u"ADC6_option7", u"失能", {1200, 360, 855, 255}},
};
constexpr GroupSpec kAdc6Groups[] = {
    {u"ADC6_1", u"参数1：选择ADC", {360, 960, 2535, 855}, kAdc6Options},
    {u"ADC6_2", u"参数2：ADC中断源", {360, 2160, 4935, 975}, kAdc6Sources},
    {u"ADC6_3", u"参数3：新状态", {360, 3480, 2535, 855}, kEnableOptionsAdc6},
};

// --- ADC7 to ADC10, the calibration calls ---------------------------------------------------
constexpr LabelSpec kAdc7Labels[] = {
    {u"ADC7_label1", u"void ADC_ResetCalibration(ADC_TypeDef* ADCx)", {240, 360, 7335, 255}},
    {u"ADC7_label2", u"描述：重置指定的ADC的校准寄存器 ", {240, 720, 7335, 375}},
};
constexpr OptionSpec kAdc7Options[] = {
    {u"ADC7_option1", u"ADC1", {240, 360, 975, 255}},
    {u"ADC7_option2", u"ADC2", {1200, 360, 735, 255}},
};
constexpr GroupSpec kAdc7Groups[] = {
    {u"ADC7_1", u"参数1：ADC选择", {240, 1080, 2175, 735}, kAdc7Options},
};

constexpr LabelSpec kAdc8Labels[] = {
    {u"ADC8_label1",
     u"FlagStatus ADC_GetResetCalibrationStatus(ADC_TypeDef* ADCx)",
     {240, 360, 7335, 255}},
    {u"ADC8_label2", u"描述：获取ADC重置校准寄存器的状态", {240, 720, 7335, 375}},
    {u"ADC8_label3", u"返回值：ADC重置校准寄存器的新状态（SET 或者RESET）", {240, 2400, 5175, 375}},
    {u"ADC8_label4",
     u"PS：生成的函数中有定义变量，如有需要请自行更改变量名",
     {240, 4680, 4935, 255}},
};
constexpr OptionSpec kAdc8Options[] = {
    {u"ADC8_option1", u"ADC1", {240, 360, 975, 255}},
    {u"ADC8_option2", u"ADC2", {1200, 360, 735, 255}},
};
constexpr GroupSpec kAdc8Groups[] = {
    {u"ADC8_1", u"参数1：ADC选择", {240, 1080, 2175, 735}, kAdc8Options},
};

constexpr LabelSpec kAdc9Labels[] = {
    {u"ADC9_label1", u"void ADC_StartCalibration(ADC_TypeDef* ADCx) ", {240, 240, 7335, 255}},
    {u"ADC9_label2", u"描述：开始指定ADC的校准状态 ", {240, 600, 7335, 255}},
};
constexpr OptionSpec kAdc9Options[] = {
    {u"ADC9_option1", u"ADC1", {240, 360, 975, 255}},
    {u"ADC9_option2", u"ADC2", {1200, 360, 735, 255}},
};
constexpr GroupSpec kAdc9Groups[] = {
    {u"ADC9_1", u"参数1：ADC选择", {240, 960, 2175, 735}, kAdc9Options},
};

constexpr LabelSpec kAdc10Labels[] = {
    {u"ADC10_label1",
     u"FlagStatus ADC_GetCalibrationStatus(ADC_TypeDef* ADCx) ",
     {240, 360, 7335, 255}},
    {u"ADC10_label2", u"描述：获取指定ADC的校准程序", {240, 720, 7335, 375}},
    {u"ADC10_label3", u"返回值：ADC校准的新状态（SET 或者RESET）", {240, 2400, 5175, 375}},
    {u"ADC10_label4",
     u"PS：生成的函数中有定义变量，如有需要请自行更改变量名",
     {240, 4680, 4935, 255}},
};
constexpr OptionSpec kAdc10Options[] = {
    {u"ADC10_option1", u"ADC1", {240, 360, 975, 255}},
    {u"ADC10_option2", u"ADC2", {1200, 360, 735, 255}},
};
constexpr GroupSpec kAdc10Groups[] = {
    {u"ADC10_1", u"参数1：ADC选择", {240, 1080, 2175, 735}, kAdc10Options},
};

} // namespace

namespace Panels {
const PanelSpec kAbout{u"ABOUT", u"", kAboutLabels, {}, true};
const PanelSpec kOverview{u"ADC", u"ADC", kOverviewLabels, {}};
const PanelSpec kDeInit{u"ADC1", u"ADC_DeInit", kAdc1Labels, kAdc1Groups};
const PanelSpec kInit{u"ADC2", u"ADC_Init", kAdc2Labels, kAdc2Groups};
const PanelSpec kStructInit{u"ADC3", u"ADC_StructInit", kAdc3Labels, kAdc3Groups};
const PanelSpec kCmd{u"ADC4", u"ADC_Cmd", kAdc4Labels, kAdc4Groups};
const PanelSpec kDMACmd{u"ADC5", u"ADC_DMACmd", kAdc5Labels, kAdc5Groups};
const PanelSpec kITConfig{u"ADC6", u"ADC_ITConfig", kAdc6Labels, kAdc6Groups};
const PanelSpec kResetCalibration{u"ADC7", u"ADC_ResetCalibration", kAdc7Labels, kAdc7Groups};
const PanelSpec kGetResetCalibrationStatus{u"ADC8", u"ADC_ GetResetCalibrationStatus", kAdc8Labels,
                                           kAdc8Groups};
const PanelSpec kStartCalibration{u"ADC9", u"ADC_StartCalibration", kAdc9Labels, kAdc9Groups};
const PanelSpec kGetCalibrationStatus{u"ADC10", u"ADC_GetCalibrationStatus", kAdc10Labels,
                                      kAdc10Groups};
} // namespace Panels
