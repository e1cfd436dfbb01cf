#include "DevsimProcess.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using Bytes = std::vector<std::uint8_t>;

namespace
{

// Defaults with the clock at 2013-05-17 09:07.
const Bytes kFrame = {0x0C, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x52, 0x08, 0x00,
                      0x08, 0x50, 0x00, 0x00, 0x00, 0x96, 0x82, 0x07, 0x09, 0x17,
                      0x05, 0x13, 0x00, 0x14, 0x00, 0x00, 0x02, 0x20, 0x00, 0x4B};

std::string readText(const fs::path& file)
{
    std::ifstream in(file);
    std::string text;
    std::getline(in, text);
    return text;
}

// The tool's side of the line: the node under the simulated dev root, raw and non-blocking.
class Line
{
public:
    explicit Line(const fs::path& node) : m_fd(::open(node.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK))
    {
        termios raw{};
        if (m_fd >= 0 && ::tcgetattr(m_fd, &raw) == 0) {
            cfmakeraw(&raw);
            ::tcsetattr(m_fd, TCSANOW, &raw);
        }
    }
    ~Line()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    bool isOpen() const { return m_fd >= 0; }

    void send(const Bytes& bytes)
    {
        ASSERT_EQ(::write(m_fd, bytes.data(), bytes.size()), ssize_t(bytes.size()));
    }

    // Everything received within window.
    Bytes receive(std::chrono::milliseconds window)
    {
        Bytes bytes;
        const auto deadline = std::chrono::steady_clock::now() + window;
        for (auto now = std::chrono::steady_clock::now(); now < deadline;
             now = std::chrono::steady_clock::now()) {
            pollfd fd{m_fd, POLLIN, 0};
            if (::poll(&fd, 1, int(std::chrono::ceil<std::chrono::milliseconds>(deadline - now).count())) <=
                0)
                continue;
            std::uint8_t chunk[64];
            const ssize_t n = ::read(m_fd, chunk, sizeof chunk);
            if (n > 0)
                bytes.insert(bytes.end(), chunk, chunk + n);
        }
        return bytes;
    }

    // The first bytes to arrive and how long they took; nothing when none arrive within timeout.
    std::pair<Bytes, std::chrono::milliseconds> firstReply(std::chrono::milliseconds timeout)
    {
        const auto start = std::chrono::steady_clock::now();
        pollfd fd{m_fd, POLLIN, 0};
        if (::poll(&fd, 1, int(timeout.count())) <= 0)
            return {};
        const auto took =
            std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
        std::uint8_t chunk[64];
        const ssize_t n = ::read(m_fd, chunk, sizeof chunk);
        return {n > 0 ? Bytes(chunk, chunk + n) : Bytes(), took};
    }

private:
    int m_fd;
};

class DevsimTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/devsim-test-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        m_dir = pattern;
    }
    void TearDown() override { fs::remove_all(m_dir); }

    // Starts a simulator on the shared folder and checks the two lines that tell where it is.
    std::unique_ptr<DevsimProcess> start(std::vector<std::string> arguments)
    {
        arguments.insert(arguments.begin(), {"--tree", m_dir.string()});
        auto process = std::make_unique<DevsimProcess>(arguments);
        EXPECT_EQ(process->readLine(), "TAVIMORO_SYSFS_ROOT=" + (m_dir / "sys").string());
        EXPECT_EQ(process->readLine(), "TAVIMORO_DEV_ROOT=" + (m_dir / "dev").string());
        return process;
    }

    fs::path sys(const std::string& relative) const { return m_dir / "sys" / relative; }

    fs::path m_dir;
};

TEST_F(DevsimTest, AnswersAWellFormedFrameWithin100ms)
{
    auto simulator = start({});
    Line line(m_dir / "dev/ttyUSB0");
    ASSERT_TRUE(line.isOpen());
    line.send(kFrame);
    const auto [reply, took] = line.firstReply(1000ms);
    EXPECT_EQ(reply, Bytes{0x8C});
    EXPECT_LT(took, 100ms);
    // The log shows the settings the frame carries.
    EXPECT_TRUE(simulator->waitForLine("frame 1: odo1=0 odo2=0 wheel1=2130"));
    EXPECT_TRUE(simulator->waitForLine("answered 8C"));
    EXPECT_EQ(simulator->stop(), 0);
}

TEST_F(DevsimTest, AFrameWithAWrongChecksumGetsNoAnswer)
{
    auto simulator = start({});
    Line line(m_dir / "dev/ttyUSB0");
    Bytes frame = kFrame;
    frame.back() ^= 0x01;
    line.send(frame);
    EXPECT_TRUE(line.receive(300ms).empty());
    EXPECT_TRUE(simulator->waitForLine("bad checksum 0x4A, expected 0x4B: no answer"));
}

