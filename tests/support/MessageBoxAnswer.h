// Answers a system message box of this process from a second thread, keeping its text.
#pragma once

#include <windows.h>

#include <string>
#include <thread>

// Started before the call that puts up the box: waits (up to timeoutMs) for a message box of
// this process with the given caption, reads its text and presses the button with the given
// id. The box is modal on the test's thread, so only another thread can answer it.
class MessageBoxAnswer {
public:
    explicit MessageBoxAnswer(const char* caption, int button = IDOK, DWORD timeoutMs = 10000);
    ~MessageBoxAnswer();
    MessageBoxAnswer(const MessageBoxAnswer&) = delete;
    MessageBoxAnswer& operator=(const MessageBoxAnswer&) = delete;

    // The text of the box that was answered; empty when none appeared in time.
    std::string Text();

private:
    void Answer(std::string caption, int button, DWORD timeoutMs);

    std::thread thread_;
    std::string text_;
};
