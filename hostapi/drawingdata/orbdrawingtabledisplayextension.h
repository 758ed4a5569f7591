#pragma once

#include <QObject>

class OrbDrawingInfoProcessor;
class QWidget;

// A panel of tables that belongs to a drawset and is edited beside its drawing. The host makes
// one per drawset that declares it (OrbDrawingCoreUtils::newTableDisplayExtension); the widget
// that shows it only hosts the contents the extension builds.
class OrbDrawingTableDisplayExtension : public QObject
{
    Q_OBJECT
public:
    explicit OrbDrawingTableDisplayExtension(QObject* parent = nullptr);
    ~OrbDrawingTableDisplayExtension() override;

    // The processor whose values the tables show and edit; not owned.
    void setProcessor(OrbDrawingInfoProcessor* processor);
    OrbDrawingInfoProcessor* processor() const { return m_processor; }

public slots:
    // Builds the tables as children of container (the container deletes them).
    virtual void attachTo(QWidget* container) = 0;
    // Drops an edit in progress.
    virtual void cancelEdit() = 0;
    // Commits an edit in progress through the processor.
    virtual void saveEdit() = 0;
    // Puts the tables' values back to their defaults through the processor.
    virtual void restoreDefValues() = 0;

signals:
    // Values changed that the drawing shows: the drawing needs a redraw.
    void updateView();

private:
    OrbDrawingInfoProcessor* m_processor = nullptr;
};
