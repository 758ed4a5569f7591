// The diff table is what a tester reads to see which drawing-info values a calculation changed:
// a wrong mark (or a stale one) points them at the wrong parameter. The first snapshot, equal and
// changed values, and marks taken off again, are driven through the data view's snapshot list
// (tst_orbdrawsetdataviewwidget).

#include "dataview/orbdrawinginfodiffwidget.h"
#include "drawingdata/orbkeyvaluelist.h"

#include <QBrush>
#include <QtTest>

namespace {
const QColor kMark(204, 255, 204, 255);

OrbKeyValueList list(const QString& text)
{
    OrbKeyValueList l;
    l.loadFromString(text, QLatin1Char(';'));
    return l;
}

bool marked(const QAbstractItemModel* m, int row, int column)
{
    const QVariant v = m->index(row, column).data(Qt::BackgroundRole);
    return v.canConvert<QBrush>() && v.value<QBrush>().style() == Qt::SolidPattern
        && v.value<QBrush>().color() == kMark;
}
} // namespace

class tst_OrbDrawingInfoDiffWidget : public QObject
{
    Q_OBJECT
private slots:
    void diff_data()
    {
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("previous");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("shownNow");
        QTest::addColumn<QString>("shownBefore");
        QTest::addColumn<bool>("mark");

        QTest::newRow("only in current") << "H=1200;B=800" << "H=1200" << "B" << "800" << "" << true;
        QTest::newRow("only in previous") << "H=1200" << "H=1200;B=5" << "B" << "" << "5" << true;
    }

    void diff()
    {
        QFETCH(QString, current);
        QFETCH(QString, previous);
        QFETCH(QString, code);
        QFETCH(QString, shownNow);
        QFETCH(QString, shownBefore);
        QFETCH(bool, mark);

        OrbDrawingInfoDiffWidget w;
        w.appendRow({QStringLiteral("X"), QStringLiteral("other"), QString(), QString()});
        w.appendRow({code, QStringLiteral("name of ") + code, QString(), QString()});
        w.diffDrawingInfo(list(current), list(previous));

        const QAbstractItemModel* m = w.model();
        QCOMPARE(m->index(1, 2).data().toString(), shownNow);
        QCOMPARE(m->index(1, 3).data().toString(), shownBefore);
        QCOMPARE(marked(m, 1, 2), mark);
        QCOMPARE(marked(m, 1, 3), mark);
        QVERIFY(!marked(m, 1, 0));
        QVERIFY(!(m->flags(m->index(1, 2)) & Qt::ItemIsEditable));
    }

    // A value cut to "C12@2…" while free space stands beside it hides what the calculation gave.
    void textsShownWhole()
    {
        OrbDrawingInfoDiffWidget w;
        w.appendRow({QStringLiteral("A1"), QStringLiteral("底板钢筋（上层，横向分布筋）"), QString(), QString()});
        w.diffDrawingInfo(list("A1=C12@200/HRB400"), list("A1=C12@150/HRB400"));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const int margins = 2 * (w.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &w) + 1);
        for (int c = 1; c < 4; ++c) {
            const QModelIndex index = w.model()->index(0, c);
            QVERIFY2(w.visualRect(index).width() >= w.fontMetrics().horizontalAdvance(index.data().toString()) + margins,
                     qPrintable(index.data().toString()));
        }
    }
};

QTEST_MAIN(tst_OrbDrawingInfoDiffWidget)
#include "tst_orbdrawinginfodiffwidget.moc"
