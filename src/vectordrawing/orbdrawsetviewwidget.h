#pragma once

#include "orbdrawingwidgets_export.h"

#include <QWidget>

class IOrbDrawset;
class QVBoxLayout;
class ZVectorDrawing;
class ZVectorDrawingEditor;

// Shows one drawset's vector drawing read-only. Call setupUi() once after construction.
class ORBDRAWINGWIDGETS_EXPORT OrbDrawsetViewWidget : public QWidget
{
    Q_OBJECT
public:
    explicit OrbDrawsetViewWidget(QWidget* parent = nullptr);
    ~OrbDrawsetViewWidget() override;

    // Builds the layout and the drawing view.
    virtual void setupUi();

    // Shows drawset (null empties the view); the drawset is not owned.
    void setDrawset(IOrbDrawset* drawset);
    IOrbDrawset* drawset() const;
    // The drawing view, null before setupUi().
    ZVectorDrawingEditor* VDEditor() const;
    ZVectorDrawing* vectorDrawing() const;

protected:
    // The view setupUi() places in the layout; a subclass may supply another one.
    virtual ZVectorDrawingEditor* createVDEditor();
    // Loads the drawset's drawing (or nothing) into the view and fits it.
    virtual void refreshData();

private:
    QVBoxLayout* m_layout = nullptr;
    ZVectorDrawingEditor* m_view = nullptr;
    IOrbDrawset* m_drawset = nullptr;
};
