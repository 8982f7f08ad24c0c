#pragma once
// The texts the uninstaller shows, by id, from the message table of its data, and the
// language id that picks the language blocks of control texts.
#include "bytestring.h"

#include <vector>

namespace uninst {

class MessageTable {
public:
    // Appends the records of a table (language id, count, then id, length, UTF-8 text).
    // False, with what was read before kept, when a record passes the end of the table.
    bool load(const ByteString &table);
    // The first record's text with that id, up to its first NUL; the empty text when there
    // is none.
    ByteString text(uint32_t id) const;
    uint32_t languageId() const { return languageId_; }
    struct Record {
        uint32_t id = 0;
        ByteString text;
    };
    const std::vector<Record> &records() const { return records_; }

private:
    uint32_t languageId_ = 1;
    std::vector<Record> records_;
};

// The program's table: loaded once from the data, read by every window and message.
MessageTable &Messages();

} // namespace uninst
