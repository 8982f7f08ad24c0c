#pragma once
// The window template ("RTT") and the image table of the uninstallation data, read into
// records the window engine builds its window from. Sizes are scaled here to the screen's
// dots per inch, and control texts reduced to the block of the message table's language.
#include "bytestring.h"

#include <vector>

namespace uninst {

// Control kinds.
enum ControlKind : uint32_t {
    KindLabel = 1, KindButton = 2, KindButton3 = 3, KindButton4 = 4, KindEdit = 5, KindRichEdit = 6,
    KindListBox = 7, KindComboBox = 8, KindButton9 = 9, KindListView = 10, KindTreeView = 11,
};

// Label variants.
enum : uint32_t { LabelNoText = 2, LabelIcon = 3, LabelBitmap = 4 };

// Colour markers in place of a colour value.
enum : uint32_t {
    ColourWindowText = 0x01000000, ColourWindow = 0x02000000, ColourButtonFace = 0x03000000,
    ColourTransparent = 0x04000000,
};

// Reserved image ids.
inline constexpr int32_t ImageProgramIcon = -1;
inline constexpr int32_t ImageNone = -2;

inline constexpr uint32_t WS_VISIBLE_STYLE = 0x10000000;
inline constexpr uint32_t BoldLabelBit = 0x80000000;

struct ControlRecord {
    uint32_t style = 0, extendedStyle = 0, kind = 0, variant = 0, id = 0;
    int32_t x = 0, y = 0, width = 0, height = 0;
    uint32_t textColour = 0, backColour = 0;
    ByteString text;
    int32_t imageId = ImageNone;
};

struct WindowRecord {
    uint32_t version = 0;
    uint32_t style = 0, extendedStyle = 0, word1 = 0, word2 = 0;
    uint32_t placement = 0;
    int32_t xOffset = 0, yOffset = 0, width = 0, height = 0;
    uint16_t fontSize = 0, fontFlags = 0;
    ByteString faceName, windowText;
};

enum : int { TemplateRead = 1, NotATemplate = -2, TemplateOutOfMemory = -6 };

// Reads the template; scale in thousandths (1000 at 96 dots per inch). Each control's text
// is reduced to its language block for `languageId`. A template that ends early is refused
// as no template.
int ParseTemplate(const ByteString &bytes, int scale, uint32_t languageId, WindowRecord *window,
                  std::vector<ControlRecord> *controls);

// The block of a control text for the language: between "<LangID=N>" and "</LangID=N>",
// else the language 1 block, else the whole text.
ByteString LanguageBlock(const ByteString &text, uint32_t languageId);

// Every coordinate, offset and size of a template is held within this range when it is read,
// so that no sum of two of them (a right edge, a placement) can overflow, whatever the data
// holds; screens are far smaller.
inline constexpr int32_t TemplateCoordinateLimit = 32767;
int32_t Clamped(int32_t value);

// A value in thousandths of the screen's scale (toward zero).
int32_t Scaled(int32_t value, int scale);

struct ImageRecord {
    int32_t id = 0;
    ByteString bytes;
};

enum : int { ImagesLoaded = 1, ImageTableShort = -1, ImageTableOutOfMemory = -2, ImageTableCorrupt = -3 };

// Appends the table's images. A table shorter than 4 bytes is refused; a record that
// passes the end of the table is corrupt (the images before it are kept).
int LoadImageTable(const ByteString &table, std::vector<ImageRecord> *images);

// Where the parts of a BMP file lie, checked against its length: 14-byte file header, the
// 40-byte information header, the colour table (2^bits entries up to 8 bits, or the used
// count), the pixels right behind it.
struct BitmapLayout {
    bool valid = false;
    int32_t width = 0, height = 0;
    int bitsPerPixel = 0;
    int64_t colourTableOffset = 0, colourCount = 0, pixelOffset = 0, pixelBytes = 0;
};
BitmapLayout CheckBitmap(const ByteString &bytes);

} // namespace uninst
