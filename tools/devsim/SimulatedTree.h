#pragma once

#include <filesystem>
#include <string>
#include <vector>

// The sysfs entries and the device node of one simulated serial port under a folder that several
// simulators may share. Each adds and later removes only its own entries; shared folders are made when
// missing and removed once empty.
class SimulatedTree
{
public:
    struct Port {
        std::string tty;    // "ttyUSB0" (a CP210x interface) or "ttyS0" (a plain serial port)
        std::string serial; // the interface's USB serial number
    };

    SimulatedTree(std::filesystem::path root, Port port);
    ~SimulatedTree();
    SimulatedTree(const SimulatedTree&) = delete;
    SimulatedTree& operator=(const SimulatedTree&) = delete;

    // Builds the entries, with <root>/dev/<tty> pointing at ttyPath. Throws std::runtime_error when an
    // entry is already there (another simulator's) or cannot be made; what was made is removed again.
    void create(const std::string& ttyPath);
    // Removes what create made, newest first. Never throws.
    void remove() noexcept;

    std::filesystem::path sysRoot() const { return m_root / "sys"; }
    std::filesystem::path devRoot() const { return m_root / "dev"; }

    // True for the tty names the simulator can play: ttyUSB0..31 and ttyS0..31.
    static bool isSupportedTty(const std::string& tty);

private:
    void createUsbInterface();
    void createPlainSerialPort();
    void makeFolders(const std::filesystem::path& folder);
    void writeFile(const std::filesystem::path& file, const std::string& content);
    void makeLink(const std::filesystem::path& link, const std::filesystem::path& target);
    void removeEmptyFoldersUpFrom(std::filesystem::path folder) noexcept;

    std::filesystem::path m_root;
    Port m_port;
    // Files, links and folders that this simulator added, oldest first.
    std::vector<std::filesystem::path> m_added;
};
