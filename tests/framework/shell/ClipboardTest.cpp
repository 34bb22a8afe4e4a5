#include "WindowTestSupport.h"

#include "framework/gdi/Bitmap.h"
#include "framework/gdi/GdiObjectData.h"
#include "framework/object/Archive.h"
#include "framework/object/File.h"
#include "framework/object/GlobalMemory.h"
#include "framework/shellui/Clipboard.h"
#include "framework/shell/Instance.h"
#include "framework/shellui/OleDataObject.h"
#include "framework/shellui/OleDataSource.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

HGLOBAL BlockOf(const std::string &bytes)
{
    HGLOBAL hMem = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, bytes.size());
    if (!bytes.empty())
        std::memcpy(GlobalLock(hMem), bytes.data(), bytes.size());
    GlobalUnlock(hMem);
    return hMem;
}

std::string BytesOf(HANDLE hMem)
{
    if (!hMem)
        return "<null>";
    std::string bytes(static_cast<const char *>(GlobalLock(hMem)), GlobalSize(hMem));
    GlobalUnlock(hMem);
    return bytes;
}

// Puts the formats on the clipboard in one open-close session.
void SetClipboard(std::initializer_list<std::pair<UINT, std::string>> formats)
{
    ASSERT_TRUE(OpenClipboard(nullptr));
    ASSERT_TRUE(EmptyClipboard());
    for (const auto &[format, bytes] : formats)
        ASSERT_NE(SetClipboardData(format, BlockOf(bytes)), nullptr);
    ASSERT_TRUE(CloseClipboard());
}

std::string ReadClipboard(UINT format)
{
    if (!OpenClipboard(nullptr))
        return "<not opened>";
    std::string bytes = BytesOf(GetClipboardData(format));
    CloseClipboard();
    return bytes;
}

const UINT kComponent = RegisterClipboardFormat("Plexo Component");
const UINT kToolBoxItem = RegisterClipboardFormat("Form ToolBox Item");
const UINT kColumn = RegisterClipboardFormat("MSDEVColumnSelect");

TEST(ClipboardTest, EachFormatMakesTheRoundTrip)
{
    struct Case {
        const char *name;
        UINT format;
        std::string in;
        std::string out; // text comes back with its terminating zero
    };
    const std::string binary("\x00\x01\xff\x7f archive\x00tail", 17);
    const Case cases[] = {
        {"text", CF_TEXT, std::string("h\xc3\xa9llo\r\nworld\0", 14), std::string("h\xc3\xa9llo\r\nworld\0", 14)},
        {"text without zero", CF_TEXT, "abc", std::string("abc\0", 4)},
        {"text with bytes after its zero", CF_TEXT, std::string("ab\0junk", 7), std::string("ab\0", 3)},
        {"invalid UTF-8 kept", CF_TEXT, std::string("\xff\xfe\x80", 3), std::string("\xff\xfe\x80\0", 4)},
        {"oem text", CF_OEMTEXT, "dos", std::string("dos\0", 4)},
        {"component", kComponent, binary, binary},
        {"toolbox item", kToolBoxItem, binary, binary},
        {"empty block", kToolBoxItem, "", ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        SetClipboard({{c.format, c.in}});
        EXPECT_TRUE(IsClipboardFormatAvailable(c.format));
        EXPECT_EQ(ReadClipboard(c.format), c.out);
    }
    // CF_TEXT and CF_OEMTEXT are the same text.
    SetClipboard({{CF_TEXT, "same"}});
    EXPECT_EQ(ReadClipboard(CF_OEMTEXT), std::string("same\0", 5));
}

TEST(ClipboardTest, FormatsSetTogetherTravelTogether)
{
    SetClipboard({{CF_TEXT, "row\r\n"}, {kColumn, "row\r\n"}});
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
    EXPECT_TRUE(IsClipboardFormatAvailable(kColumn));
    EXPECT_FALSE(IsClipboardFormatAvailable(kComponent));
    const QMimeData *mime = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(mime, nullptr);
    EXPECT_EQ(mime->data("text/plain;charset=utf-8"), QByteArray("row\r\n"));
    EXPECT_TRUE(mime->hasFormat("application/x-plexo-clipboard;format=MSDEVColumnSelect"));

    // Emptying takes every format away; setting again replaces them.
    SetClipboard({{kComponent, "c"}});
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
    EXPECT_FALSE(IsClipboardFormatAvailable(kColumn));
    EXPECT_EQ(ReadClipboard(kComponent), "c");
}

TEST(ClipboardTest, TextIsOfferedUnderTheTypesOtherProgramsAskFor)
{
    // "text/plain" is what X11 programs get through UTF8_STRING, STRING and
    // TEXT; the private formats go out beside it.
    const QByteArray text("caf\xc3\xa9 \xe2\x82\xac\r\n");
    for (UINT format : {static_cast<UINT>(CF_TEXT), static_cast<UINT>(CF_OEMTEXT)}) {
        SCOPED_TRACE(format);
        SetClipboard({{format, text.toStdString()}, {kColumn, "column"}});
        const QMimeData *mime = QGuiApplication::clipboard()->mimeData();
        ASSERT_NE(mime, nullptr);
        EXPECT_TRUE(mime->hasText());
        EXPECT_EQ(mime->text(), QString::fromUtf8(text));
        EXPECT_EQ(mime->data("text/plain"), text);
        EXPECT_EQ(mime->data("text/plain;charset=utf-8"), text);
        EXPECT_EQ(mime->data("application/x-plexo-clipboard;format=MSDEVColumnSelect"), QByteArray("column"));
    }
}

TEST(ClipboardTest, ClosedClipboardAndAbsentFormatsAnswerNull)
{
    SetClipboard({{CF_TEXT, "text"}});
    EXPECT_EQ(GetClipboardData(CF_TEXT), nullptr); // not open
    HGLOBAL refused = BlockOf("x");
    EXPECT_EQ(SetClipboardData(CF_TEXT, refused), nullptr); // not open: the block stays the caller's
    GlobalFree(refused);
    EXPECT_FALSE(CloseClipboard());
    EXPECT_FALSE(EmptyClipboard());
    EXPECT_EQ(GetOpenClipboardWindow(), nullptr);

    CRecordingWnd owner;
    ASSERT_TRUE(CreateTopLevel(owner, RECT{0, 0, 50, 50}));
    ASSERT_TRUE(OpenClipboard(owner.m_hWnd));
    EXPECT_EQ(GetOpenClipboardWindow(), owner.m_hWnd);
    EXPECT_FALSE(OpenClipboard(nullptr)); // one session at a time
    EXPECT_EQ(GetClipboardData(kComponent), nullptr);
    EXPECT_EQ(GetClipboardData(CF_BITMAP), nullptr);
    EXPECT_EQ(GetClipboardData(0x7777), nullptr);
    HGLOBAL unusable = BlockOf("x");
    EXPECT_EQ(SetClipboardData(CF_DIB, unusable), nullptr); // a format that cannot travel stays the caller's
    GlobalFree(unusable);
    EXPECT_TRUE(CloseClipboard());
    EXPECT_EQ(ReadClipboard(CF_TEXT), std::string("text\0", 5)); // a session without changes leaves the data
}

TEST(ClipboardTest, TextFromAnotherProgramIsRead)
{
    struct Case {
        const char *mimeType;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"text/plain;charset=utf-8", QByteArray("caf\xc3\xa9")},
        {"text/plain", QByteArray("plain \xe9 latin")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.mimeType);
        auto *mime = new QMimeData;
        mime->setData(c.mimeType, c.bytes);
        QGuiApplication::clipboard()->setMimeData(mime);
        EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
        EXPECT_FALSE(IsClipboardFormatAvailable(kComponent));
        EXPECT_EQ(ReadClipboard(CF_TEXT), c.bytes.toStdString() + std::string(1, '\0'));
    }
}

