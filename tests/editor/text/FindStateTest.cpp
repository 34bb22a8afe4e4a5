#include "editor/text/SECEditFindState.h"

#include <gtest/gtest.h>

namespace {

TEST(FindState, OneObjectWithTheStartingOptions)
{
    SECEditFindState &state = SECEditGetFindState();
    EXPECT_EQ(&state, &SECEditGetFindState());
    const SECEditFindState fresh;
    EXPECT_EQ(nullptr, fresh.m_pDialog);
    EXPECT_TRUE(fresh.m_bFindOnly);
    EXPECT_TRUE(fresh.m_bSearchDown);
    EXPECT_FALSE(fresh.m_bMatchCase);
    EXPECT_FALSE(fresh.m_bWholeWord);
    EXPECT_FALSE(fresh.m_bInSelection);
    EXPECT_FALSE(fresh.m_bRegularExpression);
    EXPECT_TRUE(fresh.m_strFindText.IsEmpty());
    EXPECT_EQ(0, fresh.m_findHistory.GetCount());
    // This library alone has no engine to offer.
    EXPECT_FALSE(fresh.m_bRegexAvailable);
}

TEST(FindState, OnlyTheOwnerTakesTheDialogBack)
{
    SECEditFindState state;
    auto *dialog = reinterpret_cast<SECEditFindDialog *>(0x10);
    auto *owner = reinterpret_cast<SECEditController *>(0x20);
    auto *other = reinterpret_cast<SECEditController *>(0x30);
    state.m_pDialog = dialog;
    state.m_pOwner = owner;
    EXPECT_EQ(nullptr, state.ReleaseOwner(other));
    EXPECT_EQ(dialog, state.m_pDialog);
    EXPECT_EQ(dialog, state.ReleaseOwner(owner));
    EXPECT_EQ(nullptr, state.m_pDialog);
    EXPECT_EQ(nullptr, state.m_pOwner);
}

} // namespace
