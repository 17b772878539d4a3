// A tips file of any text, read, shown and written back as the window closes. The tip shown is
// a piece of the file that holds no empty line; the number falls back to the first tip when no
// tip has it; a file too short to be a tips file, or without CR line ends, is never written; a
// written file keeps every tip, ends with its line break, and written again after the next run
// keeps them still.
#include "FuzzCheck.h"
#include "platform/text.h"
#include "ui/Tips.h"

#include <string>

namespace {

bool IsNumber(std::string_view s) {
    if (s.starts_with('-')) s.remove_prefix(1);
    return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
}

void RequireTipShown(TipsState& tips) {
    const std::string numberBefore = tips.number;
    const std::string tip = GetTip(tips);
    Require(tips.rest.find(tip) != std::string::npos, "the tip is a piece of the file");
    Require(tip.find("\r\n\r\n") == std::string::npos, "a tip ends at the first empty line");
    Require(tips.number == numberBefore || tips.number == "1",
            "the number stays, or falls back to the first tip");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view file = InputText(data, size);
    TipsState tips = ReadTips(file);
    if (file.find('\r') != std::string_view::npos)
        Require(tips.number + tips.rest == file, "the number and the rest are the whole file");
    else
        Require(tips.rest == file, "a file without lines is kept whole");
    RequireTipShown(tips);

    const std::optional<std::string> written = TipsFileAfterClose(tips);
    const bool hasLines = file.find('\r') != std::string_view::npos;
    Require(written.has_value() == (hasLines && tips.rest.size() >= 101),
            "only a file with lines, long enough to be a tips file, is written");
    if (!written) return 0;
    Require(written->ends_with(CrLf), "the written file ends with its line break");
    TipsState next = ReadTips(*written);
    Require(IsNumber(next.number), "the next run's number is a number");
    std::string rest = tips.rest;
    if (!rest.ends_with(CrLf)) rest += CrLf;
    Require(next.rest == rest, "every tip is kept");

    RequireTipShown(next);
    const std::optional<std::string> again = TipsFileAfterClose(next);
    Require(again && ReadTips(*again).rest == rest, "the tips survive every run");
    return 0;
}
