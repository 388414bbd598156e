// A label for the panels' texts: plain text, top-left aligned, wrapped at its width, with lines
// a full em apart. Qt's own label spaces lines by the font's line spacing, which for AR PL UMing
// is less than an ideograph is tall, so the lines of a multi-line text ran into one another.
#pragma once

#include <QLabel>

class TextLabel final : public QLabel {
    Q_OBJECT
public:
    explicit TextLabel(QWidget *parent = nullptr);

    // Distance from one line's top to the next line's top, in pixels.
    qreal linePitch() const;

protected:
    void paintEvent(QPaintEvent *event) override;
};
