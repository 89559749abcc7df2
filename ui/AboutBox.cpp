// The round about box: the program's icon, its version lines, an Ok button and the maker's link.
#include "ui/AboutBox.h"

#include "ui/TextLines.h"

AboutBox::~AboutBox()
{
    linkFont_.Release();
}

int AboutBox::CreateBox()
{
    RECT ownerClient;
    GetClientRect(Owner(), &ownerClient);
    SetStyle(WS_POPUP | WS_VISIBLE);  // no caption and no border: the window is the oval
    const int width = WidestLine() + 4 * CharUnit();
    const int height = (LineCount() + (Caption()[0] ? 10 : 8)) * LineHeight();
    CreateWindowObject("CMSGCLASS", Owner(), nullptr, "", ownerClient.right / 2, ownerClient.bottom / 2, width, height);
    linkCreated_ = 0;
    return Handle() != nullptr;
}

void AboutBox::CreateButtons()
{
    RECT client;
    GetClientRect(Handle(), &client);
    boxWidth_ = client.right - client.left + 1;
    boxHeight_ = client.bottom - client.top + 1;
    // The window owns the region from here on; clicks outside the oval pass through it.
    SetWindowRgn(Handle(), CreateEllipticRgn(0, 0, boxWidth_, boxHeight_), TRUE);
    SetWindowPos(Handle(), HWND_TOP, 0, 0, boxWidth_, boxHeight_, SWP_NOMOVE);
    PlaceButton(0, "&Ok", client.right / 2 - 30, client.bottom - 3 * LineHeight(), IDOK);
}

void AboutBox::OnPaint()
{
    PAINTSTRUCT paint;
    HDC context = BeginPaint(Handle(), &paint);
    HBRUSH plate = CreateSolidBrush(BackColour());
    HPEN outline = CreatePen(PS_SOLID, 3, RGB(255, 0, 0));
    HGDIOBJ previousBrush = SelectObject(context, plate);
    HGDIOBJ previousPen = SelectObject(context, outline);
    Ellipse(context, 1, 1, boxWidth_ - 2, boxHeight_ - 2);
    SelectObject(context, previousPen);
    SelectObject(context, previousBrush);
    DeleteObject(outline);
    DeleteObject(plate);

    if (Icon()) {
        DrawIcon(context, boxWidth_ / 2 - 16, 18, Icon());
    }
    SetTextColor(context, TextColour());
    SetBkColor(context, BackColour());
    const int textTop = 2 * LineHeight() + 32;
    ForEachLine(Text(), [this, context, textTop](const char* line, int length, int index) {
        SIZE size = {};
        GetTextExtentPoint32A(context, line, length, &size);
        TextOutA(context, (boxWidth_ - size.cx) / 2, textTop + index * LineHeight(), line, length);
    });
    // The link's place depends on the paint context's font, so it is made at the first
    // paint of each showing, and only then.
    if (Caption()[0] && !linkCreated_) {
        CreateLink(context, textTop + LineCount() * LineHeight() + LineHeight());
    }
    EndPaint(Handle(), &paint);
}

void AboutBox::CreateLink(HDC context, int top)
{
    linkFont_.logFont.lfUnderline = 1;
    linkFont_.textColour = RGB(0, 0, 128);
    linkFont_.MakeFont(context, "MS Sans Serif", 12);
    HGDIOBJ previous = linkFont_.Apply(context);
    SIZE size = {};
    GetTextExtentPoint32A(context, Caption(), lstrlenA(Caption()), &size);
    SelectObject(context, previous);
    linkRect_.left = (boxWidth_ - size.cx) / 2;
    linkRect_.top = top;
    linkRect_.right = linkRect_.left + size.cx;
    linkRect_.bottom = top + size.cy;
    link_.Create(Handle(), 0, "", linkRect_.left, linkRect_.top, size.cx, size.cy);
    linkCreated_ = 1;
}

void AboutBox::OnDrawItem(WPARAM, LPARAM lParam)
{
    if (!link_.Id()) {
        return;
    }
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    HGDIOBJ previous = linkFont_.Apply(item->hDC);
    SetBkColor(item->hDC, BackColour());
    TextOutA(item->hDC, 0, 0, Caption(), lstrlenA(Caption()));
    SelectObject(item->hDC, previous);
}

void AboutBox::OnOtherCommand(int, LPARAM lParam)
{
    if (!link_.Handle() || reinterpret_cast<HWND>(lParam) != link_.Handle()) {
        return;
    }
    // GetParent gives the box's owner as the system records it: the top-level window.
    shellOpen(GetParent(Handle()), Caption());
    // Ends the box as "&Ok" would; the close request this leaves behind dies with the window.
    SendMessageA(Handle(), WM_COMMAND, static_cast<WPARAM>(ButtonId(0)), 0);
}
