// The configuration interface of a language: what the text buffer, the
// token parser and the settings dialog ask of a language.
#pragma once

#include "editor/lang/SECEditColorGroup.h"
#include "editor/lang/SECEditInterfaces.h"
#include "editor/lang/SECEditTag.h"
#include "editor/lang/SECEditHint.h"

#include "framework/collections/Collections.h"

typedef CArray<SECEditColorGroup *, SECEditColorGroup *> SECEditColorGroupArray;

// The character sets of a language, by number.
enum SECEditCharSetId {
    SECEDIT_KWSTARTCHARS = 0,
    SECEDIT_KWMIDDLECHARS = 1,
    SECEDIT_KWENDCHARS = 2,
    SECEDIT_DELIMITERS = 3,
    SECEDIT_OPERATORS = 4,
};

// The fixed colour groups, by number.
enum SECEditFixedGroup {
    SECEDIT_GROUP_TEXT = 0,
    SECEDIT_GROUP_SELECTION = 1,
    SECEDIT_GROUP_NUMBER = 2,
    SECEDIT_GROUP_OPERATOR = 3,
};

// Which tags FindTag and GetTags consider.
enum SECEditTagKind {
    SECEDIT_TAG_SINGLELINE = 0,
    SECEDIT_TAG_MULTILINE = 1,
    SECEDIT_TAG_ANY = 2,
};

class ISECEditLangConfig : public ISECEditObject {
public:
    // Listeners are observers (the text buffers that colour with this
    // language); they hear of a change through OnUpdate with this
    // configuration's interface as the sender.
    virtual void AddListener(SECEditObserver *pListener) = 0;
    // Removes every occurrence of the listener.
    virtual void RemoveListener(SECEditObserver *pListener) = 0;
    // Calls every listener but pExcept (which may be NULL), in order.
    virtual void NotifyListeners(SECEditObserver *pExcept, SECEditHint *pHint) = 0;
    virtual BOOL GetAutoIndent() = 0;
    virtual SECEditColorGroup *GetColorGroup(int nIndex) = 0;
    virtual int GetColorGroupCount() = 0;
    virtual SECEditColorGroup *GetFixedColorGroup(int nFixedGroup) = 0;
    virtual WORD GetFixedGroupIndex(int nFixedGroup) = 0;
    virtual SECEditColorGroupArray &GetColorGroups() = 0;
    virtual BOOL GetBold() = 0;
    virtual CString GetFontFace() = 0;
    virtual BOOL GetItalic() = 0;
    virtual int GetFontSize() = 0;
    virtual CString GetName() = 0;
    virtual BOOL GetMatchCase() = 0;
    virtual BOOL GetReplaceTabs() = 0;
    virtual BOOL GetShowWhitespace() = 0;
    // The tag whose begin text starts at pText (nAvailable bytes); with
    // nExactLength non-zero the begin text must have exactly that length.
    virtual SECEditTag *FindTag(LPCTSTR pText, int nAvailable, int nExactLength, int nKind) = 0;
    // Empties the list, then adds every tag of the kind in tag-map order.
    virtual void GetTags(CPtrList &tags, int nKind) = 0;
    virtual int GetTabSize() = 0;
    virtual BOOL GetVirtualWhitespace() = 0;
    // nLength when the token has a colour group (stored in *pGroup), else 0.
    virtual int LookupKeyword(LPCTSTR pToken, int nLength, WORD *pGroup) = 0;
    virtual BOOL IsInCharSet(unsigned int nCode, int nSet) = 0;
    virtual void SetAutoIndent(BOOL bAutoIndent) = 0;
    virtual void SetBold(BOOL bBold) = 0;
    virtual void SetFontFace(LPCTSTR lpszFace) = 0;
    virtual void SetItalic(BOOL bItalic) = 0;
    virtual void SetFontSize(int nSize) = 0;
    // Adds the characters to set nSet (emptying it first when bClearFirst)
    // and tells the listeners that the colours must be worked out again.
    virtual void SetCharSet(LPCTSTR lpszChars, int nSet, BOOL bClearFirst) = 0;
    virtual void SetName(LPCTSTR lpszName) = 0;
    virtual void SetMatchCase(BOOL bMatchCase) = 0;
    virtual void SetReplaceTabs(BOOL bReplaceTabs) = 0;
    virtual void SetShowWhitespace(BOOL bShow) = 0;
    virtual void SetTabSize(int nTabSize) = 0;
    virtual void SetVirtualWhitespace(BOOL bVirtual) = 0;

protected:
    ~ISECEditLangConfig() = default;
};
