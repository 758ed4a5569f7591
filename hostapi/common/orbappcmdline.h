#pragma once

#include <QStringList>

// The host application's command-line state, shared by every library of the process.
// The host sets it once at start-up (from its arguments or directly); widgets only read it.
class OrbAppCmdLine
{
public:
    static OrbAppCmdLine* instance();

    // Reads the host's switches from the application arguments (the first one, the program, is
    // skipped). "--automation" turns on automation mode; switches are matched exactly.
    void parse(const QStringList& arguments);

    // Automation mode: the process is driven by a test or automation client, which also needs to
    // reach objects hidden from people (drawsets marked invisible, for example).
    bool isAutomation() const { return m_automation; }
    void setAutomation(bool on) { m_automation = on; }

    OrbAppCmdLine(const OrbAppCmdLine&) = delete;
    OrbAppCmdLine& operator=(const OrbAppCmdLine&) = delete;

private:
    OrbAppCmdLine() = default;

    bool m_automation = false;
};
