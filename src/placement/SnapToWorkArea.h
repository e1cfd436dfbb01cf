#pragma once

#include "placement/PlacementBounds.h"

struct SnapPosition {
    int x = 0;
    int y = 0;
    friend bool operator==(const SnapPosition&, const SnapPosition&) = default;
};

// Corrects a proposed top-left corner (x, y) of a window of the given size so that it snaps to the edges of
// the work area when within distance of them and never leaves it. The edges are checked left, top, bottom,
// right, so the bottom edge wins over the top and the right over the left when both are within reach.
SnapPosition SnapToWorkArea(const PlacementBounds& workArea, int distance, int x, int y, int width,
                            int height);
