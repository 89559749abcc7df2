// A standard push button with the accelerator character of its title.
#pragma once

#include "ui/ControlObject.h"

class PushButton : public ControlObject {
public:
    explicit PushButton(int subclass = 0);

    int Create(HWND parent, int id, const char* title, int x, int y, int width, int height) override;
    int OnCommand(int code, int id) override;

    // The character after the first '&' of the title, as written; 0 without one.
    char Accelerator() const { return accelerator_; }

private:
    int subclass_;
    char accelerator_ = 0;
};
