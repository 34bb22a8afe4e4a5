// The operations of the editor's regular-expression engine.  The text store
// and the find settings reach the engine only through this interface; the
// engine itself lives with the controller and registers a factory here when
// its library is loaded.
#pragma once

#include "framework/base/CString.h"

class SECEditRegExpBase {
public:
    virtual BOOL Create() = 0;
    virtual CString GetPattern() = 0;
    virtual void SetPattern(LPCTSTR pattern) = 0;
    virtual BOOL GetIgnoreCase() = 0;
    virtual void SetIgnoreCase(BOOL bIgnoreCase) = 0;
    virtual BOOL IsAvailable() = 0;
    // The first match in a NUL-terminated text: 0-based index and length.
    virtual BOOL Match(LPCTSTR text, long *firstIndex, long *length, CString &matched) = 0;
    virtual BOOL Match(LPCTSTR text, long *firstIndex, long *length) = 0;
    // Replaces the first (or every) match in text; TRUE when text changed.
    virtual BOOL Replace(CString &text, LPCTSTR replacement, BOOL bAll) = 0;
    virtual ~SECEditRegExpBase() = default;

    // The same searches over counted bytes (a NUL is an ordinary byte).
    virtual BOOL MatchBytes(const char *text, int nLength, long *firstIndex, long *length) = 0;
    // The last of the successive matches in the bytes that starts before
    // nStartLimit (a match may run on past it).
    virtual BOOL MatchLastBytes(const char *text, int nLength, int nStartLimit, long *firstIndex, long *length) = 0;
    // FALSE when the pattern does not compile; error then holds the reason.
    virtual BOOL IsPatternValid(CString &error) = 0;

    // Searching text kept in pieces without copying it together: the first
    // match in text[0, nLength) that starts at nStart or later, the bytes
    // before nStart seen by look-behinds.  With bMoreFollows the text goes on
    // after nLength, and an attempt that needs to see past it ends the search
    // as partial (*first: where that attempt began; every earlier start has
    // failed).  *first and *end are set for a match and a partial one.
    enum PieceResult { pieceError = -1, pieceNoMatch = 0, pieceMatch = 1, piecePartial = 2 };
    virtual int MatchPiece(const char *text, int nLength, int nStart, BOOL bMoreFollows, long *first, long *end) = 0;
    // How many bytes before a start position a match may look at.
    virtual int GetLookbehindBytes() = 0;
};

typedef SECEditRegExpBase *(*SECEditRegExpFactory)();

// Installs the factory that makes engines (NULL removes it).
void SECEditSetRegExpFactory(SECEditRegExpFactory factory);
// A new engine from the installed factory, not yet created; NULL without one.
SECEditRegExpBase *SECEditNewRegExp();
