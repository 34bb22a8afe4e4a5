// The 21 polygon shapes of the toolbox, one class each.  Their class names
// are written into documents as they are spelt here.
#pragma once

#include "library/shapes/QYBasicShape.h"
#include "library/shapes/QYShapeTypes.h"

// One shape class: default and copy construction, Copy and its type code.
#define QY_DECLARE_BASIC_SHAPE(class_name, type_code)                                                                  \
    class class_name : public CQYBasicShape {                                                                          \
        DECLARE_SERIAL(class_name)                                                                                     \
    public:                                                                                                            \
        class_name() : CQYBasicShape(type_code) {}                                                                     \
        class_name(const class_name& src) : CQYBasicShape(src) {}                                                      \
        CQYDrawComponent* Copy() override { return new class_name(*this); }                                            \
        int GetShapeType() const override { return type_code; }                                                        \
    };

QY_DECLARE_BASIC_SHAPE(CQYDiamondComponent, QY_COMP_DIAMOND_SHAPE)
QY_DECLARE_BASIC_SHAPE(CQYTrapezoidComponent, QY_COMP_TRAPEZOID)
QY_DECLARE_BASIC_SHAPE(CQYParallelogramComponent, QY_COMP_PARALLELOGRAM)
QY_DECLARE_BASIC_SHAPE(CQYTriangleComponent, QY_COMP_TRIANGLE)
QY_DECLARE_BASIC_SHAPE(CQYRightTriangleComponent, QY_COMP_RIGHTTRIANGLE)
QY_DECLARE_BASIC_SHAPE(CQYHexagonComponent, QY_COMP_HEXAGON)
QY_DECLARE_BASIC_SHAPE(CQYCrossComponent, QY_COMP_CROSS)
QY_DECLARE_BASIC_SHAPE(CQYPentagonComponent, QY_COMP_PENTAGON)
QY_DECLARE_BASIC_SHAPE(CQYCubeComponent, QY_COMP_CUBE)
QY_DECLARE_BASIC_SHAPE(CQYBevelComponent, QY_COMP_BEVEL)
QY_DECLARE_BASIC_SHAPE(CQYCornerComponent, QY_COMP_CORNER)
QY_DECLARE_BASIC_SHAPE(CQYRightArrowComponent, QY_COMP_RIGHTARROW)
QY_DECLARE_BASIC_SHAPE(CQYTopArrowComponent, QY_COMP_TOPARROW)
QY_DECLARE_BASIC_SHAPE(CQYLeftRightArrowComponent, QY_COMP_LEFTRIGHTARROW)
QY_DECLARE_BASIC_SHAPE(CQYUpDownArrowComponent, QY_COMP_UPDOWNARROW)
QY_DECLARE_BASIC_SHAPE(CQYQuadArrowComponent, QY_COMP_QUADARROW)
QY_DECLARE_BASIC_SHAPE(CQYLeftRightUpArrowComponent, QY_COMP_LEFTRIGHTUPARROW)
QY_DECLARE_BASIC_SHAPE(CQYRectCalloutComponent, QY_COMP_RECTCALLOUT)
QY_DECLARE_BASIC_SHAPE(CQYFiveStarComponent, QY_COMP_FIVESTAR)
QY_DECLARE_BASIC_SHAPE(CQYCanComponent, QY_COMP_CAN)
QY_DECLARE_BASIC_SHAPE(CQYRondCalloutComponent, QY_COMP_ROUNDCALLOUT)

// A new shape of the type code (51 to 71), or NULL for another code.
CQYBasicShape* QYNewBasicShape(int nType);
