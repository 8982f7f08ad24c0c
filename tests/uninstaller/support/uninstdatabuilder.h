#pragma once
// Builds uninstallation data for tests the way the installer writes it: the template, the
// message and image tables, the header, the product line and the sections, the registry
// tree, the two scrambled layers and the tail appended to an executable.
#include "bytestring.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace uninsttest {

// The bytes as the uninstaller's byte string, and back.
inline uninst::ByteString Bytes(const QByteArray &bytes) { return uninst::ByteString(bytes.constData(), bytes.size()); }
inline QByteArray QBytes(const uninst::ByteString &bytes) { return QByteArray(bytes.data(), qsizetype(bytes.length())); }

QByteArray U32(uint32_t value);   // big-endian, as inside the data
QByteArray U16(uint16_t value);
QByteArray Str(const QByteArray &text);   // u32 length + bytes

// One layer: each payload byte plus (s + (i + 1) k), then k, s and the eight lane sums.
QByteArray WrapLayer(const QByteArray &payload, uint8_t step, uint8_t start);
// Outer(inner(data)) with fixed keys.
QByteArray WrapTwice(const QByteArray &data);
// The file bytes: the executable, the wrapped data, the little-endian start offset.
QByteArray Attach(const QByteArray &executable, const QByteArray &wrapped);

struct Message {
    uint32_t id;
    QByteArray text;   // UTF-8
};
QByteArray MessageTableBytes(uint32_t languageId, const QList<Message> &messages);
// The messages the uninstaller uses, with "%s" where the product name goes.
QList<Message> StandardMessages();

struct Image {
    uint32_t id;
    QByteArray bytes;
};
QByteArray ImageTableBytes(const QList<Image> &images);
// A 24-bit BMP file of one colour (0xRRGGBB), or cells of colours side by side.
QByteArray SolidBitmap(int width, int height, uint32_t rgb);
QByteArray StripBitmap(int cellWidth, int height, const QList<uint32_t> &cellColours);
// A 32x32 icon file of one colour.
QByteArray SolidIcon(uint32_t rgb);

struct Control {
    uint32_t style = 0x50000000;   // WS_CHILD | WS_VISIBLE
    uint32_t extendedStyle = 0;
    uint32_t kind = 1;
    uint32_t variant = 0;
    uint32_t id = 0;
    int32_t x = 0, y = 0, width = 80, height = 24;
    uint32_t textColour = 0x01000000, backColour = 0x04000000;
    QByteArray text;
    int32_t imageId = -2;
};

struct Template {
    uint32_t version = 5;
    QList<QByteArray> extraBlocks;           // version 3 and later
    uint32_t style = 0x10CA0000;             // visible, caption, system menu, minimise box
    uint32_t extendedStyle = 0;
    uint32_t placement = 4;
    int32_t xOffset = 0, yOffset = 0, width = 420, height = 300;
    uint16_t fontSize = 8, fontFlags = 0;
    QByteArray faceName = "DejaVu Sans";
    QByteArray windowText = "Uninstall";
    QList<Control> controls;

    QByteArray bytes() const;
};
// A control of the given id, place, size and text; the other fields keep their defaults.
Control PlacedControl(uint32_t id, int x, int y, int width, int height, const QByteArray &text);

// A progress window with every control the run sequence uses (54, 55, 57, 61-65, 71, 72).
Template ProgressTemplate();

struct RegNode {
    struct Value {
        QByteArray name;
        uint32_t flag = 1;
    };
    struct Subkey;
    QList<Value> values;
    QList<Subkey> subkeys;

    RegNode &value(const QByteArray &name, uint32_t flag = 1);
    RegNode &subkey(const QByteArray &name, uint32_t flags, const RegNode &node = RegNode());
    QByteArray bytes() const;
};
struct RegNode::Subkey {
    uint32_t flags = 0;
    QByteArray name;
    RegNode node;
};

struct TestData {
    bool header = true;
    char flag = 'U';
    QList<Message> messages = StandardMessages();
    uint32_t languageId = 1033;
    QByteArray windowTemplate = ProgressTemplate().bytes();
    QList<Image> images;
    QByteArray productName = "Brevant Hotel";
    QByteArray commandKind = "100";
    QByteArray commandLine;
    QList<QByteArray> shared, backups, files, directories;   // lines as written (ANSI)
    RegNode roots[4];   // classes root, current user, local machine, users
    bool registry = true;

    QByteArray headerBlock() const;
    QByteArray unwrapped() const;
    QByteArray wrapped() const { return WrapTwice(unwrapped()); }
};

} // namespace uninsttest
