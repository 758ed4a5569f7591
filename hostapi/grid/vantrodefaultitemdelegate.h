#pragma once

#include "grid/zeditstyle.h"

#include <QItemDelegate>

// The grid's item delegate. editStyle() chooses per cell how it is edited (ZEditStyle); its
// flag marks a value that the data source fills in itself: such a cell is shown but not edited.
//
// esCheckBox reads the value from the display and edit roles (true checked, false unchecked,
// null neither) and writes a bool back through the edit role; it never relies on the check-state
// role, which many models do not answer for boolean values.
class VantroDefaultItemDelegate : public QItemDelegate
{
    Q_OBJECT
public:
    explicit VantroDefaultItemDelegate(QObject* parent = nullptr);
    ~VantroDefaultItemDelegate() override;

    // The style of a cell. Sets flag to true when the value is filled in by the data source
    // (read-only); leaves it as it was otherwise. The default answers esDefault.
    virtual ZEditStyle editStyle(const QModelIndex& index, bool& flag) const;

    // True when the view that this delegate is set on takes ownership of it.
    bool isOwnedByView() const { return m_ownedByView; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

    // Check state shown for a value of an esCheckBox cell.
    static Qt::CheckState checkStateOf(const QVariant& value);

protected:
    // Editors stay open when the window loses activation or a popup (a context menu) takes focus;
    // Qt's delegates commit and close them then, which ends an edit the user has just started.
    bool eventFilter(QObject* object, QEvent* event) override;
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;
    void setOwnedByView(bool owned) { m_ownedByView = owned; }

private:
    QRect checkRect(const QStyleOptionViewItem& option) const;
    bool m_ownedByView = false;
};
