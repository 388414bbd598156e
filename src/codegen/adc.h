// The code-generation module ADC.
//
// It owns the two strings of program state: SelectedKey, the key of the panel in front (written
// by start-up and by the tree), and CodeBuffer, the working string some generators assemble their
// text in. buildcode_Click turns SelectedKey into text: it picks the generator of that panel from
// one table, the generator reads the panel through PanelState and hands back the complete text,
// and the window replaces the whole of showcode with it in one step.
//
// Generated text separates lines with CR LF. Only GenInit's text ends with CR LF as well.
#pragma once

#include <QString>

#include "codegen/panelstate.h"

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
    const PanelState &m_panels;
    QString CodeBuffer;
};
