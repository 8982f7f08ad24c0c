#pragma once
// What a run could not remove, line by line (each ended by CR LF), for the Details dialog,
// and the files in use that are deleted at the next start.
#include "bytestring.h"

#include <QString>

class QWidget;

namespace uninst {

struct LeftBehind {
    ByteString files;
    ByteString directories;
    ByteString registryKeys;
    ByteString inUse;

    bool anything() const { return !files.isEmpty() || !directories.isEmpty() || !registryKeys.isEmpty(); }
};

void AppendLine(ByteString *list, const ByteString &line);
// The lines of a list (CR LF removed).
std::vector<ByteString> ListLines(const ByteString &list);

// What every removal step shares: whether the run is silent, the window that owns its
// questions, the caption they carry, and the lists of what was left.
struct StepContext {
    bool silent = false;
    QWidget *owner = nullptr;
    QString caption;
    LeftBehind *left = nullptr;
};

} // namespace uninst
