#pragma once

#include "base/Error.h"

// A rejected language name or number.
class ELanguageError : public TavimoroError
{
public:
    using TavimoroError::TavimoroError;
};
