#include "library/model/QYCompTypeTable.h"

#include "framework/resources/Resources.h"
#include "library/model/QYCompTypes.h"

namespace {

#define IDS_QY_NAME_CUSTOM 28117

const RESOURCE_STRING kNamePatterns[] = {
    {28048, "StaticRect%u"},    {28049, "Static%u"},     {28050, "EditBox%u"},     {28051, "Frame%u"},
    {28052, "Button%u"},        {28053, "CheckBox%u"},   {28054, "Radio%u"},       {28055, "ComboBox%u"},
    {28056, "ListBox%u"},       {28057, "HScrollBar%u"}, {28058, "VScrollBar%u"},  {28059, "SpinEditBox%u"},
    {28060, "ProgressCtrl%u"},  {28061, "SliderCtrl%u"}, {28062, "ListCtrl%u"},    {28063, "TabCtrl%u"},
    {28064, "Calendar%u"},      {28065, "Separator%u"},  {28066, "RoundButton%u"}, {28067, "Marquee%u"},
    {28068, "SelectEditBox%u"}, {28069, "Image%u"},      {28070, "Ellipse%u"},     {28071, "Line%u"},
    {28072, "Polygon%u"},       {28073, "BezierLine%u"}, {28074, "CloseBezier%u"}, {28075, "Rectangle%u"},
    {28076, "Link%u"},          {28112, "Group%u"},      {28116, "HyLink%u"},      {IDS_QY_NAME_CUSTOM, "Custom%u"},
};

const bool kRegistered = [] {
    PlexoRegisterStrings(kNamePatterns, static_cast<int>(sizeof(kNamePatterns) / sizeof(kNamePatterns[0])));
    return true;
}();

// Symmetric extents.
#define QY_AROUND(x, y) x, x, y, y
#define QY_BAR_Y 10, 11

const QY_COMP_TYPE_INFO kTypes[] = {
    {QY_COMP_STATICRECT, "CQYStaticRectComponent", 28048, QY_AROUND(70, 70)},
    {QY_COMP_STATIC, "CQYStaticComponent", 28049, 25, 25, QY_BAR_Y},
    {QY_COMP_EDITBOX, "CQYEditBoxComponent", 28050, 40, 40, QY_BAR_Y},
    {QY_COMP_FRAME, "CQYFrameComponent", 28051, QY_AROUND(70, 70)},
    {QY_COMP_BUTTON, "CQYButtonComponent", 28052, 40, 40, QY_BAR_Y},
    {QY_COMP_CHECKBOX, "CQYCheckComponent", 28053, 40, 40, QY_BAR_Y},
    {QY_COMP_RADIO, "CQYRadioComponent", 28054, 40, 40, QY_BAR_Y},
    {QY_COMP_COMBOBOX, "CQYComboBoxComponent", 28055, 40, 40, QY_BAR_Y},
    {QY_COMP_LISTBOX, "CQYListBoxComponent", 28056, QY_AROUND(70, 70)},
    {QY_COMP_HSCROLLBAR, "CQYHorzScrollBarComponent", 28057, 50, 50, QY_BAR_Y},
    {QY_COMP_VSCROLLBAR, "CQYVertScrollBarComponent", 28058, 10, 11, 50, 50},
    {QY_COMP_SPINEDITBOX, "CQYSpinEditComponent", 28059, 40, 40, QY_BAR_Y},
    {QY_COMP_PROGRESSCTRL, "CQYProgressCtrlComponent", 28060, 50, 50, QY_BAR_Y},
    {QY_COMP_SLIDERCTRL, "CQYSliderComponent", 28061, 50, 50, QY_BAR_Y},
    {QY_COMP_LISTCTRL, "CQYListCtrlComponent", 28062, QY_AROUND(70, 70)},
    {QY_COMP_TABCTRL, "CQYTabComponent", 28063, QY_AROUND(100, 100)},
    {QY_COMP_CALENDAR, "CQYCalendarComponent", 28064, QY_AROUND(100, 90)},
    {QY_COMP_SEPARATOR, "CQYSeparatorComponent", 28065, 100, 100, QY_BAR_Y},
    {QY_COMP_ROUNDBUTTON, "CQYRoundButtonComponent", 28066, QY_AROUND(40, 20)},
    {QY_COMP_MARQUEE, "CQYMarqueeComponent", 28067, 50, 50, QY_BAR_Y},
    {QY_COMP_SELECTEDITBOX, "CQYEditWithButtonComponent", 28068, 40, 40, QY_BAR_Y},
    {QY_COMP_IMAGE, "CQYImageComponent", 28069, QY_AROUND(70, 70)},
    {QY_COMP_ELLIPSE, "CQYEllipseComponnent", 28070, QY_AROUND(70, 40)},
    {QY_COMP_LINE, "CQYLineComponent", 28071, QY_AROUND(100, 100)},
    {QY_COMP_POLYGON, nullptr, 28072, 0, 0, 0, 0},
    {QY_COMP_BEZIERLINE, nullptr, 28073, 0, 0, 0, 0},
    {QY_COMP_CLOSEBEZIER, nullptr, 28074, 0, 0, 0, 0},
    {QY_COMP_RECTANGLE, "CQYRectComponent", 28075, QY_AROUND(70, 40)},
    {QY_COMP_HYLINK, "CQYHyLinkComponent", 28116, QY_AROUND(80, 20)},
    {QY_COMP_WMF, "CQYWMFComponent", IDS_QY_NAME_CUSTOM, QY_AROUND(70, 70)},
    {QY_COMP_DIAMOND_SHAPE, "CQYDiamondComponent", IDS_QY_NAME_CUSTOM, QY_AROUND(70, 70)},
    {QY_COMP_TRAPEZOID, "CQYTrapezoidComponent", IDS_QY_NAME_CUSTOM, QY_AROUND(70, 70)},
    {QY_COMP_PARALLELOGRAM, "CQYParallelogramComponent", IDS_QY_NAME_CUSTOM, QY_AROUND(70, 70)},
    {QY_COMP_TRIANGLE, "CQYTriangleComponent", IDS_QY_NAME_CUSTOM, QY_AROUND(70, 70)},
    {QY_COMP_RIGHTTRIANGLE, "CQYRightTriangleComponent", IDS_QY_NAME_CUSTOM, QY_AROUND(70, 70)},
    {QY_COMP_HEXAGON, "CQYHexagonComponent", IDS_QY_NAME_CUSTOM, QY_AROUND(70, 70)},
    {QY_COMP_CROSS, "CQYCrossComponent", IDS_QY_NAME_CUSTOM, QY_AROUND(70, 70)},
    {QY_COMP_PENTAGON, "CQYPentagonComponent", IDS_QY_NAME_CUSTOM, QY_AROUND(70, 70)},
    {QY_COMP_CUBE, "CQYCubeComponent", IDS_QY_NAME_CUSTOM, QY_AROUND(70, 70)},
    {QY_COMP_BEVEL, "CQYBevelComponent", IDS_QY_NAME_CUSTOM, QY_AROUND(70, 70)},
    {QY_COMP_CORNER, "CQYCornerComponent", IDS_QY_NAME_CUSTOM, QY_AROUND(70, 70)},
    {QY_COMP_RIGHTARROW, "CQYRightArrowComponent", IDS_QY_NAME_CUSTOM, QY_AROUND(70, 70)},
    {QY_COMP_TOPARROW, "CQYTopArrowComponent", IDS_QY_NAME_CUSTOM, QY_AROUND(70, 70)},
    {QY_COMP_LEFTRIGHTARROW, "CQYLeftRightArrowComponent", IDS_QY_NAME_CUSTOM, QY_AROUND(70, 70)},
    {QY_COMP_UPDOWNARROW, "CQYUpDownArrowComponent", IDS_QY_NAME_CUSTOM, QY_AROUND(70, 70)},
    {QY_COMP_QUADARROW, "CQYQuadArrowComponent", IDS_QY_NAME_CUSTOM, QY_AROUND(70, 70)},
    {QY_COMP_LEFTRIGHTUPARROW, "CQYLeftRightUpArrowComponent", IDS_QY_NAME_CUSTOM, QY_AROUND(70, 70)},
    {QY_COMP_RECTCALLOUT, "CQYRectCalloutComponent", IDS_QY_NAME_CUSTOM, QY_AROUND(70, 70)},
    {QY_COMP_FIVESTAR, "CQYFiveStarComponent", IDS_QY_NAME_CUSTOM, QY_AROUND(70, 70)},
    {QY_COMP_CAN, "CQYCanComponent", IDS_QY_NAME_CUSTOM, QY_AROUND(70, 70)},
    {QY_COMP_ROUNDCALLOUT, "CQYRondCalloutComponent", IDS_QY_NAME_CUSTOM, QY_AROUND(70, 70)},
    {QY_COMP_GROUP, nullptr, 28112, 0, 0, 0, 0},
    {QY_COMP_LINK, nullptr, 28076, 0, 0, 0, 0},
};

} // namespace

