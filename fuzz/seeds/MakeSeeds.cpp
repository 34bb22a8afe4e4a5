// Writes the seed corpora of the fuzz targets from the project's own
// writers (archives, documents, language configurations, INI files) and
// test data, so that fuzzing starts past the headers at once:
//
//     fuzz_make_seeds <source folder> <corpus folder>
//
// Each seed is named after what made it; existing files of the same name
// are replaced and others are left alone.
#include "editor/lang/SECEditLangConfig.h"
#include "editor/lang/SECEditLangIniReader.h"
#include "framework/collections/Collections.h"
#include "framework/object/Archive.h"
#include "framework/object/File.h"
#include "library/model/QYCompList.h"
#include "library/model/QYCompProperties.h"
#include "library/model/QYDataModel.h"
#include "library/model/QYDrawComponent.h"
#include "library/model/QYFormProperties.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv);

namespace {

typedef std::vector<uint8_t> Bytes;
namespace fs = std::filesystem;

fs::path g_source;
fs::path g_corpus;

void WriteSeed(const std::string &target, const std::string &name, const Bytes &bytes)
{
    const fs::path folder = g_corpus / target;
    fs::create_directories(folder);
    std::ofstream out(folder / name, std::ios::binary);
    out.write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

Bytes ReadSource(const std::string &relative)
{
    std::ifstream in(g_source / relative, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Bytes Text(const std::string &text)
{
    return Bytes(text.begin(), text.end());
}

Bytes Prefixed(std::initializer_list<uint8_t> head, const Bytes &body)
{
    Bytes bytes(head);
    bytes.insert(bytes.end(), body.begin(), body.end());
    return bytes;
}

Bytes Stored(const std::function<void(CArchive &)> &write)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        write(ar);
        ar.Close();
    }
    const BYTE *data = file.GetBufferData();
    return Bytes(data, data + file.GetLength());
}

// ---------------------------------------------------------------------------
// The object archive

void ArchiveSeeds()
{
    auto *pStrings = new CStringArray;
    pStrings->Add("alpha");
    pStrings->Add(CString(std::string(300, 'x')));
    auto *pWords = new CDWordArray;
    pWords->Add(7);
    pWords->Add(0xFFFFFFFF);
    auto *pList = new CObList;
    pList->AddTail(pStrings);
    pList->AddTail(pStrings); // a reference to an object already written
    pList->AddTail(pWords);
    auto *pMap = new CMapStringToOb;
    pMap->SetAt("list", pList);
    pMap->SetAt("words", pWords);
    auto *pArray = new CObArray;
    pArray->Add(pMap);
    pArray->Add(nullptr);
    auto *pBytes = new CByteArray;
    pBytes->Add(1);
    pBytes->Add(2);
    pArray->Add(pBytes);
    auto *pNames = new CMapStringToString;
    pNames->SetAt("key", "value");
    auto *pStringList = new CStringList;
    pStringList->AddTail("one");
    pStringList->AddTail("two");

    const std::vector<std::pair<std::string, CObject *>> objects = {
        {"strings", pStrings}, {"words", pWords}, {"list", pList},   {"map", pMap},
        {"array", pArray},     {"bytes", pBytes}, {"names", pNames}, {"string-list", pStringList}};
    for (const auto &[name, pObject] : objects) {
        const Bytes bytes = Stored([&](CArchive &ar) { ar.WriteObject(pObject); });
        WriteSeed("archive_objects", name, bytes);
        // Cut short: the failed-load paths.
        WriteSeed("archive_objects", name + "-cut", Bytes(bytes.begin(), bytes.begin() + bytes.size() * 2 / 3));
    }
    WriteSeed("archive_objects", "two-objects", Stored([&](CArchive &ar) {
                  ar.WriteObject(pArray);
                  ar.WriteObject(pStringList);
              }));
    WriteSeed("archive_objects", "null", Stored([&](CArchive &ar) { ar.WriteObject(nullptr); }));

    // The value records, behind the steps that read them.
    WriteSeed("archive_values", "string", Prefixed({0, 0}, Stored([](CArchive &ar) { ar.WriteStringRecord("text"); })));
    WriteSeed("archive_values", "long-string",
              Prefixed({0, 0}, Stored([](CArchive &ar) { ar.WriteStringRecord(CString(std::string(70000, 'y'))); })));
    WriteSeed("archive_values", "wide-string", Prefixed({0, 0}, Bytes{0xFF, 0xFE, 0xFF, 3, 'a', 0, 'b', 0, 0xE9, 0}));
    WriteSeed("archive_values", "count", Prefixed({0, 1}, Stored([](CArchive &ar) { ar.WriteCount(0x12345); })));
    WriteSeed("archive_values", "class",
              Prefixed({0, 2}, Stored([&](CArchive &ar) { ar.WriteClass(pStrings->GetRuntimeClass()); })));
    WriteSeed("archive_values", "string-array",
              Prefixed({0, 3}, Stored([&](CArchive &ar) { pStrings->Serialize(ar); })));
    WriteSeed("archive_values", "dword-array", Prefixed({0, 4}, Stored([&](CArchive &ar) { pWords->Serialize(ar); })));
    WriteSeed("archive_values", "string-list",
              Prefixed({0, 5}, Stored([&](CArchive &ar) { pStringList->Serialize(ar); })));
    WriteSeed("archive_values", "string-map", Prefixed({0, 6}, Stored([&](CArchive &ar) { pNames->Serialize(ar); })));
    WriteSeed("archive_values", "byte-array", Prefixed({0, 7}, Stored([&](CArchive &ar) { pBytes->Serialize(ar); })));
    WriteSeed("archive_values", "mixed", Prefixed({3, 0, 1, 3, 6}, Stored([&](CArchive &ar) {
                                                      ar.WriteStringRecord("first");
                                                      ar.WriteCount(2);
                                                      pStrings->Serialize(ar);
                                                      pNames->Serialize(ar);
                                                  })));

    delete pArray;
    delete pMap;
    delete pList;
    delete pStrings;
    delete pWords;
    delete pBytes;
    delete pNames;
    delete pStringList;
}

// ---------------------------------------------------------------------------
// The data model

CQYDrawComponent *NewComponent(int left, const char *caption)
{
    auto *pComp = new CQYDrawComponent();
    pComp->AddRef();
    CRect rect(left, 10, left + 40, 30);
    pComp->Create(rect, caption);
    pComp->SetObjectCaption(caption);
    return pComp;
}

void ModelSeeds()
{
    const Bytes small = ReadSource("tests/data/model/small-document.pln");
    WriteSeed("model_document", "small-document", small);
    WriteSeed("model_document", "small-document-cut", Bytes(small.begin(), small.begin() + small.size() / 2));

    for (int nComponents : {0, 1, 3, 8}) {
        CQYDataModel model;
        model.SetPagePosition(CRect(0, 0, 300 + nComponents, 200));
        for (int i = 0; i < nComponents; ++i) {
            CQYDrawComponent *pComp = NewComponent(10 + 30 * i, i % 2 ? "Odd" : "Even");
            if (i == 2)
                pComp->m_pAttachedObject = new CStringArray;
            model.InsertComponent(pComp);
            pComp->Release();
        }
        const Bytes bytes = Stored([&](CArchive &ar) { model.Serialize(ar); });
        WriteSeed("model_document", "components-" + std::to_string(nComponents), bytes);
    }

    CQYCompList list;
    CQYDrawComponent *pFirst = NewComponent(0, "A");
    CQYDrawComponent *pSecond = NewComponent(50, "B");
    list.AddTail(pFirst);
    list.AddTail(pSecond);
    list.AddTail(pFirst);
    WriteSeed("model_components", "complist", Prefixed({0}, Stored([&](CArchive &ar) { list.Serialize(ar); })));
    WriteSeed("model_components", "component", Prefixed({1}, Stored([&](CArchive &ar) { pFirst->Serialize(ar); })));
    pSecond->m_pAttachedObject = new CObArray;
    WriteSeed("model_components", "component-attached",
              Prefixed({1}, Stored([&](CArchive &ar) { pSecond->Serialize(ar); })));
    CQYCompProperties compProperties(QY_COMP_PROP_ID);
    WriteSeed("model_components", "comp-properties",
              Prefixed({4}, Stored([&](CArchive &ar) { compProperties.Serialize(ar); })));
    CQYFormProperties formProperties;
    WriteSeed("model_components", "form-properties",
              Prefixed({5}, Stored([&](CArchive &ar) { formProperties.Serialize(ar); })));
    list.RemoveAll();
    pFirst->Release();
    pSecond->Release();
}

// ---------------------------------------------------------------------------
// INI files and language configurations

const char *const kLanguageFiles[] = {"DevStudio.ini", "HTML.ini", "JScript.ini", "VBScript.ini", "idl.ini"};

void IniSeeds()
{
    const std::vector<std::pair<std::string, std::string>> small = {
        {"plain", "[Section]\nKey=Value\nOther = spaced \n"},
        {"crlf", "[A]\r\nx=1\r\n\r\n[B]\r\ny=\"quoted\"\r\n"},
        {"mixed-ends", "[A]\r\r\nx=1\n;comment\r\n[B]\ny=2"},
        {"bom", "\xEF\xBB\xBF[S]\nk=v\n"},
        {"odd-lines", "no section\n[unclosed\n=no key\n[S]\n  key  =  value  \n[S]\nkey=second\n"},
        {"numbers", "[N]\nhex=0x1F\nneg=-12\nbig=99999999999\nbin=hex:01,02,ff\ndword=dword:0000002a\n"},
    };
    for (const auto &[name, text] : small) {
        WriteSeed("ini_document", name, Prefixed({1, 'S', 1, 'k', 1, 'v'}, Text(text)));
        WriteSeed("profile_readers", name, Prefixed({1, 'S', 1, 'k', 0x40, 0}, Text(text)));
    }
    for (const char *file : kLanguageFiles) {
        const Bytes bytes = ReadSource(std::string("editor/lang/LanguageSys/") + file);
        WriteSeed("ini_document", file, Prefixed({6, 'P', 'a', 'r', 's', 'e', 'r', 0, 0}, bytes));
        WriteSeed("profile_readers", file, Prefixed({6, 'P', 'a', 'r', 's', 'e', 'r', 0, 0, 1}, bytes));
        WriteSeed("lang_ini", file, bytes);
    }
}

void LangArchiveSeeds()
{
    const fs::path folder = fs::temp_directory_path() / "plexo-fuzz-seeds";
    fs::create_directories(folder);
    for (const char *file : kLanguageFiles) {
        const fs::path path = g_source / "editor/lang/LanguageSys" / file;
        auto *pConfig = new SECEditLangConfig;
        auto *pReader = new SECEditLangIniReader(path.c_str());
        pReader->Read(pConfig);
        pReader->Release();
        const Bytes bytes = Stored([&](CArchive &ar) { pConfig->Serialize(ar); });
        pConfig->Release();
        const std::string name = fs::path(file).stem().string();
        WriteSeed("lang_archive", name, bytes);
        WriteSeed("lang_resource", name, bytes);
        WriteSeed("lang_archive", name + "-cut", Bytes(bytes.begin(), bytes.begin() + bytes.size() / 3));
    }
    const Bytes builtin = ReadSource("tests/data/resources/lang.bin");
    WriteSeed("lang_archive", "lang-bin", builtin);
    WriteSeed("lang_resource", "lang-bin", builtin);
    const Bytes shipped = ReadSource("editor/langbuiltin/resources/CustomResource103.ini");
    WriteSeed("lang_ini", "custom-resource-103", shipped);
    WriteSeed("lang_ini", "small",
              Text("[Parser]\nName=Small\nCaseSensitive=2\n[Keywords]\nif=Keyword\n"
                   "[Color Groups]\nKeyword=0x00FF0000,0x00FFFFFF\n[Tags]\nTag0=\"/*\",\"*/\",\"\",Comment,1\n"));
    fs::remove_all(folder);
}

// The language settings in the application profile, as the profile writer
// writes them for the language "C".
void LangProfileSeeds()
{
    WriteSeed("lang_profile", "editor-font-groups",
              Text("[C\\Editor]\nTabSize=dword:00000008\nAutoIndent=dword:00000001\nShowWhitespace=dword:00000000\n"
                   "VirtualWhitespace=dword:00000000\nReplaceTabs=dword:00000001\nMatchCase=dword:00000001\n"
                   "[C\\Font]\nFacename=Liberation Mono\nSize=dword:0000000c\nBold=dword:00000000\n"
                   "Italic=dword:00000000\n[C\\Color Groups\\Text]\nBackColorAutomatic=dword:00000001\n"
                   "ForeColorAutomatic=dword:00000000\nBackground=dword:00ffffff\nForeground=dword:000000ff\n"
                   "DisplayName=Plain text\nConfigurable=dword:00000001\n"));
}

// ---------------------------------------------------------------------------
// Pictures

// A packed DIB: header, colour table, rows.
Bytes PackedDib(int width, int height, int bitCount, int compression = 0)
{
    const int colours = bitCount <= 8 ? (1 << bitCount) : (compression == 3 ? 3 : 0);
    const int stride = (width * bitCount + 31) / 32 * 4;
    const int rows = height < 0 ? -height : height;
    Bytes bytes(40 + colours * 4 + stride * rows, 0);
    auto put32 = [&](size_t at, uint32_t value) {
        for (int i = 0; i < 4; ++i)
            bytes[at + i] = uint8_t(value >> (8 * i));
    };
    put32(0, 40);
    put32(4, uint32_t(width));
    put32(8, uint32_t(height));
    bytes[12] = 1;
    bytes[14] = uint8_t(bitCount);
    put32(16, uint32_t(compression));
    put32(20, uint32_t(stride * rows));
    for (int i = 0; i < colours; ++i)
        put32(40 + 4 * i, compression == 3 ? (i == 0   ? 0xFF0000u
                                              : i == 1 ? 0xFF00u
                                                       : 0xFFu)
                                           : uint32_t(i * 0x010101 * 37));
    for (size_t i = 40 + colours * 4; i < bytes.size(); ++i)
        bytes[i] = uint8_t(i * 7);
    return bytes;
}

void PictureSeeds()
{
    struct Shape {
        const char *name;
        int width, height, bitCount, compression;
    };
    const Shape shapes[] = {{"1bpp", 9, 5, 1, 0},       {"4bpp", 7, 3, 4, 0},       {"8bpp", 5, 4, 8, 0},
                            {"16bpp", 4, 4, 16, 0},     {"24bpp", 3, 3, 24, 0},     {"32bpp", 4, 2, 32, 0},
                            {"top-down", 4, -3, 24, 0}, {"bitfields", 4, 4, 16, 3}, {"bitfields32", 3, 3, 32, 3}};
    for (const Shape &shape : shapes) {
        const Bytes dib = PackedDib(shape.width, shape.height, shape.bitCount, shape.compression);
        WriteSeed("dib", std::string("resource-") + shape.name, Prefixed({0}, dib));
        WriteSeed("dib", std::string("transfer-") + shape.name, Prefixed({1, 0, 0, 0, 4, 4, 0, 8, 0}, dib));
        // Icon images: the header is as tall as the colour rows and mask rows together.
        if (shape.height > 0 && shape.compression == 0) {
            Bytes icon = PackedDib(shape.width, shape.height * 2, shape.bitCount);
            WriteSeed("icon", shape.name, Prefixed({0, 0, 0}, icon));
            WriteSeed("icon", std::string(shape.name) + "-stretched", Prefixed({0, 16, 16}, icon));
            WriteSeed("icon", std::string(shape.name) + "-cursor", Prefixed({1, 0, 0, 4, 0, 4, 0}, icon));
        }
    }
    for (const char *file : {"checker.bmp", "cross.bmp", "not-an-image.bmp"}) {
        const Bytes bmp = ReadSource(std::string("tests/data/resources/") + file);
        WriteSeed("resources", std::string("image-") + file, Prefixed({1}, bmp));
        if (bmp.size() > 14) {
            const Bytes packed(bmp.begin() + 14, bmp.end());
            WriteSeed("dib", std::string("resource-") + file, Prefixed({0}, packed));
        }
    }
}

// ---------------------------------------------------------------------------
// Tables, patterns and text

void TableSeeds()
{
    // Choice 0 (tables), entry count, then per entry: string, id, flags, menu id, accelerator.
    auto entry = [](Bytes &bytes, const std::string &text, uint8_t id, uint16_t flags) {
        bytes.push_back(uint8_t(text.size()));
        bytes.insert(bytes.end(), text.begin(), text.end());
        bytes.push_back(id);
        bytes.push_back(uint8_t(flags));
        bytes.push_back(uint8_t(flags >> 8));
        bytes.insert(bytes.end(), {uint8_t(100 + id), 0, 0x09, 'A', 0, uint8_t(100 + id), 0});
    };
    Bytes menu{0, 5};
    entry(menu, "&File", 0, 0x10);
    entry(menu, "&Open", 1, 0);
    entry(menu, "", 2, 0x800);
    entry(menu, "E&xit", 3, 0x80);
    entry(menu, "&Help", 4, 0x80);
    menu.insert(menu.end(), {4, 0, 'd', 'a', 't', 'a', 10, 20, 30, 40});
    WriteSeed("resources", "menu", menu);
    Bytes broken{0, 3};
    entry(broken, "&Popup", 0, 0x10);
    entry(broken, "Item", 1, 0);
    entry(broken, "After", 2, 0x90);
    WriteSeed("resources", "unended-menu", broken);

    const std::vector<std::tuple<std::string, uint8_t, std::string, std::string, std::string>> patterns = {
        {"word", 3, "\\w+", "<$&>", "plain words, and more words"},
        {"groups", 2, "(a)(b)?(c)", "$3$2$1", "abc ac abc"},
        {"utf8", 1, "\xC3\xA9+", "e", "caf\xC3\xA9 \xC3\xA9\xC3\xA9 \xFF bad"},
        {"anchors", 6, "^\\s*$", "-", "line\n\n  \nend"},
        {"classes", 2, "[[:alpha:]]{2,}|\\d+", "#", "ab 12 c 345"},
        {"backrefs", 2, "(\\w)\\1", "$1", "aabbcd"},
        {"lookaround", 2, "(?<=a)b(?!c)", "B", "ab abc abd"},
        {"invalid", 0, "(unclosed", "", "text"}};
    for (const auto &[name, flags, pattern, replacement, subject] : patterns) {
        Bytes bytes{flags, uint8_t(pattern.size())};
        bytes.insert(bytes.end(), pattern.begin(), pattern.end());
        bytes.push_back(uint8_t(replacement.size()));
        bytes.insert(bytes.end(), replacement.begin(), replacement.end());
        bytes.insert(bytes.end(), subject.begin(), subject.end());
        WriteSeed("regexp", name, bytes);
    }

    const std::vector<std::pair<std::string, std::string>> texts = {
        {"lf", "first line\nsecond line\n\nlast"},
        {"crlf", "one\r\ntwo\r\nthree\r\n"},
        {"long-line", std::string(3000, 'a') + "\nshort\n"},
        {"binary", std::string("nul\0byte\n\xFF\xFE\n", 12)}};
    for (const auto &[name, text] : texts) {
        // Four operations: find, delete, insert, find by regular expression.
        Bytes head(1 + 4 * 64, 0);
        head[0] = 4;
        head[1] = 0;    // find
        head[2] = 0x07; // forward, wrap, match case
        head[3] = 4;
        head[4] = 'l';
        head[5] = 'i';
        head[6] = 'n';
        head[7] = 'e';
        head[65] = 1; // delete from (1, 2) to (2, 1)
        head[66] = 2;
        head[68] = 3;
        head[70] = 3;
        head[72] = 2;
        head[129] = 2; // insert "new\n" at (0, 1)
        head[130] = 1;
        head[132] = 2;
        head[134] = 4;
        head[135] = 'n';
        head[136] = 'e';
        head[137] = 'w';
        head[138] = '\n';
        head[193] = 0;
        head[194] = 0x17; // regular expression
        head[195] = 3;
        head[196] = '\\';
        head[197] = 'w';
        head[198] = '+';
        Bytes bytes = head;
        bytes.insert(bytes.end(), text.begin(), text.end());
        WriteSeed("text_store", name, bytes);
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: fuzz_make_seeds <source folder> <corpus folder>\n");
        return 2;
    }
    g_source = argv[1];
    g_corpus = argv[2];
    LLVMFuzzerInitialize(&argc, &argv);
    ArchiveSeeds();
    ModelSeeds();
    IniSeeds();
    LangArchiveSeeds();
    LangProfileSeeds();
    PictureSeeds();
    TableSeeds();
    return 0;
}
