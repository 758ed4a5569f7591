// The engine's stream is the only place a drawing lives between sessions and it arrives from
// drawing files we do not control. These tests guard against: a drawing that does not come back
// equal (it saves to different bytes the second time), and any corrupt stream that crashes, hangs,
// allocates without bound or leaves half a drawing behind. Hostile streams are crafted with a valid
// checksum, so each refusal here comes from the check it targets, not from the checksum; the
// "valid" row proves the crafting itself is right.

#include "engine/zvdentity.h"
#include "engine/zvectordrawing.h"

#include <QtTest>

#include <cmath>
#include <cstring>
#include <fstream>
#include <limits>
#include <sstream>

namespace {
std::string save(ZVectorDrawing& d)
{
    std::stringstream s(std::ios::in | std::ios::out | std::ios::binary);
    d.saveToStream(&s, vdsfStream, false);
    return s.str();
}

bool load(ZVectorDrawing& d, const std::string& bytes)
{
    std::stringstream s(bytes, std::ios::in | std::ios::out | std::ios::binary);
    return d.loadFromStream(&s);
}

quint32 crc32(const std::string& bytes)
{
    quint32 c = 0xFFFFFFFFu;
    for (unsigned char b : bytes) {
        c ^= b;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    }
    return c ^ 0xFFFFFFFFu;
}

// Builds streams by hand, field by field.
struct Bytes
{
    std::string s;
    Bytes& u8(quint8 v) { s.push_back(char(v)); return *this; }
    Bytes& u32(quint32 v)
    {
        for (int i = 0; i < 4; ++i)
            s.push_back(char(v >> (8 * i)));
        return *this;
    }
    Bytes& f64(double v)
    {
        quint64 bits;
        std::memcpy(&bits, &v, 8);
        u32(quint32(bits));
        return u32(quint32(bits >> 32));
    }
    Bytes& str(const std::string& t) { u32(quint32(t.size())); s += t; return *this; }
    Bytes& raw(const std::string& t) { s += t; return *this; }
    Bytes& header(const std::string& version = "3.5")
    {
        return str("QuillmarkVectorDrawing").str("Version").str(version).f64(0);
    }
    std::string sealed() const
    {
        Bytes b{s};
        b.u32(crc32(s));
        return b.s;
    }
};

std::string lineRecord(qint32 id, double x = 1)
{
    Bytes r;
    r.u32(quint32(id)).u32(0xFF000000u).f64(x).f64(2).f64(3).f64(4);
    return Bytes().u8(1).u32(quint32(r.s.size())).raw(r.s).s;
}

void fillSample(ZVectorDrawing& d)
{
    d.add(new ZVDLine(1, QPointF(0, 0), QPointF(100.5, -3)));
    d.add(new ZVDPolyline(2, {{0, 0}, {10, 0}, {10, 10}}, true));
    d.add(new ZVDCircle(3, QPointF(5, 5), 2.25));
    d.add(new ZVDArc(4, QPointF(-1, -1), 7, 30, -120));
    auto* t = new ZVDText(5, QPointF(3, 4), 2.5, L"井深 H=2500", Qt::AlignRight | Qt::AlignVCenter);
    t->setColor(QColor(0, 80, 230, 200));
    d.add(t);
}

void expectRefused(ZVectorDrawing& d, const std::string& bytes)
{
    fillSample(d); // content from before must not survive a refused load
    QVERIFY(!load(d, bytes));
    QCOMPARE(d.count(), 0);
    QCOMPARE(d.find(1), nullptr);
    QCOMPARE(d.lastError(), QStringLiteral("Invalid Stream Format"));
}
} // namespace

class tst_ZVectorDrawing : public QObject
{
    Q_OBJECT
private slots:
    void roundTrip_data()
    {
        QTest::addColumn<int>("which");
        QTest::newRow("empty") << 0;
        QTest::newRow("every kind") << 1;
        QTest::newRow("edge values") << 2;
    }

