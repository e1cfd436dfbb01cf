#pragma once

#include "BridgeWorld.h"

#include <string>
#include <vector>

// The part of every OS's world that is the same: the fixture library answers from a script file and logs
// its calls, and is staged under a new name each time so a loaded copy never stands in the way.
class ScriptedBridgeWorld : public BridgeWorld
{
public:
    void scriptBridges(const std::vector<FixtureBridge>& bridges) override;
    std::string stagedLibrary(FixtureLibrary library) override;
    void placeLibrary() override;
    std::vector<std::string> bridgeCalls() override;

protected:
    // scriptFile is where the script is written, logFile where the library logs its calls; set once by
    // the OS's world when its scratch folder exists.
    void useFiles(std::string scriptFile, std::string logFile);
    // Where the nth staged copy of the library goes, under the name the OS's loader asks for.
    virtual std::string libraryPath(int n) const = 0;
    const std::string& scriptFile() const { return m_script; }

private:
    std::string m_script;
    std::string m_log;
    std::string m_source;
    std::string m_staged;
    int m_libraries = 0;
};
