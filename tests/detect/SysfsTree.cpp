#include "SysfsTree.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace
{

const std::string kUsbBus = "devices/pci0000:00/0000:00:14.0/usb1";

void link(const fs::path& at, const std::string& target)
{
    fs::create_directories(at.parent_path());
    fs::create_directory_symlink(target, at);
}

} // namespace

SysfsTree::SysfsTree()
{
    std::string pattern = (fs::temp_directory_path() / "tavimoro-sys-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary folder");
    m_base = pattern;
    m_root = pattern + "/sys";
    fs::create_directories(m_root + "/class/tty");
    fs::create_directories(m_root + "/bus/usb/devices");
    fs::create_directories(scratch());
}

SysfsTree::~SysfsTree()
{
    if (m_activated)
        unsetenv("TAVIMORO_SYSFS_ROOT");
    std::error_code ec;
    fs::remove_all(m_base, ec);
}

void SysfsTree::activate()
{
    setenv("TAVIMORO_SYSFS_ROOT", m_root.c_str(), 1);
    m_activated = true;
}

void SysfsTree::writeFile(const std::string& relativePath, const std::string& bytes)
{
    const fs::path path = fs::path(m_root) / relativePath;
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

void SysfsTree::addUsbDevice(const UsbDevice& device)
{
    const std::string dev = kUsbBus + "/" + device.name;
    const std::string iface = dev + "/" + device.name + ":1.0";
    writeFile(dev + "/idVendor", device.idVendor + "\n");
    writeFile(dev + "/idProduct", device.idProduct + "\n");
    writeFile(dev + "/product", "USB bridge\n");
    if (device.serial)
        writeFile(dev + "/serial", *device.serial + "\n");
    fs::create_directories(fs::path(m_root) / iface);
    link(fs::path(m_root) / iface / "driver", "../../../../../../bus/usb/drivers/" + device.driver);
    link(fs::path(m_root) / "bus/usb/devices" / device.name, "../../../" + dev);
    link(fs::path(m_root) / "bus/usb/devices" / (device.name + ":1.0"), "../../../" + iface);
    if (device.ttyNode.empty())
        return;
    const bool acm = device.ttyNode.starts_with("ttyACM");
    const std::string ttyDir =
        acm ? iface + "/tty/" + device.ttyNode : iface + "/" + device.ttyNode + "/tty/" + device.ttyNode;
    fs::create_directories(fs::path(m_root) / ttyDir);
    writeFile(ttyDir + "/dev", "188:0\n");
    link(fs::path(m_root) / ttyDir / "device",
         acm ? "../../../" + device.name + ":1.0" : "../../../" + device.ttyNode);
    link(fs::path(m_root) / "class/tty" / device.ttyNode, "../../" + ttyDir);
}

void SysfsTree::removeUsbDevice(const std::string& name, const std::string& ttyNode)
{
    const fs::path root(m_root);
    if (!ttyNode.empty())
        fs::remove(root / "class/tty" / ttyNode);
    fs::remove(root / "bus/usb/devices" / name);
    fs::remove(root / "bus/usb/devices" / (name + ":1.0"));
    fs::remove_all(root / kUsbBus / name);
}

void SysfsTree::addUart(int index, std::optional<int> type)
{
    const std::string node = "ttyS" + std::to_string(index);
    const std::string ttyDir = "devices/platform/serial8250/tty/" + node;
    fs::create_directories(fs::path(m_root) / ttyDir);
    if (type)
        writeFile(ttyDir + "/type", std::to_string(*type) + "\n");
    link(fs::path(m_root) / ttyDir / "device", "../../../serial8250");
    link(fs::path(m_root) / "class/tty" / node, "../../" + ttyDir);
}

void SysfsTree::addVirtualTty(const std::string& node)
{
    const std::string ttyDir = "devices/virtual/tty/" + node;
    fs::create_directories(fs::path(m_root) / ttyDir);
    link(fs::path(m_root) / "class/tty" / node, "../../" + ttyDir);
}
