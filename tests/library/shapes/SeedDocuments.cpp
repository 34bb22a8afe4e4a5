#include "SeedDocuments.h"

#include "library/model/QYPortComponent.h"
#include "library/shapes/QYBasicShapes.h"
#include "library/shapes/QYBezierLineComponent.h"
#include "library/shapes/QYCloseBezierComponent.h"
#include "library/shapes/QYEllipseComponnent.h"
#include "library/shapes/QYGroupComponent.h"
#include "library/shapes/QYLineComponent.h"
#include "library/shapes/QYLinkComponent.h"
#include "library/shapes/QYPolygonComponent.h"
#include "library/shapes/QYRectComponent.h"
#include "library/shapes/QYHyLinkComponent.h"
#include "library/shapes/QYImageComponent.h"
#include "library/shapes/QYStaticComponent.h"

#include "ImageTestFiles.h"

#include <filesystem>
#include <fstream>

#include <functional>

namespace {

// The bytes of a page filled by fill (which hands the model its components).
Bytes Page(const std::function<void(CQYDataModel&)>& fill)
{
    CQYDataModel model;
    fill(model);
    return SaveModel(model);
}

void Insert(CQYDataModel& model, CQYDrawComponent* pComp)
{
    model.InsertComponent(pComp);
}

template <class T>
T* Created(CRect rc)
{
    auto* p = new T;
    p->Create(rc, "Seed");
    return p;
}

CArray<CPoint, CPoint>* Points(std::initializer_list<CPoint> points)
{
    static CArray<CPoint, CPoint> array;
    array.RemoveAll();
    for (const CPoint& p : points)
        array.Add(p);
    return &array;
}

void LinkedPair(CQYDataModel& model, int nStartType, int nEndType, BOOL bElbow)
{
    auto* pA = Created<CQYRectComponent>(CRect(0, 0, 40, 20));
    auto* pB = Created<CQYEllipseComponnent>(CRect(90, 60, 130, 90));
    auto* pLink = new CQYLinkComponent;
    pLink->SetElbow(bElbow);
    CQYPortComponent* pFrom = pA->FindPort(1, 0.5);
    CQYPortComponent* pTo = pB->FindPort(0.5, 0);
    const POINT ends[2] = {pFrom->GetLinkPoint(), pTo->GetLinkPoint()};
    pLink->CreateFromPoints(ends, 2, pFrom, pTo);
    pFrom->AddLink(pLink);
    pTo->AddLink(pLink);
    pLink->SetStartArrowType(nStartType);
    pLink->SetEndArrowType(nEndType);
    pLink->UpdateComp();
    Insert(model, pA);
    Insert(model, pB);
    Insert(model, pLink);
}

} // namespace

std::vector<std::pair<std::string, Bytes>> QYShapeSeedDocuments()
{
    std::vector<std::pair<std::string, Bytes>> seeds;
    for (int nType = 51; nType <= 71; ++nType) {
        seeds.emplace_back("shape" + std::to_string(nType), Page([nType](CQYDataModel& model) {
                               CQYBasicShape* pShape = QYNewBasicShape(nType);
                               CRect rc(5, 5, 45, 35);
                               pShape->Create(rc, "");
                               Insert(model, pShape);
                           }));
    }
    seeds.emplace_back("ellipse",
                       Page([](CQYDataModel& m) { Insert(m, Created<CQYEllipseComponnent>(CRect(1, 2, 30, 20))); }));
    seeds.emplace_back("rectangle",
                       Page([](CQYDataModel& m) { Insert(m, Created<CQYRectComponent>(CRect(1, 2, 30, 20))); }));
    for (int i = 0; i < 6; ++i) {
        seeds.emplace_back("link" + std::to_string(i),
                           Page([i](CQYDataModel& m) { LinkedPair(m, i * 7, 39 - i * 6, i % 2 == 0); }));
    }
    seeds.emplace_back("lines", Page([](CQYDataModel& m) {
                           auto* pLine = new CQYLineComponent;
                           pLine->CreateFromArray(*Points({{0, 0}, {20, 0}, {20, 30}}));
                           pLine->SetStartArrowType(11);
                           pLine->SetEndArrowType(33);
                           Insert(m, pLine);
                           auto* pBezier = new CQYBezierLineComponent;
                           pBezier->CreateFromArray(*Points({{0, 0}, {10, 20}, {20, 0}, {30, 30}}));
                           pBezier->SetEndArrowType(2);
                           Insert(m, pBezier);
                       }));
    seeds.emplace_back("figures", Page([](CQYDataModel& m) {
                           auto* pPolygon = new CQYPolygonComponent;
                           pPolygon->CreateFromArray(*Points({{0, 0}, {20, 5}, {8, 30}}));
                           Insert(m, pPolygon);
                           auto* pClosed = new CQYCloseBezierComponent;
                           pClosed->CreateFromArray(*Points({{0, 0}, {10, 20}, {20, 0}, {0, 0}}));
                           Insert(m, pClosed);
                       }));
    seeds.emplace_back("groups", Page([](CQYDataModel& m) {
                           auto* pOuter = new CQYGroupComponent;
                           auto* pInner = new CQYGroupComponent;
                           pInner->AddComponent(Created<CQYRectComponent>(CRect(0, 0, 10, 10)));
                           pInner->AddComponent(QYNewBasicShape(QY_COMP_FIVESTAR));
                           pOuter->AddComponent(pInner);
                           pOuter->AddComponent(Created<CQYEllipseComponnent>(CRect(20, 20, 40, 30)));
                           Insert(m, pOuter);
                       }));
    seeds.emplace_back("labels", Page([](CQYDataModel& m) {
                           Insert(m, Created<CQYStaticComponent>(CRect(0, 0, 80, 30)));
                           auto* pLink = Created<CQYHyLinkComponent>(CRect(0, 40, 80, 60));
                           pLink->SetLinkType(QY_LINK_INTERNET);
                           pLink->SetLinkAddress("https://example.org/");
                           Insert(m, pLink);
                       }));
    seeds.emplace_back(
        "images", Page([](CQYDataModel& m) {
            Insert(m, Created<CQYImageComponent>(CRect(0, 0, 20, 20)));
            BmpFields spec;
            spec.width = 3;
            spec.height = 2;
            spec.bits = 4;
            const Bytes bmp = MakeBmp(spec);
            const std::string path = (std::filesystem::temp_directory_path() / "plexo_seed_picture.bmp").string();
            std::ofstream(path, std::ios::binary | std::ios::trunc)
                .write(reinterpret_cast<const char*>(bmp.data()), static_cast<std::streamsize>(bmp.size()));
            auto* pImage = Created<CQYImageComponent>(CRect(30, 0, 40, 10));
            pImage->LoadImageFile(path.c_str());
            pImage->SetTransparent(TRUE);
            Insert(m, pImage);
            Insert(m, Created<CQYRectComponent>(CRect(50, 50, 60, 60)));
        }));
    return seeds;
}
