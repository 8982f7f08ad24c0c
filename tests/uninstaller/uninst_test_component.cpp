// A component library for the uninstaller's tests: its DllUnregisterServer leaves a file
// "unregistered.txt" in the current folder, so a test sees that it ran, and where.
#include <cstdio>

extern "C" __attribute__((visibility("default"))) int DllUnregisterServer()
{
    if (FILE *file = std::fopen("unregistered.txt", "w")) {
        std::fputs("unregistered\n", file);
        std::fclose(file);
    }
    return 0;
}
