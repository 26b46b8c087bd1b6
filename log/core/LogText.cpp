#include "LogText.h"

#include "support/core/ValueFormat.h"
#include "support/core/VersionText.h"

namespace {

std::time_t SystemClock() {
    return std::time(nullptr);
}

std::string LocalTime(std::time_t time, const char* pattern) {
    char buffer[64] = "";
    if (const std::tm* local = std::localtime(&time))
        std::strftime(buffer, sizeof buffer, pattern, local);
    return buffer;
}

std::string DateTime(std::time_t time) {
    return LocalTime(time, "%m/%d/%Y %H:%M:%S");
}

std::string TwoDigits(long long value) {
    return IntToString(static_cast<std::int32_t>(value), 2);
}

} // namespace

LogText::LogText(Clock clock) : m_clock(clock ? clock : SystemClock), m_startTime(m_clock()) {
    AppendRaw("[Zembra version " + ProductVersionText() + " started at " + DateTime(m_startTime) +
              "]");
}

void LogText::Append(const std::string& text) {
    m_strText += ClockText();
    m_strText += "-> ";
    AppendRaw(text);
}

void LogText::AppendRaw(const std::string& text) {
    for (std::size_t start = 0;;) {
        const std::size_t lineFeed = text.find('\n', start);
        if (lineFeed == std::string::npos) {
            m_strText.append(text, start, std::string::npos);
            break;
        }
        m_strText.append(text, start, lineFeed - start);
        m_strText += "\\n";
        start = lineFeed + 1;
    }
    m_strText += '\n';
}

std::string LogText::GetRunTime() const {
    long long seconds = static_cast<long long>(m_clock() - m_startTime);
    if (seconds < 0)
        seconds = 0;
    return TwoDigits(seconds / 3600 % 24) + ":" + TwoDigits(seconds / 60 % 60) + ":" +
           TwoDigits(seconds % 60);
}

void LogText::AppendEndLines() {
    AppendRaw("[Program ended at " + DateTime(m_clock()) + "]");
    AppendRaw("[Program run-time " + GetRunTime() + "]");
}

void LogText::MarkWritten() {
    m_bWritten = true;
    m_strText.clear();
}

const std::string& LogText::ClockText() const {
    const std::time_t now = m_clock();
    if (now != m_clockTime) {
        m_clockTime = now;
        m_strClock = LocalTime(now, "%H:%M:%S");
    }
    return m_strClock;
}
