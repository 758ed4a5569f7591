#include "common/lumcoreunittest.h"

#include <QRegularExpression>
#include <QSaveFile>

LumTestCase::LumTestCase(const QString& name, const QString& caption, const QString& module,
                         const QString& expected, const QSharedPointer<LumTestCase>& parent)
    : m_name(name), m_caption(caption), m_module(module), m_expected(expected), m_parent(parent),
      m_parentName(parent ? parent->name() : QString()), m_startedAt(QDateTime::currentDateTimeUtc())
{
}

LumCoreUnitTest* LumCoreUnitTest::instance()
{
    static LumCoreUnitTest recorder;
    return &recorder;
}

void LumCoreUnitTest::setCaseFilter(const QStringList& patterns, const QString& module)
{
    m_patterns = patterns;
    m_module = module;
}

bool LumCoreUnitTest::isTestCaseMatched(const QString& name, const QString& module) const
{
    if (!m_module.isEmpty() && !module.isEmpty() && module != m_module)
        return false;
    if (m_patterns.isEmpty())
        return true;
    for (const QString& pattern : m_patterns) {
        const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(pattern));
        if (re.match(name).hasMatch())
            return true;
    }
    return false;
}

QSharedPointer<LumTestCase> LumCoreUnitTest::startTestCase(const QString& name, const QString& caption,
                                                           const QString& module, const QString& expected,
                                                           const QSharedPointer<LumTestCase>& parent)
{
    m_current = QSharedPointer<LumTestCase>::create(name, caption, module, expected, parent);
    return m_current;
}

bool LumCoreUnitTest::commitTestCase(const QByteArray& data, bool succeeded, bool close)
{
    if (!m_current)
        return false;
    m_current->m_data = data;
    m_current->m_succeeded = succeeded;
    m_current->m_committed = true;
    m_committed.append(m_current);
    if (close)
        m_current = m_current->parent();
    return true;
}

void LumCoreUnitTest::clear()
{
    m_current.reset();
    m_committed.clear();
}

namespace {
QByteArray escaped(const QByteArray& field)
{
    QByteArray out;
    out.reserve(field.size());
    for (char c : field) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\t': out += "\\t"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        default: out += c;
        }
    }
    return out;
}
} // namespace

bool LumCoreUnitTest::saveToFile(const QString& path, QString* error) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = QStringLiteral("Cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    for (const auto& c : m_committed) {
        QByteArray line = escaped(c->name().toUtf8());
        line += '\t';
        line += escaped(c->parentName().toUtf8());
        line += '\t';
        line += c->succeeded() ? "ok" : "failed";
        line += '\t';
        line += escaped(c->data());
        line += '\n';
        if (file.write(line) != line.size()) {
            if (error)
                *error = QStringLiteral("Cannot write %1: %2").arg(path, file.errorString());
            file.cancelWriting();
            return false;
        }
    }
    if (!file.commit()) {
        if (error)
            *error = QStringLiteral("Cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}
