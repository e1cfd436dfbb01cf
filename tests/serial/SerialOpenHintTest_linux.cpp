#include "../detect/SysfsTree.h"

#include "device/SerialOpenAdvice.h"
#include "i18n/MessageTexts.h"
#include "platform/SerialOpenHint.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <grp.h>
#include <ostream>
#include <sys/wait.h>
#include <unistd.h>

namespace
{

using Cause = SerialOpenFacts::Cause;
using Membership = SerialOpenFacts::Membership;

struct AdviceCase {
    const char* name;
    SerialOpenFacts facts;
    const char* english;
    const char* german;

    friend void PrintTo(const AdviceCase& advice, std::ostream* out) { *out << advice.name; }
};

SerialOpenFacts facts(Cause cause)
{
    SerialOpenFacts result;
    result.cause = cause;
    result.devicePath = "/dev/ttyUSB0";
    return result;
}

SerialOpenFacts denied(Membership membership, const char* group)
{
    SerialOpenFacts result = facts(Cause::Denied);
    result.group = group;
    result.membership = membership;
    return result;
}

SerialOpenFacts busy(const char* program, int process)
{
    SerialOpenFacts result = facts(Cause::Busy);
    result.holderProgram = program;
    result.holderProcess = process;
    return result;
}

SerialOpenFacts missing(bool bridgePlugged, const char* driver)
{
    SerialOpenFacts result = facts(Cause::Missing);
    result.bridgePlugged = bridgePlugged;
    result.claimingDriver = driver;
    return result;
}

SerialOpenFacts other(const char* text)
{
    SerialOpenFacts result = facts(Cause::Other);
    result.errorText = text;
    return result;
}

class SerialOpenAdviceTest : public ::testing::TestWithParam<AdviceCase>
{
};

TEST_P(SerialOpenAdviceTest, SaysWhyAndWhatToDoInTheUsersLanguage)
{
    EXPECT_EQ(SerialOpenAdvice(GetParam().facts, "English"), GetParam().english);
    EXPECT_EQ(SerialOpenAdvice(GetParam().facts, "German"), GetParam().german);
    // Languages without texts of their own get the English ones.
    EXPECT_EQ(SerialOpenAdvice(GetParam().facts, "French"), GetParam().english);
    EXPECT_EQ(SerialOpenAdvice(GetParam().facts, ""), GetParam().english);
}

INSTANTIATE_TEST_SUITE_P(
    Causes, SerialOpenAdviceTest,
    ::testing::Values(
        AdviceCase{
            "notInTheGroup", denied(Membership::NotMember, "dialout"),
            "Access to /dev/ttyUSB0 is denied: it belongs to the group 'dialout', and your user is not in "
            "it. Add your user to that group (sudo usermod -aG dialout $USER) and log in again, or "
            "install the udev rule 70-tavimoro-interface.rules and plug the interface in again.",
            "Zugriff auf /dev/ttyUSB0 verweigert: Der Anschluss gehört der Gruppe 'dialout', in der Ihr "
            "Benutzer nicht Mitglied ist. Nehmen Sie Ihren Benutzer in diese Gruppe auf (sudo usermod -aG "
            "dialout $USER) und melden Sie sich neu an, oder installieren Sie die udev-Regel "
            "70-tavimoro-interface.rules und stecken Sie das Interface neu ein."},
        AdviceCase{
            "addedButNotLoggedInAgain", denied(Membership::NeedsNewLogin, "uucp"),
            "Access to /dev/ttyUSB0 is denied: it belongs to the group 'uucp'. Your user was added to "
            "that group after this session began: log out and in again, then try again.",
            "Zugriff auf /dev/ttyUSB0 verweigert: Der Anschluss gehört der Gruppe 'uucp'. Ihr "
            "Benutzer wurde erst nach Beginn dieser Sitzung in die Gruppe aufgenommen: Melden Sie sich ab "
            "und wieder an und versuchen Sie es erneut."},
        AdviceCase{
            "inTheGroupButNoRights", denied(Membership::Member, "dialout"),
            "Access to /dev/ttyUSB0 is denied although your user is in its group 'dialout': the node "
            "does not let the group read and write. Install the udev rule 70-tavimoro-interface.rules "
            "and plug the interface in again.",
            "Zugriff auf /dev/ttyUSB0 verweigert, obwohl Ihr Benutzer Mitglied der Gruppe 'dialout' ist: "
            "Die Gruppe hat keine Lese- und Schreibrechte auf den Anschluss. Installieren Sie die "
            "udev-Regel 70-tavimoro-interface.rules und stecken Sie das Interface neu ein."},
        AdviceCase{"heldByAnUnseenProgram", busy("", 0),
                   "Another program is using /dev/ttyUSB0. Close that program and try again.",
                   "Ein anderes Programm verwendet /dev/ttyUSB0. Schließen Sie dieses Programm und versuchen "
                   "Sie es erneut."},
        AdviceCase{
            "heldByANamedProgram", busy("minicom", 4711),
            "Another program is using /dev/ttyUSB0: minicom (process 4711). Close that program and try "
            "again.",
            "Ein anderes Programm verwendet /dev/ttyUSB0: minicom (Prozess 4711). Schließen Sie dieses "
            "Programm und versuchen Sie es erneut."},
        AdviceCase{
            "unplugged", missing(false, ""),
            "The device /dev/ttyUSB0 is not there: the interface is unplugged, or another driver has "
            "claimed it.",
            "Das Gerät /dev/ttyUSB0 ist nicht vorhanden: Das Interface ist nicht eingesteckt, oder ein "
            "anderer Treiber hat es belegt."},
        AdviceCase{
            "claimedByAnotherDriver", missing(true, "usbfs"),
            "The interface is plugged in, but /dev/ttyUSB0 is not there: the driver 'usbfs' has claimed "
            "it instead of the serial driver. A braille-display service such as brltty does this; remove "
            "it (sudo apt remove brltty) or stop it, then plug the interface in again.",
            "Das Interface ist eingesteckt, aber /dev/ttyUSB0 ist nicht vorhanden: Der Treiber 'usbfs' "
            "hat es anstelle des seriellen Treibers belegt. Das tut z. B. ein Braillezeilen-Dienst wie "
            "brltty; entfernen (sudo apt remove brltty) oder beenden Sie ihn und stecken Sie das "
            "Interface neu ein."},
        AdviceCase{
            "pluggedWithoutDriver", missing(true, ""),
            "The interface is plugged in, but /dev/ttyUSB0 is not there: no serial driver has taken it. "
            "Another driver or a braille-display service such as brltty may have claimed it; remove that "
            "service, or load the serial driver (sudo modprobe cp210x), then plug the interface in again.",
            "Das Interface ist eingesteckt, aber /dev/ttyUSB0 ist nicht vorhanden: Kein serieller "
            "Treiber hat es übernommen. Ein anderer Treiber oder ein Braillezeilen-Dienst wie brltty "
            "kann es belegt haben; entfernen Sie diesen Dienst oder laden Sie den seriellen Treiber "
            "(sudo modprobe cp210x) und stecken Sie das Interface neu ein."},
        AdviceCase{"otherError", other("Input/output error"), "/dev/ttyUSB0: Input/output error.",
                   "/dev/ttyUSB0: Input/output error."}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(SerialOpenAdvice, MarksInsideValuesStayAsTheyAre)
{
    SerialOpenFacts odd = busy("%P %G", 1);
    odd.devicePath = "/tmp/%E";
    EXPECT_EQ(SerialOpenAdvice(odd, "English"),
              "Another program is using /tmp/%E: %P %G (process 1). Close that program and try again.");
}

// A file standing in for the device node, removed with the fixture.
class SerialOpenFailureTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_path = (std::filesystem::temp_directory_path() / ("hint-" + std::to_string(::getpid()))).string();
        std::ofstream(m_path).put('x');
        ASSERT_TRUE(std::filesystem::exists(m_path));
    }
    void TearDown() override
    {
        std::filesystem::remove(m_path);
        MessageTexts::setLanguage({});
    }

    std::string m_path;
};

struct CauseCase {
    const char* name;
    int error;
    Cause cause;

