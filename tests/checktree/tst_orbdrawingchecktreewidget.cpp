// The check tree: against recording fakes, which host calls a refresh makes and in which order
// and the items it builds (roles, states, positions); on a real drawing file (SQLite), exports
// reopened afterwards: exactly the checked types and drawsets must remain, with their drawings and
// parameters, and the source file's bytes must never change. Faults injected into the file
// helpers and the drawing-data host and exports that cannot work must each end with false and no
// file at the target; a target that names the source itself is refused and nothing is deleted.

#include "checktree/orbdrawingchecktreenode.h"
#include "checktree/orbdrawingchecktreewidget.h"

#include "fakedrawingdata.h"
#include "viewtext.h"

#include "common/orbfilefaults.h"
#include "drawingdata/iorbdrawingfile.h"
#include "drawingdata/iorbdrawset.h"
#include "drawingdata/iorbdrawsettype.h"
#include "drawingdata/orbdatafaults.h"
#include "drawingdata/orbdrawingdatautils.h"
#include "drawingdata/orbsqldrawingfile.h"
#include "sample/orbdrawingfilebuilder.h"
#include "sample/orbdrawsetwalk.h"

#include <QCryptographicHash>
#include <QFile>
#include <QHeaderView>
#include <QSignalBlocker>
#include <QTemporaryDir>
#include <QtTest>

namespace {
OrbDrawingCheckTreeNode* node(QTreeWidgetItem* item)
{
    return dynamic_cast<OrbDrawingCheckTreeNode*>(item);
}

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray drawingOf(const QString& name)
{
    return QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha1).repeated(8);
}

QTreeWidgetItem* findItem(QTreeWidget* tree, const QString& text)
{
    const QList<QTreeWidgetItem*> found = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.first();
}

} // namespace

Q_DECLARE_METATYPE(OrbDrawingCheckTreeWidget::ExportError)

