#pragma once
// The shared string table of a workbook written as it is made (compoundfile.h), for the texts
// too long for a cell record of their own: each goes in where it comes (no text is looked up
// again, so the table needs no index). It follows the globals' records in the stream's head and
// ends that head: after the strings, EXTSST (where every eighth or more string starts, for
// readers that seek) and the globals' EOF. A last string that no cell refers to makes the head
// end on a sector boundary, as the body of sheets after it needs.
//
// The table continues in CONTINUE records past 8,224 bytes; a string split between two of them
// repeats its one-byte encoding flag, and its 3-byte header stays with its first character.
#include <QByteArray>
#include <QStringView>
#include <cstdint>
#include <vector>

namespace controls {

class CompoundFileWriter;

namespace biff8 {

class StreamedStringTable {
public:
    // Starts the table at the end of `out`'s head.
    explicit StreamedStringTable(CompoundFileWriter &out);

    // Adds a string; returns its index.
    uint32_t add(QStringView text);
    // Ends the table and the head; `references` is the number of cells that refer to it.
    void finish(uint32_t references);

private:
    // The steps of a string's layout (biff8stringtable.cpp), which a count of bytes takes too.
    template <class Records> friend void LayString(Records &records, qsizetype chars, bool wide);
    void nextRecord();
    void stringHeader(qsizetype chars, bool wide);
    void flag(bool wide);
    void chars(qsizetype from, qsizetype count, bool wide);

    struct Start {
        uint32_t streamPos;
        uint16_t recordOffset;
    };

    CompoundFileWriter &out_;
    qint64 tableStart_;
    QByteArray record_;          // the record being filled
    qsizetype used_ = 0;         // its data bytes
    std::vector<Start> starts_;  // where each string starts
    QStringView text_;           // the string being laid out
};

} // namespace biff8
} // namespace controls
