// Answers the next message box or dialog of this process by pressing one of its buttons,
// from a second thread, keeping its caption and text.
#pragma once

#include <windows.h>

#include <string>

#include "support/DialogAnswerer.h"

// An answer for a message box that comes after another window (see InTurn): keeps the
// box's text in *text and presses button.
DialogAnswerer::Answer AnswerBox(int button, std::string* text);

// Started before the call that may put the box up. The watch finds the box by its class
// alone and sends nothing to any window before the box is there, so a box that never comes
// costs the timeout and nothing more, even while the test thread waits for the watch.
class BoxAnswer {
public:
    explicit BoxAnswer(int button, DWORD timeoutMs = 10000);

    // Each waits for the watch to end.
    bool Appeared();
    std::string Caption();
    std::string Text();

private:
    bool appeared_ = false;
    std::string caption_;
    std::string text_;
    DialogAnswerer watch_;
};
