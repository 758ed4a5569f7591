#pragma once

#include <QHeaderView>

/// Header of the grid views. With auto section data a header numbers its sections 1, 2, 3...
/// itself, whatever the model's header data says (row numbers in the vertical header).
class VantroHeaderView : public QHeaderView
{
    Q_OBJECT
public:
    /// A header for orientation.
    explicit VantroHeaderView(Qt::Orientation orientation, QWidget* parent = nullptr);
    ~VantroHeaderView() override;

    /// Whether the user may drag sections to new places; the library switches it off.
    void setMovable(bool movable) { setSectionsMovable(movable); }
    /// Host side: whether sections can be dragged.
    bool isMovable() const { return sectionsMovable(); }

    /// Numbers the sections itself when on; the diff widget numbers its rows this way.
    void setAutoSectionData(bool on);
    /// Host side: whether the header numbers its sections itself.
    bool autoSectionData() const { return m_autoSectionData; }

    /// Host side: the text shown for a section: its number with auto section data, else the
    /// model's header.
    QString sectionText(int logicalIndex) const;

protected:
    /// Draws sectionText().
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    /// Room for sectionText().
    QSize sectionSizeFromContents(int logicalIndex) const override;

private:
    bool m_autoSectionData = false;
};
