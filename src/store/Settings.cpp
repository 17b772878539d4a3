#include "store/Settings.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int FieldCount = 23;

std::string_view TrimSpaces(std::string_view s) {
    const std::size_t first = s.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// The number at the start of a text: an optional sign, digits, and an optional fraction.
struct LeadingNumber {
    double value = 0;
    bool wholeText = false; // the text is that number and nothing else
};

LeadingNumber ReadLeadingNumber(std::string_view s) {
    std::size_t i = 0;
    double sign = 1;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) sign = s[i++] == '-' ? -1 : 1;
    double value = 0;
    bool digits = false;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i, digits = true)
        value = value * 10 + (s[i] - '0');
    if (i < s.size() && s[i] == '.') {
        double scale = 0.1;
        for (++i; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i, digits = true, scale /= 10)
            value += (s[i] - '0') * scale;
    }
    if (!digits) return {};
    return {sign * value, i == s.size()};
}

// Numbers are rounded half to even into their integer width. A number too large for that width
// is treated as no number at all: the field then keeps its default, as a non-numeric field does,
// instead of wrapping round into some unrelated value.
std::optional<std::int32_t> Rounded(double value, double lowest, double highest) {
    const double r = std::nearbyint(value);
    if (r < lowest || r > highest) return std::nullopt;
    return static_cast<std::int32_t>(r);
}

std::optional<int> Rounded16(double value) {
    return Rounded(value, -32768, 32767);
}

// A packed or counted field read with the leading-number rule: no number reads as 0.
int PackedField(std::string_view field) {
    const LeadingNumber n = ReadLeadingNumber(field);
    return Rounded16(n.value).value_or(0);
}

// Geometry and counts are taken only when the whole field is a number.
void TakeNumeric(std::string_view field, int& option) {
    const LeadingNumber n = ReadLeadingNumber(field);
    if (!n.wholeText) return;
    if (const std::optional<int> v = Rounded16(n.value)) option = *v;
}

// Colours are 32-bit integers, written back as the same signed decimal text.
void TakeColour(std::string_view field, std::uint32_t& option) {
    const LeadingNumber n = ReadLeadingNumber(field);
    if (!n.wholeText) return;
    if (const std::optional<std::int32_t> v = Rounded(n.value, INT32_MIN, INT32_MAX))
        option = static_cast<std::uint32_t>(*v);
}

bool Bit0(int v) {
    return v % 2 == 1;
}
bool Bit1(int v) {
    return v / 2 == 1;
}
int Pack(bool bit0, bool bit1) {
    return (bit0 ? 1 : 0) + (bit1 ? 2 : 0);
}

std::string ColourText(std::uint32_t colour) {
    return std::to_string(static_cast<std::int32_t>(colour));
}

// Where the type code begins: the two characters before the first " Copyright" that has no space
// among them; npos when there is none. One with a space is a field, or its separator, of a line
// with no code there, which a rebuilt line would read so again; looking on past it keeps the code
// of a line that holds the word more than once where a save of the line finds it too.
std::size_t TypeCodeStart(std::string_view s) {
    for (std::size_t p = s.find(" Copyright"); p != std::string_view::npos;
         p = s.find(" Copyright", p + 1))
        if (p >= 2 && s[p - 2] != ' ' && s[p - 1] != ' ') return p - 2;
    return std::string_view::npos;
}

} // namespace

std::string GetField(int n, std::string_view line) {
    const std::string_view s = TrimSpaces(line);
    std::size_t pos = 0;
    for (int k = 1; k <= n; ++k) {
        std::size_t space = s.find(' ', pos);
        if (space == std::string_view::npos) {
            if (pos > s.size()) return {};
            space = s.size(); // the space appended after the last word
        }
        if (k == n) return std::string(s.substr(pos, space - pos));
        pos = space + 1;
    }
    return {};
}

