#include "controls/talmessagebox.h"

#include <QPushButton>

namespace {
TalMessageBox::AnswerHook& answerHook()
{
    static TalMessageBox::AnswerHook hook;
    return hook;
}
} // namespace

QMessageBox::StandardButton TalMessageBox::question(QWidget* parent, const QString& title, const QString& text,
                                                    QMessageBox::StandardButtons buttons,
                                                    QMessageBox::StandardButton defaultButton,
                                                    const QString& detail)
{
    if (answerHook())
        return answerHook()(parent, title, text, buttons, defaultButton);

    QMessageBox box(QMessageBox::Question, title, text, buttons, parent);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    if (!detail.isEmpty())
        box.setInformativeText(detail);
    box.exec();
    const QMessageBox::StandardButton chosen = box.standardButton(box.clickedButton());
    if (chosen != QMessageBox::NoButton)
        return chosen;
    // Closed without a choice: the escape button, as QMessageBox picks it.
    if (buttons.testFlag(QMessageBox::No))
        return QMessageBox::No;
    if (buttons.testFlag(QMessageBox::Cancel))
        return QMessageBox::Cancel;
    return QMessageBox::NoButton;
}

void TalMessageBox::setAnswerHook(AnswerHook hook)
{
    answerHook() = std::move(hook);
}
