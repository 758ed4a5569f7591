#pragma once

#include <QTreeWidget>

/// The controls library's item-based tree: a QTreeWidget with the house look (uniform rows, no
/// expand animation, single selection). Trees of the application derive from it.
class VantroCustomTreeWidget : public QTreeWidget
{
    Q_OBJECT
public:
    /// An empty tree.
    explicit VantroCustomTreeWidget(QWidget* parent = nullptr);
    ~VantroCustomTreeWidget() override;
};
