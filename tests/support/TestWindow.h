// A plain top-level window that records the messages a test watches, and a bounded message pump.
#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <vector>

// Dispatches this thread's messages until condition() holds or timeoutMs has passed;
// returns the last value of condition(). A quit message is left in the queue.
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 5000);

// A top-level window with a procedure of its own (not the framework's), to act as the parent
// of the window under test. It records the watched messages it receives and gives every
// message default processing. It stays hidden unless a test needs it on screen (real input,
// or a child that reports its size only while visible).
class RecordingParent {
public:
    struct Message {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };

    explicit RecordingParent(std::initializer_list<UINT> watched = {}, bool visible = false);
    ~RecordingParent();
    RecordingParent(const RecordingParent&) = delete;
    RecordingParent& operator=(const RecordingParent&) = delete;

    HWND Handle() const { return window_; }
    const std::vector<Message>& Received() const { return received_; }
    void Clear() { received_.clear(); }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    std::vector<UINT> watched_;
    std::vector<Message> received_;
};
