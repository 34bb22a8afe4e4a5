// Cut, copy, paste and delete of the canvas view through the desktop
// clipboard, and pastes of hostile payloads.
#include "ViewTestSupport.h"

#include "framework/object/Archive.h"
#include "framework/object/File.h"
#include "framework/shellui/Clipboard.h"
#include "framework/shell/ClipboardFormats.h"
#include "framework/window/MessageBoxApi.h"
#include "library/model/QYBaseCommand.h"
#include "library/model/QYCommandCodes.h"
#include "library/model/QYCompProperties.h"
#include "library/model/QYDrawPortsComponent.h"
#include "library/model/QYPortComponent.h"
#include "library/model/QYPortLink.h"
#include "library/shapes/QYGroupComponent.h"
#include "library/shapes/QYLinkComponent.h"
#include "library/view/QYClipboardPayload.h"
#include "library/view/QYPasteNames.h"
#include "library/view/QYViewIds.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

int g_nMessageBoxes = 0;

class ViewClipboard : public ViewFixture {
protected:
    void SetUp() override
    {
        ViewFixture::SetUp();
        g_nMessageBoxes = 0;
        m_pfnOld = AfxSetMessageBoxHandler([](LPCTSTR, UINT, UINT) {
            ++g_nMessageBoxes;
            return IDOK;
        });
        a = Put(CRect(40, 40, 120, 100));
        b = Put(CRect(300, 200, 380, 260));
        a->SetObjectName("RECTANGLE1");
        b->SetObjectName("RECTANGLE2");
        auto* pLink = new CQYLinkComponent;
        pLink->AddRef();
        CArray<CPoint, CPoint> points;
        points.Add(CPoint(120, 70));
        points.Add(CPoint(300, 230));
        Model().AddNewLink(pLink, &points, Port(a, 1, 0.5), Port(b, 0, 0.5), FALSE);
        link = pLink;
        pLink->Release();
        Model().Reset();
    }
    void TearDown() override
    {
        AfxSetMessageBoxHandler(m_pfnOld);
        ViewFixture::TearDown();
    }
    static CQYPortComponent* Port(CQYDrawComponent* pComp, double fX, double fY)
    {
        return static_cast<CQYDrawPortsComponent*>(pComp)->FindPort(fX, fY);
    }
    static void PutOnClipboard(UINT nFormat, const std::vector<BYTE>& bytes)
    {
        HGLOBAL hBlock = ::GlobalAlloc(GMEM_MOVEABLE, bytes.size());
        if (!bytes.empty()) {
            std::memcpy(::GlobalLock(hBlock), bytes.data(), bytes.size());
            ::GlobalUnlock(hBlock);
        }
        ASSERT_TRUE(::OpenClipboard(nullptr));
        ::EmptyClipboard();
        ::SetClipboardData(nFormat, hBlock);
        ::CloseClipboard();
    }
    std::vector<CString> Names()
    {
        std::vector<CString> names;
        for (POSITION pos = Model().GetComponents().GetHeadPosition(); pos != nullptr;)
            names.push_back(Model().GetComponents().GetNext(pos)->GetObjectName());
        return names;
    }
    static CRect Normal(CRect rect)
    {
        rect.NormalizeRect();
        return rect;
    }

    AfxMessageBoxHandler m_pfnOld = nullptr;
    CQYDrawComponent* a = nullptr;
    CQYDrawComponent* b = nullptr;
    CQYDrawComponent* link = nullptr;
};

// An archive of a component list written by hand.
template <class WRITE>
std::vector<BYTE> ArchiveBytes(WRITE write)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        write(ar);
        ar.Close();
    }
    const UINT nSize = static_cast<UINT>(file.GetLength());
    BYTE* pBytes = file.Detach();
    std::vector<BYTE> bytes(pBytes, pBytes + nSize);
    free(pBytes);
    return bytes;
}

TEST_F(ViewClipboard, CopyWithOnlyLinksLeavesTheClipboardAlone)
{
    const UINT nText = ::RegisterClipboardFormat("Plexo Test Marker");
    PutOnClipboard(nText, {1, 2, 3});
    Select({link});
    Command(ID_EDIT_COPY);
    EXPECT_TRUE(::IsClipboardFormatAvailable(nText));
    EXPECT_FALSE(::IsClipboardFormatAvailable(QYGetComponentClipboardFormat()));
}

