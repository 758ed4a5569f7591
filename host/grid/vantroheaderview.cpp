#include "grid/vantroheaderview.h"

#include <QItemSelectionModel>
#include <QPainter>
#include <QStyleOptionHeader>

VantroHeaderView::VantroHeaderView(Qt::Orientation orientation, QWidget* parent)
    : QHeaderView(orientation, parent)
{
    setSectionsClickable(true);
    setHighlightSections(true);
}

VantroHeaderView::~VantroHeaderView() = default;

void VantroHeaderView::setAutoSectionData(bool on)
{
    if (m_autoSectionData == on)
        return;
    m_autoSectionData = on;
    if (count() > 0)
        headerDataChanged(orientation(), 0, count() - 1);
    updateGeometry();
    viewport()->update();
}

QString VantroHeaderView::sectionText(int logicalIndex) const
{
    if (logicalIndex < 0 || logicalIndex >= count())
        return QString();
    if (m_autoSectionData)
        return QString::number(logicalIndex + 1);
    return model() ? model()->headerData(logicalIndex, orientation(), Qt::DisplayRole).toString() : QString();
}

void VantroHeaderView::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    if (!m_autoSectionData) {
        QHeaderView::paintSection(painter, rect, logicalIndex);
        return;
    }
    if (!rect.isValid())
        return;
    QStyleOptionHeader opt;
    initStyleOption(&opt);
    opt.rect = rect;
    opt.section = logicalIndex;
    opt.text = sectionText(logicalIndex);
    opt.textAlignment = Qt::AlignCenter;
    if (isEnabled())
        opt.state |= QStyle::State_Enabled;
    if (window()->isActiveWindow())
        opt.state |= QStyle::State_Active;
    if (highlightSections() && selectionModel()) {
        const QModelIndex root = rootIndex();
        const bool vertical = orientation() == Qt::Vertical;
        const bool touched = vertical ? selectionModel()->rowIntersectsSelection(logicalIndex, root)
                                      : selectionModel()->columnIntersectsSelection(logicalIndex, root);
        const bool whole = vertical ? selectionModel()->isRowSelected(logicalIndex, root)
                                    : selectionModel()->isColumnSelected(logicalIndex, root);
        if (touched)
            opt.state |= QStyle::State_On;
        if (whole)
            opt.state |= QStyle::State_Sunken;
    }
    const int visual = visualIndex(logicalIndex);
    const int visibleCount = count() - hiddenSectionCount();
    if (visibleCount == 1)
        opt.position = QStyleOptionHeader::OnlyOneSection;
    else if (visual == 0)
        opt.position = QStyleOptionHeader::Beginning;
    else if (visual == count() - 1)
        opt.position = QStyleOptionHeader::End;
    else
        opt.position = QStyleOptionHeader::Middle;
    opt.orientation = orientation();
    style()->drawControl(QStyle::CE_Header, &opt, painter, this);
}

QSize VantroHeaderView::sectionSizeFromContents(int logicalIndex) const
{
    if (!m_autoSectionData)
        return QHeaderView::sectionSizeFromContents(logicalIndex);
    QStyleOptionHeader opt;
    initStyleOption(&opt);
    opt.section = logicalIndex;
    opt.text = sectionText(logicalIndex);
    const QFontMetrics metrics = fontMetrics();
    const QSize text(metrics.horizontalAdvance(opt.text), metrics.height());
    return style()->sizeFromContents(QStyle::CT_HeaderSection, &opt, text, this);
}
