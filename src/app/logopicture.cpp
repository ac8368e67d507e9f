#include "logopicture.h"

#include <QBitmap>
#include <QImageReader>

bool LogoPicture::load(const QString& path)
{
    if (path.isEmpty())
        return false;
    QImageReader reader(path);
    // The format is known only before the read.
    const bool bitmap = reader.format() == "bmp";
    QImage image = reader.read();
    if (image.isNull())
        return false;
    m_image = std::move(image);
    m_bitmap = bitmap;
    return true;
}

QPixmap LogoPicture::pixmap(bool transparent) const
{
    QPixmap pixmap = QPixmap::fromImage(m_image);
    if (transparent && m_bitmap && !m_image.isNull()) {
        const QColor key = m_image.pixelColor(0, m_image.height() - 1);
        pixmap.setMask(pixmap.createMaskFromColor(key, Qt::MaskInColor));
    }
    return pixmap;
}
