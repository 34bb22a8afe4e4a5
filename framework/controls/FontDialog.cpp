// CFontDialog on QFontDialog, inside a dialog of ours when it offers the
// effects and the colour.
#include "framework/controls/FontDialog.h"

#include "framework/gdi/GdiConstants.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QPixmap>
#include <QVBoxLayout>

#include <cmath>
#include <cstring>

namespace {

constexpr int kScreenDpi = 96;

struct NamedColor {
    const char *name;
    COLORREF color;
};

const NamedColor kEffectColors[16] = {
    {"Black", RGB(0, 0, 0)},       {"Maroon", RGB(128, 0, 0)},    {"Green", RGB(0, 128, 0)},
    {"Olive", RGB(128, 128, 0)},   {"Navy", RGB(0, 0, 128)},      {"Purple", RGB(128, 0, 128)},
    {"Teal", RGB(0, 128, 128)},    {"Gray", RGB(128, 128, 128)},  {"Silver", RGB(192, 192, 192)},
    {"Red", RGB(255, 0, 0)},       {"Lime", RGB(0, 255, 0)},      {"Yellow", RGB(255, 255, 0)},
    {"Blue", RGB(0, 0, 255)},      {"Fuchsia", RGB(255, 0, 255)}, {"Aqua", RGB(0, 255, 255)},
    {"White", RGB(255, 255, 255)},
};

QFont FontOf(const LOGFONT &lf)
{
    QFont font(QString::fromUtf8(lf.lfFaceName));
    // A negative height is the character height, a positive one the cell's;
    // both are near enough to the point size the dialog shows.
    int pixels = lf.lfHeight < 0 ? -lf.lfHeight : lf.lfHeight;
    if (pixels > 0)
        font.setPointSizeF(pixels * 72.0 / kScreenDpi);
    if (lf.lfWeight > 0)
        font.setWeight(static_cast<QFont::Weight>(lf.lfWeight));
    font.setItalic(lf.lfItalic != 0);
    font.setUnderline(lf.lfUnderline != 0);
    font.setStrikeOut(lf.lfStrikeOut != 0);
    return font;
}

void StoreFont(const QFont &font, bool effects, LOGFONT &lf, INT &iPointSize)
{
    double points = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 72.0 / kScreenDpi;
    iPointSize = static_cast<INT>(std::lround(points * 10));
    lf.lfHeight = -static_cast<LONG>(std::lround(points * kScreenDpi / 72.0));
    lf.lfWidth = 0;
    lf.lfWeight = static_cast<LONG>(font.weight());
    lf.lfItalic = font.italic() ? 1 : 0;
    lf.lfUnderline = effects && font.underline() ? 1 : 0;
    lf.lfStrikeOut = effects && font.strikeOut() ? 1 : 0;
    bool fixed = QFontDatabase::isFixedPitch(font.family());
    lf.lfPitchAndFamily = fixed ? (FIXED_PITCH | FF_MODERN) : VARIABLE_PITCH;
    QByteArray face = font.family().toUtf8();
    std::memset(lf.lfFaceName, 0, sizeof(lf.lfFaceName));
    std::strncpy(lf.lfFaceName, face.constData(), LF_FACESIZE - 1);
}

QIcon Swatch(COLORREF color)
{
    QPixmap pixmap(16, 12);
    pixmap.fill(QColor(GetRValue(color), GetGValue(color), GetBValue(color)));
    return QIcon(pixmap);
}

// The effects dialog: Qt's chooser without its own buttons, then the
// colour list and the buttons.
class EffectsDialog : public QDialog {
public:
    EffectsDialog(const QFont &font, QFontDialog::FontDialogOptions options, COLORREF color)
    {
        setObjectName(QStringLiteral("plexoFontDialog"));
        m_chooser = new QFontDialog(font, this);
        m_chooser->setOptions(options | QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
        m_chooser->setWindowFlags(Qt::Widget);
        m_colors = new QComboBox(this);
        m_colors->setObjectName(QStringLiteral("plexoFontColor"));
        int chosen = -1;
        for (int i = 0; i < 16; ++i) {
            m_colors->addItem(Swatch(kEffectColors[i].color), QString::fromUtf8(kEffectColors[i].name),
                              static_cast<uint>(kEffectColors[i].color));
            if (kEffectColors[i].color == color)
                chosen = i;
        }
        if (chosen < 0) {
            m_colors->addItem(Swatch(color), QStringLiteral("Custom"), static_cast<uint>(color));
            chosen = 16;
        }
        m_colors->setCurrentIndex(chosen);
        auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
        connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        auto *layout = new QVBoxLayout(this);
        layout->addWidget(m_chooser);
        layout->addWidget(m_colors);
        layout->addWidget(buttons);
    }
    QFont Font() const { return m_chooser->currentFont(); }
    COLORREF Color() const { return static_cast<COLORREF>(m_colors->currentData().toUInt()); }

private:
    QFontDialog *m_chooser;
    QComboBox *m_colors;
};

QFontDialog::FontDialogOptions OptionsFor(DWORD flags)
{
    QFontDialog::FontDialogOptions options = QFontDialog::DontUseNativeDialog;
    if (flags & CF_FIXEDPITCHONLY)
        options |= QFontDialog::MonospacedFonts;
    if (flags & (CF_SCALABLEONLY | CF_TTONLY))
        options |= QFontDialog::ScalableFonts;
    return options;
}

} // namespace

IMPLEMENT_DYNAMIC(CFontDialog, CDialog)

const COLORREF *CFontDialog::PlexoEffectColors()
{
    static COLORREF colors[16];
    for (int i = 0; i < 16; ++i)
        colors[i] = kEffectColors[i].color;
    return colors;
}

CFontDialog::CFontDialog(LPLOGFONT lplfInitial, DWORD dwFlags, CDC *, CWnd *pParentWnd)
{
    m_pParentWnd = pParentWnd;
    m_cf.lStructSize = sizeof(m_cf);
    m_cf.Flags = dwFlags;
    m_cf.lpLogFont = &m_lf;
    if (lplfInitial) {
        m_lf = *lplfInitial;
        m_cf.Flags |= CF_INITTOLOGFONTSTRUCT;
    }
}

void CFontDialog::GetCurrentFont(LPLOGFONT lplf) const
{
    if (lplf)
        *lplf = m_cf.lpLogFont ? *m_cf.lpLogFont : m_lf;
}

INT_PTR CFontDialog::DoModal()
{
    HWND hOwner = CommonDialogs::Owner(m_pParentWnd ? m_pParentWnd : CWnd::FromHandle(m_cf.hwndOwner));
    LOGFONT *lf = m_cf.lpLogFont ? m_cf.lpLogFont : &m_lf;
    QFont initial = (m_cf.Flags & CF_INITTOLOGFONTSTRUCT) && lf->lfFaceName[0] ? FontOf(*lf) : QFont();
    bool effects = (m_cf.Flags & CF_EFFECTS) != 0;
    QFont chosen;
    if (effects) {
        EffectsDialog dialog(initial, OptionsFor(m_cf.Flags), m_cf.rgbColors);
        if (!CommonDialogs::Run(dialog, hOwner))
            return IDCANCEL;
        chosen = dialog.Font();
        m_cf.rgbColors = dialog.Color();
    } else {
        QFontDialog dialog(initial);
        dialog.setOptions(OptionsFor(m_cf.Flags));
        if (!CommonDialogs::Run(dialog, hOwner))
            return IDCANCEL;
        chosen = dialog.currentFont();
    }
    StoreFont(chosen, effects, *lf, m_cf.iPointSize);
    if (lf != &m_lf)
        m_lf = *lf;
    return IDOK;
}
