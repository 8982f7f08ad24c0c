#include "support/sqlcipher_client.h"

#include <QDeadlineTimer>

namespace testsupport {

namespace {

QString keyStatement(const QString &password)
{
    return QStringLiteral("PRAGMA key='") + QString(password).replace(u'\'', QLatin1String("''")) +
           QStringLiteral("';\n");
}

} // namespace

SqlcipherClient::SqlcipherClient(const QString &path, const QString &password)
{
    process_.setProcessChannelMode(QProcess::MergedChannels);
    process_.start(QStringLiteral("sqlcipher"), {path});
    if (!process_.waitForStarted(10000))
        qFatal("sqlcipher did not start: %s", qPrintable(process_.errorString()));
    process_.write(keyStatement(password).toUtf8());
}

SqlcipherClient::~SqlcipherClient()
{
    process_.closeWriteChannel();   // the client ends, and its open transaction with it
    if (!process_.waitForFinished(10000))
        process_.kill();
    process_.waitForFinished(10000);
}

QString SqlcipherClient::send(const QString &statements)
{
    // The client answers with a mark once it has run everything before it.
    const QByteArray mark = "mark-" + QByteArray::number(++marks_);
    process_.write(statements.toUtf8() + "\nSELECT '" + mark + "';\n");
    QByteArray output;
    const QDeadlineTimer deadline(60000);
    while (!output.contains(mark) && !deadline.hasExpired()) {
        process_.waitForReadyRead(100);
        output += process_.readAll();
    }
    if (!output.contains(mark))
        qFatal("sqlcipher did not answer: %s", output.constData());
    return QString::fromUtf8(output.left(output.indexOf(mark)));
}

void SqlcipherClient::post(const QString &statements)
{
    process_.write(statements.toUtf8() + "\n");
    process_.waitForBytesWritten(10000);
}

QString SqlcipherClient::runOnce(const QString &path, const QString &statements, int waitMs, const QString &password)
{
    QProcess client;
    client.setProcessChannelMode(QProcess::MergedChannels);
    client.start(QStringLiteral("sqlcipher"), {path});
    client.write(keyStatement(password).toUtf8() + ".timeout " + QByteArray::number(waitMs) + "\n" +
                 statements.toUtf8() + "\n");
    client.closeWriteChannel();
    if (!client.waitForFinished(60000))
        qFatal("sqlcipher did not finish");
    return QString::fromUtf8(client.readAll());
}

} // namespace testsupport
