// The library tree as data: its nodes in the order they are added, each with its key, its text
// and the key of its parent. The texts are the library's names as this tree has always spelt
// them; the keys of the nodes that have a panel are the panel keys.
#pragma once

#include <array>
#include <string_view>

struct NodeSpec {
    std::u16string_view key;
    std::u16string_view text;
    std::u16string_view parent; // empty for a top-level node
};

// clang-format off
inline constexpr auto kLibraryNodes = std::to_array<NodeSpec>({
    {u"ABOUT", u"关于STM32库函数", u""},
    {u"ADC", u"ADC", u""},
    {u"ADC1", u"ADC_DeInit", u"ADC"},
    {u"ADC2", u"ADC_Init", u"ADC"},
    {u"ADC3", u"ADC_StructInit", u"ADC"},
    {u"ADC4", u"ADC_Cmd", u"ADC"},
    {u"ADC5", u"ADC_DMACmd", u"ADC"},
    {u"ADC6", u"ADC_ITConfig", u"ADC"},
    {u"ADC7", u"ADC_ResetCalibration", u"ADC"},
    {u"ADC8", u"ADC_GetResetCalibrationStatus", u"ADC"},
    {u"ADC9", u"ADC_StartCalibration", u"ADC"},
    {u"ADC10", u"ADC_GetCalibrationStatus", u"ADC"},
    {u"ADC11", u"ADC_SoftwareStartConvCmd", u"ADC"},
    {u"ADC12", u"ADC_GetSoftwareStartConvStatus", u"ADC"},
    {u"ADC13", u"ADC_DiscModeChannelCountConfig", u"ADC"},
    {u"ADC14", u"ADC_DiscModeCmd", u"ADC"},
    {u"ADC15", u"ADC_RegularChannelConfig", u"ADC"},
    {u"ADC16", u"ADC_ExternalTrigConvConfig", u"ADC"},
    {u"ADC17", u"ADC_GetConversionValue", u"ADC"},
    {u"ADC18", u"ADC_GetDuelModeConversionValue", u"ADC"},
    {u"ADC19", u"ADC_AutoInjectedConvCmd", u"ADC"},
    {u"ADC20", u"ADC_InjectedDiscModeCmd", u"ADC"},
    {u"ADC21", u"ADC_ExternalTrigInjectedConvConfig", u"ADC"},
    {u"ADC22", u"ADC_ExternalTrigInjectedConvCmd", u"ADC"},
    {u"ADC23", u"ADC_SoftwareStartinjectedConvCmd", u"ADC"},
    {u"ADC24", u"ADC_GetsoftwareStartinjectedConvStatus", u"ADC"},
    {u"ADC25", u"ADC_InjectedChannleConfig", u"ADC"},
    {u"ADC26", u"ADC_InjectedSequencerLengthConfig", u"ADC"},
    {u"ADC27", u"ADC_SetinjectedOffset", u"ADC"},
    {u"ADC28", u"ADC_GetInjectedConversionValue", u"ADC"},
    {u"ADC29", u"ADC_AnalogWatchdogCmd", u"ADC"},
    {u"ADC30", u"ADC_AnalogWatchdongThresholdsConfig", u"ADC"},
    {u"ADC31", u"ADC_AnalogWatchdongSingleChannelConfig", u"ADC"},
    {u"ADC32", u"ADC_TampSensorVrefintCmd", u"ADC"},
    {u"ADC33", u"ADC_GetFlagStatus", u"ADC"},
    {u"ADC34", u"ADC_ClearFlag", u"ADC"},
    {u"ADC35", u"ADC_GetITStatus", u"ADC"},
    {u"ADC36", u"ADC_ClearITPendingBit", u"ADC"},
    {u"BKP", u"BKP", u""},
    {u"BKP1", u"待加入", u"BKP"},
    {u"CAN", u"CAN", u""},
    {u"CAN1", u"待加入", u"CAN"},
});
// clang-format on