TEST(ClipboardTest, BitmapsTravelAsImages)
{
    HBITMAP hBitmap = CreateBitmap(3, 2, 1, 32, nullptr);
    auto data = GdiHandles::LookupAs<BitmapData>(hBitmap, GdiObjectKind::Bitmap);
    data->image.setPixel(2, 1, qRgb(10, 200, 30));
    data.reset();
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    ASSERT_EQ(SetClipboardData(CF_BITMAP, hBitmap), hBitmap);
    CloseClipboard();
    const QMimeData *mime = QGuiApplication::clipboard()->mimeData();
    EXPECT_TRUE(mime->hasFormat("image/png"));
    EXPECT_TRUE(mime->hasFormat("image/bmp"));
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_BITMAP));

    // An image another program offers in any format Qt decodes.
    QImage image(4, 5, QImage::Format_ARGB32);
    image.fill(qRgb(1, 2, 3));
    image.setPixel(3, 4, qRgb(250, 0, 0));
    auto *other = new QMimeData;
    other->setImageData(image);
    QGuiApplication::clipboard()->setMimeData(other);
    ASSERT_TRUE(OpenClipboard(nullptr));
    HBITMAP pasted = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
    ASSERT_NE(pasted, nullptr);
    BITMAP info{};
    ASSERT_TRUE(CBitmap::FromHandle(pasted)->GetBitmap(&info));
    EXPECT_EQ(info.bmWidth, 4);
    EXPECT_EQ(info.bmHeight, 5);
    auto pastedData = GdiHandles::LookupAs<BitmapData>(pasted, GdiObjectKind::Bitmap);
    EXPECT_EQ(pastedData->image.pixel(3, 4) & 0xFFFFFF, 0xFA0000u);
    CloseClipboard();

    // Bytes that claim to be an image and are not give no bitmap.
    auto *corrupt = new QMimeData;
    corrupt->setData("image/png", QByteArray("\x89PNG\r\n\x1a\n garbage", 17));
    QGuiApplication::clipboard()->setMimeData(corrupt);
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_BITMAP));
    ASSERT_TRUE(OpenClipboard(nullptr));
    EXPECT_EQ(GetClipboardData(CF_BITMAP), nullptr);
    CloseClipboard();
}

