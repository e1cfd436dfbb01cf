#include "placement/SnapToWorkArea.h"

#include "placement/ClampToInt.h"

SnapPosition SnapToWorkArea(const PlacementBounds& workArea, int distance, int x, int y, int width,
                            int height)
{
    // 64-bit arithmetic: no position or distance the window system hands us can overflow.
    const std::int64_t l = workArea.left, t = workArea.top, r = workArea.right, b = workArea.bottom;
    const std::int64_t d = distance, w = width, h = height;
    std::int64_t nx = x, ny = y;

    if (nx < l + d || nx < l)
        nx = l;
    if (ny < t + d || ny < t)
        ny = t;
    if (ny + h > b - d)
        ny = b - h;
    if (nx + w > r - d)
        nx = r - w;
    return {ClampToInt(nx), ClampToInt(ny)};
}
