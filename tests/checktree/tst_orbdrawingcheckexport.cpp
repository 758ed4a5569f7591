// Exports of a real drawing file (SQLite) through the check tree, reopened afterwards: exactly the
// checked types and drawsets must remain, with their drawings and parameters, and the source
// file's bytes must never change. Faults injected into the file helpers and the drawing-data host
// (a target that cannot be deleted, a failed copy, a copy that cannot be opened, failing removals,
// a failing commit) and exports that cannot work (no file, no tree) must each end with false and
// no file at the target; a target that names the source itself is refused and nothing is deleted.

#include "checktree/orbdrawingchecktreenode.h"
#include "checktree/orbdrawingchecktreewidget.h"

#include "common/orbfilefaults.h"
#include "drawingdata/iorbdrawingfile.h"
#include "drawingdata/iorbdrawset.h"
#include "drawingdata/iorbdrawsettype.h"
#include "drawingdata/orbdatafaults.h"
#include "drawingdata/orbdrawingdatautils.h"
#include "sample/orbdrawingfilebuilder.h"
#include "drawingdata/orbsqldrawingfile.h"

#include <QCryptographicHash>
#include <QFile>
#include <QSignalBlocker>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray drawingOf(const QString& name)
{
    return QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha1).repeated(8);
}

// "type:drawset,drawset;type:..." of a drawing file, in display order.
QString content(IOrbDrawingFile* file)
{
    QStringList parts;
    QList<IOrbDrawsetType*> types;
    file->drawsetTypes()->getAll(types, true);
    for (IOrbDrawsetType* type : types) {
        QString typeName;
        type->name(typeName);
        QList<IOrbDrawset*> drawsets;
        file->drawsets()->getByType(drawsets, type);
        QStringList names;
        for (IOrbDrawset* ds : drawsets) {
            QString name;
            ds->name(name);
            names << name;
        }
        parts << typeName + QLatin1Char(':') + names.join(QLatin1Char(','));
    }
    return parts.join(QLatin1Char(';'));
}

// Check states of the whole tree in order, one letter per item: C, U or P.
QString states(QTreeWidget* tree)
{
    QString out;
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        const Qt::CheckState s = (*it)->checkState(0);
        out += QLatin1Char(s == Qt::Checked ? 'C' : s == Qt::Unchecked ? 'U' : 'P');
    }
    return out;
}

QTreeWidgetItem* findItem(QTreeWidget* tree, const QString& text)
{
    const QList<QTreeWidgetItem*> found = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.first();
}

} // namespace

Q_DECLARE_METATYPE(OrbDrawingCheckTreeWidget::ExportError)

class TstOrbDrawingCheckExport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void exportKeepsCheckedContent_data();
    void exportKeepsCheckedContent();
    void allCheckedIsAPlainCopyInsideBrackets();
    void readOnlySourceGivesEditableCopy();
    void faults_data();
    void faults();

private:
    bool buildSample(const QString& path);
    // Applies "-name" (uncheck) and "~name" (uncheck without the tree noticing) to the tree.
    void applyUnchecks(const QStringList& unchecks);

    QTemporaryDir m_dir;
    QString m_source;
    QString m_target;
    QByteArray m_sourceBytes;
    QSharedPointer<IOrbDrawingFile> m_file;
    OrbDrawingCheckTreeWidget* m_tree = nullptr;
};

bool TstOrbDrawingCheckExport::buildSample(const QString& path)
{
    OrbDrawingFileBuilder builder(path);
    if (!builder.create({}))
        return false;
    const QList<QPair<QPair<QString, int>, QStringList>> types{
        {{QStringLiteral("检查井"), 5020}, {QStringLiteral("W1"), QStringLiteral("W2"), QStringLiteral("W3")}},
        {{QStringLiteral("雨水口"), 5021}, {QStringLiteral("R1"), QStringLiteral("R2")}},
        {{QStringLiteral("空类型"), 5022}, {}},
        {{QStringLiteral("集水坑"), 5030}, {QStringLiteral("P1")}},
    };
    int order = 0;
    for (const auto& t : types) {
        const int typeId = builder.addType(t.first.second, t.first.first, order++);
        if (typeId < 0)
            return false;
        int dsOrder = 0;
        for (const QString& name : t.second) {
            OrbDrawsetDef def;
            def.name = name;
            def.orderNum = dsOrder++;
            def.drawing = drawingOf(name);
            for (const char* code : {"H", "D"}) {
                OrbParamDef p;
                p.code = QString::fromLatin1(code);
                p.name = name + p.code;
                p.defaultValue = QString::number(100 * dsOrder);
                p.vdId = dsOrder;
                def.params << p;
            }
            if (builder.addDrawset(typeId, def) < 0)
                return false;
        }
    }
    return builder.commit();
}

