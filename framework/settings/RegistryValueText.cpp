#include "framework/settings/RegistryValueText.h"

#include "framework/settings/IniDocument.h"
#include "framework/settings/RegistryTypes.h"

#include <cstdio>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

bool StartsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

bool PlainTextReadsBack(std::string_view text)
{
    if (text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos)
        return false;
    if (!text.empty() && (IsBlank(text.front()) || IsBlank(text.back())))
        return false;
    if (CIniDocument::StripQuotes(text).size() != text.size())
        return false;
    return !StartsWith(text, "dword:") && !StartsWith(text, "hex:") && !StartsWith(text, "hex(");
}

std::string HexBytes(std::string_view bytes)
{
    static const char digits[] = "0123456789abcdef";
    std::string out;
    out.reserve(bytes.size() * 3);
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (i > 0)
            out += ',';
        unsigned char b = static_cast<unsigned char>(bytes[i]);
        out += digits[b >> 4];
        out += digits[b & 15];
    }
    return out;
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// "xx,xx,..." (blanks allowed around the commas); false on anything else.
bool ParseHexBytes(std::string_view text, std::string &bytes)
{
    bytes.clear();
    size_t i = 0;
    auto skipBlanks = [&] {
        while (i < text.size() && IsBlank(text[i]))
            ++i;
    };
    skipBlanks();
    if (i == text.size())
        return true;
    for (;;) {
        if (i + 1 >= text.size() || HexDigit(text[i]) < 0 || HexDigit(text[i + 1]) < 0)
            return false;
        bytes += static_cast<char>(HexDigit(text[i]) * 16 + HexDigit(text[i + 1]));
        i += 2;
        skipBlanks();
        if (i == text.size())
            return true;
        if (text[i] != ',')
            return false;
        ++i;
        skipBlanks();
    }
}

bool ParseHexNumber(std::string_view text, DWORD &number)
{
    if (text.empty() || text.size() > 8)
        return false;
    number = 0;
    for (char c : text) {
        if (HexDigit(c) < 0)
            return false;
        number = number * 16 + static_cast<DWORD>(HexDigit(c));
    }
    return true;
}

} // namespace

std::string EncodeRegistryValue(const CRegistryValue &value)
{
    if (value.type == REG_DWORD && value.bytes.size() == 4) {
        const unsigned char *b = reinterpret_cast<const unsigned char *>(value.bytes.data());
        DWORD number = b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<DWORD>(b[3]) << 24);
        char text[16];
        std::snprintf(text, sizeof text, "dword:%08x", number);
        return text;
    }
    if (value.type == REG_SZ && PlainTextReadsBack(value.bytes))
        return value.bytes;
    if (value.type == REG_BINARY)
        return "hex:" + HexBytes(value.bytes);
    char prefix[24];
    std::snprintf(prefix, sizeof prefix, "hex(%x):", static_cast<unsigned>(value.type));
    return prefix + HexBytes(value.bytes);
}

CRegistryValue DecodeRegistryValue(std::string_view text)
{
    CRegistryValue value;
    DWORD number = 0;
    if (StartsWith(text, "dword:") && text.size() == 14 && ParseHexNumber(text.substr(6), number)) {
        value.type = REG_DWORD;
        for (int shift = 0; shift < 32; shift += 8)
            value.bytes += static_cast<char>((number >> shift) & 0xFF);
        return value;
    }
    if (StartsWith(text, "hex:") && ParseHexBytes(text.substr(4), value.bytes)) {
        value.type = REG_BINARY;
        return value;
    }
    size_t close = text.find("):");
    if (StartsWith(text, "hex(") && close != std::string_view::npos &&
        ParseHexNumber(text.substr(4, close - 4), number) && ParseHexBytes(text.substr(close + 2), value.bytes)) {
        value.type = number;
        return value;
    }
    value.type = REG_SZ;
    value.bytes = std::string(CIniDocument::StripQuotes(text));
    return value;
}
