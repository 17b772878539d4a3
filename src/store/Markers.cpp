#include "store/Markers.h"

#include "platform/text.h"
#include "store/DatePicture.h"

std::string ApplyErasures(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        if (c != mark::Erase)
            out += c;
        else if (!out.empty())
            out.pop_back();
    }
    return out;
}

std::string RenderMarker(std::string_view content, MarkerMode mode, const LocalTime& now) {
    if (content.starts_with("dt:")) return FormatDatePicture(content.substr(3), now);
    if (mode == MarkerMode::Typing) return std::string(content);
    if (!content.starts_with("{'")) return "#";
    const std::string_view comment = content.substr(2);
    std::string shown = "#";
    shown += comment.substr(0, comment.find('}'));
    return shown;
}

std::string ReplaceWithMarkers(std::string_view text, std::string_view find,
                               std::string_view replacement, MarkerMode mode,
                               const LocalTime& now) {
    std::string out(text);
    if (find.empty()) return out;
    const bool markers = find == "`";
    for (std::size_t pos = out.find(find); pos != std::string::npos;) {
        std::size_t next = 0;
        if (markers && pos + 1 < out.size() && out[pos + 1] == '~') {
            const std::size_t close = out.find('~', pos + 2);
            const std::size_t contentEnd = close == std::string::npos ? out.size() : close;
            const std::size_t markerEnd = close == std::string::npos ? out.size() : close + 1;
            const std::string rendered = RenderMarker(
                std::string_view(out).substr(pos + 2, contentEnd - pos - 2), mode, now);
            out.replace(pos, markerEnd - pos, rendered);
            // The rendering holds no tilde, so every marker takes one away for good and the
            // rescan of the rendered text ends.
            next = pos;
        } else {
            out.replace(pos, find.size(), replacement);
            next = pos + replacement.size();
        }
        pos = out.find(find, next);
    }
    return out;
}

std::string RenderForTyping(std::string_view stored, const LocalTime& now) {
    return ReplaceWithMarkers(ReplaceWithMarkers(stored, "`", "\r", MarkerMode::Typing, now), "///",
                              "\t", MarkerMode::Typing, now);
}

std::string RenderForDisplay(std::string_view stored, const LocalTime& now) {
    return ApplyErasures(ReplaceWithMarkers(stored, "`", "\r\n\t", MarkerMode::Display, now));
}
