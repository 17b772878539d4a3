#include "textfold.h"

#include <array>

namespace dbgen {

namespace {

// Plain letter of each byte 0xC0..0xFF; 0 where the byte is not a single accented letter.
constexpr std::array<char, 64> kFoldHigh = {
    'A', 'A', 'A', 'A', 'A', 'A', 0,   'C', 'E', 'E', 'E', 'E', 'I', 'I', 'I', 'I',
    'D', 'N', 'O', 'O', 'O', 'O', 'O', 0,   'O', 'U', 'U', 'U', 'U', 'Y', 0,   0,
    'a', 'a', 'a', 'a', 'a', 'a', 0,   'c', 'e', 'e', 'e', 'e', 'i', 'i', 'i', 'i',
    'd', 'n', 'o', 'o', 'o', 'o', 'o', 0,   'o', 'u', 'u', 'u', 'u', 'y', 0,   'y'};

char FoldByte(char c) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 0xC0) {
        const char plain = kFoldHigh[b - 0xC0];
        return plain != 0 ? plain : c;
    }
    switch (b) {
    case 0x8A:
        return 'S';
    case 0x9A:
        return 's';
    case 0x8E:
        return 'Z';
    case 0x9E:
        return 'z';
    case 0x9F:
        return 'Y';
    default:
        return c;
    }
}

} // namespace

bool IsLowerLetter(char c) {
    return c >= 'a' && c <= 'z';
}

bool IsVowel(char c) {
    return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u';
}

std::string LowerAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::string FoldAccents(std::string_view cp1252) {
    std::string out;
    out.reserve(cp1252.size());
    for (char c : cp1252) out += FoldByte(c);
    return out;
}

std::vector<std::string> LetterPieces(std::string_view cp1252) {
    std::vector<std::string> pieces;
    std::string piece;
    for (char c : LowerAscii(FoldAccents(cp1252))) {
        if (IsLowerLetter(c)) {
            piece += c;
        } else if (!piece.empty()) {
            pieces.push_back(piece);
            piece.clear();
        }
    }
    if (!piece.empty()) pieces.push_back(piece);
    return pieces;
}

} // namespace dbgen
