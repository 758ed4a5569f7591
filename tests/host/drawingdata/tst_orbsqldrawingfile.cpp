// Drawing files on disk: what is written must come back after a reopen, removals must hit the
// records that match by content, and bad or read-only files must refuse cleanly. Every check
// reads the file again (a new connection) or compares against the file's own listing, so an
// implementation that only changes objects in memory fails here.

#include "drawingdata/iorbcatalog.h"
#include "drawingdata/iorbdatastore.h"
#include "drawingdata/iorbdrawingfile.h"
#include "drawingdata/iorbdrawingfileobserver.h"
#include "drawingdata/iorbdrawingservice.h"
#include "drawingdata/iorbdrawset.h"
#include "drawingdata/iorbdrawsettype.h"
#include "drawingdata/orbdatafaults.h"
#include "drawingdata/orbdrawingdatautils.h"
#include "drawingdata/orbdrawingservice.h"
#include "drawingdata/orbsqldrawingfile.h"
#include "sample/orbdrawingfilebuilder.h"
#include "sample/orbdrawsetwalk.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {
// Two types (orders 1 and 0, so "B" lists first) with three and one drawsets.
bool buildSample(const QString& path)
{
    OrbDrawingFileBuilder b(path);
    if (!b.create({5020, 5021}, 3))
        return false;
    const int a = b.addType(5020, QStringLiteral("A"), 1);
    const int bt = b.addType(5021, QStringLiteral("B"), 0);
    auto drawset = [](const QString& name, int order) {
        OrbDrawsetDef d;
        d.name = name;
        d.orderNum = order;
        d.codes.append({QStringLiteral("D"), QStringLiteral("d1"), QStringLiteral("内径")});
        d.fields.append({QStringLiteral("Weight"), QStringLiteral("重量")});
        return d;
    };
    return b.addDrawset(a, drawset(QStringLiteral("a2"), 2)) > 0 && b.addDrawset(a, drawset(QStringLiteral("a0"), 0)) > 0
           && b.addDrawset(a, drawset(QStringLiteral("a0bis"), 0)) > 0
           && b.addDrawset(bt, drawset(QStringLiteral("b"), 0)) > 0 && b.commit();
}

// Each notification as one line: "kind:name" per change, names read when told.
class Recorder : public IOrbDrawingFileObserver
{
public:
    void drawingFileChanged(IOrbDrawingFile*, const QList<OrbDrawingChange>& changes) override
    {
        static const char* kinds[] = {"added", "removed", "renamed", "reordered"};
        QStringList line;
        for (const OrbDrawingChange& c : changes) {
            QString name;
            if (c.drawset)
                c.drawset->name(name);
            else
                c.type->name(name);
            line << QLatin1String(kinds[c.kind]) + QLatin1Char(':') + name;
        }
        log << line.join(QLatin1Char(','));
    }
    QStringList log;
};
} // namespace