TEST_F(DevsimTest, FindsFramesAcrossWritesAndAfterStrayBytes)
{
    auto simulator = start({});
    Line line(m_dir / "dev/ttyUSB0");
    line.send({0x55, 0x00});
    line.send(Bytes(kFrame.begin(), kFrame.begin() + 10));
    line.send(Bytes(kFrame.begin() + 10, kFrame.end()));
    EXPECT_EQ(line.receive(300ms), Bytes{0x8C});
    EXPECT_TRUE(simulator->waitForLine("dropped 2 byte(s)"));
}

TEST_F(DevsimTest, DropsAnIncompleteFrameAfterAPause)
{
    auto simulator = start({});
    Line line(m_dir / "dev/ttyUSB0");
    line.send(Bytes(kFrame.begin(), kFrame.begin() + 12));
    EXPECT_TRUE(simulator->waitForLine("incomplete frame of 12 byte(s): no answer"));
    // The rest, arriving late, is no frame either; a whole frame afterwards is answered.
    line.send(Bytes(kFrame.begin() + 12, kFrame.end()));
    line.send(kFrame);
    EXPECT_EQ(line.receive(400ms), Bytes{0x8C});
}

struct ReplyCase {
    const char* mode;
    Bytes expected;
    std::chrono::milliseconds window; // how long to collect the answer
    Bytes expectedEarly;              // what has arrived after 300 ms

    friend void PrintTo(const ReplyCase& reply, std::ostream* out) { *out << reply.mode; }
};

class DevsimReplyTest : public DevsimTest, public ::testing::WithParamInterface<ReplyCase>
{
};

