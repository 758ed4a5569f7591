// The question box the input dialog asks before restoring defaults must answer the button really
// clicked, and No when dismissed: a dismissed box that answered Yes would throw the user's values away.

#include "controls/talmessagebox.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class tst_TalMessageBox : public QObject
{
    Q_OBJECT
private slots:
    void questionBox_data()
    {
        QTest::addColumn<int>("press");  // key pressed in the box, or 0 to click the Yes button
        QTest::addColumn<int>("expected");
        QTest::newRow("clicked yes") << 0 << int(QMessageBox::Yes);
        QTest::newRow("escape answers no") << int(Qt::Key_Escape) << int(QMessageBox::No);
    }

    void questionBox()
    {
        QFETCH(int, press);
        QFETCH(int, expected);
        QString seenText;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            seenText = box->text();
            if (press)
                QTest::keyClick(box, Qt::Key(press));
            else
                box->button(QMessageBox::Yes)->click();
        });
        const QMessageBox::StandardButton answer = TalMessageBox::question(
            nullptr, QStringLiteral("提示"), QStringLiteral("确认？"), QMessageBox::Yes | QMessageBox::No,
            QMessageBox::NoButton, QString());
        QCOMPARE(int(answer), expected);
        QCOMPARE(seenText, QStringLiteral("确认？"));
    }
};

QTEST_MAIN(tst_TalMessageBox)
#include "tst_talmessagebox.moc"
