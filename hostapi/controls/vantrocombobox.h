#pragma once

#include <QComboBox>

// The controls library's combo box: its drop-down list is at least as wide as its longest item,
// so long drawing-file names stay readable in a narrow pane.
class VantroComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit VantroComboBox(QWidget* parent = nullptr);
    ~VantroComboBox() override;

    void showPopup() override;
};
