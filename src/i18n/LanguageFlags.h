#pragma once

#include "i18n/FlagChoice.h"

#include <QPixmap>

class QPainter;
class QPalette;
class QRect;
class QString;

namespace i18n
{

inline constexpr int kFlagWidth = 16;
inline constexpr int kFlagHeight = 11;

// The 16 x 11 picture of a flag, drawn opaque.
QPixmap FlagPixmap(FlagIndex flag);

// One entry of the language selector: the rectangle on the window background, the flag at (2, 2), the name
// at x 24 in the window text colour.
void PaintLanguageItem(QPainter& painter, const QRect& rect, const QString& name, const QPalette& palette);

} // namespace i18n
