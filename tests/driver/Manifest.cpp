#include "tests/driver/Manifest.h"

#include <cstddef>

namespace testdriver {

namespace {

// The system's layout of one supported-OS entry (larger than older headers declare).
struct CompatibilityElement {
    GUID id;
    DWORD type;
    ULONGLONG maxVersionTested;
};

struct CompatibilityInformation {
    DWORD count;
    CompatibilityElement elements[1];
};

class ActivationContext {
public:
    explicit ActivationContext(HANDLE context) : m_context(context) {}
    ActivationContext(const ActivationContext&) = delete;
    ActivationContext& operator=(const ActivationContext&) = delete;
    ~ActivationContext() {
        if (m_context != INVALID_HANDLE_VALUE)
            ReleaseActCtx(m_context);
    }
    HANDLE Get() const { return m_context; }

private:
    HANDLE m_context;
};

// Asks the context one question; the answer's bytes, empty when it has none.
std::vector<unsigned char> Query(HANDLE context, ULONG what, DWORD* index = nullptr) {
    SIZE_T size = 0;
    QueryActCtxW(0, context, index, what, nullptr, 0, &size);
    std::vector<unsigned char> answer(size);
    if (size == 0 || !QueryActCtxW(0, context, index, what, answer.data(), size, &size))
        answer.clear();
    return answer;
}

std::string Narrow(const wchar_t* text) {
    std::string narrow;
    for (; text != nullptr && *text != L'\0'; ++text)
        narrow.push_back(static_cast<char>(*text));
    return narrow;
}

std::string Setting(HANDLE context, const wchar_t* space, const wchar_t* name) {
    wchar_t value[256] = L"";
    SIZE_T written = 0;
    if (!QueryActCtxSettingsW(0, context, space, name, value, 256, &written))
        return std::string();
    return Narrow(value);
}

} // namespace

std::optional<Manifest> ReadManifest(const std::string& path) {
    ACTCTXA description{};
    description.cbSize = sizeof description;
    description.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    description.lpSource = path.c_str();
    description.lpResourceName = MAKEINTRESOURCEA(1);
    const ActivationContext context(CreateActCtxA(&description));
    if (context.Get() == INVALID_HANDLE_VALUE)
        return std::nullopt;

    Manifest manifest;
    const auto detailed = Query(context.Get(), ActivationContextDetailedInformation);
    if (detailed.size() < sizeof(ACTIVATION_CONTEXT_DETAILED_INFORMATION))
        return std::nullopt;
    const auto* information =
        reinterpret_cast<const ACTIVATION_CONTEXT_DETAILED_INFORMATION*>(detailed.data());
    for (DWORD index = 1; index <= information->ulAssemblyCount; ++index) {
        const auto assembly =
            Query(context.Get(), AssemblyDetailedInformationInActivationContext, &index);
        if (assembly.size() >= sizeof(ACTIVATION_CONTEXT_ASSEMBLY_DETAILED_INFORMATION))
            manifest.assemblies.push_back(
                Narrow(reinterpret_cast<const ACTIVATION_CONTEXT_ASSEMBLY_DETAILED_INFORMATION*>(
                           assembly.data())
                           ->lpAssemblyEncodedAssemblyIdentity));
    }

    manifest.dpiAware = Setting(
        context.Get(), L"http://schemas.microsoft.com/SMI/2005/WindowsSettings", L"dpiAware");
    manifest.dpiAwareness = Setting(
        context.Get(), L"http://schemas.microsoft.com/SMI/2016/WindowsSettings", L"dpiAwareness");

    const auto compatibility = Query(context.Get(), CompatibilityInformationInActivationContext);
    if (compatibility.size() >= offsetof(CompatibilityInformation, elements)) {
        const auto* list = reinterpret_cast<const CompatibilityInformation*>(compatibility.data());
        const std::size_t fits =
            (compatibility.size() - offsetof(CompatibilityInformation, elements)) /
            sizeof(CompatibilityElement);
        for (std::size_t i = 0; i < list->count && i < fits; ++i) {
            if (list->elements[i].type == ACTCTX_COMPATIBILITY_ELEMENT_TYPE_OS)
                manifest.supportedOS.push_back(list->elements[i].id);
        }
    }

    const auto runLevel = Query(context.Get(), RunlevelInformationInActivationContext);
    if (runLevel.size() >= sizeof(ACTIVATION_CONTEXT_RUN_LEVEL_INFORMATION)) {
        const auto* level =
            reinterpret_cast<const ACTIVATION_CONTEXT_RUN_LEVEL_INFORMATION*>(runLevel.data());
        manifest.runLevel = level->RunLevel;
        manifest.uiAccess = level->UiAccess != 0;
    }
    return manifest;
}

} // namespace testdriver
