#pragma once

#include <QObject>

class OrbDrawingInfoProcessor;
class QWidget;

/// A panel of tables that belongs to a drawset and is edited beside its drawing. The host makes
/// one per drawset that declares it (OrbDrawingCoreUtils::newTableDisplayExtension); the widget
/// that shows it only hosts the contents the extension builds. The widget holds it by shared
/// pointer and drops it when the processor or its drawset changes.
class OrbDrawingTableDisplayExtension : public QObject
{
    Q_OBJECT
public:
    /// An extension without a processor.
    explicit OrbDrawingTableDisplayExtension(QObject* parent = nullptr);
    ~OrbDrawingTableDisplayExtension() override;

    /// The processor whose values the tables show and edit; not owned. Set once, before
    /// attachTo().
    void setProcessor(OrbDrawingInfoProcessor* processor);
    /// The processor given to setProcessor(), or null.
    OrbDrawingInfoProcessor* processor() const { return m_processor; }

public slots:
    /// Builds the tables as children of container (the container deletes them before it drops
    /// the extension).
    virtual void attachTo(QWidget* container) = 0;
    /// Drops an edit in progress; called when the drawset changes or the dialog is cancelled.
    virtual void cancelEdit() = 0;
    /// Commits an edit in progress through the processor; called when the user confirms the dialog.
    virtual void saveEdit() = 0;
    /// Puts the tables' values back to their defaults through the processor ("restore defaults").
    virtual void restoreDefValues() = 0;

signals:
    /// Values changed that the drawing shows: the editor form redraws the drawing's values.
    void updateView();

private:
    OrbDrawingInfoProcessor* m_processor = nullptr;
};
