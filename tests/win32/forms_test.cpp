// Form models rendered as native windows (run under Wine in CI): what the window shows follows
// the model, and what the user does to it reaches the program as actions.

#include "platform/win32/WideText.h"
#include "platform/win32/Win32Desktop.h"

#include <array>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

namespace {

MenuItem Item(std::string name, std::string caption, std::vector<MenuItem> items = {}) {
    MenuItem item;
    item.name = std::move(name);
    item.caption = std::move(caption);
    item.items = std::move(items);
    return item;
}

Control MakeControl(std::string name, ControlKind kind, TwipRect rect, int index = -1) {
    Control c;
    c.name = std::move(name);
    c.kind = kind;
    c.rect = rect;
    c.index = index;
    return c;
}

Form TestForm() {
    Form f;
    f.name = "frmTest";
    f.caption = "Quibnote Form Test";
    f.rect = {1500, 1500, 6000, 4500};
    f.topmost = true;
    f.menus = {Item("mnuFile", "&File",
                    {Item("mnuFirst", "&First"), Item("", "-"), Item("mnuSecond", "&Second")}),
               Item("mnuPick", "&Quib")};
    f.controls = {MakeControl("txtBox", ControlKind::TextBox, {150, 150, 3000, 600}),
                  MakeControl("cmdGo", ControlKind::Button, {150, 900, 900, 300}),
                  MakeControl("cmdAtoZ", ControlKind::Button, {1200, 900, 300, 300}, 0),
                  MakeControl("cmdAtoZ", ControlKind::Button, {1500, 900, 300, 300}, 1),
                  MakeControl("chkOn", ControlKind::CheckBox, {150, 1350, 1500, 300}),
                  MakeControl("lblNote", ControlKind::Label, {150, 1800, 1500, 300}),
                  MakeControl("scrBar", ControlKind::ScrollBar, {150, 2250, 3000, 255}),
                  MakeControl("txtList", ControlKind::TextBox, {3300, 150, 2400, 2400})};
    f.controls[1].caption = "&Go";
    f.controls[5].caption = "Note";
    f.controls[6].min = 0;
    f.controls[6].max = 10;
    f.controls[7].multiLine = true;
    return f;
}

// A desktop with the test form shown and every action it reports recorded.
struct Shown {
    Win32Desktop desktop;
    Form form = TestForm();
    std::vector<UserAction> actions;
    std::array<Form*, 1> forms{&form};

