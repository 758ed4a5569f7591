// The drawing tree on a real drawing file of the sample library: a rename and a reorder made in
// the tree must be in the file when it is opened again, which fails if the tree skips the
// host's update brackets or writes order numbers that do not match the rows.

#include "drawingtree/orbdrawingtreenode.h"
#include "drawingtree/orbdrawingtreewidget.h"

#include "drawingdata/iorbdrawingfile.h"
#include "drawingdata/orbdrawingdatautils.h"
#include "sample/orbsamplelibrary.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace {
QString treeText(OrbDrawingTreeWidget& tree)
{
    QStringList types;
    for (OrbDrawingTreeNode* type = tree.getFirstNode(nullptr); type; type = type->nextNode()) {
        QStringList children;
        for (OrbDrawingTreeNode* d = tree.getFirstNode(type); d; d = d->nextNode())
            children << d->text();
        types << type->text() + QLatin1Char('(') + children.join(QLatin1Char(',')) + QLatin1Char(')');
    }
    return types.join(QLatin1Char(' '));
}
} // namespace

class tst_OrbDrawingTreeFile : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void renameAndReorderPersist();

private:
    QTemporaryDir m_dir;
    QString m_path;
};

void tst_OrbDrawingTreeFile::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QString error;
    QVERIFY2(OrbSampleLibrary::generate(m_dir.path(), &error), qPrintable(error));
    const QStringList files = QDir(m_dir.path()).entryList({QStringLiteral("*.orbdwg")}, QDir::Files, QDir::Name);
    QVERIFY(!files.isEmpty());
    m_path = QDir(m_dir.path()).filePath(files.first());
}

void tst_OrbDrawingTreeFile::renameAndReorderPersist()
{
    bool ok = false;
    QSharedPointer<IOrbDrawingFile> file = OrbDrawingDataUtils::createDrawingFile(m_path, &ok);
    QVERIFY(ok && file && file->isEditable());

    OrbDrawingTreeWidget tree;
    tree.setDrawingFile(file);
    OrbDrawingTreeNode* firstType = tree.getFirstNode(nullptr);
    QVERIFY(firstType && firstType->nextNode());
    OrbDrawingTreeNode* drawset = tree.getFirstNode(firstType);
    QVERIFY(drawset && drawset->nextNode());
    const QString before = treeText(tree);

    // Rename the way the in-place editor commits, then move the drawset and its type down.
    QVERIFY(tree.model()->setData(drawset->index(), QStringLiteral("改名的检查井"), Qt::EditRole));
    tree.moveDownNode(drawset);
    tree.moveDownNode(firstType);
    tree.fixNodeOrderNum();
    const QString after = treeText(tree);
    QVERIFY(after != before);
    QVERIFY(after.contains(QStringLiteral("改名的检查井")));

    tree.setDrawingFile({});
    file.reset();
    file = OrbDrawingDataUtils::createDrawingFile(m_path, &ok);
    QVERIFY(ok && file);
    OrbDrawingTreeWidget reopened;
    reopened.setDrawingFile(file);
    QCOMPARE(treeText(reopened), after);
}

QTEST_MAIN(tst_OrbDrawingTreeFile)
#include "tst_orbdrawingtreefile.moc"
