#pragma once

#include <stdexcept>
#include <string>

// Every error the tool raises carries a message meant for the user (UTF-8).
class TavimoroError : public std::runtime_error
{
public:
    explicit TavimoroError(const std::string& message) : std::runtime_error(message) {}
};
