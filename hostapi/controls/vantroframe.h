#pragma once

#include <QDialog>

// The controls library's top-level frame: a dialog whose keys follow the dialog conventions
// (Enter presses the default button, Escape rejects).
class VantroFrame : public QDialog
{
    Q_OBJECT
public:
    explicit VantroFrame(QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());
    ~VantroFrame() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
