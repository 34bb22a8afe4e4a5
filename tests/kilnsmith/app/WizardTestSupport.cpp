#include "WizardTestSupport.h"

#include "framework/app/DocTemplate.h"
#include "framework/resources/Resources.h"
#include "framework/window/WindowApi.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

constexpr UINT kFrameMenu = 9300;
constexpr UINT kTextMenu = 9301;

const RESOURCE_MENU_ITEM kMenu[] = {
    {MF_POPUP, 0, "&File"},
    {MF_END, ID_FILE_OPEN, "&Open..."},
    {MF_POPUP | MF_END, 0, "&Window"},
    {MF_END, ID_WINDOW_CASCADE, "&Cascade"},
};

const RESOURCE_STRING kStrings[] = {
    {kFrameMenu, "Wizard"},
    {kTextMenu, "\nText\nText\n\n\nText.Document\nText Document"},
};

} // namespace

IMPLEMENT_DYNCREATE(CTextDoc, CDocument)
IMPLEMENT_DYNCREATE(CTextView, CView)

BOOL CTextDoc::OnOpenDocument(LPCTSTR lpszPathName)
{
    std::ifstream file(lpszPathName, std::ios::binary);
    if (!file.is_open())
        return FALSE;
    m_text.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return TRUE;
}

void WizardTest::SetUp()
{
    AppTestBase::SetUp();
    PlexoRegisterMenu(kFrameMenu, kMenu, static_cast<int>(sizeof(kMenu) / sizeof(kMenu[0])));
    PlexoRegisterMenu(kTextMenu, kMenu, static_cast<int>(sizeof(kMenu) / sizeof(kMenu[0])));
    PlexoRegisterStrings(kStrings, static_cast<int>(sizeof(kStrings) / sizeof(kStrings[0])));
    std::filesystem::create_directories(WorkFolder());
    m_pApp->AddDocTemplate(new CMultiDocTemplate(kTextMenu, RUNTIME_CLASS(CTextDoc), RUNTIME_CLASS(CMDIChildWnd),
                                                 RUNTIME_CLASS(CTextView)));
    m_pFrame = new CMDIFrameWnd;
    ASSERT_TRUE(m_pFrame->LoadFrame(kFrameMenu));
    m_pApp->m_pMainWnd = m_pFrame;
    m_pFrame->ShowWindow(SW_SHOW);
}

std::vector<std::string> WizardTest::OpenPaths() const
{
    std::vector<std::string> paths;
    POSITION pos = m_pApp->GetFirstDocTemplatePosition();
    while (pos != nullptr) {
        CDocTemplate *pTemplate = m_pApp->GetNextDocTemplate(pos);
        POSITION posDoc = pTemplate->GetFirstDocPosition();
        while (posDoc != nullptr)
            paths.emplace_back(pTemplate->GetNextDoc(posDoc)->GetPathName().GetString());
    }
    return paths;
}

CDocument *WizardTest::ActiveDocument() const
{
    CMDIChildWnd *pChild = m_pFrame->MDIGetActive();
    return pChild != nullptr ? pChild->GetActiveDocument() : nullptr;
}
