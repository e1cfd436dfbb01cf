#pragma once

#include "placement/PlacementBounds.h"

#include <functional>
#include <string_view>

// Reads one stored integer of the placement section ("Left", "Top", "Right", "Bottom", "Maximized");
// def when the key is missing or holds no integer.
using StoredPlacementReader = std::function<int(std::string_view key, int def)>;

// The placement a window takes on restore: the stored values over the current ones (which are the defaults),
// position only with savePosition, size only with saveSize (without it the current size is kept), moved
// back inside the desktop at the right and the bottom without changing its size. Negative left or top values
// stay. A stored rectangle of no width or height keeps the current size in that direction.
WindowPlacement RestoredPlacement(const StoredPlacementReader& read, const WindowPlacement& current,
                                  bool savePosition, bool saveSize, const PlacementBounds& desktop);