TEST_F(ViewClipboard, PasteTwiceGivesTwoNewlyNamedSetsAtThePasteOffset)
{
    Select({a, b, link});
    Command(ID_EDIT_COPY);
    ASSERT_TRUE(::IsClipboardFormatAvailable(QYGetComponentClipboardFormat()));
    for (int nPaste = 1; nPaste <= 2; ++nPaste) {
        SCOPED_TRACE(nPaste);
        Command(ID_EDIT_PASTE);
        ASSERT_EQ(Model().GetComponents().GetCount(), 3 + 2 * nPaste);
        const std::vector<CQYDrawComponent*> pasted = Selected();
        ASSERT_EQ(pasted.size(), 2u); // the link is never copied
        EXPECT_EQ(Normal(pasted[0]->GetRect()), CRect(47, 47, 127, 107));
        EXPECT_EQ(Normal(pasted[1]->GetRect()), CRect(307, 207, 387, 267));
        EXPECT_EQ(Port(pasted[0], 1, 0.5)->GetLinkCount(), 0);
        EXPECT_EQ(Model().GetUndoCount(), nPaste);
    }
    const std::vector<CString> names = Names();
    for (size_t i = 0; i < names.size(); ++i)
        for (size_t j = i + 1; j < names.size(); ++j)
            EXPECT_NE(names[i], names[j]);
    Command(ID_EDIT_UNDO);
    Command(ID_EDIT_UNDO);
    EXPECT_EQ(Model().GetComponents().GetCount(), 3);
}

TEST_F(ViewClipboard, CutAndDeleteAreOneStepThatRestoresTheConnections)
{
    const UINT nCommands[] = {ID_EDIT_CUT, ID_EDIT_CLEAR};
    for (UINT nCommand : nCommands) {
        SCOPED_TRACE(nCommand);
        Select({a, link});
        Command(nCommand);
        EXPECT_EQ(Model().GetComponents().GetCount(), 1);
        EXPECT_EQ(Port(b, 0, 0.5)->GetLinkCount(), 0);
        EXPECT_TRUE(Selected().empty());
        EXPECT_EQ(Model().GetUndoCount(), 1);
        Command(ID_EDIT_UNDO);
        EXPECT_EQ(Model().GetComponents().GetCount(), 3);
        EXPECT_EQ(QYGetPortLink(link)->GetFromPort(), Port(a, 1, 0.5));
        EXPECT_EQ(QYGetPortLink(link)->GetToPort(), Port(b, 0, 0.5));
        EXPECT_EQ(Port(b, 0, 0.5)->GetLinkCount(), 1);
        Model().Reset();
    }
    // The cut put the shape on the clipboard.
    Command(ID_EDIT_PASTE);
    EXPECT_EQ(Model().GetComponents().GetCount(), 4);
}

TEST_F(ViewClipboard, HostilePayloadsAreRefusedWithAMessage)
{
    Select({a, b});
    Command(ID_EDIT_COPY);
    HANDLE hGood = nullptr;
    std::vector<BYTE> good;
    ASSERT_TRUE(::OpenClipboard(nullptr));
    hGood = ::GetClipboardData(QYGetComponentClipboardFormat());
    ASSERT_NE(hGood, nullptr);
    const BYTE* pGood = static_cast<const BYTE*>(::GlobalLock(hGood));
    good.assign(pGood, pGood + ::GlobalSize(hGood));
    ::GlobalUnlock(hGood);
    ::CloseClipboard();

    struct Case {
        const char* name;
        std::vector<BYTE> bytes;
    } cases[] = {
        {"truncated", std::vector<BYTE>(good.begin(), good.begin() + static_cast<long>(good.size() / 2))},
        {"wrong class", ArchiveBytes([](CArchive& ar) {
             CQYCompProperties props;
             ar.WriteCount(1);
             ar.WriteObject(&props);
         })},
        {"huge count", ArchiveBytes([](CArchive& ar) { ar.WriteCount(0x7FFFFFF0); })},
        {"empty", {}},
        {"noise", {0xFF, 0xFF, 0x7F, 0x00, 0x09, 'C', 'Q', 'Y', 0xFF}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PutOnClipboard(QYGetComponentClipboardFormat(), c.bytes);
        const int nBoxes = g_nMessageBoxes;
        Command(ID_EDIT_PASTE);
        EXPECT_EQ(g_nMessageBoxes, nBoxes + 1);
        EXPECT_EQ(Model().GetComponents().GetCount(), 3);
        EXPECT_EQ(Model().GetUndoCount(), 0);
    }
    // The good payload still pastes.
    PutOnClipboard(QYGetComponentClipboardFormat(), good);
    Command(ID_EDIT_PASTE);
    EXPECT_EQ(Model().GetComponents().GetCount(), 5);
}

TEST_F(ViewClipboard, UpdateRules)
{
    auto enabled = [this](UINT nID) {
        struct Probe : CCmdUI {
            BOOL bEnabled = FALSE;
            void Enable(BOOL bOn = TRUE) override { bEnabled = bOn; }
        } probe;
        probe.m_nID = nID;
        probe.DoUpdate(m_pView, FALSE);
        return probe.bEnabled;
    };
    Select({link});
    EXPECT_FALSE(enabled(ID_EDIT_COPY));
    EXPECT_FALSE(enabled(ID_EDIT_CUT));
    EXPECT_TRUE(enabled(ID_EDIT_CLEAR));
    Select({a, link});
    EXPECT_TRUE(enabled(ID_EDIT_COPY));
    PutOnClipboard(::RegisterClipboardFormat("Plexo Test Marker"), {1});
    EXPECT_FALSE(enabled(ID_EDIT_PASTE));
    Command(ID_EDIT_COPY);
    EXPECT_TRUE(enabled(ID_EDIT_PASTE));
    Model().GetDefaultProperty()->SetDesignMode(FALSE);
    EXPECT_FALSE(enabled(ID_EDIT_PASTE));
}

} // namespace

