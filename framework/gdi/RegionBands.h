// A region from rectangles in any order, overlapping or not, built in one
// pass: the rectangles are cut into y-bands and each band's x-spans merged,
// so the toolkit's region gets the sorted, non-overlapping bands it expects
// (handing it overlapping rectangles as they are leaves a region that
// covers only part of them), and the time grows with the number of
// rectangles and bands, not with the product of every union's size as
// adding them one by one does.  Framework-internal.
#pragma once

#include <QRect>
#include <QRegion>

#include <vector>

// The union of the rectangles (empty ones add nothing), the same region as
// uniting them one by one.
QRegion RegionFromRects(std::vector<QRect> rects);
