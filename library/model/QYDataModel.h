// The content of one document: the components on the page, the page's
// property sets (always the form set), the page and print geometry, the
// printer and page-setup choice, the header and footer texts with their
// font, and the undo history, which the model is itself.  The document
// forwards its serialization, title, modified flag and delete-contents here.
#pragma once

#include "framework/app/PrintStructs.h"
#include "framework/base/CRect.h"
#include "framework/base/CString.h"
#include "framework/collections/Arrays.h"
#include "framework/collections/Lists.h"
#include "framework/object/Object.h"
#include "library/model/QYCommandHistory.h"
#include "library/model/QYCompList.h"
#include "library/model/QYDrawIndex.h"
#include "library/model/QYFilePersistence.h"

#include <memory>
#include <vector>

class CDC;
class CDocument;
class CFont;
class CQYBackComponent;
class CQYBaseProperties;
class CQYDrawComponent;
struct QY_COMP_PLACE;
class CQYPortComponent;
class CQYFormProperties;
struct CQYDocumentBody;

// The six header and footer texts, in stored order.
enum {
    QY_HEADER_LEFT,
    QY_HEADER_CENTER,
    QY_HEADER_RIGHT,
    QY_FOOTER_LEFT,
    QY_FOOTER_CENTER,
    QY_FOOTER_RIGHT,
    QY_HEADER_FOOTER_COUNT
};

// The page shown when the printer gives no usable page size.
#define QY_DEFAULT_PAGE_WIDTH 767
#define QY_DEFAULT_PAGE_HEIGHT 1059

// The unprintable margins of the application's current printer in the
// page-setup unit (PSD_INTHOUSANDTHSOFINCHES or PSD_INHUNDREDTHSOFMILLIMETERS;
// any other value gives device units), as distances.
CRect QYGetPrinterOffsets(DWORD dwUnit);

class CQYDataModel : public CObject, public CQYCommandHistory {
    DECLARE_SERIAL(CQYDataModel)
public:
    CQYDataModel();
    ~CQYDataModel() override;

    // The document body.  Loading reads everything into temporaries and
    // takes it over only when the whole body was read; the components join
    // the model directly with their stored tab orders (renumbered 1..n when
    // the file's are not), nothing is recorded in the history, and the
    // design-mode flag is taken as stored.
    void Serialize(CArchive& ar) override;

    virtual void ResetModel();
    virtual void DoInitData();
    virtual void SetOwnerDocument(CDocument* pDocument);
    virtual CDocument* GetOwnerDocument();
    virtual CString GetTitle();
    virtual void SetTitle(LPCTSTR lpszTitle);
    virtual void UpdateTitle();
    virtual void SetModifiedFlag(BOOL bModified = TRUE);
    virtual BOOL IsModified();

    // Direct edits of the component list (no history).
    virtual BOOL InsertComponent(CQYDrawComponent* pComp);
    virtual int InsertComponents(CQYCompList* pList);
    virtual BOOL RemoveComponent(CQYDrawComponent* pComp);
    virtual int RemoveComponents(CQYCompList* pList);
    virtual void CompactTabOrder(int nOrder);
    virtual int GetMaxTabOrder();
    virtual void OnDrawBack(CDC* pDC);
    virtual void NormalizeRect(CRect& rect);
    // Resets the history, then releases every component.
    virtual void RemoveAllComponents();

    // The factory: a new, created and named component of the type code
    // with one reference owned by the caller, or NULL for codes that make
    // nothing (or whose class is not loaded).  dwParam is for derived
    // models, which receive the toolbox item that was dropped through it:
    // pointer-sized, so that a pointer passes whole.
    virtual CQYDrawComponent* GetComponentByType(int nType, CRect rect, LPCTSTR lpszFileName, DWORD_PTR dwParam = 0);
    // The first name (caption) of the type's pattern with n = 1, 2, ... that
    // no component of the page has; names are upper case.
    virtual CString GetUniqueName(int nType);
    virtual CString GetUniqueCaption(int nType);
    virtual BOOL IsNameUsed(LPCTSTR lpszName);
    virtual BOOL IsCaptionUsed(LPCTSTR lpszCaption);