    void roundTrip()
    {
        QFETCH(int, which);
        ZVectorDrawing d;
        if (which == 1)
            fillSample(d);
        if (which == 2) {
            d.add(new ZVDPolyline(-7, {}, false));
            d.add(new ZVDText(std::numeric_limits<int>::max(), QPointF(-1e11, 1e-300), 1e-9,
                              L"\U0001F600 emoji, \"quotes\" <tag> &amp; 中文", 0));
            d.add(new ZVDText(std::numeric_limits<int>::min(), QPointF(0.1, 0.2), 3, L"", Qt::AlignCenter));
            d.add(new ZVDArc(9, QPointF(), 0, -720, 1080));
            d.setGridSpacing(250);
        }
        const std::string first = save(d);
        ZVectorDrawing back;
        QVERIFY2(load(back, first), qPrintable(back.lastError()));
        QCOMPARE(back.count(), d.count());
        // A file stream holds none or part of its bytes in memory: it is read, not taken in place.
        QTemporaryFile file;
        QVERIFY(file.open() && file.write(first.data(), qint64(first.size())) == qint64(first.size()));
        file.close();
        std::fstream in(file.fileName().toStdString(), std::ios::in | std::ios::binary);
        ZVectorDrawing fromFile;
        QVERIFY2(fromFile.loadFromStream(&in), qPrintable(fromFile.lastError()));
        QCOMPARE(save(fromFile), first);
        // Saving is deterministic, so equal bytes mean every field came back.
        QCOMPARE(save(back), first);
        // The extent kept from the load is the one measured entity by entity; it follows a text
        // edited in place (setText tells the drawing) and an entity added later.
        QCOMPARE(back.boundingRect(), d.boundingRect());
        if (which == 1) {
            const QRectF before = back.boundingRect();
            static_cast<ZVDText*>(back.find(5))->setText(L"a text far longer than the drawing is wide");
            QVERIFY(back.boundingRect().width() > before.width());
            // Shrunk from the edge it made, it leaves the extent as a new measure finds it.
            static_cast<ZVDText*>(back.find(5))->setText(L"x");
            ZVectorDrawing measured;
            QVERIFY(load(measured, save(back)));
            QCOMPARE(back.boundingRect(), measured.boundingRect());
            back.add(new ZVDLine(6, QPointF(0, 0), QPointF(0, 500)));
            QCOMPARE(back.boundingRect().bottom(), 500.0);
        }
    }

    void cutAtEveryByteIsRefused()
    {
        ZVectorDrawing d;
        fillSample(d);
        const std::string bytes = save(d);
        for (size_t n = 0; n < bytes.size(); ++n) {
            expectRefused(d, bytes.substr(0, n));
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(QStringLiteral("stream cut at %1 of %2 bytes").arg(n).arg(bytes.size())));
        }
    }

    void hostileStreams_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("valid");
        auto row = [](const char* name, const std::string& s, bool valid = false) {
            QTest::newRow(name) << QByteArray::fromStdString(s) << valid;
        };
        row("valid", Bytes().header().u32(2).raw(lineRecord(1)).raw(lineRecord(2)).sealed(), true);
        row("wrong tag", Bytes().str("QuillmarkVectorDrawinG").str("Version").str("3.5").f64(0).u32(0).sealed());
        row("unknown version", Bytes().header("9.9").u32(0).sealed());
        row("tag length huge", Bytes().u32(0xFFFFFFF0u).raw("Quill").sealed());
        row("count beyond bytes", Bytes().header().u32(0xFFFFFFFFu).raw(lineRecord(1)).sealed());
        row("record length beyond bytes", Bytes().header().u32(1).u8(1).u32(0x7FFFFFFF).sealed());
        row("record longer than its content", Bytes().header().u32(1).u8(1).u32(44).raw(lineRecord(1).substr(5)).u32(0).sealed());
        row("unknown kind", Bytes().header().u32(1).u8(77).u32(8).u32(1).u32(0).sealed());
        row("duplicate id", Bytes().header().u32(2).raw(lineRecord(4)).raw(lineRecord(4)).sealed());
        row("nan coordinate", Bytes().header().u32(1).raw(lineRecord(1, std::nan(""))).sealed());
        row("trailing bytes", Bytes().header().u32(1).raw(lineRecord(1)).raw("xyz").sealed());
        // One record of a kind (2 polyline, 3 circle, 5 text) with the given content.
        auto one = [](quint8 kind, const Bytes& r) {
            return Bytes().header().u32(1).u8(kind).u32(quint32(r.s.size())).raw(r.s).sealed();
        };
        row("point count huge", one(2, Bytes().u32(5).u32(0).u8(0).u32(0x40000000u)));
        row("negative text length", one(5, Bytes().u32(5).u32(0).f64(0).f64(0).f64(1).u32(0).u32(0xFFFFFFFFu)));
        row("invalid utf8 text", one(5, Bytes().u32(5).u32(0).f64(0).f64(0).f64(1).u32(0).str("\xff\xfe bad utf8")));
        row("negative radius", one(3, Bytes().u32(5).u32(0).f64(0).f64(0).f64(-2)));
        row("checksum wrong", Bytes().header().u32(0).u32(0).s);
    }

    void hostileStreams()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, valid);
        ZVectorDrawing d;
        if (valid) {
            QVERIFY2(load(d, bytes.toStdString()), qPrintable(d.lastError()));
            QCOMPARE(d.count(), 2);
            return;
        }
        expectRefused(d, bytes.toStdString());
    }
};

QTEST_GUILESS_MAIN(tst_ZVectorDrawing)
#include "tst_zvectordrawing.moc"
