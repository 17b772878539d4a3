#include "platform/x11/FormView.h"

#include "platform/x11/Labels.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Check_Button.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Scrollbar.H>
#include <FL/Fl_Text_Editor.H>
#include <FL/fl_draw.H>
#include <FL/x.H>
#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <cstdlib>

namespace {

// Form geometry is the outer rectangle, as on Windows; the client area leaves room for a
// Windows-sized frame so controls laid out for it fit.
constexpr int kSide = 4;
constexpr int kTitle = 23;
constexpr int kMenuBar = 20;

int MenuHeight(const Form& f) {
    return f.menus.empty() ? 0 : kMenuBar;
}

int Pixels(int twips, int tpp) {
    return twips / tpp;
}

struct ClientBox {
    int x, y, w, h;
};

ClientBox ClientOf(const Form& f, int tpp) {
    const int frameW = f.borderless ? 0 : 2 * kSide;
    const int frameH = f.borderless ? 0 : kTitle + kSide;
    return {Pixels(f.rect.left, tpp), Pixels(f.rect.top, tpp),
            std::max(1, Pixels(f.rect.width, tpp) - frameW),
            std::max(1, Pixels(f.rect.height, tpp) - frameH)};
}

Fl_Color ColorOf(std::uint32_t bgr) {
    return fl_rgb_color(static_cast<uchar>(bgr & 0xFF), static_cast<uchar>((bgr >> 8) & 0xFF),
                        static_cast<uchar>((bgr >> 16) & 0xFF));
}

int FontPixels(int points) {
    return std::max(6, (points * 4 + 1) / 3);
}

// A multi-line text box draws its rows no taller than the program counts them (its font
// draws them taller than Windows' does), so as many rows show as the program made room for and
// the text the user clicks stands where the program looks for it.
int TextBoxPixels(Fl_Font font, int points, int tpp) {
    const int pixels = FontPixels(points);
    const int rowPixels = TextRowTwips(points) / tpp;
    if (rowPixels <= 0) return pixels;
    int size = pixels;
    while (size > 6 && fl_height(font, size) > rowPixels) --size;
    return size;
}

void Push(FormView& view, UserAction action) {
    // A run of mouse moves over one control keeps only the last.
    std::deque<UserAction>& q = view.owner->actions;
    if (action.kind == UserAction::Kind::MouseMove && !q.empty() &&
        q.back().kind == UserAction::Kind::MouseMove && q.back().form == action.form &&
        q.back().control == action.control && q.back().index == action.index)
        q.back() = std::move(action);
    else
        q.push_back(std::move(action));
}

UserAction ActionOf(ControlView& cv, UserAction::Kind kind) {
    return {kind, cv.view->form->name, cv.shown.name, cv.shown.index, 0, 0, MouseButton::Left};
}

MouseButton ButtonOf(int flButton) {
    return flButton == FL_RIGHT_MOUSE    ? MouseButton::Right
           : flButton == FL_MIDDLE_MOUSE ? MouseButton::Middle
                                         : MouseButton::Left;
}

// A label that reports the mouse, for windows that are dragged or picked from by their labels.
class MouseLabel : public Fl_Box {
  public:
    MouseLabel(int x, int y, int w, int h, ControlView& cv) : Fl_Box(x, y, w, h), cv_(cv) {}

    int handle(int event) override {
        UserAction::Kind kind;
        switch (event) {
        case FL_PUSH:
            kind = UserAction::Kind::MouseDown;
            break;
        case FL_DRAG:
        case FL_MOVE:
            kind = UserAction::Kind::MouseMove;
            break;
        case FL_RELEASE:
            kind = UserAction::Kind::MouseUp;
            break;
        case FL_ENTER:
        case FL_LEAVE:
            return 1;
        default:
            return Fl_Box::handle(event);
        }
        if (cv_.view->owner->syncing) return 1;
        const int tpp = cv_.view->owner->twipsPerPixel;
        UserAction a = ActionOf(cv_, kind);
        a.x = (Fl::event_x() - x()) * tpp;
        a.y = (Fl::event_y() - y()) * tpp;
        a.button = ButtonOf(Fl::event_button());
        Push(*cv_.view, std::move(a));
        // A click follows the button's release over the label, as on Windows.
        if (kind == UserAction::Kind::MouseUp && Fl::event_inside(this)) {
            UserAction click = ActionOf(cv_, UserAction::Kind::Click);
            click.x = (Fl::event_x() - x()) * tpp;
            click.y = (Fl::event_y() - y()) * tpp;
            Push(*cv_.view, std::move(click));
        }
        return 1;
    }

