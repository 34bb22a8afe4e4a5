// The face table and LOGFONT resolution.
#include <QDir>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>

#include "framework/gdi/FontFaces.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <mutex>
#include <string>

namespace {

struct FaceMapping {
    const char *face;     // the name the system asks for
    const char *family;   // the installed family drawn instead
    const char *fallback; // used when the family is not installed
};

// Windows face names and the families standing in for them: the Liberation
// faces share the metrics of the classic core fonts; the dialog, symbol and
// bitmap-era faces come from the classic-face package; DejaVu covers the rest.
constexpr FaceMapping kFaceTable[] = {
    {"Arial", "Liberation Sans", "DejaVu Sans"},
    {"Helvetica", "Liberation Sans", "DejaVu Sans"},
    {"Times New Roman", "Liberation Serif", "DejaVu Serif"},
    {"Times", "Liberation Serif", "DejaVu Serif"},
    {"Georgia", "Liberation Serif", "DejaVu Serif"},
    {"MS Serif", "Liberation Serif", "DejaVu Serif"},
    {"Courier New", "Liberation Mono", "DejaVu Sans Mono"},
    {"Courier", "Courier", "Liberation Mono"},
    {"Lucida Console", "DejaVu Sans Mono", "Liberation Mono"},
    {"Consolas", "DejaVu Sans Mono", "Liberation Mono"},
    {"FixedSys", "Fixedsys", "Liberation Mono"},
    {"Terminal", "Fixedsys", "Liberation Mono"},
    {"System", "System", "Liberation Sans"},
    {"MS Sans Serif", "MS Sans Serif", "Liberation Sans"},
    {"Microsoft Sans Serif", "MS Sans Serif", "Liberation Sans"},
    {"MS Shell Dlg", "MS Sans Serif", "Liberation Sans"},
    {"MS Shell Dlg 2", "Tahoma", "DejaVu Sans"},
    {"Tahoma", "Tahoma", "DejaVu Sans"},
    {"Verdana", "DejaVu Sans", "Liberation Sans"},
    {"Segoe UI", "DejaVu Sans", "Liberation Sans"},
    {"Small Fonts", "Small Fonts", "Liberation Sans"},
    {"Marlett", "Marlett", "DejaVu Sans"},
    {"Symbol", "Symbol", "DejaVu Sans"},
    {"Wingdings", "Wingdings", "DejaVu Sans"},
    {"Webdings", "Webdings", "DejaVu Sans"},
};

// Where the classic-face package puts its fonts (outside fontconfig's paths).
constexpr const char *kClassicFontDirs[] = {"/usr/share/wine/fonts", "/usr/lib/wine/fonts"};

// Registers the classic faces once a GUI application exists (the font
// database needs one); until then later calls try again.
void RegisterClassicFaces()
{
    static std::mutex mutex;
    static bool done = false;
    std::lock_guard<std::mutex> lock(mutex);
    if (done || !qGuiApp)
        return;
    done = true;
    for (const char *dir : kClassicFontDirs) {
        QDir d(QString::fromLatin1(dir));
        for (const QString &file : d.entryList({QStringLiteral("*.ttf")}, QDir::Files))
            QFontDatabase::addApplicationFont(d.filePath(file));
    }
}

bool Installed(const QString &family)
{
    static std::mutex mutex;
    static std::map<QString, bool> known;
    std::lock_guard<std::mutex> lock(mutex);
    auto it = known.find(family);
    if (it != known.end())
        return it->second;
    bool found = QFontDatabase::families().contains(family, Qt::CaseInsensitive);
    known.emplace(family, found);
    return found;
}

QString DefaultFamily(BYTE pitchAndFamily)
{
    int family = pitchAndFamily & 0xF0;
    if (family == FF_ROMAN)
        return QStringLiteral("Liberation Serif");
    if (family == FF_MODERN || (pitchAndFamily & 3) == FIXED_PITCH)
        return QStringLiteral("Liberation Mono");
    return QStringLiteral("Liberation Sans");
}

std::string CacheKey(const LOGFONT &lf, const CoordinateMapping &m, int dpiY)
{
    LOGFONT copy = lf;
    copy.lfFaceName[LF_FACESIZE - 1] = 0;
    size_t nameLength = std::strlen(copy.lfFaceName);
    std::memset(copy.lfFaceName + nameLength, 0, LF_FACESIZE - nameLength); // ignore bytes after the name
    std::string key(reinterpret_cast<const char *>(&copy), sizeof(copy));
    double scales[2] = {m.ScaleX(), m.ScaleY()};
    key.append(reinterpret_cast<const char *>(scales), sizeof(scales));
    key.append(reinterpret_cast<const char *>(&dpiY), sizeof(dpiY));
    return key;
}

QFont BaseFont(const LOGFONT &lf, const QString &family)
{
    QFont f(family);
    f.setKerning(false); // GDI's TextOut does not kern
    f.setItalic(lf.lfItalic != 0);
    f.setUnderline(lf.lfUnderline != 0);
    f.setStrikeOut(lf.lfStrikeOut != 0);
    int weight = lf.lfWeight <= 0 ? FW_NORMAL : (lf.lfWeight > 1000 ? 1000 : static_cast<int>(lf.lfWeight));
    f.setWeight(static_cast<QFont::Weight>(weight));
    bool smooth = lf.lfQuality == ANTIALIASED_QUALITY || lf.lfQuality == CLEARTYPE_QUALITY;
    // GDI places one glyph per character: no ligatures, no kerning.
    f.setStyleStrategy(
        QFont::StyleStrategy((smooth ? QFont::PreferAntialias : QFont::NoAntialias) | QFont::PreferNoShaping));
    f.setHintingPreference(QFont::PreferFullHinting);
    if ((lf.lfPitchAndFamily & 3) == FIXED_PITCH)
        f.setFixedPitch(true);
    return f;
}

int CellHeight(QFont f, int em)
{
    f.setPixelSize(em);
    QFontMetrics fm(f);
    return fm.ascent() + fm.descent();
}

// The largest character height whose cell is no taller than cell pixels.
int EmForCell(const QFont &base, int cell)
{
    QFont probe = base;
    probe.setPixelSize(1000);
    QFontMetricsF fm(probe);
    double span = fm.ascent() + fm.descent();
    double ratio = span > 0 ? 1000.0 / span : 1.0;
    int em = static_cast<int>(std::lround(cell * ratio));
    em = em < 1 ? 1 : (em > 4096 ? 4096 : em);
    while (em > 1 && CellHeight(base, em) > cell)
        --em;
    while (em < 4096 && CellHeight(base, em + 1) <= cell)
        ++em;
    return em;
}

// The widest advance among the printable ASCII characters.
int WidestAdvance(const QFontMetrics &fm)
{
    int widest = 0;
    for (char16_t c = 0x20; c < 0x7F; ++c)
        widest = std::max(widest, fm.horizontalAdvance(QChar(c)));
    return widest;
}

// The average character width of the font's own tables, unless those hold
// something no character comes near (faces converted from bitmap fonts
// report it unscaled): then the width of "x", as bitmap fonts define it.
int AverageCharWidth(const QFontMetrics &fm)
{
    int average = fm.averageCharWidth();
    if (average > 0 && average <= WidestAdvance(fm))
        return average;
    return fm.horizontalAdvance(QLatin1Char('x'));
}

// The scalable family standing in for a raster face (the classic
// "Courier") that has no strike of the pixel size asked for: a printer, or
// a print preview drawing a printer's font reduced, gets the face's
// scalable equivalent instead of the nearest strike, which would not fit
// the text's cells.
QString ScalableFamily(const LOGFONT &lf, const QString &family, int pixels)
{
    if (QFontDatabase::isScalable(family))
        return family;
    QFont probe(family);
    probe.setPixelSize(pixels);
    if (std::abs(QFontInfo(probe).pixelSize() - pixels) <= 1)
        return family;
    for (const FaceMapping &entry : kFaceTable)
        if (QString::fromUtf8(lf.lfFaceName).trimmed().compare(QLatin1String(entry.face), Qt::CaseInsensitive) == 0 &&
            QFontDatabase::isScalable(QString::fromLatin1(entry.fallback)))
            return QString::fromLatin1(entry.fallback);
    return DefaultFamily(lf.lfPitchAndFamily);
}

std::shared_ptr<ResolvedFont> Build(const LOGFONT &lf, const CoordinateMapping &m, int dpiY)
{
    auto r = std::make_shared<ResolvedFont>();
    r->family = FontFaces::FamilyFor(lf.lfFaceName, lf.lfPitchAndFamily);
    QFont f = BaseFont(lf, r->family);
    // Height: negative names the character height, positive the cell
    // height, zero a default 12-point cell.
    double logical = lf.lfHeight == 0 ? -1 : std::fabs(static_cast<double>(lf.lfHeight));
    int pixels = lf.lfHeight == 0 ? MulDiv(12, dpiY, 72) : static_cast<int>(std::lround(m.LengthToDeviceY(logical)));
    if (pixels < 1)
        pixels = 1;
    if (pixels > 4096)
        pixels = 4096;
    r->em = lf.lfHeight < 0 ? pixels : EmForCell(f, pixels);
    // Only text for a printer, or scaled as a preview scales it: the screen
    // keeps the classic faces' nearest strikes.
    const bool bScaledText = dpiY > 96 || std::fabs(std::fabs(m.ScaleY()) - 1.0) > 1e-9;
    if (const QString scalable = bScaledText ? ScalableFamily(lf, r->family, r->em) : r->family;
        scalable != r->family) {
        r->family = scalable;
        f = BaseFont(lf, r->family);
        r->em = lf.lfHeight < 0 ? pixels : EmForCell(f, pixels);
    }
    f.setPixelSize(r->em);
    if (lf.lfWidth != 0) {
        QFontMetrics natural(f);
        int wanted = static_cast<int>(std::lround(m.LengthToDeviceX(std::fabs(static_cast<double>(lf.lfWidth)))));
        int average = AverageCharWidth(natural);
        if (average > 0 && wanted > 0) {
            int stretch = static_cast<int>(std::lround(100.0 * wanted / average));
            f.setStretch(stretch < 1 ? 1 : (stretch > 4000 ? 4000 : stretch));
        }
    }
    QFontMetrics fm(f);
    r->font = f;
    r->ascent = fm.ascent();
    r->descent = fm.descent();
    r->height = r->ascent + r->descent;
    r->internalLeading = r->height > r->em ? r->height - r->em : 0;
    r->externalLeading = fm.leading() > 0 ? fm.leading() : 0;
    r->aveCharWidth = AverageCharWidth(fm);
    r->maxCharWidth = std::max(fm.maxWidth(), WidestAdvance(fm));
    r->fixedPitch = QFontInfo(f).fixedPitch();
    r->escapementDegrees = lf.lfEscapement / 10.0;
    return r;
}

} // namespace