void TstOrbDrawingCheckExport::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_source = m_dir.filePath(QStringLiteral("sample.orbdwg"));
    m_target = m_dir.filePath(QStringLiteral("export.orbdwg"));
    QVERIFY(buildSample(m_source));
    m_sourceBytes = fileBytes(m_source);
    QVERIFY(!m_sourceBytes.isEmpty());
}

void TstOrbDrawingCheckExport::init()
{
    orbfilefaults::reset();
    orbdatafaults::reset();
    QFile::remove(m_target);
    m_file = OrbDrawingDataUtils::createDrawingFile(m_source, nullptr);
    QVERIFY(m_file);
    m_tree = new OrbDrawingCheckTreeWidget;
    m_tree->setDrawSetFile(m_file);
    QCOMPARE(content(m_file.data()), QStringLiteral("检查井:W1,W2,W3;雨水口:R1,R2;空类型:;集水坑:P1"));
}

void TstOrbDrawingCheckExport::cleanup()
{
    orbfilefaults::reset();
    orbdatafaults::reset();
    delete m_tree;
    m_tree = nullptr;
    m_file.reset();
    // Whatever happened, the source is as it was built.
    QCOMPARE(fileBytes(m_source), m_sourceBytes);
}

void TstOrbDrawingCheckExport::applyUnchecks(const QStringList& unchecks)
{
    for (const QString& u : unchecks) {
        QTreeWidgetItem* item = findItem(m_tree, u.mid(1));
        QVERIFY2(item, qPrintable(u));
        if (u.startsWith(QLatin1Char('~'))) {
            const QSignalBlocker blocker(m_tree->model());
            item->setCheckState(0, Qt::Unchecked);
        } else {
            item->setCheckState(0, Qt::Unchecked);
        }
    }
}

void TstOrbDrawingCheckExport::exportKeepsCheckedContent_data()
{
    QTest::addColumn<QStringList>("unchecks");
    QTest::addColumn<QString>("typeState"); // state of 检查井 before the export
    QTest::addColumn<QString>("expected");

    QTest::newRow("an unchecked type goes with its drawsets")
        << QStringList{"-雨水口"} << "C" << "检查井:W1,W2,W3;空类型:;集水坑:P1";
    QTest::newRow("a partially checked type keeps its checked drawsets")
        << QStringList{"-W2"} << "P" << "检查井:W1,W3;雨水口:R1,R2;空类型:;集水坑:P1";
    QTest::newRow("a checked type with unchecked drawsets stays")
        << QStringList{"~W1", "~W3"} << "C" << "检查井:W2;雨水口:R1,R2;空类型:;集水坑:P1";
    QTest::newRow("an unchecked empty type goes")
        << QStringList{"-空类型"} << "C" << "检查井:W1,W2,W3;雨水口:R1,R2;集水坑:P1";
    QTest::newRow("every drawset of a type unchecked removes the type")
        << QStringList{"-R1", "-R2"} << "C" << "检查井:W1,W2,W3;空类型:;集水坑:P1";
    QTest::newRow("a mix across types") << QStringList{"-W1", "-集水坑", "-R2"} << "P" << "检查井:W2,W3;雨水口:R1;空类型:";
    QTest::newRow("nothing checked") << QStringList{"-全部"} << "U" << "";
}

void TstOrbDrawingCheckExport::exportKeepsCheckedContent()
{
    QFETCH(QStringList, unchecks);
    QFETCH(QString, typeState);
    QFETCH(QString, expected);

    applyUnchecks(unchecks);
    const Qt::CheckState wellState = findItem(m_tree, QStringLiteral("检查井"))->checkState(0);
    QCOMPARE(QString(QLatin1Char(wellState == Qt::Checked ? 'C' : wellState == Qt::Unchecked ? 'U' : 'P')), typeState);
    // An earlier export at the target is replaced, not appended to.
    QFile old(m_target);
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("an older export") > 0);
    old.close();

    QVERIFY(m_tree->exportDatatoFile(m_target));
    QVERIFY(!m_tree->isEnabled());
    QCOMPARE(findItem(m_tree, QStringLiteral("检查井"))->checkState(0), wellState);
    QCOMPARE(m_tree->drawingFile(), m_file);

    bool ok = false;
    QSharedPointer<IOrbDrawingFile> result = OrbDrawingDataUtils::createDrawingFile(m_target, &ok);
    QVERIFY(ok && result);
    QCOMPARE(content(result.data()), expected);

    // What remains carries its own drawing and parameters.
    auto* sqlResult = dynamic_cast<OrbSqlDrawingFile*>(result.data());
    QVERIFY(sqlResult);
    QList<IOrbDrawsetType*> types;
    result->drawsetTypes()->getAll(types, true);
    for (IOrbDrawsetType* type : types) {
        QList<IOrbDrawset*> drawsets;
        result->drawsets()->getByType(drawsets, type);
        for (IOrbDrawset* ds : drawsets) {
            QString name;
            ds->name(name);
            QCOMPARE(ds->vectorDrawingData(), drawingOf(name));
            OrbDrawsetDef def;
            QVERIFY(sqlResult->drawsetDefinition(ds, def));
            QCOMPARE(def.params.size(), 2);
            QCOMPARE(def.params.at(0).code, QStringLiteral("H"));
            QCOMPARE(def.params.at(1).name, name + QStringLiteral("D"));
        }
    }
}

