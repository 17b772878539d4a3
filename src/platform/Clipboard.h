#pragma once

#include <optional>
#include <string>
#include <string_view>

// The clipboard's text.
class Clipboard {
  public:
    virtual ~Clipboard() = default;

    virtual std::optional<std::string> clipboardText() = 0;
    virtual bool clearClipboard() = 0;
    virtual bool setClipboardText(std::string_view text) = 0;
};
