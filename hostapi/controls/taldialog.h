#pragma once

#include "controls/vantroframe.h"

#include <QString>

/// The controls library's dialog. caption, when not empty, becomes the window title; with
/// frameless true the dialog has no window frame. The context-help button is never shown.
/// The input dialog and the data view derive from it (caption empty, frameless false) and call
/// on to its key and show handlers.
class TalDialog : public VantroFrame
{
    Q_OBJECT
public:
    /// A dialog with caption as its title (when not empty), framed unless frameless.
    explicit TalDialog(QWidget* parent = nullptr, const QString& caption = QString(), bool frameless = false);
    ~TalDialog() override;

protected:
    /// Qt show handler; a dialog deriving from it calls on to it.
    void showEvent(QShowEvent* event) override;
};
