// tavimoro-devsim: plays the Tavimoro device on a pseudo-terminal with a simulated sysfs tree, so the
// setup tool can be run and tested without hardware.
#include "Options.h"
#include "Pseudoterminal.h"
#include "SimulatedTree.h"
#include "Simulator.h"

#include <csignal>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <sys/signalfd.h>
#include <unistd.h>

namespace
{

// Signals that end the simulator arrive on a descriptor, so the cleanup runs in the normal flow.
int stopSignals()
{
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    sigaddset(&signals, SIGHUP);
    if (::sigprocmask(SIG_BLOCK, &signals, nullptr) != 0)
        return -1;
    return ::signalfd(-1, &signals, SFD_CLOEXEC);
}

} // namespace

int main(int argc, char** argv)
{
    std::string error;
    const auto options = ParseOptions(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!options) {
        std::cerr << "tavimoro-devsim: " << error << "\n" << kUsage;
        return 2;
    }
    if (options->help) {
        std::cout << kUsage;
        return 0;
    }
    std::signal(SIGPIPE, SIG_IGN);
    const int stopFd = stopSignals();
    if (stopFd < 0) {
        std::cerr << "tavimoro-devsim: cannot watch for signals: " << std::strerror(errno) << "\n";
        return 1;
    }

    try {
        std::filesystem::path root = std::filesystem::absolute(options->tree).lexically_normal();
        if (!root.has_filename())
            root = root.parent_path();
        std::filesystem::create_directories(root);

        Pseudoterminal pty;
        SimulatedTree tree(root, {options->tty, options->serial});
        tree.create(pty.slavePath());

        std::cout << "TAVIMORO_SYSFS_ROOT=" << tree.sysRoot().string() << "\n"
                  << "TAVIMORO_DEV_ROOT=" << tree.devRoot().string() << std::endl;
        std::cout << "serving " << options->tty << " on " << pty.slavePath() << ", reply "
                  << ReplyModeName(options->reply) << std::endl;
        Simulator simulator(pty.master(), options->reply, std::cout);
        const int status = simulator.run(stopFd);
        std::cout << "stopped, " << options->tty << " removed" << std::endl;
        return status;
    } catch (const std::exception& failure) {
        std::cerr << "tavimoro-devsim: " << failure.what() << "\n";
        return 1;
    }
}
