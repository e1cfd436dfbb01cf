// The registry variant keeps the placement as text values below HKEY_CURRENT_USER; the stand-in file that
// Linux uses is never touched.
#include "placement/PlacementStore.h"

#include "../support/TempFolder.h"
#include "base/Error.h"
#include "base/WideText.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <optional>

namespace
{

constexpr WindowPlacement kPlacement{{-50, 20, 578, 523}, true};
const std::string kKey = "Software\\Nelvo\\TavimoroPlacementTest";

std::optional<std::wstring> storedText(const std::string& key, const wchar_t* name)
{
    wchar_t data[64] = {};
    DWORD size = sizeof data - sizeof(wchar_t);
    DWORD type = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, widetext::fromUtf8(key).c_str(), name, RRF_RT_ANY, &type, data,
                     &size) != ERROR_SUCCESS ||
        type != REG_SZ)
        return std::nullopt;
    return std::wstring(data);
}

void setDword(const std::string& key, const wchar_t* name, DWORD value)
{
    HKEY handle = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, widetext::fromUtf8(key).c_str(), 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &handle, nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(handle, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    RegCloseKey(handle);
}

class PlacementStoreRegistry : public ::testing::Test
{
protected:
    void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, widetext::fromUtf8(kKey).c_str()); }
    void TearDown() override
    {
        RegDeleteTreeW(HKEY_CURRENT_USER, widetext::fromUtf8(kKey).c_str());
        RegDeleteKeyW(HKEY_CURRENT_USER, widetext::fromUtf8(kKey).c_str());
    }

    TempFolder folder;
};

TEST_F(PlacementStoreRegistry, WritesTextValuesOfTheSubkeyAndReadsThemBack)
{
    const std::string standIn = folder.file("hive.ini");
    PlacementStore(plRegistry, kKey + "\\", standIn).write("FOrdakSetup", kPlacement, true, true);

    const std::string subkey = kKey + "\\FOrdakSetup";
    EXPECT_EQ(storedText(subkey, L"Left"), L"-50");
    EXPECT_EQ(storedText(subkey, L"Top"), L"20");
    EXPECT_EQ(storedText(subkey, L"Right"), L"578");
    EXPECT_EQ(storedText(subkey, L"Bottom"), L"523");
    EXPECT_EQ(storedText(subkey, L"Maximized"), L"1");
    EXPECT_FALSE(std::filesystem::exists(standIn));

    const PlacementStore reader(plRegistry, kKey, standIn);
    EXPECT_EQ(reader.readInteger("FOrdakSetup", "Left", 0), -50);
    EXPECT_EQ(reader.readInteger("fordaksetup", "BOTTOM", 0), 523);
    EXPECT_EQ(reader.readInteger("OtherWindow", "Bottom", 7), 7);
}

TEST_F(PlacementStoreRegistry, OnlyTheChosenKeysAreWritten)
{
    PlacementStore(plRegistry, kKey, folder.file("hive.ini")).write("S", kPlacement, true, false);
    EXPECT_EQ(storedText(kKey + "\\S", L"Top"), L"20");
    EXPECT_EQ(storedText(kKey + "\\S", L"Right"), std::nullopt);
    EXPECT_EQ(storedText(kKey + "\\S", L"Maximized"), std::nullopt);
}

TEST_F(PlacementStoreRegistry, ValueThatIsNoIntegerGivesTheDefault)
{
    PlacementStore(plRegistry, kKey, folder.file("hive.ini")).write("S", kPlacement, true, true);
    HKEY handle = nullptr;
    ASSERT_EQ(
        RegOpenKeyExW(HKEY_CURRENT_USER, widetext::fromUtf8(kKey + "\\S").c_str(), 0, KEY_SET_VALUE, &handle),
        ERROR_SUCCESS);
    const wchar_t text[] = L"wide";
    RegSetValueExW(handle, L"Left", 0, REG_SZ, reinterpret_cast<const BYTE*>(text), sizeof text);
    RegCloseKey(handle);
    EXPECT_EQ(PlacementStore(plRegistry, kKey, "").readInteger("S", "Left", 11), 11);
    EXPECT_EQ(PlacementStore(plRegistry, kKey, "").readInteger("S", "Top", 11), 20);
}

TEST_F(PlacementStoreRegistry, ValueThatIsNoTextRaises)
{
    setDword(kKey + "\\S", L"Left", 5);
    EXPECT_THROW(PlacementStore(plRegistry, kKey, "").readInteger("S", "Left", 0), TavimoroError);
}

TEST_F(PlacementStoreRegistry, KeyThatCannotBeCreatedRaisesWithItsName)
{
    // A key path may not start with a backslash.
    PlacementStore store(plRegistry, "\\" + kKey, "");
    try {
        store.write("S", kPlacement, true, true);
        FAIL() << "no error raised";
    } catch (const TavimoroError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "In HKEY_CURRENT_USER\\\\" + kKey + "\\S kann nicht geschrieben werden");
    }
}

} // namespace
