#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

// A logo picture file as the window shows it. Bitmaps can be drawn
// transparent: the colour of their bottom-left pixel is left out. Other
// formats are always drawn as they are.
class LogoPicture
{
public:
    // False when the path is empty, the file is missing or is no picture.
    bool load(const QString& path);

    bool isNull() const { return m_image.isNull(); }
    const QImage& image() const { return m_image; }
    QPixmap pixmap(bool transparent) const;

private:
    QImage m_image;
    bool m_bitmap = false;
};
