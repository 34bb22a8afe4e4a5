#include "editor/lang/SECEditCharSet.h"

#include "framework/base/Mbcs.h"

unsigned int SECEditCharCode(const unsigned char *p, size_t available, int *pLength)
{
    if (available == 0) {
        *pLength = 0;
        return 0;
    }
    const int length = MbCharLength(p, available);
    *pLength = length;
    if (length == 1)
        return p[0];
    if (length == 2)
        return static_cast<unsigned int>(p[0]) * 256u + p[1];
    return SECEDIT_NO_SET_CODE + static_cast<unsigned int>(p[0]);
}

int SECEditCodeBytes(unsigned int code, unsigned char out[2])
{
    if (code < 256) {
        out[0] = static_cast<unsigned char>(code);
        return 1;
    }
    out[0] = static_cast<unsigned char>((code >> 8) & 0xFF);
    out[1] = static_cast<unsigned char>(code & 0xFF);
    return 2;
}

BOOL SECEditCharSet::Test(unsigned int code) const
{
    if (code > 65535)
        return FALSE;
    return (m_bits[code / 32] >> (code % 32)) & 1u;
}

void SECEditCharSet::Set(unsigned int code, BOOL bFlag)
{
    if (code > 65534)
        return;
    const DWORD mask = DWORD(1) << (code % 32);
    if (bFlag)
        m_bits[code / 32] |= mask;
    else
        m_bits[code / 32] &= ~mask;
}

void SECEditCharSet::RemoveAll()
{
    // Code 65535 can never be set, so clearing every bit removes exactly
    // the codes 0..65534.
    m_bits.fill(0);
}

void SECEditCharSet::AddCharacters(const char *text, size_t length)
{
    const auto *p = reinterpret_cast<const unsigned char *>(text);
    size_t offset = 0;
    while (offset < length) {
        int charLength = 0;
        const unsigned int code = SECEditCharCode(p + offset, length - offset, &charLength);
        if (code == 0)
            break;
        Set(code, TRUE);
        offset += static_cast<size_t>(charLength);
    }
}
