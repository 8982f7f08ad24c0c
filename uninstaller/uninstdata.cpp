#include "uninstdata.h"

#include "messagetable.h"

#include <cstdio>

namespace uninst {

bool UnwrapDataLayer(ByteString *data)
{
    const int64_t n = data->length();
    if (n < 10)
        return false;
    std::string bytes = data->bytes();
    unsigned char lanes[8] = {};
    for (int64_t i = 0; i <= n - 9; ++i)
        lanes[i % 8] = static_cast<unsigned char>(lanes[i % 8] + static_cast<unsigned char>(bytes[size_t(i)]));
    const auto step = static_cast<unsigned char>(bytes[size_t(n - 10)]);
    const auto start = static_cast<unsigned char>(bytes[size_t(n - 9)]);
    unsigned char key = start;
    for (int64_t i = 0; i <= n - 11; ++i) {
        key = static_cast<unsigned char>(key + step);
        bytes[size_t(i)] = char(static_cast<unsigned char>(bytes[size_t(i)]) - key);
    }
    bool good = true;
    for (int j = 0; j < 8; ++j)
        good = good && lanes[j] == static_cast<unsigned char>(bytes[size_t(n - 8 + j)]);
    bytes.resize(size_t(n - 10));
    *data = ByteString(std::move(bytes));
    return good;
}

namespace {

AppendedData refused(DataStatus status, std::string reason)
{
    AppendedData result;
    result.status = status;
    result.reason = std::move(reason);
    return result;
}

uint32_t littleEndian32(const unsigned char *bytes)
{
    return uint32_t(bytes[0]) | (uint32_t(bytes[1]) << 8) | (uint32_t(bytes[2]) << 16) | (uint32_t(bytes[3]) << 24);
}

// Where the wrapped data lies in a file of `size` bytes whose trailer holds `start`.
std::string checkTail(int64_t size, uint32_t start, DataStatus *status)
{
    *status = DataStatus::Corrupt;
    if (int64_t(start) > size - 4)
        return "the start offset lies past the end of the file";
    if (size - 4 - int64_t(start) > MaxAppendedData) {
        *status = DataStatus::OutOfMemory;
        return "the appended data is larger than any uninstallation data";
    }
    *status = DataStatus::Read;
    return {};
}

} // namespace

AppendedData TakeAppendedData(const ByteString &fileBytes)
{
    if (fileBytes.length() < 4)
        return refused(DataStatus::Corrupt, "the file is shorter than its trailer");
    const auto *tail = reinterpret_cast<const unsigned char *>(fileBytes.data() + fileBytes.length() - 4);
    const uint32_t start = littleEndian32(tail);
    DataStatus status;
    std::string reason = checkTail(fileBytes.length(), start, &status);
    if (status != DataStatus::Read)
        return refused(status, reason);
    AppendedData result;
    result.status = DataStatus::Read;
    result.wrapped = ByteString(fileBytes.data() + start, fileBytes.length() - 4 - int64_t(start));
    return result;
}

AppendedData ReadAppendedData(const std::string &path)
{
    FILE *file = std::fopen(path.c_str(), "rb");
    if (!file)
        return refused(DataStatus::Unreadable, "the file cannot be opened");
    AppendedData result = refused(DataStatus::Corrupt, "the file is shorter than its trailer");
    unsigned char tail[4];
    if (std::fseek(file, 0, SEEK_END) == 0) {
        const int64_t size = std::ftell(file);
        if (size >= 4 && std::fseek(file, long(size - 4), SEEK_SET) == 0 && std::fread(tail, 1, 4, file) == 4) {
            const uint32_t start = littleEndian32(tail);
            DataStatus status;
            result.reason = checkTail(size, start, &status);
            result.status = status;
            if (status == DataStatus::Read) {
                std::string bytes(size_t(size - 4 - int64_t(start)), '\0');
                if (std::fseek(file, long(start), SEEK_SET) != 0
                    || std::fread(bytes.data(), 1, bytes.size(), file) != bytes.size())
                    result = refused(DataStatus::Unreadable, "the file cannot be read");
                else
                    result.wrapped = ByteString(std::move(bytes));
            }
        }
    }
    std::fclose(file);
    return result;
}

namespace {

// A reader over the unwrapped bytes that remembers the first failure.
class Cursor {
public:
    Cursor(const ByteString &bytes, int64_t position = 0) : bytes_(bytes), position_(position) {}
    bool failed() const { return !error_.empty(); }
    const std::string &error() const { return error_; }
    int64_t position() const { return position_; }
    int64_t remaining() const { return bytes_.length() - position_; }

