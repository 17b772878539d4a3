#pragma once

#include <optional>
#include <string>
#include <string_view>

enum class MsgButtons { Ok, YesNo, YesNoCancel };
enum class MsgIcon { None, Information, Question, Exclamation };
enum class MsgAnswer { Ok, Yes, No, Cancel };

// Modal dialogs, the beep, and the help file.
class Dialogs {
  public:
    virtual ~Dialogs() = default;

    virtual MsgAnswer messageBox(std::string_view text, std::string_view title, MsgButtons buttons,
                                 MsgIcon icon) = 0;
    virtual std::optional<std::string> inputBox(std::string_view prompt, std::string_view title,
                                                std::string_view initial) = 0;
    virtual std::optional<std::string> openFileDialog(std::string_view title,
                                                      std::string_view pattern) = 0;
    virtual std::optional<std::string> saveFileDialog(std::string_view title,
                                                      std::string_view pattern) = 0;
    virtual void beep() = 0;
    // The help file's name in the program folder, as this desktop opens it.
    virtual std::string helpFileName() = 0;
    virtual bool showHelp(std::string_view path) = 0;
};
