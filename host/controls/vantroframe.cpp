#include "controls/vantroframe.h"

#include <QKeyEvent>

VantroFrame::VantroFrame(QWidget* parent, Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
}

VantroFrame::~VantroFrame() = default;

void VantroFrame::keyPressEvent(QKeyEvent* event)
{
    QDialog::keyPressEvent(event);
}
