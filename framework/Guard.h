#pragma once
// The barrier at every entry point from the system (window and dialog procedures, callbacks,
// WinMain): no exception passes it. What was caught goes to the program's reporter, and the
// operation that raised it ends there.

#include <string>

// Told where an exception was stopped and what it said, in UTF-8. Must not throw.
using ExceptionReporter = void (*)(const std::string& where, const std::string& what);

// The program's reporter; NULL (the default) reports nothing.
void SetExceptionReporter(ExceptionReporter reporter);

// Hands the exception being handled to the reporter. Call it only inside a catch block.
void ReportCurrentException(const char* where) noexcept;

// Runs body and returns its result; when it throws, reports where and returns onFailure.
template <typename Result, typename Body>
Result Guarded(const char* where, Result onFailure, Body&& body) noexcept {
    try {
        return body();
    } catch (...) {
        ReportCurrentException(where);
        return onFailure;
    }
}
