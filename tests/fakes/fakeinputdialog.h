#pragma once

// Test doubles for the input dialog's host hooks: a recording table display extension, a factory
// that hands it out in place of the drawsets' own declarations, and a scripted message box.

#include "fakelog.h"

#include "controls/talmessageboxanswers.h"
#include "drawingdata/orbdrawingtabledisplayextension.h"

#include <QSet>
#include <QSharedPointer>

class IOrbDrawset;

// Logs "extension:<drawset>.<op>" for attachTo, cancelEdit, saveEdit, restoreDefValues and its
// destruction; attachTo builds one QLabel ("fakeExtensionContent") inside the container.
class FakeTableExtension : public OrbDrawingTableDisplayExtension
{
public:
    FakeTableExtension(FakeLog* log, const QString& name);
    ~FakeTableExtension() override;

    void attachTo(QWidget* container) override;
    void cancelEdit() override;
    void saveEdit() override;
    void restoreDefValues() override;

    void emitUpdateView() { emit updateView(); }

    FakeLog* m_log;
    QString m_name;
};

// While alive, newTableDisplayExtension answers a FakeTableExtension for the drawsets in
// m_withExtension and null for the others, logging "core.newTableDisplayExtension(<drawset>,<elementType>)".
class FakeExtensionFactory
{
public:
    explicit FakeExtensionFactory(FakeLog* log);
    ~FakeExtensionFactory();

    FakeLog* m_log;
    QSet<IOrbDrawset*> m_withExtension;
    // The last extension handed out (null once released).
    QWeakPointer<OrbDrawingTableDisplayExtension> m_last;
};

// While alive, TalMessageBox::question answers m_answer without showing a box and logs
// "question(<title>|<text>|<buttons hex>|<default hex>)".
class FakeQuestionAnswer
{
public:
    FakeQuestionAnswer(FakeLog* log, QMessageBox::StandardButton answer);
    ~FakeQuestionAnswer();

    FakeLog* m_log;
    QMessageBox::StandardButton m_answer;
};
