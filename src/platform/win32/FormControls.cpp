#include "platform/win32/FormParts.h"
#include "platform/win32/FormWindows.h"
#include "platform/win32/WideText.h"

#include <algorithm>
#include <commctrl.h>

namespace {

constexpr UINT_PTR kSubclassId = 1;

const wchar_t* ClassOf(ControlKind kind) {
    switch (kind) {
    case ControlKind::Label:
        return L"STATIC";
    case ControlKind::TextBox:
        return L"EDIT";
    case ControlKind::ScrollBar:
        return L"SCROLLBAR";
    case ControlKind::Button:
    case ControlKind::CheckBox:
        break;
    }
    return L"BUTTON";
}

// Buttons are drawn by the program so that they show their colour, as a graphical button does.
DWORD StyleOf(const Control& c) {
    switch (c.kind) {
    case ControlKind::Label:
        return SS_LEFT | SS_NOTIFY;
    case ControlKind::TextBox:
        return WS_TABSTOP |
               (c.multiLine ? ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL
                            : ES_AUTOHSCROLL);
    case ControlKind::Button:
        return WS_TABSTOP | BS_OWNERDRAW;
    case ControlKind::CheckBox:
        return WS_TABSTOP | BS_CHECKBOX;
    case ControlKind::ScrollBar:
        return c.rect.width >= c.rect.height ? SBS_HORZ : SBS_VERT;
    }
    return 0;
}

// A scroll bar whose minimum is above its maximum runs backwards; the native range must ascend.
SCROLLINFO ScrollInfoOf(const Control& c) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_POS;
    info.nMin = std::min(c.min, c.max);
    info.nMax = std::max(c.min, c.max);
    info.nPos = c.min <= c.max ? c.value : c.min + c.max - c.value;
    return info;
}

int ValueOfPosition(const Control& c, int position) {
    return c.min <= c.max ? position : c.min + c.max - position;
}

void PlaceControl(Win32State& s, HWND control, const TwipRect& r) {
    MoveWindow(control, PixelsX(s, r.left), PixelsY(s, r.top), PixelsX(s, r.width),
               PixelsY(s, r.height), TRUE);
}

void SetTip(FormView& v, HWND control, const std::string& tip, bool known) {
    TOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = v.hwnd;
    info.uId = reinterpret_cast<UINT_PTR>(control);
    if (known) SendMessageW(v.tooltip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    if (tip.empty()) return;
    std::wstring text = Wide(tip);
    info.lpszText = text.data();
    SendMessageW(v.tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void SetTextFromModel(FormView& v, HWND control, const std::string& text) {
    v.settingText = true;
    SetWindowTextW(control, WithCrLf(Wide(text)).c_str());
    v.settingText = false;
}

std::string WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return Narrow(text);
}

UserAction::Kind MouseKind(UINT message) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        return UserAction::Kind::MouseDown;
    case WM_MOUSEMOVE:
        return UserAction::Kind::MouseMove;
    default:
        return UserAction::Kind::MouseUp;
    }
}

MouseButton ButtonOf(UINT message, WPARAM keys) {
    switch (message) {
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
        return MouseButton::Right;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
        return MouseButton::Middle;
    case WM_MOUSEMOVE:
        return (keys & MK_RBUTTON)   ? MouseButton::Right
               : (keys & MK_MBUTTON) ? MouseButton::Middle
                                     : MouseButton::Left;
    default:
        return MouseButton::Left;
    }
}

// Labels and text boxes report the mouse with its position in twips inside the control; a move
// is reported only while a button is held, which is when the program follows it (a drag).
LRESULT CALLBACK ControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                             DWORD_PTR data) {
    auto& v = *reinterpret_cast<FormView*>(data);
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
    case WM_MOUSEMOVE: {
        if (message == WM_MOUSEMOVE && !(wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON))) break;
        const ControlView* cv = ControlOf(v, control);
        if (!cv || (cv->shown.kind != ControlKind::Label && cv->shown.kind != ControlKind::TextBox))
            break;
        const int x = static_cast<short>(LOWORD(lParam));
        const int y = static_cast<short>(HIWORD(lParam));
        Deliver(*v.state, {MouseKind(message), v.form->name, cv->name, cv->index,
                           TwipsX(*v.state, x), TwipsY(*v.state, y), ButtonOf(message, wParam)});
        break;
    }
    case WM_NCDESTROY:
        RemoveWindowSubclass(control, ControlProc, kSubclassId);
        break;
    default:
        break;
    }
    return DefSubclassProc(control, message, wParam, lParam);
}