TEST(ClipboardTest, LabeditFormatIsUniqueToTheProcess)
{
    char name[32];
    std::snprintf(name, sizeof name, "Labedit %08x",
                  static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(AfxGetInstanceHandle())));
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(AfxGetInstanceHandle()), static_cast<std::uintptr_t>(getpid()));
    const UINT format = RegisterClipboardFormat(name);
    EXPECT_NE(format, 0u);
    EXPECT_EQ(PlexoClipboardFormatMimeType(format), CString("application/x-plexo-clipboard;format=") + CString(name));
    char otherName[32];
    std::snprintf(otherName, sizeof otherName, "Labedit %08x", static_cast<unsigned>(getpid() + 1));
    EXPECT_NE(RegisterClipboardFormat(otherName), format);
}

TEST(ClipboardTest, DataObjectsReadTheClipboardAndDataSourcesFillIt)
{
    auto *source = new COleDataSource; // the clipboard takes it over
    source->CacheGlobalData(CF_TEXT, BlockOf(std::string("line\r\n\0", 7)));
    source->CacheGlobalData(kColumn, BlockOf(std::string("line\r\n\0", 7)));
    source->SetClipboard();

    COleDataObject data;
    ASSERT_TRUE(data.AttachClipboard());
    EXPECT_TRUE(data.IsDataAvailable(CF_TEXT));
    EXPECT_TRUE(data.IsDataAvailable(kColumn));
    EXPECT_FALSE(data.IsDataAvailable(kToolBoxItem));

    FORMATETC fmt{CF_TEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium{};
    ASSERT_TRUE(data.GetData(CF_TEXT, &medium, &fmt));
    EXPECT_EQ(medium.tymed, static_cast<DWORD>(TYMED_HGLOBAL));
    EXPECT_STREQ(static_cast<const char *>(GlobalLock(medium.hGlobal)), "line\r\n");
    GlobalUnlock(medium.hGlobal);
    ReleaseStgMedium(&medium);
    EXPECT_EQ(medium.hGlobal, nullptr);
    EXPECT_FALSE(data.GetData(kToolBoxItem, &medium, &fmt));

    // A payload that is not what its format says is handed on as it is.
    SetClipboard({{kToolBoxItem, std::string("\x05\x00\x00", 3)}});
    CFile *file = data.GetFileData(kToolBoxItem);
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->GetLength(), 3u);
    BYTE bytes[8] = {};
    EXPECT_EQ(file->Read(bytes, sizeof bytes), 3u);
    EXPECT_EQ(bytes[0], 5);
    delete file;
    EXPECT_EQ(data.GetFileData(kComponent), nullptr);
    EXPECT_EQ(BytesOf(data.GetGlobalData(kComponent)), "<null>");

    // A second source on the clipboard replaces the first (which is freed).
    auto *second = new COleDataSource;
    second->CacheGlobalData(kComponent, BlockOf("second"));
    second->SetClipboard();
    EXPECT_FALSE(data.IsDataAvailable(kToolBoxItem));
    HGLOBAL hSecond = data.GetGlobalData(kComponent);
    EXPECT_EQ(BytesOf(hSecond), "second");
    GlobalFree(hSecond);

    // A source on the stack takes itself back when it goes; its data stays.
    {
        COleDataSource local;
        local.CacheGlobalData(kToolBoxItem, BlockOf("local"));
        local.SetClipboard();
    }
    EXPECT_EQ(ReadClipboard(kToolBoxItem), "local");
    SetClipboard({{CF_TEXT, "after"}});
    EXPECT_FALSE(data.IsDataAvailable(kToolBoxItem));
}

TEST(ClipboardTest, APayloadCutShortFailsInItsReaderNotHere)
{
    // An archive of two strings, as a program's own format carries it...
    CSharedFile file(GMEM_MOVEABLE | GMEM_DDESHARE, 4096);
    {
        CArchive ar(&file, CArchive::store, 4096);
        ar << CString("first component") << CString("second component");
    }
    HGLOBAL whole = file.Detach();
    // ...of which another program put only the first bytes on the clipboard.
    std::string bytes = BytesOf(whole);
    GlobalFree(whole);
    SetClipboard({{kComponent, bytes.substr(0, bytes.size() - 5)}});

    COleDataObject data;
    data.AttachClipboard();
    CFile *pasted = data.GetFileData(kComponent);
    ASSERT_NE(pasted, nullptr);
    CString first, second;
    int cause = -1;
    try {
        CArchive ar(pasted, CArchive::load, 4096);
        ar >> first >> second;
    } catch (CArchiveException *e) {
        cause = e->m_cause;
        e->Delete();
    }
    delete pasted;
    EXPECT_EQ(cause, CArchiveException::endOfFile);
    EXPECT_EQ(first, "first component");
}

} // namespace
