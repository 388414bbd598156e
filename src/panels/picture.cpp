#include "panels/picture.h"

#include <QImageReader>
#include <QPainter>

QImage readImage(const QString &path, const char *format, QSize scaledSize)
{
    QImageReader reader(path, format);
    reader.setAutoDetectImageFormat(false);
    if (scaledSize.isValid())
        reader.setScaledSize(scaledSize);
    return reader.read();
}

Picture::Picture(const QString &resource, QWidget *parent)
    : QWidget(parent)
    , m_resource(resource)
{
}

QSize Picture::sourceSize() const
{
    QImageReader reader(m_resource, "jpeg");
    reader.setAutoDetectImageFormat(false);
    return reader.size();
}

void Picture::paintEvent(QPaintEvent *)
{
    if (m_image.isNull())
        m_image = readImage(m_resource, "jpeg");
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), m_image);
}
