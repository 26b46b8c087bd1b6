// Help, About in the running editor: the dialog's run-time texts replace every placeholder of its
// template, the dates are real dates in month/day/year form, and OK, Esc and the close box all
// close it; it shows the program's own icon.

#include "tests/driver/Control.h"
#include "tests/driver/Files.h"
#include "tests/driver/Handles.h"
#include "tests/driver/Resources.h"
#include "tests/driver/Window.h"
#include "tests/e2e/E2e.h"
#include "tests/e2e/EditorSession.h"

#include <cstdlib>
#include <regex>

using namespace e2e;
using namespace testdriver;

namespace {

// A calendar day as a number that grows by one each day.
using Day = long long;

Day DayOf(const FILETIME& time) {
    const ULARGE_INTEGER ticks{{time.dwLowDateTime, time.dwHighDateTime}};
    return static_cast<Day>(ticks.QuadPart / (10000000ULL * 60 * 60 * 24));
}

// The day after label in a line "label mm/dd/yyyy"; nothing when the line is not of that form
// or names no real day.
std::optional<Day> DateAfter(const std::string& label, const std::string& line) {
    static const std::regex kDate(R"((\d\d)/(\d\d)/(\d{4}))");
    if (line.rfind(label, 0) != 0)
        return std::nullopt;
    std::smatch match;
    const std::string rest = line.substr(label.size());
    if (!std::regex_match(rest, match, kDate))
        return std::nullopt;
    SYSTEMTIME time{};
    time.wMonth = static_cast<WORD>(std::stoi(match[1]));
    time.wDay = static_cast<WORD>(std::stoi(match[2]));
    time.wYear = static_cast<WORD>(std::stoi(match[3]));
    FILETIME file{};
    SYSTEMTIME back{};
    // Rejects days that do not exist ("02/30/2026").
    if (!SystemTimeToFileTime(&time, &file) || !FileTimeToSystemTime(&file, &back) ||
        back.wDay != time.wDay || back.wMonth != time.wMonth)
        return std::nullopt;
    return DayOf(file);
}

// The day (UTC) of the build's time, its first line in the build's release stamp: the program
// was linked with that time (SOURCE_DATE_EPOCH), whenever the build ran.
Day BuildDay() {
    const auto stamp = ReadFileBytes(WindowsPathOf(ZEMBRA_RELEASE_STAMP_PATH));
    EXPECT_TRUE(stamp) << ZEMBRA_RELEASE_STAMP_PATH;
    const long long secondsSince1970 = stamp ? std::atoll(stamp->c_str()) : 0;
    constexpr long long kSecondsFrom1601To1970 = 11644473600LL;
    return (secondsSince1970 + kSecondsFrom1601To1970) / (60 * 60 * 24);
}

using Pixels = std::vector<DWORD>;

Pixels PixelsOf(const DibSection& dib) {
    GdiFlush();
    Pixels pixels;
    for (int y = 0; y < dib.Height(); ++y) {
        for (int x = 0; x < dib.Width(); ++x)
            pixels.push_back(dib.Pixel(x, y));
    }
    return pixels;
}

// What the screen shows in rect; empty when it cannot be copied.
Pixels Capture(const RECT& rect) {
    const ScreenDC screen;
    const MemoryDC memory;
    const DibSection dib(rect.right - rect.left, rect.bottom - rect.top);
    if (!screen || !memory || !dib)
        return {};
    const SelectedObject selected(memory.Get(), dib.Get());
    if (!selected || !BitBlt(memory.Get(), 0, 0, dib.Width(), dib.Height(), screen.Get(), rect.left,
                             rect.top, SRCCOPY))
        return {};
    return PixelsOf(dib);
}

// The program's icon (resource 101 of its file) as an icon control draws it on the dialog's
// face colour, or just the face colour; empty when it cannot be drawn.
Pixels Draw(bool withIcon, SIZE size) {
    const int width = size.cx, height = size.cy;
    const auto program = ProgramResources::Load(ZembraPath());
    const IconHandle icon(
        program ? static_cast<HICON>(LoadImageA(program->Module(), MAKEINTRESOURCEA(101),
                                                IMAGE_ICON, width, height, 0))
                : nullptr);
    const MemoryDC memory;
    const DibSection dib(width, height);
    if (!icon.Get() || !memory || !dib)
        return {};
    const SelectedObject selected(memory.Get(), dib.Get());
    const RECT all{0, 0, width, height};
    if (!selected || !FillRect(memory.Get(), &all, GetSysColorBrush(COLOR_3DFACE)) ||
        (withIcon &&
         !DrawIconEx(memory.Get(), 0, 0, icon.Get(), width, height, 0, nullptr, DI_NORMAL)))
        return {};
    return PixelsOf(dib);
}

// How many pixels differ by more than a rounding error in any colour channel.
std::size_t Differing(const Pixels& a, const Pixels& b) {
    std::size_t differing = 0;
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        for (int shift = 0; shift < 24; shift += 8) {
            if (std::abs(static_cast<int>((a[i] >> shift) & 0xFF) -
                         static_cast<int>((b[i] >> shift) & 0xFF)) > 16) {
                ++differing;
                break;
            }
        }
    }
    return differing;
}