Options ParseSettings(std::string_view line) {
    Options o;
    std::string_view fields[FieldCount + 1];
    // Fields end where the type code begins: a line that another program or a hand edit left a
    // field short keeps its type code and the rest in the tail, instead of reading the code as
    // the expander's field and writing it back as something else. The code is found as
    // DatabaseTypeCode finds it, in the line as it stands.
    const std::size_t code = TypeCodeStart(line);
    const std::string_view head =
        TrimSpaces(code == std::string_view::npos ? line : line.substr(0, code));
    std::vector<std::string_view> words;
    for (std::size_t pos = 0; pos <= head.size();) {
        const std::size_t space = std::min(head.find(' ', pos), head.size());
        words.push_back(head.substr(pos, space - pos));
        pos = space + 1;
    }
    // A field short is the decimal places, the one field that is often empty, written without
    // its space.
    if (code != std::string_view::npos && words.size() == FieldCount - 1)
        words.insert(words.end() - 1, std::string_view());
    for (std::size_t k = 1; k <= FieldCount && k <= words.size(); ++k) fields[k] = words[k - 1];
    std::size_t tailStart = std::string_view::npos;
    if (words.size() > FieldCount)
        tailStart = static_cast<std::size_t>(words[FieldCount].data() - line.data());
    else if (code != std::string_view::npos)
        tailStart = code;
    if (tailStart != std::string_view::npos) {
        std::string_view tail = line.substr(tailStart);
        while (tail.ends_with(' ')) tail.remove_suffix(1);
        o.tail = tail;
    }

    int v = PackedField(fields[1]);
    o.smallWindow = Bit0(v);
    o.showClipsOnCopy = Bit1(v);
    v = PackedField(fields[2]);
    o.lookAhead = v % 2 != 0;
    // The menus offer 8, 10 and 12 points only. A hand-edited value outside them is brought back
    // in: a negative odd value would otherwise read as a size that saves as a different one.
    o.fontSize = std::clamp(v / 2 * 2 + 8, 8, 12);
    v = PackedField(fields[3]);
    o.fullSpeed = Bit0(v);
    o.protectedMode = Bit1(v);
    TakeColour(fields[4], o.mainColor);
    TakeNumeric(fields[5], o.mainTop);
    TakeNumeric(fields[6], o.mainLeft);
    TakeNumeric(fields[7], o.mainHeight);
    TakeNumeric(fields[8], o.mainWidth);
    TakeColour(fields[9], o.pickColor);
    TakeColour(fields[10], o.buttonColor);
    o.panelAnchored = fields[11] == "1";
    TakeNumeric(fields[12], o.panelTop);
    TakeNumeric(fields[13], o.panelLeft);
    v = PackedField(fields[14]);
    o.tipAtStart = Bit0(v);
    o.activateUsedWords = !Bit1(v);
    v = PackedField(fields[15]);
    o.statsWhileTyping = Bit0(v);
    o.activeOnlyLists = !Bit1(v);
    v = PackedField(fields[16]);
    o.statsAtClose = v % 10 == 1;
    // The menus offer levels 0 to 9 only; a hand-edited value outside them is brought back in.
    o.useLevel = std::min(std::max(v / 10, 0), 9);
    TakeNumeric(fields[17], o.ctrlQuoteCount);
    TakeNumeric(fields[18], o.ctrlSpaceCount);
    v = PackedField(fields[19]);
    o.panelAlwaysVisible = !Bit0(v);
    o.highlightDisplay = !Bit1(v);
    v = PackedField(fields[20]);
    o.startMinimized = Bit0(v);
    o.usePanel = Bit1(v);
    TakeColour(fields[21], o.panelColor);
    // Written back before the tail, a field that begins with the word would be read as the end
    // of a type code; it is no count of places either.
    if (!fields[22].starts_with("Copyright")) o.calcDecimals = fields[22];
    o.expanderOn = fields[23] == "1";

    o.startupTop = o.mainTop;
    o.startupLeft = o.mainLeft;
    o.startupHeight = o.mainHeight;
    o.startupWidth = o.mainWidth;
    return o;
}

std::string BuildSettingsLine(const Options& o) {
    // A space inside the decimal-places text would shift every later field.
    std::string decimals;
    for (const char c : o.calcDecimals)
        if (c != ' ') decimals += c;
    const std::string fields[FieldCount] = {
        std::to_string(Pack(o.smallWindow, o.showClipsOnCopy)),
        std::to_string(o.fontSize - 8 + (o.lookAhead ? 1 : 0)),
        std::to_string(Pack(o.fullSpeed, o.protectedMode)),
        ColourText(o.mainColor),
        std::to_string(std::max(o.mainTop, 0)),
        std::to_string(o.mainLeft),
        // A small window's height is not the size to come back to.
        std::to_string(o.smallWindow ? o.startupHeight : o.mainHeight),
        std::to_string(o.mainWidth),
        ColourText(o.pickColor),
        ColourText(o.buttonColor),
        o.panelAnchored ? "1" : "0",
        std::to_string(o.panelTop),
        std::to_string(o.panelLeft),
        std::to_string(Pack(o.tipAtStart, !o.activateUsedWords)),
        std::to_string(Pack(o.statsWhileTyping, !o.activeOnlyLists)),
        std::to_string(o.useLevel * 10 + (o.statsAtClose ? 1 : 0)),
        std::to_string(o.ctrlQuoteCount),
        std::to_string(o.ctrlSpaceCount),
        std::to_string(Pack(!o.panelAlwaysVisible, !o.highlightDisplay)),
        std::to_string(Pack(o.startMinimized, o.usePanel)),
        ColourText(o.panelColor),
        decimals,
        o.expanderOn ? "1" : "0",
    };
    std::string line;
    for (const std::string& field : fields) line.append(field).push_back(' ');
    return line.append(o.tail);
}

std::string DatabaseTypeCode(std::string_view settingsLine) {
    const std::size_t start = TypeCodeStart(settingsLine);
    return start == std::string_view::npos ? std::string()
                                           : std::string(settingsLine.substr(start, 2));
}
