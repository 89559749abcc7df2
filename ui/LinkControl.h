// The owner-drawn button that shows a web address as a link; its owner draws the text.
#pragma once

#include "ui/PushButton.h"

class LinkControl : public PushButton {
public:
    LinkControl() { SetStyle(WS_CHILD | WS_VISIBLE | BS_OWNERDRAW); }
};
