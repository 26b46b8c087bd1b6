// Feeds arbitrary bytes to the document reader: it must either read a design or throw one of
// the framework's exceptions, never crash, hang or allocate more than the input could hold; and
// zembra-cli check must name a reason for every input.

#include "app/core/ZembraFormat.h"
#include "cli/core/DocumentRead.h"
#include "framework/core/Archive.h"
#include "framework/core/Exception.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MemoryStream stream(data, size);
    CArchive ar(stream, CArchive::load);
    try {
        IsOtherVersion(ReadZembraVersion(ar));
        MessageBoxDesign design;
        ReadZembraBody(ar, design);
        design.GetIcon();
        design.GetButton();
    } catch (const CException&) {
    }
    MemoryStream again(data, size);
    if (cli::CheckReason(cli::ReadDocument(again)).empty())
        __builtin_trap();
    return 0;
}
