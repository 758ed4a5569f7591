#pragma once

#include <QComboBox>

/// The controls library's combo box: its drop-down list is at least as wide as its longest item,
/// so long drawing-file names stay readable in a narrow pane. The input dialog's drawing-file
/// list is one.
class VantroComboBox : public QComboBox
{
    Q_OBJECT
public:
    /// An empty combo box.
    explicit VantroComboBox(QWidget* parent = nullptr);
    ~VantroComboBox() override;

    /// Widens the drop-down list to its longest item before showing it.
    void showPopup() override;
};