TEST_P(DevsimReplyTest, AnswersAsTheModeSays)
{
    auto simulator = start({"--reply", GetParam().mode});
    Line line(m_dir / "dev/ttyUSB0");
    line.send(kFrame);
    Bytes early = line.receive(300ms);
    EXPECT_EQ(early, GetParam().expectedEarly);
    const Bytes rest = line.receive(GetParam().window - 300ms);
    early.insert(early.end(), rest.begin(), rest.end());
    EXPECT_EQ(early, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Modes, DevsimReplyTest,
                         ::testing::Values(ReplyCase{"ack", {0x8C}, 500ms, {0x8C}},
                                           ReplyCase{"wrong", {0x00, 0x8C}, 500ms, {0x00, 0x8C}},
                                           ReplyCase{"twice", {0x8C, 0x8C}, 500ms, {0x8C, 0x8C}},
                                           ReplyCase{"silent", {}, 1000ms, {}},
                                           ReplyCase{"late", {0x8C}, 2000ms, {}}),
                         [](const auto& testCase) { return std::string(testCase.param.mode); });

TEST_F(DevsimTest, BuildsTheKernelLayoutOfTheUsbInterface)
{
    auto simulator = start({"--serial", "0002"});
    const fs::path device = sys("devices/pci0000:00/0000:00:14.0/usb1/1-2");
    EXPECT_EQ(readText(device / "idVendor"), "10c4");
    EXPECT_EQ(readText(device / "idProduct"), "ea60");
    EXPECT_EQ(readText(device / "serial"), "0002");
    EXPECT_FALSE(readText(device / "product").empty());
    EXPECT_FALSE(readText(device / "manufacturer").empty());

    EXPECT_EQ(fs::canonical(sys("bus/usb/devices/1-2")), fs::canonical(device));
    EXPECT_EQ(fs::canonical(sys("bus/usb/devices/1-2:1.0")), fs::canonical(device / "1-2:1.0"));
    EXPECT_EQ(fs::read_symlink(device / "1-2:1.0/driver").filename(), "cp210x");
    EXPECT_EQ(fs::canonical(device / "1-2:1.0/driver"), fs::canonical(sys("bus/usb/drivers/cp210x")));
    EXPECT_EQ(fs::canonical(sys("class/tty/ttyUSB0")), fs::canonical(device / "1-2:1.0/ttyUSB0/tty/ttyUSB0"));
    EXPECT_EQ(fs::read_symlink(sys("class/tty/ttyUSB0/device")), "../../../ttyUSB0");
    EXPECT_EQ(fs::canonical(sys("class/tty/ttyUSB0/device")), fs::canonical(device / "1-2:1.0/ttyUSB0"));
    EXPECT_EQ(fs::read_symlink(m_dir / "dev/ttyUSB0").parent_path(), "/dev/pts");
}

TEST_F(DevsimTest, PlaysAPlainSerialPortWithoutUsb)
{
    auto simulator = start({"--tty", "ttyS0"});
    EXPECT_EQ(readText(sys("class/tty/ttyS0/type")), "4");
    EXPECT_TRUE(fs::is_directory(sys("class/tty/ttyS0/device")));
    EXPECT_FALSE(fs::exists(sys("bus")));
    Line line(m_dir / "dev/ttyS0");
    line.send(kFrame);
    EXPECT_EQ(line.receive(300ms), Bytes{0x8C});
}

TEST_F(DevsimTest, SimulatorsSharingAFolderRemoveOnlyTheirOwnEntries)
{
    auto first = start({});
    auto second = start({"--tty", "ttyUSB1", "--serial", "0002"});
    EXPECT_EQ(readText(sys("bus/usb/devices/1-3/serial")), "0002");
    EXPECT_TRUE(fs::exists(sys("class/tty/ttyUSB1/device")));

    EXPECT_EQ(first->stop(), 0);
    EXPECT_FALSE(fs::exists(fs::symlink_status(sys("bus/usb/devices/1-2"))));
    EXPECT_FALSE(fs::exists(fs::symlink_status(sys("class/tty/ttyUSB0"))));
    EXPECT_FALSE(fs::exists(fs::symlink_status(sys("bus/usb/drivers/cp210x/1-2:1.0"))));
    EXPECT_FALSE(fs::exists(fs::symlink_status(m_dir / "dev/ttyUSB0")));
    EXPECT_FALSE(fs::exists(sys("devices/pci0000:00/0000:00:14.0/usb1/1-2")));
    // The second one's entries and the folders they share are still there, and it still answers.
    EXPECT_EQ(readText(sys("devices/pci0000:00/0000:00:14.0/usb1/1-3/idVendor")), "10c4");
    EXPECT_TRUE(fs::exists(sys("class/tty/ttyUSB1/device")));
    Line line(m_dir / "dev/ttyUSB1");
    line.send(kFrame);
    EXPECT_EQ(line.receive(300ms), Bytes{0x8C});

    EXPECT_EQ(second->stop(), 0);
    // Only the empty tty class folder stays, as in a real sys tree, so a watching tool sees the next
    // plugging.
    EXPECT_TRUE(fs::is_empty(sys("class/tty")));
    for (const char* folder : {"class/tty", "class", ""})
        fs::remove(sys(folder));
    EXPECT_TRUE(fs::is_empty(m_dir));
}

TEST_F(DevsimTest, ASecondSimulatorOfTheSamePortIsRefused)
{
    auto first = start({});
    DevsimProcess second({"--tree", m_dir.string()});
    EXPECT_EQ(second.wait(), 1);
    EXPECT_TRUE(fs::exists(sys("class/tty/ttyUSB0/device")));
    Line line(m_dir / "dev/ttyUSB0");
    line.send(kFrame);
    EXPECT_EQ(line.receive(300ms), Bytes{0x8C});
}

TEST_F(DevsimTest, KeepsServingAfterTheToolClosesItsEnd)
{
    auto simulator = start({});
    {
        Line line(m_dir / "dev/ttyUSB0");
        line.send(kFrame);
        EXPECT_EQ(line.receive(200ms), Bytes{0x8C});
    }
    Line again(m_dir / "dev/ttyUSB0");
    again.send(kFrame);
    EXPECT_EQ(again.receive(200ms), Bytes{0x8C});
}

struct BadCommandLine {
    const char* name;
    std::vector<std::string> arguments;

    friend void PrintTo(const BadCommandLine& line, std::ostream* out) { *out << line.name; }
};

class DevsimOptionsTest : public ::testing::TestWithParam<BadCommandLine>
{
};

TEST_P(DevsimOptionsTest, RefusesABadCommandLine)
{
    DevsimProcess process(GetParam().arguments);
    EXPECT_EQ(process.wait(), 2);
}

INSTANTIATE_TEST_SUITE_P(
    BadCommandLines, DevsimOptionsTest,
    ::testing::Values(BadCommandLine{"noTree", {}}, BadCommandLine{"treeWithoutValue", {"--tree"}},
                      BadCommandLine{"acmPort", {"--tree", "/tmp/x", "--tty", "ttyACM0"}},
                      BadCommandLine{"usbPortOutsideTheMap", {"--tree", "/tmp/x", "--tty", "ttyUSB32"}},
                      BadCommandLine{"unknownReply", {"--tree", "/tmp/x", "--reply", "never"}},
                      BadCommandLine{"serialWithSlash", {"--tree", "/tmp/x", "--serial", "a/b"}},
                      BadCommandLine{"unknownOption", {"--tree", "/tmp/x", "--verbose"}}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

} // namespace
