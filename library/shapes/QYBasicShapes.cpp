#include "library/shapes/QYBasicShapes.h"

IMPLEMENT_SERIAL(CQYDiamondComponent, CQYDrawPortsComponent, 0)
IMPLEMENT_SERIAL(CQYTrapezoidComponent, CQYDrawPortsComponent, 0)
IMPLEMENT_SERIAL(CQYParallelogramComponent, CQYDrawPortsComponent, 0)
IMPLEMENT_SERIAL(CQYTriangleComponent, CQYDrawPortsComponent, 0)
IMPLEMENT_SERIAL(CQYRightTriangleComponent, CQYDrawPortsComponent, 0)
IMPLEMENT_SERIAL(CQYHexagonComponent, CQYDrawPortsComponent, 0)
IMPLEMENT_SERIAL(CQYCrossComponent, CQYDrawPortsComponent, 0)
IMPLEMENT_SERIAL(CQYPentagonComponent, CQYDrawPortsComponent, 0)
IMPLEMENT_SERIAL(CQYCubeComponent, CQYDrawPortsComponent, 0)
IMPLEMENT_SERIAL(CQYBevelComponent, CQYDrawPortsComponent, 0)
IMPLEMENT_SERIAL(CQYCornerComponent, CQYDrawPortsComponent, 0)
IMPLEMENT_SERIAL(CQYRightArrowComponent, CQYDrawPortsComponent, 0)
IMPLEMENT_SERIAL(CQYTopArrowComponent, CQYDrawPortsComponent, 0)
IMPLEMENT_SERIAL(CQYLeftRightArrowComponent, CQYDrawPortsComponent, 0)
IMPLEMENT_SERIAL(CQYUpDownArrowComponent, CQYDrawPortsComponent, 0)
IMPLEMENT_SERIAL(CQYQuadArrowComponent, CQYDrawPortsComponent, 0)
IMPLEMENT_SERIAL(CQYLeftRightUpArrowComponent, CQYDrawPortsComponent, 0)
IMPLEMENT_SERIAL(CQYRectCalloutComponent, CQYDrawPortsComponent, 0)
IMPLEMENT_SERIAL(CQYFiveStarComponent, CQYDrawPortsComponent, 0)
IMPLEMENT_SERIAL(CQYCanComponent, CQYDrawPortsComponent, 0)
IMPLEMENT_SERIAL(CQYRondCalloutComponent, CQYDrawPortsComponent, 0)

CQYBasicShape* QYNewBasicShape(int nType)
{
    switch (nType) {
    case QY_COMP_DIAMOND_SHAPE: return new CQYDiamondComponent;
    case QY_COMP_TRAPEZOID: return new CQYTrapezoidComponent;
    case QY_COMP_PARALLELOGRAM: return new CQYParallelogramComponent;
    case QY_COMP_TRIANGLE: return new CQYTriangleComponent;
    case QY_COMP_RIGHTTRIANGLE: return new CQYRightTriangleComponent;
    case QY_COMP_HEXAGON: return new CQYHexagonComponent;
    case QY_COMP_CROSS: return new CQYCrossComponent;
    case QY_COMP_PENTAGON: return new CQYPentagonComponent;
    case QY_COMP_CUBE: return new CQYCubeComponent;
    case QY_COMP_BEVEL: return new CQYBevelComponent;
    case QY_COMP_CORNER: return new CQYCornerComponent;
    case QY_COMP_RIGHTARROW: return new CQYRightArrowComponent;
    case QY_COMP_TOPARROW: return new CQYTopArrowComponent;
    case QY_COMP_LEFTRIGHTARROW: return new CQYLeftRightArrowComponent;
    case QY_COMP_UPDOWNARROW: return new CQYUpDownArrowComponent;
    case QY_COMP_QUADARROW: return new CQYQuadArrowComponent;
    case QY_COMP_LEFTRIGHTUPARROW: return new CQYLeftRightUpArrowComponent;
    case QY_COMP_RECTCALLOUT: return new CQYRectCalloutComponent;
    case QY_COMP_FIVESTAR: return new CQYFiveStarComponent;
    case QY_COMP_CAN: return new CQYCanComponent;
    case QY_COMP_ROUNDCALLOUT: return new CQYRondCalloutComponent;
    default: return nullptr;
    }
}
