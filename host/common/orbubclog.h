#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What the reference host does with usage events (OrbUbc::send): keeps them in memory in the
// order sent and, when a log file is set, appends them to it as "<ISO time>\t<code>\t<param>" lines.
class OrbUbcLog
{
public:
    struct Event
    {
        QString code;
        QString param;
        bool operator==(const Event& other) const { return code == other.code && param == other.param; }
    };

    static OrbUbcLog* instance();

    void record(const QString& code, const QString& param);

    const QList<Event>& events() const { return m_events; }
    // The codes sent, in order.
    QStringList codes() const;
    void clear() { m_events.clear(); }

    // Empty path: no log. False when the file cannot be opened for appending.
    bool setLogFile(const QString& path);
    QString logFile() const { return m_logPath; }

private:
    OrbUbcLog() = default;

    QList<Event> m_events;
    QString m_logPath;
};
