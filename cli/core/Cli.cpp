#include "Cli.h"

#include "app/core/StyleTables.h"
#include "app/core/ZembraFormat.h"
#include "cli/core/Arguments.h"
#include "cli/core/CliText.h"
#include "cli/core/DesignView.h"
#include "cli/core/DocumentRead.h"
#include "cli/core/StyleWords.h"
#include "cli/core/Utf8.h"
#include "framework/core/Archive.h"
#include "framework/core/Exception.h"
#include "framework/core/LineBreaks.h"
#include "support/core/VersionText.h"

namespace cli {

namespace {

// Exit codes of new, show and check.
constexpr int kExitDone = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;
// run and ask never use a button's number for an error.
constexpr int kExitBoxError = 255;

// UTF-8 as UTF-16; a malformed byte counts as one U+FFFD.
std::u16string ToUtf16(const std::string& utf8) {
    std::u16string text;
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t c = NextCharacter(utf8, i);
        if (c < 0x10000) {
            text += static_cast<char16_t>(c);
        } else {
            text += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            text += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        }
    }
    return text;
}

// UTF-16 as UTF-8; an unpaired surrogate becomes U+FFFD.
std::string ToUtf8(const std::u16string& text) {
    std::string utf8;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] < 0xE000)
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        else if (c >= 0xD800 && c < 0xE000)
            c = 0xFFFD;
        AppendUtf8(c, utf8);
    }
    return utf8;
}

class Cli {
public:
    explicit Cli(CliSystem& system) : m_system(system) {}
    int Run(const std::vector<std::string>& arguments);

private:
    int New(const Request& request);
    int Show(const Request& request);
    int Check(const Request& request);
    int RunDocument(const Request& request);
    int Ask(const Request& request);

    void Error(const std::string& message) { m_system.Err(kErrorPrefix + message + "\n"); }
    // The design the options describe, in the code page documents hold; nothing (reported) when
    // a text holds a character that code page lacks.
    std::optional<MessageBoxDesign> Design(const BoxOptions& box);
    DocumentRead Read(const std::string& path);
    // The document read whole; nothing (reported) when it could not be.
    std::optional<DocumentRead> ReadWhole(const std::string& path);
    int ShowBox(const MessageBoxDesign& design, std::optional<unsigned> timeoutSeconds);

    CliSystem& m_system;
    const CMaps m_maps;
};

int Cli::Run(const std::vector<std::string>& arguments) {
    std::optional<Request> request;
    std::string usageError;
    try {
        request = ParseArguments(arguments, m_maps);
    } catch (const UsageError& e) {
        usageError = e.what();
    }
    const bool showsBox = request
                              ? request->command == Command::Run || request->command == Command::Ask
                              : NamesBoxCommand(arguments);
    if (showsBox && !m_system.CanShowBoxes()) {
        Error(NeedsWindowsMessage(arguments[0]));
        return kExitUsage;
    }
    if (!request) {
        Error(usageError);
        return showsBox ? kExitBoxError : kExitUsage;
    }
    switch (request->command) {
    case Command::Help:
        m_system.Out(kUsage);
        return kExitDone;
    case Command::Version:
        m_system.Out(kVersionLine);
        return kExitDone;
    case Command::New:
        return New(*request);
    case Command::Show:
        return Show(*request);
    case Command::Check:
        return Check(*request);
    case Command::Run:
        return RunDocument(*request);
    case Command::Ask:
        break;
    }
    return Ask(*request);
}

std::optional<MessageBoxDesign> Cli::Design(const BoxOptions& box) {
    std::string caption, text;
    char32_t failed = 0;
    if (!m_system.ToStored(box.caption, caption, failed)) {
        Error(UnrepresentableMessage("--caption", failed, m_system.CodePageName()));
        return std::nullopt;
    }
    if (!m_system.ToStored(WithCrLf(box.text), text, failed)) {
        Error(UnrepresentableMessage("--text", failed, m_system.CodePageName()));
        return std::nullopt;
    }
    // A new design changed group by group, as the editor's form changes one.
    MessageBoxDesign design;
    design.SetCaption(caption);
    design.SetText(text);
    design.SetIcon(box.icon);
    design.SetButton(box.buttons);
    design.SetDefButton(
        ValueOfWord(m_maps, StyleGroup::Default, std::to_string(box.defaultButton)).value_or(0));
    design.SetModal(box.priority);
    BoxExtras extras;
    for (const std::string& word : box.buttonTexts)
        extras.buttonTexts.push_back(ToUtf16(word));
    if (box.closeAfterSeconds)
        extras.countdown = Countdown{*box.closeAfterSeconds, box.answer};
    design.SetExtras(extras);
    return design;
}

