#pragma once

#include <QTreeView>

/// The host's tree view: a QTreeView with the look and the settings the host's trees share.
/// The drawing tree derives from it.
class VantroCustomTreeView : public QTreeView
{
    Q_OBJECT
public:
    /// A tree view without a model.
    explicit VantroCustomTreeView(QWidget* parent = nullptr);
    ~VantroCustomTreeView() override;
};
