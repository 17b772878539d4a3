#pragma once

#include "platform/Form.h"
#include "platform/Screen.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// Where the program lets pending interface events run: the main loop's head, or anywhere else
// (inside a key reading or a wait, nested in whatever the program is doing).
enum class EventSite { Nested, LoopHead };

// Something the user did to one of the program's windows, for the program's handlers.
struct UserAction {
    enum class Kind { Menu, Click, Change, Scroll, MouseDown, MouseMove, MouseUp, Close };
    Kind kind = Kind::Click;
    std::string form;
    std::string control; // control or menu item name
    int index = -1;      // control array index
    int x = 0;           // twips inside the control (mouse), or screen twips for a form drag
    int y = 0;
    MouseButton button = MouseButton::Left;
};

// The program's own windows. The forms stay owned by the program; a backend renders them and
// reports what the user does through the action handler.
class FormHost {
  public:
    virtual ~FormHost() = default;

    virtual void attachForms(std::span<Form* const> forms) = 0;
    virtual void setActionHandler(std::function<void(const UserAction&)> handler) = 0;
    virtual void showForm(Form& form, bool activate) = 0;
    virtual void hideForm(Form& form) = 0;
    // The character of a shown multi-line text box at a point (twips inside the control), as the
    // window really lays the text out, wrapping included: an index into the control's text, or
    // none where no character is (below the last line, or no such box on show). A point right of
    // a line's end gives that line's end.
    virtual std::optional<std::size_t> textIndexAt(const Form& form, std::string_view control,
                                                   int x, int y) = 0;
    // Lets pending interface events run; returns how many of the program's windows are open.
    virtual int doEvents(EventSite site = EventSite::Nested) = 0;
};