DocumentRead Cli::Read(const std::string& path) {
    try {
        const std::unique_ptr<ArchiveStream> stream = m_system.OpenDocument(path);
        return ReadDocument(*stream);
    } catch (const CException& e) {
        DocumentRead read;
        read.failure = UnreadableReason(m_system.ReasonOf(e));
        return read;
    }
}

std::optional<DocumentRead> Cli::ReadWhole(const std::string& path) {
    DocumentRead read = Read(path);
    if (read.failure.empty())
        return read;
    Error(CheckLine(path, read.failure));
    return std::nullopt;
}

int Cli::New(const Request& request) {
    const std::optional<MessageBoxDesign> design = Design(request.box);
    if (!design)
        return kExitUsage;
    const std::string& path = request.files[0];
    std::string reason;
    switch (m_system.WriteDocument(path, ZembraBytes(*design), request.force, reason)) {
    case WriteOutcome::Written:
        return kExitDone;
    case WriteOutcome::Exists:
        Error(FileExistsMessage(path));
        return kExitUsage;
    case WriteOutcome::Failed:
        break;
    }
    Error(NotWrittenMessage(path, reason));
    return kExitFailed;
}

int Cli::Show(const Request& request) {
    const std::optional<DocumentRead> read = ReadWhole(request.files[0]);
    if (!read)
        return kExitFailed;
    DesignView view;
    view.version = *read->version;
    view.caption = m_system.FromStored(read->design.GetCaption());
    view.text = m_system.FromStored(read->design.GetText());
    view.style = read->design.GetStyle();
    for (const std::u16string& word : read->design.GetExtras().buttonTexts)
        view.buttonTexts.push_back(ToUtf8(word));
    view.countdown = read->design.GetExtras().countdown;
    m_system.Out(request.json ? DesignJson(view, m_maps) : DesignText(view, m_maps));
    return kExitDone;
}

int Cli::Check(const Request& request) {
    int exitCode = kExitDone;
    for (const std::string& path : request.files) {
        const std::string reason = CheckReason(Read(path));
        m_system.Out(CheckLine(path, reason) + "\n");
        if (reason != kSoundReason)
            exitCode = kExitFailed;
    }
    return exitCode;
}

int Cli::RunDocument(const Request& request) {
    const std::string& path = request.files[0];
    const std::optional<DocumentRead> read = ReadWhole(path);
    if (!read)
        return kExitBoxError;
    if (IsOtherVersion(*read->version))
        Error(OtherVersionWarning(path, ExactVersionText(*read->version)));
    return ShowBox(read->design, request.timeoutSeconds);
}

int Cli::Ask(const Request& request) {
    const std::optional<MessageBoxDesign> design = Design(request.box);
    return design ? ShowBox(*design, request.timeoutSeconds) : kExitBoxError;
}

int Cli::ShowBox(const MessageBoxDesign& design, std::optional<unsigned> timeoutSeconds) {
    const BoxOutcome outcome = m_system.ShowBox(design, timeoutSeconds);
    if (outcome.result == 0) {
        Error(NoBoxMessage(outcome.failure));
        return kExitBoxError;
    }
    return outcome.result;
}

} // namespace

int RunCli(const std::vector<std::string>& arguments, CliSystem& system) {
    try {
        return Cli(system).Run(arguments);
    } catch (const std::exception& e) {
        system.Err(kErrorPrefix + std::string(e.what()) + "\n");
    } catch (const CException& e) {
        system.Err(kErrorPrefix + system.ReasonOf(e) + "\n");
    }
    return NamesBoxCommand(arguments) ? kExitBoxError : kExitFailed;
}

} // namespace cli
