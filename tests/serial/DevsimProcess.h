#pragma once

#include <chrono>
#include <string>
#include <sys/types.h>
#include <vector>

// The device simulator binary, started with arguments, its output read line by line.
class DevsimProcess
{
public:
    explicit DevsimProcess(const std::vector<std::string>& arguments);
    ~DevsimProcess();
    DevsimProcess(const DevsimProcess&) = delete;
    DevsimProcess& operator=(const DevsimProcess&) = delete;

    // The next line of its standard output, or nothing when none comes in time.
    std::string readLine(std::chrono::milliseconds timeout = std::chrono::milliseconds(3000));
    // Reads lines until one contains text; false when none does in time.
    bool waitForLine(const std::string& text,
                     std::chrono::milliseconds timeout = std::chrono::milliseconds(3000));
    // Sends SIGTERM and returns the exit status (-1 when it did not end normally).
    int stop();
    // Waits for the process to end by itself; the exit status as for stop.
    int wait();

private:
    pid_t m_pid = -1;
    int m_output = -1;
    std::string m_buffer;
    bool m_ended = false; // its output was closed
};
