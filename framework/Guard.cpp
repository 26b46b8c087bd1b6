#include "Guard.h"

#include "framework/CodePage.h"
#include "framework/core/Exception.h"

#include <exception>
#include <new>

namespace {

ExceptionReporter g_reporter = nullptr;

std::string DescribeCurrentException() {
    try {
        throw;
    } catch (const CException& e) {
        // The framework's exceptions carry the system's texts, in the ANSI code page.
        return e.Message().empty() ? "Framework exception without text." : AnsiToUtf8(e.Message());
    } catch (const std::bad_alloc&) {
        return "Out of memory.";
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "Unknown exception.";
    }
}

} // namespace

void SetExceptionReporter(ExceptionReporter reporter) {
    g_reporter = reporter;
}

void ReportCurrentException(const char* where) noexcept {
    if (g_reporter == nullptr)
        return;
    try {
        g_reporter(where, DescribeCurrentException());
    } catch (...) {
        // The reporter itself failed (out of memory while building its text): nothing more to do.
    }
}