class tst_OrbDrawingCheckTreeWidget : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_log.clear();
        m_fake = makeFile(QStringLiteral("a.drw"));
        orbfilefaults::reset();
        orbdatafaults::reset();
        QFile::remove(m_target);
        m_file = OrbDrawingDataUtils::createDrawingFile(m_source, nullptr);
        QVERIFY(m_file);
        m_tree = new OrbDrawingCheckTreeWidget;
        m_tree->setDrawSetFile(m_file);
        QCOMPARE(orbdrawsetwalk::outline(m_file.data()), QStringLiteral("检查井:W1,W2,W3;雨水口:R1,R2;空类型:;集水坑:P1"));
    }

    void cleanup()
    {
        m_fake.reset();
        orbfilefaults::reset();
        orbdatafaults::reset();
        delete m_tree;
        m_tree = nullptr;
        m_file.reset();
        // Whatever happened, the source is as it was built.
        QCOMPARE(fileBytes(m_source), m_sourceBytes);
    }

    void setDrawSetFile_data()
    {
        QTest::addColumn<QString>("next"); // same, other, null
        QTest::addColumn<QString>("expectedStates");
        QTest::addColumn<int>("expectedGetAll");

        QTest::newRow("same object keeps the checks") << "same" << "PPUCCCC" << 1;
        QTest::newRow("another object rebuilds, all checked") << "other" << "CCCCCCC" << 2;
        QTest::newRow("null leaves the checked root alone") << "null" << "C" << 1;
    }

    void setDrawSetFile()
    {
        QFETCH(QString, next);
        QFETCH(QString, expectedStates);
        QFETCH(int, expectedGetAll);

        OrbDrawingCheckTreeWidget tree;
        tree.setDrawSetFile(m_fake);
        QCOMPARE(m_log.calls(), (QStringList{"file.getAll(true)", "file.getByType(检查井)", "file.getByType(集水坑)",
                                             "file.getByType(空类型)"}));
        // Types in file order, each with its drawsets in file order, all checked.
        QCOMPARE(checkStates(&tree, true), QStringLiteral("全部C -检查井C --砖砌圆形井C --混凝土方井C -集水坑C --方形坑C -空类型C"));
        QCOMPARE(node(tree.topLevelItem(0)), tree.rootNode());
        QVERIFY(tree.rootNode()->isExpanded() && !tree.rootNode()->child(0)->isExpanded() && tree.header()->isHidden());
        tree.rootNode()->child(0)->child(0)->setCheckState(0, Qt::Unchecked);
        QCOMPARE(checkStates(&tree), QStringLiteral("PPUCCCC"));

        QSharedPointer<FakeDrawingFile> other = makeFile(QStringLiteral("b.drw"));
        if (next == QLatin1String("same"))
            tree.setDrawSetFile(m_fake);
        else if (next == QLatin1String("other"))
            tree.setDrawSetFile(other);
        else
            tree.setDrawSetFile(nullptr);

        QCOMPARE(checkStates(&tree), expectedStates);
        QCOMPARE(m_log.count(QStringLiteral("file.getAll(true)")), expectedGetAll);
        if (next == QLatin1String("null"))
            QVERIFY(!tree.drawingFile());
    }

    void insertIndex_data()
    {
        QTest::addColumn<bool>("drawset");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("expectedPosition"); // among 3 existing children

        // Types and drawsets are placed by the same code: one row of each kind.
        QTest::newRow("type at -1 appends") << false << -1 << 3;
        QTest::newRow("drawset at 1") << true << 1 << 1;
    }

    void insertIndex()
    {
        QFETCH(bool, drawset);
        QFETCH(int, index);
        QFETCH(int, expectedPosition);

        OrbDrawingCheckTreeWidget tree;
        tree.setDrawSetFile(m_fake);
        OrbDrawingCheckTreeNode* root = tree.rootNode();
        FakeDrawsetType* type = m_fake->addType(QStringLiteral("新类型"), 5030);
        FakeDrawset* ds = m_fake->addDrawset(type, QStringLiteral("新图集"));

        OrbDrawingCheckTreeNode* added = drawset ? root->insertDrawset(ds, index) : root->insertType(type, index);
        QVERIFY(added);
        QCOMPARE(root->childCount(), 4);
        QCOMPARE(root->indexOfChild(added), expectedPosition);
        QCOMPARE(added->checkState(0), Qt::Checked);
        QCOMPARE(added->data(0, Qt::UserRole), QVariant(drawset ? 1 : 0));
        QCOMPARE(added->data(0, Qt::UserRole + 1), drawset ? QVariant(ds->id()) : QVariant());
        // Nothing is made for a missing host object.
        QVERIFY(!root->insertType(nullptr, -1));
        QVERIFY(!root->insertDrawset(nullptr, 0));
        QCOMPARE(root->childCount(), 4);
    }

    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_source = m_dir.filePath(QStringLiteral("sample.orbdwg"));
        m_target = m_dir.filePath(QStringLiteral("export.orbdwg"));
        QVERIFY(buildSample(m_source));
        m_sourceBytes = fileBytes(m_source);
        QVERIFY(!m_sourceBytes.isEmpty());
    }

    void exportKeepsCheckedContent_data()
    {
        QTest::addColumn<QStringList>("unchecks");
        QTest::addColumn<QString>("expected");

        // An unchecked type and a partly checked one: the export after each fault (faults).
        QTest::newRow("a checked type with unchecked drawsets stays")
            << QStringList{"~W1", "~W3"} << "检查井:W2;雨水口:R1,R2;空类型:;集水坑:P1";
        QTest::newRow("nothing checked") << QStringList{"-全部"} << "";
    }

    void exportKeepsCheckedContent()
    {
        QFETCH(QStringList, unchecks);
        QFETCH(QString, expected);

        applyUnchecks(unchecks);
        const QString checks = checkStates(m_tree);
        // An earlier export at the target is replaced, not appended to.
        QFile old(m_target);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("an older export") > 0);
        old.close();

        QVERIFY(m_tree->exportDatatoFile(m_target));
        QVERIFY(!m_tree->isEnabled());
        QCOMPARE(checkStates(m_tree), checks);
        QCOMPARE(m_tree->drawingFile(), m_file);

        bool ok = false;
        QSharedPointer<IOrbDrawingFile> result = OrbDrawingDataUtils::createDrawingFile(m_target, &ok);
        QVERIFY(ok && result);
        QCOMPARE(orbdrawsetwalk::outline(result.data()), expected);

        // What remains carries its own drawing and parameters.
        auto* sqlResult = dynamic_cast<OrbSqlDrawingFile*>(result.data());
        QVERIFY(sqlResult);
        for (IOrbDrawset* ds : orbdrawsetwalk::drawsets(result.data())) {
            const QString name = nameOf(ds);
            QCOMPARE(ds->vectorDrawingData(), drawingOf(name));
            OrbDrawsetDef def;
            QVERIFY(sqlResult->drawsetDefinition(ds, def));
            QCOMPARE(def.params.value(1).name, name + QStringLiteral("D"));
        }
    }

    void allCheckedIsAPlainCopyInsideBrackets()
    {
        // The copy's store must still open and close its batch: a failing commit armed here is
        // consumed only by an outermost endUpdate that follows a beginUpdate.
        orbdatafaults::failNextCommit(1);
        QVERIFY(m_tree->exportDatatoFile(m_target));
        QVERIFY(!orbdatafaults::takeCommitFault());
        QCOMPARE(fileBytes(m_target), m_sourceBytes);
        QVERIFY(!m_tree->isEnabled());
    }

    void readOnlySourceGivesEditableCopy()
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
        QCOMPARE(orbdrawsetwalk::outline(result.data()), QStringLiteral("检查井:W1,W2,W3;空类型:;集水坑:P1"));
        m_tree->setDrawSetFile(m_file);
        file.reset();
        QCOMPARE(fileBytes(source), bytes);
        QVERIFY(!OrbDrawingDataUtils::createDrawingFile(source, nullptr)->isEditable());
    }

    void faults_data()
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
        QTest::newRow("removal fails in the middle") << "removal2" << "" << true << true << OrbDrawingCheckTreeWidget::RemoveTypeError << "雨水口";
        QTest::newRow("commit fails") << "commit" << "" << false << true << OrbDrawingCheckTreeWidget::CommitError << "";
        QTest::newRow("no drawing file") << "nullfile" << "" << true << false << OrbDrawingCheckTreeWidget::NoSourceError << "";
        QTest::newRow("root taken out by the host") << "taken" << "" << true << false << OrbDrawingCheckTreeWidget::NoSourceError << "";
        QTest::newRow("tree cleared by the host") << "cleared" << "" << true << false << OrbDrawingCheckTreeWidget::NoSourceError << "";
        QTest::newRow("target is the source") << "" << "@same" << true << false << OrbDrawingCheckTreeWidget::SameFileError << "";
        QTest::newRow("target is a link to the source") << "" << "@link" << true << false << OrbDrawingCheckTreeWidget::SameFileError << "";
    }

    void faults()
    {
        QFETCH(QString, fault);
        QFETCH(QString, target);
        QFETCH(bool, targetExists);
        QFETCH(bool, removalRan);
        QFETCH(OrbDrawingCheckTreeWidget::ExportError, error);
        QFETCH(QString, item);

        // Three removals in tree order: drawset W2, type 雨水口, type 集水坑 (its only drawset is off).
        applyUnchecks({"-雨水口", "-W2", "-P1"});
        const QString checks = checkStates(m_tree);
        QString targetPath = m_target;
        if (target == QLatin1String("@same")) {
            targetPath = m_source;
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
        else if (fault == QLatin1String("taken"))
            delete m_tree->takeTopLevelItem(0);
        const bool noSource = error == OrbDrawingCheckTreeWidget::NoSourceError;

        QVERIFY(!m_tree->exportDatatoFile(targetPath));
        QCOMPARE(m_tree->exportError(), error);
        QVERIFY(m_tree->exportErrorString().contains(item) && !m_tree->exportErrorString().isEmpty());
        QCOMPARE(m_tree->isEnabled(), !removalRan);
        // The source file object and the user's checks are untouched as well.
        QCOMPARE(orbdrawsetwalk::outline(m_file.data()), QStringLiteral("检查井:W1,W2,W3;雨水口:R1,R2;空类型:;集水坑:P1"));
        if (!fault.isEmpty() && !noSource)
            QCOMPARE(checkStates(m_tree), checks);
        if (!target.isEmpty()) {
            QVERIFY(QFileInfo::exists(targetPath)); // refused: nothing deleted
            return;
        }
        QVERIFY(!QFileInfo::exists(m_target));
        if (noSource)
            return;

        // Without the fault the same export succeeds: the failure left nothing in the way.
        orbfilefaults::reset();
        orbdatafaults::reset();
        QVERIFY(m_tree->exportDatatoFile(m_target));
        QCOMPARE(m_tree->exportError(), OrbDrawingCheckTreeWidget::NoError);
        QSharedPointer<IOrbDrawingFile> result = OrbDrawingDataUtils::createDrawingFile(m_target, nullptr);
        QVERIFY(result);
        QCOMPARE(orbdrawsetwalk::outline(result.data()), QStringLiteral("检查井:W1,W3;空类型:"));
    }

private:
    QSharedPointer<FakeDrawingFile> makeFile(const QString& name)
    {
        auto file = QSharedPointer<FakeDrawingFile>::create(&m_log, name);
        FakeDrawsetType* wells = file->addType(QStringLiteral("检查井"), 5020);
        FakeDrawsetType* pits = file->addType(QStringLiteral("集水坑"), 5021);
        file->addType(QStringLiteral("空类型"), 5022);
        file->addDrawset(wells, QStringLiteral("砖砌圆形井"));
        file->addDrawset(pits, QStringLiteral("方形坑"));
        file->addDrawset(wells, QStringLiteral("混凝土方井"));
        return file;
    }
    bool buildSample(const QString& path)
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
                for (const char* code : {"H", "D"})
                    def.params << OrbParamDef::number(QLatin1String(code), name + QLatin1String(code), dsOrder,
                                                      QString::number(100 * dsOrder));
                if (builder.addDrawset(typeId, def) < 0)
                    return false;
            }
        }
        return builder.commit();
    }
    // Applies "-name" (uncheck) and "~name" (uncheck without the tree noticing) to the tree.
    void applyUnchecks(const QStringList& unchecks)
    {
        for (const QString& u : unchecks) {
            QTreeWidgetItem* item = findItem(m_tree, u.mid(1));
            QVERIFY2(item, qPrintable(u));
            const QSignalBlocker blocker(u.startsWith(QLatin1Char('~')) ? m_tree->model() : nullptr);
            item->setCheckState(0, Qt::Unchecked);
        }
    }

    FakeLog m_log;
    QSharedPointer<FakeDrawingFile> m_fake;
    QTemporaryDir m_dir;
    QString m_source;
    QString m_target;
    QByteArray m_sourceBytes;
    QSharedPointer<IOrbDrawingFile> m_file;
    OrbDrawingCheckTreeWidget* m_tree = nullptr;
};

QTEST_MAIN(tst_OrbDrawingCheckTreeWidget)
#include "tst_orbdrawingchecktreewidget.moc"