void TstOrbDrawingCheckExport::allCheckedIsAPlainCopyInsideBrackets()
{
    // The copy's store must still open and close its batch: a failing commit armed here is
    // consumed only by an outermost endUpdate that follows a beginUpdate.
    orbdatafaults::failNextCommit(1);
    QVERIFY(m_tree->exportDatatoFile(m_target));
    QVERIFY(!orbdatafaults::takeCommitFault());
    QCOMPARE(fileBytes(m_target), m_sourceBytes);
    QVERIFY(!m_tree->isEnabled());
}

void TstOrbDrawingCheckExport::readOnlySourceGivesEditableCopy()
{
    // The copy used to inherit the source's read-only mark, so every removal was refused.
    const QString source = m_dir.filePath(QStringLiteral("locked.orbdwg"));
    QVERIFY(QFile::copy(m_source, source));
    QVERIFY(OrbDrawingFileBuilder::setReadOnlyMark(source, true));
    const QByteArray bytes = fileBytes(source);
    QSharedPointer<IOrbDrawingFile> file = OrbDrawingDataUtils::createDrawingFile(source, nullptr);
    QVERIFY(file && !file->isEditable());
    m_tree->setDrawSetFile(file);
    applyUnchecks({"-雨水口"});
    QVERIFY(m_tree->exportDatatoFile(m_target));
    QSharedPointer<IOrbDrawingFile> result = OrbDrawingDataUtils::createDrawingFile(m_target, nullptr);
    QVERIFY(result && result->isEditable());
    QCOMPARE(content(result.data()), QStringLiteral("检查井:W1,W2,W3;空类型:;集水坑:P1"));
    m_tree->setDrawSetFile(m_file);
    file.reset();
    QCOMPARE(fileBytes(source), bytes);
    QVERIFY(!OrbDrawingDataUtils::createDrawingFile(source, nullptr)->isEditable());
}

void TstOrbDrawingCheckExport::faults_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("target"); // "" the usual target; "@..." a name of the source itself
    QTest::addColumn<bool>("targetExists");
    QTest::addColumn<bool>("removalRan"); // the tree is disabled once removal starts
    QTest::addColumn<OrbDrawingCheckTreeWidget::ExportError>("error");
    QTest::addColumn<QString>("item"); // the type or drawset the reason names

    QTest::newRow("existing target cannot be deleted") << "delete" << "" << true << false << OrbDrawingCheckTreeWidget::DeleteTargetError << "";
    QTest::newRow("copy fails") << "copy" << "" << false << false << OrbDrawingCheckTreeWidget::CopyError << "";
    QTest::newRow("copy cannot be opened") << "open" << "" << true << false << OrbDrawingCheckTreeWidget::OpenCopyError << "";
    QTest::newRow("removal fails first") << "removal1" << "" << false << true << OrbDrawingCheckTreeWidget::RemoveDrawsetError << "W2";
    QTest::newRow("removal fails in the middle") << "removal2" << "" << true << true << OrbDrawingCheckTreeWidget::RemoveTypeError << "雨水口";
    QTest::newRow("removal fails last") << "removal3" << "" << false << true << OrbDrawingCheckTreeWidget::RemoveTypeError << "集水坑";
    QTest::newRow("commit fails") << "commit" << "" << false << true << OrbDrawingCheckTreeWidget::CommitError << "";
    QTest::newRow("no drawing file") << "nullfile" << "" << true << false << OrbDrawingCheckTreeWidget::NoSourceError << "";
    QTest::newRow("before the first refresh") << "fresh" << "" << false << false << OrbDrawingCheckTreeWidget::NoSourceError << "";
    QTest::newRow("tree cleared by the host") << "cleared" << "" << true << false << OrbDrawingCheckTreeWidget::NoSourceError << "";
    QTest::newRow("target is the source") << "" << "@same" << true << false << OrbDrawingCheckTreeWidget::SameFileError << "";
    QTest::newRow("target is the source, relative") << "" << "@relative" << true << false << OrbDrawingCheckTreeWidget::SameFileError << "";
    QTest::newRow("target is the source, through ..") << "" << "@dotdot" << true << false << OrbDrawingCheckTreeWidget::SameFileError << "";
    QTest::newRow("target is a link to the source") << "" << "@link" << true << false << OrbDrawingCheckTreeWidget::SameFileError << "";
}

