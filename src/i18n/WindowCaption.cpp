#include "i18n/WindowCaption.h"

#include "base/MessageFormat.h"

namespace i18n
{

std::string ComposeWindowCaption(std::string_view toolCaption, double version)
{
    return std::string(toolCaption) + " (Vers. " + FormatFixed(version, 2) + ")";
}

} // namespace i18n
