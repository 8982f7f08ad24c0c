#pragma once
// The images of the data's image table as Qt images: BMP files decoded from memory after
// their layout has been checked, icon files through Qt's icon reader.
#include "templateformat.h"

#include <QImage>
#include <QPixmap>

#include <vector>

namespace uninst {

// The program's image table, loaded once from the data.
std::vector<ImageRecord> &ImageTable();

// The image with that id as a bitmap; stretched to `size` when one above 0 is asked.
// A null pixmap for an unknown id or bytes that are not a sound BMP file.
QPixmap TableBitmap(int32_t id, QSize size = QSize());
// The image with that id read as an icon file; -1 gives the program's icon.
QPixmap TableIcon(int32_t id);

QImage DecodeBitmap(const ByteString &bytes);

} // namespace uninst