  private:
    ControlView& cv_;
};

// A multi-line text box that reports the mouse as a Windows text box does: a press, a move while
// a button is held, a release. The program finds the row clicked from its own row height; where
// the font's rows come out shorter than that, a position is reported as the same row and the
// same fraction of it in the program's rows.
class MouseEditor : public Fl_Text_Editor {
  public:
    MouseEditor(int x, int y, int w, int h, ControlView& cv)
        : Fl_Text_Editor(x, y, w, h), cv_(cv) {}

    int handle(int event) override {
        const int handled = Fl_Text_Editor::handle(event);
        UserAction::Kind kind;
        switch (event) {
        case FL_PUSH:
            kind = UserAction::Kind::MouseDown;
            break;
        case FL_DRAG:
            kind = UserAction::Kind::MouseMove;
            break;
        case FL_RELEASE:
            kind = UserAction::Kind::MouseUp;
            break;
        default:
            return handled;
        }
        if (cv_.view->owner->syncing) return handled;
        const int tpp = cv_.view->owner->twipsPerPixel;
        UserAction a = ActionOf(cv_, kind);
        a.x = (Fl::event_x() - text_area.x) * tpp;
        a.y = ProgramY(Fl::event_y() - text_area.y, tpp);
        a.button = ButtonOf(Fl::event_button());
        Push(*cv_.view, std::move(a));
        return 1;
    }

    // The character at a point given in the program's twips, the way back from the positions
    // this editor reports: an index into the program's text (CR LF line breaks, one byte a
    // character), or none below the last row.
    std::optional<std::size_t> indexAt(int xTwips, int yTwips, int tpp) const {
        const int rowTwips = TextRowTwips(cv_.shown.fontPoints);
        if (xTwips < 0 || yTwips < 0 || !buffer()) return std::nullopt;
        int py = yTwips / tpp;
        if (rowTwips > 0 && mMaxsize > 0)
            py = yTwips / rowTwips * mMaxsize + yTwips % rowTwips * mMaxsize / rowTwips;
        const int px = text_area.x + xTwips / tpp;
        py += text_area.y;
        const int position = xy_to_position(px, py, CHARACTER_POS);
        int charX = 0;
        int charY = 0;
        if (!position_to_xy(position, &charX, &charY) || py >= charY + mMaxsize)
            return std::nullopt;
        char* before = buffer()->text_range(0, position);
        const std::size_t index = ProgramText(before).size();
        std::free(before);
        return index;
    }

  private:
    int ProgramY(int pixels, int tpp) const {
        const int rowTwips = TextRowTwips(cv_.shown.fontPoints);
        if (rowTwips == 0 || mMaxsize <= 0 || pixels < 0) return pixels * tpp;
        return pixels / mMaxsize * rowTwips + pixels % mMaxsize * rowTwips / mMaxsize;
    }

