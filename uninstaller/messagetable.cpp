#include "messagetable.h"

namespace uninst {

bool MessageTable::load(const ByteString &table)
{
    const int64_t language = table.readU32(0);
    const int64_t count = table.readU32(4);
    if (language < 0 || count < 0)
        return false;
    languageId_ = uint32_t(language);
    int64_t at = 8;
    for (int64_t i = 0; i < count; ++i) {
        const int64_t id = table.readU32(at);
        const int64_t length = table.readU32(at + 4);
        if (id < 0 || length < 0 || length > table.length() - (at + 8))
            return false;
        records_.push_back({uint32_t(id), ByteString(table.data() + at + 8, length)});
        at += 8 + length;
    }
    return true;
}

ByteString MessageTable::text(uint32_t id) const
{
    for (const Record &record : records_) {
        if (record.id != id)
            continue;
        // Read as a C string: a text ends at its first NUL.
        const int64_t end = record.text.findByte('\0', 0);
        return end < 0 ? record.text : ByteString(record.text.data(), end);
    }
    return ByteString();
}

MessageTable &Messages()
{
    static MessageTable table;
    return table;
}

} // namespace uninst
