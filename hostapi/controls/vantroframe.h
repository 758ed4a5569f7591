#pragma once

#include <QDialog>

/// The controls library's top-level frame: a dialog whose keys follow the dialog conventions
/// (Enter presses the default button, Escape rejects).
class VantroFrame : public QDialog
{
    Q_OBJECT
public:
    /// A dialog frame with Qt's window flags.
    explicit VantroFrame(QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());
    ~VantroFrame() override;

protected:
    /// Qt key handler with the dialog conventions; dialogs deriving from it call on to it.
    void keyPressEvent(QKeyEvent* event) override;
};
