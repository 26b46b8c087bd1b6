#include "tests/driver/Manifest.h"

#include "tests/driver/Handles.h"

#include <cstddef>

namespace testdriver {

namespace {

// The system's layout of the supported-OS list (its entries are larger than older headers say).
struct CompatibilityInformation {
    DWORD count;
    struct {
        GUID id;
        DWORD type;
        ULONGLONG maxVersionTested;
    } elements[1];
};

std::string Setting(HANDLE context, const wchar_t* space, const wchar_t* name) {
    wchar_t value[256] = L"";
    SIZE_T written = 0;
    std::string narrow;
    if (QueryActCtxSettingsW(0, context, space, name, value, 256, &written)) {
        for (const wchar_t* c = value; *c != L'\0'; ++c)
            narrow.push_back(static_cast<char>(*c));
    }
    return narrow;
}

} // namespace

std::optional<Manifest> ReadManifest(const std::string& path) {
    ACTCTXA description{};
    description.cbSize = sizeof description;
    description.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    description.lpSource = path.c_str();
    description.lpResourceName = MAKEINTRESOURCEA(1);
    const ActivationContextHandle context(CreateActCtxA(&description));
    if (!context)
        return std::nullopt;

    Manifest manifest;
    manifest.dpiAware = Setting(
        context.Get(), L"http://schemas.microsoft.com/SMI/2005/WindowsSettings", L"dpiAware");
    manifest.dpiAwareness = Setting(
        context.Get(), L"http://schemas.microsoft.com/SMI/2016/WindowsSettings", L"dpiAwareness");

    SIZE_T size = 0;
    QueryActCtxW(0, context.Get(), nullptr, CompatibilityInformationInActivationContext, nullptr, 0,
                 &size);
    std::vector<unsigned char> bytes(size);
    const auto* list = reinterpret_cast<const CompatibilityInformation*>(bytes.data());
    const std::size_t header = offsetof(CompatibilityInformation, elements);
    if (size < header ||
        !QueryActCtxW(0, context.Get(), nullptr, CompatibilityInformationInActivationContext,
                      bytes.data(), size, &size))
        return manifest;
    for (DWORD i = 0; i < list->count && header + (i + 1) * sizeof list->elements[0] <= size; ++i) {
        if (list->elements[i].type == ACTCTX_COMPATIBILITY_ELEMENT_TYPE_OS)
            manifest.supportedOS.push_back(list->elements[i].id);
    }
    return manifest;
}

} // namespace testdriver