    Shown() {
        desktop.attachForms(forms);
        desktop.setActionHandler([this](const UserAction& a) { actions.push_back(a); });
        desktop.showForm(form, false);
        desktop.doEvents(EventSite::LoopHead);
    }
    HWND window() const { return reinterpret_cast<HWND>(form.window); }
    HWND child(const char* name, int index = -1) {
        const Control* c = FindControl(form, name, index);
        RECT r;
        GetWindowRect(window(), &r);
        POINT p{0, 0};
        ClientToScreen(window(), &p);
        p.x += MulDiv(c->rect.left, 96, 1440) + 2;
        p.y += MulDiv(c->rect.top, 96, 1440) + 2;
        ScreenToClient(window(), &p);
        return ChildWindowFromPointEx(window(), p, CWP_SKIPINVISIBLE);
    }
};

std::wstring TextOf(HWND w) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(w)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(w, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::wstring MenuText(HMENU menu, UINT position) {
    wchar_t text[128] = {};
    GetMenuStringW(menu, position, text, 128, MF_BYPOSITION);
    return text;
}

TEST(Win32Forms, TheWindowShowsTheModelWithoutTakingTheFocus) {
    const HWND before = GetForegroundWindow();
    Shown s;
    const HWND w = s.window();
    ASSERT_TRUE(IsWindow(w));
    EXPECT_TRUE(IsWindowVisible(w));
    EXPECT_EQ(GetForegroundWindow(), before);
    EXPECT_EQ(TextOf(w), L"Quibnote Form Test");
    EXPECT_NE(GetWindowLongPtrW(w, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    RECT r;
    GetWindowRect(w, &r);
    EXPECT_EQ(r.left, 100);
    EXPECT_EQ(r.top, 100);
    EXPECT_EQ(r.right - r.left, 400);
    EXPECT_EQ(r.bottom - r.top, 300);

    const HMENU bar = GetMenu(w);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(MenuText(bar, 0), L"&File");
    EXPECT_EQ(MenuText(bar, 1), L"&Quib");
    EXPECT_EQ(GetMenuItemCount(GetSubMenu(bar, 0)), 3);
    EXPECT_EQ(TextOf(s.child("cmdGo")), L"&Go");
    EXPECT_EQ(TextOf(s.child("lblNote")), L"Note");
    EXPECT_EQ(s.actions.size(), 0u);
}

TEST(Win32Forms, ChangesToTheModelReachTheWindowAtTheNextEventStep) {
    Shown s;
    s.form.caption = "Quibnote: -X->";
    s.form.rect.left = 3000;
    s.form.menus[0].items[0].checked = true;
    s.form.menus[0].items[2].enabled = false;
    FindControl(s.form, "txtBox")->text = "line one\nline two \xE9";
    FindControl(s.form, "lblNote")->caption = "Changed";
    FindControl(s.form, "chkOn")->checked = true;
    FindControl(s.form, "scrBar")->value = 7;
    FindControl(s.form, "cmdAtoZ", 1)->visible = false;
    s.desktop.doEvents(EventSite::LoopHead);

    const HWND w = s.window();
    EXPECT_EQ(TextOf(w), L"Quibnote: -X->");
    RECT r;
    GetWindowRect(w, &r);
    EXPECT_EQ(r.left, 200);
    const HMENU file = GetSubMenu(GetMenu(w), 0);
    EXPECT_NE(GetMenuState(file, 0, MF_BYPOSITION) & MF_CHECKED, 0u);
    EXPECT_NE(GetMenuState(file, 2, MF_BYPOSITION) & MF_GRAYED, 0u);
    EXPECT_EQ(TextOf(s.child("txtBox")), L"line one\r\nline two \u00E9");
    EXPECT_EQ(TextOf(s.child("lblNote")), L"Changed");
    EXPECT_EQ(SendMessageW(s.child("chkOn"), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(GetScrollPos(s.child("scrBar"), SB_CTL), 7);
    EXPECT_EQ(s.actions.size(), 0u) << "setting a text box from the model is no user change";
}

TEST(Win32Forms, ClicksTextAndScrollingReachTheProgramAndUpdateTheModel) {
    Shown s;
    SendMessageW(s.child("cmdAtoZ", 1), BM_CLICK, 0, 0);
    SendMessageW(s.child("chkOn"), BM_CLICK, 0, 0);
    SetWindowTextW(s.child("txtBox"), L"typed \u20AC");
    SendMessageW(s.window(), WM_HSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(s.child("scrBar")));
    ASSERT_EQ(s.actions.size(), 4u);
    EXPECT_EQ(s.actions[0].kind, UserAction::Kind::Click);
    EXPECT_EQ(s.actions[0].control, "cmdAtoZ");
    EXPECT_EQ(s.actions[0].index, 1);
    EXPECT_EQ(s.actions[0].form, "frmTest");
    EXPECT_EQ(s.actions[1].control, "chkOn");
    EXPECT_TRUE(FindControl(s.form, "chkOn")->checked);
    EXPECT_EQ(SendMessageW(s.child("chkOn"), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(s.actions[2].kind, UserAction::Kind::Change);
    EXPECT_EQ(FindControl(s.form, "txtBox")->text, "typed \x80");
    EXPECT_EQ(s.actions[3].kind, UserAction::Kind::Scroll);
    EXPECT_EQ(FindControl(s.form, "scrBar")->value, 1);
}

TEST(Win32Forms, ABackwardsScrollBarMovesItsValueTheOtherWay) {
    Shown s;
    Control& bar = *FindControl(s.form, "scrBar");
    bar.min = 10;
    bar.max = 0;
    bar.value = 10;
    s.desktop.doEvents(EventSite::LoopHead);
    SendMessageW(s.window(), WM_HSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(s.child("scrBar")));
    EXPECT_EQ(bar.value, 9);
}

TEST(Win32Forms, AMouseDownOnALabelGivesTwipsInsideIt) {
    Shown s;
    SendMessageW(s.child("lblNote"), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 4));
    SendMessageW(s.child("lblNote"), WM_MOUSEMOVE, 0, MAKELPARAM(12, 4));
    SendMessageW(s.child("lblNote"), WM_RBUTTONUP, 0, MAKELPARAM(20, 6));
    // The press comes first; the label's click, when the system reports one, follows it. A move
    // with no button held is no drag, and is not reported.
    std::erase_if(s.actions, [](const UserAction& a) { return a.kind == UserAction::Kind::Click; });
    ASSERT_EQ(s.actions.size(), 2u);
    EXPECT_EQ(s.actions[0].kind, UserAction::Kind::MouseDown);
    EXPECT_EQ(s.actions[0].control, "lblNote");
    EXPECT_EQ(s.actions[0].x, 150);
    EXPECT_EQ(s.actions[0].y, 60);
    EXPECT_EQ(s.actions[0].button, MouseButton::Left);
    EXPECT_EQ(s.actions[1].kind, UserAction::Kind::MouseUp);
    EXPECT_EQ(s.actions[1].button, MouseButton::Right);
}

// The list of clips is picked by the line under the pointer: the box's own rows decide it, and
// the CR the box was given before a lone LF does not move the program's index.
TEST(Win32Forms, APointInAMultiLineBoxGivesTheProgramsIndexOfTheCharacterThere) {
    Shown s;
    const std::string text = "a first line long enough to be wrapped by the box\r\nsecond\nthird";
    FindControl(s.form, "txtList")->text = text;
    s.desktop.doEvents(EventSite::LoopHead);
    const HWND box = s.child("txtList");
    const std::wstring shown = TextOf(box);
    const auto at = [&](const wchar_t* word, int dy) {
        const LRESULT pos = SendMessageW(box, EM_POSFROMCHAR, shown.find(word), 0);
        return s.desktop.textIndexAt(s.form, "txtList", (static_cast<short>(LOWORD(pos)) + 1) * 15,
                                     (static_cast<short>(HIWORD(pos)) + dy) * 15);
    };
    EXPECT_EQ(at(L"wrapped", 2), text.find("wrapped")) << "a wrapped line's second row";
    EXPECT_EQ(at(L"second", 2), text.find("second"));
    EXPECT_EQ(at(L"third", 2), text.find("third"));
    EXPECT_EQ(at(L"third", 40), std::nullopt) << "below the last row";
    EXPECT_EQ(s.desktop.textIndexAt(s.form, "txtBox", 15, 15), std::nullopt) << "one-line box";
}

TEST(Win32Forms, MenusReportTheirOpeningAndTheCommandChosen) {
    Shown s;
    // The program refreshes captions when a menu opens; the submenu shows the refreshed model.
    s.desktop.setActionHandler([&s](const UserAction& a) {
        s.actions.push_back(a);
        if (a.control == "mnuFile") FindMenuItem(s.form, "mnuSecond")->caption = "&Refreshed";
    });
    const HMENU bar = GetMenu(s.window());
    const HMENU file = GetSubMenu(bar, 0);
    SendMessageW(s.window(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(file), 0);
    ASSERT_EQ(s.actions.size(), 1u);
    EXPECT_EQ(s.actions[0].kind, UserAction::Kind::Menu);
    EXPECT_EQ(s.actions[0].control, "mnuFile");
    EXPECT_EQ(MenuText(file, 2), L"&Refreshed");

    SendMessageW(s.window(), WM_COMMAND, GetMenuItemID(file, 0), 0);
    SendMessageW(s.window(), WM_COMMAND, GetMenuItemID(bar, 1), 0);
    ASSERT_EQ(s.actions.size(), 3u);
    EXPECT_EQ(s.actions[1].control, "mnuFirst");
    EXPECT_EQ(s.actions[2].control, "mnuPick");

    // A command the model has disabled since the menu was drawn does nothing.
    const UINT second = GetMenuItemID(file, 2);
    FindMenuItem(s.form, "mnuSecond")->enabled = false;
    SendMessageW(s.window(), WM_COMMAND, second, 0);
    EXPECT_EQ(s.actions.size(), 3u);
}

TEST(Win32Forms, ClosingReportsAndTheProgramDecidesWhenTheWindowGoes) {
    Shown s;
    EXPECT_EQ(s.desktop.doEvents(EventSite::LoopHead), 1);
    SendMessageW(s.window(), WM_CLOSE, 0, 0);
    ASSERT_EQ(s.actions.size(), 1u);
    EXPECT_EQ(s.actions[0].kind, UserAction::Kind::Close);
    const HWND w = s.window();
    EXPECT_TRUE(IsWindow(w));

    s.desktop.hideForm(s.form);
    EXPECT_FALSE(IsWindowVisible(w));
    s.form.open = false;
    EXPECT_EQ(s.desktop.doEvents(EventSite::LoopHead), 0);
    EXPECT_FALSE(IsWindow(w));
    EXPECT_EQ(s.form.window, 0u);
}

// A borderless topmost strip, as the display panel is, never takes the activation.
TEST(Win32Forms, ABorderlessFormStaysOutOfTheWayOfTyping) {
    Win32Desktop desktop;
    Form panel;
    panel.name = "frmPanel";
    panel.rect = {0, 0, 1995, 360};
    panel.topmost = true;
    panel.borderless = true;
    std::array<Form*, 1> forms{&panel};
    desktop.attachForms(forms);
    desktop.showForm(panel, false);
    const auto w = reinterpret_cast<HWND>(panel.window);
    const LONG_PTR ex = GetWindowLongPtrW(w, GWL_EXSTYLE);
    EXPECT_NE(ex & WS_EX_NOACTIVATE, 0);
    EXPECT_NE(ex & WS_EX_TOPMOST, 0);
    EXPECT_EQ(GetWindowLongPtrW(w, GWL_STYLE) & WS_CAPTION, 0);
}

// The dialogs are modal: a helper thread answers them as a user would.
void AnswerDialog(const wchar_t* title, int button, const wchar_t* text = nullptr) {
    for (int i = 0; i < 500; ++i) {
        // A dialog becomes visible once it has set itself up.
        const HWND dialog = FindWindowW(L"#32770", title);
        if (dialog && IsWindowVisible(dialog)) {
            if (text) SetDlgItemTextW(dialog, 101, text);
            PostMessageW(dialog, WM_COMMAND, static_cast<WPARAM>(button), 0);
            return;
        }
        Sleep(10);
    }
}

TEST(Win32Dialogs, AMessageBoxReturnsTheButtonChosen) {
    Win32Desktop desktop;
    std::thread user(AnswerDialog, L"Quibnote: Save Changes?", IDNO, nullptr);
    const MsgAnswer answer =
        desktop.messageBox("Save changes to settings made during this session?",
                           "Quibnote: Save Changes?", MsgButtons::YesNo, MsgIcon::Question);
    user.join();
    EXPECT_EQ(answer, MsgAnswer::No);
}

TEST(Win32Dialogs, TheInputBoxGivesTheTextOrNothingWhenCancelled) {
    Win32Desktop desktop;
    std::thread user(AnswerDialog, L"Quibnote input", IDOK, L"caf\u00E9");
    EXPECT_EQ(desktop.inputBox("Name:", "Quibnote input", "start"), "caf\xE9");
    user.join();

    std::thread cancel(AnswerDialog, L"Quibnote input", IDCANCEL, L"ignored");
    EXPECT_EQ(desktop.inputBox("Name:", "Quibnote input", "start"), std::nullopt);
    cancel.join();
}

} // namespace
