// Run-time class records: kinds, creation by name and the registry.
#include <gtest/gtest.h>

#include <memory>

#include "tests/framework/object/TestClasses.h"

namespace {

TEST(RuntimeClass, RecordsDescribeTheClass)
{
    CRuntimeClass *pClass = RUNTIME_CLASS(CTestVersioned);
    EXPECT_STREQ(pClass->m_lpszClassName, "CTestVersioned");
    EXPECT_EQ(pClass->m_nObjectSize, int(sizeof(CTestVersioned)));
    EXPECT_EQ(pClass->m_wSchema, VERSIONABLE_SCHEMA | 2);
    EXPECT_EQ(pClass->m_pBaseClass, RUNTIME_CLASS(CObject));
    EXPECT_EQ(RUNTIME_CLASS(CTestDynamic)->m_wSchema, UINT(AFX_NONSERIAL_SCHEMA));
}

struct KindCase {
    CRuntimeClass *pClass;
    CRuntimeClass *pBase;
    bool bDerived;
};

class RuntimeClassKinds : public ::testing::TestWithParam<KindCase> {};

TEST_P(RuntimeClassKinds, IsDerivedFromFollowsTheBaseChain)
{
    EXPECT_EQ(bool(GetParam().pClass->IsDerivedFrom(GetParam().pBase)), GetParam().bDerived);
}

INSTANTIATE_TEST_SUITE_P(Chains, RuntimeClassKinds,
                         ::testing::Values(KindCase{RUNTIME_CLASS(CTestDerivedItem), RUNTIME_CLASS(CTestDerivedItem),
                                                    true},
                                           KindCase{RUNTIME_CLASS(CTestDerivedItem), RUNTIME_CLASS(CTestItem), true},
                                           KindCase{RUNTIME_CLASS(CTestDerivedItem), RUNTIME_CLASS(CObject), true},
                                           KindCase{RUNTIME_CLASS(CTestItem), RUNTIME_CLASS(CTestDerivedItem), false},
                                           KindCase{RUNTIME_CLASS(CTestItem), RUNTIME_CLASS(CTestOther), false},
                                           KindCase{RUNTIME_CLASS(CTestCreatable), RUNTIME_CLASS(CTestDynamic), true},
                                           KindCase{RUNTIME_CLASS(CException), RUNTIME_CLASS(CObject), true},
                                           KindCase{RUNTIME_CLASS(CArchiveException), RUNTIME_CLASS(CException), true},
                                           KindCase{RUNTIME_CLASS(CSharedFile), RUNTIME_CLASS(CFile), true},
                                           KindCase{RUNTIME_CLASS(CMirrorFile), RUNTIME_CLASS(CMemFile), false}));

TEST(RuntimeClass, ObjectsKnowTheirClass)
{
    CTestDerivedItem item;
    CObject *pOb = &item;
    EXPECT_EQ(pOb->GetRuntimeClass(), RUNTIME_CLASS(CTestDerivedItem));
    EXPECT_TRUE(pOb->IsKindOf(RUNTIME_CLASS(CTestItem)));
    EXPECT_FALSE(pOb->IsKindOf(RUNTIME_CLASS(CTestOther)));
    EXPECT_EQ(DYNAMIC_DOWNCAST(CTestItem, pOb), &item);
    EXPECT_EQ(DYNAMIC_DOWNCAST(CTestOther, pOb), nullptr);
    EXPECT_TRUE(pOb->IsSerializable());
    CTestDynamic dynamic;
    EXPECT_FALSE(dynamic.IsSerializable());
}

TEST(RuntimeClass, CreationByName)
{
    EXPECT_EQ(CRuntimeClass::FromName("CTestItem"), RUNTIME_CLASS(CTestItem));
    EXPECT_EQ(CRuntimeClass::FromName("CFileException"), RUNTIME_CLASS(CFileException));
    EXPECT_EQ(CRuntimeClass::FromName("ctestitem"), nullptr);
    EXPECT_EQ(CRuntimeClass::FromName("CNoSuchClass"), nullptr);

    std::unique_ptr<CObject> pCreated(CRuntimeClass::CreateObject("CTestCreatable"));
    ASSERT_NE(pCreated, nullptr);
    EXPECT_EQ(pCreated->GetRuntimeClass(), RUNTIME_CLASS(CTestCreatable));
    std::unique_ptr<CObject> pSerial(RUNTIME_CLASS(CTestItem)->CreateObject());
    EXPECT_TRUE(pSerial->IsKindOf(RUNTIME_CLASS(CTestItem)));

    // Dynamic classes have no creation function.
    EXPECT_EQ(CRuntimeClass::CreateObject("CTestDynamic"), nullptr);
    EXPECT_EQ(CRuntimeClass::CreateObject("CNoSuchClass"), nullptr);
}

TEST(RuntimeClass, RegistrationIsIdempotentAndFirstNameWins)
{
    static CRuntimeClass impostor = {"CTestItem", 1, 1, nullptr, RUNTIME_CLASS(CObject), nullptr};
    AfxRegisterClass(RUNTIME_CLASS(CTestItem));
    AfxRegisterClass(&impostor);
    EXPECT_EQ(CRuntimeClass::FromName("CTestItem"), RUNTIME_CLASS(CTestItem));
}

} // namespace