    // Undoable edits, run through the history.
    virtual void AddComponent(CQYDrawComponent* pComp);
    virtual void AddNewComponent(int nType, CRect rect, LPCTSTR lpszFileName);
    // Names the link, binds its ends to the ports (either may be NULL) and
    // adds it; bEndArrow gives it a solid end arrow.
    virtual void AddNewLink(CQYDrawComponent* pLink, CArray<CPoint, CPoint>* pPoints, CQYPortComponent* pFrom,
                            CQYPortComponent* pTo, BOOL bEndArrow);
    // Figures made from points, named and added undoably; bEndArrow gives
    // lines a solid end arrow.
    virtual void AddNewLine(LPPOINT lpPoints, int nCount, BOOL bEndArrow);
    virtual void AddNewLine(CArray<CPoint, CPoint>* pPoints, BOOL bEndArrow);
    virtual void AddNewPolygon(CArray<CPoint, CPoint>* pPoints);
    virtual void AddNewBezierLine(CArray<CPoint, CPoint>* pPoints, BOOL bEndArrow);
    virtual void AddNewCloseBezier(CArray<CPoint, CPoint>* pPoints);
    // Cuts every port and connector bond and removes everything, as one
    // undoable step (the undo ties the bonds again).
    virtual BOOL DeleteAllComponents();

    // Direct edits of the components on the page (no history).
    virtual BOOL MoveComponent(CQYDrawComponent* pComp, int dx, int dy);
    virtual int MoveComponents(CQYCompList* pList, int dx, int dy);
    virtual BOOL OffsetComponentPoint(CQYDrawComponent* pComp, int nIndex, int dx, int dy);
    // Scales each component about the anchor handle of its own rectangle;
    // FALSE when both factors are 1.
    virtual BOOL ScaleComponents(CQYCompList* pList, float fScaleX, float fScaleY, int nAnchor);
    virtual BOOL ScaleComponent(CQYDrawComponent* pComp, float fScaleX, float fScaleY, int nAnchor);
    // Moves the listed components into the group and puts the group on the
    // page named; the caller's reference on the group is dropped.  FALSE
    // when the list is empty.
    virtual BOOL GroupComponents(CQYCompList* pList, CQYDrawComponent* pGroup);
    virtual BOOL UnGroupComponent(CQYDrawComponent* pGroup);
    // Rotates each component about the centre of its own rectangle; FALSE
    // for an angle of 0.
    virtual BOOL RotateComponents(CQYCompList* pList, int nAngle);
    virtual BOOL RotateComponent(CQYDrawComponent* pComp, int nAngle);
    // Rotates about a given point (the rotate command keeps its centre).
    virtual BOOL RotateComponentAbout(CQYDrawComponent* pComp, int nAngle, float fCentreX, float fCentreY);
    // Takes the component out at its index and puts it back at nPosition
    // (0 = bottom) without releasing it; returns the old index, or -1 when
    // nothing moved (position out of range, the same, or not on the page).
    int MoveInDrawingOrder(CQYDrawComponent* pComp, int nPosition);
    virtual BOOL PlaceComponent(CQYDrawComponent* pComp, CRect& rect, int nParam1, int nParam2, int nParam3,
                                int nParam4);
    virtual CSize GetComponentsExtent();
    // The form: its auxiliary rectangle keeps the old one, it takes the new
    // one, and the page position follows.
    virtual void ResizeFormComponent(CQYDrawComponent* pComp, int nLeft, int nTop, int nRight, int nBottom);
    virtual void ResizeFormWithCaption(CQYDrawComponent* pComp, CRect rect, LPCTSTR lpszCaption);
    // The component's and the form property set's text and back colours.
    virtual void SetFormColors(CQYDrawComponent* pComp, COLORREF crBack, COLORREF crText);
    // Gives another component with tab order nOrder the component's order
    // and the component nOrder; returns the other one, or NULL.
    CQYDrawComponent* SwapTabOrder(int nOrder, CQYDrawComponent* pComp);
    // Discards a component that never became part of the page, leaving the
    // modified flag and the history as they were.
    BOOL AddAndRemoveLast(CQYDrawComponent* pComp);
    // Where the component stands: its index in the drawing order and its
    // tab order; FALSE when it is not on the page.
    BOOL FindComponentPlace(CQYDrawComponent* pComp, int& nIndex, int& nTabOrder);
    // Puts a component back at an index of the drawing order with a tab
    // order, raising the tab orders from there by one (the inverse of
    // RemoveComponent).  FALSE when it is on the page already.
    virtual BOOL RestoreComponent(CQYDrawComponent* pComp, int nIndex, int nTabOrder);
    // The same for many components at once, in one pass over the page's tab
    // orders instead of one per component: removes each listed component
    // that is on the page, in the list's order, recording its place as
    // FindComponentPlace gives it just before it leaves; and puts recorded
    // places back from the last to the first.  The outcome is that of
    // RemoveComponent and RestoreComponent one at a time.
    int RemoveComponentsInTurn(const std::vector<CQYDrawComponent*>& comps, std::vector<QY_COMP_PLACE>& places);
    int RestoreComponentsInTurn(const std::vector<QY_COMP_PLACE>& places);

