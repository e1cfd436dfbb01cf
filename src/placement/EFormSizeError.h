#pragma once

#include "base/Error.h"

// Raised when a TFormSize cannot serve the window it was given.
class EFormSizeError : public TavimoroError
{
public:
    using TavimoroError::TavimoroError;
};
