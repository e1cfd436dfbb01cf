#pragma once

#include <filesystem>
#include <random>
#include <stdexcept>
#include <string>

// A new, empty folder below the system's temporary folder, named prefix and a random number.
inline std::filesystem::path MakeFreshTempFolder(const std::string& prefix)
{
    // create_directory fails on an existing folder, so a name taken by another test is never shared.
    std::random_device seed;
    std::mt19937 generator(seed());
    const auto base = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        const auto candidate = base / (prefix + std::to_string(generator() % 100000000));
        std::error_code ec;
        if (std::filesystem::create_directory(candidate, ec))
            return candidate;
    }
    throw std::runtime_error("cannot create a temporary folder");
}
