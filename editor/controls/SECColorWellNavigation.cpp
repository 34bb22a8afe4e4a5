#include "editor/controls/SECColorWellNavigation.h"

#include "framework/window/VirtualKeys.h"

namespace {

bool IsCustom(const SECWellGridShape &s, SECWellCell c)
{
    return c.row == s.rows;
}

SECWellCell Custom(const SECWellGridShape &s)
{
    return {s.columns - 1, s.rows};
}

SECWellCell MoveLeft(const SECWellGridShape &s, SECWellCell c)
{
    if (IsCustom(s, c))
        return {s.columns - 1, s.rows - 1};
    if (c.column > 0)
        return {c.column - 1, c.row};
    if (c.row > 0)
        return {s.columns - 1, c.row - 1};
    return s.customAvailable ? Custom(s) : SECWellCell{s.columns - 1, s.rows - 1};
}

SECWellCell MoveRight(const SECWellGridShape &s, SECWellCell c)
{
    if (IsCustom(s, c))
        return {0, 0};
    if (c.column < s.columns - 1)
        return {c.column + 1, c.row};
    if (c.row < s.rows - 1)
        return {0, c.row + 1};
    return s.customAvailable ? Custom(s) : SECWellCell{0, 0};
}

SECWellCell MoveUp(const SECWellGridShape &s, SECWellCell c)
{
    if (c.row > 0)
        return {c.column, c.row - 1};
    if (s.customAvailable && c.column == s.columns - 1)
        return Custom(s);
    return {c.column, s.rows - 1};
}

SECWellCell MoveDown(const SECWellGridShape &s, SECWellCell c)
{
    if (c.row < s.rows - 1)
        return {c.column, c.row + 1};
    if (s.customAvailable && c.column == s.columns - 1 && !IsCustom(s, c))
        return Custom(s);
    return {c.column, 0};
}

} // namespace

SECWellCell SECColorWellNextCell(const SECWellGridShape &shape, SECWellCell from, unsigned key)
{
    switch (key) {
    case VK_LEFT: return MoveLeft(shape, from);
    case VK_RIGHT: return MoveRight(shape, from);
    case VK_UP: return MoveUp(shape, from);
    case VK_DOWN: return MoveDown(shape, from);
    default: return from;
    }
}
