#include "LangTestSupport.h"

#include "editor/lang/SECEditLangFiles.h"
#include "editor/lang/SECEditLangIniReader.h"
#include "editor/lang/SECEditLangIniWriter.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class LangIniTest : public ::testing::Test {
protected:
    // Reads the INI text into the configuration; the reader's result.
    BOOL ReadIni(const std::string &text)
    {
        const std::string path = folder.File("lang.ini");
        TempFolder::Write(path, text);
        auto *pReader = new SECEditLangIniReader(path.c_str());
        const BOOL bRead = pReader->Read(config.get());
        pReader->Release();
        return bRead;
    }

    TempFolder folder;
    ConfigHandle config;
};

TEST_F(LangIniTest, ColorGroupReplacesADefaultGroupInPlace)
{
    ASSERT_TRUE(ReadIni("[ColorGroups]\nNumGroups=1\nGroup1=Text\n[Text]\nForeground=255,0,0\n"));
    ASSERT_EQ(config->GetColorGroupCount(), 4);
    const SECEditColorGroup *pText = config->GetColorGroup(0);
    EXPECT_EQ(std::string(config->GetColorGroupName(0)), "Text");
    EXPECT_EQ(pText->m_crForeground, 0x0000FFu);
    EXPECT_FALSE(pText->m_bForeColorAutomatic);
    EXPECT_EQ(pText->m_crBackground, 0xFFFFFFu);
    EXPECT_TRUE(pText->m_bBackColorAutomatic);
    EXPECT_EQ(std::string(pText->m_strDisplayName), "Text");
    EXPECT_TRUE(pText->m_bConfigurable);
    EXPECT_EQ(config->GetFixedColorGroup(SECEDIT_GROUP_TEXT), pText);
}

TEST_F(LangIniTest, ColorGroupsAppendNewNamesAndSkipEmptyOnes)
{
    ASSERT_TRUE(ReadIni("[ColorGroups]\nNumGroups=4\nGroup1=Comment\nGroup2=\nGroup3=String\nGroup4=Comment\n"
                        "[Comment]\nDisplayName=Remarks\nConfigurable=0\nForeground=300,0,-1\n"
                        "ForeColorAutomatic=1\nBackground=0,0,128\n"
                        "[String]\nBackground=\n"));
    ASSERT_EQ(config->GetColorGroupCount(), 6);
    const SECEditColorGroup *pComment = config->GetColorGroup(4);
    EXPECT_EQ(std::string(config->GetColorGroupName(4)), "Comment");
    EXPECT_EQ(std::string(pComment->m_strDisplayName), "Remarks");
    EXPECT_FALSE(pComment->m_bConfigurable);
    EXPECT_EQ(pComment->m_crForeground, RGB(44, 0, 255));
    EXPECT_TRUE(pComment->m_bForeColorAutomatic);
    EXPECT_EQ(pComment->m_crBackground, RGB(0, 0, 128));
    EXPECT_FALSE(pComment->m_bBackColorAutomatic);
    const SECEditColorGroup *pString = config->GetColorGroup(5);
    EXPECT_TRUE(pString->m_bBackColorAutomatic);
    EXPECT_EQ(pString->m_crBackground, 0xFFFFFFu);
}