ControlView* CreateControl(FormView& v, const Control& c) {
    const DWORD exStyle = c.kind == ControlKind::TextBox ? WS_EX_CLIENTEDGE : 0;
    const HWND hwnd = CreateWindowExW(exStyle, ClassOf(c.kind), nullptr, WS_CHILD | StyleOf(c), 0,
                                      0, 0, 0, v.hwnd, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!hwnd) return nullptr;
    SetWindowSubclass(hwnd, ControlProc, kSubclassId, reinterpret_cast<DWORD_PTR>(&v));
    if (c.kind == ControlKind::TextBox) SendMessageW(hwnd, EM_SETLIMITTEXT, 0x7FFFFFFE, 0);
    ControlView cv;
    cv.name = c.name;
    cv.index = c.index;
    cv.hwnd = hwnd;
    // Every property differs from what is shown until the first sync sets it.
    cv.shown.kind = c.kind;
    // Fixed by the style the control was made with.
    cv.shown.multiLine = c.multiLine;
    cv.shown.visible = false;
    cv.shown.enabled = true;
    cv.shown.fontPoints = 0;
    cv.shown.caption = "\x01";
    cv.shown.text = "\x01";
    cv.shown.rect = {-1, -1, -1, -1};
    cv.shown.min = 1;
    cv.shown.max = -1;
    v.controls.push_back(std::move(cv));
    return &v.controls.back();
}

bool SameRect(const TwipRect& a, const TwipRect& b) {
    return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

// Only what changed goes to the control, and only that is copied: this runs at every turn of
// the program's loop.
void SyncControl(Win32State& s, FormView& v, ControlView& cv, const Control& c) {
    Control& shown = cv.shown;
    const HWND hwnd = cv.hwnd;
    if (c.kind == ControlKind::TextBox) {
        if (c.text != shown.text) {
            SetTextFromModel(v, hwnd, c.text);
            shown.text = c.text;
        }
    } else if (c.kind != ControlKind::ScrollBar && c.caption != shown.caption) {
        SetWindowTextW(hwnd, Wide(c.caption).c_str());
        InvalidateRect(hwnd, nullptr, TRUE);
        shown.caption = c.caption;
    }
    if (c.fontPoints != shown.fontPoints) {
        SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(s, c.fontPoints)), TRUE);
        shown.fontPoints = c.fontPoints;
    }
    if (!SameRect(c.rect, shown.rect)) {
        PlaceControl(s, hwnd, c.rect);
        shown.rect = c.rect;
    }
    if (c.color != shown.color) {
        InvalidateRect(hwnd, nullptr, TRUE);
        shown.color = c.color;
    }
    if (c.enabled != shown.enabled) {
        EnableWindow(hwnd, c.enabled);
        shown.enabled = c.enabled;
    }
    if (c.kind == ControlKind::CheckBox && c.checked != shown.checked) {
        SendMessageW(hwnd, BM_SETCHECK, c.checked ? BST_CHECKED : BST_UNCHECKED, 0);
        shown.checked = c.checked;
    }
    if (c.kind == ControlKind::ScrollBar &&
        (c.value != shown.value || c.min != shown.min || c.max != shown.max)) {
        const SCROLLINFO info = ScrollInfoOf(c);
        SetScrollInfo(hwnd, SB_CTL, &info, TRUE);
        shown.value = c.value;
        shown.min = c.min;
        shown.max = c.max;
    }
    if (c.tip != shown.tip) {
        SetTip(v, hwnd, c.tip, !shown.tip.empty());
        shown.tip = c.tip;
    }
    if (c.visible != shown.visible) {
        ShowWindow(hwnd, c.visible ? SW_SHOWNA : SW_HIDE);
        shown.visible = c.visible;
    }
}

} // namespace

ControlView* ControlOf(FormView& v, HWND control) {
    for (ControlView& cv : v.controls)
        if (cv.hwnd == control) return &cv;
    return nullptr;
}

void SyncControls(Win32State& s, FormView& v) {
    const auto matches = [](const ControlView& cv, const Control& c) {
        return cv.index == c.index && cv.name == c.name;
    };
    for (std::size_t i = 0; i < v.form->controls.size(); ++i) {
        const Control& c = v.form->controls[i];
        // The views are made in the model's order, so the same position nearly always matches.
        ControlView* cv =
            i < v.controls.size() && matches(v.controls[i], c) ? &v.controls[i] : nullptr;
        if (!cv) {
            auto it = std::find_if(v.controls.begin(), v.controls.end(),
                                   [&](const ControlView& view) { return matches(view, c); });
            cv = it != v.controls.end() ? &*it : CreateControl(v, c);
        }
        if (cv) SyncControl(s, v, *cv, c);
    }
    // A control the model no longer has is hidden.
    for (ControlView& cv : v.controls) {
        if (!cv.shown.visible || FindControl(*v.form, cv.name, cv.index)) continue;
        ShowWindow(cv.hwnd, SW_HIDE);
        cv.shown.visible = false;
    }
}

