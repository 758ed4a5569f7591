// Demo page "checktree": the checkable drawing tree on a sample drawing file, with an export of
// the checked content to a file the user picks.

#include "demolibrary.h"
#include "demopage.h"

#include "checktree/orbdrawingchecktreenode.h"
#include "checktree/orbdrawingchecktreewidget.h"

#include "drawingdata/iorbdatastore.h"
#include "drawingdata/iorbdrawingfile.h"
#include "drawingdata/orbdrawingservice.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

bool screenshotMode(const DemoContext& context)
{
    const QString platform = QGuiApplication::platformName();
    return context.arguments.contains(QStringLiteral("--screenshots")) || platform == QLatin1String("offscreen")
           || platform == QLatin1String("minimal");
}

class CheckTreePage : public QWidget
{
public:
    explicit CheckTreePage(const DemoContext& context)
        : m_screenshot(screenshotMode(context)), m_folder(demolibrary::path(context))
    {
        auto* layout = new QVBoxLayout(this);
        m_fileLabel = new QLabel(this);
        m_tree = new OrbDrawingCheckTreeWidget(this);
        m_tree->setObjectName(QStringLiteral("checkTree"));
        m_tree->installEventFilter(this);

        auto* row = new QHBoxLayout;
        m_exportButton = new QPushButton(QStringLiteral("Export checked content..."), this);
        m_exportButton->setObjectName(QStringLiteral("exportButton"));
        m_progress = new QProgressBar(this);
        m_progress->setRange(0, 0); // the export reports no steps: a busy bar
        m_progress->setTextVisible(false);
        m_progress->setMaximumWidth(160);
        m_progress->hide();
        m_status = new QLabel(this);
        row->addWidget(m_exportButton);
        row->addWidget(m_progress);
        row->addWidget(m_status, 1);

        layout->addWidget(m_fileLabel);
        layout->addWidget(m_tree, 1);
        layout->addLayout(row);

        loadSample(context);
        connect(m_exportButton, &QPushButton::clicked, this, [this] { exportChecked(); });
        resize(520, 560);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // The tree disables itself when the removal from the copy starts.
        if (m_tree && watched == m_tree && event->type() == QEvent::EnabledChange && !m_tree->isEnabled()
            && m_progress->isVisible())
            showStep(QStringLiteral("Removing unchecked types and drawsets from the copy..."));
        return QWidget::eventFilter(watched, event);
    }

private:
    void loadSample(const DemoContext& context)
    {
        // The first file of the library that lists more than one type shows the tree best.
        QSharedPointer<IOrbDrawingFile> file;
        if (OrbDrawingService* service = demolibrary::service(context)) {
            QStringList names;
            service->fileNames(names);
            for (const QString& name : qAsConst(names)) {
                QSharedPointer<IOrbDrawingFile> candidate;
                service->openFile(candidate, name);
                if (!candidate)
                    continue;
                if (!file)
                    file = candidate;
                QList<IOrbDrawsetType*> types;
                candidate->drawsetTypes()->getAll(types, true);
                if (types.size() > 1) {
                    file = candidate;
                    break;
                }
            }
        }
        if (!file) {
            m_fileLabel->setText(QStringLiteral("No sample drawing file could be opened."));
            m_exportButton->setEnabled(false);
            return;
        }
        m_source = sourcePath(file);
        m_fileLabel->setText(QStringLiteral("Drawing file: %1").arg(QDir::toNativeSeparators(m_source)));
        m_tree->setDrawSetFile(file);
        if (m_screenshot)
            showSomeUnchecked();
    }

    static QString sourcePath(const QSharedPointer<IOrbDrawingFile>& file)
    {
        QString path;
        if (QSharedPointer<IOrbDataStore> store = file->dataStore())
            if (store->connection())
                store->connection()->filePath(path);
        return path;
    }

    // A picture of a real selection: one type off, one drawset off, the first type open.
    void showSomeUnchecked()
    {
        OrbDrawingCheckTreeNode* root = m_tree->rootNode();
        if (!root || root->childCount() < 2)
            return;
        QTreeWidgetItem* first = root->child(0);
        if (first->childCount() > 1)
            first->child(1)->setCheckState(0, Qt::Unchecked);
        root->child(root->childCount() - 1)->setCheckState(0, Qt::Unchecked);
        first->setExpanded(true);
        m_status->setText(QStringLiteral("Uncheck what the new file should not keep, then export."));
    }

    void showStep(const QString& text)
    {
        m_status->setText(text);
        // The export runs on this thread: paint now, before it blocks the event loop.
        m_status->repaint();
        m_progress->repaint();
    }

    void exportChecked()
    {
        if (m_screenshot)
            return;
        OrbDrawingCheckTreeNode* root = m_tree->rootNode();
        if (root && root->checkState(0) == Qt::Unchecked
            && QMessageBox::question(this, QStringLiteral("Export checked content"),
                                     QStringLiteral("Nothing is checked: the new file would hold no types and no "
                                                    "drawsets. Export it anyway?"))
                   != QMessageBox::Yes)
            return;
        // A server library has no folder: the export goes to the user's home then.
        const QString suggested = (QFileInfo(m_folder).isDir() ? QDir(m_folder) : QDir::home())
                                      .filePath(QStringLiteral("export.orbdwg"));
        const QString target = QFileDialog::getSaveFileName(this, QStringLiteral("Export checked content"), suggested,
                                                            QStringLiteral("Drawing files (*.orbdwg)"));
        if (target.isEmpty())
            return;
        m_exportButton->setEnabled(false);
        m_progress->show();
        showStep(QStringLiteral("Copying the drawing file..."));
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const bool ok = m_tree->exportDatatoFile(target);
        QApplication::restoreOverrideCursor();
        m_progress->hide();
        // The tree stays disabled after an export; this host lets the user go on.
        m_tree->setEnabled(true);
        m_exportButton->setEnabled(true);
        m_status->setText(ok ? QStringLiteral("Exported to %1.").arg(QDir::toNativeSeparators(target))
                             : QStringLiteral("Export to %1 failed: %2. No file was written.")
                                   .arg(QDir::toNativeSeparators(target), m_tree->exportErrorString()));
    }

    bool m_screenshot;
    QString m_folder;
    QString m_source;
    QLabel* m_fileLabel;
    OrbDrawingCheckTreeWidget* m_tree;
    QPushButton* m_exportButton;
    QProgressBar* m_progress;
    QLabel* m_status;
};

} // namespace

ORB_DEMO_PAGE(checktree, QStringLiteral("checktree"), QStringLiteral("Check tree and export"), 70,
              [](const DemoContext& context) -> QWidget* { return new CheckTreePage(context); });
