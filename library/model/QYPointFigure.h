// What the data model asks of the figures it makes from a list of points
// (lines, Bezier lines, polygons, closed Bezier figures): the classes
// implement these next to their drawing, so the model reaches them by
// run-time class name without knowing them.
#pragma once

#include "framework/base/CRect.h"
#include "framework/collections/Arrays.h"

class CQYDrawComponent;

class CQYPointFigure {
public:
    virtual ~CQYPointFigure() = default;

    // The figure's points from the array; FALSE when the array does not
    // suit the figure.
    virtual BOOL CreateFromArray(const CArray<CPoint, CPoint>& points) = 0;
    // The arrow type code of the end; figures without line ends ignore it.
    virtual void SetEndArrowType(const int& nType) {}
};

// The point-figure side of a component, or NULL.
CQYPointFigure* QYGetPointFigure(CQYDrawComponent* pComp);
