#include "DocumentRead.h"

#include "app/core/ZembraFormat.h"
#include "cli/core/CliText.h"
#include "framework/core/Archive.h"
#include "framework/core/Exception.h"
#include "support/core/VersionText.h"

namespace cli {

namespace {

std::string ArchiveFailure(const CArchiveException& e, const CArchive& ar) {
    const std::optional<std::uint64_t> record = e.GetRecordOffset();
    if (e.GetCause() == CArchiveException::badFormat)
        return MalformedLengthReason(record.value_or(ar.GetPosition()));
    return record ? LengthBeyondEndReason(*record) : CutShortReason(ar.GetPosition());
}

} // namespace

DocumentRead ReadDocument(ArchiveStream& stream) {
    DocumentRead read;
    CArchive ar(stream, CArchive::load);
    try {
        read.version = ReadZembraVersion(ar);
        read.blockProblem = ReadZembraBody(ar, read.design).problem;
    } catch (const CArchiveException& e) {
        read.failure = ArchiveFailure(e, ar);
    }
    return read;
}

std::string CheckReason(const DocumentRead& read) {
    if (read.version && IsOtherVersion(*read.version))
        return OtherVersionReason(ExactVersionText(*read.version));
    if (!read.failure.empty())
        return read.failure;
    return read.blockProblem.empty() ? kSoundReason : read.blockProblem;
}

} // namespace cli
