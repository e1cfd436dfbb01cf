#pragma once

#include "../support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

class IniFileTest : public ::testing::Test
{
protected:
    std::string path() const { return folder.file("Tavimoro_SetupTool.ini"); }
    TempFolder folder;
};

inline std::vector<std::string> entriesOf(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}
