#pragma once

#include "grid/zeditstyle.h"

#include <QItemDelegate>

/// The grid's item delegate. editStyle() chooses per cell how it is edited (ZEditStyle); its
/// flag marks a value that the data source fills in itself: such a cell is shown but not edited.
///
/// esCheckBox reads the value from the display and edit roles (true checked, false unchecked,
/// null neither) and writes a bool back through the edit role; it never relies on the check-state
/// role, which many models do not answer for boolean values.
class VantroDefaultItemDelegate : public QItemDelegate
{
    Q_OBJECT
public:
    /// A delegate that its creator keeps.
    explicit VantroDefaultItemDelegate(QObject* parent = nullptr);
    ~VantroDefaultItemDelegate() override;

    /// The style of a cell. Sets flag to true when the value is filled in by the data source
    /// (read-only); leaves it as it was otherwise. The default answers esDefault. The SQL table's
    /// delegate overrides it: check boxes for boolean columns, no editor for values the database
    /// fills in.
    virtual ZEditStyle editStyle(const QModelIndex& index, bool& flag) const;

    /// True when the view that this delegate is set on takes ownership of it.
    bool isOwnedByView() const { return m_ownedByView; }

    /// Draws the cell in its editStyle() (a check box for esCheckBox).
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    /// Room for the cell's text or check box.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    /// The editor of the cell's editStyle(); null for esNone and for cells the data source fills in.
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    /// Loads the model's value into editor.
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    /// Writes editor's value into the model through the edit role.
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

    /// Host side: check state shown for a value of an esCheckBox cell.
    static Qt::CheckState checkStateOf(const QVariant& value);

protected:
    /// Editors stay open when the window loses activation or a popup (a context menu) takes focus;
    /// Qt's delegates commit and close them then, which ends an edit the user has just started.
    bool eventFilter(QObject* object, QEvent* event) override;
    /// Toggles esCheckBox cells on a click or the space key.
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;
    /// Lets subclasses hand the delegate to the view that it is set on.
    void setOwnedByView(bool owned) { m_ownedByView = owned; }

private:
    QRect checkRect(const QStyleOptionViewItem& option) const;
    bool m_ownedByView = false;
};
