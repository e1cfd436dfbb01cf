#include "SimulatedTree.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <regex>
#include <stdexcept>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace
{

constexpr const char* kUsbHost = "devices/pci0000:00/0000:00:14.0/usb1";

// 1-2 for ttyUSB0, 1-3 for ttyUSB1, ...: one USB device per simulated interface.
std::string usbDeviceName(const std::string& tty)
{
    return "1-" + std::to_string(2 + std::stoi(tty.substr(std::strlen("ttyUSB"))));
}

[[noreturn]] void fail(const std::string& what, const fs::path& path, int error)
{
    throw std::runtime_error(what + " " + path.string() + ": " + std::strerror(error));
}

} // namespace

SimulatedTree::SimulatedTree(fs::path root, Port port) : m_root(std::move(root)), m_port(std::move(port)) {}

SimulatedTree::~SimulatedTree()
{
    remove();
}

bool SimulatedTree::isSupportedTty(const std::string& tty)
{
    static const std::regex pattern("tty(USB|S)([0-9]|[12][0-9]|3[01])");
    return std::regex_match(tty, pattern);
}

void SimulatedTree::create(const std::string& ttyPath)
{
    try {
        if (m_port.tty.starts_with("ttyUSB"))
            createUsbInterface();
        else
            createPlainSerialPort();
        makeFolders(devRoot());
        makeLink(devRoot() / m_port.tty, ttyPath);
    } catch (...) {
        remove();
        throw;
    }
}

void SimulatedTree::createUsbInterface()
{
    const fs::path sys = sysRoot();
    const std::string usb = usbDeviceName(m_port.tty);
    const std::string interface = usb + ":1.0";
    const fs::path device = sys / kUsbHost / usb;
    const fs::path port = device / interface / m_port.tty;
    const fs::path ttyFolder = port / "tty" / m_port.tty;

    makeFolders(ttyFolder);
    writeFile(device / "idVendor", "10c4\n");
    writeFile(device / "idProduct", "ea60\n");
    writeFile(device / "serial", m_port.serial + "\n");
    writeFile(device / "product", "CP2102 USB to UART Bridge Controller\n");
    writeFile(device / "manufacturer", "Silicon Labs\n");
    writeFile(device / interface / "bInterfaceNumber", "00\n");
    makeLink(ttyFolder / "device", "../../../" + m_port.tty);

    const fs::path driver = sys / "bus/usb/drivers/cp210x";
    makeFolders(driver);
    makeLink(device / interface / "driver", "../../../../../../bus/usb/drivers/cp210x");
    makeLink(driver / interface, fs::path("../../../../") / kUsbHost / usb / interface);

    makeFolders(sys / "bus/usb/devices");
    makeLink(sys / "bus/usb/devices" / usb, fs::path("../../../") / kUsbHost / usb);
    makeLink(sys / "bus/usb/devices" / interface, fs::path("../../../") / kUsbHost / usb / interface);

    makeFolders(sys / "class/tty");
    makeLink(sys / "class/tty" / m_port.tty,
             fs::path("../../") / kUsbHost / usb / interface / m_port.tty / "tty" / m_port.tty);
}

void SimulatedTree::createPlainSerialPort()
{
    const fs::path sys = sysRoot();
    const fs::path ttyFolder = sys / "devices/platform/serial8250/tty" / m_port.tty;
    makeFolders(ttyFolder);
    // 4 is a 16550A UART; 0 would mark a port without hardware.
    writeFile(ttyFolder / "type", "4\n");
    makeLink(ttyFolder / "device", "../../../serial8250");
    makeFolders(sys / "class/tty");
    makeLink(sys / "class/tty" / m_port.tty, "../../devices/platform/serial8250/tty/" + m_port.tty);
}

void SimulatedTree::makeFolders(const fs::path& folder)
{
    std::vector<fs::path> missing;
    for (fs::path at = folder; at != m_root && !at.empty() && at != at.parent_path(); at = at.parent_path()) {
        std::error_code ec;
        if (fs::is_directory(fs::symlink_status(at, ec)))
            break;
        missing.push_back(at);
    }
    for (auto it = missing.rbegin(); it != missing.rend(); ++it) {
        if (::mkdir(it->c_str(), 0755) == 0)
            m_added.push_back(*it);
        else if (errno != EEXIST) // another simulator was quicker
            fail("cannot make folder", *it, errno);
    }
}

void SimulatedTree::writeFile(const fs::path& file, const std::string& content)
{
    std::error_code ec;
    if (fs::exists(fs::symlink_status(file, ec)))
        fail("cannot write", file, EEXIST);
    std::ofstream out(file);
    out << content;
    if (!out.flush())
        fail("cannot write", file, errno);
    m_added.push_back(file);
}

void SimulatedTree::makeLink(const fs::path& link, const fs::path& target)
{
    if (::symlink(target.c_str(), link.c_str()) != 0)
        fail("cannot make link", link, errno);
    m_added.push_back(link);
}

void SimulatedTree::remove() noexcept
{
    std::vector<fs::path> folders;
    while (!m_added.empty()) {
        const fs::path entry = m_added.back();
        m_added.pop_back();
        std::error_code ec;
        if (fs::is_directory(fs::symlink_status(entry, ec)))
            folders.push_back(entry);
        else
            ::unlink(entry.c_str());
        removeEmptyFoldersUpFrom(entry.parent_path());
    }
    for (const auto& folder : folders)
        removeEmptyFoldersUpFrom(folder);
}

void SimulatedTree::removeEmptyFoldersUpFrom(fs::path folder) noexcept
{
    // Shared folders go with the last simulator that used them; rmdir refuses others. The class/tty folder
    // stays, as it does in a real sys tree, so a running tool keeps watching it for the next plugging.
    const fs::path ttyClass = sysRoot() / "class" / "tty";
    for (; folder != m_root && folder != ttyClass && folder.native().size() > m_root.native().size();
         folder = folder.parent_path()) {
        if (::rmdir(folder.c_str()) != 0)
            return;
    }
}
