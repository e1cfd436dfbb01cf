#include "ui/ComPortList.h"

#include "platform/ComPortNames.h"
#include "platform/SpecialFolders.h"

#include <QComboBox>

#include <filesystem>
#include <fstream>
#include <system_error>

namespace
{

// A serial UART whose type is 0 is a phantom the kernel lists for every possible port.
bool isPhantomUart(const std::filesystem::path& entry, const std::string& node)
{
    if (!node.starts_with("ttyS"))
        return false;
    std::ifstream type(entry / "type");
    int value = 0;
    return !(type >> value) || value == 0;
}

} // namespace

QStringList ComPortList::presentPorts()
{
    namespace fs = std::filesystem;
    QStringList names;
    std::error_code ec;
    const fs::path ttys = fs::u8path(platform::SysfsRoot()) / "class" / "tty";
    for (fs::directory_iterator it(ttys, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string node = it->path().filename().string();
        const auto number = comport::comNumberForNode(node);
        std::error_code linkError;
        if (!number || !fs::exists(it->path() / "device", linkError) || isPhantomUart(it->path(), node))
            continue;
        names << QString::fromStdString(comport::comName(*number));
    }
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    return names;
}

void ComPortList::refill(QComboBox& combo, const QString& configuredName)
{
    combo.clear();
    combo.addItems(presentPorts());
    combo.setCurrentIndex(combo.findText(configuredName, Qt::MatchFixedString));
}
