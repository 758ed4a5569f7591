#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

class QWidget;

// The controls library's message boxes.
class TalMessageBox
{
public:
    // Asks a question in a modal message box and answers the button the user chose. detail, when
    // not empty, is shown under text. Closing the box without a choice answers the escape button
    // (No when offered).
    static QMessageBox::StandardButton question(QWidget* parent, const QString& title, const QString& text,
                                                QMessageBox::StandardButtons buttons,
                                                QMessageBox::StandardButton defaultButton,
                                                const QString& detail);

    // Answers questions without showing a box, for automated runs (tests, scripted demos). The hook
    // gets what the box would show and returns the chosen button. An empty hook restores the box.
    using AnswerHook = std::function<QMessageBox::StandardButton(
        QWidget* parent, const QString& title, const QString& text, QMessageBox::StandardButtons buttons,
        QMessageBox::StandardButton defaultButton)>;
    static void setAnswerHook(AnswerHook hook);
};