TEST_F(LangIniTest, ParserFillsSetsAndTags)
{
    ASSERT_TRUE(ReadIni("[ColorGroups]\nNumGroups=1\nGroup1=Comment\n"
                        "[Parser]\nOperators=+-\nDelimiters=,;\xC3\xA9\nKWStartChars=#\nKWMiddleChars=:\n"
                        "KWEndChars=;\nNumTags=3\n"
                        "[Tag1]\nColorGroup=Comment\nBeginTag=/*\nEndTag=*/\nMultiLine=1\n"
                        "[Tag2]\nColorGroup=Comment\nBeginTag=//\n"
                        "[Tag3]\nColorGroup=Nothing\nBeginTag=\"\nEndTag=\"\nEscapeChar=\\\n"));
    EXPECT_TRUE(config->IsInCharSet('+', SECEDIT_OPERATORS));
    EXPECT_TRUE(config->IsInCharSet(0xC3A9, SECEDIT_DELIMITERS));
    EXPECT_TRUE(config->IsInCharSet('#', SECEDIT_KWSTARTCHARS));
    EXPECT_TRUE(config->IsInCharSet(':', SECEDIT_KWMIDDLECHARS));
    EXPECT_TRUE(config->IsInCharSet(';', SECEDIT_KWENDCHARS));
    SECEditTagMap &tags = config->GetTagMap();
    EXPECT_EQ(tags.GetCount(), 4);
    SECEditTag *pTag = nullptr;
    ASSERT_TRUE(tags.Lookup("/", pTag));
    EXPECT_EQ(pTag, nullptr);
    ASSERT_TRUE(tags.Lookup("/*", pTag));
    EXPECT_EQ(std::string(pTag->m_strEndTag), "*/");
    EXPECT_TRUE(pTag->m_bMultiLine);
    EXPECT_EQ(pTag->m_wColorGroup, 4);
    ASSERT_TRUE(tags.Lookup("//", pTag));
    EXPECT_FALSE(pTag->m_bMultiLine);
    EXPECT_TRUE(pTag->m_strEndTag.IsEmpty());
    ASSERT_TRUE(tags.Lookup("\"", pTag));
    EXPECT_EQ(std::string(pTag->m_strEscapeChar), "\\");
    EXPECT_EQ(pTag->m_wColorGroup, 0); // unknown group name
}

TEST_F(LangIniTest, FontAndEditorValuesAndTheirDefaults)
{
    ASSERT_TRUE(ReadIni("[Font]\nFaceName=DejaVu Sans Mono\nSize=12\nBold=1\n"
                        "[Editor]\nTabSize=8\nAutoIndent=1\nReplaceTabs=1\nMatchCase=0\n"));
    EXPECT_EQ(std::string(config->GetFontFace()), "DejaVu Sans Mono");
    EXPECT_EQ(config->GetFontSize(), 12);
    EXPECT_TRUE(config->GetStoredBold());
    EXPECT_EQ(config->GetTabSize(), 8);
    EXPECT_TRUE(config->GetAutoIndent());
    EXPECT_TRUE(config->GetReplaceTabs());
    EXPECT_FALSE(config->GetShowWhitespace());
    EXPECT_FALSE(config->GetMatchCase());

    ASSERT_TRUE(ReadIni("[Font]\nFaceName=" + std::string(40, 'x') + "\n"));
    EXPECT_EQ(config->GetFontFace().GetLength(), 31); // the face buffer holds 32 bytes
    EXPECT_EQ(config->GetFontSize(), 10);
    EXPECT_EQ(config->GetTabSize(), 4);
    EXPECT_TRUE(config->GetMatchCase());
}

TEST_F(LangIniTest, KeywordsAreSplitTrimmedAndChecked)
{
    ASSERT_TRUE(ReadIni("[ColorGroups]\nNumGroups=2\nGroup1=Keyword\nGroup2=Type\n"
                        "[Keywords]\n  while  =  Keyword \nint=Type\nint=Keyword\nDim=Keyword\nDIM=Type\n"
                        "orphan=Missing\n=Keyword\nempty=\nnoequals\n#define=Keyword\nca\r\rrriage=Keyword\n"));
    EXPECT_EQ(config->GetKeywordMap().GetCount(), 5); // not the one holding CRs
    EXPECT_EQ(KeywordGroup(config.get(), "while"), 4);
    EXPECT_EQ(KeywordGroup(config.get(), "int"), 4); // the later entry wins
    EXPECT_EQ(KeywordGroup(config.get(), "Dim"), 4);
    EXPECT_EQ(KeywordGroup(config.get(), "DIM"), 5);
    EXPECT_EQ(KeywordGroup(config.get(), "#define"), 4);
    EXPECT_EQ(KeywordGroup(config.get(), "orphan"), -1);
    config->SetMatchCase(FALSE);
    WORD group = 0;
    EXPECT_EQ(config->LookupKeyword("WHILE", 5, &group), 5);
}

