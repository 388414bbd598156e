// Image1 of the About panel: a picture stretched to fill the box, neither clipped nor shown at
// its own size. The JPEG is decoded when the box is first painted, and stretched as it is drawn.
#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

class Picture final : public QWidget {
    Q_OBJECT
public:
    Picture(const QString &resource, QWidget *parent = nullptr);

    QSize sourceSize() const; // the picture's own size in pixels

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_resource;
    QImage m_image;
};

// Reads an image of a known format without asking every image plugin whether it can.
QImage readImage(const QString &path, const char *format, QSize scaledSize = {});
