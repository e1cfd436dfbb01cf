#pragma once

#include <cstdint>

// A window's outer rectangle as the store keeps it: right and bottom lie one past the last pixel.
struct PlacementBounds {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    std::int64_t width() const { return std::int64_t(right) - left; }
    std::int64_t height() const { return std::int64_t(bottom) - top; }
    friend bool operator==(const PlacementBounds&, const PlacementBounds&) = default;
};

// The restorable state of a window: its normal rectangle and whether it is maximized.
struct WindowPlacement {
    PlacementBounds bounds;
    bool maximized = false;
    friend bool operator==(const WindowPlacement&, const WindowPlacement&) = default;
};
