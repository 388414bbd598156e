// A frame of the panels: its caption sits on the top border, which leaves a gap for it, and the
// border runs at the caption's middle. Qt's styles put the border below the caption, where it
// would cross the first row of controls that the layout places near a frame's top.
#pragma once

#include <QGroupBox>

class Frame final : public QGroupBox {
    Q_OBJECT
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRect captionRect() const;
};
