#include "panels/textlabel.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>

TextLabel::TextLabel(QWidget *parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(true);
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
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
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
            // Centre the line's own height in the pitch.
            line.setPosition(QPointF(0, top + (pitch - line.height()) / 2));
            top += pitch;
        }
        layout.endLayout();
        layout.draw(&painter, QPointF(0, 0));
    }
}
