#include "LangTestSupport.h"

#include "editor/lang/SECEditLangArchiveReader.h"
#include "framework/object/Archive.h"
#include "framework/object/File.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

// Writes the archive form by hand, independently of CArchive.
class BodyWriter {
public:
    BodyWriter &Word(unsigned w)
    {
        bytes.push_back(static_cast<unsigned char>(w & 0xFF));
        bytes.push_back(static_cast<unsigned char>((w >> 8) & 0xFF));
        return *this;
    }
    BodyWriter &Dword(unsigned long d)
    {
        Word(static_cast<unsigned>(d & 0xFFFF));
        return Word(static_cast<unsigned>((d >> 16) & 0xFFFF));
    }
    BodyWriter &String(const std::string &s)
    {
        if (s.size() < 255)
            bytes.push_back(static_cast<unsigned char>(s.size()));
        else if (s.size() < 0xFFFE) {
            bytes.push_back(0xFF);
            Word(static_cast<unsigned>(s.size()));
        } else {
            bytes.push_back(0xFF);
            Word(0xFFFF);
            Dword(s.size());
        }
        bytes.insert(bytes.end(), s.begin(), s.end());
        return *this;
    }
    BodyWriter &Group(unsigned long fore, unsigned long back, bool automatic, const std::string &name,
                      bool configurable)
    {
        return Word(0).Dword(fore).Dword(back).Dword(automatic).Dword(automatic).String(name).Dword(configurable);
    }
    Bytes bytes;
};

// What a test may change in the reference body.
struct BodyParams {
    unsigned long groupCount = 5;
    unsigned long commentFore = 0x008000;
    std::string tagKey = "//";
    unsigned tagGroup = 4;
    unsigned long tabSize = 4;
    unsigned long fontSize = 10;
    unsigned keywordGroup = 4;
    bool escapedKeywordCount = false;
    std::string textGroupName = "Text";
};

// Five groups, the "//" tag with its prefix entry, options, font, sets with
// a two-byte character, two keywords and the group names; entries in
// ascending key order.
Bytes BuildBody(const BodyParams &p = BodyParams())
{
    BodyWriter w;
    w.Dword(p.groupCount)
        .Group(0x000000, 0xFFFFFF, true, "Text", true)
        .Group(0xFFFFFF, 0x000000, true, "Text Selection", true)
        .Group(0x000000, 0xFFFFFF, true, "Number", false)
        .Group(0x000000, 0xFFFFFF, true, "Operator", false)
        .Group(p.commentFore, 0xFFFFFF, false, "Comment", true);
    w.Dword(2).String("/").Dword(0);
    w.String(p.tagKey).Dword(1).String("//").String("").String("").Word(p.tagGroup).Dword(0);
    w.Dword(1).Dword(0).Dword(0).Dword(0).Dword(p.tabSize).Dword(1);
    w.String("Courier").Dword(p.fontSize).Dword(0).Dword(1);
    w.String("#").String("").String("").String(",\xC3\xA9").String("+");
    if (p.escapedKeywordCount)
        w.Word(0xFFFF).Dword(2);
    else
        w.Word(2);
    w.String("#if").Word(p.keywordGroup).String("int").Word(4);
    w.Word(5)
        .String("Comment")
        .Word(4)
        .String("Number")
        .Word(2)
        .String("Operator")
        .Word(3)
        .String(p.textGroupName)
        .Word(0)
        .String("Text Selection")
        .Word(1);
    return w.bytes;
}

// The configuration that BuildBody describes.
void FillReference(SECEditLangConfig *pConfig)
{
    auto *pComment = new SECEditColorGroup;
    pComment->m_crForeground = 0x008000;
    pComment->m_strDisplayName = "Comment";
    pConfig->SetColorGroup("Comment", pComment);
    AddTestTag(pConfig, "//", "", "", 4, FALSE);
    pConfig->SetAutoIndent(TRUE);
    pConfig->SetBold(TRUE);
    pConfig->AddCharacters(SECEDIT_KWSTARTCHARS, "#", 1);
    pConfig->AddCharacters(SECEDIT_DELIMITERS, "\xC3\xA9,", 3);
    pConfig->AddCharacters(SECEDIT_OPERATORS, "+", 1);
    pConfig->GetKeywordMap().SetAt("int", 4);
    pConfig->GetKeywordMap().SetAt("#if", 4);
}

void ExpectDefaults(SECEditLangConfig *pConfig)
{
    EXPECT_EQ(pConfig->GetColorGroupCount(), 4);
    EXPECT_EQ(pConfig->GetTagMap().GetCount(), 0);
    EXPECT_EQ(pConfig->GetKeywordMap().GetCount(), 0);
    EXPECT_EQ(pConfig->GetTabSize(), 4);
    EXPECT_FALSE(pConfig->GetAutoIndent());
    EXPECT_FALSE(pConfig->IsInCharSet('+', SECEDIT_OPERATORS));
}