    uint32_t u32(const char *what)
    {
        const int64_t value = bytes_.readU32(position_);
        if (value < 0)
            return fail(what), 0;
        position_ += 4;
        return uint32_t(value);
    }
    ByteString block(int64_t length, const char *what)
    {
        if (length > remaining())
            return fail(what), ByteString();
        ByteString result(bytes_.data() + position_, length);
        position_ += length;
        return result;
    }
    ByteString nulTerminated(const char *what)
    {
        const int64_t nul = bytes_.findByte('\0', position_);
        if (nul < 0)
            return fail(what), ByteString();
        ByteString result(bytes_.data() + position_, nul - position_);
        position_ = nul + 1;
        return result;
    }
    void fail(const std::string &what)
    {
        if (error_.empty())
            error_ = what;
    }

private:
    const ByteString &bytes_;
    int64_t position_;
    std::string error_;
};

bool readNode(Cursor *cursor, RegistryNode *node, int depth)
{
    if (depth > MaxRegistryDepth) {
        cursor->fail("registry keys nested too deeply");
        return false;
    }
    const uint32_t valueCount = cursor->u32("registry value count past the end");
    // Each value entry takes at least five bytes: a count larger than that is a lie.
    if (int64_t(valueCount) > cursor->remaining() / 5) {
        cursor->fail("registry value count larger than the data");
        return false;
    }
    for (uint32_t i = 0; i < valueCount && !cursor->failed(); ++i) {
        RegistryValueEntry entry;
        entry.name = cursor->nulTerminated("registry value name without its end");
        entry.flag = cursor->u32("registry value flag past the end");
        node->values.push_back(std::move(entry));
    }
    const uint32_t subkeyCount = cursor->u32("registry subkey count past the end");
    // Each subkey entry takes at least thirteen bytes (flags, a NUL, two empty counts).
    if (!cursor->failed() && int64_t(subkeyCount) > cursor->remaining() / 13) {
        cursor->fail("registry subkey count larger than the data");
        return false;
    }
    for (uint32_t i = 0; i < subkeyCount && !cursor->failed(); ++i) {
        RegistrySubkey subkey;
        subkey.flags = cursor->u32("registry subkey flags past the end");
        subkey.name = cursor->nulTerminated("registry subkey name without its end");
        if (!cursor->failed())
            readNode(cursor, &subkey.node, depth + 1);
        node->subkeys.push_back(std::move(subkey));
    }
    return !cursor->failed();
}

std::vector<ByteString> splitLines(const ByteString &body, int64_t shortest)
{
    std::vector<ByteString> lines;
    int64_t position = 0;
    while (body.hasMore(position)) {
        ByteString line = body.readLine(&position);
        if (line.length() >= shortest)
            lines.push_back(std::move(line));
    }
    return lines;
}

// Leading decimal digits, as the C library reads a number (the value wraps at 32 bits).
uint32_t decimal(const ByteString &text)
{
    uint32_t value = 0;
    for (int64_t i = 0; i < text.length() && text.byteAt(i) >= '0' && text.byteAt(i) <= '9'; ++i)
        value = value * 10 + uint32_t(text.byteAt(i) - '0');
    return value;
}

BackupLine backupLine(const ByteString &line)
{
    std::vector<ByteString> fields;
    int64_t start = 0;
    for (int64_t tab = line.findByte('\t'); tab >= 0; tab = line.findByte('\t', start)) {
        fields.push_back(line.substring(start, tab - start));
        start = tab + 1;
    }
    fields.push_back(start < line.length() ? line.substring(start, line.length() - start) : ByteString());
    fields.resize(6);
    return {fields[0], fields[1], decimal(fields[2]), decimal(fields[3]), decimal(fields[4]), decimal(fields[5])};
}

// The section bodies of the text part; a missing header gives an empty section.
std::array<ByteString, 5> cutSections(const ByteString &text)
{
    std::array<ByteString, 5> bodies;
    int64_t position = 0;
    for (size_t i = 0; i < SectionHeaders.size(); ++i) {
        const ByteString header(SectionHeaders[i]);
        const int64_t at = text.find(header, position);
        if (at < 0)
            continue;
        position = at + header.length();
        int64_t end = text.length();
        if (i + 1 < SectionHeaders.size()) {
            for (size_t next = i + 1; next < SectionHeaders.size(); ++next) {
                const int64_t found = text.find(ByteString(SectionHeaders[next]), position);
                if (found >= 0) {
                    end = found;
                    break;
                }
            }
        }
        bodies[i] = ByteString(text.data() + position, end - position);
        position = end;
    }
    return bodies;
}

ProductInfo productInfo(const ByteString &text)
{
    int64_t position = 0;
    const ByteString line = text.readLine(&position, true);
    ProductInfo info;
    ByteString *fields[3] = {&info.name, &info.commandKind, &info.commandLine};
    int64_t start = 0;
    for (int field = 0; field < 3 && start <= line.length(); ++field) {
        int64_t nul = line.findByte('\0', start);
        if (nul < 0)
            nul = line.length();
        *fields[field] = ByteString(line.data() + start, nul - start);
        start = nul + 1;
    }
    return info;
}

DataResult corrupt(std::string reason)
{
    DataResult result;
    result.status = DataStatus::Corrupt;
    result.reason = std::move(reason);
    return result;
}

} // namespace

DataResult ReadUninstallData(ByteString data)
{
    if (!UnwrapDataLayer(&data))
        return corrupt("the outer layer's checksum does not match");
    if (!UnwrapDataLayer(&data))
        return corrupt("the inner layer's checksum does not match");
    return ReadUnwrappedData(data);
}

DataResult ReadUnwrappedData(const ByteString &data)
{
    if (data.length() < 2)
        return corrupt("the data is shorter than two bytes");

    DataResult result;
    UninstallData &out = result.data;
    int64_t textStart = 0;
    if (data.byteAt(0) == '\\') {
        out.hasHeader = true;
        out.headerFlag = data.byteAt(1);
        const int64_t headerLength = data.readU32(2);
        if (headerLength < 0 || headerLength > data.length() - 6)
            return corrupt("the header block passes the end of the data");
        const ByteString header(data.data() + 6, headerLength);
        if (!header.isEmpty()) {
            Cursor cursor(header);
            out.messageTable = cursor.block(cursor.u32("message table length past the end"), "message table past the end");
            out.windowTemplate = cursor.block(cursor.u32("window template length past the end"), "window template past the end");
            out.imageTable = cursor.block(cursor.u32("image table length past the end"), "image table past the end");
            if (cursor.failed())
                return corrupt(cursor.error());
            if (!out.messageTable.isEmpty() && !MessageTable().load(out.messageTable))
                return corrupt("a message passes the end of the message table");
        }
        textStart = 6 + headerLength;
    }
    const ByteString text(data.data() + textStart, data.length() - textStart);
    out.product = productInfo(text);

    const std::array<ByteString, 5> bodies = cutSections(text);
    out.shared = splitLines(bodies[0], 1);
    out.hasBackupsBody = bodies[1].length() > 2;
    if (out.hasBackupsBody)
        for (const ByteString &line : splitLines(bodies[1], 3))
            out.backups.push_back(backupLine(line));
    out.files = splitLines(bodies[2], 3);
    out.directories = splitLines(bodies[3], 3);
    out.hasRegistryTree = !bodies[4].isEmpty();
    if (out.hasRegistryTree) {
        Cursor cursor(bodies[4]);
        for (RegistryNode &root : out.registry)
            if (!readNode(&cursor, &root, 0))
                return corrupt(cursor.error());
    }
    result.status = DataStatus::Read;
    return result;
}

} // namespace uninst
