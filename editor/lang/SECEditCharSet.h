// A set of character codes 0..65535, one bit per code, as the language
// configuration keeps its keyword, delimiter and operator characters.
//
// A character's code comes from its bytes: a one-byte character is its byte;
// a two-byte character is lead byte * 256 + trail byte.  Longer UTF-8
// sequences cannot be expressed in 16 bits; they get a code above 65535,
// which no set ever holds.
#pragma once

#include "framework/base/WinTypes.h"

#include <array>
#include <cstddef>

// The first code that lies outside every set.
constexpr unsigned int SECEDIT_NO_SET_CODE = 0x10000;

// The code of the character that starts at p (at most `available` bytes are
// looked at); *pLength receives its byte length (0 when available is 0).
unsigned int SECEditCharCode(const unsigned char *p, size_t available, int *pLength);

// Appends the bytes that stand for `code` (one byte below 256, lead and trail
// byte otherwise) to `out`; returns the number of bytes written (1 or 2).
int SECEditCodeBytes(unsigned int code, unsigned char out[2]);

class SECEditCharSet {
public:
    SECEditCharSet() { m_bits.fill(0); }
    virtual ~SECEditCharSet() = default;

    // Non-zero when `code` is a member; FALSE for codes above 65535.
    BOOL Test(unsigned int code) const;
    // Adds (bFlag TRUE) or removes the code; codes above 65534 are ignored.
    void Set(unsigned int code, BOOL bFlag);
    // Removes every code 0..65534.
    void RemoveAll();
    // Adds the characters of the text (`length` bytes) until a code of 0.
    void AddCharacters(const char *text, size_t length);

private:
    static constexpr size_t kWords = 65536 / 32;
    std::array<DWORD, kWords> m_bits;
};
