#include "common/orbubclog.h"

#include <QDateTime>
#include <QFile>
#include <QTextStream>

OrbUbcLog* OrbUbcLog::instance()
{
    static OrbUbcLog log;
    return &log;
}

void OrbUbcLog::record(const QString& code, const QString& param)
{
    m_events.append(Event{code, param});
    if (m_logPath.isEmpty())
        return;
    QFile file(m_logPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        return; // the event stays in memory; a lost log line must not disturb the user
    QTextStream out(&file);
    out.setCodec("UTF-8");
    out << QDateTime::currentDateTimeUtc().toString(Qt::ISODate) << '\t' << code << '\t' << param << '\n';
}

QStringList OrbUbcLog::codes() const
{
    QStringList out;
    for (const Event& e : m_events)
        out.append(e.code);
    return out;
}

bool OrbUbcLog::setLogFile(const QString& path)
{
    if (path.isEmpty()) {
        m_logPath.clear();
        return true;
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        return false;
    m_logPath = path;
    return true;
}
