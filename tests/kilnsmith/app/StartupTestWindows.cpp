// The windows that CMDIApp binds, for the start-up tests: plain text
// documents in plain MDI frames, so that start-up, shutdown and the
// application's commands are tested on their own.
#include "kilnsmith/app/MDIApp.h"

#include "WizardTestSupport.h"

#include "framework/app/DocTemplate.h"
#include "framework/app/MessageBoxes.h"
#include "framework/resources/Resources.h"

namespace {

constexpr UINT kFrameMenu = 9310;
constexpr UINT kTextMenu = 9311;

const RESOURCE_MENU_ITEM kMenu[] = {
    {MF_POPUP, 0, "&File"},
    {MF_END, ID_FILE_OPEN, "&Open..."},
    {MF_POPUP | MF_END, 0, "&Window"},
    {MF_END, ID_WINDOW_CASCADE, "&Cascade"},
};

const RESOURCE_STRING kStrings[] = {
    {kFrameMenu, "Startup"},
    {kTextMenu, "\nText\nText\n\n\nText.Document\nText Document"},
};

void RegisterStartupResources()
{
    PlexoRegisterMenu(kFrameMenu, kMenu, static_cast<int>(sizeof(kMenu) / sizeof(kMenu[0])));
    PlexoRegisterMenu(kTextMenu, kMenu, static_cast<int>(sizeof(kMenu) / sizeof(kMenu[0])));
    PlexoRegisterStrings(kStrings, static_cast<int>(sizeof(kStrings) / sizeof(kStrings[0])));
}

} // namespace

void CMDIApp::RegisterWindowResources()
{
    RegisterStartupResources();
}

CDocTemplate *CMDIApp::CreateDocumentTemplate()
{
    RegisterStartupResources();
    return new CMultiDocTemplate(kTextMenu, RUNTIME_CLASS(CTextDoc), RUNTIME_CLASS(CMDIChildWnd),
                                 RUNTIME_CLASS(CTextView));
}

CFrameWnd *CMDIApp::CreateMainFrame()
{
    CMDIFrameWnd *pFrame = new CMDIFrameWnd;
    if (!pFrame->LoadFrame(kFrameMenu))
        return nullptr;
    return pFrame;
}

void CMDIApp::OnAppAbout()
{
    AfxMessageBox("About");
}
