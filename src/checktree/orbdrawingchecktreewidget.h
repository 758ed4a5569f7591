#pragma once

#include "orbdrawingwidgets_export.h"

#include "controls/talcheckabletreewidget.h"

#include <QSharedPointer>
#include <QString>

#include <memory>

class IOrbDrawingFile;
class OrbDrawingCheckTreeNode;
class OrbDrawingFileFollower;
class QTreeWidgetItem;
struct OrbDrawingChange;

// The drawset types of one drawing file with their drawsets, each with a check box, under one
// "all" root. exportDatatoFile writes a copy of the file that keeps only the checked content.
// The widget shows no messages: the caller gets a boolean. Types and drawsets that are renamed,
// added, removed or reordered elsewhere change in place; the other items keep their check states.
class ORBDRAWINGWIDGETS_EXPORT OrbDrawingCheckTreeWidget : public TalCheckableTreeWidget
{
    Q_OBJECT
public:
    explicit OrbDrawingCheckTreeWidget(QWidget* parent = nullptr, int checkColumn = 0);
    ~OrbDrawingCheckTreeWidget() override;

    // Rebuilds the tree when file is another object than the current one; the same object keeps
    // the tree and its check states.
    void setDrawSetFile(QSharedPointer<IOrbDrawingFile> file);
    QSharedPointer<IOrbDrawingFile> drawingFile() const { return m_drawingFile; }
    // Null before the first refresh and after the host cleared the tree or took the root out.
    OrbDrawingCheckTreeNode* rootNode() const { return m_rootNode; }

    // Root, types and drawsets of the file, all checked; the root alone without a file.
    void refreshData();
    // Copies the drawing file to fileName (replacing a file there) and removes every unchecked
    // type and drawset from the copy. False, with no file left at fileName, when anything fails:
    // no file or tree yet, a target that cannot be replaced, a failed copy or removal, a copy that
    // cannot be opened, a batch the copy's store did not commit. A target that is the source file
    // itself is refused and nothing is deleted.
    // The source file is only read. Once the removal step has started the widget stays disabled.
    bool exportDatatoFile(const QString& fileName);

private:
    void creatRootNode();
    bool doSaveData(QSharedPointer<IOrbDrawingFile> file);
    void followChanges(const QList<OrbDrawingChange>& changes);
    void followOrder(QTreeWidgetItem* parent, const QList<void*>& hostOrder);

    QSharedPointer<IOrbDrawingFile> m_drawingFile;
    OrbDrawingCheckTreeNode* m_rootNode;
    // After m_drawingFile: it unregisters before the widget lets the file go.
    std::unique_ptr<OrbDrawingFileFollower> m_follower;
};
