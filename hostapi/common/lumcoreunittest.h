#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QSharedPointer>
#include <QString>
#include <QStringList>
#include <QWeakPointer>

/// One recorded user action: a named case, the three describing texts it was started with, the
/// case it was started under, and the bytes it was committed with. The library only passes cases
/// on (LumCoreUnitTest::currentTestCase to LumCoreUnitTest::startTestCase); the getters serve the
/// host that replays or stores them.
class LumTestCase
{
public:
    /// A case as LumCoreUnitTest::startTestCase opens it.
    LumTestCase(const QString& name, const QString& caption, const QString& module,
                const QString& expected, const QSharedPointer<LumTestCase>& parent);

    /// The case name, for example "Orb_Drawing_Set_Edit".
    QString name() const { return m_name; }
    /// The caption it was started with.
    QString caption() const { return m_caption; }
    /// The module it was started with.
    QString module() const { return m_module; }
    /// The expected result text it was started with.
    QString expected() const { return m_expected; }
    /// The case it was started under, or null (also once that case is gone).
    QSharedPointer<LumTestCase> parent() const { return m_parent.toStrongRef(); }
    /// The name of the case this one was started under ("" for a top-level case).
    QString parentName() const { return m_parentName; }
    /// The bytes it was committed with (empty before the commit).
    QByteArray data() const { return m_data; }
    /// The success flag it was committed with.
    bool succeeded() const { return m_succeeded; }
    /// True once the case was committed.
    bool isCommitted() const { return m_committed; }
    /// When the case was started.
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

/// The process-wide action recorder. While it is active (and not replaying, isTesting), widgets
/// record the user's confirmed actions as test cases: startTestCase opens a case under the current
/// one, commitTestCase stores it with its bytes and returns to the case it was started under.
/// Committed cases stay in memory in commit order and can be written to a file.
///
/// The editor form records each confirmed parameter edit as an "Orb_Drawing_Set_Edit" case with
/// the bytes "drawingID|code|value", when the filter matches "Orb_Model_Prop_Edit_Value". The
/// switches, the filter and the stored cases are the host's side: the library only reads the
/// switches and records.
class LumCoreUnitTest
{
public:
    /// The process-wide recorder; the library treats null as "not recording".
    static LumCoreUnitTest* instance();

    /// Replaying recorded cases: nothing is recorded meanwhile. Read before every recording.
    bool isTesting() const { return m_testing; }
    /// Host side: switches replaying on or off. The library does not call it.
    void setTesting(bool testing) { m_testing = testing; }
    /// Recording switched on. Read before every recording.
    bool isActive() const { return m_active; }
    /// Host side: switches recording on or off. The library does not call it.
    void setActive(bool active) { m_active = active; }

    /// Host side: which case names are recorded, as wildcard patterns (case-sensitive); an empty
    /// filter records every case. module, when not empty, must equal the module asked for.
    void setCaseFilter(const QStringList& patterns, const QString& module = QString());
    /// Whether a case of that name (and module, may be empty) is to be recorded; the editor form
    /// records nothing when this answers false.
    bool isTestCaseMatched(const QString& name, const QString& module) const;

    /// The case being recorded, or null. The editor form starts its case under it.
    QSharedPointer<LumTestCase> currentTestCase() const { return m_current; }
    /// Opens a case under parent (may be null) and makes it current; the library ignores the
    /// answer and commits right after.
    QSharedPointer<LumTestCase> startTestCase(const QString& name, const QString& caption,
                                              const QString& module, const QString& expected,
                                              const QSharedPointer<LumTestCase>& parent);
    /// Commits the current case with data. With close true (the library always closes) the case
    /// it was started under becomes current again; otherwise it stays current. False when no case
    /// is open; the library ignores the answer.
    bool commitTestCase(const QByteArray& data, bool succeeded, bool close);

    /// Host side: the committed cases in commit order.
    QList<QSharedPointer<LumTestCase>> committedCases() const { return m_committed; }
    /// Host side: forgets every committed and open case; the switches and the filter stay.
    void clear();
    /// Host side: writes the committed cases to path as UTF-8 lines
    /// "name<TAB>parent<TAB>ok|failed<TAB>data" (tabs, newlines and backslashes in the fields
    /// escaped). The file is replaced atomically; false with a reason in error when it cannot be
    /// written (the old file is then kept).
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