    // Draw passes: every component in drawing order (its rectangle
    // normalised first), then, on request, every tab-order mark.  Derived
    // models override OnDraw and OnDrawTabOrder; DrawComponents and
    // DrawTabOrders are the same passes under the names the view uses.
    virtual void OnDraw(CDC* pDC);
    virtual void OnDrawTabOrder(CDC* pDC);
    void DrawComponents(CDC* pDC) { OnDraw(pDC); }
    // The component pass for the part of the page in rectClip: as
    // DrawComponents, but the components whose drawing bounds lie wholly
    // outside rectClip are left out (they would leave no pixel in it).  A
    // grid index of the bounds finds the others without a walk over the
    // whole page; it is made again after any change to the page.
    void DrawComponentsIn(CDC* pDC, const CRect& rectClip);
    void DrawTabOrders(CDC* pDC) { OnDrawTabOrder(pDC); }
    // Hit tests, topmost first: the component whose hit area holds the point
    // (tolerance 8), the same skipping empty entries, the component whose
    // point rectangle inflated by 10 holds it, and the port under it.
    virtual CQYDrawComponent* HitTest(int x, int y);
    virtual CQYDrawComponent* HitTestComponent(int x, int y);
    virtual CQYDrawComponent* HitTestPortArea(int x, int y);
    virtual CQYDrawComponent* HitTestArea(int x, int y);
    virtual CQYPortComponent* HitTestPort(int x, int y);
    // Clears the main mark of every listed component, then sets it on one.
    virtual void SetMainComponent(CQYCompList* pList, CQYDrawComponent* pComp);

    // Save and open by file name.  Open gives FALSE and leaves the model as
    // it was on any failure; a file of length 0 opens as a new document.
    virtual BOOL SaveDocument(LPCTSTR lpszPathName);
    virtual BOOL OpenDocument(LPCTSTR lpszPathName);
    virtual void ReleaseFile(CFile* pFile, BOOL bAbort);

    // Property sets, owned by the model.
    virtual void RemoveAllProperties();
    // Keeps a copy; FALSE when a set with the same id is there.
    virtual BOOL AddProperty(CQYBaseProperties* pProp);
    // Takes the first set with the id out of the list and deletes it.
    virtual BOOL RemoveProperty(int nId);
    virtual CQYBaseProperties* FindProperty(int nId);

    // Page setup, print geometry.
    virtual void ResetPageSetup();
    virtual void SetPagePosition(const CRect& rect);
    virtual void SetPagePositionAndCaption(const CRect& rect, LPCTSTR lpszCaption);
    virtual void DeleteBackComponent(BOOL bDelete);
    virtual CRect GetPrintPageRect();
    virtual void SetPrintPageRect(const CRect& rect);
    virtual CRect GetPrintPageSize();
    virtual void SelectAppPrinter();
    virtual void GetPrinterHandles(PRINTDLG& pd);
    virtual void RecalcPrintPage();
    virtual CSize GetPageSize();
    virtual void SetPageSize(int cx, int cy);
    virtual CRect GetPagePosition();

    // Header and footer field values, each a new string.
    virtual CString GetFieldPage();
    virtual CString GetFieldPageName();
    virtual CString GetFieldPageCount();
    virtual CString GetFieldTime();
    virtual CString GetFieldDate();
    virtual CString GetFieldLongDate();
    virtual CString GetFieldFileName();
    virtual CString GetFieldFileExt();
    virtual CString GetFieldFileNameExt();
    // The text with its field codes replaced by their values.
    virtual CString ExpandHeaderFooter(const CString& strText);
    virtual CRect GetPageMargins();
    virtual void CopyRect(CRect& rectDest, const CRect& rectSrc);

    virtual BOOL IsFormDesignMode();
    virtual void SetFormDesignMode(BOOL bOn);
    // Is the stored printer usable?  FALSE when the page setup was reset or
    // the printer replaced by the default one.
    virtual BOOL CreatePrinterDC();