class tst_OrbSqlDrawingFile : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        orbdatafaults::reset();
        m_path = m_dir.filePath(QStringLiteral("sample%1.orbdwg").arg(++m_counter));
        QVERIFY(buildSample(m_path));
    }

    void displayOrderAndContent()
    {
        bool ok = false;
        auto file = OrbDrawingDataUtils::createDrawingFile(m_path, &ok);
        QVERIFY(ok && file);
        QCOMPARE(orbdrawsetwalk::outline(file.data()), QStringLiteral("B:b;A:a0,a0bis,a2"));
        QSet<int> types;
        file->elementTypes(types);
        QCOMPARE(types, (QSet<int>{5020, 5021}));
        IOrbDrawset* a2 = orbdrawsetwalk::find(file.data(), QStringLiteral("a2"));
        QVERIFY(a2);
        QCOMPARE(a2->drawingFile(), file.data());
        QList<IOrbCodeEntry*> codes;
        file->codeCatalog()->getByDrawset(codes, a2);
        QCOMPARE(codes.size(), 1);
        QCOMPARE(codes.first()->alias(), QStringLiteral("d1"));
        QList<IOrbFieldEntry*> fields;
        file->fieldCatalog()->getByDrawset(fields, a2);
        QCOMPARE(fields.size(), 1);
        QCOMPARE(fields.first()->displayName(), QStringLiteral("重量"));
    }

    // Writes in nested brackets give one notification when the outermost commits, to the
    // observers of the writing object and, read back from the file, of a second object on the
    // same file; a batch whose commit fails tells nobody and is rolled back, in the objects and
    // on disk.
    void notificationPerCommittedBatch()
    {
        auto file = OrbDrawingDataUtils::createDrawingFile(m_path, nullptr);
        auto other = OrbDrawingDataUtils::createDrawingFile(m_path, nullptr);
        QVERIFY(file && other && file != other);
        Recorder mine, theirs;
        file->addObserver(&mine);
        other->addObserver(&theirs);
        IOrbDrawset* a0 = orbdrawsetwalk::find(file.data(), QStringLiteral("a0"));
        IOrbDrawset* a2 = orbdrawsetwalk::find(file.data(), QStringLiteral("a2"));
        QSharedPointer<IOrbDataStore> store = file->dataStore();
        store->beginUpdate();
        a0->beginUpdate();
        a0->setName(QStringLiteral("x"));
        a0->endUpdate();
        a2->beginUpdate();
        a2->setOrderNum(-1);
        a2->setName(QStringLiteral("y"));
        a2->endUpdate();
        QVERIFY(mine.log.isEmpty() && theirs.log.isEmpty());
        store->endUpdate();
        const QStringList told{QStringLiteral("renamed:x,reordered:y,renamed:y")};
        QCOMPARE(mine.log, told);
        QCOMPARE(theirs.log, told);
        const QString committed = orbdrawsetwalk::outline(file.data());
        QCOMPARE(orbdrawsetwalk::outline(other.data()), committed);

        orbdatafaults::failNextCommit();
        store->beginUpdate();
        a0->setName(QStringLiteral("lost"));
        QVERIFY(store->removeDrawset(orbdrawsetwalk::find(file.data(), QStringLiteral("b"))));
        store->endUpdate();
        QCOMPARE(mine.log, told);
        QCOMPARE(theirs.log, told);
        QCOMPARE(orbdrawsetwalk::outline(file.data()), committed);
        QCOMPARE(orbdrawsetwalk::outline(OrbSqlDrawingFile::open(m_path, OrbSqlDrawingFile::OpenMode::ReadOnly, nullptr).data()),
                 committed);

        file->removeObserver(&mine);
        other->removeObserver(&theirs);
    }

    // A file the process may not write (the read-only mark takes the same path: its being read
    // is pinned by tst_orbdrawingchecktreewidget readOnlySourceGivesEditableCopy).
    void readOnlyRefusesWrites()
    {
        auto file = OrbSqlDrawingFile::open(m_path, OrbSqlDrawingFile::OpenMode::ReadOnly, nullptr);
        QVERIFY(file);
        QVERIFY(!file->isEditable());
        const QString before = orbdrawsetwalk::outline(file.data());
        IOrbDrawset* a0 = orbdrawsetwalk::find(file.data(), QStringLiteral("a0"));
        QList<IOrbDrawsetType*> types;
        file->drawsetTypes()->getAll(types, true);
        file->dataStore()->beginUpdate();
        a0->setName(QStringLiteral("x"));
        a0->setOrderNum(9);
        types.first()->setName(QStringLiteral("y"));
        QVERIFY(!file->dataStore()->removeDrawset(a0));
        QVERIFY(!file->dataStore()->removeDrawsetType(types.first()));
        file->dataStore()->endUpdate();
        QCOMPARE(orbdrawsetwalk::outline(file.data()), before);
        file.reset();
        auto reopened = OrbSqlDrawingFile::open(m_path, OrbSqlDrawingFile::OpenMode::ReadOnly, nullptr);
        QCOMPARE(orbdrawsetwalk::outline(reopened.data()), before);
    }

    void badFilesGiveNull_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("missing") << "missing";
        QTest::newRow("garbled pages") << "garbled";
    }

    void badFilesGiveNull()
    {
        QFETCH(QString, kind);
        QString path = m_dir.filePath(QStringLiteral("nothing-here.orbdwg"));
        if (kind == QLatin1String("garbled")) {
            QFile f(m_path);
            QVERIFY(f.open(QIODevice::ReadWrite) && f.size() > 4096);
            f.seek(4096 + 8);
            f.write(QByteArray(int(f.size() - 4096 - 8), '\xA5'));
            path = m_path;
        }
        bool ok = true;
        QVERIFY(OrbDrawingDataUtils::createDrawingFile(path, &ok).isNull());
        QVERIFY(!ok);
    }

    void serviceRegistry()
    {
        QTemporaryDir folder;
        for (const auto& [name, order] : {std::pair<const char*, int>{"zeta", 1}, {"alpha", 2}, {"mid", 1}}) {
            OrbDrawingFileBuilder b(folder.filePath(QString::fromLatin1(name) + QStringLiteral(".orbdwg")));
            QVERIFY(b.create({}, order));
            QVERIFY(b.commit());
        }
        QFile junk(folder.filePath(QStringLiteral("junk.orbdwg")));
        QVERIFY(junk.open(QIODevice::WriteOnly) && junk.write("not a drawing file") > 0);
        junk.close();
        OrbDrawingService service(folder.path());
        QStringList names;
        service.drawingFiles()->fileNames(names);
        QCOMPARE(names, (QStringList{QStringLiteral("mid"), QStringLiteral("zeta"), QStringLiteral("alpha")}));
        QSharedPointer<IOrbDrawingFile> a, b;
        service.drawingFiles()->openFile(a, QStringLiteral("zeta"));
        service.drawingFiles()->openFile(b, QStringLiteral("zeta"));
        QVERIFY(a);
        QCOMPARE(a.data(), b.data());
        QCOMPARE(service.drawingFiles()->findFile(QStringLiteral("zeta")), a.data());
        QString name;
        a->fileName(name);
        QCOMPARE(name, QStringLiteral("zeta"));
        service.drawingFiles()->openFile(b, QStringLiteral("junk"));
        QVERIFY(b.isNull());
        // The host can tell the user what was left out and why.
        QCOMPARE(service.skippedFiles().size(), 1);
        QVERIFY(service.skippedFiles().first().contains(QStringLiteral("junk.orbdwg")));
        QCOMPARE(service.drawingFiles()->findFile(QStringLiteral("nope")), nullptr);
    }

private:
    QTemporaryDir m_dir;
    QString m_path;
    int m_counter = 0;
};

QTEST_GUILESS_MAIN(tst_OrbSqlDrawingFile)
#include "tst_orbsqldrawingfile.moc"
