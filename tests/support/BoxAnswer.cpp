// Answers the next message box or dialog of this process by pressing one of its buttons.
#include "support/BoxAnswer.h"

namespace {
// The static control that holds a system message box's text.
constexpr int kMessageTextId = 0xFFFF;
}  // namespace

DialogAnswerer::Answer AnswerBox(int button, std::string* text)
{
    return [button, text](HWND box) {
        *text = WindowText(GetDlgItem(box, kMessageTextId));
        ClickButton(box, button);
    };
}

BoxAnswer::BoxAnswer(int button, DWORD timeoutMs)
    : watch_(
          "#32770", nullptr,
          [this, button](HWND box) {
              // The box's thread runs the box's modal loop now, so it answers these.
              caption_ = WindowText(box);
              text_ = WindowText(GetDlgItem(box, kMessageTextId));
              appeared_ = true;
              ClickButton(box, button);
          },
          timeoutMs)
{
}

bool BoxAnswer::Appeared()
{
    watch_.Finished();
    return appeared_;
}

std::string BoxAnswer::Caption()
{
    watch_.Finished();
    return caption_;
}

std::string BoxAnswer::Text()
{
    watch_.Finished();
    return text_;
}