TEST_F(LangIniTest, MissingFileGivesTheDefaults)
{
    auto *pReader = new SECEditLangIniReader(folder.File("none.ini").c_str());
    config->SetTabSize(9);
    EXPECT_TRUE(pReader->Read(config.get()));
    EXPECT_EQ(config->GetTabSize(), 4);
    EXPECT_EQ(config->GetColorGroupCount(), 4);
    EXPECT_FALSE(pReader->Read(nullptr));
    pReader->Release();
}

TEST_F(LangIniTest, DamagedFilesLeaveTheDefaultsAndFail)
{
    const char *cases[] = {
        "[ColorGroups]\nNumGroups=-1\n", "[ColorGroups]\nNumGroups=100000\n",
        "[Parser]\nNumTags=99999999\n",  "[Editor]\nTabSize=0\n",
        "[Editor]\nTabSize=-4\n",        "[Font]\nSize=0\n",
    };
    for (const char *text : cases) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(ReadIni(std::string("[Keywords]\nint=Text\n[Tag1]\nBeginTag=//\n") + text));
        EXPECT_EQ(config->GetColorGroupCount(), 4);
        EXPECT_EQ(config->GetKeywordMap().GetCount(), 0);
        EXPECT_EQ(config->GetTabSize(), 4);
    }
}

TEST_F(LangIniTest, WriterAndReaderKeepTheConfiguration)
{
    ConfigHandle source;
    auto *pComment = new SECEditColorGroup;
    pComment->m_crForeground = RGB(0, 128, 0);
    pComment->m_crBackground = RGB(1, 2, 3);
    pComment->m_strDisplayName = "  Comment text  ";
    pComment->m_bConfigurable = FALSE;
    source->SetColorGroup("Comment", pComment);
    source->GetColorGroup(0)->m_bForeColorAutomatic = FALSE;
    source->GetColorGroup(0)->m_crForeground = RGB(10, 20, 30);
    AddTestTag(source.get(), "/*", "*/", "", 4, TRUE);
    AddTestTag(source.get(), "//", "", "", 4, FALSE);
    AddTestTag(source.get(), "'", "'", "\\", 0, FALSE);
    source->SetCharSet("+-\xC3\xA9", SECEDIT_OPERATORS, TRUE);
    source->SetCharSet("#", SECEDIT_KWSTARTCHARS, TRUE);
    source->GetKeywordMap().SetAt("Dim", 4);
    source->GetKeywordMap().SetAt("DIM", 0);
    source->GetKeywordMap().SetAt("#if", 4);
    source->SetFontFace("Liberation Mono");
    source->SetFontSize(11);
    source->SetBold(TRUE);
    source->SetTabSize(3);
    source->SetAutoIndent(TRUE);
    source->SetVirtualWhitespace(TRUE);
    source->SetMatchCase(FALSE);

    const std::string path = folder.File("written.ini");
    auto *pWriter = new SECEditLangIniWriter(path.c_str());
    ASSERT_TRUE(pWriter->Write(source.get()));
    EXPECT_FALSE(pWriter->Write(nullptr));
    pWriter->Release();

    auto *pReader = new SECEditLangIniReader(path.c_str());
    ASSERT_TRUE(pReader->Read(config.get()));
    pReader->Release();

    ASSERT_EQ(config->GetColorGroupCount(), 5);
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        const SECEditColorGroup *a = source->GetColorGroup(i);
        const SECEditColorGroup *b = config->GetColorGroup(i);
        EXPECT_EQ(std::string(config->GetColorGroupName(i)), std::string(source->GetColorGroupName(i)));
        EXPECT_EQ(b->m_crForeground, a->m_crForeground);
        EXPECT_EQ(b->m_crBackground, a->m_crBackground);
        EXPECT_EQ(b->m_bForeColorAutomatic, a->m_bForeColorAutomatic);
        EXPECT_EQ(b->m_bBackColorAutomatic, a->m_bBackColorAutomatic);
        EXPECT_EQ(std::string(b->m_strDisplayName), std::string(a->m_strDisplayName));
        EXPECT_EQ(b->m_bConfigurable, a->m_bConfigurable);
    }
    EXPECT_EQ(config->GetTagMap().GetCount(), 4);
    SECEditTag *pTag = config->FindTag("'x'", 3, 0, SECEDIT_TAG_ANY);
    ASSERT_NE(pTag, nullptr);
    EXPECT_EQ(std::string(pTag->m_strEscapeChar), "\\");
    EXPECT_EQ(pTag->m_wColorGroup, 0);
    EXPECT_EQ(config->GetCharSetString(SECEDIT_OPERATORS).Str(), "+-\xC3\xA9");
    EXPECT_EQ(config->GetCharSetString(SECEDIT_KWSTARTCHARS).Str(), "#");
    EXPECT_EQ(KeywordGroup(config.get(), "Dim"), 4);
    EXPECT_EQ(KeywordGroup(config.get(), "DIM"), 0);
    EXPECT_EQ(KeywordGroup(config.get(), "#if"), 4);
    EXPECT_EQ(std::string(config->GetFontFace()), "Liberation Mono");
    EXPECT_EQ(config->GetFontSize(), 11);
    EXPECT_FALSE(config->GetStoredBold()); // written from GetBold
    EXPECT_EQ(config->GetTabSize(), 3);
    EXPECT_TRUE(config->GetAutoIndent());
    EXPECT_TRUE(config->GetVirtualWhitespace());
    EXPECT_FALSE(config->GetMatchCase());
}

