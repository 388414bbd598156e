// A drop-down list of the ADC_Init panel (one of ADC2_combo). Its popup shows every item whole,
// however narrow the field the layout gives the list, in rows with room around their text.
// Assistive technology knows the list by the member it sets (see app/accessibility.h).
#pragma once

#include <QComboBox>

class DropDownList final : public QComboBox {
    Q_OBJECT
public:
    explicit DropDownList(QWidget *parent = nullptr);

    void showPopup() override;
};
