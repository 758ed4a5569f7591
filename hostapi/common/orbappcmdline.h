#pragma once

#include <QStringList>

/// The host application's command-line state, shared by every library of the process.
/// The host sets it once at start-up (from its arguments or directly); widgets only read it.
class OrbAppCmdLine
{
public:
    /// The process-wide state; never null.
    static OrbAppCmdLine* instance();

    /// Host side: reads the host's switches from the application arguments (the first one, the
    /// program, is skipped). "--automation" turns on automation mode; switches are matched exactly.
    /// The library does not call it.
    void parse(const QStringList& arguments);

    /// Automation mode: the process is driven by a test or automation client, which also needs to
    /// reach objects hidden from people. The drawing tree then lists drawsets whose
    /// IOrbDrawset::isVisible() is false; it asks each time it fills itself.
    bool isAutomation() const { return m_automation; }
    /// Host side: sets automation mode directly. The library does not call it.
    void setAutomation(bool on) { m_automation = on; }

    OrbAppCmdLine(const OrbAppCmdLine&) = delete;
    OrbAppCmdLine& operator=(const OrbAppCmdLine&) = delete;

private:
    OrbAppCmdLine() = default;

    bool m_automation = false;
};