    ControlView& cv_;
};

// Closing a window asks the program, which decides; Escape closes nothing.
void OnWindowClose(Fl_Widget*, void* data) {
    auto* view = static_cast<FormView*>(data);
    if (Fl::event() == FL_SHORTCUT && Fl::event_key() == FL_Escape) return;
    Push(*view, {UserAction::Kind::Close, view->form->name, {}, -1, 0, 0, {}});
}

void OnButton(Fl_Widget*, void* data) {
    auto& cv = *static_cast<ControlView*>(data);
    if (cv.view->owner->syncing) return;
    Push(*cv.view, ActionOf(cv, UserAction::Kind::Click));
}

void OnCheckBox(Fl_Widget* w, void* data) {
    auto& cv = *static_cast<ControlView*>(data);
    if (cv.view->owner->syncing) return;
    const bool checked = static_cast<Fl_Check_Button*>(w)->value() != 0;
    cv.view->form->controls[cv.index].checked = checked;
    cv.shown.checked = checked;
    Push(*cv.view, ActionOf(cv, UserAction::Kind::Click));
}

void OnScroll(Fl_Widget* w, void* data) {
    auto& cv = *static_cast<ControlView*>(data);
    if (cv.view->owner->syncing) return;
    const int value = static_cast<int>(static_cast<Fl_Scrollbar*>(w)->value());
    if (value == cv.shown.value) return;
    cv.view->form->controls[cv.index].value = value;
    cv.shown.value = value;
    Push(*cv.view, ActionOf(cv, UserAction::Kind::Scroll));
}

void TextChanged(ControlView& cv, const char* utf8) {
    const std::string text = ProgramText(utf8);
    cv.view->form->controls[cv.index].text = text;
    cv.shown.text = text;
    Push(*cv.view, ActionOf(cv, UserAction::Kind::Change));
}

void OnInput(Fl_Widget* w, void* data) {
    auto& cv = *static_cast<ControlView*>(data);
    if (!cv.view->owner->syncing) TextChanged(cv, static_cast<Fl_Input*>(w)->value());
}

void OnBufferModified(int, int inserted, int deleted, int, const char*, void* data) {
    auto& cv = *static_cast<ControlView*>(data);
    if (cv.view->owner->syncing || (inserted == 0 && deleted == 0)) return;
    char* text = cv.buffer->text();
    TextChanged(cv, text);
    std::free(text);
}

Fl_Widget* MakeWidget(ControlView& cv, const Control& c) {
    switch (c.kind) {
    case ControlKind::Label: {
        auto* box = new MouseLabel(0, 0, 1, 1, cv);
        box->box(FL_FLAT_BOX);
        box->align(FL_ALIGN_TOP_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_WRAP | FL_ALIGN_CLIP);
        return box;
    }
    case ControlKind::TextBox:
        if (c.multiLine) {
            auto* editor = new MouseEditor(0, 0, 1, 1, cv);
            cv.buffer = std::make_unique<Fl_Text_Buffer>();
            editor->buffer(cv.buffer.get());
            editor->wrap_mode(Fl_Text_Display::WRAP_AT_BOUNDS, 0);
            editor->scrollbar_width(14);
            cv.buffer->add_modify_callback(OnBufferModified, &cv);
            return editor;
        } else {
            auto* input = new Fl_Input(0, 0, 1, 1);
            input->when(FL_WHEN_CHANGED);
            input->callback(OnInput, &cv);
            return input;
        }
    case ControlKind::Button: {
        auto* button = new Fl_Button(0, 0, 1, 1);
        button->callback(OnButton, &cv);
        return button;
    }
    case ControlKind::CheckBox: {
        auto* check = new Fl_Check_Button(0, 0, 1, 1);
        check->callback(OnCheckBox, &cv);
        return check;
    }
    case ControlKind::ScrollBar: {
        auto* bar = new Fl_Scrollbar(0, 0, 1, 1);
        bar->type(c.rect.height > c.rect.width ? FL_VERTICAL : FL_HORIZONTAL);
        bar->callback(OnScroll, &cv);
        bar->linesize(1);
        return bar;
    }
    }
    return nullptr;
}

// Applies every field of the model that differs from what was rendered; a new control view
// has nothing rendered yet, so it takes them all.
void RenderControl(ControlView& cv, const Control& c, bool fresh, int tpp, int top) {
    Fl_Widget& w = *cv.widget;
    const Control& s = cv.shown;
    if (fresh || c.rect.left != s.rect.left || c.rect.top != s.rect.top ||
        c.rect.width != s.rect.width || c.rect.height != s.rect.height) {
        w.resize(Pixels(c.rect.left, tpp), top + Pixels(c.rect.top, tpp),
                 std::max(1, Pixels(c.rect.width, tpp)), std::max(1, Pixels(c.rect.height, tpp)));
        if (w.window()) w.window()->redraw();
    }
    if (fresh || c.caption != s.caption) {
        w.copy_label(c.kind == ControlKind::Label ? PlainLabel(c.caption).c_str()
                                                  : ToolkitLabel(c.caption).c_str());
        w.redraw();
    }
    if (fresh || c.fontPoints != s.fontPoints) {
        w.labelsize(FontPixels(c.fontPoints));
        if (c.kind == ControlKind::TextBox) {
            if (cv.buffer) {
                auto& editor = static_cast<Fl_Text_Editor&>(w);
                editor.textsize(TextBoxPixels(editor.textfont(), c.fontPoints, tpp));
            } else {
                static_cast<Fl_Input&>(w).textsize(FontPixels(c.fontPoints));
            }
        }
        w.redraw();
    }
    if (fresh || c.color != s.color) {
        // A button keeps the toolkit's face unless the model colours it.
        if (c.kind != ControlKind::ScrollBar && c.kind != ControlKind::CheckBox)
            w.color(ColorOf(c.color));
        w.redraw();
    }
    if (fresh || c.tip != s.tip)
        w.copy_tooltip(c.tip.empty() ? nullptr : ToolkitText(c.tip).c_str());
    if (fresh || c.visible != s.visible) c.visible ? w.show() : w.hide();
    if (fresh || c.enabled != s.enabled) c.enabled ? w.activate() : w.deactivate();
    if (c.kind == ControlKind::TextBox && (fresh || c.text != s.text)) {
        const std::string text = EditText(c.text);
        if (cv.buffer) {
            cv.buffer->text(text.c_str());
            static_cast<Fl_Text_Editor&>(w).insert_position(0);
        } else {
            static_cast<Fl_Input&>(w).value(text.c_str());
        }
    }
    if (c.kind == ControlKind::CheckBox && (fresh || c.checked != s.checked))
        static_cast<Fl_Check_Button&>(w).value(c.checked ? 1 : 0);
    if (c.kind == ControlKind::ScrollBar &&
        (fresh || c.value != s.value || c.min != s.min || c.max != s.max)) {
        auto& bar = static_cast<Fl_Scrollbar&>(w);
        bar.bounds(c.min, c.max);
        bar.value(c.value);
    }
    cv.shown = c;
}

void BuildControls(FormView& view) {
    const int tpp = view.owner->twipsPerPixel;
    view.controls.clear();
    view.window->begin();
    for (std::size_t i = 0; i < view.form->controls.size(); ++i) {
        auto cv = std::make_unique<ControlView>();
        cv->view = &view;
        cv->index = i;
        const Control& c = view.form->controls[i];
        cv->widget = MakeWidget(*cv, c);
        cv->shown = c;
        RenderControl(*cv, c, true, tpp, MenuHeight(*view.form));
        view.controls.push_back(std::move(cv));
    }
    view.window->end();
}

void SendWmState(const Fl_Window& window, bool above) {
    if (!fl_display || !fl_xid(&window)) return;
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = fl_xid(&window);
    e.xclient.message_type = XInternAtom(fl_display, "_NET_WM_STATE", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = above ? 1 : 0; // add or remove
    e.xclient.data.l[1] = static_cast<long>(XInternAtom(fl_display, "_NET_WM_STATE_ABOVE", False));
    e.xclient.data.l[3] = 1;
    XSendEvent(fl_display, RootWindow(fl_display, fl_screen), False,
               SubstructureRedirectMask | SubstructureNotifyMask, &e);
    if (above) XRaiseWindow(fl_display, fl_xid(&window));
    XFlush(fl_display);
}

void BuildWindow(FormView& view) {
    Form& f = *view.form;
    const int tpp = view.owner->twipsPerPixel;
    const ClientBox box = ClientOf(f, tpp);
    view.window = std::make_unique<Fl_Double_Window>(box.x, box.y, box.w, box.h);
    view.window->end();
    if (f.borderless) view.window->set_override();
    view.window->callback(OnWindowClose, &view);
    view.window->xclass("quibnote");
    if (!f.menus.empty()) {
        view.window->begin();
        view.menu.bar = MakeMenuBar(view, box.w, kMenuBar);
        view.window->end();
        RenderMenu(view);
    }
    BuildControls(view);
    view.window->color(ColorOf(f.color));
    view.window->copy_label(EditText(f.caption).c_str());
    view.shownCaption = f.caption;
    view.shownRect = f.rect;
    view.shownColor = f.color;
    view.placedX = box.x;
    view.placedY = box.y;
}

void SyncView(FormView& view) {
    Form& f = *view.form;
    Fl_Double_Window& win = *view.window;
    const int tpp = view.owner->twipsPerPixel;
    if (f.caption != view.shownCaption) {
        win.copy_label(EditText(f.caption).c_str());
        view.shownCaption = f.caption;
    }
    // A move by the user is the model's new position; a change of the model moves the window.
    if (win.shown() && (win.x() != view.placedX || win.y() != view.placedY) &&
        f.rect.left == view.shownRect.left && f.rect.top == view.shownRect.top) {
        f.rect.left = win.x() * tpp;
        f.rect.top = win.y() * tpp;
        view.shownRect = f.rect;
        view.placedX = win.x();
        view.placedY = win.y();
    }
    const TwipRect& r = f.rect;
    const TwipRect& s = view.shownRect;
    if (r.left != s.left || r.top != s.top || r.width != s.width || r.height != s.height) {
        const ClientBox box = ClientOf(f, tpp);
        win.resize(box.x, box.y, box.w, box.h);
        if (view.menu.bar) view.menu.bar->size(box.w, kMenuBar);
        view.shownRect = r;
        view.placedX = box.x;
        view.placedY = box.y;
    }
    if (f.color != view.shownColor) {
        win.color(ColorOf(f.color));
        win.redraw();
        view.shownColor = f.color;
    }
    RenderMenu(view);
    if (view.controls.size() != f.controls.size()) {
        for (auto& cv : view.controls) {
            if (cv->buffer) static_cast<Fl_Text_Editor*>(cv->widget)->buffer(nullptr);
            win.remove(cv->widget);
            Fl::delete_widget(cv->widget);
        }
        BuildControls(view);
        win.redraw();
    } else {
        const int top = MenuHeight(f);
        for (auto& cv : view.controls) RenderControl(*cv, f.controls[cv->index], false, tpp, top);
    }
    if (win.shown() && f.visible) {
        if (f.topmost != view.shownTopmost) {
            SendWmState(win, f.topmost);
            view.shownTopmost = f.topmost;
        }
        if (f.state != view.shownState) {
            f.state == WindowState::Minimized ? win.iconize() : win.show();
            view.shownState = f.state;
        }
    }
}

FormView& ViewOf(FormViews& v, Form& form) {
    for (auto& view : v.views)
        if (view->form == &form) return *view;
    auto view = std::make_unique<FormView>();
    view->owner = &v;
    view->form = &form;
    v.views.push_back(std::move(view));
    return *v.views.back();
}

} // namespace

void AttachFormViews(FormViews& v, std::span<Form* const> forms) {
    for (Form* f : forms) ViewOf(v, *f);
}

void ShowFormView(FormViews& v, Form& form, bool activate) {
    FormView& view = ViewOf(v, form);
    v.syncing = true;
    if (!view.window) BuildWindow(view);
    form.open = true;
    form.visible = true;
    SyncView(view);
    view.window->show();
    if (form.borderless) {
        // The toolkit names no override-redirect window; tools and tests find it by its class.
        char name[] = "quibnote";
        char kind[] = "Quibnote";
        XClassHint hint{name, kind};
        XSetClassHint(fl_display, fl_xid(view.window.get()), &hint);
        XRaiseWindow(fl_display, fl_xid(view.window.get()));
    }
    form.window = fl_xid(view.window.get());
    if (form.topmost) SendWmState(*view.window, true);
    view.shownTopmost = form.topmost;
    if (activate) XRaiseWindow(fl_display, fl_xid(view.window.get()));
    v.syncing = false;
}

void HideFormView(FormViews& v, Form& form) {
    FormView& view = ViewOf(v, form);
    form.visible = false;
    if (view.window) view.window->hide();
}

void SyncFormViews(FormViews& v) {
    v.syncing = true;
    for (auto& view : v.views)
        if (view->window) SyncView(*view);
    v.syncing = false;
}

std::optional<std::size_t> TextIndexAt(FormViews& v, const Form& form, std::string_view control,
                                       int x, int y) {
    for (const auto& view : v.views) {
        if (view->form != &form || !view->window || !view->window->shown()) continue;
        for (const auto& cv : view->controls) {
            if (cv->shown.name != control || !cv->shown.multiLine || !cv->widget) continue;
            const auto* editor = dynamic_cast<const MouseEditor*>(cv->widget);
            if (!editor || !editor->visible()) return std::nullopt;
            return editor->indexAt(x, y, v.twipsPerPixel);
        }
    }
    return std::nullopt;
}
