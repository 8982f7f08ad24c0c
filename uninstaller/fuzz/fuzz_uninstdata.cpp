// The fuzz target of the uninstallation data reader: the bytes are taken both as a whole
// executable (tail and layers) and as data whose layers are already undone, so that the
// fuzzer reaches the header, tables, template, images and registry tree behind the
// checksums. Built with clang's libFuzzer by build.sh; the corpus is replayed by a test.
#include "messagetable.h"
#include "templateformat.h"
#include "textcodec.h"
#include "uninstdata.h"

#include <cstddef>
#include <cstdint>

using namespace uninst;

namespace {

void readTables(const UninstallData &data)
{
    MessageTable messages;
    messages.load(data.messageTable);
    WindowRecord window;
    std::vector<ControlRecord> controls;
    ParseTemplate(data.windowTemplate, 1250, messages.languageId(), &window, &controls);
    for (const ControlRecord &control : controls)
        Utf8ToWide(control.text);
    std::vector<ImageRecord> images;
    LoadImageTable(data.imageTable, &images);
    for (const ImageRecord &image : images)
        CheckBitmap(image.bytes);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    const ByteString input(reinterpret_cast<const char *>(bytes), int64_t(size));
    const AppendedData appended = TakeAppendedData(input);
    if (appended.status == DataStatus::Read) {
        const DataResult whole = ReadUninstallData(appended.wrapped);
        if (whole.status == DataStatus::Read)
            readTables(whole.data);
    }
    const DataResult unwrapped = ReadUnwrappedData(input);
    if (unwrapped.status == DataStatus::Read)
        readTables(unwrapped.data);
    // The template and image readers on their own, for inputs that hold just one of them.
    WindowRecord window;
    std::vector<ControlRecord> controls;
    ParseTemplate(input, 1000, 1035, &window, &controls);
    std::vector<ImageRecord> images;
    LoadImageTable(input, &images);
    CheckBitmap(input);
    Utf8ToWide(input);
    return 0;
}
