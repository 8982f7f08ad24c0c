// regsvr [/s] [/u] <library>: registers a component library (or unregisters it with /u)
// by calling its DllRegisterServer (DllUnregisterServer), as regsvr32 does. /s keeps quiet
// on success; failures are always reported on stderr.
// Exit codes as regsvr32's: 0 done, 1 bad arguments, 3 library not loaded, 4 entry point
// missing, 5 the call failed.
#include "com/create.h"

#include <QFileInfo>
#include <QString>

#include <dlfcn.h>

#include <cstdio>

namespace {

enum ExitCode { Done = 0, BadArguments = 1, LoadFailed = 3, EntryMissing = 4, CallFailed = 5 };

struct Arguments {
    bool silent = false;
    bool unregister = false;
    QString library;
};

bool parseArguments(int argc, char **argv, Arguments *arguments)
{
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        const QString option = argument.toLower();
        if (option == QLatin1String("/s") || option == QLatin1String("-s"))
            arguments->silent = true;
        else if (option == QLatin1String("/u") || option == QLatin1String("-u"))
            arguments->unregister = true;
        else if (arguments->library.isEmpty())
            arguments->library = argument;
        else
            return false;
    }
    return !arguments->library.isEmpty();
}

void report(FILE *stream, const QString &text)
{
    std::fprintf(stream, "%s\n", text.toLocal8Bit().constData());
}

} // namespace

int main(int argc, char **argv)
{
    Arguments arguments;
    if (!parseArguments(argc, argv, &arguments)) {
        report(stderr, QStringLiteral("Usage: regsvr [/s] [/u] <library>"));
        return BadArguments;
    }
    // An absolute path, so that the library registers where it really is.
    const QString library = QFileInfo(arguments.library).absoluteFilePath();
    const char *entryName = arguments.unregister ? "DllUnregisterServer" : "DllRegisterServer";

    void *handle = dlopen(library.toLocal8Bit().constData(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        report(stderr, QStringLiteral("The module \"%1\" failed to load.\n%2")
                           .arg(library, QString::fromLocal8Bit(dlerror())));
        return LoadFailed;
    }
    const auto entry = reinterpret_cast<com::DllEntryFunction>(dlsym(handle, entryName));
    if (!entry) {
        report(stderr, QStringLiteral("The module \"%1\" was loaded but the entry-point %2 was not found.")
                           .arg(library, QLatin1String(entryName)));
        return EntryMissing;
    }
    const com::HRESULT hr = entry();
    if (com::FAILED(hr)) {
        report(stderr, QStringLiteral("The module \"%1\" was loaded but the call to %2 failed with error code 0x%3.")
                           .arg(library, QLatin1String(entryName))
                           .arg(static_cast<uint32_t>(hr), 8, 16, QLatin1Char('0')));
        return CallFailed;
    }
    if (!arguments.silent)
        report(stdout, QStringLiteral("%1 in %2 succeeded.").arg(QLatin1String(entryName), library));
    return Done;
}
