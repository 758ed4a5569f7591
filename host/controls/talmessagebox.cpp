#include "controls/talmessagebox.h"

#include "controls/talmessageboxanswers.h"

#include <QPushButton>

QMessageBox::StandardButton TalMessageBox::question(QWidget* parent, const QString& title, const QString& text,
                                                    QMessageBox::StandardButtons buttons,
                                                    QMessageBox::StandardButton defaultButton,
                                                    const QString& detail)
{
    if (const TalMessageBoxAnswers::Hook& hook = TalMessageBoxAnswers::hook())
        return hook(parent, title, text, buttons, defaultButton);

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
