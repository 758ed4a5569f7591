#include "controls/taldialog.h"

TalDialog::TalDialog(QWidget* parent, const QString& caption, bool frameless)
    : VantroFrame(parent)
{
    Qt::WindowFlags flags = windowFlags() & ~Qt::WindowContextHelpButtonHint;
    if (frameless)
        flags |= Qt::FramelessWindowHint;
    setWindowFlags(flags);
    if (!caption.isEmpty())
        setWindowTitle(caption);
}

TalDialog::~TalDialog() = default;

void TalDialog::showEvent(QShowEvent* event)
{
    VantroFrame::showEvent(event);
}
