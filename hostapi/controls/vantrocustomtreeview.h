#pragma once

#include <QTreeView>

// The host's tree view: a QTreeView with the look and the settings the host's trees share.
class VantroCustomTreeView : public QTreeView
{
    Q_OBJECT
public:
    explicit VantroCustomTreeView(QWidget* parent = nullptr);
    ~VantroCustomTreeView() override;
};
