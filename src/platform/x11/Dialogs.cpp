#include "platform/x11/Dialogs.h"

#include "platform/text.h"
#include "platform/x11/Labels.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_File_Chooser.H>
#include <FL/fl_ask.H>
#include <FL/fl_draw.H>
#include <algorithm>

namespace {

// No switch: the X headers that measuring text needs define None as a macro.
const char* IconLetter(MsgIcon icon) {
    if (icon == MsgIcon::Information) return "i";
    if (icon == MsgIcon::Question) return "?";
    if (icon == MsgIcon::Exclamation) return "!";
    return "";
}

} // namespace

MsgAnswer ShowMessageBox(std::string_view text, std::string_view title, MsgButtons buttons,
                         MsgIcon icon) {
    // Wrapped to fit the screen with room for the icon and the frame, and to a width still
    // comfortable to read on a wide screen.
    fl_open_display();
    const int maxWidth = std::clamp(Fl::w() - 160, 200, 720);
    fl_font(fl_message_font_, fl_message_size_);
    const std::string message = MessageText(text, maxWidth, [](std::string_view utf8) {
        return static_cast<int>(fl_width(utf8.data(), static_cast<int>(utf8.size())));
    });
    fl_message_title(EditText(title).c_str());
    fl_message_icon()->label(IconLetter(icon));
    fl_message_hotspot(0);
    // The default button is the first, as on Windows; Escape takes the last choice (No or
    // Cancel) where there is one.
    switch (buttons) {
    case MsgButtons::Ok:
        fl_choice("%s", nullptr, fl_ok, nullptr, message.c_str());
        return MsgAnswer::Ok;
    case MsgButtons::YesNo:
        return fl_choice("%s", fl_no, fl_yes, nullptr, message.c_str()) == 1 ? MsgAnswer::Yes
                                                                             : MsgAnswer::No;
    case MsgButtons::YesNoCancel:
        switch (fl_choice("%s", fl_cancel, fl_yes, fl_no, message.c_str())) {
        case 1:
            return MsgAnswer::Yes;
        case 2:
            return MsgAnswer::No;
        default:
            return MsgAnswer::Cancel;
        }
    }
    return MsgAnswer::Ok;
}

std::optional<std::string> AskForText(std::string_view prompt, std::string_view title,
                                      std::string_view initial) {
    fl_message_title(EditText(title).c_str());
    fl_message_icon()->label("?");
    const char* answer = fl_input("%s", EditText(initial).c_str(), ToolkitText(prompt).c_str());
    if (!answer) return std::nullopt;
    return Cp1252FromUtf8(answer);
}

std::optional<std::string> ChooseFile(std::string_view title, std::string_view pattern, bool save) {
    const std::string filter = ToolkitPattern(pattern);
    Fl_File_Chooser chooser(".", filter.empty() ? nullptr : filter.c_str(),
                            save ? Fl_File_Chooser::CREATE : Fl_File_Chooser::SINGLE,
                            EditText(title).c_str());
    chooser.preview(1);
    chooser.show();
    while (chooser.shown()) Fl::wait();
    if (chooser.count() < 1 || !chooser.value()) return std::nullopt;
    return std::string(chooser.value());
}
