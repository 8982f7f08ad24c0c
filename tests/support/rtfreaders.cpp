#include "support/rtfreaders.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>

namespace testsupport {

namespace {

RtfReading readingOf(const QJsonObject &object)
{
    RtfReading reading;
    reading.error = object.value(QStringLiteral("error")).toString();
    reading.text = object.value(QStringLiteral("text")).toString();
    for (const QJsonValue &value : object.value(QStringLiteral("runs")).toArray()) {
        const QJsonObject run = value.toObject();
        reading.runs.append(RtfRun{run.value(QStringLiteral("text")).toString(),
                                   run.value(QStringLiteral("bold")).toBool(),
                                   run.value(QStringLiteral("italic")).toBool(),
                                   run.value(QStringLiteral("underline")).toBool(),
                                   run.value(QStringLiteral("color")).toString(),
                                   run.value(QStringLiteral("size")).toDouble(),
                                   run.value(QStringLiteral("align")).toString(),
                                   run.value(QStringLiteral("background")).toString()});
    }
    for (const QJsonValue &paragraph : object.value(QStringLiteral("tabs")).toArray()) {
        QList<int> stops;
        for (const QJsonValue &stop : paragraph.toArray())
            stops.append(stop.toInt());
        reading.tabStops.append(stops);
    }
    return reading;
}

} // namespace

RtfRun RtfReading::runWith(const QString &part) const
{
    for (const RtfRun &run : runs) {
        if (run.text.contains(part))
            return run;
    }
    return RtfRun{};
}

RtfReadings ReadRtf(const QString &path, const QString &workFolder, bool tabStops)
{
    QProcess python;
    QStringList arguments{QStringLiteral(HOTEL_RTF_READERS_SCRIPT), path, workFolder};
    if (tabStops)
        arguments << QStringLiteral("--tab-stops");
    python.start(QStringLiteral("/usr/bin/python3"), arguments);
    const bool finished = python.waitForFinished(10 * 60 * 1000);
    const QJsonObject result = QJsonDocument::fromJson(python.readAllStandardOutput()).object();
    RtfReadings readings{readingOf(result.value(QStringLiteral("unrtf")).toObject()),
                         readingOf(result.value(QStringLiteral("libreoffice")).toObject())};
    if (!finished || result.isEmpty()) {
        const QString failure = QStringLiteral("the readers did not run: ")
                                + QString::fromUtf8(python.readAllStandardError());
        readings.unrtf.error = readings.libreOffice.error = failure;
    }
    return readings;
}

} // namespace testsupport
