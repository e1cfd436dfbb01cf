#pragma once

#include "device/DeviceSettings.h"
#include "device/SettingsField.h"

#include <vector>

class SettingsEditor;
namespace Ui
{
class TFOrdakSetup;
}

// Reads the settings controls as a DeviceSettings record and shows values of a record in them.
class EditorSettings
{
public:
    EditorSettings(Ui::TFOrdakSetup& ui, SettingsEditor& editor);

    // The controls as they stand; a field still being typed in counts with its typed number.
    DeviceSettings read() const;
    // Shows the named fields of settings in their controls, with the editor's limits.
    void show(const DeviceSettings& settings, const std::vector<SettingsField>& fields);

private:
    Ui::TFOrdakSetup& m_ui;
    SettingsEditor& m_editor;
};
