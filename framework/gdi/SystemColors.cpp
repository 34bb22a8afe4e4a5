// The classic system colour and metric tables.
#include <QGuiApplication>
#include <QScreen>

#include "framework/gdi/SystemColors.h"

#include "framework/gdi/GdiObjectData.h"

#include <array>
#include <mutex>

namespace {

constexpr int kColorCount = COLOR_MENUBAR + 1;

// The classic 3-D scheme: grey faces, white highlights, black dark shadows,
// navy captions and selection on a teal desktop.
constexpr std::array<COLORREF, kColorCount> kClassicColors = {
    RGB(192, 192, 192), // COLOR_SCROLLBAR
    RGB(0, 128, 128),   // COLOR_BACKGROUND
    RGB(0, 0, 128),     // COLOR_ACTIVECAPTION
    RGB(128, 128, 128), // COLOR_INACTIVECAPTION
    RGB(192, 192, 192), // COLOR_MENU
    RGB(255, 255, 255), // COLOR_WINDOW
    RGB(0, 0, 0),       // COLOR_WINDOWFRAME
    RGB(0, 0, 0),       // COLOR_MENUTEXT
    RGB(0, 0, 0),       // COLOR_WINDOWTEXT
    RGB(255, 255, 255), // COLOR_CAPTIONTEXT
    RGB(192, 192, 192), // COLOR_ACTIVEBORDER
    RGB(192, 192, 192), // COLOR_INACTIVEBORDER
    RGB(128, 128, 128), // COLOR_APPWORKSPACE
    RGB(0, 0, 128),     // COLOR_HIGHLIGHT
    RGB(255, 255, 255), // COLOR_HIGHLIGHTTEXT
    RGB(192, 192, 192), // COLOR_BTNFACE
    RGB(128, 128, 128), // COLOR_BTNSHADOW
    RGB(128, 128, 128), // COLOR_GRAYTEXT
    RGB(0, 0, 0),       // COLOR_BTNTEXT
    RGB(192, 192, 192), // COLOR_INACTIVECAPTIONTEXT
    RGB(255, 255, 255), // COLOR_BTNHIGHLIGHT
    RGB(0, 0, 0),       // COLOR_3DDKSHADOW
    RGB(192, 192, 192), // COLOR_3DLIGHT
    RGB(0, 0, 0),       // COLOR_INFOTEXT
    RGB(255, 255, 225), // COLOR_INFOBK
    RGB(192, 192, 192), // 25: unused slot
    RGB(0, 0, 128),     // COLOR_HOTLIGHT
    RGB(16, 132, 208),  // COLOR_GRADIENTACTIVECAPTION
    RGB(192, 192, 192), // COLOR_GRADIENTINACTIVECAPTION
    RGB(0, 0, 128),     // COLOR_MENUHILIGHT
    RGB(192, 192, 192), // COLOR_MENUBAR
};

struct Metric {
    int index;
    int value;
};

// Fixed metrics of the classic look at 96 logical pixels per inch.
constexpr Metric kClassicMetrics[] = {
    {SM_CXVSCROLL, 16},    {SM_CYHSCROLL, 16},     {SM_CYCAPTION, 19},     {SM_CXBORDER, 1},     {SM_CYBORDER, 1},
    {SM_CXDLGFRAME, 3},    {SM_CYDLGFRAME, 3},     {SM_CYVTHUMB, 16},      {SM_CXHTHUMB, 16},    {SM_CXICON, 32},
    {SM_CYICON, 32},       {SM_CXCURSOR, 32},      {SM_CYCURSOR, 32},      {SM_CYMENU, 19},      {SM_CYVSCROLL, 16},
    {SM_CXHSCROLL, 16},    {SM_CXMIN, 112},        {SM_CYMIN, 27},         {SM_CXSIZE, 18},      {SM_CYSIZE, 18},
    {SM_CXFRAME, 4},       {SM_CYFRAME, 4},        {SM_CXMINTRACK, 112},   {SM_CYMINTRACK, 27},  {SM_CXDOUBLECLK, 4},
    {SM_CYDOUBLECLK, 4},   {SM_CXICONSPACING, 75}, {SM_CYICONSPACING, 75}, {SM_CXEDGE, 2},       {SM_CYEDGE, 2},
    {SM_CXSMICON, 16},     {SM_CYSMICON, 16},      {SM_CYSMCAPTION, 15},   {SM_CXSMSIZE, 12},    {SM_CYSMSIZE, 14},
    {SM_CXMENUSIZE, 18},   {SM_CYMENUSIZE, 18},    {SM_CXMENUCHECK, 13},   {SM_CYMENUCHECK, 13}, {SM_CXDRAG, 4},
    {SM_CYDRAG, 4},        {SM_CMOUSEBUTTONS, 3},  {SM_SWAPBUTTON, 0},     {SM_CMONITORS, 1},    {SM_CXFOCUSBORDER, 1},
    {SM_CYFOCUSBORDER, 1}, {SM_CXMINIMIZED, 160},  {SM_CYMINIMIZED, 24},
};

QSize ScreenSize()
{
    if (qGuiApp) {
        if (QScreen *screen = QGuiApplication::primaryScreen()) {
            QSize s = screen->size();
            if (s.width() > 0 && s.height() > 0)
                return s;
        }
    }
    return QSize(1024, 768);
}

} // namespace

DWORD GetSysColor(int nIndex)
{
    if (nIndex < 0 || nIndex >= kColorCount)
        return 0;
    return kClassicColors[static_cast<size_t>(nIndex)];
}

HBRUSH GetSysColorBrush(int nIndex)
{
    if (nIndex < 0 || nIndex >= kColorCount)
        return nullptr;
    static std::mutex mutex;
    static std::array<HBRUSH, kColorCount> brushes{};
    std::lock_guard<std::mutex> lock(mutex);
    HBRUSH &h = brushes[static_cast<size_t>(nIndex)];
    if (!h) {
        auto b = std::make_shared<BrushData>();
        b->color = kClassicColors[static_cast<size_t>(nIndex)];
        b->stock = true; // shared by everyone: DeleteObject leaves it alone
        h = GdiHandles::Insert(std::move(b));
    }
    return h;
}

int GetSystemMetrics(int nIndex)
{
    switch (nIndex) {
    case SM_CXSCREEN:
    case SM_CXFULLSCREEN:
    case SM_CXVIRTUALSCREEN: return ScreenSize().width();
    case SM_CYSCREEN:
    case SM_CYVIRTUALSCREEN: return ScreenSize().height();
    case SM_CYFULLSCREEN: return ScreenSize().height() - GetSystemMetrics(SM_CYCAPTION);
    case SM_CXMAXIMIZED: return ScreenSize().width() + 2 * GetSystemMetrics(SM_CXFRAME);
    case SM_CYMAXIMIZED: return ScreenSize().height() + 2 * GetSystemMetrics(SM_CYFRAME);
    default: break;
    }
    for (const Metric &m : kClassicMetrics)
        if (m.index == nIndex)
            return m.value;
    return 0;
}