void DrawOwnerButton(Win32State& s, FormView& v, const DRAWITEMSTRUCT& item) {
    const ControlView* cv = ControlOf(v, item.hwndItem);
    if (!cv) return;
    const Control& c = cv->shown;
    const bool pushed = (item.itemState & ODS_SELECTED) != 0;
    RECT r = item.rcItem;
    FillRect(item.hDC, &r, BrushOf(s, c.color));
    DrawEdge(item.hDC, &r, pushed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    if (pushed) OffsetRect(&r, 1, 1);
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, GetSysColor(c.enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    const HGDIOBJ oldFont = SelectObject(item.hDC, FontOf(s, c.fontPoints));
    const UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP |
                        ((item.itemState & ODS_NOACCEL) ? DT_HIDEPREFIX : 0u);
    DrawTextW(item.hDC, Wide(c.caption).c_str(), -1, &r, format);
    SelectObject(item.hDC, oldFont);
    if (item.itemState & ODS_FOCUS) {
        RECT focus = item.rcItem;
        InflateRect(&focus, -3, -3);
        if (focus.right > focus.left && focus.bottom > focus.top) DrawFocusRect(item.hDC, &focus);
    }
}

HBRUSH ControlColour(Win32State& s, FormView& v, HWND control, HDC dc) {
    const ControlView* cv = ControlOf(v, control);
    if (!cv) return nullptr;
    SetBkColor(dc, cv->shown.color);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    return BrushOf(s, cv->shown.color);
}

void OnControlCommand(FormView& v, HWND control, WORD code) {
    ControlView* cv = ControlOf(v, control);
    if (!cv) return;
    Control* c = FindControl(*v.form, cv->name, cv->index);
    if (!c) return;
    UserAction action{UserAction::Kind::Click, v.form->name, cv->name, cv->index, 0, 0, {}};
    switch (c->kind) {
    case ControlKind::Button:
        if (code != BN_CLICKED && code != BN_DOUBLECLICKED) return;
        break;
    case ControlKind::CheckBox:
        if (code != BN_CLICKED) return;
        c->checked = !c->checked;
        cv->shown.checked = c->checked;
        SendMessageW(control, BM_SETCHECK, c->checked ? BST_CHECKED : BST_UNCHECKED, 0);
        break;
    case ControlKind::Label:
        if (code != STN_CLICKED) return;
        break;
    case ControlKind::TextBox: {
        if (code != EN_CHANGE || v.settingText) return;
        std::string text = WindowText(control);
        if (text == c->text) return;
        c->text = text;
        cv->shown.text = std::move(text);
        action.kind = UserAction::Kind::Change;
        break;
    }
    case ControlKind::ScrollBar:
        return;
    }
    Deliver(*v.state, action);
}

void OnControlScroll(FormView& v, HWND bar, WORD code) {
    ControlView* cv = ControlOf(v, bar);
    Control* c = cv ? FindControl(*v.form, cv->name, cv->index) : nullptr;
    if (!c || c->kind != ControlKind::ScrollBar) return;
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    if (!GetScrollInfo(bar, SB_CTL, &info)) return;
    const int page = std::max(1, (info.nMax - info.nMin) / 10);
    int position = info.nPos;
    switch (code) {
    case SB_LINEUP:
        --position;
        break;
    case SB_LINEDOWN:
        ++position;
        break;
    case SB_PAGEUP:
        position -= page;
        break;
    case SB_PAGEDOWN:
        position += page;
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        position = info.nTrackPos;
        break;
    case SB_TOP:
        position = info.nMin;
        break;
    case SB_BOTTOM:
        position = info.nMax;
        break;
    default:
        return;
    }
    position = std::clamp(position, info.nMin, info.nMax);
    const int value = ValueOfPosition(*c, position);
    if (value == c->value) return;
    c->value = value;
    cv->shown.value = value;
    SetScrollPos(bar, SB_CTL, position, TRUE);
    Deliver(*v.state, {UserAction::Kind::Scroll, v.form->name, cv->name, cv->index, 0, 0, {}});
}

std::optional<std::size_t> TextIndexAt(Win32State& s, const Form& form, std::string_view control,
                                       int x, int y) {
    for (const auto& v : s.views) {
        if (v->form != &form || !v->hwnd) continue;
        for (const ControlView& c : v->controls) {
            if (c.name != control || !c.hwnd || !c.shown.multiLine || !IsWindowVisible(c.hwnd))
                continue;
            const int px = PixelsX(s, x);
            const int py = PixelsY(s, y);
            const LRESULT found =
                SendMessageW(c.hwnd, EM_CHARFROMPOS, 0,
                             MAKELPARAM(static_cast<WORD>(px), static_cast<WORD>(py)));
            if (found == -1) return std::nullopt;
            const auto shownIndex = static_cast<std::size_t>(LOWORD(found));
            // The control answers the nearest character, also for a point below the last row:
            // a point is on a character's row only from the row's top to the next row's.
            const LRESULT at = SendMessageW(c.hwnd, EM_POSFROMCHAR, shownIndex, 0);
            TEXTMETRICW metrics{};
            const HDC dc = GetDC(c.hwnd);
            const HGDIOBJ old = SelectObject(dc, FontOf(s, c.shown.fontPoints));
            GetTextMetricsW(dc, &metrics);
            SelectObject(dc, old);
            ReleaseDC(c.hwnd, dc);
            const int top = static_cast<short>(HIWORD(at));
            if (at != -1 && py >= top + metrics.tmHeight) return std::nullopt;
            return IndexWithoutAddedCr(c.shown.text, shownIndex);
        }
    }
    return std::nullopt;
}
