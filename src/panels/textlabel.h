// A label for the panels' texts: plain text, top-left aligned, wrapped at its width, with lines
// a full em apart. Qt's own label spaces lines by the font's line spacing, which for AR PL UMing
// is less than an ideograph is tall, so the lines of a multi-line text ran into one another.
//
// Controls that stand on a label (the lists on ADC2_label3) are drawn over it where they meet; a
// line under one of them moves up or down just far enough that no control covers its glyphs.
#pragma once

#include <QLabel>
#include <QList>
#include <QRect>

class TextLabel final : public QLabel {
    Q_OBJECT
public:
    explicit TextLabel(QWidget *parent = nullptr);

    // Distance from one line's top to the next line's top, in pixels.
    qreal linePitch() const;

    // The controls' rectangles are in the parent's coordinates.
    void keepClearOf(const QList<QRect> &controls);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    qreal baselineClearOfControls(qreal baseline, const QString &text) const;

    QList<QRect> m_controls;
};
