// The twelve panels as data: every frame, parameter group, option button and label with its
// name, text and place. PanelStack builds widgets from these tables and nothing else; the
// generators name the options they test by the same names.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include <QStringView>

#include "codegen/inittables.h"
#include "panels/layout.h"

enum class FontRole {
    Default,           // the window's 宋体 9 pt
    Song10_5,          // 宋体 10.5 pt
    Song15,            // 宋体 15 pt
    Song18BoldMagenta, // the About credit
    Kai18Bold,         // the overview title
};

struct LabelSpec {
    std::u16string_view name;
    std::u16string_view text; // lines joined by CR LF
    Rect at;
    FontRole font = FontRole::Default;
};

struct OptionSpec {
    std::u16string_view name;
    std::u16string_view caption;
    Rect at;
};

struct GroupSpec {
    std::u16string_view name;
    std::u16string_view caption;
    Rect at;
    std::span<const OptionSpec> options;
    std::span<const LabelSpec> labels = {};
    bool holdsLists = false; // the six lists of InitTables::kLists (ADC2_2 only)
};

struct PanelSpec {
    std::u16string_view key; // also the frame's name
    std::u16string_view caption;
    std::span<const LabelSpec> labels;
    std::span<const GroupSpec> groups;
    bool hasPicture = false; // Image1, stretched under the labels
};

// Panel keys in the order the tree and the generate command compare them.
inline constexpr std::array<std::u16string_view, 12> kPanelKeys = {
    u"ABOUT", u"ADC",  u"ADC1", u"ADC2", u"ADC3", u"ADC4",
    u"ADC5",  u"ADC6", u"ADC7", u"ADC8", u"ADC9", u"ADC10",
};
inline constexpr int kAboutPanel = 0;

// The index of the panel whose key equals `key` exactly, or -1 when no panel has that key.
int panelIndex(QStringView key);

extern const std::array<PanelSpec, 12> kPanels; // in the order of kPanelKeys

inline constexpr Rect kPanelRect{2640, 240, 7935, 5055}; // relative to the window
inline constexpr Rect kPictureRect{0, 120, 7935, 4935};  // Image1, relative to ABOUT
inline constexpr const char *kPictureResource = ":/about.jpg";
inline constexpr std::u16string_view kPictureName = u"关于图片"; // what a screen reader says
