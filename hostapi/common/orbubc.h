#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The host's usage-event collector: widgets send a code (and optionally a parameter) when a
// user uses a feature. Events are kept in memory in the order sent and, when a log file is set,
// appended to it as "<ISO time>\t<code>\t<param>" lines.
class OrbUbc
{
public:
    struct Event
    {
        QString code;
        QString param;
        bool operator==(const Event& other) const { return code == other.code && param == other.param; }
    };

    static OrbUbc* instance();

    void send(const QString& code, const QString& param = QString());

    const QList<Event>& events() const { return m_events; }
    // The codes sent, in order.
    QStringList codes() const;
    void clear() { m_events.clear(); }

    // Empty path: no log. False when the file cannot be opened for appending.
    bool setLogFile(const QString& path);
    QString logFile() const { return m_logPath; }

private:
    OrbUbc() = default;

    QList<Event> m_events;
    QString m_logPath;
};
