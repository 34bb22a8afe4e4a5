// SECEditLangConfig: everything the editor knows about one language: its
// character sets, tags, colour groups, keywords, font and editing options.
// Reference counted; tells its listeners when its character sets change.
// Its own persistent form is the archive body written by Serialize.
#pragma once

#include "editor/lang/ISECEditLangConfig.h"
#include "editor/lang/SECEditCharSet.h"
#include "editor/lang/SECEditListenerList.h"
#include "framework/collections/Collections.h"
#include "framework/object/Object.h"

typedef CMap<CString, LPCTSTR, WORD, WORD> SECEditWordMap;
typedef CMap<CString, LPCTSTR, SECEditTag *, SECEditTag *> SECEditTagMap;

class SECEditLangConfig : public CObject, public ISECEditLangConfig, public ISECEditRefCount {
    DECLARE_SERIAL(SECEditLangConfig)

public:
    SECEditLangConfig();
    SECEditLangConfig(const SECEditLangConfig &) = delete;
    SECEditLangConfig &operator=(const SECEditLangConfig &) = delete;

    void Serialize(CArchive &ar) override;
    // Removes all tags, keywords, colour groups and set members; the name,
    // font, options, listeners and reference count stay.
    virtual void Clear();
    // Clear, then the default font, the four fixed groups and the default
    // options.
    virtual void SetDefaults();

    // Identifier look-up and reference counting.
    bool QueryInterface(const GUID &iid, void **ppv) override;
    int AddRef() override;
    int Release() override;

    // ISECEditLangConfig
    void AddListener(SECEditObserver *pListener) override;
    void RemoveListener(SECEditObserver *pListener) override;
    void NotifyListeners(SECEditObserver *pExcept, SECEditHint *pHint) override;
    BOOL GetAutoIndent() override { return m_bAutoIndent; }
    SECEditColorGroup *GetColorGroup(int nIndex) override;
    int GetColorGroupCount() override;
    SECEditColorGroup *GetFixedColorGroup(int nFixedGroup) override;
    WORD GetFixedGroupIndex(int nFixedGroup) override;
    SECEditColorGroupArray &GetColorGroups() override { return m_groups; }
    BOOL GetBold() override { return FALSE; }
    CString GetFontFace() override { return m_strFontFace; }
    BOOL GetItalic() override { return FALSE; }
    int GetFontSize() override { return m_nFontSize; }
    CString GetName() override { return m_strName; }
    BOOL GetMatchCase() override { return m_bMatchCase; }
    BOOL GetReplaceTabs() override { return m_bReplaceTabs; }
    BOOL GetShowWhitespace() override { return m_bShowWhitespace; }
    SECEditTag *FindTag(LPCTSTR pText, int nAvailable, int nExactLength, int nKind) override;
    void GetTags(CPtrList &tags, int nKind) override;
    int GetTabSize() override { return m_nTabSize; }
    BOOL GetVirtualWhitespace() override { return m_bVirtualWhitespace; }
    int LookupKeyword(LPCTSTR pToken, int nLength, WORD *pGroup) override;
    BOOL IsInCharSet(unsigned int nCode, int nSet) override;
    void SetAutoIndent(BOOL bAutoIndent) override { m_bAutoIndent = bAutoIndent; }
    void SetBold(BOOL bBold) override { m_bBold = bBold; }
    void SetFontFace(LPCTSTR lpszFace) override { m_strFontFace = lpszFace; }
    void SetItalic(BOOL bItalic) override { m_bItalic = bItalic; }
    void SetFontSize(int nSize) override { m_nFontSize = nSize; }
    void SetCharSet(LPCTSTR lpszChars, int nSet, BOOL bClearFirst) override;
    void SetName(LPCTSTR lpszName) override { m_strName = lpszName; }
    void SetMatchCase(BOOL bMatchCase) override { m_bMatchCase = bMatchCase; }
    void SetReplaceTabs(BOOL bReplaceTabs) override { m_bReplaceTabs = bReplaceTabs; }
    void SetShowWhitespace(BOOL bShow) override { m_bShowWhitespace = bShow; }
    void SetTabSize(int nTabSize) override { m_nTabSize = nTabSize; }
    void SetVirtualWhitespace(BOOL bVirtual) override { m_bVirtualWhitespace = bVirtual; }

    // What the readers and writers fill and walk.
    BOOL GetStoredBold() const { return m_bBold; }
    BOOL GetStoredItalic() const { return m_bItalic; }
    SECEditCharSet *GetCharSet(int nSet);
    // The set's members in ascending code order, as characters.
    CString GetCharSetString(int nSet);
    // Adds the characters (nLength bytes, up to a code of 0) without telling
    // the listeners.
    void AddCharacters(int nSet, LPCTSTR pChars, int nLength);
    SECEditWordMap &GetKeywordMap() { return m_keywords; }
    SECEditTagMap &GetTagMap() { return m_tags; }
    SECEditWordMap &GetGroupNameMap() { return m_groupNames; }
    // Enters a tag under its begin text; every prefix of the begin text
    // becomes a prefix entry, and a tag stored under any of them is deleted.
    void AddTag(SECEditTag *pTag);
    // Replaces the group of that name, or appends it; returns its index.
    WORD SetColorGroup(LPCTSTR lpszName, SECEditColorGroup *pGroup);
    // Looks the four fixed groups up again by their names; FALSE when one
    // is missing (its index then stays as it was).
    BOOL ResolveFixedGroups();
    // The name under which group nIndex stands in the group-name map, or
    // an empty string.
    CString GetColorGroupName(int nIndex);
    void RebuildLowerCaseKeywords();

protected:
    ~SECEditLangConfig() override;

private:
    void ClearTags();
    void ClearGroups();
    void AppendDefaultGroup(LPCTSTR lpszName, COLORREF crFore, COLORREF crBack, BOOL bConfigurable, int nFixedGroup);
    void StoreBody(CArchive &ar);
    void LoadBody(CArchive &ar);
    void LoadGroups(CArchive &ar);
    void LoadTags(CArchive &ar);
    void LoadKeywords(CArchive &ar);
    void LoadGroupNames(CArchive &ar);

    CString m_strName;
    int m_nRefCount = 1;
    BOOL m_bShowWhitespace = FALSE;
    BOOL m_bReplaceTabs = FALSE;
    BOOL m_bVirtualWhitespace = FALSE;
    int m_nTabSize = 4;
    BOOL m_bAutoIndent = FALSE;
    BOOL m_bMatchCase = TRUE;
    CString m_strFontFace;
    int m_nFontSize = 10;
    BOOL m_bItalic = FALSE;
    BOOL m_bBold = FALSE;
    SECEditWordMap m_keywords;
    SECEditListenerList m_listeners;
    SECEditCharSet m_sets[5];
    SECEditTagMap m_tags;
    SECEditWordMap m_groupNames;
    SECEditColorGroupArray m_groups;
    WORD m_fixedGroups[4] = {0, 1, 2, 3};
    CMapStringToString m_lowerKeywords;
};
