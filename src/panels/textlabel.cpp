#include "panels/textlabel.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

TextLabel::TextLabel(QWidget *parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(true);
}

void TextLabel::keepClearOf(const QList<QRect> &controls)
{
    m_controls = controls;
    update();
}

qreal TextLabel::baselineClearOfControls(qreal baseline, const QString &text) const
{
    const QRectF ink = QFontMetricsF(font()).tightBoundingRect(text); // around the baseline
    // Twice: a move away from one control must not end under another.
    for (int pass = 0; pass < 2; ++pass) {
        for (const QRect &control : m_controls) {
            const QRectF glyphs = ink.translated(0, baseline);
            const QRectF other = QRectF(control).translated(-pos());
            if (!glyphs.intersects(other))
                continue;
            if (other.center().y() > glyphs.center().y())
                baseline -= std::ceil(glyphs.bottom() - other.top());
            else
                baseline += std::ceil(other.bottom() - glyphs.top());
        }
    }
    return baseline;
}

qreal TextLabel::linePitch() const
{
    return std::max<qreal>(QFontMetricsF(font()).lineSpacing(), QFontInfo(font()).pixelSize());
}

void TextLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));

    QTextOption option;
    option.setWrapMode(wordWrap() ? QTextOption::WrapAtWordBoundaryOrAnywhere
                                  : QTextOption::NoWrap);
    const qreal pitch = linePitch();
    qreal top = 0;
    const QStringList paragraphs = text().split(u'\n');
    for (const QString &paragraph : paragraphs) {
        if (top >= height())
            break;
        QTextLayout layout(paragraph, font(), this);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width());
            // Centre the line's own height in the pitch, its baseline on a whole pixel.
            qreal baseline = std::round(top + (pitch - line.height()) / 2 + line.ascent());
            if (!m_controls.isEmpty()) {
                const QString words = paragraph.mid(line.textStart(), line.textLength());
                baseline = baselineClearOfControls(baseline, words);
            }
            line.setPosition(QPointF(0, baseline - line.ascent()));
            top += pitch;
        }
        layout.endLayout();
        layout.draw(&painter, QPointF(0, 0));
    }
}
