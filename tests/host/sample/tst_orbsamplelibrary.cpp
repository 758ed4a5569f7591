// The sample drawing library that the demo and the widget tests run on: it must hold the files,
// element types, well keys and placeholders the widgets are exercised with, and every drawset's
// drawing must carry its parameters' default values in the texts the definitions name, since
// the editor reads defaults from those texts.

#include "drawingdata/iorbdrawingfile.h"
#include "drawingdata/iorbdrawingservice.h"
#include "drawingdata/iorbdrawset.h"
#include "drawingdata/orbdrawingservice.h"
#include "drawingdata/orbformulaprocessor.h"
#include "sample/orbdrawsetwalk.h"
#include "sample/orbsamplelibrary.h"
#include "engine/zvdentity.h"
#include "engine/zvectordrawing.h"
#include "vectordrawing/orbvectordrawingutils.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class tst_OrbSampleLibrary : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QString error;
        m_folder = OrbSampleLibrary::ensure(m_dir.filePath(QStringLiteral("lib")), &error);
        QVERIFY2(!m_folder.isEmpty(), qPrintable(error));
        m_service.reset(new OrbDrawingService(m_folder));
    }

    // Each drawset's drawing loads, and every property on it shows the value the processor
    // starts with (derived ones the calculated value).
    void drawingsShowDefaults()
    {
        int filtered = 0, hidden = 0; // the tree's filters need both kinds
        for (IOrbDrawset* s : orbdrawsetwalk::drawsets(m_service->drawingFiles())) {
            hidden += s->isVisible() ? 0 : 1;
            ZVectorDrawing drawing;
            QVERIFY(OrbVectorDrawingUtils::loadData(&drawing, s->vectorDrawingData()));
            QVERIFY(drawing.count() > 20);
            OrbFormulaProcessor processor;
            processor.setDrawset(s);
            processor.open();
            processor.calculate();
            QList<QPair<QString, QString>*> filters;
            processor.filterTables(filters);
            filtered += filters.isEmpty() ? 0 : 1;
            qDeleteAll(filters);
            int onDrawing = 0;
            for (int i = 0; i < processor.drawsetProps()->count(); ++i) {
                OrbDrawsetProp* p = processor.drawsetProps()->at(i);
                QVERIFY2(!p->value(false).isEmpty(), qPrintable(p->code()));
                if (p->vdID() < 0)
                    continue;
                auto* text = dynamic_cast<ZVDText*>(drawing.find(p->vdID()));
                QVERIFY2(text, qPrintable(p->code()));
                QCOMPARE(QString::fromStdWString(text->text()), p->value(false));
                ++onDrawing;
            }
            QCOMPARE(onDrawing, 7);
        }
        QVERIFY(filtered >= 2 && hidden >= 1);
    }

    // A second ensure() on a complete library writes nothing; a missing file brings it back.
    void ensureRegeneratesOnlyWhenIncomplete()
    {
        const QString path = m_folder + QStringLiteral("/雨水口图集.orbdwg");
        const QDateTime before = QFileInfo(path).lastModified();
        QString error;
        QCOMPARE(OrbSampleLibrary::ensure(m_folder, &error), m_folder);
        QCOMPARE(QFileInfo(path).lastModified(), before);
        const QString other = m_dir.filePath(QStringLiteral("lib2"));
        QVERIFY(!OrbSampleLibrary::ensure(other, &error).isEmpty());
        QVERIFY(QFile::remove(other + QStringLiteral("/通用图集.orbdwg")));
        QVERIFY(!OrbSampleLibrary::ensure(other, &error).isEmpty());
        QVERIFY(QFileInfo::exists(other + QStringLiteral("/通用图集.orbdwg")));
        error.clear(); // a folder that cannot be made is reported, not taken for a library
        QVERIFY(OrbSampleLibrary::ensure(QStringLiteral("/proc/orb-library"), &error).isEmpty() && !error.isEmpty());
    }

private:
    QTemporaryDir m_dir;
    QString m_folder;
    QScopedPointer<OrbDrawingService> m_service;
};

QTEST_GUILESS_MAIN(tst_OrbSampleLibrary)
#include "tst_orbsamplelibrary.moc"
