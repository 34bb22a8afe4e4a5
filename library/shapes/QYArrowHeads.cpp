// The point computations and drawings of the 39 arrow heads.
#include "library/shapes/QYArrowObjects.h"

#include "framework/gdi/CDC.h"

#include <utility>
#include <vector>

namespace {

constexpr double kThird = 1.0 / 3.0;
constexpr double kTwoThirds = 2.0 / 3.0;
constexpr double kFiveSixths = 5.0 / 6.0;

typedef std::vector<std::pair<double, double>> Frame;

// The (k, m) frame positions of each computation; the barbed head (codes 2
// and 3) is built apart.
Frame MakeHeadFrame(int nType)
{
    switch (nType) {
    case 1:
    case 4:
    case 5:
    case 22:
    case 26: return {{0, 0}, {1, 1}, {1, -1}};
    case 6:
    case 7:
    case 18: return {{1, 0}, {0, 1}, {0, -1}};
    case 8:
    case 9:
    case 38: return {{1, 1}, {1, -1}, {0, -1}, {0, 1}};
    case 10:
    case 11: return {{0, 0}};
    case 12:
    case 13: return {{0, 0}, {0.5, 1}, {1, 0}, {0.5, -1}};
    case 14:
    case 15: return {{1, 1}, {1, -1}};
    case 16: return {{0.5, 1}, {0.5, -1}, {1, 1}, {1, -1}};
    case 17: return {{kThird, 1}, {kThird, -1}, {kTwoThirds, 1}, {kTwoThirds, -1}, {1, 1}, {1, -1}};
    case 19: return {{1, 0}, {0, 1}, {0, -1}, {1, 1}, {1, -1}};
    case 20: return {{1, 0}, {0, 1}, {0, -1}, {1.5, 0}};
    case 21: return {{0.75, 1}, {0.75, -1}, {1.5, 0}};
    case 23:
    case 27: return {{0, 0}, {1, 1}, {1, -1}, {0.75, 1}, {0.75, -1}};
    case 24:
    case 28: return {{0, 0}, {1, 1}, {1, -1}, {kTwoThirds, 1}, {kTwoThirds, -1}, {kFiveSixths, 1}, {kFiveSixths, -1}};
    case 25:
    case 29: return {{0, 0}, {0.5, 0}, {1, 1}, {1.5, 0}, {1, -1}};
    case 30:
    case 31: return {{0, 0}, {0.5, 1}, {0.5, -1}, {0.5, 0}, {1, 1}, {1, -1}};
    case 32: return {{0, 0}, {1, 1}, {1, -1}, {1.2, kTwoThirds}, {1.2, -kTwoThirds}};
    case 33: return {{0, 0}, {1, 1}, {1, -1}, {0.75, 0}, {1.5, 1}, {1.5, -1}, {1.75, kTwoThirds}, {1.75, -kTwoThirds}};
    case 34:
    case 35: return {{0, 0}, {0.5, 0}, {1, 1}, {1, -1}};
    case 36:
    case 37: return {{0, 0}, {0.5, 1}, {0.5, -1}, {1, 0}};
    case 39: return {{0, 1}, {0, -1}};
    default: return {};
    }
}

const Frame& HeadFrame(int nType)
{
    static const std::vector<Frame> frames = [] {
        std::vector<Frame> all;
        for (int i = 0; i <= 40; ++i)
            all.push_back(MakeHeadFrame(i));
        return all;
    }();
    return frames[static_cast<size_t>(nType >= 0 && nType <= 40 ? nType : 0)];
}

} // namespace

void CQYArrowHead::BuildHead(int nType)
{
    const Direction d = GetDirection();
    if (nType == 2 || nType == 3) {
        AllocMemory(4);
        const POINT notch = BarbNotch(d);
        m_lpCompPoints[0] = m_ptLineStart;
        m_lpCompPoints[1] = BarbWing(d, notch, 1, 1);
        m_lpCompPoints[2] = notch;
        m_lpCompPoints[3] = BarbWing(d, notch, 1, -1);
        return;
    }
    const Frame& frame = HeadFrame(nType);
    AllocMemory(static_cast<int>(frame.size()));
    for (size_t i = 0; i < frame.size(); ++i)
        m_lpCompPoints[i] = HeadPoint(d, frame[i].first, frame[i].second);
}

void CQYArrowHead::DrawHead(CDC* pDC, int nType)
{
    const int W = m_nArrowWidth;
    const int halfL = HalfLength();
    switch (nType) {
    case 1:
    case 18:
        Stroke(pDC, 0, 1);
        Stroke(pDC, 0, 2);
        break;
    case 2:
    case 8:
    case 12: Outline(pDC, {0, 1, 2, 3}, TRUE); break;
    case 3:
    case 9:
    case 13: FillFirst(pDC, 4); break;
    case 4:
    case 6: Outline(pDC, {0, 1, 2}, TRUE); break;
    case 5:
    case 7: FillFirst(pDC, 3); break;
    case 10: Circle(pDC, 0, W, FALSE); break;
    case 11: Circle(pDC, 0, W, TRUE); break;
    case 14:
    case 15:
    case 39: Stroke(pDC, 0, 1); break;
    case 16:
        Stroke(pDC, 0, 1);
        Stroke(pDC, 2, 3);
        break;
    case 17:
        Stroke(pDC, 0, 1);
        Stroke(pDC, 2, 3);
        Stroke(pDC, 4, 5);
        break;
    case 19:
    case 32:
        Stroke(pDC, 0, 1);
        Stroke(pDC, 0, 2);
        Stroke(pDC, 3, 4);
        break;
    case 20:
        Stroke(pDC, 0, 1);
        Stroke(pDC, 0, 2);
        Circle(pDC, 3, halfL, FALSE);
        break;
    case 21:
        Stroke(pDC, 0, 1);
        Circle(pDC, 2, halfL, FALSE);
        break;
    case 22:
    case 26:
        Circle(pDC, 0, halfL, FALSE);
        Stroke(pDC, 1, 2);
        break;
    case 23:
    case 27:
        Circle(pDC, 0, nType == 23 ? halfL : W, FALSE);
        Stroke(pDC, 1, 2);
        Stroke(pDC, 3, 4);
        break;
    case 24:
    case 28:
        Circle(pDC, 0, nType == 24 ? halfL : W, FALSE);
        Stroke(pDC, 1, 2);
        Stroke(pDC, 3, 4);
        Stroke(pDC, 5, 6);
        break;
    case 25:
    case 29:
        Circle(pDC, 0, nType == 25 ? halfL : W, FALSE);
        Outline(pDC, {1, 2, 3, 4}, TRUE);
        break;
    case 30:
    case 31:
        Outline(pDC, {0, 1, 2}, TRUE);
        Outline(pDC, {3, 4, 5}, TRUE);
        break;
    case 33:
        Stroke(pDC, 0, 1);
        Stroke(pDC, 0, 2);
        Stroke(pDC, 3, 4);
        Stroke(pDC, 3, 5);
        Stroke(pDC, 6, 7);
        break;
    case 34:
    case 35:
    case 37:
        Circle(pDC, 0, W, FALSE);
        Outline(pDC, {1, 2, 3}, TRUE);
        break;
    case 36:
        Circle(pDC, 0, halfL, FALSE);
        Outline(pDC, {1, 2, 3}, TRUE);
        break;
    case 38: Outline(pDC, {2, 1, 0, 3}, FALSE); break;
    default: CQYBaseEndObject::DrawLineEnd(pDC); break;
    }
}
