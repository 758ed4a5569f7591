#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

/// The controls library's message boxes.
class TalMessageBox
{
public:
    /// Asks a question in a modal message box and answers the button the user chose. detail, when
    /// not empty, is shown under text. Closing the box without a choice answers the escape button
    /// (No when offered). The input dialog asks with Yes | No before it restores defaults and
    /// restores them unless the answer is No.
    static QMessageBox::StandardButton question(QWidget* parent, const QString& title, const QString& text,
                                                QMessageBox::StandardButtons buttons,
                                                QMessageBox::StandardButton defaultButton,
                                                const QString& detail);
};