// A tag added after a longer one it is a prefix of ("/" after "//") lives
// beside it; the written file gives back both.
TEST_F(LangIniTest, WriterKeepsTagsThatArePrefixesOfOthers)
{
    ConfigHandle source;
    AddTestTag(source.get(), "//", "", "", 0, FALSE);
    AddTestTag(source.get(), "/*", "*/", "", 0, TRUE);
    AddTestTag(source.get(), "/", "", "", 0, FALSE);
    AddTestTag(source.get(), "<!--", "-->", "", 0, TRUE);
    AddTestTag(source.get(), "<", ">", "", 0, FALSE);
    const std::string path = folder.File("prefixes.ini");
    auto *pWriter = new SECEditLangIniWriter(path.c_str());
    ASSERT_TRUE(pWriter->Write(source.get()));
    pWriter->Release();
    auto *pReader = new SECEditLangIniReader(path.c_str());
    ASSERT_TRUE(pReader->Read(config.get()));
    pReader->Release();

    for (const char *begin : {"//", "/*", "/", "<!--", "<"}) {
        SCOPED_TRACE(begin);
        SECEditTag *pTag = nullptr;
        ASSERT_TRUE(config->GetTagMap().Lookup(begin, pTag));
        ASSERT_NE(pTag, nullptr);
        EXPECT_EQ(std::string(pTag->m_strBeginTag), begin);
    }
    EXPECT_EQ(StoreConfig(config.get()), StoreConfig(source.get()));
}

TEST_F(LangIniTest, WriterKeepsKeysItDoesNotRewriteAndReportsFailure)
{
    const std::string path = folder.File("kept.ini");
    TempFolder::Write(path, "; my notes\n[Extra]\nKey=Value\n");
    auto *pWriter = new SECEditLangIniWriter(path.c_str());
    ASSERT_TRUE(pWriter->Write(config.get()));
    pWriter->Release();
    const std::string text = TempFolder::Read(path);
    EXPECT_NE(text.find("; my notes\n[Extra]\nKey=Value\n"), std::string::npos);

    auto *pBad = new SECEditLangIniWriter(folder.File("no/such/folder/x.ini").c_str());
    EXPECT_FALSE(pBad->Write(config.get()));
    pBad->Release();
}

