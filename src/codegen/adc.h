// The code-generation module ADC.
//
// It owns the two strings of program state: SelectedKey, the key of the panel in front (written
// by start-up and by the tree), and CodeBuffer, the working string some generators assemble their
// text in. buildcode_Click turns SelectedKey into text: it looks the key up in the panel registry
// below, the panel's generator reads the panel through PanelState and hands back the complete
// text, and the window replaces the whole of showcode with it in one step.
//
// Generated text separates lines with CR LF. Only GenInit's text ends with CR LF as well.
#pragma once

#include <array>
#include <cstddef>

#include <QString>

#include "codegen/panelstate.h"
#include "model/paneltables.h"
#include "model/text.h"

// Where the generate command writes: the code text box and the status line.
class CodeWindow {
public:
    virtual ~CodeWindow() = default;
    virtual void setShowcode(const QString &text) = 0;
    virtual void setTips(const QString &caption) = 0;
};

class ADC {
public:
    explicit ADC(const PanelState &panels)
        : m_panels(panels)
    {
    }

    // The panel in front; "ABOUT" once the window has started.
    QString SelectedKey;

    void buildcode_Click(CodeWindow &window);

    // The generators, one per panel. Each returns the whole text for showcode.
    QString GenAboutText();
    QString GenOverviewText();
    QString GenDeInit();
    QString GenInit();
    QString GenStructInit();
    QString GenCmd();
    QString GenDMACmd();
    QString GenITConfig();
    QString GenResetCalibration();
    QString GenGetResetCalibrationStatus();
    QString GenStartCalibration();
    QString GenGetCalibrationStatus();

private:
    QString chosenAdc(QStringView adc1Option) const;
    QString chosenState(QStringView enableOption) const;

    const PanelState &m_panels;
    QString CodeBuffer;
};

// A panel and the generator that writes its fragment, one entry each. An entry cannot be made
// without its generator.
struct PanelEntry {
    using Generator = QString (ADC::*)();

    consteval PanelEntry(const PanelSpec &spec, Generator generator)
        : panel(&spec)
        , generate(generator)
    {
    }
    PanelEntry(const PanelSpec &, std::nullptr_t) = delete;

    QStringView key() const { return qsv(panel->key); }

    const PanelSpec *panel;
    Generator generate;
};

// Every panel, in the order the generate command and the tree compare their keys.
inline constexpr auto kPanelRegistry = std::to_array<PanelEntry>({
    {Panels::kAbout, &ADC::GenAboutText},
    {Panels::kOverview, &ADC::GenOverviewText},
    {Panels::kDeInit, &ADC::GenDeInit},
    {Panels::kInit, &ADC::GenInit},
    {Panels::kStructInit, &ADC::GenStructInit},
    {Panels::kCmd, &ADC::GenCmd},
    {Panels::kDMACmd, &ADC::GenDMACmd},
    {Panels::kITConfig, &ADC::GenITConfig},
    {Panels::kResetCalibration, &ADC::GenResetCalibration},
    {Panels::kGetResetCalibrationStatus, &ADC::GenGetResetCalibrationStatus},
    {Panels::kStartCalibration, &ADC::GenStartCalibration},
    {Panels::kGetCalibrationStatus, &ADC::GenGetCalibrationStatus},
});

// The entry whose key equals `key` exactly, or null: keys are compared whole and
// case-sensitively.
const PanelEntry *findPanel(QStringView key);
