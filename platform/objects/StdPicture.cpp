#include "platform/objects/StdPicture.h"

#include <QBuffer>
#include <QImageReader>

StdPicturePtr StdPicture::create(const QImage &image)
{
    return std::make_shared<StdPicture>(image);
}

StdPicturePtr StdPicture::fromFile(const QString &path, QString *error)
{
    QImageReader reader(path);
    QImage image = reader.read();
    if (image.isNull()) {
        if (error)
            *error = QStringLiteral("cannot read the picture \"%1\": %2").arg(path, reader.errorString());
        return nullptr;
    }
    return create(image);
}

StdPicturePtr StdPicture::fromPngBytes(const QByteArray &bytes, QString *error)
{
    QImage image;
    if (!image.loadFromData(bytes, "PNG")) {
        if (error)
            *error = QStringLiteral("the data is not a PNG image");
        return nullptr;
    }
    return create(image);
}

QByteArray StdPicture::toPngBytes() const
{
    if (m_image.isNull())
        return {};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    m_image.save(&buffer, "PNG");
    return bytes;
}

bool StdPicture::operator==(const StdPicture &other) const
{
    if (m_image.isNull() || other.m_image.isNull())
        return m_image.isNull() && other.m_image.isNull();
    // Pixels, not the storage format: a picture read back from PNG may come
    // in another format than the one it was made in.
    return m_image.size() == other.m_image.size()
        && m_image.convertToFormat(QImage::Format_ARGB32) == other.m_image.convertToFormat(QImage::Format_ARGB32);
}

bool samePicture(const StdPicturePtr &a, const StdPicturePtr &b)
{
    const bool aNull = !a || a->isNull();
    const bool bNull = !b || b->isNull();
    if (aNull || bNull)
        return aNull && bNull;
    return a == b || *a == *b;
}
