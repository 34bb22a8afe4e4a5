#include "editor/controller/SECEditCaseMap.h"

#include "framework/base/Mbcs.h"

#include <cwctype>
#include <locale>

namespace {

// The case tables of a UTF-8 locale, without touching the program's
// global locale; the classic one (ASCII only) where none is installed.
const std::ctype<wchar_t> &CaseTable()
{
    static const std::locale locale = [] {
        for (const char *name : {"C.UTF-8", "C.utf8", "en_US.UTF-8"}) {
            try {
                return std::locale(name);
            } catch (const std::runtime_error &) {
            }
        }
        return std::locale::classic();
    }();
    return std::use_facet<std::ctype<wchar_t>>(locale);
}

void Encode(char32_t cp, CString &out)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

bool IsWellFormed(const unsigned char *p, int length)
{
    // A lone byte >= 0x80 is a byte that starts no character.
    return length > 1 || p[0] < 0x80;
}

} // namespace

CString SECEditChangeCase(const CString &text, bool bUpper)
{
    const auto *bytes = reinterpret_cast<const unsigned char *>(static_cast<LPCTSTR>(text));
    const int total = text.GetLength();
    const std::ctype<wchar_t> &table = CaseTable();
    CString out;
    for (int at = 0; at < total;) {
        unsigned int cp = 0;
        const int length = MbDecodeChar(bytes + at, static_cast<size_t>(total - at), &cp);
        if (!IsWellFormed(bytes + at, length)) {
            out += static_cast<char>(bytes[at]);
            at += length;
            continue;
        }
        const wchar_t mapped =
            bUpper ? table.toupper(static_cast<wchar_t>(cp)) : table.tolower(static_cast<wchar_t>(cp));
        const auto result = static_cast<char32_t>(mapped);
        // Surrogates or nothing sensible: the character stays.
        if (result == 0 || (result >= 0xD800 && result <= 0xDFFF) || result > 0x10FFFF)
            out += CString(reinterpret_cast<const char *>(bytes + at), length);
        else
            Encode(result, out);
        at += length;
    }
    return out;
}
