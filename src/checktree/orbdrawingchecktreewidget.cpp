#include "checktree/orbdrawingchecktreewidget.h"

#include "checktree/orbdrawingchecktreenode.h"

#include "common/orbfileutils.h"
#include "drawingdata/iorbdatastore.h"
#include "drawingdata/iorbdrawingfile.h"
#include "drawingdata/orbdrawingdatautils.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QAbstractItemModel>
#include <QHeaderView>

#include <utility>

namespace {

// Runs a step when the scope ends, however it ends.
template <typename F>
class ScopeGuard
{
public:
    explicit ScopeGuard(F f) : m_f(std::move(f)) {}
    ~ScopeGuard() { m_f(); }
    ScopeGuard(const ScopeGuard&) = delete;
    ScopeGuard& operator=(const ScopeGuard&) = delete;

private:
    F m_f;
};

QString sourcePathOf(IOrbDrawingFile* file)
{
    QString path;
    if (!file)
        return path;
    const QSharedPointer<IOrbDataStore> store = file->dataStore();
    if (store && store->connection())
        store->connection()->filePath(path);
    return path;
}

// True when both paths name the same file, after relative paths and symbolic links are resolved.
bool isSameFile(const QString& a, const QString& b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
#ifdef Q_OS_WIN
    const Qt::CaseSensitivity cs = Qt::CaseInsensitive;
#else
    const Qt::CaseSensitivity cs = Qt::CaseSensitive;
#endif
    const QFileInfo fa(a);
    const QFileInfo fb(b);
    if (fa.exists() && fb.exists())
        return QString::compare(fa.canonicalFilePath(), fb.canonicalFilePath(), cs) == 0;
    return QString::compare(QDir::cleanPath(fa.absoluteFilePath()), QDir::cleanPath(fb.absoluteFilePath()), cs) == 0;
}

} // namespace

OrbDrawingCheckTreeWidget::OrbDrawingCheckTreeWidget(QWidget* parent, int checkColumn)
    : TalCheckableTreeWidget(parent, checkColumn)
    , m_drawingFile(nullptr)
    , m_rootNode(nullptr)
{
    header()->setVisible(false);
    // Forget the root when the host clears the tree or takes the root out, so it never dangles.
    connect(model(), &QAbstractItemModel::modelAboutToBeReset, this, [this] { m_rootNode = nullptr; });
    connect(model(), &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this](const QModelIndex& parent, int first, int last) {
                if (!m_rootNode || parent.isValid())
                    return;
                const int row = indexOfTopLevelItem(m_rootNode);
                if (row >= first && row <= last)
                    m_rootNode = nullptr;
            });
}

OrbDrawingCheckTreeWidget::~OrbDrawingCheckTreeWidget() = default;

void OrbDrawingCheckTreeWidget::setDrawSetFile(QSharedPointer<IOrbDrawingFile> file)
{
    if (file.data() == m_drawingFile.data())
        return;
    m_drawingFile = file;
    refreshData();
}

void OrbDrawingCheckTreeWidget::creatRootNode()
{
    clear();
    m_rootNode = new OrbDrawingCheckTreeNode(this, 0);
    m_rootNode->setText(0, QCoreApplication::translate("OrbDrawingWidgets", "全部"));
    m_rootNode->setCheckState(0, Qt::Checked);
}

void OrbDrawingCheckTreeWidget::refreshData()
{
    creatRootNode();
    if (!m_drawingFile)
        return;
    IOrbDrawsetTypes* types = m_drawingFile->drawsetTypes();
    IOrbDrawsets* drawsets = m_drawingFile->drawsets();
    QList<IOrbDrawsetType*> typeList;
    if (types)
        types->getAll(typeList, true);
    for (IOrbDrawsetType* type : qAsConst(typeList)) {
        OrbDrawingCheckTreeNode* typeNode = m_rootNode->insertType(type, -1);
        if (!typeNode || !drawsets)
            continue;
        QList<IOrbDrawset*> drawsetList;
        drawsets->getByType(drawsetList, type);
        for (IOrbDrawset* drawset : qAsConst(drawsetList))
            typeNode->insertDrawset(drawset, -1);
    }
    collapseAll();
    expandToDepth(0);
}

