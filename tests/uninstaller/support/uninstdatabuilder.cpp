#include "uninstaller/support/uninstdatabuilder.h"

#include <QBuffer>
#include <QImage>

namespace uninsttest {

QByteArray U32(uint32_t value)
{
    QByteArray bytes;
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes.append(char((value >> shift) & 0xFF));
    return bytes;
}

QByteArray U16(uint16_t value)
{
    return QByteArray(1, char(value >> 8)) + QByteArray(1, char(value & 0xFF));
}

QByteArray Str(const QByteArray &text)
{
    return U32(uint32_t(text.size())) + text;
}

QByteArray WrapLayer(const QByteArray &payload, uint8_t step, uint8_t start)
{
    QByteArray layer = payload;
    for (qsizetype i = 0; i < layer.size(); ++i)
        layer[i] = char(uint8_t(layer[i]) + uint8_t(start + (i + 1) * step));
    layer.append(char(step));
    layer.append(char(start));
    uint8_t lanes[8] = {};
    for (qsizetype i = 0; i < layer.size(); ++i)
        lanes[i % 8] = uint8_t(lanes[i % 8] + uint8_t(layer[i]));
    for (uint8_t lane : lanes)
        layer.append(char(lane));
    return layer;
}

QByteArray WrapTwice(const QByteArray &data)
{
    return WrapLayer(WrapLayer(data, 7, 0x31), 13, 0xA5);
}

QByteArray Attach(const QByteArray &executable, const QByteArray &wrapped)
{
    const auto start = uint32_t(executable.size());
    QByteArray file = executable + wrapped;
    for (int shift = 0; shift < 32; shift += 8)
        file.append(char((start >> shift) & 0xFF));
    return file;
}

QByteArray MessageTableBytes(uint32_t languageId, const QList<Message> &messages)
{
    QByteArray bytes = U32(languageId) + U32(uint32_t(messages.size()));
    for (const Message &message : messages)
        bytes += U32(message.id) + Str(message.text);
    return bytes;
}

QList<Message> StandardMessages()
{
    return {
        {0, "%s Uninstall"},
        {1, "Do you really want to remove %s and all of its components?"},
        {2, "You do not have the rights to change the registry."},
        {3, "Restore the files replaced during installation?"},
        {4, "The shared file %s is no longer used. Remove it?"},
        {5, "Files left:"},
        {6, "Directories left:"},
        {7, "Registry keys left:"},
        {8, "Some files are in use. Restart now to finish?"},
        {9, "Yes to &all"},
        {10, "No to a&ll"},
        {11, "&Yes"},
        {12, "&No"},
    };
}

QByteArray ImageTableBytes(const QList<Image> &images)
{
    QByteArray bytes = U32(uint32_t(images.size()));
    for (const Image &image : images)
        bytes += U32(uint32_t(image.bytes.size())) + U32(image.id) + image.bytes;
    return bytes;
}

namespace {

QByteArray little(uint32_t value, int width)
{
    QByteArray bytes;
    for (int i = 0; i < width; ++i)
        bytes.append(char((value >> (8 * i)) & 0xFF));
    return bytes;
}

} // namespace

QByteArray StripBitmap(int cellWidth, int height, const QList<uint32_t> &cellColours)
{
    const int width = cellWidth * int(cellColours.size());
    const int stride = (width * 3 + 3) / 4 * 4;
    QByteArray pixels;
    for (int y = 0; y < height; ++y) {
        QByteArray row;
        for (int x = 0; x < width; ++x) {
            const uint32_t rgb = cellColours[x / cellWidth];
            row.append(char(rgb & 0xFF)).append(char((rgb >> 8) & 0xFF)).append(char((rgb >> 16) & 0xFF));
        }
        row.append(QByteArray(stride - row.size(), '\0'));
        pixels += row;
    }
    QByteArray info = little(40, 4) + little(uint32_t(width), 4) + little(uint32_t(height), 4) + little(1, 2)
                      + little(24, 2) + little(0, 4) + little(uint32_t(pixels.size()), 4) + little(2835, 4)
                      + little(2835, 4) + little(0, 4) + little(0, 4);
    const uint32_t size = uint32_t(14 + info.size() + pixels.size());
    return QByteArray("BM") + little(size, 4) + little(0, 4) + little(54, 4) + info + pixels;
}

QByteArray SolidBitmap(int width, int height, uint32_t rgb)
{
    return StripBitmap(width, height, {rgb});
}

QByteArray SolidIcon(uint32_t rgb)
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(QColor::fromRgb(rgb));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "ICO");
    return bytes;
}

