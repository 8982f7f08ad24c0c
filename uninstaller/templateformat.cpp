#include "templateformat.h"

#include <algorithm>
#include <optional>
#include <string>

namespace uninst {

namespace {

// Reads the template's fields in order; the first read past the end marks it failed.
class TemplateReader {
public:
    explicit TemplateReader(const ByteString &bytes) : bytes_(bytes) {}
    bool failed() const { return failed_; }
    int64_t remaining() const { return bytes_.length() - position_; }

    uint32_t u32()
    {
        const int64_t value = bytes_.readU32(position_);
        if (value < 0) {
            failed_ = true;
            return 0;
        }
        position_ += 4;
        return uint32_t(value);
    }
    int32_t i32() { return int32_t(u32()); }
    uint16_t u16()
    {
        const int64_t value = bytes_.readU16(position_);
        if (value < 0) {
            failed_ = true;
            return 0;
        }
        position_ += 2;
        return uint16_t(value);
    }
    void skip(int64_t count)
    {
        if (count > remaining())
            failed_ = true;
        else
            position_ += count;
    }
    ByteString string()
    {
        const uint32_t length = u32();
        if (failed_ || int64_t(length) > remaining()) {
            failed_ = true;
            return ByteString();
        }
        ByteString text(bytes_.data() + position_, length);
        position_ += length;
        return text;
    }

private:
    const ByteString &bytes_;
    int64_t position_ = 3;   // behind the magic
    bool failed_ = false;
};

uint32_t littleEndian(const ByteString &bytes, int64_t at, int width)
{
    uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = (value << 8) | uint32_t(bytes.byteAt(at + i));
    return value;
}

} // namespace

int32_t Clamped(int32_t value)
{
    return std::clamp(value, -TemplateCoordinateLimit, TemplateCoordinateLimit);
}

int32_t Scaled(int32_t value, int scale)
{
    return int32_t(int64_t(value) * scale / 1000);
}

ByteString LanguageBlock(const ByteString &text, uint32_t languageId)
{
    // The block behind `open` up to `close`; without the close, the rest when `toEnd`.
    const auto between = [&](const std::string &open, const std::string &close, bool toEnd) -> std::optional<ByteString> {
        const int64_t start = text.find(ByteString(open));
        if (start < 0)
            return std::nullopt;
        const int64_t from = start + int64_t(open.size());
        int64_t end = text.find(ByteString(close), from);
        if (end < 0 && !toEnd)
            return std::nullopt;
        if (end < 0)
            end = text.length();
        return ByteString(text.data() + from, end - from);
    };
    const std::string id = std::to_string(languageId);
    if (auto block = between("<LangID=" + id + ">", "</LangID=" + id + ">", true))
        return *block;
    if (auto block = between("<LangID=1>", "</LangID=1>", false))
        return *block;
    return text;
}

int ParseTemplate(const ByteString &bytes, int scale, uint32_t languageId, WindowRecord *window,
                  std::vector<ControlRecord> *controls)
{
    if (bytes.find(ByteString("RTT")) != 0)
        return NotATemplate;
    TemplateReader reader(bytes);
    WindowRecord record;
    record.version = reader.u32();
    if (record.version >= 3) {
        const uint32_t blocks = reader.u32();
        for (uint32_t i = 0; i < blocks && !reader.failed(); ++i) {
            const uint32_t length = reader.u32();
            reader.skip(4);
            reader.skip(length);
        }
    }
    record.style = reader.u32();
    record.extendedStyle = reader.u32();
    record.word1 = reader.u32();
    record.word2 = reader.u32();
    record.placement = reader.u32();
    record.xOffset = Clamped(reader.i32());
    record.yOffset = Clamped(reader.i32());
    record.width = Clamped(reader.i32());
    record.height = Clamped(reader.i32());
    record.fontSize = reader.u16();
    record.fontFlags = reader.u16();
    record.faceName = reader.string();
    record.windowText = reader.string();
    const uint32_t count = reader.u32();
    if (reader.failed())
        return NotATemplate;
    // A control record takes at least 52 bytes: a count beyond that cannot be real.
    if (int64_t(count) > reader.remaining() / 52)
        return NotATemplate;
    if (scale != 1000) {
        record.width = Scaled(record.width, scale);
        record.height = Scaled(record.height - 18, scale) + 18;
    }

    std::vector<ControlRecord> read;
    for (uint32_t i = 0; i < count && !reader.failed(); ++i) {
        ControlRecord control;
        control.style = reader.u32();
        control.extendedStyle = reader.u32();
        control.kind = reader.u32();
        control.variant = reader.u32();
        if (record.version == 1)
            reader.skip(4);
        control.id = reader.u32();
        control.x = Clamped(reader.i32());
        control.y = Clamped(reader.i32());
        control.width = Clamped(reader.i32());
        control.height = Clamped(reader.i32());
        control.textColour = reader.u32();
        control.backColour = reader.u32();
        if (record.version >= 5)
            reader.skip(4);
        const ByteString text = reader.string();
        control.imageId = reader.i32();
        if (control.kind == KindListBox && record.version < 4) {
            control.textColour = ColourWindowText;
            control.backColour = ColourWindow;
        }
        // Labels without text lose theirs; the others keep their language's block.
        if (!(control.kind == KindLabel && control.variant == LabelNoText))
            control.text = LanguageBlock(text, languageId);
        if (scale != 1000) {
            control.x = Scaled(control.x, scale);
            control.y = Scaled(control.y, scale);
            control.width = Scaled(control.width, scale);
            control.height = Scaled(control.height, scale);
        }
        read.push_back(std::move(control));
    }
    if (reader.failed())
        return NotATemplate;
    *window = std::move(record);
    *controls = std::move(read);
    return TemplateRead;
}

int LoadImageTable(const ByteString &table, std::vector<ImageRecord> *images)
{
    if (table.length() < 4)
        return ImageTableShort;
    const int64_t count = table.readU32(0);
    int64_t at = 4;
    for (int64_t i = 0; i < count; ++i) {
        const int64_t length = table.readU32(at);
        const int64_t id = table.readU32(at + 4);
        if (length < 0 || id < 0 || length > table.length() - (at + 8))
            return ImageTableCorrupt;
        images->push_back({int32_t(uint32_t(id)), ByteString(table.data() + at + 8, length)});
        at += 8 + length;
    }
    return ImagesLoaded;
}

BitmapLayout CheckBitmap(const ByteString &bytes)
{
    BitmapLayout layout;
    if (bytes.length() < 14 + 40 || bytes.byteAt(0) != 'B' || bytes.byteAt(1) != 'M')
        return layout;
    layout.width = int32_t(littleEndian(bytes, 18, 4));
    layout.height = int32_t(littleEndian(bytes, 22, 4));
    layout.bitsPerPixel = int(littleEndian(bytes, 28, 2));
    const uint32_t compression = littleEndian(bytes, 30, 4);
    const uint32_t used = littleEndian(bytes, 46, 4);
    const int bits = layout.bitsPerPixel;
    if (compression != 0 || !(bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32))
        return layout;
    const int64_t height = layout.height < 0 ? -int64_t(layout.height) : layout.height;
    if (layout.width <= 0 || layout.width > 16384 || height == 0 || height > 16384)
        return layout;
    layout.colourTableOffset = 14 + 40;
    if (bits <= 8)
        layout.colourCount = used != 0 ? int64_t(used) : (int64_t(1) << bits);
    if (layout.colourCount > 256)
        return layout;
    layout.pixelOffset = layout.colourTableOffset + 4 * layout.colourCount;
    const int64_t stride = (int64_t(layout.width) * bits + 31) / 32 * 4;
    layout.pixelBytes = stride * height;
    layout.valid = layout.pixelOffset + layout.pixelBytes <= bytes.length();
    return layout;
}

} // namespace uninst
