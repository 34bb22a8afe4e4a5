// The 39 line-end shapes of the arrow type table, one class each, named
// as documents store them.  Each computes its head in BuildLineEnd and
// strokes or fills it in DrawLineEnd; the shared computations and drawings
// are QYBuildArrowHead and QYDrawArrowHead, chosen by the type code.
#pragma once

#include "library/shapes/QYBaseEndObject.h"

class CQYArrowHead : public CQYBaseEndObject {
public:
    // The points of the head of arrow type nType.
    void BuildHead(int nType);
    // The head of arrow type nType with the pen and brush the DC holds.
    void DrawHead(CDC* pDC, int nType);

protected:
    CQYArrowHead() = default;
    CQYArrowHead(const CQYArrowHead& src) : CQYBaseEndObject(src) {}
};

#define QY_DECLARE_ARROW_HEAD(class_name, type_code)                                                                   \
    class class_name : public CQYArrowHead {                                                                           \
        DECLARE_SERIAL(class_name)                                                                                     \
    public:                                                                                                            \
        class_name()                                                                                                   \
        {                                                                                                              \
            m_nArrowLength = 16;                                                                                       \
            m_nArrowWidth = 8;                                                                                         \
        }                                                                                                              \
        class_name(const class_name& src) : CQYArrowHead(src) {}                                                       \
        CQYBaseEndObject* Copy() const override { return new class_name(*this); }                                      \
        void BuildLineEnd() override { BuildHead(type_code); }                                                         \
        void DrawLineEnd(CDC* pDC) override { DrawHead(pDC, type_code); }                                              \
        static const int kType = type_code;                                                                            \
    };

QY_DECLARE_ARROW_HEAD(CQYNormalArrowObject, 1)
QY_DECLARE_ARROW_HEAD(CQYEmptyArrowObject, 2)
QY_DECLARE_ARROW_HEAD(CQYSolidArrowObject, 3)
QY_DECLARE_ARROW_HEAD(CQYEmptyTriArrowObject, 4)
QY_DECLARE_ARROW_HEAD(CQYSolidTriArrowObject, 5)
QY_DECLARE_ARROW_HEAD(CQYEmptyRTriArrowObject, 6)
QY_DECLARE_ARROW_HEAD(CQYSolidRTriArrowObject, 7)
QY_DECLARE_ARROW_HEAD(CQYEmptyRectArrowObject, 8)
QY_DECLARE_ARROW_HEAD(CQYSolidRectArrowObject, 9)
QY_DECLARE_ARROW_HEAD(CQYEmptyRoundArrowObject, 10)
QY_DECLARE_ARROW_HEAD(CQYSolidRoundArrowObject, 11)
QY_DECLARE_ARROW_HEAD(CQYEmptyFlagArrowObject, 12)
QY_DECLARE_ARROW_HEAD(CQYSolidFlagArrowObject, 13)
QY_DECLARE_ARROW_HEAD(CQYCrossArrowObject, 14)
QY_DECLARE_ARROW_HEAD(CQYXArrowObject, 15)
QY_DECLARE_ARROW_HEAD(CQYBiCrossArrowObject, 16)
QY_DECLARE_ARROW_HEAD(CQYTriCrossArrowObject, 17)
QY_DECLARE_ARROW_HEAD(CQYAntennaArrowObject, 18)
QY_DECLARE_ARROW_HEAD(CQYXAntennaArrowObject, 19)
QY_DECLARE_ARROW_HEAD(CQYAntennaRoundArrowObject, 20)
QY_DECLARE_ARROW_HEAD(CQYTRoundArrowObject, 21)
QY_DECLARE_ARROW_HEAD(CQYRoundCrossArrowObject, 22)
QY_DECLARE_ARROW_HEAD(CQYRoundBiCrossArrowObject, 23)
QY_DECLARE_ARROW_HEAD(CQYRounTriCrossArrowObject, 24)
QY_DECLARE_ARROW_HEAD(CQYRoundFlagArrowObject, 25)
QY_DECLARE_ARROW_HEAD(CQYSRoundCrossObject, 26)
QY_DECLARE_ARROW_HEAD(CQYSRoundBiCrossArrowObject, 27)
QY_DECLARE_ARROW_HEAD(CQYSRoundTriCrossObject, 28)
QY_DECLARE_ARROW_HEAD(CQYSRoundFlagArrowObject, 29)
QY_DECLARE_ARROW_HEAD(CQYBiTriArrowObject, 30)
QY_DECLARE_ARROW_HEAD(CQYSBiTriArrowObject, 31)
QY_DECLARE_ARROW_HEAD(CQYNormalCrossArrowObject, 32)
QY_DECLARE_ARROW_HEAD(CQYBiNormalCrossArrowObject, 33)
QY_DECLARE_ARROW_HEAD(CQYRounTriArrowObject, 34)
QY_DECLARE_ARROW_HEAD(CQYSRoundTriArrowObject, 35)
QY_DECLARE_ARROW_HEAD(CQYRoundRTriArrowObject, 36)
QY_DECLARE_ARROW_HEAD(CQYSRoundRTriArrowObject, 37)
QY_DECLARE_ARROW_HEAD(CQYEArrowObject, 38)
QY_DECLARE_ARROW_HEAD(CQYTArrowObject, 39)
