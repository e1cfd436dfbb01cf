#pragma once

#include <string>

// A pseudo-terminal pair in raw mode. The simulator keeps the slave open too, so the line stays up when the
// tool closes its end and the master never reads a hang-up.
class Pseudoterminal
{
public:
    // Throws std::runtime_error when the system has no pseudo-terminal to give.
    Pseudoterminal();
    ~Pseudoterminal();
    Pseudoterminal(const Pseudoterminal&) = delete;
    Pseudoterminal& operator=(const Pseudoterminal&) = delete;

    int master() const { return m_master; }
    const std::string& slavePath() const { return m_slavePath; }

private:
    int m_master = -1;
    int m_slave = -1;
    std::string m_slavePath;
};
