#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

class QWidget;

// Lets automated runs (tests, scripted demos) answer TalMessageBox questions without showing a box.
// The hook gets what the box would show and returns the chosen button; an empty hook restores the box.
class TalMessageBoxAnswers
{
public:
    using Hook = std::function<QMessageBox::StandardButton(
        QWidget* parent, const QString& title, const QString& text, QMessageBox::StandardButtons buttons,
        QMessageBox::StandardButton defaultButton)>;
    static void setHook(Hook hook);
    static const Hook& hook();
};
