// The main frame's pictures, drawn here as character grids and registered
// as resources: toolbar strip 101, the program's icons 101 and 105, the
// document frames' icon 102, and the About box's picture 131.
#pragma once

#include "framework/base/WinTypes.h"

#include <string>
#include <vector>

// Registers the pictures (once; later calls do nothing).
void RegisterFrameArtwork();

// A picture as rows of palette letters ('.' lets the background through).
struct ArtworkGrid {
    int nWidth = 0;
    int nHeight = 0;
    std::vector<std::string> rows;
};

// A packed 32-bit DIB of the grid (bottom-up rows), '.' in the button face
// colour; nScale repeats every cell that many times each way.
std::vector<BYTE> ArtworkBitmap(const std::vector<ArtworkGrid> &images, int nScale = 1);
// An icon image as icon resources hold it: the 32-bit colour rows, then
// the 1-bit mask rows (1 where '.' lets the background through).
std::vector<BYTE> ArtworkIconImage(const ArtworkGrid &grid, int nScale);
