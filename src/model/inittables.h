// The six drop-down lists of the ADC_Init panel, once: the member of ADC_InitTypeDef each one
// sets, where it stands, the items it offers with the library constant each item stands for, and
// what a text that matches no item becomes. The panel builder shows the items; GenInit looks the
// field's text up in the same rows.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "model/layout.h"

struct ListItem {
    std::u16string_view text;  // as shown in the list
    std::u16string_view value; // as written into the fragment
};

struct ListSpec {
    std::u16string_view member; // member of ADC_InitTypeDef
    Rect at;                    // relative to the group ADC2_2
    std::span<const ListItem> items;
    // Written when the text matches no item; empty means "the text itself, as typed".
    std::u16string_view unmatched;
};

namespace InitTables {

inline constexpr ListItem kMode[] = {
    {u"独立模式", u"ADC_Mode_Independent"},
    {u"同步规则和同步注入模式", u"ADC_Mode_RegInjecSimult"},
    {u"同步规则模式和交替触发模式", u"ADC_Mode_RegSimult_AlterTrig"},
    {u"同步规则模式和快速交替模式", u"ADC_Mode_InjecSimult_FastInterl"},
    {u"同步注入模式和慢速交替模式", u"ADC_Mode_InjecSimult_SlowInterl"},
    {u"同步注入模式", u"ADC_Mode_InjecSimult"},
    {u"同步规则模式", u"ADC_Mode_RegSimult"},
    {u"快速交替模式", u"ADC_Mode_FastInterl"},
    {u"慢速交替模式", u"ADC_Mode_SlowInterl"},
    {u"交替触发模式", u"ADC_Mode_AlterTrig"},
};

inline constexpr ListItem kState[] = {
    {u"使能", u"ENABLE"},
    {u"不使能", u"DISABLE"},
};

inline constexpr ListItem kTrigger[] = {
    {u"定时器1 的捕获比较 1 作为转换外部触发", u"ADC_ExternalTrigConv_T1_CC1"},
    {u"定时器1 的捕获比较 2 作为转换外部触发", u"ADC_ExternalTrigConv_T1_CC2"},
    {u"定时器1 的捕获比较 3 作为转换外部触发", u"ADC_ExternalTrigConv_T1_CC3"},
    {u"定时器2 的捕获比较 2 作为转换外部触发", u"ADC_ExternalTrigConv_T2_CC2"},
    {u"定时器3 的TRGO 作为转换外部触发", u"ADC_ExternalTrigConv_T3_TRGO"},
    {u"定时器4 的捕获比较 4 作为转换外部触发", u"ADC_ExternalTrigConv_T4_CC4"},
    {u"外部中断线11 事件作为转换外部触发", u"ADC_ExternalTrigConv_Ext_IT11"},
    {u"转换由软件而不是外部触发启动", u"ADC_ExternalTrigConv_None"},
};

inline constexpr ListItem kAlign[] = {
    {u"ADC数据右对齐", u"ADC_DataAlign_Right"},
    {u"ADC数据左对齐", u"ADC_DataAlign_Left"},
};

// The channel count is written as typed; the items only offer the usual values.
inline constexpr ListItem kChannels[] = {
    {u"1", u"1"},   {u"2", u"2"},   {u"3", u"3"},   {u"4", u"4"},   {u"5", u"5"},   {u"6", u"6"},
    {u"7", u"7"},   {u"8", u"8"},   {u"9", u"9"},   {u"10", u"10"}, {u"11", u"11"}, {u"12", u"12"},
    {u"13", u"13"}, {u"14", u"14"}, {u"15", u"15"}, {u"16", u"16"},
};

// Index 0 to 5 of ADC2_combo, top to bottom. ScanConvMode and ContinuousConvMode offer the same
// items but fall to opposite values.
inline constexpr auto kLists = std::to_array<ListSpec>({
    {u"ADC_Mode", {1440, 360, 2895, 300}, kMode, {}},
    {u"ADC_ScanConvMode", {2640, 720, 975, 300}, kState, u"ENABLE"},
    {u"ADC_ContinuousConvMode", {3720, 960, 975, 300}, kState, u"DISABLE"},
    {u"ADC_ExternalTrigConv", {3240, 1320, 3615, 300}, kTrigger, {}},
    {u"ADC_DataAlign", {2160, 1560, 1335, 300}, kAlign, u"ADC_DataAlign_Left"},
    {u"ADC_NbrOfChannel", {2640, 1920, 735, 300}, kChannels, {}},
});

} // namespace InitTables
