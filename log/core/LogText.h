#pragma once
// The text of the program log: time-stamped lines collected in memory during a run.

#include <ctime>
#include <string>

class LogText {
public:
    using Clock = std::time_t (*)();

    // Takes the start time and appends the header line.
    explicit LogText(Clock clock = nullptr);
    LogText(const LogText&) = delete;
    LogText& operator=(const LogText&) = delete;

    // One entry: the clock, "-> " and the text.
    void Append(const std::string& text);
    // One line without clock. Line feeds inside the text are written as "\n".
    void AppendRaw(const std::string& text);

    const std::string& GetText() const { return m_strText; }
    // Time since the start as hours within the day, minutes and seconds.
    std::string GetRunTime() const;
    bool IsWritten() const { return m_bWritten; }

protected:
    // The end and run-time lines that close a run in the log file.
    void AppendEndLines();
    // The text has reached the file: it is emptied and never written again.
    void MarkWritten();

private:
    const std::string& ClockText() const;

    std::time_t (*m_clock)();
    std::time_t m_startTime;
    std::string m_strText;
    bool m_bWritten = false;
    mutable std::time_t m_clockTime = -1;
    mutable std::string m_strClock;
};