TEST(LangArchive, StoresTheReferenceBodyByteForByte)
{
    ConfigHandle config;
    FillReference(config.get());
    EXPECT_EQ(StoreConfig(config.get()), BuildBody());
}

TEST(LangArchive, LoadsTheReferenceBodyAndStoresItBackUnchanged)
{
    ConfigHandle config;
    config->SetName("C");
    ASSERT_TRUE(LoadConfig(config.get(), BuildBody()));
    EXPECT_EQ(std::string(config->GetName()), "C"); // the name is not part of the body
    EXPECT_EQ(config->GetColorGroupCount(), 5);
    EXPECT_EQ(config->GetColorGroup(4)->m_crForeground, 0x008000u);
    EXPECT_TRUE(config->IsInCharSet(0xC3A9, SECEDIT_DELIMITERS));
    EXPECT_TRUE(config->IsInCharSet(',', SECEDIT_DELIMITERS));
    EXPECT_TRUE(config->IsInCharSet('#', SECEDIT_KWSTARTCHARS));
    EXPECT_TRUE(config->GetStoredBold());
    EXPECT_TRUE(config->GetAutoIndent());
    EXPECT_EQ(KeywordGroup(config.get(), "#if"), 4);
    SECEditTag *pTag = config->FindTag("// x", 4, 0, SECEDIT_TAG_ANY);
    ASSERT_NE(pTag, nullptr);
    EXPECT_EQ(pTag->m_wColorGroup, 4);
    config->SetMatchCase(FALSE); // the lower-case keyword map was rebuilt
    WORD group = 0;
    EXPECT_EQ(config->LookupKeyword("INT", 3, &group), 3);
    config->SetMatchCase(TRUE);
    EXPECT_EQ(StoreConfig(config.get()), BuildBody());
}

TEST(LangArchive, ReadsACountWrittenInItsLongForm)
{
    BodyParams params;
    params.escapedKeywordCount = true;
    ConfigHandle config;
    ASSERT_TRUE(LoadConfig(config.get(), BuildBody(params)));
    EXPECT_EQ(config->GetKeywordMap().GetCount(), 2);
}