QByteArray Template::bytes() const
{
    QByteArray out = QByteArray("RTT") + U32(version);
    if (version >= 3) {
        out += U32(uint32_t(extraBlocks.size()));
        for (const QByteArray &block : extraBlocks)
            out += U32(uint32_t(block.size())) + QByteArray(4, 'x') + block;
    }
    out += U32(style) + U32(extendedStyle) + U32(0) + U32(0) + U32(placement) + U32(uint32_t(xOffset))
           + U32(uint32_t(yOffset)) + U32(uint32_t(width)) + U32(uint32_t(height)) + U16(fontSize)
           + U16(fontFlags) + Str(faceName) + Str(windowText) + U32(uint32_t(controls.size()));
    for (const Control &c : controls) {
        out += U32(c.style) + U32(c.extendedStyle) + U32(c.kind) + U32(c.variant);
        if (version == 1)
            out += U32(0);
        out += U32(c.id) + U32(uint32_t(c.x)) + U32(uint32_t(c.y)) + U32(uint32_t(c.width))
               + U32(uint32_t(c.height)) + U32(c.textColour) + U32(c.backColour);
        if (version >= 5)
            out += U32(0);
        out += Str(c.text) + U32(uint32_t(c.imageId));
    }
    return out;
}

Control PlacedControl(uint32_t id, int x, int y, int width, int height, const QByteArray &text)
{
    Control c;
    c.id = id;
    c.x = x;
    c.y = y;
    c.width = width;
    c.height = height;
    c.text = text;
    return c;
}

Template ProgressTemplate()
{
    Template t;
    const auto label = [](uint32_t id, int y, const QByteArray &text) { return PlacedControl(id, 20, y, 360, 18, text); };
    const auto button = [](uint32_t id, int x, const QByteArray &text) {
        Control c = PlacedControl(id, x, 220, 90, 26, text);
        c.kind = 2;
        c.style = 0x50010000;   // child, visible, tab stop
        c.backColour = 0x03000000;
        return c;
    };
    t.controls = {
        label(57, 16, "Removing %s from your computer."),
        label(61, 50, "Registry rights checked"),
        label(62, 72, "Shared files removed"),
        label(63, 94, "Backups restored"),
        label(64, 116, "Files removed"),
        label(65, 138, "Directories removed"),
        label(71, 166, "The removal is finished."),
        label(72, 186, "Some parts could not be removed."),
        button(54, 200, "&Details..."),
        button(55, 300, "&Close"),
    };
    return t;
}

RegNode &RegNode::value(const QByteArray &name, uint32_t flag)
{
    values.append({name, flag});
    return *this;
}

RegNode &RegNode::subkey(const QByteArray &name, uint32_t flags, const RegNode &node)
{
    subkeys.append({flags, name, node});
    return *this;
}

QByteArray RegNode::bytes() const
{
    QByteArray out = U32(uint32_t(values.size()));
    for (const Value &value : values)
        out += value.name + QByteArray(1, '\0') + U32(value.flag);
    out += U32(uint32_t(subkeys.size()));
    for (const Subkey &subkey : subkeys)
        out += U32(subkey.flags) + subkey.name + QByteArray(1, '\0') + subkey.node.bytes();
    return out;
}

QByteArray TestData::headerBlock() const
{
    return Str(MessageTableBytes(languageId, messages)) + Str(windowTemplate) + Str(ImageTableBytes(images));
}

QByteArray TestData::unwrapped() const
{
    QByteArray out;
    if (header) {
        const QByteArray block = headerBlock();
        out = QByteArray("\\") + QByteArray(1, flag) + U32(uint32_t(block.size())) + block;
    }
    out += productName + QByteArray(1, '\0') + commandKind + QByteArray(1, '\0') + commandLine + "\r\n";
    const auto section = [&](const char *name, const QList<QByteArray> &lines) {
        out += name;
        for (const QByteArray &line : lines)
            out += line + "\r\n";
    };
    section("Shared:\r\n", shared);
    section("Backups:\r\n", backups);
    section("Files:\r\n", files);
    section("Directories:\r\n", directories);
    out += "Registry:\r\n";
    if (registry)
        for (const RegNode &root : roots)
            out += root.bytes();
    return out;
}

} // namespace uninsttest
