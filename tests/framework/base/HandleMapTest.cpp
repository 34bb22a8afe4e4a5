#include "framework/base/HandleMap.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

struct Handle {};
struct Wrapper {
    Handle *h = nullptr;
};

using Map = CHandleMap<Handle *, Wrapper>;

std::unique_ptr<Wrapper> MakeFor(Handle *h)
{
    auto p = std::make_unique<Wrapper>();
    p->h = h;
    return p;
}

TEST(HandleMap, APermanentObjectComesBeforeATemporaryWrapper)
{
    Map map;
    Handle h;
    Wrapper *pTemp = map.TemporaryFor(&h, [&h] { return MakeFor(&h); });
    ASSERT_NE(pTemp, nullptr);
    EXPECT_EQ(map.TemporaryFor(&h, [] { return std::unique_ptr<Wrapper>(); }), pTemp); // made once
    EXPECT_EQ(map.Lookup(&h), pTemp);

    Wrapper permanent{&h};
    map.SetPermanent(&h, &permanent);
    EXPECT_EQ(map.Lookup(&h), &permanent);
    Wrapper other{&h};
    map.RemovePermanent(&h, &other); // not the attached object: stays
    EXPECT_EQ(map.LookupPermanent(&h), &permanent);
    map.RemovePermanent(&h, &permanent);
    EXPECT_EQ(map.Lookup(&h), pTemp);
}

TEST(HandleMap, NothingIsKeptWhenNoWrapperIsMade)
{
    Map map;
    Handle h;
    EXPECT_EQ(map.TemporaryFor(&h, [] { return std::unique_ptr<Wrapper>(); }), nullptr);
    EXPECT_EQ(map.LookupTemporary(&h), nullptr);
}

TEST(HandleMap, TemporariesAreReleasedBeforeTheyGo)
{
    Map map;
    Handle a, b;
    map.TemporaryFor(&a, [&a] { return MakeFor(&a); });
    map.TemporaryFor(&b, [&b] { return MakeFor(&b); });
    std::vector<Handle *> released;
    map.RemoveTemporary(&a, [&released](Wrapper &w) { released.push_back(w.h); });
    EXPECT_EQ(released, std::vector<Handle *>{&a});
    EXPECT_EQ(map.LookupTemporary(&a), nullptr);

    map.DeleteTemporaries([&released](Wrapper &w) { released.push_back(w.h); });
    EXPECT_EQ(released, (std::vector<Handle *>{&a, &b}));
    EXPECT_EQ(map.LookupTemporary(&b), nullptr);
    map.RemoveTemporary(&b, [&released](Wrapper &w) { released.push_back(w.h); }); // none left: no call
    EXPECT_EQ(released.size(), 2u);
}

} // namespace