TEST_F(LangIniTest, RelativeNamesUseTheUsersCopy)
{
    ScopedEnv env("XDG_CONFIG_HOME", folder.Path());
    const std::string userFile = folder.File("kilnsmith/LanguageSys/unit.ini");
    EXPECT_EQ(std::string(SECEditResolveLanguageFileForReading("unit.ini")),
              std::string(SECEditGetShippedLanguageFolder()) + "/unit.ini");

    config->SetTabSize(6);
    auto *pWriter = new SECEditLangIniWriter("LanguageSys\\unit.ini");
    ASSERT_TRUE(pWriter->Write(config.get()));
    pWriter->Release();
    EXPECT_NE(TempFolder::Read(userFile).find("TabSize=6"), std::string::npos);
    EXPECT_EQ(std::string(SECEditResolveLanguageFileForReading("unit.ini")), userFile);

    ConfigHandle loaded;
    auto *pReader = new SECEditLangIniReader("unit.ini");
    ASSERT_TRUE(pReader->Read(loaded.get()));
    pReader->Release();
    EXPECT_EQ(loaded->GetTabSize(), 6);
}

TEST_F(LangIniTest, WriterCopiesTheShippedFileOnceAndNeverChangesIt)
{
    ScopedEnv env("XDG_CONFIG_HOME", folder.Path());
    const std::string name = "copytest-" + std::filesystem::path(folder.Path()).filename().string() + ".ini";
    const std::string shipped = std::string(SECEditGetShippedLanguageFolder()) + "/" + name;
    const std::string shippedText = "; shipped notes\n[Editor]\nTabSize=2\n[Other]\nKept=1\n";
    TempFolder::Write(shipped, shippedText);
    config->SetTabSize(5);
    auto *pWriter = new SECEditLangIniWriter(name.c_str());
    const BOOL bWritten = pWriter->Write(config.get());
    pWriter->Release();
    const std::string shippedAfter = TempFolder::Read(shipped);
    std::filesystem::remove(shipped);
    ASSERT_TRUE(bWritten);
    EXPECT_EQ(shippedAfter, shippedText);
    const std::string user = TempFolder::Read(folder.File("kilnsmith/LanguageSys/" + name));
    EXPECT_NE(user.find("; shipped notes"), std::string::npos);
    EXPECT_NE(user.find("Kept=1"), std::string::npos);
    EXPECT_NE(user.find("TabSize=5"), std::string::npos);
}

// Start-up may name a language file by its full path in the data folder:
// the user's copy still comes first and the shipped file is never written.
TEST_F(LangIniTest, FullPathsIntoTheShippedFolderGoThroughTheUsersCopy)
{
    ScopedEnv env("XDG_CONFIG_HOME", folder.Path());
    const std::string name = "fullpath-" + std::filesystem::path(folder.Path()).filename().string() + ".ini";
    const std::string shipped = std::string(SECEditGetShippedLanguageFolder()) + "/" + name;
    const std::string shippedText = "[Editor]\nTabSize=2\n";
    TempFolder::Write(shipped, shippedText);
    config->SetTabSize(5);
    auto *pWriter = new SECEditLangIniWriter(shipped.c_str());
    const BOOL bWritten = pWriter->Write(config.get());
    pWriter->Release();
    ConfigHandle loaded;
    auto *pReader = new SECEditLangIniReader(shipped.c_str());
    const BOOL bRead = pReader->Read(loaded.get());
    pReader->Release();
    const std::string shippedAfter = TempFolder::Read(shipped);
    std::filesystem::remove(shipped);
    EXPECT_TRUE(bWritten);
    EXPECT_EQ(shippedAfter, shippedText);
    EXPECT_NE(TempFolder::Read(folder.File("kilnsmith/LanguageSys/" + name)).find("TabSize=5"), std::string::npos);
    EXPECT_TRUE(bRead);
    EXPECT_EQ(loaded->GetTabSize(), 5);
}

