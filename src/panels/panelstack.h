// The panels as widgets. PanelStack builds them from the panel registry on the main window, all at
// the same rectangle, and brings one to the front on request, hiding the ones it covers so that
// they take no focus; nothing else ever moves, hides or resets them. It also answers the
// generators' questions about the panels' controls.
//
// A panel's contents are made the first time it is raised or read. Until then it is in its
// initial state by definition, so making it later changes nothing the user or a generator can
// tell, and opening the window costs only the panel in front.
#pragma once

#include <array>

#include <QHash>
#include <QString>

#include "codegen/adc.h"
#include "codegen/panelstate.h"

class QComboBox;
class QGroupBox;
class QRadioButton;
class QWidget;

class PanelStack final : public PanelState {
public:
    // Panels' controls join the tab order after `tabBefore` (the tree), in panel order of making.
    PanelStack(QWidget *window, QWidget *tabBefore);

    // Raises the frame of that key to the front of its siblings and hides the others.
    void bringToFront(QStringView key);

    QComboBox *combo(int index) const; // ADC2_combo(index)

    // Makes every panel's contents now (for tools that walk all widgets).
    void buildAll() const;

    bool isSelected(QStringView option) const override;
    QString comboText(int index) const override;

private:
    // Makes the contents of the panel that holds the option (or list) now, if not yet made.
    void ensureBuilt(const PanelEntry *panel) const;

    std::array<QGroupBox *, kPanelRegistry.size()> m_frames{};
    // Made on demand, also from the const queries of the generators.
    mutable std::array<bool, kPanelRegistry.size()> m_built{};
    mutable std::array<QComboBox *, InitTables::kLists.size()> m_combos{};
    mutable QHash<QString, QRadioButton *> m_options;
    mutable QWidget *m_lastInTabOrder = nullptr;
};