namespace {

// The payload of two rectangles is the document's list record, byte for
// byte (the fixture was written by this writer and checked by hand against
// the archive format: count, new-class record, class index).
TEST_F(ViewClipboard, PayloadMatchesTheListRecordFixture)
{
    CQYCompList list;
    list.AddTail(a);
    list.AddTail(link);
    list.AddTail(b);
    HGLOBAL hPayload = QYWriteComponentPayload(&list);
    ASSERT_NE(hPayload, nullptr);
    const BYTE* pBytes = static_cast<const BYTE*>(::GlobalLock(hPayload));
    const std::vector<BYTE> written(pBytes, pBytes + ::GlobalSize(hPayload));
    ::GlobalUnlock(hPayload);
    ::GlobalFree(hPayload);
    const CString strPath = CString(PLEXO_TEST_DATA_DIR) + "/view/two_rectangles.clip";
    if (getenv("PLEXO_WRITE_FIXTURES") != nullptr) {
        CFile out(strPath, CFile::modeCreate | CFile::modeWrite);
        out.Write(written.data(), static_cast<UINT>(written.size()));
    }
    CFile in(strPath, CFile::modeRead);
    std::vector<BYTE> fixture(static_cast<size_t>(in.GetLength()));
    in.Read(fixture.data(), static_cast<UINT>(fixture.size()));
    EXPECT_EQ(written, fixture);
    EXPECT_EQ(fixture[0], 2); // the count: the link is left out
}

TEST_F(ViewClipboard, PastedNamesAreTheFirstFreeOfEachPattern)
{
    // A page of RECTANGLE1, RECTANGLE3 and ELLIPSE2.
    CQYCompList page;
    auto add = [&](int nType, const char* pszName) {
        CQYDrawComponent* pComp = Model().GetComponentByType(nType, CRect(0, 0, 10, 10), "", 0);
        pComp->SetObjectName(pszName);
        page.AddTail(pComp);
        pComp->Release();
    };
    add(QY_COMP_RECTANGLE, "RECTANGLE1");
    add(QY_COMP_RECTANGLE, "RECTANGLE3");
    add(QY_COMP_ELLIPSE, "ELLIPSE2");
    CQYPasteNames names(page);
    const struct {
        int nType;
        const char* name;
    } takes[] = {
        {QY_COMP_RECTANGLE, "RECTANGLE2"},
        {QY_COMP_ELLIPSE, "ELLIPSE1"},
        {QY_COMP_RECTANGLE, "RECTANGLE4"},
        {QY_COMP_ELLIPSE, "ELLIPSE3"},
        {QY_COMP_RECTANGLE, "RECTANGLE5"},
        {0, "CUSTOM1"},
        {51, "CUSTOM2"},
    };
    for (const auto& take : takes)
        EXPECT_STREQ(names.Take(take.nType), take.name);
}

// A pasted group lands (+7, +7) from the copied one, each member with it.
TEST_F(ViewClipboard, APastedGroupMovesByThePasteOffsetWithItsMembers)
{
    Select({a, b});
    Command(ID_QY_GROUP);
    CQYDrawComponent* pGroup = Model().GetComponents().GetTail();
    ASSERT_TRUE(pGroup->IsKindOf(RUNTIME_CLASS(CQYGroupComponent)));
    const CRect group = Normal(pGroup->GetRect());
    EXPECT_EQ(group, CRect(40, 40, 380, 260));
    Select({pGroup});
    Command(ID_EDIT_COPY);
    for (int nPaste = 1; nPaste <= 2; ++nPaste) {
        SCOPED_TRACE(nPaste);
        Command(ID_EDIT_PASTE);
        const std::vector<CQYDrawComponent*> pasted = Selected();
        ASSERT_EQ(pasted.size(), 1u);
        auto* pCopy = DYNAMIC_DOWNCAST(CQYGroupComponent, pasted[0]);
        ASSERT_NE(pCopy, nullptr);
        EXPECT_EQ(Normal(pCopy->GetRect()), group + CPoint(7, 7));
        std::vector<CRect> members;
        for (POSITION pos = pCopy->m_listComponents.GetHeadPosition(); pos != nullptr;)
            members.push_back(Normal(pCopy->m_listComponents.GetNext(pos)->GetRect()));
        EXPECT_EQ(members, (std::vector<CRect>{CRect(47, 47, 127, 107), CRect(307, 207, 387, 267)}));
    }
    // The original stays where it was.
    EXPECT_EQ(Normal(pGroup->GetRect()), group);
    EXPECT_EQ(Normal(a->GetRect()), CRect(40, 40, 120, 100));
    // The clipboard frees the data read from it when it is next opened.
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::CloseClipboard();
}

// The copied components reach the desktop's clipboard under the registered
// name's MIME type, as the list record another running program reads.
TEST_F(ViewClipboard, TheDesktopClipboardCarriesThePayloadUnderItsMimeType)
{
    Select({a, b, link});
    Command(ID_EDIT_COPY);
    const QMimeData* pMime = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(pMime, nullptr);
    const CString strType = PlexoClipboardFormatMimeType(QYGetComponentClipboardFormat());
    const QString type = QString::fromUtf8(static_cast<LPCTSTR>(strType));
    EXPECT_EQ(type, QStringLiteral("application/x-plexo-clipboard;format=Plexo Component"));
    ASSERT_TRUE(pMime->hasFormat(type));
    const QByteArray bytes = pMime->data(type);
    CQYCompList list;
    CString strError;
    ASSERT_TRUE(QYReadComponentPayload(reinterpret_cast<const BYTE*>(bytes.constData()),
                                       static_cast<size_t>(bytes.size()), m_pDoc, list, strError));
    ASSERT_EQ(list.GetCount(), 2);
    EXPECT_STREQ(list.GetHead()->GetObjectName(), "RECTANGLE1");
    EXPECT_STREQ(list.GetTail()->GetObjectName(), "RECTANGLE2");
    // Data another program put there under that type pastes.
    auto* pOther = new QMimeData;
    pOther->setData(type, bytes);
    QGuiApplication::clipboard()->setMimeData(pOther);
    Command(ID_EDIT_PASTE);
    EXPECT_EQ(Model().GetComponents().GetCount(), 5);
    ASSERT_TRUE(::OpenClipboard(nullptr)); // frees the data read from it
    ::CloseClipboard();
}

// One component brought in from outside lands (+20, +20) from where it was,
// with the page's next free name and its own caption, as one undoable add.
TEST_F(ViewClipboard, APastedSingleComponentIsNamedMovedAndAddedOnce)
{
    CQYDrawComponent* pComp = Model().GetComponentByType(QY_COMP_RECTANGLE, CRect(10, 10, 60, 40), "", 0);
    pComp->SetObjectName("RECTANGLE1");
    pComp->SetObjectCaption("Brought in");
    CQYBaseCommand* pCommand = m_pView->AddPastedComponent(pComp);
    ASSERT_NE(pCommand, nullptr);
    EXPECT_EQ(pCommand->GetCommandID(), QY_CMD_ADDCOMP);
    EXPECT_EQ(Model().GetComponents().GetCount(), 4);
    EXPECT_EQ(Model().GetComponents().GetTail(), pComp);
    EXPECT_EQ(Normal(pComp->GetRect()), CRect(30, 30, 80, 60));
    EXPECT_STREQ(pComp->GetObjectName(), "RECTANGLE3");
    EXPECT_STREQ(pComp->GetObjectCaption(), "Brought in");
    EXPECT_EQ(Selected(), std::vector<CQYDrawComponent*>{pComp});
    EXPECT_EQ(Model().GetUndoCount(), 1);
    Command(ID_EDIT_UNDO);
    EXPECT_EQ(Model().GetComponents().GetCount(), 3);
    pComp->Release();
    EXPECT_EQ(m_pView->AddPastedComponent(nullptr), nullptr);
}

// Whatever its class, a pasted copy is the copied component moved by
// (+7, +7): every point, its rectangle, and nothing else changed.
TEST_F(ViewClipboard, EachKindOfComponentPastesMovedBySevenOnly)
{
    Model().RemoveAllComponents();
    auto last = [this] { return Model().GetComponents().GetTail(); };
    std::vector<std::pair<const char*, CQYDrawComponent*>> kinds;
    kinds.emplace_back("rectangle", Put(CRect(20, 20, 80, 60)));
    kinds.emplace_back("turned rectangle", Put(CRect(100, 20, 180, 60)));
    Model().RotateComponent(kinds.back().second, 300);
    kinds.emplace_back("ellipse", Put(CRect(200, 20, 260, 70), QY_COMP_ELLIPSE));
    kinds.emplace_back("text label", Put(CRect(20, 100, 120, 130), QY_COMP_STATIC));
    kinds.emplace_back("basic shape", Put(CRect(150, 100, 210, 150), 51));
    POINT line[3] = {{20, 200}, {80, 240}, {140, 210}};
    Model().AddNewLine(line, 3, TRUE);
    kinds.emplace_back("line", last());
    CArray<CPoint, CPoint> polygon;
    polygon.Add(CPoint(200, 200));
    polygon.Add(CPoint(260, 200));
    polygon.Add(CPoint(230, 260));
    Model().AddNewPolygon(&polygon);
    kinds.emplace_back("polygon", last());
    for (const auto& [name, pComp] : kinds) {
        SCOPED_TRACE(name);
        ASSERT_NE(pComp, nullptr);
        Select({pComp});
        Command(ID_EDIT_COPY);
        Command(ID_EDIT_PASTE);
        const std::vector<CQYDrawComponent*> pasted = Selected();
        ASSERT_EQ(pasted.size(), 1u);
        CQYDrawComponent* pCopy = pasted[0];
        ASSERT_NE(pCopy, pComp);
        EXPECT_STREQ(pCopy->GetRuntimeClass()->m_lpszClassName, pComp->GetRuntimeClass()->m_lpszClassName);
        EXPECT_EQ(Normal(pCopy->GetRect()), Normal(pComp->GetRect()) + CPoint(7, 7));
        ASSERT_EQ(pCopy->GetPointCount(), pComp->GetPointCount());
        for (int i = 0; i < pComp->GetPointCount(); ++i)
            EXPECT_EQ(pCopy->GetPointAt(i), pComp->GetPointAt(i) + CPoint(7, 7)) << i;
        EXPECT_STREQ(pCopy->GetObjectCaption(), pComp->GetObjectCaption());
    }
    ASSERT_TRUE(::OpenClipboard(nullptr)); // frees the data read from it
    ::CloseClipboard();
}

} // namespace

namespace {

// A payload cut short after a rectangle whose port lists the rectangle
// itself among its links: the load fails, and the objects it made are all
// given back (the leak checker sees any that keep each other alive).
TEST_F(ViewClipboard, APayloadCutShortAfterALinkBackLeavesNothingBehind)
{
    CQYPortComponent* pPort = Port(a, 0, 0.5);
    ASSERT_NE(pPort, nullptr);
    pPort->AddLink(a);
    const std::vector<BYTE> bytes = ArchiveBytes([this](CArchive& ar) {
        ar.WriteCount(2);
        ar.WriteObject(a);
    });
    pPort->RemoveLink(a);
    CQYCompList list;
    CString strError;
    EXPECT_FALSE(QYReadComponentPayload(bytes.data(), bytes.size(), nullptr, list, strError));
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_FALSE(strError.IsEmpty());
}

} // namespace