TEST_F(LangIniTest, NamesThatLeaveTheLanguageFolderAreRefused)
{
    ScopedEnv env("XDG_CONFIG_HOME", folder.Path());
    for (const char *name : {"../escape.ini", "LanguageSys/../../x.ini", "a/./b.ini", "", "dir/"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(SECEditResolveLanguageFileForReading(name).IsEmpty());
        auto *pWriter = new SECEditLangIniWriter(name);
        EXPECT_FALSE(pWriter->Write(config.get()));
        pWriter->Release();
        auto *pReader = new SECEditLangIniReader(name);
        EXPECT_FALSE(pReader->Read(config.get()));
        pReader->Release();
    }
    EXPECT_FALSE(std::filesystem::exists(folder.File("kilnsmith/escape.ini")));
}

} // namespace

namespace {

TEST_F(LangIniTest, KeysHoldingANulByteAreRefused)
{
    const std::string cases[] = {
        std::string("[Parser]\nNumTags=1\n[Tag1]\nBeginTag=\0/\nEndTag=x\n", 40),
        std::string("[ColorGroups]\nNumGroups=1\nGroup1=Na\0me\n", 39),
    };
    for (const std::string &text : cases) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(ReadIni(text));
        EXPECT_EQ(config->GetColorGroupCount(), 4);
    }
}

TEST_F(LangIniTest, FlagsAreStoredAsTrueWhateverNumberTheFileGives)
{
    auto file = [](const std::string &on) {
        return "[ColorGroups]\nNumGroups=1\nGroup1=Extra\n[Extra]\nConfigurable=" + on +
               "\nForeground=1,2,3\nForeColorAutomatic=" + on +
               "\n[Parser]\nNumTags=1\n[Tag1]\nBeginTag=/*\n"
               "EndTag=*/\nMultiLine=" +
               on + "\n[Font]\nBold=" + on + "\nItalic=" + on + "\n[Editor]\nAutoIndent=" + on +
               "\nShowWhitespace=" + on + "\nVirtualWhitespace=" + on + "\nReplaceTabs=" + on + "\nMatchCase=" + on +
               "\n";
    };
    ASSERT_TRUE(ReadIni(file("1")));
    const Bytes withOne = StoreConfig(config.get());
    for (const char *on : {"2", "-1", "16"}) {
        SCOPED_TRACE(on);
        ConfigHandle other;
        const std::string path = folder.File("other.ini");
        TempFolder::Write(path, file(on));
        auto *pReader = new SECEditLangIniReader(path.c_str());
        ASSERT_TRUE(pReader->Read(other.get()));
        pReader->Release();
        EXPECT_EQ(StoreConfig(other.get()), withOne);
    }
}

} // namespace

namespace {

TEST_F(LangIniTest, ValuesEndAtANulByteSoTheWriterCanWriteThemBack)
{
    ASSERT_TRUE(ReadIni(std::string("[ColorGroups]\nNumGroups=1\nGroup1=Extra\n[Extra]\nDisplayName=Ab\0cd\n"
                                    "[Font]\nFaceName=Mo\0no\n",
                                    87)));
    const int nGroup = config->GetColorGroupCount() - 1;
    EXPECT_EQ(std::string(config->GetColorGroup(nGroup)->m_strDisplayName), "Ab");
    EXPECT_EQ(std::string(config->GetFontFace()), "Mo");

    const std::string written = folder.File("written.ini");
    auto *pWriter = new SECEditLangIniWriter(written.c_str());
    ASSERT_TRUE(pWriter->Write(config.get()));
    pWriter->Release();
    ConfigHandle again;
    auto *pReader = new SECEditLangIniReader(written.c_str());
    ASSERT_TRUE(pReader->Read(again.get()));
    pReader->Release();
    EXPECT_EQ(StoreConfig(again.get()), StoreConfig(config.get()));
}

} // namespace
