// Where an arrow key moves the selection of a colour well's grid: a pure
// function of the grid's shape, so it can be checked without a window.
#pragma once

struct SECWellCell {
    int column;
    int row;
    bool operator==(const SECWellCell &other) const { return column == other.column && row == other.row; }
};

struct SECWellGridShape {
    int columns;
    int rows;
    // The custom cell sits at (columns - 1, rows): the row under the grid.
    bool customAvailable;
};

// The cell that VK_LEFT, VK_RIGHT, VK_UP or VK_DOWN moves to from `from`;
// `from` itself for any other key.
SECWellCell SECColorWellNextCell(const SECWellGridShape &shape, SECWellCell from, unsigned key);
