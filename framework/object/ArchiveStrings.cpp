// The archive's string record, with the wide form accepted on load.
#include "framework/object/Archive.h"

#include <climits>
#include <string>

namespace {

void AppendUtf8(std::string &out, char32_t code)
{
    if (code < 0x80) {
        out += char(code);
    } else if (code < 0x800) {
        out += char(0xC0 | (code >> 6));
        out += char(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += char(0xE0 | (code >> 12));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    } else {
        out += char(0xF0 | (code >> 18));
        out += char(0x80 | ((code >> 12) & 0x3F));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    }
}

// UTF-16LE to UTF-8; an unpaired surrogate becomes U+FFFD.
std::string Utf16LeToUtf8(const BYTE *pBytes, size_t nUnits)
{
    std::string out;
    out.reserve(nUnits);
    for (size_t i = 0; i < nUnits; ++i) {
        char32_t unit = char32_t(pBytes[2 * i] | (pBytes[2 * i + 1] << 8));
        if (unit >= 0xD800 && unit < 0xDC00 && i + 1 < nUnits) {
            char32_t next = char32_t(pBytes[2 * i + 2] | (pBytes[2 * i + 3] << 8));
            if (next >= 0xDC00 && next < 0xE000) {
                AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (next - 0xDC00));
                ++i;
                continue;
            }
        }
        if (unit >= 0xD800 && unit < 0xE000)
            unit = 0xFFFD;
        AppendUtf8(out, unit);
    }
    return out;
}

} // namespace

void CArchive::WriteStringLength(ULONGLONG nLength)
{
    if (nLength < 0xFF) {
        *this << BYTE(nLength);
    } else if (nLength < 0xFFFE) {
        // 0xFFFE itself is the wide-string marker, so it goes the long way.
        *this << BYTE(0xFF) << WORD(nLength);
    } else if (nLength < 0xFFFFFFFF) {
        *this << BYTE(0xFF) << WORD(0xFFFF) << DWORD(nLength);
    } else {
        *this << BYTE(0xFF) << WORD(0xFFFF) << DWORD(0xFFFFFFFF) << ULONGLONG(nLength);
    }
}

ULONGLONG CArchive::ReadStringLength(BOOL &bWide)
{
    bWide = FALSE;
    BYTE bLength;
    *this >> bLength;
    if (bLength < 0xFF)
        return bLength;
    WORD wLength;
    *this >> wLength;
    if (wLength == 0xFFFE) {
        // The wide form: the length follows again, counting UTF-16 units.
        bWide = TRUE;
        *this >> bLength;
        if (bLength < 0xFF)
            return bLength;
        *this >> wLength;
    }
    if (wLength < 0xFFFF)
        return wLength;
    DWORD dwLength;
    *this >> dwLength;
    if (dwLength < 0xFFFFFFFF)
        return dwLength;
    ULONGLONG qwLength;
    *this >> qwLength;
    return qwLength;
}

void CArchive::WriteStringRecord(const CString &str)
{
    UINT nLength = UINT(str.GetLength());
    WriteStringLength(nLength);
    Write((LPCTSTR)str, nLength);
}

void CArchive::ReadStringRecord(CString &str)
{
    BOOL bWide;
    ULONGLONG nUnits = ReadStringLength(bWide);
    ULONGLONG nBytes = bWide ? nUnits * 2 : nUnits;
    if (nUnits > ULONGLONG(INT_MAX) / 2 + 1)
        ThrowArchive(CArchiveException::endOfFile);
    EnsureAvailable(nBytes);
    if (nBytes > ULONGLONG(INT_MAX))
        ThrowArchive(CArchiveException::genericException);

    std::string bytes(size_t(nBytes), '\0');
    if (Read(bytes.data(), UINT(nBytes)) != UINT(nBytes))
        ThrowArchive(CArchiveException::endOfFile);
    if (bWide)
        str = CString(Utf16LeToUtf8(reinterpret_cast<const BYTE *>(bytes.data()), size_t(nUnits)));
    else
        str = CString(std::move(bytes));
}

CArchive &operator<<(CArchive &ar, const CString &str)
{
    ar.WriteStringRecord(str);
    return ar;
}

CArchive &operator>>(CArchive &ar, CString &str)
{
    ar.ReadStringRecord(str);
    return ar;
}
