#pragma once

#include <QHeaderView>

// Header of the grid views. With auto section data a header numbers its sections 1, 2, 3...
// itself, whatever the model's header data says (row numbers in the vertical header).
class VantroHeaderView : public QHeaderView
{
    Q_OBJECT
public:
    explicit VantroHeaderView(Qt::Orientation orientation, QWidget* parent = nullptr);
    ~VantroHeaderView() override;

    void setMovable(bool movable) { setSectionsMovable(movable); }
    bool isMovable() const { return sectionsMovable(); }

    void setAutoSectionData(bool on);
    bool autoSectionData() const { return m_autoSectionData; }

    // The text shown for a section: its number with auto section data, else the model's header.
    QString sectionText(int logicalIndex) const;

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    QSize sectionSizeFromContents(int logicalIndex) const override;

private:
    bool m_autoSectionData = false;
};
