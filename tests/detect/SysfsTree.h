#pragma once

#include <optional>
#include <string>

// A simulated sysfs tree in a temporary folder, laid out like the kernel's (devices, bus/usb/devices links,
// class/tty links with their device links). Removed with everything in it when the object goes.
class SysfsTree
{
public:
    // A USB device below usb1 with interface <name>:1.0 and, when ttyNode is set, a port there:
    // ttyUSBn as a usb-serial port (<if>/ttyUSBn/tty/ttyUSBn), ttyACMn as an ACM port (<if>/tty/ttyACMn).
    struct UsbDevice {
        std::string name = "1-2";
        std::string idVendor = "10c4";
        std::string idProduct = "ea60";
        std::optional<std::string> serial = "0001";
        std::string driver = "cp210x";
        std::string ttyNode;
    };

    SysfsTree();
    ~SysfsTree();
    SysfsTree(const SysfsTree&) = delete;
    SysfsTree& operator=(const SysfsTree&) = delete;

    const std::string& root() const { return m_root; }
    // A folder beside the tree for device nodes and other test files.
    std::string scratch() const { return m_base + "/scratch"; }

    void addUsbDevice(const UsbDevice& device);
    void removeUsbDevice(const std::string& name, const std::string& ttyNode);
    // A built-in UART ttySn; type 0 is a slot without a chip, nothing writes no type file.
    void addUart(int index, std::optional<int> type);
    // A tty without a device link (a virtual console).
    void addVirtualTty(const std::string& node);
    // Writes bytes to a file below the root, creating its folders.
    void writeFile(const std::string& relativePath, const std::string& bytes);
    // Points TAVIMORO_SYSFS_ROOT here for the object's lifetime.
    void activate();

private:
    std::string m_base;
    std::string m_root;
    bool m_activated = false;
};
