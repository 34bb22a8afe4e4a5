// Multibyte character helpers.  Text here is UTF-8: a "character" is one
// well-formed UTF-8 sequence; a byte that does not start one (a stray
// continuation byte, an overlong or truncated sequence) is a character of its
// own, so every byte of a file survives a walk unchanged.
#pragma once

#include "framework/base/WinTypes.h"

#include <cstddef>
#include <string>

// Length in bytes (1 to 4) of the character that starts at p, looking at no
// more than `available` bytes.
int MbCharLength(const unsigned char *p, size_t available);

// The character that starts at p: its code point in *codePoint (U+FFFD for a
// byte that starts no well-formed sequence) and its length in bytes (1 to 4;
// 0 only when available is 0).
int MbDecodeChar(const unsigned char *p, size_t available, unsigned int *codePoint);

// Start of the character before `current`, never before `start`.
size_t MbPreviousCharStart(const unsigned char *start, size_t current);

// A byte that continues a multibyte sequence (10xxxxxx).
inline bool MbIsContinuation(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

// Number of characters in the `length` bytes at p.
size_t MbCharCount(const unsigned char *p, size_t length);

// Where the `length` bytes at p are cut to keep at most `limit` of them: the
// last character boundary at or before limit, so a character the cut would
// split is left out whole (length itself when limit >= length).
size_t MbCharBoundary(const unsigned char *p, size_t length, size_t limit);

// Whether the n bytes at p begin a well-formed sequence but lack its last
// bytes (a character that more bytes may still complete).
bool MbIsCharPrefix(const unsigned char *p, size_t n);

// Typed text arrives one byte at a time; the bytes of a character are kept
// until it is whole.  Nothing typed is lost: waiting bytes that the next byte
// cannot continue go on unchanged, and a byte that starts no character goes
// on alone.
class MbTypedChars {
public:
    struct Ready {
        std::string flushed;   // waiting bytes the new byte could not continue
        std::string character; // a whole character, or a byte that starts none;
                               // empty while a character waits for its next byte
    };
    Ready Add(unsigned char byte);
    bool IsWaiting() const { return m_count > 0; }
    void Clear() { m_count = 0; }

private:
    unsigned char m_bytes[4] = {};
    size_t m_count = 0; // at most three: a whole character never waits
};

// The regular-expression searches' own step, the one exception to the rule
// above: a lead C2-DF takes two bytes, E0-EF three and F0-F7 four (F5-F7
// included, as the engine's table of leads has them) when continuation
// bytes follow; any other byte is one (and so is the step at the end of
// the text, as with MbCharLength).  Overlong forms, surrogates and
// values past U+10FFFF are not checked.  The searches hand offsets to the
// engine and take offsets from it, so where they step past an empty match
// they must step as the engine does: its offsets and theirs must agree.
int MbEngineCharLength(const unsigned char *p, size_t available);

// A byte that may begin a multibyte sequence / that may continue one.
BOOL _ismbblead(unsigned int c);
BOOL _ismbbtrail(unsigned int c);
inline BOOL IsDBCSLeadByte(BYTE c)
{
    return _ismbblead(c);
}

// The walkers below work on NUL-terminated strings; a NUL is never part of a
// multibyte sequence, so they never step past the terminator.
const unsigned char *_mbsinc(const unsigned char *current);
unsigned char *_mbsinc(unsigned char *current);
const unsigned char *_mbsdec(const unsigned char *start, const unsigned char *current);
unsigned char *_mbsdec(unsigned char *start, unsigned char *current);
const unsigned char *_mbsninc(const unsigned char *str, size_t count);
size_t _mbclen(const unsigned char *c);
size_t _mbslen(const unsigned char *str);
// Number of bytes in the first `count` characters.
size_t _mbsnbcnt(const unsigned char *str, size_t count);

// Compare at most `count` bytes: byte order / ASCII letters without case.
int _mbsnbcmp(const unsigned char *s1, const unsigned char *s2, size_t count);
int _mbsnbicmp(const unsigned char *s1, const unsigned char *s2, size_t count);
int _mbsicmp(const unsigned char *s1, const unsigned char *s2);

// The first occurrence of a character (a code point, encoded as UTF-8) or of
// a substring; NULL when absent.
const unsigned char *_mbschr(const unsigned char *str, unsigned int c);
const unsigned char *_mbsstr(const unsigned char *str, const unsigned char *sub);
// The code point of the character at p (the byte value for an invalid byte).
unsigned int _mbsnextc(const unsigned char *p);
