#include "kilnsmith/generator/IncludeGuard.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const GUID kGuid = {0x0012ABCD, 0x9abc, 0xabcd, {0x01, 0x23, 0x45, 0x67, 0x89, 0xab, 0xcd, 0xef}};

TEST(IncludeGuard, SuffixIsTheUpperCasedGuid)
{
    const CString strSuffix = FormatGuardSuffix(kGuid);
    EXPECT_EQ(std::string(strSuffix), "__0012ABCD_9ABC_ABCD_0123_456789ABCDEF__INCLUDED_");
    EXPECT_EQ(strSuffix.GetLength(), 49);
    EXPECT_TRUE(FormatGuardSuffix(GUID{}).IsEmpty());
}

TEST(IncludeGuard, OpeningAndClosingForms)
{
    const CString strSuffix = FormatGuardSuffix(kGuid);
    const std::string macro = "AFC_MYVIEW_H__0012ABCD_9ABC_ABCD_0123_456789ABCDEF__INCLUDED_";
    const struct {
        CString strSuffix;
        GuardCloseForm form;
        std::string open;
        std::string close;
    } cases[] = {
        {"", GuardCloseForm::OneLineEnd, "#ifndef\t_MYVIEW_H_\n#define\t_MYVIEW_H_", "\n#endif // _MYVIEW_H_"},
        {"", GuardCloseForm::TwoLineEnds, "#ifndef\t_MYVIEW_H_\n#define\t_MYVIEW_H_", "\n\n#endif // _MYVIEW_H_"},
        {strSuffix, GuardCloseForm::OneLineEnd, "#if !defined(" + macro + ")\n#define " + macro,
         "\n#endif // !defined(" + macro + ")"},
        {strSuffix, GuardCloseForm::TwoLineEnds, "#if !defined(" + macro + ")\n#define " + macro,
         "\n\n#endif // !defined(" + macro + ")"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.close);
        EXPECT_EQ(std::string(MakeGuardOpen("MYVIEW_H", c.strSuffix)), c.open);
        EXPECT_EQ(std::string(MakeGuardClose("MYVIEW_H", c.strSuffix, c.form)), c.close);
    }
}

} // namespace
