#include "ScriptedBridgeWorld.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <utility>

namespace fs = std::filesystem;

namespace
{

std::string hex(std::uint16_t value)
{
    char text[8];
    std::snprintf(text, sizeof text, "%04X", static_cast<unsigned>(value));
    return text;
}

} // namespace

void ScriptedBridgeWorld::useFiles(std::string scriptFile, std::string logFile)
{
    m_script = std::move(scriptFile);
    m_log = std::move(logFile);
}

void ScriptedBridgeWorld::scriptBridges(const std::vector<FixtureBridge>& bridges)
{
    std::ofstream out(m_script, std::ios::trunc);
    out << "log " << m_log << '\n';
    for (const auto& b : bridges) {
        out << "bridge open=" << (b.openable ? 1 : 0) << " vid=" << hex(b.vid) << " pid=" << hex(b.pid)
            << " serial=" << b.serial << " fail=" << (b.failingRead.empty() ? "-" : b.failingRead) << '\n';
    }
}

std::string ScriptedBridgeWorld::stagedLibrary(FixtureLibrary library)
{
    m_source =
        library == FixtureLibrary::Scripted ? TAVIMORO_SCRIPTED_BRIDGE : TAVIMORO_SCRIPTED_BRIDGE_NOSERIAL;
    m_staged = libraryPath(++m_libraries);
    return m_staged;
}

void ScriptedBridgeWorld::placeLibrary()
{
    fs::create_directories(fs::path(m_staged).parent_path());
    fs::copy_file(m_source, m_staged, fs::copy_options::overwrite_existing);
}

std::vector<std::string> ScriptedBridgeWorld::bridgeCalls()
{
    std::vector<std::string> calls;
    std::ifstream in(m_log);
    for (std::string line; std::getline(in, line);)
        calls.push_back(line);
    return calls;
}
