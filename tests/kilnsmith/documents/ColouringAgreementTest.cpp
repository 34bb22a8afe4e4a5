// The wizard's buffer colours exactly as the rule reads: HTML pages as the
// token-by-token rule with plain bracket searches and the language's own
// look-ups, every other language as the editor's buffer. Its remembered
// bracket places, keyword and tag answers and token answers change no
// colour, in any order the lines are asked for, and a new language forgets
// the old answers.
#include "DocumentsTestSupport.h"
#include "HtmlRuleReference.h"

#include <random>
#include <string>

namespace {

// Headings, paragraphs, tags split over lines, comments over lines,
// entities, quoted and unquoted attributes, names in every case, numbers,
// UTF-8 text, stray brackets, tabs, blank lines and a very long name.
const char kVariedPage[] =
    "<!DOCTYPE html>\n"
    "<HTML lang=\"en\">\n"
    "<head><title>Plexo &amp; Kilnsmith</title>\n"
    "<meta charset='utf-8'></head>\n"
    "<Body Class=main onLoad=\"init(1, 'two')\">\n"
    "<!-- a comment\n"
    "   over <b>three</b> lines -->\n"
    "<h2 id=s12>Section 12: div, table &lt;and&gt; span</h2>\n"
    "<p class=\"body\">The div and TABLE words, 42 items; a, b (c) = 7 for caf\xc3\xa9 and na\xc3\xafve.\n"
    "More text on a second line, with span 3.</p>\n"
    "<a\n"
    "   HREF=\"page12.html\"\ttitle='next'>next page</a>\n"
    "\n"
    "if a < b and c > d then 1 < 2\n"
    "<ul><li>one</li><LI>two 2</LI><li>three, four</li></ul>\n"
    "<table border=1><tr><td>12</td><td align=right>cell text</td></tr></table>\n"
    "<img src=\"x.png\" alt=\"a \\\"quoted\\\" word\" width=320 height=200>\n"
    "<div data-averyveryveryveryveryveryveryveryveryveryveryveryverylongattributename=1>x</div>\n"
    "<script>if (a<b) { c = \"</p>\"; }</script>\n"
    "> stray <\n"
    "<<x>> <!---->\n"
    "</Body></HTML>\n";

std::string RandomPage(std::mt19937 &random, int words)
{
    static const char *const kWords[] = {"div",
                                         "DIV",
                                         "Div",
                                         "href",
                                         "HREF",
                                         "a",
                                         "p",
                                         "1",
                                         "42",
                                         "&amp;",
                                         "<!--",
                                         "-->",
                                         "\"",
                                         "'",
                                         "=",
                                         "<",
                                         ">",
                                         "/",
                                         " ",
                                         " ",
                                         "\n",
                                         "\t",
                                         "caf\xc3\xa9",
                                         "table",
                                         "word",
                                         "x12",
                                         "longnamelongnamelongnamelongnamelongnamelongname"
                                         "longnamelongname"};
    std::uniform_int_distribution<size_t> pick(0, sizeof(kWords) / sizeof(kWords[0]) - 1);
    std::string text;
    for (int i = 0; i < words; ++i)
        text += kWords[pick(random)];
    return text;
}

// Every line's runs of the two buffers agree, the lines asked for top to
// bottom, and bottom to top in buffers of their own (asked in that order,
// a line can find a multi-line tag's region before the line it starts on
// was coloured).
template <class Reference>
void ExpectSameRuns(const std::string &text, LPCTSTR language)
{
    for (const bool upwards : {false, true}) {
        Reference reference;
        ASSERT_TRUE(reference.NewDocument(language));
        reference.InsertText(0, 0, text.c_str(), static_cast<int>(text.size()));
        auto wizard = MakeWizardBuffer(language, text);
        const int lines = wizard->GetLineCount();
        ASSERT_EQ(lines, reference.GetLineCount());
        for (int i = 0; i < lines; ++i) {
            const int line = upwards ? lines - 1 - i : i;
            EXPECT_EQ(LineRuns(*wizard, line), LineRuns(reference, line))
                << (upwards ? "upwards, " : "") << "line " << line << " of\n"
                << text;
        }
    }
}

// The same, both buffers opening the text from a file: a file's lines are
// never broken, however long.
template <class Reference>
void ExpectSameRunsOpened(const std::string &text, LPCTSTR language)
{
    TempFolder folder;
    const std::string path = folder.File("page.txt");
    TempFolder::Write(path, text);
    Reference reference;
    ASSERT_TRUE(reference.SetLanguage(language));
    ASSERT_TRUE(reference.Open(path.c_str()));
    CMDITextBuffer wizard;
    ASSERT_TRUE(wizard.SetLanguage(language));
    ASSERT_TRUE(wizard.Open(path.c_str()));
    ASSERT_EQ(wizard.GetLineCount(), reference.GetLineCount());
    for (int line = 0; line < wizard.GetLineCount(); ++line)
        EXPECT_EQ(LineRuns(wizard, line), LineRuns(reference, line)) << "line " << line;
}

class ColouringAgreementTest : public ::testing::Test {
protected:
    void SetUp() override { RegisterTestLanguages(); }
};

TEST_F(ColouringAgreementTest, AnHtmlPageColoursAsTheRuleReads)
{
    ExpectSameRuns<TokenByTokenBuffer>(kVariedPage, "HTML");
    std::mt19937 random(1211);
    for (int round = 0; round < 20; ++round)
        ExpectSameRuns<TokenByTokenBuffer>(RandomPage(random, 40 + 10 * round), "HTML");
}

TEST_F(ColouringAgreementTest, OtherLanguagesColourAsTheEditorsBuffer)
{
    // C text with keywords, comments, strings and more than a thousand
    // different names, so the remembered answers outgrow their first table.
    std::string text = "#include <stdio.h>\n/* a comment\n   over lines */\nint main(void)\n{\n";
    for (int i = 0; i < 1500; ++i)
        text += "    int name" + std::to_string(i) + " = " + std::to_string(i) + "; // note\n";
    text += "    return printf(\"%d <b> \\\"x\\\"\\n\", 0x1F) < 2 ? 0 : 1;\n}\n";
    ExpectSameRuns<SECEditTextBuffer>(text, "C");
    // HTML read by the editor's own rule (keywords between tags too).
    SECEditTextBuffer html;
    html.NewDocument("HTML");
    html.InsertText(0, 0, kVariedPage, static_cast<int>(sizeof(kVariedPage) - 1));
    auto wizard = MakeWizardBuffer("HTML", kVariedPage);
    ASSERT_TRUE(wizard->SetLanguage("C"));
    ASSERT_TRUE(html.SetLanguage("C"));
    for (int line = 0; line < html.GetLineCount(); ++line)
        EXPECT_EQ(LineRuns(*wizard, line), LineRuns(html, line)) << "line " << line;
}

TEST_F(ColouringAgreementTest, RememberedTokenAnswersActAsTheRuleDoes)
{
    // A tag whose words outgrow the word-sized pending count (on a line of
    // a file, which nothing breaks), so the plain text inside it goes out
    // in pieces where the rule puts them; the same
    // words as keywords, numbers and plain text on one line; delimiters
    // that are operators and ones that are not; words that start with a
    // longer character or are too long to remember; a tag opener inside a
    // tag (a string) between remembered words.
    std::string longTag = "<p";
    for (int i = 0; i < 1100; ++i)
        longTag += " " + std::string(59, 'w') + "x";
    longTag += ">\n";
    ExpectSameRunsOpened<TokenByTokenBuffer>("<p>\n" + longTag + "<p>\n", "HTML");
    const std::string page = "<div class=div id=42 title=\"div 42\" data-x=a,b;c:d(e)>div 42 word</div>\n"
                             "<p \xc3\xa9t\xc3\xa9=caf\xc3\xa9 \xe2\x82\xac=1 "
                             "longnamelongnamelongnamelongnamelongnamelongnamelongnamelongname=2 a=\"x\" b='y'>\n"
                             "<td>1</td><td>22</td><TD>div</TD>\n";
    ExpectSameRuns<TokenByTokenBuffer>(page, "HTML");
    // In C every token goes through the remembered answers.
    std::string c = "int x = a+b-c; /* note */ char *s = \"int\"; // int\n";
    for (int i = 0; i < 9000; ++i)
        c += "return x + name" + std::to_string(i % 7) + " ;";
    c += "\nint\n";
    ExpectSameRuns<SECEditTextBuffer>(c, "C");
    ExpectSameRunsOpened<SECEditTextBuffer>(c, "C");
}

TEST_F(ColouringAgreementTest, ANewLanguageForgetsTheOldAnswers)
{
    // The same words are keywords in one language and not in the other.
    const std::string text = "<p class=x>int return 12</p>\nint main() { return 0; }\n";
    auto wizard = MakeWizardBuffer("HTML", text);
    for (int line = 0; line < wizard->GetLineCount(); ++line)
        LineRuns(*wizard, line);
    ASSERT_TRUE(wizard->SetLanguage("C"));
    SECEditTextBuffer c;
    ASSERT_TRUE(c.NewDocument("C"));
    c.InsertText(0, 0, text.c_str(), static_cast<int>(text.size()));
    for (int line = 0; line < wizard->GetLineCount(); ++line)
        EXPECT_EQ(LineRuns(*wizard, line), LineRuns(c, line)) << "line " << line;
    ASSERT_TRUE(wizard->SetLanguage("HTML"));
    TokenByTokenBuffer reference;
    ASSERT_TRUE(reference.NewDocument("HTML"));
    reference.InsertText(0, 0, text.c_str(), static_cast<int>(text.size()));
    for (int line = 0; line < wizard->GetLineCount(); ++line)
        EXPECT_EQ(LineRuns(*wizard, line), LineRuns(reference, line)) << "line " << line;
}

} // namespace