namespace FontFaces {

QString FamilyFor(const char *faceName, BYTE pitchAndFamily)
{
    RegisterClassicFaces();
    char name[LF_FACESIZE + 1] = {};
    if (faceName)
        std::strncpy(name, faceName, LF_FACESIZE);
    QString face = QString::fromUtf8(name).trimmed();
    if (face.isEmpty())
        return DefaultFamily(pitchAndFamily);
    for (const FaceMapping &entry : kFaceTable) {
        if (face.compare(QLatin1String(entry.face), Qt::CaseInsensitive) == 0) {
            QString family = QString::fromLatin1(entry.family);
            return Installed(family) ? family : QString::fromLatin1(entry.fallback);
        }
    }
    return Installed(face) ? face : DefaultFamily(pitchAndFamily);
}

std::shared_ptr<const ResolvedFont> Resolve(const LOGFONT &logFont, const CoordinateMapping &mapping, int dpiY)
{
    static std::mutex mutex;
    // Never destroyed: fonts must not outlive the application's font database at exit.
    static auto *cache = new std::map<std::string, std::shared_ptr<ResolvedFont>>;
    std::string key = CacheKey(logFont, mapping, dpiY);
    {
        std::lock_guard<std::mutex> lock(mutex);
        auto it = cache->find(key);
        if (it != cache->end())
            return it->second;
    }
    std::shared_ptr<ResolvedFont> built = Build(logFont, mapping, dpiY);
    std::lock_guard<std::mutex> lock(mutex);
    if (cache->size() > 512) // a program cycling through sizes must not grow this without bound
        cache->clear();
    cache->emplace(key, built);
    return built;
}

int PointSizeToHeight(int nPointSize, int dpiY)
{
    return -std::abs(MulDiv(nPointSize, dpiY, 720));
}

} // namespace FontFaces