bool OrbDrawingCheckTreeWidget::doSaveData(QSharedPointer<IOrbDrawingFile> file)
{
    setEnabled(false);
    OrbDrawingCheckTreeNode* root = m_rootNode;
    const QSharedPointer<IOrbDataStore> store = file ? file->dataStore() : QSharedPointer<IOrbDataStore>();
    if (!root || !store)
        return false;

    bool ok = true;
    for (int i = 0; i < root->childCount(); ++i) {
        auto* typeNode = dynamic_cast<OrbDrawingCheckTreeNode*>(root->child(i));
        if (!typeNode || !typeNode->drawsetType())
            continue;
        if (typeNode->checkState(0) == Qt::Unchecked) {
            if (ok && !(ok = store->removeDrawsetType(typeNode->drawsetType())))
                setExportError(RemoveTypeError, typeNode->text(0));
            continue;
        }
        // Checked or partly checked: the type stays, its unchecked drawsets go.
        for (int j = 0; j < typeNode->childCount(); ++j) {
            auto* node = dynamic_cast<OrbDrawingCheckTreeNode*>(typeNode->child(j));
            if (!node || !node->drawset() || node->checkState(0) != Qt::Unchecked)
                continue;
            if (ok && !(ok = store->removeDrawset(node->drawset())))
                setExportError(RemoveDrawsetError, node->text(0));
        }
    }
    return ok;
}

bool OrbDrawingCheckTreeWidget::exportDatatoFile(const QString& fileName)
{
    setExportError(NoError);
    const QString sourcePath = sourcePathOf(m_drawingFile.data());
    // Replacing the source with its own copy would delete it first: refuse before touching anything.
    if (isSameFile(sourcePath, fileName)) {
        setExportError(SameFileError);
        return false;
    }

    bool ok = true;
    if (fileExists(fileName) && !(ok = deleteFile(fileName)))
        setExportError(DeleteTargetError);
    if (ok && !(ok = m_drawingFile && m_rootNode && !sourcePath.isEmpty()))
        setExportError(NoSourceError);
    // The copy is a new file of the user's: a read-only source must not make it read-only too.
    if (ok && !(ok = copyFile(sourcePath, fileName, false) && OrbDrawingDataUtils::makeFileEditable(fileName)))
        setExportError(CopyError);
    if (ok) {
        QSharedPointer<IOrbDrawingFile> copy = OrbDrawingDataUtils::createDrawingFile(fileName, nullptr);
        QSharedPointer<IOrbDataStore> store = copy ? copy->dataStore() : QSharedPointer<IOrbDataStore>();
        if (!store) {
            ok = false;
            setExportError(OpenCopyError);
        } else {
            bool committed = true;
            store->beginUpdate();
            {
                // The batch is committed only when every removal succeeded; otherwise the copy is dropped.
                ScopeGuard commit([&ok, &committed, &store] {
                    if (ok)
                        committed = store->endUpdate();
                });
                ok = doSaveData(copy);
            }
            if (ok && !committed) {
                ok = false;
                setExportError(CommitError);
            }
        }
        // Release the copy before it may be deleted below.
        store.reset();
        copy.reset();
    }
    if (ok)
        return true;
    deleteFile(fileName);
    return false;
}

void OrbDrawingCheckTreeWidget::setExportError(ExportError error, const QString& item)
{
    m_exportError = error;
    m_exportErrorItem = item;
}

QString OrbDrawingCheckTreeWidget::exportErrorString() const
{
    switch (m_exportError) {
    case NoError: return QString();
    case NoSourceError: return QCoreApplication::translate("OrbDrawingWidgets", "没有可导出的图集文件");
    case SameFileError: return QCoreApplication::translate("OrbDrawingWidgets", "不能导出到源图集文件本身");
    case DeleteTargetError: return QCoreApplication::translate("OrbDrawingWidgets", "无法删除已有的目标文件");
    case CopyError: return QCoreApplication::translate("OrbDrawingWidgets", "无法复制图集文件");
    case OpenCopyError: return QCoreApplication::translate("OrbDrawingWidgets", "无法打开复制的图集文件");
    case RemoveTypeError:
        return QCoreApplication::translate("OrbDrawingWidgets", "无法从副本中删除类型“%1”").arg(m_exportErrorItem);
    case RemoveDrawsetError:
        return QCoreApplication::translate("OrbDrawingWidgets", "无法从副本中删除图集“%1”").arg(m_exportErrorItem);
    case CommitError: return QCoreApplication::translate("OrbDrawingWidgets", "无法保存副本中的删除");
    }
    return QString();
}
