// uninstdata-dump FILE: prints as JSON what the uninstaller reads from an executable with
// uninstallation data appended: each layer's result, the header, the messages in stored
// order, the window template, the images, the product information and the sections.
// Exit code 0 when the data was read, 1 when it is refused ("corrupt" with the reason),
// 2 for a file that cannot be read, 3 for bad arguments.
#include "messagetable.h"
#include "templateformat.h"
#include "textcodec.h"
#include "uninstdata.h"

#include "profile/ansi.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

using namespace uninst;

namespace {

QString utf8(const ByteString &text) { return QString::fromStdU16String(Utf8ToWide(text)); }
QString ansiText(const ByteString &text) { return ansi::ToUnicode(QByteArray(text.data(), int(text.length()))); }

QJsonArray ansiLines(const std::vector<ByteString> &lines)
{
    QJsonArray array;
    for (const ByteString &line : lines)
        array.append(ansiText(line));
    return array;
}

QJsonObject node(const RegistryNode &node)
{
    QJsonArray values;
    for (const RegistryValueEntry &value : node.values)
        values.append(QJsonObject{{"name", ansiText(value.name)}, {"flag", qint64(value.flag)}});
    QJsonArray subkeys;
    for (const RegistrySubkey &subkey : node.subkeys)
        subkeys.append(QJsonObject{{"name", ansiText(subkey.name)}, {"flags", qint64(subkey.flags)},
                                   {"node", ::node(subkey.node)}});
    return QJsonObject{{"values", values}, {"subkeys", subkeys}};
}

QJsonObject windowTemplate(const ByteString &bytes, uint32_t languageId)
{
    WindowRecord window;
    std::vector<ControlRecord> controls;
    const int result = ParseTemplate(bytes, 1000, languageId, &window, &controls);
    if (result != TemplateRead)
        return QJsonObject{{"refused", result}};
    QJsonArray list;
    for (const ControlRecord &c : controls)
        list.append(QJsonObject{{"id", qint64(c.id)}, {"kind", qint64(c.kind)}, {"variant", qint64(c.variant)},
                                {"style", qint64(c.style)}, {"extendedStyle", qint64(c.extendedStyle)},
                                {"x", c.x}, {"y", c.y}, {"width", c.width}, {"height", c.height},
                                {"textColour", qint64(c.textColour)}, {"backColour", qint64(c.backColour)},
                                {"text", utf8(c.text)}, {"imageId", c.imageId}});
    return QJsonObject{{"version", qint64(window.version)}, {"style", qint64(window.style)},
                       {"extendedStyle", qint64(window.extendedStyle)}, {"placement", qint64(window.placement)},
                       {"xOffset", window.xOffset}, {"yOffset", window.yOffset},
                       {"width", window.width}, {"height", window.height},
                       {"fontSize", window.fontSize}, {"fontFlags", window.fontFlags},
                       {"faceName", utf8(window.faceName)}, {"windowText", utf8(window.windowText)},
                       {"controls", list}};
}

QString imageType(const ByteString &bytes)
{
    if (bytes.byteAt(0) == 'B' && bytes.byteAt(1) == 'M')
        return CheckBitmap(bytes).valid ? QStringLiteral("bmp") : QStringLiteral("bmp (unreadable)");
    if (bytes.readU32(0) == 0x00000100)   // ICONDIR: reserved 0, type 1
        return QStringLiteral("icon");
    return QStringLiteral("unknown");
}

QJsonValue images(const ByteString &table)
{
    std::vector<ImageRecord> records;
    const int result = LoadImageTable(table, &records);
    QJsonArray list;
    for (const ImageRecord &image : records)
        list.append(QJsonObject{{"id", image.id}, {"length", qint64(image.bytes.length())}, {"type", imageType(image.bytes)}});
    if (result != ImagesLoaded)
        return QJsonObject{{"refused", result}, {"read", list}};
    return list;
}

int print(const QJsonObject &object, int code)
{
    std::fputs(QJsonDocument(object).toJson(QJsonDocument::Indented).constData(), stdout);
    return code;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fputs("Usage: uninstdata-dump FILE\n", stderr);
        return 3;
    }
    QJsonObject out{{"file", QString::fromLocal8Bit(argv[1])}};
    const AppendedData appended = ReadAppendedData(argv[1]);
    if (appended.status != DataStatus::Read) {
        out["result"] = appended.status == DataStatus::Unreadable ? "unreadable" : "corrupt";
        out["reason"] = QString::fromStdString(appended.reason);
        return print(out, appended.status == DataStatus::Unreadable ? 2 : 1);
    }
    out["appendedLength"] = qint64(appended.wrapped.length());
    ByteString data = appended.wrapped;
    const bool outer = UnwrapDataLayer(&data);
    out["outerLayer"] = outer ? "good" : "corrupt";
    const bool inner = outer && UnwrapDataLayer(&data);
    if (outer)
        out["innerLayer"] = inner ? "good" : "corrupt";
    if (!inner) {
        out["result"] = "corrupt";
        out["reason"] = outer ? "the inner layer's checksum does not match" : "the outer layer's checksum does not match";
        return print(out, 1);
    }
    const DataResult read = ReadUnwrappedData(data);
    if (read.status != DataStatus::Read) {
        out["result"] = "corrupt";
        out["reason"] = QString::fromStdString(read.reason);
        return print(out, 1);
    }
    const UninstallData &d = read.data;
    out["header"] = d.hasHeader ? QJsonValue(QJsonObject{{"flag", d.headerFlag}}) : QJsonValue(QJsonValue::Null);
    MessageTable messages;
    if (!d.messageTable.isEmpty())
        messages.load(d.messageTable);
    QJsonArray messageList;
    for (const MessageTable::Record &record : messages.records())
        messageList.append(QJsonObject{{"id", qint64(record.id)}, {"text", utf8(record.text)}});
    out["languageId"] = qint64(messages.languageId());
    out["messages"] = messageList;
    if (d.hasHeader && !d.windowTemplate.isEmpty())
        out["template"] = windowTemplate(d.windowTemplate, messages.languageId());
    if (d.hasHeader)
        out["images"] = images(d.imageTable);
    out["product"] = QJsonObject{{"name", ansiText(d.product.name)}, {"commandKind", ansiText(d.product.commandKind)},
                                 {"commandLine", ansiText(d.product.commandLine)}};
    out["shared"] = ansiLines(d.shared);
    QJsonArray backups;
    for (const BackupLine &b : d.backups)
        backups.append(QJsonObject{{"backup", ansiText(b.backupPath)}, {"target", ansiText(b.targetPath)},
                                   {"versionHigh", qint64(b.versionHigh)}, {"versionLow", qint64(b.versionLow)},
                                   {"timeHigh", qint64(b.timeHigh)}, {"timeLow", qint64(b.timeLow)}});
    out["backups"] = backups;
    out["files"] = ansiLines(d.files);
    out["directories"] = ansiLines(d.directories);
    if (d.hasRegistryTree) {
        static const char *rootNames[] = {"HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE", "HKEY_USERS"};
        QJsonObject registry;
        for (int i = 0; i < 4; ++i)
            registry[rootNames[i]] = node(d.registry[size_t(i)]);
        out["registry"] = registry;
    }
    out["result"] = "read";
    return print(out, 0);
}
