#pragma once
// The product's seams as a test watches them from inside the process: the messages shown through
// ShowMessage and the string values whose writing failed, each recorded instead of shown while
// its recorder lives. For the tests that link the support library.

#include "framework/MessageBox.h"
#include "support/FailedStringWrite.h"

#include <windows.h>

#include <string>
#include <vector>

namespace testdriver {

struct ShownMessage {
    std::string text;
    std::string caption;
    unsigned type;
};

// Every message shown through ShowMessage, recorded instead of shown and answered with the
// given answer; the seam is put back as a program finds it when the recorder ends.
class MessageRecorder {
public:
    explicit MessageRecorder(int answer = IDOK) {
        Shown().clear();
        Answer() = answer;
        SetMessageHandler(&Record);
    }
    ~MessageRecorder() { SetMessageHandler(nullptr); }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    static std::vector<ShownMessage>& Shown() {
        static std::vector<ShownMessage> shown;
        return shown;
    }

private:
    static int& Answer() {
        static int answer = IDOK;
        return answer;
    }
    static int Record(const std::string& text, const std::string& caption, unsigned type) {
        Shown().push_back({text, caption, type});
        return Answer();
    }
};

// The name of every string value the registry refused in a write given Told(), in order.
class FailedWriteRecorder {
public:
    FailedWriteRecorder() = default;
    FailedWriteRecorder(const FailedWriteRecorder&) = delete;
    FailedWriteRecorder& operator=(const FailedWriteRecorder&) = delete;

    FailedStringWrite Told() {
        return [this](const std::string& valueName) { m_names.push_back(valueName); };
    }
    const std::vector<std::string>& Names() const { return m_names; }

private:
    std::vector<std::string> m_names;
};

} // namespace testdriver