    // History notifications.
    void OnHistoryChanged() override;
    void OnCommandExecuted(CQYBaseCommand* pCommand) override;

    CQYFormProperties* GetDefaultProperty();

    // Page setup record: the caller receives copies of the blocks, and
    // keeps its own when it hands a record in.
    void GetPageSetup(PAGESETUPDLG& psd);
    void SetPageSetup(const PAGESETUPDLG& psd);
    // The paper size of a device mode and its unit; FALSE when none found.
    BOOL ReadPaperSize(HGLOBAL hDevMode, DWORD& dwUnit, POINT& ptPaperSize);
    static HGLOBAL CopyGlobalBlock(HGLOBAL hBlock);

    // Header and footer font.
    void SetHeaderFontFace(LPCTSTR lpszFace);
    void SetHeaderPointSize(int nPoints, CDC* pDC = nullptr);
    void SetHeaderFontHeight(int nHeight, CDC* pDC = nullptr);
    void SetHeaderTextColor(COLORREF crColor);
    void SetHeaderFontWeight(int nWeight);
    CFont* CreateHeaderFont(CDC* pDC);
    CFont* GetHeaderFont(CDC* pDC);
    void ReleaseHeaderFont();
    int PointToLogical(int nPoint, CDC* pDC, BOOL bY);
    int LogicalToPoint(int nLogical, CDC* pDC, BOOL bY);

    // The page being printed and the pages of the print, for the page
    // fields (1 of 1 outside printing).
    void SetPrintingPage(int nPage, int nPageCount = 1);

    CString GetPathName() const { return strCurOpenFormFile; }
    CQYCompList& GetComponents() { return m_listComponents; }
    CObList& GetProperties() { return m_listProperties; }
    CQYDrawComponent* GetFormComponent() { return m_pFormComponent; }
    CQYBackComponent* GetBackComponent() { return m_pBackComponent; }
    void SetDrawFormFrame(BOOL bDraw) { m_bDrawFormFrame = bDraw; }
    BOOL IsDrawFormFrame() const { return m_bDrawFormFrame; }

    CQYDrawComponent* m_pFormComponent = nullptr;
    // The path of the file last opened or saved; derived and generated
    // models assign it directly.
    CString strCurOpenFormFile;
    CString m_strTitle;
    CDocument* m_pOwnerDoc = nullptr;
    BOOL m_bModified = FALSE;
    CRect m_rcPage;
    BOOL m_bDrawFormFrame = FALSE;
    CRect m_rcPrintPage;
    BOOL m_bFormDesignMode = FALSE;
    CObList m_listProperties;
    CQYCompList m_listComponents;
    // The drawing bounds of the components, made on first use.
    std::unique_ptr<CQYDrawIndex> m_pDrawIndex;
    CQYBackComponent* m_pBackComponent = nullptr;
    PAGESETUPDLG m_psd;
    CString m_strHeaderFooter[QY_HEADER_FOOTER_COUNT];
    CString m_strHFFaceName;
    int m_nHFPointSize = 10;
    int m_nHFFontHeight = 0;
    COLORREF m_crHFTextColor = 0;
    int m_nHFWeight = 400;
    BOOL m_bHFItalic = FALSE;
    BOOL m_bHFUnderline = FALSE;
    BOOL m_bHFStrikeOut = FALSE;
    CFont* m_pHeaderFont = nullptr;
    int m_nPrintingPage = 1;
    int m_nPrintingPageCount = 1;

protected:
    // The first text of the pattern with n = 1, 2, ... (upper case for a
    // name) that IsNameUsed (IsCaptionUsed) does not report.
    CString FirstFreeText(const CString& strPattern, bool bNames);
    // Makes the figure of the class from the points and adds it.
    void AddNewFigure(LPCSTR lpszClassName, const CArray<CPoint, CPoint>& points, BOOL bEndArrow);
    // Reads a whole body; throws on a bad or short record.
    void LoadBody(CArchive& ar, CQYDocumentBody& body);
    void StoreBody(CArchive& ar);
    // Takes the body over; the model's components stay.
    void AdoptBody(CQYDocumentBody& body);
    // Tab orders 1..n in the order of the stored numbers (list order among
    // equal ones).
    void MakeTabOrdersDense();
    // The model as a new document: no components or history, defaults.
    void ResetToNewDocument();
    void FreePrinterBlocks();
};
