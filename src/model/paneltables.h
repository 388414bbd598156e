// The twelve panels as data: every frame, parameter group, option button and label with its
// name, text and place. The panel builder makes widgets from these tables and nothing else; the
// generators name the options they test by the same names. Which generator writes a panel's
// fragment is not said here: the panel registry of the code generator pairs them.
#pragma once

#include <span>
#include <string_view>

#include "model/inittables.h"
#include "model/layout.h"

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
    std::span<const ListSpec> lists = {}; // drop-down lists, made as ADC2_combo(0 …)
};

struct PanelSpec {
    std::u16string_view key; // also the frame's name and the key of its tree node
    std::u16string_view caption;
    std::span<const LabelSpec> labels;
    std::span<const GroupSpec> groups;
    bool hasPicture = false; // Image1, stretched under the labels
};

namespace Panels {
extern const PanelSpec kAbout;
extern const PanelSpec kOverview;
extern const PanelSpec kDeInit;
extern const PanelSpec kInit;
extern const PanelSpec kStructInit;
extern const PanelSpec kCmd;
extern const PanelSpec kDMACmd;
extern const PanelSpec kITConfig;
extern const PanelSpec kResetCalibration;
extern const PanelSpec kGetResetCalibrationStatus;
extern const PanelSpec kStartCalibration;
extern const PanelSpec kGetCalibrationStatus;
} // namespace Panels

inline constexpr std::u16string_view kAboutKey = u"ABOUT"; // the panel in front at start

inline constexpr Rect kPanelRect{2640, 240, 7935, 5055}; // relative to the window
inline constexpr Rect kPictureRect{0, 120, 7935, 4935};  // Image1, relative to ABOUT
inline constexpr const char *kPictureResource = ":/about.jpg";
inline constexpr std::u16string_view kPictureName = u"关于图片"; // what a screen reader says
