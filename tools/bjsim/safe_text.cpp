#include "tools/bjsim/safe_text.h"

#include "store/csv_text.h"

#include <cstdint>
#include <cstdio>

namespace bj::sim {
namespace {

// The lead bytes of well-formed UTF-8 and the range of the byte after each.
struct Lead {
    std::size_t Length;
    unsigned char Low, High;
};

Lead LeadOf(unsigned char b) {
    if (b < 0x80)
        return {1, 0, 0};
    if (b >= 0xC2 && b <= 0xDF)
        return {2, 0x80, 0xBF};
    if (b == 0xE0)
        return {3, 0xA0, 0xBF}; // no overlong forms
    if (b == 0xED)
        return {3, 0x80, 0x9F}; // no surrogates
    if (b >= 0xE1 && b <= 0xEF)
        return {3, 0x80, 0xBF};
    if (b == 0xF0)
        return {4, 0x90, 0xBF};
    if (b >= 0xF1 && b <= 0xF3)
        return {4, 0x80, 0xBF};
    if (b == 0xF4)
        return {4, 0x80, 0x8F}; // nothing past U+10FFFF
    return {0, 0, 0};
}

// Length of the well-formed UTF-8 sequence at `at`, 0 when none starts there.
std::size_t SequenceLength(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const Lead lead = LeadOf(byte(at));
    if (lead.Length <= 1)
        return lead.Length;
    if (at + lead.Length > text.size() || byte(at + 1) < lead.Low || byte(at + 1) > lead.High)
        return 0;
    for (std::size_t i = 2; i < lead.Length; ++i)
        if (byte(at + i) < 0x80 || byte(at + i) > 0xBF)
            return 0;
    return lead.Length;
}

// The code point of a well-formed sequence.
std::uint32_t CodePoint(std::string_view sequence) {
    const auto lead = static_cast<unsigned char>(sequence[0]);
    if (sequence.size() == 1)
        return lead;
    std::uint32_t point = lead & (0x7Fu >> sequence.size());
    for (std::size_t i = 1; i < sequence.size(); ++i)
        point = point << 6 | (static_cast<unsigned char>(sequence[i]) & 0x3Fu);
    return point;
}

bool IsControl(std::string_view sequence) {
    return IsControlCharacter(CodePoint(sequence));
}

std::string Hex(const char* format, unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::string CEscape(std::string_view bytes) {
    if (bytes == "\n")
        return "\\n";
    if (bytes == "\r")
        return "\\r";
    if (bytes == "\t")
        return "\\t";
    std::string escaped;
    for (const unsigned char c : bytes)
        escaped += Hex("\\x%02x", c);
    return escaped;
}

} // namespace

std::string TerminalText(std::string_view text) {
    std::string shown;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = SequenceLength(text, at);
        const std::string_view sequence = text.substr(at, length ? length : 1);
        if (length == 0 || IsControl(sequence))
            shown += CEscape(sequence);
        else if (sequence == "\\")
            shown += "\\\\";
        else
            shown += sequence;
        at += sequence.size();
    }
    return shown;
}

std::string CsvField(std::string_view text) {
    return CsvQuoted(TerminalText(text));
}

std::string JsonString(std::string_view text) {
    std::string quoted = "\"";
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = SequenceLength(text, at);
        const std::string_view sequence = text.substr(at, length ? length : 1);
        if (length == 0)
            quoted += "\xEF\xBF\xBD";
        else if (IsControl(sequence))
            quoted += Hex("\\u%04x", CodePoint(sequence));
        else if (sequence == "\"" || sequence == "\\")
            quoted += "\\" + std::string(sequence);
        else
            quoted += sequence;
        at += sequence.size();
    }
    return quoted + "\"";
}

} // namespace bj::sim
