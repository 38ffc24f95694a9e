#pragma once

#include "platform/com/ServerLocks.h"

#include <QByteArray>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <memory>

class StdPicture;
// Pictures are held by reference. A picture never changes once made, so
// holders may share one freely.
using StdPicturePtr = std::shared_ptr<StdPicture>;

// The standard picture object: an image, or no picture at all.
class StdPicture
{
public:
    StdPicture() = default;                 // no picture
    explicit StdPicture(const QImage &image) : m_image(image) {}

    static StdPicturePtr create(const QImage &image);
    // Any image format Qt reads, ":/" resources included. Null and *error set
    // when the file cannot be read as an image.
    static StdPicturePtr fromFile(const QString &path, QString *error = nullptr);
    static StdPicturePtr fromPngBytes(const QByteArray &bytes, QString *error = nullptr);

    bool isNull() const { return m_image.isNull(); }
    QImage image() const { return m_image; }
    QPixmap pixmap() const { return QPixmap::fromImage(m_image); }
    QSize size() const { return m_image.size(); }
    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }

    // PNG bytes of the image; empty for no picture.
    QByteArray toPngBytes() const;

    // Same pixels (two null pictures are equal).
    bool operator==(const StdPicture &other) const;

private:
    QImage m_image;
    // A picture made by a library and held by its host keeps the library loaded.
    ServerObject m_live;
};

// Both null (or no picture), or the same pixels.
bool samePicture(const StdPicturePtr &a, const StdPicturePtr &b);
