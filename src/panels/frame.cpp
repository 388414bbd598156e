#include "panels/frame.h"

#include <QPainter>
#include <QStyle>
#include <qdrawutil.h>

namespace {
constexpr int kCaptionIndent = 8; // pixels from the frame's left edge
}

QRect Frame::captionRect() const
{
    if (title().isEmpty())
        return {};
    const QFontMetrics metrics(font());
    return {kCaptionIndent, 0, metrics.horizontalAdvance(title()) + 2, metrics.height()};
}

void Frame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect caption = captionRect();
    const QRect border = rect().adjusted(0, caption.isNull() ? 0 : caption.height() / 2, 0, 0);

    painter.save();
    if (!caption.isNull())
        painter.setClipRegion(QRegion(rect()) - caption.adjusted(-2, 0, 2, 0));
    // An etched line: dark, with a light line beside it.
    qDrawShadeRect(&painter, border, palette(), true, 1);
    painter.restore();

    if (!caption.isNull())
        style()->drawItemText(&painter, caption, Qt::AlignLeft | Qt::AlignVCenter, palette(),
                              isEnabled(), title(), QPalette::WindowText);
}
