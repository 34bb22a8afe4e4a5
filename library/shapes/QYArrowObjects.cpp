#include "library/shapes/QYArrowObjects.h"

IMPLEMENT_SERIAL(CQYNormalArrowObject, CQYBaseEndObject, 0)
IMPLEMENT_SERIAL(CQYEmptyArrowObject, CQYBaseEndObject, 0)
IMPLEMENT_SERIAL(CQYSolidArrowObject, CQYBaseEndObject, 0)
IMPLEMENT_SERIAL(CQYEmptyTriArrowObject, CQYBaseEndObject, 0)
IMPLEMENT_SERIAL(CQYSolidTriArrowObject, CQYBaseEndObject, 0)
IMPLEMENT_SERIAL(CQYEmptyRTriArrowObject, CQYBaseEndObject, 0)
IMPLEMENT_SERIAL(CQYSolidRTriArrowObject, CQYBaseEndObject, 0)
IMPLEMENT_SERIAL(CQYEmptyRectArrowObject, CQYBaseEndObject, 0)
IMPLEMENT_SERIAL(CQYSolidRectArrowObject, CQYBaseEndObject, 0)
IMPLEMENT_SERIAL(CQYEmptyRoundArrowObject, CQYBaseEndObject, 0)
IMPLEMENT_SERIAL(CQYSolidRoundArrowObject, CQYBaseEndObject, 0)
IMPLEMENT_SERIAL(CQYEmptyFlagArrowObject, CQYBaseEndObject, 0)
IMPLEMENT_SERIAL(CQYSolidFlagArrowObject, CQYBaseEndObject, 0)
IMPLEMENT_SERIAL(CQYCrossArrowObject, CQYBaseEndObject, 0)
IMPLEMENT_SERIAL(CQYXArrowObject, CQYBaseEndObject, 0)
IMPLEMENT_SERIAL(CQYBiCrossArrowObject, CQYBaseEndObject, 0)
IMPLEMENT_SERIAL(CQYTriCrossArrowObject, CQYBaseEndObject, 0)
IMPLEMENT_SERIAL(CQYAntennaArrowObject, CQYBaseEndObject, 0)
IMPLEMENT_SERIAL(CQYXAntennaArrowObject, CQYBaseEndObject, 0)
IMPLEMENT_SERIAL(CQYAntennaRoundArrowObject, CQYBaseEndObject, 0)
IMPLEMENT_SERIAL(CQYTRoundArrowObject, CQYBaseEndObject, 0)
IMPLEMENT_SERIAL(CQYRoundCrossArrowObject, CQYBaseEndObject, 0)
IMPLEMENT_SERIAL(CQYRoundBiCrossArrowObject, CQYBaseEndObject, 0)
IMPLEMENT_SERIAL(CQYRounTriCrossArrowObject, CQYBaseEndObject, 0)
IMPLEMENT_SERIAL(CQYRoundFlagArrowObject, CQYBaseEndObject, 0)
IMPLEMENT_SERIAL(CQYSRoundCrossObject, CQYBaseEndObject, 0)
IMPLEMENT_SERIAL(CQYSRoundBiCrossArrowObject, CQYBaseEndObject, 0)
IMPLEMENT_SERIAL(CQYSRoundTriCrossObject, CQYBaseEndObject, 0)
IMPLEMENT_SERIAL(CQYSRoundFlagArrowObject, CQYBaseEndObject, 0)
IMPLEMENT_SERIAL(CQYBiTriArrowObject, CQYBaseEndObject, 0)
IMPLEMENT_SERIAL(CQYSBiTriArrowObject, CQYBaseEndObject, 0)
IMPLEMENT_SERIAL(CQYNormalCrossArrowObject, CQYBaseEndObject, 0)
IMPLEMENT_SERIAL(CQYBiNormalCrossArrowObject, CQYBaseEndObject, 0)
IMPLEMENT_SERIAL(CQYRounTriArrowObject, CQYBaseEndObject, 0)
IMPLEMENT_SERIAL(CQYSRoundTriArrowObject, CQYBaseEndObject, 0)
IMPLEMENT_SERIAL(CQYRoundRTriArrowObject, CQYBaseEndObject, 0)
IMPLEMENT_SERIAL(CQYSRoundRTriArrowObject, CQYBaseEndObject, 0)
IMPLEMENT_SERIAL(CQYEArrowObject, CQYBaseEndObject, 0)
IMPLEMENT_SERIAL(CQYTArrowObject, CQYBaseEndObject, 0)

CQYBaseEndObject* QYCreateLineEnd(int nType)
{
    switch (nType) {
    case 1: return new CQYNormalArrowObject;
    case 2: return new CQYEmptyArrowObject;
    case 3: return new CQYSolidArrowObject;
    case 4: return new CQYEmptyTriArrowObject;
    case 5: return new CQYSolidTriArrowObject;
    case 6: return new CQYEmptyRTriArrowObject;
    case 7: return new CQYSolidRTriArrowObject;
    case 8: return new CQYEmptyRectArrowObject;
    case 9: return new CQYSolidRectArrowObject;
    case 10: return new CQYEmptyRoundArrowObject;
    case 11: return new CQYSolidRoundArrowObject;
    case 12: return new CQYEmptyFlagArrowObject;
    case 13: return new CQYSolidFlagArrowObject;
    case 14: return new CQYCrossArrowObject;
    case 15: return new CQYXArrowObject;
    case 16: return new CQYBiCrossArrowObject;
    case 17: return new CQYTriCrossArrowObject;
    case 18: return new CQYAntennaArrowObject;
    case 19: return new CQYXAntennaArrowObject;
    case 20: return new CQYAntennaRoundArrowObject;
    case 21: return new CQYTRoundArrowObject;
    case 22: return new CQYRoundCrossArrowObject;
    case 23: return new CQYRoundBiCrossArrowObject;
    case 24: return new CQYRounTriCrossArrowObject;
    case 25: return new CQYRoundFlagArrowObject;
    case 26: return new CQYSRoundCrossObject;
    case 27: return new CQYSRoundBiCrossArrowObject;
    case 28: return new CQYSRoundTriCrossObject;
    case 29: return new CQYSRoundFlagArrowObject;
    case 30: return new CQYBiTriArrowObject;
    case 31: return new CQYSBiTriArrowObject;
    case 32: return new CQYNormalCrossArrowObject;
    case 33: return new CQYBiNormalCrossArrowObject;
    case 34: return new CQYRounTriArrowObject;
    case 35: return new CQYSRoundTriArrowObject;
    case 36: return new CQYRoundRTriArrowObject;
    case 37: return new CQYSRoundRTriArrowObject;
    case 38: return new CQYEArrowObject;
    case 39: return new CQYTArrowObject;
    default: return nullptr;
    }
}
