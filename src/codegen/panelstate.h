// What the generators may know about the panels: whether an option button is selected and what
// text a drop-down list of the ADC_Init panel holds. The window answers over its real controls;
// tests answer over plain values.
#pragma once

#include <QString>
#include <QStringView>

class PanelState {
public:
    virtual ~PanelState() = default;
    // True while the option button of that name (e.g. "ADC6_option3") is selected.
    virtual bool isSelected(QStringView option) const = 0;
    // The current text of ADC2_combo(index), index 0 to 5: the picked item or what was typed.
    virtual QString comboText(int index) const = 0;
};
