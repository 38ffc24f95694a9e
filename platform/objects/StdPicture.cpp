#include "platform/objects/StdPicture.h"

#include "platform/files/FileOps.h"
#include "platform/files/SafeRead.h"

#include <QBuffer>
#include <QImageReader>

StdPicturePtr StdPicture::create(const QImage &image)
{
    return std::make_shared<StdPicture>(image);
}

namespace {

// A picture file larger than this is no button picture or mouse icon.
constexpr qint64 MaxFileBytes = 64 * 1024 * 1024;

// Qt refuses to decode an image whose pixels need more memory than its
// allocation limit, and says only that the data is damaged. The header
// tells the size before any pixel is decoded, so the real cause can be named.
QString tooLarge(QImageReader &reader)
{
    const QSize size = reader.size();
    const int limitMiB = QImageReader::allocationLimit();
    if (!size.isValid() || limitMiB <= 0)
        return {};
    QImage::Format format = reader.imageFormat();
    const int bits = format == QImage::Format_Invalid ? 32 : QImage::toPixelFormat(format).bitsPerPixel();
    const qint64 bytes = qint64(size.width()) * size.height() * qMax(bits, 8) / 8;
    if (bytes <= qint64(limitMiB) * 1024 * 1024)
        return {};
    return QStringLiteral("the picture is too large (%1 × %2 pixels; at most %3 MiB of pixels can be loaded)")
        .arg(size.width())
        .arg(size.height())
        .arg(limitMiB);
}

QImage decode(QImageReader &reader, QString *error)
{
    if (const QString problem = tooLarge(reader); !problem.isEmpty()) {
        *error = problem;
        return {};
    }
    QImage image = reader.read();
    if (image.isNull())
        *error = reader.errorString();
    return image;
}

} // namespace

StdPicturePtr StdPicture::fromFile(const QString &path, QString *error)
{
    QString problem;
    QImage image;
    if (path.startsWith(QLatin1String(":/"))) {
        QImageReader reader(path);
        image = decode(reader, &problem);
    } else {
        // Read without blocking and within bounds first: the name may lead
        // to a pipe, a device or something far larger than any picture.
        QByteArray bytes;
        const SafeRead::Result result = SafeRead::readAll(path, MaxFileBytes, &bytes);
        if (result.status == SafeRead::Status::TooLarge)
            problem = QStringLiteral("the file is too large for a picture (%1 bytes)").arg(result.size);
        else if (result.status == SafeRead::Status::NotRegular)
            problem = QStringLiteral("it is not a regular file");
        else if (!result.ok())
            problem = FileOps::errorText(result.error);
        else {
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::ReadOnly);
            QImageReader reader(&buffer);
            image = decode(reader, &problem);
        }
    }
    if (image.isNull()) {
        if (error)
            *error = QStringLiteral("cannot read the picture \"%1\": %2").arg(path, problem);
        return nullptr;
    }
    return create(image);
}

StdPicturePtr StdPicture::fromPngBytes(const QByteArray &bytes, QString *error)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "PNG");
    QString problem = tooLarge(reader);
    const QImage image = problem.isEmpty() ? reader.read() : QImage();
    if (image.isNull()) {
        if (error)
            *error = problem.isEmpty() ? QStringLiteral("the data is not a PNG image") : problem;
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