    friend void PrintTo(const CauseCase& c, std::ostream* out) { *out << c.name; }
};

class SerialOpenCauseTest : public SerialOpenFailureTest, public ::testing::WithParamInterface<CauseCase>
{
};

TEST_P(SerialOpenCauseTest, SortsTheErrorIntoItsCause)
{
    const SerialOpenFacts found = platform::ExamineSerialOpenFailure(GetParam().error, m_path);
    EXPECT_EQ(found.cause, GetParam().cause);
    EXPECT_EQ(found.devicePath, m_path);
}

INSTANTIATE_TEST_SUITE_P(
    Errors, SerialOpenCauseTest,
    ::testing::Values(CauseCase{"access", EACCES, Cause::Denied}, CauseCase{"perm", EPERM, Cause::Denied},
                      CauseCase{"busy", EBUSY, Cause::Busy}, CauseCase{"locked", EWOULDBLOCK, Cause::Busy},
                      CauseCase{"missing", ENOENT, Cause::Missing},
                      CauseCase{"nodevice", ENODEV, Cause::Missing},
                      CauseCase{"noaddress", ENXIO, Cause::Missing}, CauseCase{"other", EIO, Cause::Other}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(SerialOpenFailureTest, NamesTheOwningGroupAndWhetherTheUserIsInIt)
{
    // A group this process does not have: the node's owner must be named with the advice to join it.
    gid_t foreign = 0;
    for (gid_t candidate : {gid_t(20), gid_t(14), gid_t(4711)})
        if (candidate != ::getegid() && ::chown(m_path.c_str(), ::geteuid(), candidate) == 0) {
            foreign = candidate;
            break;
        }
    if (foreign == 0)
        GTEST_SKIP() << "cannot give the file to a group this process lacks";
    const group* entry = ::getgrgid(foreign);
    const SerialOpenFacts found = platform::ExamineSerialOpenFailure(EACCES, m_path);
    EXPECT_EQ(found.group, entry ? std::string(entry->gr_name) : std::to_string(foreign));
    EXPECT_NE(found.membership, Membership::Member);

    ASSERT_EQ(::chown(m_path.c_str(), ::geteuid(), ::getegid()), 0);
    EXPECT_EQ(platform::ExamineSerialOpenFailure(EACCES, m_path).membership, Membership::Member);
}

TEST_F(SerialOpenFailureTest, NamesTheUsualGroupWhenTheNodeCannotBeExamined)
{
    EXPECT_EQ(platform::ExamineSerialOpenFailure(EACCES, "/nonexistent/ttyUSB9").group, "dialout");
}

TEST_F(SerialOpenFailureTest, NamesTheProgramHoldingTheNode)
{
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t holder = ::fork();
    ASSERT_GE(holder, 0);
    if (holder == 0) {
        const int fd = ::open(m_path.c_str(), O_RDWR);
        const char byte = fd >= 0 ? '1' : '0';
        (void)!::write(ready[1], &byte, 1);
        ::pause();
        ::_exit(0);
    }
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    ::close(ready[0]);
    ::close(ready[1]);
    const SerialOpenFacts found = platform::ExamineSerialOpenFailure(EBUSY, m_path);
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    ASSERT_EQ(byte, '1');

    std::string comm;
    std::getline(std::ifstream("/proc/self/comm"), comm);
    EXPECT_EQ(found.holderProgram, comm);
    EXPECT_EQ(found.holderProcess, holder);
    // This program's own descriptors are not another program.
    const int own = ::open(m_path.c_str(), O_RDWR);
    EXPECT_EQ(platform::ExamineSerialOpenFailure(EBUSY, m_path).holderProcess, 0);
    ::close(own);
}

struct BridgeCase {
    const char* name;
    const char* driver;
    const char* ttyNode;
    bool bridgePlugged;
    const char* claimingDriver;

    friend void PrintTo(const BridgeCase& c, std::ostream* out) { *out << c.name; }
};

class SerialOpenMissingTest : public ::testing::TestWithParam<BridgeCase>
{
};

TEST_P(SerialOpenMissingTest, TellsAnUnpluggedInterfaceFromAClaimedOne)
{
    SysfsTree tree;
    SysfsTree::UsbDevice other;
    other.name = "1-1";
    other.idVendor = "046d";
    other.driver = "usbhid";
    tree.addUsbDevice(other);
    if (GetParam().driver) {
        SysfsTree::UsbDevice bridge;
        bridge.driver = GetParam().driver;
        bridge.ttyNode = GetParam().ttyNode;
        tree.addUsbDevice(bridge);
    }
    tree.activate();
    const SerialOpenFacts found = platform::ExamineSerialOpenFailure(ENOENT, "/dev/ttyUSB0");
    EXPECT_EQ(found.bridgePlugged, GetParam().bridgePlugged);
    EXPECT_EQ(found.claimingDriver, GetParam().claimingDriver);
}

INSTANTIATE_TEST_SUITE_P(Trees, SerialOpenMissingTest,
                         ::testing::Values(BridgeCase{"noBridge", nullptr, "", false, ""},
                                           BridgeCase{"bridgeWithItsPort", "cp210x", "ttyUSB1", false, ""},
                                           BridgeCase{"bridgeWithAnAcmPort", "cdc_acm", "ttyACM0", false, ""},
                                           BridgeCase{"claimedByBrailleService", "usbfs", "", true, "usbfs"},
                                           BridgeCase{"serialDriverWithoutPort", "cp210x", "", true, ""}),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(SerialOpenFailureTest, HintFollowsTheActiveLanguage)
{
    MessageTexts::setLanguage("German");
    EXPECT_EQ(platform::SerialOpenHint(EIO, m_path), m_path + ": Input/output error.");
    EXPECT_EQ(platform::SerialOpenHint(EBUSY, m_path).rfind("Ein anderes Programm verwendet " + m_path, 0),
              0u);
    MessageTexts::setLanguage("English");
    EXPECT_EQ(platform::SerialOpenHint(EBUSY, m_path),
              "Another program is using " + m_path + ". Close that program and try again.");
}

} // namespace
