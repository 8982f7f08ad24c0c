#include "uninstaller/support/uninstscratch.h"

#include "registry/registry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

namespace uninsttest {

namespace {

const reg::HKEY &rootKey(int root)
{
    static const reg::HKEY roots[4] = {reg::HKEY_CLASSES_ROOT, reg::HKEY_CURRENT_USER, reg::HKEY_LOCAL_MACHINE,
                                       reg::HKEY_USERS};
    return roots[root];
}

const QString canaryText = QStringLiteral("canary");

} // namespace

Scratch::Scratch()
{
    static int counter = 0;
    const QString base = qEnvironmentVariable("HOTEL_TEST_SCRATCH", QDir::tempPath() + QStringLiteral("/uninst-tests"));
    root_ = QDir(base).filePath(QStringLiteral("machine-%1-%2").arg(QCoreApplication::applicationPid()).arg(++counter));
    QDir(root_).removeRecursively();
    QDir().mkpath(root_ + QStringLiteral("/drives/c"));
    QDir().mkpath(root_ + QStringLiteral("/tmp"));
    QDir().mkpath(root_ + QStringLiteral("/registry"));
    qputenv("HOTEL_DRIVE_ROOT", QFile::encodeName(root_ + QStringLiteral("/drives")));
    qputenv("HOTEL_REGISTRY_DIR", QFile::encodeName(root_ + QStringLiteral("/registry")));
    qputenv("TMPDIR", QFile::encodeName(root_ + QStringLiteral("/tmp")));
}

QString Scratch::local(const QString &windowsPath) const
{
    QString path = windowsPath;
    const QChar drive = path.at(0).toLower();
    path = path.mid(2);
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return root_ + QStringLiteral("/drives/") + drive + path;
}

void Scratch::write(const QString &windowsPath, const QByteArray &bytes) const
{
    const QString path = local(windowsPath);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

bool Scratch::exists(const QString &windowsPath) const
{
    return QFileInfo(local(windowsPath)).exists() || QFileInfo(local(windowsPath)).isSymLink();
}

QProcessEnvironment Scratch::environment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOTEL_DRIVE_ROOT"), root_ + QStringLiteral("/drives"));
    environment.insert(QStringLiteral("HOTEL_REGISTRY_DIR"), root_ + QStringLiteral("/registry"));
    environment.insert(QStringLiteral("TMPDIR"), root_ + QStringLiteral("/tmp"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return environment;
}

void Scratch::plantCanaries() const
{
    QDir().mkpath(outsideFolder());
    QFile canary(outsideFolder() + QStringLiteral("/canary.txt"));
    if (!canary.open(QIODevice::WriteOnly))
        qFatal("cannot plant the canary");
    canary.write(canaryText.toUtf8());
    canary.close();
    write(QStringLiteral("C:\\Other\\keep.txt"), canaryText.toUtf8());
    QDir().mkpath(local(QStringLiteral("C:\\Brevant")));
    QFile::link(outsideFolder(), local(QStringLiteral("C:\\Brevant\\outside-link")));
    QFile::link(outsideFolder() + QStringLiteral("/canary.txt"), local(QStringLiteral("C:\\Brevant\\canary-link.txt")));
    for (int root = 0; root < 4; ++root)
        SetRegistryText(root, QStringLiteral("Software\\BrevantCanary"), QStringLiteral("v"), canaryText);
    SetRegistryText(2, QStringLiteral("Software\\Brevant Neighbour"), QStringLiteral("v"), canaryText);
}

QStringList Scratch::damagedCanaries() const
{
    QStringList damaged;
    QFile canary(outsideFolder() + QStringLiteral("/canary.txt"));
    if (!canary.open(QIODevice::ReadOnly) || canary.readAll() != canaryText.toUtf8())
        damaged << QStringLiteral("outside canary");
    QFile beside(local(QStringLiteral("C:\\Other\\keep.txt")));
    if (!beside.open(QIODevice::ReadOnly) || beside.readAll() != canaryText.toUtf8())
        damaged << QStringLiteral("file beside the product");
    for (int root = 0; root < 4; ++root)
        if (!RegistryValueExists(root, QStringLiteral("Software\\BrevantCanary"), QStringLiteral("v")))
            damaged << QStringLiteral("canary key of root %1").arg(root);
    if (!RegistryValueExists(2, QStringLiteral("Software\\Brevant Neighbour"), QStringLiteral("v")))
        damaged << QStringLiteral("neighbour key");
    return damaged;
}

void SetRegistryText(int root, const QString &key, const QString &name, const QString &text)
{
    reg::HKEY handle;
    QCOMPARE(reg::RegCreateKeyEx(rootKey(root), key, reg::KEY_ALL_ACCESS, &handle), reg::ERROR_SUCCESS);
    QCOMPARE(reg::SetStringValue(handle, name, text), reg::ERROR_SUCCESS);
}

void SetRegistryNumber(int root, const QString &key, const QString &name, uint32_t number)
{
    reg::HKEY handle;
    QCOMPARE(reg::RegCreateKeyEx(rootKey(root), key, reg::KEY_ALL_ACCESS, &handle), reg::ERROR_SUCCESS);
    QCOMPARE(reg::SetDwordValue(handle, name, number), reg::ERROR_SUCCESS);
}

bool RegistryKeyExists(int root, const QString &key)
{
    reg::HKEY handle;
    return reg::RegOpenKeyEx(rootKey(root), key, 0, reg::KEY_READ, &handle) == reg::ERROR_SUCCESS;
}

bool RegistryValueExists(int root, const QString &key, const QString &name)
{
    reg::HKEY handle;
    return reg::RegOpenKeyEx(rootKey(root), key, 0, reg::KEY_READ, &handle) == reg::ERROR_SUCCESS
           && reg::RegQueryValueEx(handle, name, nullptr, nullptr, nullptr) == reg::ERROR_SUCCESS;
}

int64_t RegistryNumber(int root, const QString &key, const QString &name)
{
    reg::HKEY handle;
    reg::DWORD value = 0;
    if (reg::RegOpenKeyEx(rootKey(root), key, 0, reg::KEY_READ, &handle) != reg::ERROR_SUCCESS
        || reg::QueryDwordValue(handle, name, &value) != reg::ERROR_SUCCESS)
        return -1;
    return value;
}

} // namespace uninsttest
