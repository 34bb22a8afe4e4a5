#include "library/pickers/QYColorMath.h"

void QYRGBToHLS(COLORREF color, double* pHue, double* pSaturation, double* pLightness)
{
    const double r = GetRValue(color) * 0.00392156862745098;
    const double g = GetGValue(color) * 0.00392156862745098;
    const double b = GetBValue(color) * 0.00392156862745098;
    const double maxValue = plexoMax(r, plexoMax(g, b));
    const double minValue = plexoMin(r, plexoMin(g, b));

    const double lightness = (maxValue + minValue) * 0.5;
    *pLightness = lightness;
    if (maxValue == minValue) {
        *pSaturation = 0.0;
        *pHue = 0.0;
        return;
    }

    const double delta = maxValue - minValue;
    *pSaturation = lightness < 0.5 ? delta / (maxValue + minValue) : delta / (2.0 - maxValue - minValue);

    // Red wins a tie for the largest channel, then green.
    double hue;
    if (r == maxValue)
        hue = (g - b) / delta;
    else if (g == maxValue)
        hue = 2.0 + (b - r) / delta;
    else
        hue = 4.0 + (r - g) / delta;
    hue *= 0.16666666666666666;
    if (hue < 0.0)
        hue += 1.0;
    *pHue = hue;
}

int QYHueToRGB(float m1, float m2, float hueDegrees)
{
    // One correction only: a hue below -360 stays negative and lands in the
    // first band, a hue of exactly 360 is not wrapped.
    float h = hueDegrees;
    if (h > 360.0f)
        h -= 360.0f;
    else if (h < 0.0f)
        h += 360.0f;

    float value;
    if (h < 60.0f)
        value = m1 + (m2 - m1) * h * 0.016666668f;
    else if (h < 180.0f)
        value = m2;
    else if (h < 240.0f)
        value = m1 + (m2 - m1) * (240.0f - h) * 0.016666668f;
    else
        value = m1;
    return static_cast<int>(value * 255.0f);
}

COLORREF QYHLSToRGB(double hueDegrees, double lightness, double saturation)
{
    if (saturation == 0.0) {
        const BYTE gray = static_cast<BYTE>(static_cast<int>(lightness * 255.0));
        return RGB(gray, gray, gray);
    }

    const float m2 = static_cast<float>(lightness <= 0.5 ? lightness * (1.0 + saturation)
                                                         : lightness + saturation - lightness * saturation);
    const float m1 = static_cast<float>(2.0 * lightness - m2);
    const int red = QYHueToRGB(m1, m2, static_cast<float>(hueDegrees + 120.0));
    const int green = QYHueToRGB(m1, m2, static_cast<float>(hueDegrees));
    const int blue = QYHueToRGB(m1, m2, static_cast<float>(hueDegrees - 120.0));
    return RGB(red & 0xFF, green & 0xFF, blue & 0xFF);
}
