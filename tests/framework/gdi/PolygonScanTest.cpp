#include "framework/gdi/PolygonScan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <tuple>
#include <vector>

namespace {

using Run = std::tuple<int, int, int>;

// The scan done the plain way: every row evaluates each edge's crossing
// with the floating-point formula, sorts the crossings and walks them.
std::vector<Run> PlainScan(const PolygonScan::Polygons &polygons, bool winding, int yFrom, int yTo)
{
    struct Edge {
        double x0, y0, x1, y1;
        int dir;
    };
    std::vector<Edge> edges;
    for (const auto &poly : polygons)
        for (size_t i = 0; i < poly.size(); ++i) {
            const QPointF a = poly[i], b = poly[(i + 1) % poly.size()];
            if (a.y() < b.y())
                edges.push_back({a.x(), a.y(), b.x(), b.y(), 1});
            else if (a.y() > b.y())
                edges.push_back({b.x(), b.y(), a.x(), a.y(), -1});
        }
    std::vector<Run> runs;
    for (int y = yFrom; y < yTo; ++y) {
        std::vector<std::pair<double, int>> crossings;
        for (const Edge &e : edges)
            if (e.y0 <= y && y < e.y1)
                crossings.emplace_back(e.x0 + (y - e.y0) * (e.x1 - e.x0) / (e.y1 - e.y0), e.dir);
        std::sort(crossings.begin(), crossings.end());
        int count = 0;
        std::vector<Run> row;
        for (size_t i = 0; i + 1 < crossings.size(); ++i) {
            count += winding ? crossings[i].second : 1;
            if (winding ? count == 0 : (count & 1) == 0)
                continue;
            const int x0 = static_cast<int>(std::ceil(crossings[i].first));
            const int x1 = static_cast<int>(std::ceil(crossings[i + 1].first));
            if (x0 >= x1)
                continue;
            if (!row.empty() && x0 <= std::get<2>(row.back()))
                std::get<2>(row.back()) = std::max(std::get<2>(row.back()), x1);
            else
                row.emplace_back(y, x0, x1);
        }
        runs.insert(runs.end(), row.begin(), row.end());
    }
    return runs;
}

// The plain scan's runs cut to the columns xFrom <= x < xTo.
std::vector<Run> PlainScanCut(const PolygonScan::Polygons &polygons, bool winding, int yFrom, int yTo, int xFrom,
                              int xTo)
{
    std::vector<Run> runs;
    for (auto [y, x0, x1] : PlainScan(polygons, winding, yFrom, yTo))
        if (std::max(x0, xFrom) < std::min(x1, xTo))
            runs.emplace_back(y, std::max(x0, xFrom), std::min(x1, xTo));
    return runs;
}

std::vector<Run> ScanCut(const PolygonScan::Polygons &polygons, bool winding, int yFrom, int yTo, int xFrom, int xTo)
{
    std::vector<Run> runs;
    PolygonScan::Scan(polygons, winding, yFrom, yTo, xFrom, xTo,
                      [&](int y, int x0, int x1) { runs.emplace_back(y, x0, x1); });
    return runs;
}

std::vector<Run> Scan(const PolygonScan::Polygons &polygons, bool winding, int yFrom, int yTo)
{
    std::vector<Run> runs;
    PolygonScan::Scan(polygons, winding, yFrom, yTo, [&](int y, int x0, int x1) { runs.emplace_back(y, x0, x1); });
    return runs;
}

// Random self-intersecting polygons with integer vertices (stepped exactly),
// with fractional ones (evaluated per row) and with large integers: the
// runs are those of the plain scan, row for row, clipped rows included.
TEST(PolygonScanTest, RunsMatchThePlainScan)
{
    std::mt19937 rng(5);
    std::uniform_int_distribution<int> coordinate(-40, 140);
    std::uniform_int_distribution<int> count(3, 9);
    for (int kind = 0; kind < 3; ++kind)
        for (int round = 0; round < 300; ++round) {
            PolygonScan::Polygons polygons(1 + round % 2);
            for (auto &poly : polygons)
                for (int k = count(rng); k > 0; --k) {
                    double x = coordinate(rng), y = coordinate(rng);
                    if (kind == 1)
                        x += coordinate(rng) / 7.0, y += coordinate(rng) / 13.0;
                    if (kind == 2)
                        x *= 7001, y += 1000000;
                    poly.emplace_back(x, y);
                }
            const int yFrom = kind == 2 ? 1000000 - 10 + round % 20 : -5 + round % 30;
            const int yTo = yFrom + 120;
            for (bool winding : {false, true})
                ASSERT_EQ(Scan(polygons, winding, yFrom, yTo), PlainScan(polygons, winding, yFrom, yTo))
                    << "kind " << kind << " round " << round << " winding " << winding;
        }
}

// Vertices on rows a fraction apart (halves, thirds, sevenths and tenths)
// and on whole or fractional columns, near the origin and a million pixels
// out: many edges cross rows exactly on a whole pixel or a rounding error
// beside one, where the slope divided out once and the formula's own
// division round differently.  Each crossing's pixel is the formula's.
TEST(PolygonScanTest, CrossingsOnAndBesideWholePixelsMatchThePlainScan)
{
    std::mt19937 rng(23);
    const int denominators[] = {2, 3, 4, 7, 10};
    std::uniform_int_distribution<int> numerator(-300, 900);
    std::uniform_int_distribution<int> count(3, 8);
    for (double offset : {0.0, 1000000.0})
        for (int d : denominators)
            for (int round = 0; round < 60; ++round) {
                PolygonScan::Polygons polygons(1);
                for (int k = count(rng); k > 0; --k)
                    polygons[0].emplace_back(offset + numerator(rng) / (round % 2 ? 1.0 : d),
                                             numerator(rng) / static_cast<double>(d));
                for (bool winding : {false, true})
                    ASSERT_EQ(Scan(polygons, winding, -110, 310), PlainScan(polygons, winding, -110, 310))
                        << "denominator " << d << " offset " << offset << " round " << round;
            }
}

// Cut to columns, the scan gives the plain scan's runs cut to them, with
// edges left of the columns, right of them and across them in every mix.
TEST(PolygonScanTest, RunsCutToColumnsMatchThePlainScanCut)
{
    std::mt19937 rng(11);
    std::uniform_int_distribution<int> coordinate(-60, 160);
    std::uniform_int_distribution<int> count(3, 12);
    for (int round = 0; round < 400; ++round) {
        PolygonScan::Polygons polygons(1 + round % 3);
        for (auto &poly : polygons)
            for (int k = count(rng); k > 0; --k)
                poly.emplace_back(coordinate(rng) + (round % 2 ? coordinate(rng) / 9.0 : 0), coordinate(rng));
        const int xFrom = round % 50, xTo = xFrom + 1 + round % 70;
        for (bool winding : {false, true})
            ASSERT_EQ(ScanCut(polygons, winding, -70, 170, xFrom, xTo),
                      PlainScanCut(polygons, winding, -70, 170, xFrom, xTo))
                << "round " << round << " winding " << winding;
    }
}

// The scan keeps its crossing edges in order from row to row and sorts them
// again only where they swap: figures whose edges cross each other on most
// rows (long zigzags and stars, where many edges swap places at once), and
// figures wholly within the columns, wholly left or right of them and
// across them, give the plain scan's runs.
TEST(PolygonScanTest, FiguresWithManyCrossingEdgesMatchThePlainScan)
{
    struct Figure {
        const char *name;
        int vertices;
        double spread; // how far the vertices scatter across the rows
        double offsetX;
        bool fractional;
    };
    const Figure figures[] = {
        {"zigzag within the columns", 60, 90, 10, false},
        {"zigzag with fractional vertices", 60, 90, 10, true},
        {"star of many points", 200, 100, 0, false},
        {"star of many fractional points", 200, 100, 0, true},
        {"figure left of the columns", 40, 50, -200, true},
        {"figure right of the columns", 40, 50, 300, false},
        {"figure across both column ends", 120, 400, -150, true},
    };
    std::mt19937 rng(17);
    std::uniform_real_distribution<double> unit(0, 1);
    for (const Figure &figure : figures)
        for (int round = 0; round < 20; ++round) {
            PolygonScan::Polygons polygons(1);
            for (int k = 0; k < figure.vertices; ++k) {
                double x = figure.offsetX + unit(rng) * figure.spread, y = unit(rng) * 120 - 10;
                if (!figure.fractional)
                    x = std::round(x), y = std::round(y);
                polygons[0].emplace_back(x, y);
            }
            for (bool winding : {false, true}) {
                ASSERT_EQ(Scan(polygons, winding, -20, 120), PlainScan(polygons, winding, -20, 120))
                    << figure.name << " round " << round << " winding " << winding;
                ASSERT_EQ(ScanCut(polygons, winding, -20, 120, 0, 101),
                          PlainScanCut(polygons, winding, -20, 120, 0, 101))
                    << figure.name << " round " << round << " winding " << winding << " cut";
            }
        }
}

} // namespace
