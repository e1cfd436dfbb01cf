#include "placement/RestoredPlacement.h"

#include "placement/ClampToInt.h"

WindowPlacement RestoredPlacement(const StoredPlacementReader& read, const WindowPlacement& current,
                                  bool savePosition, bool saveSize, const PlacementBounds& desktop)
{
    const auto currentWidth = current.bounds.width();
    const auto currentHeight = current.bounds.height();
    std::int64_t left = current.bounds.left, top = current.bounds.top;
    std::int64_t right = current.bounds.right, bottom = current.bounds.bottom;

    if (savePosition) {
        left = read("Left", int(left));
        top = read("Top", int(top));
    }
    if (saveSize) {
        right = read("Right", int(right));
        bottom = read("Bottom", int(bottom));
    }
    // A damaged store must not collapse or invert the window.
    if (!saveSize || right <= left)
        right = left + currentWidth;
    if (!saveSize || bottom <= top)
        bottom = top + currentHeight;
    const bool maximized = read("Maximized", current.maximized ? 1 : 0) != 0;

    if (desktop.right < right) {
        left -= right - desktop.right;
        right = desktop.right;
    }
    if (desktop.bottom < bottom) {
        top -= bottom - desktop.bottom;
        bottom = desktop.bottom;
    }
    return {{ClampToInt(left), ClampToInt(top), ClampToInt(right), ClampToInt(bottom)}, maximized};
}
