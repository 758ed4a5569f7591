// Demo page "drawingtree": the first drawing file of the sample library in two trees, one with
// every drawset and the grade placeholder filled in, one filtered to sewage wells.

#include "demolibrary.h"
#include "demopage.h"

#include "drawingtree/orbdrawingtreenode.h"
#include "drawingtree/orbdrawingtreewidget.h"

#include "drawingdata/iorbdrawingfile.h"
#include "drawingdata/iorbdrawingservice.h"
#include "drawingdata/orbdrawingservice.h"
#include "drawingdata/orbsqldrawingfile.h"

#include <QGridLayout>
#include <QLabel>
#include <QWidget>

namespace {
OrbDrawingTreeWidget* addTree(QGridLayout* layout, int column, const QString& caption)
{
    QWidget* page = layout->parentWidget();
    layout->addWidget(new QLabel(caption, page), 0, column);
    auto* tree = new OrbDrawingTreeWidget(page);
    tree->setObjectName(QStringLiteral("drawingTree%1").arg(column));
    layout->addWidget(tree, 1, column);
    QMap<QString, QString> params{{QStringLiteral("grade"), QStringLiteral("C30")}};
    tree->setDisplayParams(params);
    return tree;
}

QWidget* createPage(const DemoContext& context)
{
    OrbDrawingService* service = demolibrary::service(context);
    QStringList names;
    service->drawingFiles()->fileNames(names);
    if (names.isEmpty())
        return nullptr;
    QSharedPointer<IOrbDrawingFile> file;
    service->drawingFiles()->openFile(file, names.first());
    if (!file)
        return nullptr;

    auto* page = new QWidget;
    auto* layout = new QGridLayout(page);

    OrbDrawingTreeWidget* all = addTree(layout, 0, names.first() + QStringLiteral(": all drawsets"));
    all->setDrawingFile(file);
    all->expandAll();
    if (OrbDrawingTreeNode* type = all->getFirstNode(nullptr))
        all->setFocusNode(all->getFirstNode(type));

    OrbDrawingTreeWidget* sewage = addTree(layout, 1, QStringLiteral("sewage wells of element type 5020"));
    sewage->setVisibleEntSet({5020});
    sewage->setWellIsSewageType(true);
    sewage->setDrawingFile(file);
    sewage->expandAll();

    // A rename refused because another client changed the drawset first is said here.
    auto* refused = new QLabel(page);
    refused->setObjectName(QStringLiteral("refusedSave"));
    refused->setStyleSheet(QStringLiteral("QLabel { color: #b00020; }"));
    layout->addWidget(refused, 2, 0, 1, 2);
    if (auto* sqlFile = dynamic_cast<OrbSqlDrawingFile*>(file.data())) {
        for (OrbDrawingTreeWidget* tree : {all, sewage}) {
            QObject::connect(tree->model(), &QAbstractItemModel::dataChanged, refused,
                             [refused, sqlFile] { refused->setText(sqlFile->lastError()); });
        }
    }

    page->resize(640, 460);
    return page;
}
} // namespace

ORB_DEMO_PAGE(drawingtree, QStringLiteral("drawingtree"), QStringLiteral("Drawing tree"), 40, createPage);
