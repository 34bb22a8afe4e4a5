#include "library/pickers/QYColorMath.h"

#include <gtest/gtest.h>

namespace {

struct HlsCase {
    COLORREF color;
    double hue;
    double saturation;
    double lightness;
};

class RgbToHls : public ::testing::TestWithParam<HlsCase> {};

TEST_P(RgbToHls, SplitsTheColour)
{
    const HlsCase& c = GetParam();
    double hue = -1, saturation = -1, lightness = -1;
    QYRGBToHLS(c.color, &hue, &saturation, &lightness);
    EXPECT_NEAR(hue, c.hue, 1e-9);
    EXPECT_NEAR(saturation, c.saturation, 1e-9);
    EXPECT_NEAR(lightness, c.lightness, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RgbToHls,
    ::testing::Values(HlsCase{RGB(255, 255, 255), 0.0, 0.0, 1.0}, HlsCase{RGB(0, 0, 0), 0.0, 0.0, 0.0},
                      HlsCase{RGB(255, 0, 0), 0.0, 1.0, 0.5}, HlsCase{RGB(0, 255, 0), 1.0 / 3.0, 1.0, 0.5},
                      HlsCase{RGB(0, 0, 255), 2.0 / 3.0, 1.0, 0.5},
                      // Negative raw hue wraps into the turn: magenta sits at 5/6.
                      HlsCase{RGB(255, 0, 255), 5.0 / 6.0, 1.0, 0.5},
                      HlsCase{RGB(128, 128, 128), 0.0, 0.0, 128.0 / 255.0},
                      // Dark colour: saturation from delta / (max + min).
                      HlsCase{RGB(100, 50, 0), (50.0 / 100.0) / 6.0, 1.0, 50.0 / 255.0},
                      // Light colour: saturation from delta / (2 - max - min).
                      HlsCase{RGB(255, 200, 200), 0.0, (55.0 / 255.0) / (2.0 - 455.0 / 255.0), 455.0 / 510.0}));

struct RgbCase {
    double hue;
    double lightness;
    double saturation;
    COLORREF expected;
};

class HlsToRgb : public ::testing::TestWithParam<RgbCase> {};

TEST_P(HlsToRgb, BuildsTheColour)
{
    const RgbCase& c = GetParam();
    EXPECT_EQ(QYHLSToRGB(c.hue, c.lightness, c.saturation), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, HlsToRgb,
                         ::testing::Values(RgbCase{0, 0.5, 1, RGB(255, 0, 0)}, RgbCase{120, 0.5, 1, RGB(0, 255, 0)},
                                           RgbCase{240, 0.5, 1, RGB(0, 0, 255)}, RgbCase{30, 0.5, 1, RGB(255, 127, 0)},
                                           RgbCase{77, 0.5, 0, RGB(127, 127, 127)},
                                           RgbCase{200, 1, 0, RGB(255, 255, 255)}, RgbCase{0, 0, 0, RGB(0, 0, 0)},
                                           // Light colours take m2 = l + s - l*s: (0.75, 0.5) gives m2 0.875, m1 0.625.
                                           RgbCase{0, 0.75, 0.5, RGB(223, 159, 159)}));

TEST(HueToRgb, WrapsOnceAndKeepsAFullTurn)
{
    // A hue of exactly 360 is not wrapped and lands in the last band.
    EXPECT_EQ(QYHueToRGB(0.2f, 1.0f, 360.0f), 51);
    // 361 wraps to 1, inside the first band.
    EXPECT_EQ(QYHueToRGB(0.0f, 1.0f, 361.0f), 4);
    // -400 is wrapped once to -40 and stays in the first band.
    EXPECT_EQ(QYHueToRGB(0.0f, 1.0f, -400.0f), -170);
    EXPECT_EQ(QYHueToRGB(0.0f, 1.0f, 90.0f), 255);
    EXPECT_EQ(QYHueToRGB(0.0f, 1.0f, 210.0f), 127);
}

TEST(HlsRoundTrip, PrimaryAndMixedColoursSurvive)
{
    for (COLORREF color : {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(255, 255, 0), RGB(0, 255, 255)}) {
        double hue, saturation, lightness;
        QYRGBToHLS(color, &hue, &saturation, &lightness);
        EXPECT_EQ(QYHLSToRGB(hue * 360.0, lightness, saturation), color) << std::hex << color;
    }
}

} // namespace
