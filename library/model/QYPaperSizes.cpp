#include "library/model/QYPaperSizes.h"

#include "framework/app/PrintStructs.h"

namespace {

constexpr DWORD kInch = PSD_INTHOUSANDTHSOFINCHES;
constexpr DWORD kMetric = PSD_INHUNDREDTHSOFMILLIMETERS;

const QYPaperSize kPaperSizes[QY_PAPER_CODE_COUNT] = {
    {8500, 11000, kInch},    // 1 Letter
    {8500, 11000, kInch},    // 2 Letter Small
    {11000, 17000, kInch},   // 3 Tabloid
    {17000, 11000, kInch},   // 4 Ledger
    {8500, 14000, kInch},    // 5 Legal
    {5500, 8500, kInch},     // 6 Statement
    {7250, 10500, kInch},    // 7 Executive
    {29700, 42000, kMetric}, // 8 A3
    {21000, 29700, kMetric}, // 9 A4
    {21000, 29700, kMetric}, // 10 A4 Small
    {14800, 21000, kMetric}, // 11 A5
    {25000, 35400, kMetric}, // 12 B4
    {18200, 25700, kMetric}, // 13 B5
    {8500, 13000, kInch},    // 14 Folio
    {21500, 27500, kMetric}, // 15 Quarto
    {10000, 14000, kInch},   // 16 10x14
    {11000, 17000, kInch},   // 17 11x17
    {8500, 11000, kInch},    // 18 Note
    {3875, 8875, kInch},     // 19 Envelope #9
    {4125, 9500, kInch},     // 20 Envelope #10
    {4500, 10375, kInch},    // 21 Envelope #11
    {4750, 11000, kInch},    // 22 Envelope #12
    {5000, 11500, kInch},    // 23 Envelope #14
    {17000, 22000, kInch},   // 24 C sheet
    {22000, 34000, kInch},   // 25 D sheet
    {34000, 44000, kInch},   // 26 E sheet
    {11000, 22000, kMetric}, // 27 Envelope DL
    {16200, 22900, kMetric}, // 28 Envelope C5
    {32400, 45800, kMetric}, // 29 Envelope C3
    {22900, 32400, kMetric}, // 30 Envelope C4
    {11400, 16200, kMetric}, // 31 Envelope C6
    {11400, 22900, kMetric}, // 32 Envelope C65
    {25000, 35300, kMetric}, // 33 Envelope B4
    {17600, 25000, kMetric}, // 34 Envelope B5
    {17600, 12500, kMetric}, // 35 Envelope B6
    {11000, 23000, kMetric}, // 36 Envelope Italy
    {3875, 7500, kInch},     // 37 Envelope Monarch
    {3625, 6500, kInch},     // 38 6 3/4 Envelope
    {14875, 10000, kInch},   // 39 US Std Fanfold
    {8500, 12000, kInch},    // 40 German Std Fanfold
    {8500, 13000, kInch},    // 41 German Legal Fanfold
};

} // namespace

BOOL QYGetPaperSize(int nPaperCode, QYPaperSize& size)
{
    if (nPaperCode < 1 || nPaperCode > QY_PAPER_CODE_COUNT) {
        size = {0, 0, 0};
        return FALSE;
    }
    size = kPaperSizes[nPaperCode - 1];
    return TRUE;
}
