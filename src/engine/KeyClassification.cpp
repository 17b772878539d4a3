#include "engine/KeyClassification.h"

#include "engine/Core.h"
#include "keyout/Primitives.h"
#include "platform/keys.h"

#include <array>

namespace {

// One row of the classification table. A row without a plain character applies only with
// Shift; the delimiter flags say whether the key ends the word without and with Shift.
struct Row {
    bool PassReadings::*pressed;
    std::uint8_t key;
    const char* plain;
    const char* shifted;
    bool plainEnds;
    bool shiftedEnds;
};

// In the order the rows are tried; the first that applies wins.
constexpr std::array<Row, 21> kTable{{
    {&PassReadings::space, vk::Space, " ", " ", true, true},
    {&PassReadings::enter, vk::Return, "\r", "\r", true, true},
    {&PassReadings::period, vk::OemPeriod, ".", ">", true, false},
    {&PassReadings::comma, vk::OemComma, ",", "<", true, false},
    {&PassReadings::tab, vk::Tab, "\t", "\t", true, true},
    {&PassReadings::slash, vk::Oem2, "/", "?", true, true},
    {&PassReadings::backslash, vk::Oem5, "\\", "|", true, true},
    {&PassReadings::one, vk::Key1, nullptr, "!", true, true},
    {&PassReadings::semicolon, vk::Oem1, ";", ":", true, true},
    {&PassReadings::minus, vk::OemMinus, "-", "_", true, true},
    {&PassReadings::quote, vk::Oem7, "'", "\"", true, true},
    {&PassReadings::nine, vk::Key9, nullptr, "(", true, true},
    {&PassReadings::zero, vk::Key0, nullptr, ")", false, false},
    // The bracket and equals keys carry suffixes, the back-quote suppresses an expansion.
    {&PassReadings::leftBracket, vk::Oem4, "", "", true, true},
    {&PassReadings::rightBracket, vk::Oem6, "", "", true, true},
    {&PassReadings::equals, vk::OemPlus, "", "", true, true},
    {&PassReadings::backQuote, vk::Oem3, "", "", true, true},
    {&PassReadings::f2, vk::F2, "", "", false, false},
    {&PassReadings::f6, vk::F6, "", "", false, false},
    {&PassReadings::backspace, vk::Back, "\b", "\b", false, false},
    {&PassReadings::del, vk::Delete, "", "", false, false},
}};

std::optional<ClassifiedKey> TableRow(const PassReadings& k) {
    for (const Row& row : kTable) {
        if (!(k.*row.pressed)) continue;
        if (k.shift) return ClassifiedKey{row.key, row.shifted, row.shiftedEnds};
        if (row.plain) return ClassifiedKey{row.key, row.plain, row.plainEnds};
    }
    return std::nullopt;
}

// Reads the keys in order and stops at the first that reads pressed.
std::optional<std::uint8_t> Scan(Core& core, std::uint8_t from, std::uint8_t to,
                                 bool skipOneAndNine) {
    for (int key = from; key <= to; ++key) {
        if (skipOneAndNine && (key == vk::Key1 || key == vk::Key9)) continue;
        const std::int16_t reading = PollKey(core.platform, static_cast<std::uint8_t>(key));
        core.engine.word.lastRangeReading = reading;
        if (reading != 0) return static_cast<std::uint8_t>(key);
    }
    return std::nullopt;
}

} // namespace

std::optional<ClassifiedKey> ClassifyKey(Core& core, const PassReadings& k) {
    if (std::optional<ClassifiedKey> row = TableRow(k)) return row;
    // A click may have moved the caret, so the floating panel looks for it again.
    if (k.leftButton) core.engine.expansion.floatingPanelCycle = 1;
    for (std::uint8_t arrow : {vk::Left, vk::Right})
        if (Scan(core, arrow, arrow, false)) return ClassifiedKey{arrow, "", false};
    if (std::optional<std::uint8_t> digit = Scan(core, vk::Key0, vk::Key9, k.shift))
        return ClassifiedKey{*digit, std::string(1, static_cast<char>(*digit)), false};
    // Shift and Caps Lock never change the letter that enters the word.
    if (std::optional<std::uint8_t> letter = Scan(core, vk::KeyA, vk::KeyZ, false))
        return ClassifiedKey{*letter, std::string(1, static_cast<char>(*letter + 32)), false};
    return std::nullopt;
}
