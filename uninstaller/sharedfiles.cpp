#include "sharedfiles.h"

#include "heartbeat.h"
#include "safepaths.h"
#include "texts.h"
#include "unregister.h"

#include "registry/registry.h"
#include "system/pendingdeletes.h"
#include "ui/dialogs.h"

namespace uninst {

int LookupSharedAnswer(const ByteString &answers, const ByteString &path)
{
    for (const ByteString &line : ListLines(answers))
        if (line.length() >= 1 && ByteString(line.data(), line.length() - 1) == path)
            return line.byteAt(line.length() - 1) - '0';
    return -1;
}

namespace {

struct SharedLine {
    ByteString path;
    bool unregister = false;
};

SharedLine splitLine(const ByteString &line)
{
    const int64_t bar = line.findByte('|');
    if (bar < 0)
        return {line, false};
    const ByteString marker = ByteString(line.data() + bar, line.length() - bar).upperCased();
    return {ByteString(line.data(), bar), marker == ByteString("|CTRL")};
}

int askAboutSharedFile(const ByteString &path, const StepContext &context)
{
    const QByteArray utf8 = FromAnsi(path).toUtf8();
    return ui::Choose({.prompt = MessageWith(4, ByteString(utf8.constData(), utf8.size())),
                       .title = QStringLiteral("Remove shared file"),
                       .buttons = {{SharedYesToAll, MessageText(9)}, {SharedYes, MessageText(11)},
                                   {SharedNo, MessageText(12)}, {SharedNoToAll, MessageText(10)}},
                       .defaultAnswer = SharedYes,
                       .owner = context.owner});
}

void deleteSharedFile(const reg::HKEY &counters, const SharedLine &line)
{
    reg::RegDeleteValue(counters, FromAnsi(line.path));
    const std::optional<QString> local = SafeLocalPath(line.path);
    if (!local)
        return;
    ClearReadOnly(*local);
    if (line.unregister)
        UnregisterServer(*local);
    sys::DeleteFileEntry(*local);   // a failure is neither recorded nor retried
}

void recordAnswer(ByteString *answers, const ByteString &path, char digit)
{
    if (LookupSharedAnswer(*answers, path) >= 0)
        return;
    if (!answers->isEmpty())
        answers->append("\r\n");
    answers->append(path);
    answers->append(digit);
}

} // namespace

void RemoveSharedFiles(const std::vector<ByteString> &lines, const StepContext &context)
{
    if (lines.empty())
        return;
    reg::HKEY counters;
    if (reg::RegOpenKeyEx(reg::HKEY_LOCAL_MACHINE, QString::fromLatin1(SharedDllsKey), 0,
                          reg::KEY_READ | reg::KEY_WRITE, &counters) != reg::ERROR_SUCCESS)
        return;
    ByteString answers;
    bool yesToAll = context.silent;
    bool noToAll = false;
    // The counters change in one store write per run of lines between questions.
    reg::Batch batch;
    for (const ByteString &text : lines) {
        Heartbeat();
        const SharedLine line = splitLine(text);
        const QString valueName = FromAnsi(line.path);
        reg::DWORD counter = 0;
        if (reg::QueryDwordValue(counters, valueName, &counter) != reg::ERROR_SUCCESS)
            counter = 0;
        if (counter > 1) {
            reg::SetDwordValue(counters, valueName, counter - 1);
            continue;
        }
        const auto keep = [&] { reg::SetDwordValue(counters, valueName, 0); };
        switch (LookupSharedAnswer(answers, line.path)) {
        case 1:
            keep();
            continue;
        case 2:
            deleteSharedFile(counters, line);
            continue;
        default:
            break;
        }
        if (noToAll) {
            keep();
        } else if (yesToAll) {
            deleteSharedFile(counters, line);
        } else {
            batch.end();   // the store is free while the user decides
            switch (askAboutSharedFile(line.path, context)) {
            case SharedYesToAll:
                yesToAll = true;
                deleteSharedFile(counters, line);
                break;
            case SharedNo:
                keep();
                recordAnswer(&answers, line.path, '1');
                break;
            case SharedNoToAll:
                keep();
                noToAll = true;
                break;
            default:   // Yes
                recordAnswer(&answers, line.path, '2');
                deleteSharedFile(counters, line);
                break;
            }
        }
    }
}

} // namespace uninst
