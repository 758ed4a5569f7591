#pragma once

#include <QString>

/// The host's usage-event collector: widgets send a code (and optionally a parameter) when a user
/// uses a feature, so that the host can count feature use.
class OrbUbc
{
public:
    /// The process-wide collector; never null.
    static OrbUbc* instance();

    /// Records one usage event. The input dialog sends "410011" (element type 5020) or "410015"
    /// (5030) when it opens, and a reset code ("410012", "410016", "420012", "420016" for element
    /// types 5020, 5030, 5021, 5031) with the processor's drawing id as param when the user
    /// restores defaults. Must not fail or block the user.
    void send(const QString& code, const QString& param = QString());

    OrbUbc(const OrbUbc&) = delete;
    OrbUbc& operator=(const OrbUbc&) = delete;

private:
    OrbUbc() = default;
};
