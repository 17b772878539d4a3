#include "platform/win32/FormWindows.h"

#include "platform/win32/FormParts.h"
#include "platform/win32/Login.h"
#include "platform/win32/WideText.h"

#include <algorithm>
#include <commctrl.h>

namespace {

constexpr const wchar_t* kFormClass = L"QuibnoteForm";
// Model changes made inside a handler's busy loop reach the screen this often at the latest;
// the loop head and every delivered action bring the windows in step at once.
constexpr ULONGLONG kNestedSyncMs = 10;

FormView* ViewOf(Win32State& s, const Form& form) {
    for (auto& v : s.views)
        if (v->form == &form) return v.get();
    return nullptr;
}

bool IsOwnWindow(const Win32State& s, HWND window) {
    return std::any_of(s.views.begin(), s.views.end(),
                       [&](const auto& v) { return v->hwnd && v->hwnd == window; });
}

RECT PixelRectOf(const Win32State& s, const TwipRect& r) {
    const int left = PixelsX(s, r.left);
    const int top = PixelsY(s, r.top);
    return {left, top, left + PixelsX(s, r.width), top + PixelsY(s, r.height)};
}

void Raise(HWND window, bool topmost) {
    SetWindowPos(window, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// The user moved or sized the window: the model takes the new geometry, unless the window still
// stands where the model's twips put it (so rounding to pixels never moves the model).
void RecordGeometry(FormView& v) {
    RECT r;
    if (IsIconic(v.hwnd) || !GetWindowRect(v.hwnd, &r)) return;
    const Win32State& s = *v.state;
    const RECT shown = PixelRectOf(s, v.shown.rect);
    if (EqualRect(&r, &shown)) return;
    v.form->rect = {TwipsX(s, r.left), TwipsY(s, r.top), TwipsX(s, r.right - r.left),
                    TwipsY(s, r.bottom - r.top)};
    v.shown.rect = v.form->rect;
}

void RecordState(FormView& v, WPARAM sizeKind) {
    if (sizeKind == SIZE_MINIMIZED)
        v.form->state = v.shown.state = WindowState::Minimized;
    else if (sizeKind == SIZE_RESTORED && v.shown.state == WindowState::Minimized)
        v.form->state = v.shown.state = WindowState::Normal;
}

LRESULT CALLBACK FormProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* v = reinterpret_cast<FormView*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!v || !v->form) return DefWindowProcW(hwnd, message, wParam, lParam);
    Win32State& s = *v->state;
    switch (message) {
    case WM_CLOSE:
        Deliver(s, {UserAction::Kind::Close, v->form->name, {}, -1, 0, 0, {}});
        return 0;
    case WM_ERASEBKGND: {
        RECT r;
        GetClientRect(hwnd, &r);
        FillRect(reinterpret_cast<HDC>(wParam), &r, BrushOf(s, v->shown.color));
        return 1;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
        if (const HBRUSH brush =
                ControlColour(s, *v, reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam)))
            return reinterpret_cast<LRESULT>(brush);
        break;
    case WM_DRAWITEM:
        DrawOwnerButton(s, *v, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_COMMAND:
        if (lParam != 0)
            OnControlCommand(*v, reinterpret_cast<HWND>(lParam), HIWORD(wParam));
        else if (HIWORD(wParam) == 0)
            OnMenuCommand(*v, LOWORD(wParam));
        return 0;
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (lParam != 0) OnControlScroll(*v, reinterpret_cast<HWND>(lParam), LOWORD(wParam));
        return 0;
    case WM_ENTERMENULOOP:
        v->menuOpen = true;
        break;
    case WM_EXITMENULOOP:
        v->menuOpen = false;
        break;
    case WM_INITMENUPOPUP:
        OnMenuOpening(*v, reinterpret_cast<HMENU>(wParam));
        return 0;
    case WM_EXITSIZEMOVE:
        RecordGeometry(*v);
        break;
    case WM_SIZE:
        RecordState(*v, wParam);
        break;
    default:
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

// Borderless forms (the display panel) never take the activation from the window the user types
// in, and stay out of the taskbar.
void CreateFormWindow(Win32State& s, FormView& v) {
    const Form& f = *v.form;
    const DWORD style = (f.borderless ? WS_POPUP : WS_OVERLAPPEDWINDOW) | WS_CLIPCHILDREN;
    DWORD exStyle = f.borderless ? WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE : 0;
    if (f.topmost) exStyle |= WS_EX_TOPMOST;
    const RECT r = PixelRectOf(s, f.rect);
    v.hwnd = CreateWindowExW(exStyle, kFormClass, Wide(f.caption).c_str(), style, r.left, r.top,
                             r.right - r.left, r.bottom - r.top, nullptr, nullptr,
                             GetModuleHandleW(nullptr), &v);
    if (!v.hwnd) return;
    // The first form attached is the main window, which a second start brings forward.
    if (!s.views.empty() && s.views.front()->form == v.form) MarkMainWindow(v.hwnd);
    v.tooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, v.hwnd, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    v.shown = {};
    v.shown.caption = f.caption;
    v.shown.rect = f.rect;
    v.shown.topmost = f.topmost;
    v.shown.color = f.color;
    v.shown.visible = false;
    v.form->window = reinterpret_cast<WindowId>(v.hwnd);
}

// Leaves the form model alone: at the end of the run the models may already be gone.
void DestroyFormWindow(FormView& v) {
    if (!v.hwnd) return;
    SetWindowLongPtrW(v.hwnd, GWLP_USERDATA, 0);
    const HMENU menu = GetMenu(v.hwnd);
    UnmarkMainWindow(v.hwnd);
    DestroyWindow(v.hwnd);
    if (menu) DestroyMenu(menu);
    v.hwnd = nullptr;
    v.tooltip = nullptr;
    v.controls.clear();
    v.popups.clear();
    v.shown = {};
}

void SyncForm(Win32State& s, FormView& v) {
    Form& f = *v.form;
    if (!v.hwnd) {
        if (!f.open || !f.visible) return;
        CreateFormWindow(s, v);
        if (!v.hwnd) return;
    }
    if (f.caption != v.shown.caption) {
        SetWindowTextW(v.hwnd, Wide(f.caption).c_str());
        v.shown.caption = f.caption;
    }
    const TwipRect& r = f.rect;
    const TwipRect& shown = v.shown.rect;
    if (r.left != shown.left || r.top != shown.top || r.width != shown.width ||
        r.height != shown.height) {
        const RECT px = PixelRectOf(s, r);
        SetWindowPos(v.hwnd, nullptr, px.left, px.top, px.right - px.left, px.bottom - px.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        v.shown.rect = r;
    }
    if (f.topmost != v.shown.topmost) {
        Raise(v.hwnd, f.topmost);
        v.shown.topmost = f.topmost;
    }
    if (f.color != v.shown.color) {
        v.shown.color = f.color;
        InvalidateRect(v.hwnd, nullptr, TRUE);
    }
    SyncMenus(v);
    SyncControls(s, v);
    const bool visible = f.open && f.visible;
    if (visible != v.shown.visible || (visible && f.state != v.shown.state)) {
        if (!visible)
            ShowWindow(v.hwnd, SW_HIDE);
        else if (f.state == WindowState::Minimized)
            ShowWindow(v.hwnd, SW_SHOWMINNOACTIVE);
        else if (v.shown.state == WindowState::Minimized && v.shown.visible)
            ShowWindow(v.hwnd, SW_RESTORE);
        else
            ShowWindow(v.hwnd, SW_SHOWNOACTIVATE);
        v.shown.visible = visible;
        v.shown.state = f.state;
    }
}

void SyncForms(Win32State& s) {
    for (auto& v : s.views) SyncForm(s, *v);
}

} // namespace

int PixelsX(const Win32State& s, int twips) {
    return MulDiv(twips, s.dpiX, 1440);
}
int PixelsY(const Win32State& s, int twips) {
    return MulDiv(twips, s.dpiY, 1440);
}
int TwipsX(const Win32State& s, int pixels) {
    return MulDiv(pixels, 1440, s.dpiX);
}
int TwipsY(const Win32State& s, int pixels) {
    return MulDiv(pixels, 1440, s.dpiY);
}

HBRUSH BrushOf(Win32State& s, std::uint32_t colour) {
    auto [it, added] = s.brushes.try_emplace(colour, nullptr);
    if (added) it->second = CreateSolidBrush(colour);
    return it->second;
}

HFONT FontOf(Win32State& s, int points) {
    auto [it, added] = s.fonts.try_emplace(points, nullptr);
    if (added)
        it->second = CreateFontW(-MulDiv(points, s.dpiY, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE,
                                 FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                 DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"MS Shell Dlg 2");
    return it->second;
}

void Deliver(Win32State& s, const UserAction& action) {
    if (!s.handler) return;
    ++s.handlerDepth;
    s.handler(action);
    --s.handlerDepth;
    SyncForms(s);
}

void RegisterFormClass() {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = FormProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hIcon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
    wc.lpszClassName = kFormClass;
    RegisterClassExW(&wc);
}

void AttachFormViews(Win32State& s, std::span<Form* const> forms) {
    DestroyFormViews(s);
    for (Form* form : forms) {
        auto v = std::make_unique<FormView>();
        v->state = &s;
        v->form = form;
        s.views.push_back(std::move(v));
    }
}

void ShowFormWindow(Win32State& s, Form& form, bool activate) {
    FormView* v = ViewOf(s, form);
    if (!v) return;
    form.open = true;
    form.visible = true;
    SyncForm(s, *v);
    if (!v->hwnd) return;
    // Shown above the others without taking the activation from the window the user types in.
    SetWindowPos(v->hwnd, form.topmost ? HWND_TOPMOST : HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    if (activate) BringToForeground(v->hwnd);
}

void HideFormWindow(Win32State& s, Form& form) {
    form.visible = false;
    if (FormView* v = ViewOf(s, form)) SyncForm(s, *v);
}

int RunPendingEvents(Win32State& s, EventSite site) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        // Tab, Enter, Esc and Alt with a mnemonic work in the program's windows as in a dialog.
        const HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
        if (root && IsOwnWindow(s, root) && IsDialogMessageW(root, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    const ULONGLONG now = GetTickCount64();
    if (site == EventSite::LoopHead || now - s.lastSync >= kNestedSyncMs) {
        SyncForms(s);
        s.lastSync = now;
    }
    if (site == EventSite::LoopHead && s.handlerDepth == 0) {
        ReleaseWindowPixels(s.pixels);
        for (auto& v : s.views) {
            if (v->form->open || !v->hwnd) continue;
            DestroyFormWindow(*v);
            v->form->window = 0;
        }
    }
    return OpenFormCount(s);
}

int OpenFormCount(const Win32State& s) {
    return static_cast<int>(
        std::count_if(s.views.begin(), s.views.end(), [](const auto& v) { return v->form->open; }));
}

void DestroyFormViews(Win32State& s) {
    for (auto& v : s.views) DestroyFormWindow(*v);
    s.views.clear();
}
