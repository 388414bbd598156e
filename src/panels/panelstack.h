// The twelve panels as widgets. PanelStack builds them from kPanels on the main window, all at the
// same rectangle, and brings one to the front on request; nothing else ever moves, hides or
// resets them. It also answers the generators' questions about the panels' controls.
#pragma once

#include <array>

#include <QHash>
#include <QString>

#include "codegen/panelstate.h"

class QComboBox;
class QGroupBox;
class QRadioButton;
class QWidget;

class PanelStack final : public PanelState {
public:
    explicit PanelStack(QWidget *window);

    QGroupBox *frame(QStringView key) const;
    // Raises the frame of that key to the front of its siblings.
    void bringToFront(QStringView key);

    QComboBox *combo(int index) const; // ADC2_combo(index)

    bool isSelected(QStringView option) const override;
    QString comboText(int index) const override;

private:
    std::array<QGroupBox *, 12> m_frames{};
    std::array<QComboBox *, 6> m_combos{};
    QHash<QString, QRadioButton *> m_options;
};