TEST(LangArchive, StringLengthsAtTheirSwitchOvers)
{
    const struct {
        size_t length;
        Bytes prefix;
    } cases[] = {{254, {0xFE}},
                 {255, {0xFF, 0xFF, 0x00}},
                 {65533, {0xFF, 0xFD, 0xFF}},
                 {65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
                 {65535, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.length);
        ConfigHandle config;
        config->SetFontFace(std::string(c.length, 'f').c_str());
        const Bytes stored = StoreConfig(config.get());
        // Everything before the face is as in a body with an empty face,
        // whose face record is the single byte 0: the first difference is
        // the face's length record.
        ConfigHandle plain;
        plain->SetFontFace("");
        const Bytes reference = StoreConfig(plain.get());
        size_t faceOffset = 0;
        while (faceOffset < reference.size() && reference[faceOffset] == stored[faceOffset])
            ++faceOffset;
        ASSERT_LT(faceOffset + c.prefix.size(), stored.size());
        EXPECT_EQ(Bytes(stored.begin() + static_cast<long>(faceOffset),
                        stored.begin() + static_cast<long>(faceOffset + c.prefix.size())),
                  c.prefix);
        ConfigHandle loaded;
        ASSERT_TRUE(LoadConfig(loaded.get(), stored));
        EXPECT_EQ(static_cast<size_t>(loaded->GetFontFace().GetLength()), c.length);
    }
}

TEST(LangArchive, SetsWithTwoByteCodesRoundTrip)
{
    ConfigHandle config;
    config->SetCharSet("\xC3\xA9\xD0\x96+a", SECEDIT_KWMIDDLECHARS, TRUE);
    ConfigHandle loaded;
    ASSERT_TRUE(LoadConfig(loaded.get(), StoreConfig(config.get())));
    for (unsigned code : {0xC3A9u, 0xD096u, unsigned('+'), unsigned('a')})
        EXPECT_TRUE(loaded->IsInCharSet(code, SECEDIT_KWMIDDLECHARS)) << code;
    EXPECT_EQ(loaded->GetCharSetString(SECEDIT_KWMIDDLECHARS).Str(), "+a\xC3\xA9\xD0\x96");
}

struct CorruptCase {
    const char *what;
    Bytes body;
};

std::vector<CorruptCase> CorruptBodies()
{
    std::vector<CorruptCase> cases;
    auto with = [](auto change) {
        BodyParams p;
        change(p);
        return BuildBody(p);
    };
    cases.push_back({"empty", {}});
    cases.push_back({"huge group count", with([](BodyParams &p) { p.groupCount = 0x7FFFFFFF; })});
    cases.push_back({"more groups than written", with([](BodyParams &p) { p.groupCount = 6; })});
    cases.push_back({"colour that is no RGB value", with([](BodyParams &p) { p.commentFore = 0x01000000; })});
    cases.push_back({"empty tag key", with([](BodyParams &p) { p.tagKey = ""; })});
    cases.push_back({"tag group out of range", with([](BodyParams &p) { p.tagGroup = 5; })});
    cases.push_back({"tab size 0", with([](BodyParams &p) { p.tabSize = 0; })});
    cases.push_back({"huge tab size", with([](BodyParams &p) { p.tabSize = 0xFFFFFFFF; })});
    cases.push_back({"font size 0", with([](BodyParams &p) { p.fontSize = 0; })});
    cases.push_back({"keyword group out of range", with([](BodyParams &p) { p.keywordGroup = 9; })});
    cases.push_back({"no Text group", with([](BodyParams &p) { p.textGroupName = "Plain"; })});
    BodyWriter hugeString;
    hugeString.Dword(1).Word(0).Dword(0).Dword(0).Dword(0).Dword(0);
    hugeString.bytes.push_back(0xFF);
    hugeString.Word(0xFFFF).Dword(0x7FFFFFF0);
    cases.push_back({"string longer than the body", hugeString.bytes});
    const Bytes whole = BuildBody();
    for (size_t length : {size_t(3), size_t(40), whole.size() / 2, whole.size() - 1})
        cases.push_back({"truncated", Bytes(whole.begin(), whole.begin() + static_cast<long>(length))});
    return cases;
}

TEST(LangArchive, DamagedBodiesLeaveTheDefaults)
{
    for (const CorruptCase &c : CorruptBodies()) {
        SCOPED_TRACE(c.what);
        ConfigHandle config;
        config->SetTabSize(7);
        EXPECT_FALSE(LoadConfig(config.get(), c.body));
        ExpectDefaults(config.get());
    }
}

TEST(LangArchive, ReaderLeavesTheDefaultsForMissingDamagedAndUnreadableFiles)
{
    TempFolder folder;
    const Bytes damaged = CorruptBodies()[1].body;
    TempFolder::Write(folder.File("damaged.lcf"), std::string(damaged.begin(), damaged.end()));
    const Bytes good = BuildBody();
    TempFolder::Write(folder.File("good.lcf"), std::string(good.begin(), good.end()));
    const struct {
        std::string path;
        BOOL expected;
    } cases[] = {{folder.File("missing.lcf"), FALSE},
                 {folder.File("damaged.lcf"), FALSE},
                 {folder.Path(), FALSE},
                 {folder.File("good.lcf"), TRUE}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.path);
        ConfigHandle config;
        config->SetTabSize(7);
        auto *pReader = new SECEditLangArchiveReader(c.path.c_str());
        EXPECT_EQ(pReader->Read(config.get()), c.expected);
        EXPECT_FALSE(pReader->Read(nullptr));
        pReader->Release();
        EXPECT_EQ(config->GetColorGroupCount(), c.expected ? 5 : 4);
        EXPECT_EQ(config->GetTabSize(), 4);
    }
}

TEST(LangArchive, EveryTruncationFailsCleanly)
{
    const Bytes whole = BuildBody();
    for (size_t length = 0; length < whole.size(); ++length) {
        ConfigHandle config;
        EXPECT_FALSE(LoadConfig(config.get(), Bytes(whole.begin(), whole.begin() + static_cast<long>(length))))
            << length;
    }
}

} // namespace

TEST(LangArchive, MapKeysHoldingANulByteAreRefused)
{
    // A tag, a keyword and a group name written with a marker byte that is
    // then made a NUL wherever it occurs: each body must be refused, not stored under a
    // shorter key.
    ConfigHandle source;
    const WORD group = AddTestGroup(source.get(), "Gr#up", RGB(1, 2, 3), RGB(4, 5, 6));
    AddTestTag(source.get(), "<#", ">", "", group, FALSE);
    source->GetKeywordMap().SetAt("key#word", group);
    const Bytes body = StoreConfig(source.get());
    for (const std::string marked : {"Gr#up", "<#", "key#word"}) {
        SCOPED_TRACE(marked);
        Bytes damaged = body;
        int nMarked = 0;
        for (auto at = damaged.begin();
             (at = std::search(at, damaged.end(), marked.begin(), marked.end())) != damaged.end(); ++at, ++nMarked)
            *(at + static_cast<long>(marked.find('#'))) = 0;
        ASSERT_GT(nMarked, 0);
        ConfigHandle config;
        EXPECT_FALSE(LoadConfig(config.get(), damaged));
    }
}
