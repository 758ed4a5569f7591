// Demo page: the SQL table widget on a demo SQLite database of rebar items. Save submits all
// pending changes inside one transaction (all or nothing); a failed save shows the database's
// error and keeps every edit; undo reverts them. Closing the demo with unsaved changes asks first.

#include "demopage.h"

#include "sqltable/orbdwsqlsubmit.h"
#include "sqltable/orbdwsqltablemodel.h"
#include "sqltable/orbdwsqltableview.h"
#include "sqltable/orbdwsqltablewidget.h"

#include <QAction>
#include <QLabel>
#include <QMessageBox>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QShowEvent>
#include <QVBoxLayout>
#include <QWidget>

namespace {
const char* const kConnection = "orbdemo-sqltable";

bool createDemoTable(QSqlDatabase& db, QString* error)
{
    QSqlQuery query(db);
    const QStringList statements = {
        QStringLiteral("CREATE TABLE rebar (id INTEGER PRIMARY KEY, code TEXT NOT NULL UNIQUE, "
                       "diameter REAL NOT NULL, count INTEGER, galvanized BOOLEAN, note TEXT)"),
    };
    for (const QString& sql : statements) {
        if (!query.exec(sql)) {
            *error = query.lastError().text();
            return false;
        }
    }
    db.transaction();
    query.prepare(QStringLiteral("INSERT INTO rebar (code, diameter, count, galvanized, note) VALUES (?, ?, ?, ?, ?)"));
    const QStringList notes = {QStringLiteral("井壁竖筋"), QStringLiteral("井壁环筋"), QStringLiteral("底板上层"),
                               QStringLiteral("底板下层"), QStringLiteral("盖板")};
    for (int i = 0; i < 40; ++i) {
        query.addBindValue(QStringLiteral("N%1").arg(i + 1, 3, 10, QLatin1Char('0')));
        query.addBindValue(QList<double>({8, 10, 12, 14, 16, 20}).at(i % 6));
        query.addBindValue(4 + (i * 7) % 23);
        query.addBindValue(i % 5 == 3 ? QVariant(QVariant::Bool) : QVariant(i % 2 == 0));
        query.addBindValue(notes.at(i % notes.size()));
        if (!query.exec()) {
            *error = query.lastError().text();
            db.rollback();
            return false;
        }
    }
    return db.commit();
}

class SqlTablePage : public QWidget
{
public:
    SqlTablePage()
    {
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(new QLabel(QStringLiteral(
            "OrbDWSqlTableWidget on a demo SQLite table. Right-click for 插入行 / 删除行 / 保存修改 / 撤销修改; "
            "yellow cells are not saved yet, * marks an inserted row, ! a row to delete."), this));
        m_status = new QLabel(this);
        layout->addWidget(m_status);
        m_widget = new OrbDWSqlTableWidget(this);
        layout->addWidget(m_widget, 1);
        resize(900, 600);

        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QLatin1String(kConnection));
        db.setDatabaseName(m_dir.filePath(QStringLiteral("rebar.sqlite")));
        QString error;
        if (!m_dir.isValid() || !db.open() || !createDemoTable(db, &error)) {
            m_status->setText(QStringLiteral("The demo database could not be created: %1")
                                  .arg(error.isEmpty() ? db.lastError().text() : error));
            return;
        }
        m_widget->setDatabase(db);
        m_widget->setTable(QStringLiteral("rebar"));
        m_widget->model()->setSort(0, Qt::AscendingOrder);
        m_widget->model()->select();
        m_widget->view()->resizeColumnsToContents();

        connect(m_widget->actionSubmit(), &QAction::triggered, this, [this]() { save(); });
        connect(m_widget->actionRevert(), &QAction::triggered, this, [this]() {
            m_widget->model()->revertAll();
            m_widget->updateActions();
            m_status->setText(QStringLiteral("Changes undone."));
        });

        // Some pending changes, so that the page shows how they look before saving.
        OrbDWSqlTableModel* model = m_widget->model();
        model->setData(model->index(1, 3), 12);
        model->setData(model->index(3, 4), true);
        model->removeRow(5);
        m_widget->view()->setCurrentIndex(model->index(3, 1));
        m_widget->view()->insertRow();
        model->setData(model->index(3, 1), QStringLiteral("N041"));
        model->setData(model->index(3, 2), 25.0);
        m_widget->view()->setFocus();
        m_status->setText(QStringLiteral("Unsaved changes: an edited count, a checked box, a new row N041, a row to delete."));
    }

    ~SqlTablePage() override
    {
        delete m_widget;
        m_widget = nullptr;
        QSqlDatabase::database(QLatin1String(kConnection), false).close();
        QSqlDatabase::removeDatabase(QLatin1String(kConnection));
    }

protected:
    void showEvent(QShowEvent* event) override
    {
        QWidget::showEvent(event);
        // The page sits in the demo's window: its close is where unsaved changes would be lost.
        if (window() != this)
            window()->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == window() && event->type() == QEvent::Close && m_widget && m_widget->model()
            && m_widget->model()->isDirty()) {
            const auto answer = QMessageBox::question(
                this, QStringLiteral("关闭"), QStringLiteral("SQL 表中有尚未保存的修改，关闭将丢弃这些修改。仍要关闭吗？"),
                QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
            if (answer != QMessageBox::Yes) {
                event->ignore();
                return true;
            }
        }
        return QWidget::eventFilter(watched, event);
    }

private:
    void save()
    {
        QString error;
        if (OrbDWSqlSubmit::submitAll(m_widget->model(), &error)) {
            m_status->setText(QStringLiteral("Saved."));
        } else {
            m_status->setText(QStringLiteral("Not saved; every change is still here."));
            QMessageBox::warning(this, QStringLiteral("保存修改"),
                                 QStringLiteral("保存失败，修改均已保留，请更正后再保存。\n\n%1").arg(error));
        }
        m_widget->updateActions();
    }

    QTemporaryDir m_dir;
    QLabel* m_status = nullptr;
    OrbDWSqlTableWidget* m_widget = nullptr;
};
} // namespace

ORB_DEMO_PAGE(sqltable, QStringLiteral("sqltable"), QStringLiteral("SQL table"), 150,
              [](const DemoContext&) -> QWidget* { return new SqlTablePage; });
