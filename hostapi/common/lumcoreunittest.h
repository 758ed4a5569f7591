#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QSharedPointer>
#include <QString>
#include <QStringList>
#include <QWeakPointer>

// One recorded user action: a named case, the three describing texts it was started with, the
// case it was started under, and the bytes it was committed with.
class LumTestCase
{
public:
    LumTestCase(const QString& name, const QString& caption, const QString& module,
                const QString& expected, const QSharedPointer<LumTestCase>& parent);

    QString name() const { return m_name; }
    QString caption() const { return m_caption; }
    QString module() const { return m_module; }
    QString expected() const { return m_expected; }
    QSharedPointer<LumTestCase> parent() const { return m_parent.toStrongRef(); }
    // The name of the case this one was started under ("" for a top-level case).
    QString parentName() const { return m_parentName; }
    QByteArray data() const { return m_data; }
    bool succeeded() const { return m_succeeded; }
    bool isCommitted() const { return m_committed; }
    QDateTime startedAt() const { return m_startedAt; }

private:
    friend class LumCoreUnitTest;
    QString m_name;
    QString m_caption;
    QString m_module;
    QString m_expected;
    QWeakPointer<LumTestCase> m_parent;
    QString m_parentName;
    QByteArray m_data;
    bool m_succeeded = false;
    bool m_committed = false;
    QDateTime m_startedAt;
};

// The process-wide action recorder. While it is active (and not replaying, isTesting), widgets
// record the user's confirmed actions as test cases: startTestCase opens a case under the current
// one, commitTestCase stores it with its bytes and returns to the case it was started under.
// Committed cases stay in memory in commit order and can be written to a file.
class LumCoreUnitTest
{
public:
    static LumCoreUnitTest* instance();

    // Replaying recorded cases: nothing is recorded meanwhile.
    bool isTesting() const { return m_testing; }
    void setTesting(bool testing) { m_testing = testing; }
    // Recording switched on.
    bool isActive() const { return m_active; }
    void setActive(bool active) { m_active = active; }

    // Which case names are recorded: wildcard patterns (case-sensitive); an empty filter records
    // every case. module, when not empty, must equal the module filter if one is set.
    void setCaseFilter(const QStringList& patterns, const QString& module = QString());
    bool isTestCaseMatched(const QString& name, const QString& module) const;

    // The case being recorded, or null.
    QSharedPointer<LumTestCase> currentTestCase() const { return m_current; }
    // Opens a case under parent (may be null) and makes it current.
    QSharedPointer<LumTestCase> startTestCase(const QString& name, const QString& caption,
                                              const QString& module, const QString& expected,
                                              const QSharedPointer<LumTestCase>& parent);
    // Commits the current case with data. With close true the case it was started under becomes
    // current again; otherwise it stays current. False when no case is open.
    bool commitTestCase(const QByteArray& data, bool succeeded, bool close);

    QList<QSharedPointer<LumTestCase>> committedCases() const { return m_committed; }
    // Forgets every committed and open case; the switches and the filter stay.
    void clear();
    // Writes the committed cases to path as UTF-8 lines "name<TAB>parent<TAB>ok|failed<TAB>data"
    // (tabs, newlines and backslashes in the fields escaped). The file is replaced atomically;
    // false with a reason in error when it cannot be written (the old file is then kept).
    bool saveToFile(const QString& path, QString* error = nullptr) const;

private:
    LumCoreUnitTest() = default;
    bool m_testing = false;
    bool m_active = false;
    QStringList m_patterns;
    QString m_module;
    QSharedPointer<LumTestCase> m_current;
    QList<QSharedPointer<LumTestCase>> m_committed;
};
