#include "templateimages.h"

#include <QApplication>
#include <QBuffer>
#include <QIcon>
#include <QImageReader>
#include <QStyle>

namespace uninst {

std::vector<ImageRecord> &ImageTable()
{
    static std::vector<ImageRecord> images;
    return images;
}

namespace {

const ImageRecord *findImage(int32_t id)
{
    for (const ImageRecord &image : ImageTable())
        if (image.id == id)
            return &image;
    return nullptr;
}

} // namespace

QImage DecodeBitmap(const ByteString &bytes)
{
    const BitmapLayout layout = CheckBitmap(bytes);
    if (!layout.valid)
        return QImage();
    // The pixels follow the colour table directly, whatever offset the file header gives:
    // hand the decoder exactly the parts that were checked.
    QByteArray file(bytes.data(), qsizetype(layout.pixelOffset + layout.pixelBytes));
    const auto offset = uint32_t(layout.pixelOffset);
    for (int i = 0; i < 4; ++i)
        file[10 + i] = char((offset >> (8 * i)) & 0xFF);
    QImage image;
    image.loadFromData(file, "BMP");
    return image;
}

QPixmap TableBitmap(int32_t id, QSize size)
{
    const ImageRecord *record = findImage(id);
    if (!record)
        return QPixmap();
    QImage image = DecodeBitmap(record->bytes);
    if (image.isNull())
        return QPixmap();
    if (size.width() > 0 && size.height() > 0 && size != image.size())
        image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return QPixmap::fromImage(image);
}

QPixmap TableIcon(int32_t id)
{
    if (id == ImageProgramIcon) {
        QIcon icon = QApplication::windowIcon();
        if (icon.isNull())
            icon = QApplication::style()->standardIcon(QStyle::SP_ComputerIcon);
        return icon.pixmap(32, 32);
    }
    const ImageRecord *record = findImage(id);
    if (!record)
        return QPixmap();
    QByteArray bytes(record->bytes.data(), qsizetype(record->bytes.length()));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "ICO");
    return QPixmap::fromImage(reader.read());
}

} // namespace uninst
