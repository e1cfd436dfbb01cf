#include "DevsimProcess.h"

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

DevsimProcess::DevsimProcess(const std::vector<std::string>& arguments)
{
    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0)
        return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    const std::string program = std::string(TAVIMORO_BIN_DIR) + "/tavimoro-devsim";
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const auto& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    if (::posix_spawn(&m_pid, program.c_str(), &actions, nullptr, argv.data(), environ) != 0)
        m_pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeFds[1]);
    m_output = pipeFds[0];
}

DevsimProcess::~DevsimProcess()
{
    if (m_pid > 0)
        stop();
    if (m_output >= 0)
        ::close(m_output);
}

std::string DevsimProcess::readLine(std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (const auto end = m_buffer.find('\n'); end != std::string::npos) {
            std::string line = m_buffer.substr(0, end);
            m_buffer.erase(0, end + 1);
            return line;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd fd{m_output, POLLIN, 0};
        if (left.count() <= 0 || ::poll(&fd, 1, int(left.count())) <= 0)
            return {};
        char chunk[512];
        const ssize_t n = ::read(m_output, chunk, sizeof chunk);
        if (n <= 0) {
            m_ended = true;
            return {};
        }
        m_buffer.append(chunk, std::size_t(n));
    }
}

bool DevsimProcess::waitForLine(const std::string& text, std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!m_ended && std::chrono::steady_clock::now() < deadline) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        const std::string line = readLine(left);
        if (line.find(text) != std::string::npos)
            return true;
    }
    return false;
}

int DevsimProcess::stop()
{
    if (m_pid > 0)
        ::kill(m_pid, SIGTERM);
    return wait();
}

int DevsimProcess::wait()
{
    if (m_pid <= 0)
        return -1;
    int status = 0;
    ::waitpid(m_pid, &status, 0);
    m_pid = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
