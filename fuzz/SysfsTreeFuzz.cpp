#include "platform/ComPortNames.h"
#include "platform/PresentPorts.h"
#include "platform/SysfsAttribute.h"
#include "platform/UsbLookup.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

// The input is cut at 0xFF bytes into the pieces of a sysfs tree: entry names and attribute contents.
// The tree is written to a private folder, then read the way detection reads /sys.
namespace
{

std::vector<std::string> pieces(std::string_view bytes)
{
    std::vector<std::string> out;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= bytes.size(); ++i) {
        if (i == bytes.size() || static_cast<unsigned char>(bytes[i]) == 0xFF) {
            out.emplace_back(bytes.substr(start, i - start));
            start = i + 1;
        }
    }
    out.resize(std::max<std::size_t>(out.size(), 8));
    return out;
}

// A name that the file system takes: no separators or NULs, not "." or "..", not empty.
std::string entryName(std::string name, const char* fallback)
{
    for (char& c : name) {
        if (c == '/' || c == '\0')
            c = '_';
    }
    if (name.size() > 200)
        name.resize(200);
    if (name.empty() || name == "." || name == "..")
        return fallback;
    return name;
}

void writeFile(const fs::path& path, const std::string& content)
{
    std::ofstream(path, std::ios::binary) << content;
}

const fs::path& treeRoot()
{
    static const fs::path root = [] {
        // Memory-backed when the system has it: every input rewrites the tree.
        std::error_code shm;
        const fs::path base =
            fs::is_directory("/dev/shm", shm) ? fs::path("/dev/shm") : fs::temp_directory_path();
        fs::path dir = base / ("tavimoro-fuzz-sysfs-" + std::to_string(::getpid()));
        ::setenv("TAVIMORO_SYSFS_ROOT", dir.c_str(), 1);
        ::setenv("TAVIMORO_DEV_ROOT", (dir / "dev").c_str(), 1);
        std::atexit([] {
            std::error_code ec;
            fs::remove_all(treeRoot(), ec);
        });
        return dir;
    }();
    return root;
}

void checkAttribute(const fs::path& file, const std::string& written)
{
    const auto read = platform::ReadSysfsAttribute(file.string());
    if (!read)
        __builtin_trap();
    std::string expected = written.substr(0, platform::kSysfsAttributeCap);
    if (!expected.empty() && expected.back() == '\n')
        expected.pop_back();
    if (*read != expected)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto p = pieces(std::string_view(reinterpret_cast<const char*>(data), size));
    const fs::path& root = treeRoot();
    std::error_code ec;
    fs::remove_all(root, ec);

    // A tty class entry whose name and type come from the input.
    const fs::path tty = root / "class" / "tty" / entryName(p[0], "ttyS0");
    fs::create_directories(tty / "device", ec);
    writeFile(tty / "type", p[1]);
    checkAttribute(tty / "type", p[1]);

    // A USB device with its ids, serial and one interface holding a port node.
    const std::string deviceName = entryName(p[2], "1-1");
    const fs::path device = root / "bus" / "usb" / "devices" / deviceName;
    fs::create_directories(
        device / entryName(deviceName + ":" + p[6], "1-1:1.0") / entryName(p[7], "ttyUSB0"), ec);
    fs::create_directories(device / (deviceName + ":1.0") / "tty" / entryName(p[7], "ttyACM0"), ec);
    writeFile(device / "serial", p[3]);
    writeFile(device / "idVendor", p[4]);
    writeFile(device / "idProduct", p[5]);
    checkAttribute(device / "serial", p[3]);

    try {
        for (const auto& port : platform::EnumComPorts()) {
            if (!comport::comNumber(port.name))
                __builtin_trap();
        }
    } catch (...) {
        // A reported failure is an allowed answer; a crash is not.
    }
    for (const auto form : {platform::UsbPortForm::Plain, platform::UsbPortForm::Composite}) {
        const std::string port = platform::LookUpUsbPortName("10C4", "EA60", "0001", form);
        if (!port.empty() && !comport::comNumber(port))
            __builtin_trap();
    }
    if (const auto number = comport::comNumberForNode(p[0])) {
        if (comport::nodeForComNumber(*number) != p[0])
            __builtin_trap();
    }
    return 0;
}