const QY_COMP_TYPE_INFO* QYFindCompTypeInfo(int nType)
{
    for (const QY_COMP_TYPE_INFO& info : kTypes) {
        if (info.nType == nType)
            return &info;
    }
    return nullptr;
}

CString QYLoadCompNamePattern(int nType)
{
    const QY_COMP_TYPE_INFO* pInfo = QYFindCompTypeInfo(nType);
    CString strPattern;
    if (!PlexoLookupString(pInfo != nullptr ? pInfo->nNamePatternId : IDS_QY_NAME_CUSTOM, strPattern))
        strPattern = "Custom%u";
    return strPattern;
}

CRect QYDropRectForType(int nType, const CRect& rect)
{
    CRect rectDrop = rect;
    rectDrop.NormalizeRect();
    const bool bTooSmall = rectDrop.IsRectEmpty() || (rectDrop.Width() <= 10 && rectDrop.Height() < 20);
    if (!bTooSmall || nType < 1 || nType > 71)
        return rectDrop;
    const QY_COMP_TYPE_INFO* pInfo = QYFindCompTypeInfo(nType);
    // Types made by their own operations keep the rectangle as it is.
    if (pInfo == nullptr || pInfo->nBeforeX + pInfo->nAfterX == 0)
        return rectDrop;
    const int x = rect.left;
    const int y = rect.top;
    return CRect(x - pInfo->nBeforeX, y - pInfo->nAboveY, x + pInfo->nAfterX, y + pInfo->nBelowY);
}