void TstOrbDrawingCheckExport::faults()
{
    QFETCH(QString, fault);
    QFETCH(QString, target);
    QFETCH(bool, targetExists);
    QFETCH(bool, removalRan);
    QFETCH(OrbDrawingCheckTreeWidget::ExportError, error);
    QFETCH(QString, item);

    // Three removals in tree order: drawset W2, type 雨水口, type 集水坑 (its only drawset is off).
    applyUnchecks({"-雨水口", "-W2", "-P1"});
    const QString checks = states(m_tree);
    QString targetPath = m_target;
    if (target == QLatin1String("@same")) {
        targetPath = m_source;
    } else if (target == QLatin1String("@relative")) {
        targetPath = QDir::current().relativeFilePath(m_source);
    } else if (target == QLatin1String("@dotdot")) {
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("sub")));
        targetPath = m_dir.filePath(QStringLiteral("sub/../sample.orbdwg"));
    } else if (target == QLatin1String("@link")) {
        targetPath = m_dir.filePath(QStringLiteral("link.orbdwg"));
        QFile::remove(targetPath);
        QVERIFY(QFile::link(m_source, targetPath));
    } else if (targetExists) {
        QFile old(m_target);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("an older export") > 0);
    }
    if (fault == QLatin1String("delete"))
        orbfilefaults::failNext(orbfilefaults::Op::Delete);
    else if (fault == QLatin1String("copy"))
        orbfilefaults::failNext(orbfilefaults::Op::Copy);
    else if (fault == QLatin1String("open"))
        orbdatafaults::failNextCreateDrawingFile(1);
    else if (fault.startsWith(QLatin1String("removal")))
        orbdatafaults::failRemoval(fault.right(1).toInt());
    else if (fault == QLatin1String("commit"))
        orbdatafaults::failNextCommit(1);
    else if (fault == QLatin1String("nullfile"))
        m_tree->setDrawSetFile(nullptr);
    else if (fault == QLatin1String("cleared"))
        m_tree->clear();
    OrbDrawingCheckTreeWidget fresh;
    fresh.setObjectName(QStringLiteral("fresh"));
    OrbDrawingCheckTreeWidget* tree = fault == QLatin1String("fresh") ? &fresh : m_tree;

    QVERIFY(!tree->exportDatatoFile(targetPath));
    QCOMPARE(tree->exportError(), error);
    QVERIFY(tree->exportErrorString().contains(item) && !tree->exportErrorString().isEmpty());
    QCOMPARE(fileBytes(m_source), m_sourceBytes);
    QCOMPARE(tree->isEnabled(), !removalRan);
    // The source file object and the user's checks are untouched as well.
    QCOMPARE(content(m_file.data()), QStringLiteral("检查井:W1,W2,W3;雨水口:R1,R2;空类型:;集水坑:P1"));
    if (!fault.isEmpty() && fault != QLatin1String("nullfile") && fault != QLatin1String("cleared"))
        QCOMPARE(states(m_tree), checks);
    if (!target.isEmpty()) {
        QVERIFY(QFileInfo::exists(targetPath)); // refused: nothing deleted
        return;
    }
    QVERIFY(!QFileInfo::exists(m_target));
    if (tree != m_tree || fault == QLatin1String("nullfile") || fault == QLatin1String("cleared"))
        return;

    // Without the fault the same export succeeds: the failure left nothing in the way.
    orbfilefaults::reset();
    orbdatafaults::reset();
    QVERIFY(m_tree->exportDatatoFile(m_target));
    QCOMPARE(m_tree->exportError(), OrbDrawingCheckTreeWidget::NoError);
    QSharedPointer<IOrbDrawingFile> result = OrbDrawingDataUtils::createDrawingFile(m_target, nullptr);
    QVERIFY(result);
    QCOMPARE(content(result.data()), QStringLiteral("检查井:W1,W3;空类型:"));
}

QTEST_MAIN(TstOrbDrawingCheckExport)
#include "tst_orbdrawingcheckexport.moc"
