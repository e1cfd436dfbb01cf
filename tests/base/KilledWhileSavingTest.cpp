// A process killed at any moment while it saves its configuration must leave a complete, readable file.
#include "base/IniFile.h"

#include "../support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace
{

constexpr int kSaves = 500;

// A 46-digit settings text that carries the number of the save.
std::string settingsText(int save)
{
    char digits[47];
    std::snprintf(digits, sizeof digits, "%046X", static_cast<unsigned>(save));
    return digits;
}

// The configuration as the tool keeps it, with every line ending in CR LF as the tool writes it.
std::string configWith(int save)
{
    return "[MISC]\r\nCPort=-1\r\nLayout=7\r\nLanguage=German\r\n\r\n[DEVICE]\r\nSettings_ORDAK=" +
           settingsText(save) + "\r\n\r\n[FOrdakSetup]\r\nLeft=120\r\nTop=80\r\nWidth=628\r\nHeight=503\r\n";
}

std::vector<std::string> strayTemporaries(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().filename() != "Tavimoro_SetupTool.ini")
            names.push_back(entry.path().string());
    return names;
}

// Saves save numbers first, first + 1, ... until killed, telling the parent after each completed save.
[[noreturn]] void saveUntilKilled(const std::string& path, int first, int reportFd)
{
    IniFile ini(path);
    for (int save = first;; ++save) {
        ini.writeString("DEVICE", "Settings_ORDAK", settingsText(save));
        if (::write(reportFd, &save, sizeof save) != sizeof save)
            ::_exit(2);
    }
}

TEST(KilledWhileSaving, TheConfigurationIsAlwaysCompleteAndReadable)
{
    TempFolder folder;
    const std::string path = folder.file("Tavimoro_SetupTool.ini");
    TempFolder::write(path, configWith(0));

    const unsigned seed = std::random_device()();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> pause(0, 10000); // microseconds

    int saves = 0;
    int last = 0;
    int kills = 0;
    int interrupted = 0;
    while (saves < kSaves) {
        int report[2];
        ASSERT_EQ(::pipe(report), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(report[0]);
            saveUntilKilled(path, last + 1, report[1]);
        }
        ::close(report[1]);
        std::this_thread::sleep_for(std::chrono::microseconds(pause(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the saving process ended by itself";
        ++kills;

        int save = 0;
        while (::read(report[0], &save, sizeof save) == sizeof save) {
            ASSERT_EQ(save, last + 1);
            last = save;
            ++saves;
        }
        ::close(report[0]);

        // The save under way at the kill either happened completely or not at all.
        const std::string content = TempFolder::read(path);
        if (content == configWith(last + 1)) {
            ++last;
            ++saves;
        } else {
            ASSERT_EQ(content, configWith(last)) << "after kill " << kills;
        }
        const IniFile reread(path);
        ASSERT_EQ(reread.readString("DEVICE", "Settings_ORDAK", ""), settingsText(last));
        ASSERT_EQ(reread.readInteger("FOrdakSetup", "Height", 0), 503);

        // A temporary file left behind shows the kill caught a save half-way.
        const auto strays = strayTemporaries(folder.path());
        if (!strays.empty())
            ++interrupted;
        for (const auto& stray : strays)
            std::filesystem::remove(stray);
    }
    RecordProperty("kills", kills);
    RecordProperty("interrupted", interrupted);
    EXPECT_GT(interrupted, 0) << "no kill landed inside a save";
}

} // namespace
