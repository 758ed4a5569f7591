#pragma once

#include "controls/vantroframe.h"

#include <QString>

// The controls library's dialog. caption, when not empty, becomes the window title; with
// frameless true the dialog has no window frame. The context-help button is never shown.
class TalDialog : public VantroFrame
{
    Q_OBJECT
public:
    explicit TalDialog(QWidget* parent = nullptr, const QString& caption = QString(), bool frameless = false);
    ~TalDialog() override;

protected:
    void showEvent(QShowEvent* event) override;
};
