#pragma once

#include "orbdrawingwidgets_export.h"

#include <QSharedPointer>
#include <QWidget>

class IOrbDrawingService;
class OrbDrawingInfoProcessor;
class OrbDrawingTableDisplayExtension;

// The right-hand pane of the drawings input dialog: an empty container for the table display
// extension that the host gives a drawset. It asks for an extension for each processor, lets it
// build its tables inside, shows itself only while it holds one, and passes OK, cancel and reset
// on to it.
class ORBDRAWINGWIDGETS_TESTS_EXPORT OrbDrawingTableDisplayWidget : public QWidget
{
    Q_OBJECT
public:
    OrbDrawingTableDisplayWidget(IOrbDrawingService* service, QWidget* parent);
    ~OrbDrawingTableDisplayWidget() override;

    // Cancels the extension's edit, then rebuilds when p differs from the processor held.
    void setProcessor(OrbDrawingInfoProcessor* p);
    OrbDrawingInfoProcessor* processor() const { return m_processor; }
    bool hasExtension() const;

    void saveEdit();
    void cancelEdit();
    void restoreDefValues();

signals:
    // The extension changed values the drawing shows.
    void updateView();

private:
    void rebuild();

    IOrbDrawingService* m_drawingService;
    OrbDrawingInfoProcessor* m_processor = nullptr;
    QSharedPointer<OrbDrawingTableDisplayExtension> m_extension;
};
