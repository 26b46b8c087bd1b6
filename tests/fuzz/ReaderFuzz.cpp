// Feeds arbitrary bytes to the document reader: it must either read a design or throw one of
// the framework's exceptions, never crash, hang or allocate more than the input could hold; a
// design it read, narrow or wide strings alike, must come back unchanged from the writer; and
// zembra-cli check must name a reason for every input.

#include "app/core/ZembraFormat.h"
#include "cli/core/DocumentRead.h"
#include "framework/core/Archive.h"
#include "framework/core/Exception.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MemoryStream stream(data, size);
    CArchive ar(stream, CArchive::load);
    try {
        IsOtherVersion(ReadZembraVersion(ar));
        MessageBoxDesign design;
        ReadZembraBody(ar, design);
        design.GetIcon();
        design.GetButton();
        const std::vector<unsigned char> written = ZembraBytes(design);
        MemoryStream back(written.data(), written.size());
        CArchive again(back, CArchive::load);
        ReadZembraVersion(again);
        MessageBoxDesign reread;
        ReadZembraBody(again, reread);
        if (reread.GetCaption() != design.GetCaption() || reread.GetText() != design.GetText() ||
            reread.GetStyle() != design.GetStyle() || ZembraBytes(reread) != written)
            __builtin_trap();
    } catch (const CException&) {
    }
    MemoryStream checked(data, size);
    if (cli::CheckReason(cli::ReadDocument(checked)).empty())
        __builtin_trap();
    return 0;
}