class About : public EditorDialogTest {
protected:
    // The run logs into the scratch folder, set before the editor starts and loads it.
    void SetUp() override {
        SetLogging(true, m_log, "65536");
        OpenEditorDialog(kAbout);
    }

    std::string Line(int id) const { return WindowText(FindControl(m_dialog, id)); }

    const std::string m_log = m_scratch.Path() + "about.txt";
};

TEST_F(About, ShowsNameVersionCreditDatesAndTheProgramsIconInsteadOfThePlaceholders) {
    EXPECT_EQ(TextOf(m_dialog), std::string("About Zembra..."));
    EXPECT_EQ(Line(1007), "Zembra 1.0");
    EXPECT_NE(Line(1008).find("the Zembra developers"), std::string::npos) << Line(1008);

    const auto released = DateAfter("First Released: ", Line(1009));
    const auto built = DateAfter("Recompiled: ", Line(1010));
    ASSERT_TRUE(released) << Line(1009);
    ASSERT_TRUE(built) << Line(1010);
    EXPECT_LE(*released, *built) << "built before it was first released";
    EXPECT_EQ(*built, BuildDay()) << Line(1010) << " is not when the program was built";

    for (HWND control : Descendants(m_dialog)) {
        for (const char* placeholder : {"First Line", "Second Line", "Third Line", "Fourth Line"})
            EXPECT_NE(WindowText(control), placeholder);
    }

    const HWND icon = FindIconControl(m_dialog);
    ASSERT_NE(icon, nullptr) << "no icon control";
    Settle(m_dialog);
    const RECT place = ScreenRect(icon);
    const Pixels shown = Capture(place);
    const Pixels expected = Draw(true, SizeOf(place));
    const Pixels blank = Draw(false, SizeOf(place));
    ASSERT_FALSE(shown.empty());
    ASSERT_EQ(expected.size(), shown.size()) << "the program's icon could not be drawn";
    ASSERT_GT(Differing(expected, blank), expected.size() / 10) << "the icon draws as blank";
    EXPECT_LE(Differing(shown, expected), shown.size() / 100) << "another picture is shown";
    CloseEditorDialog();
}

// Each way in turn, in one run, which logs each opening and closing.
TEST_F(About, EveryWayOfClosingReturnsToTheEditorAndIsLogged) {
    std::vector<std::string> logged;
    for (const DialogExit& way : {kOkButton, kEnterKey, kEscapeKey, kCloseBox}) {
        SCOPED_TRACE(way.name);
        if (!logged.empty()) {
            ASSERT_NO_FATAL_FAILURE(ReopenDialog(kAbout));
        }
        ASSERT_TRUE(CloseDialog(m_dialog, way));
        logged.insert(logged.end(), {"Help->About clicked.", "Calling CAboutDialog.DoModal().",
                                     "CAboutDialog::OnInitDialog() beginning.",
                                     "CAboutDialog::OnInitDialog() succeeded.",
                                     "CAboutDialog.DoModal() returned."});
    }
    CloseEditor();
    EXPECT_TRUE(HasConsecutive(LogFileEntries(m_log), logged));
}

} // namespace
