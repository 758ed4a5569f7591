#include "engine/zvectordrawing.h"

#include "engine/vdobserver.h"
#include "engine/zvdentity.h"
#include "zvdbinary.h"

#include <QDomDocument>
#include <QDomElement>
#include <QLocale>
#include <QTextStream>

#include <algorithm>
#include <array>
#include <cmath>
#include <iostream>
#include <unordered_set>

// Stream layout, little-endian throughout:
//   str tag, str "Version", str version, f64 grid spacing, u32 entity count,
//   per entity: u8 kind, u32 record length, record (i32 id, u32 ARGB colour, geometry),
//   u32 CRC-32 of every byte before it.
// A str is a u32 byte count and UTF-8 bytes. Records carry their length so that every count
// inside them is checked against the record, and the record against the stream.

namespace zvdbinary {
namespace {
using CrcTables = std::array<std::array<quint32, 256>, 8>;

CrcTables makeCrcTables()
{
    CrcTables t{};
    for (quint32 i = 0; i < 256; ++i) {
        quint32 c = i;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        t[0][i] = c;
    }
    for (quint32 i = 0; i < 256; ++i)
        for (size_t k = 1; k < 8; ++k)
            t[k][i] = (t[k - 1][i] >> 8) ^ t[0][t[k - 1][i] & 0xFF];
    return t;
}

quint32 load32(const unsigned char* p)
{
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}
} // namespace

quint32 crc32(const char* data, size_t size)
{
    // Eight bytes per step (slicing-by-8).
    static const CrcTables t = makeCrcTables();
    const auto* p = reinterpret_cast<const unsigned char*>(data);
    quint32 c = 0xFFFFFFFFu;
    while (size >= 8) {
        const quint32 lo = load32(p) ^ c;
        const quint32 hi = load32(p + 4);
        c = t[7][lo & 0xFF] ^ t[6][(lo >> 8) & 0xFF] ^ t[5][(lo >> 16) & 0xFF] ^ t[4][lo >> 24]
            ^ t[3][hi & 0xFF] ^ t[2][(hi >> 8) & 0xFF] ^ t[1][(hi >> 16) & 0xFF] ^ t[0][hi >> 24];
        p += 8;
        size -= 8;
    }
    while (size--)
        c = t[0][(c ^ *p++) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}
} // namespace zvdbinary

namespace {
using zvdbinary::Reader;
using zvdbinary::Writer;

// Coordinates beyond this are refused: they cannot come from a real drawing and would break the
// view's arithmetic.
constexpr double kMaxCoordinate = 1e12;
// Smallest entity record: kind, length, id, colour.
constexpr size_t kMinRecord = 1 + 4 + 4 + 4;
// Streams above this size are refused before they are copied into memory.
constexpr std::streamoff kMaxStreamBytes = std::streamoff(1) << 30;

std::string utf8(const wchar_t* s)
{
    return QString::fromWCharArray(s).toStdString();
}

bool sane(double v)
{
    return std::isfinite(v) && std::fabs(v) <= kMaxCoordinate;
}

double readCoord(Reader& r)
{
    const double v = r.f64();
    if (!sane(v))
        r.fail();
    return v;
}

double readLength(Reader& r)
{
    const double v = readCoord(r);
    if (v < 0)
        r.fail();
    return v;
}

QPointF readPoint(Reader& r)
{
    const double x = readCoord(r);
    const double y = readCoord(r);
    return QPointF(x, y);
}

void writePoint(Writer& w, const QPointF& p)
{
    w.f64(p.x());
    w.f64(p.y());
}

// A string whose bytes are valid UTF-8 that reads back to the same bytes, or failure.
bool readText(Reader& r, std::wstring& out)
{
    const char* data = nullptr;
    quint32 size = 0;
    if (!r.str(data, size))
        return false;
    const QByteArray bytes = QByteArray::fromRawData(data, int(size));
    const QString text = QString::fromUtf8(bytes);
    if (text.toUtf8() != bytes) {
        r.fail();
        return false;
    }
    out = text.toStdWString();
    return true;
}

bool expectString(Reader& r, const wchar_t* expected)
{
    const char* data = nullptr;
    quint32 size = 0;
    if (!r.str(data, size))
        return false;
    const std::string want = utf8(expected);
    if (size != want.size() || std::memcmp(data, want.data(), size) != 0) {
        r.fail();
        return false;
    }
    return true;
}

std::unique_ptr<ZVDEntity> readEntity(quint8 kind, Reader& r)
{
    const int id = r.i32();
    const QColor color = QColor::fromRgba(r.u32());
    std::unique_ptr<ZVDEntity> e;
    switch (ZVDEntityKind(kind)) {
    case ZVDEntityKind::Line: {
        const QPointF a = readPoint(r);
        const QPointF b = readPoint(r);
        e.reset(new ZVDLine(id, a, b));
        break;
    }
    case ZVDEntityKind::Polyline: {
        const quint8 closed = r.u8();
        const quint32 n = r.u32();
        if (closed > 1 || n > r.remaining() / 16) {
            r.fail();
            return nullptr;
        }
        QVector<QPointF> points;
        points.reserve(int(n));
        for (quint32 i = 0; i < n && r.ok(); ++i)
            points.append(readPoint(r));
        e.reset(new ZVDPolyline(id, points, closed == 1));
        break;
    }
    case ZVDEntityKind::Circle: {
        const QPointF c = readPoint(r);
        const double radius = readLength(r);
        e.reset(new ZVDCircle(id, c, radius));
        break;
    }
    case ZVDEntityKind::Arc: {
        const QPointF c = readPoint(r);
        const double radius = readLength(r);
        const double start = readCoord(r);
        const double span = readCoord(r);
        e.reset(new ZVDArc(id, c, radius, start, span));
        break;
    }
    case ZVDEntityKind::Text: {
        const QPointF p = readPoint(r);
        const double height = readLength(r);
        const int align = r.i32();
        std::wstring text;
        if (!readText(r, text))
            return nullptr;
        e.reset(new ZVDText(id, p, height, text, align));
        break;
    }
    default:
        r.fail();
        return nullptr;
    }
    // The record must be used up exactly.
    if (!r.ok() || r.remaining() != 0)
        return nullptr;
    e->setColor(color);
    return e;
}

void writeEntity(Writer& w, const ZVDEntity* e)
{
    w.u8(quint8(e->kind()));
    const size_t lengthAt = w.size();
    w.u32(0);
    const size_t start = w.size();
    w.i32(e->id());
    w.u32(e->color().rgba());
    switch (e->kind()) {
    case ZVDEntityKind::Line: {
        auto* l = static_cast<const ZVDLine*>(e);
        writePoint(w, l->p1);
        writePoint(w, l->p2);
        break;
    }
    case ZVDEntityKind::Polyline: {
        auto* p = static_cast<const ZVDPolyline*>(e);
        w.u8(p->closed ? 1 : 0);
        w.u32(quint32(p->points.size()));
        for (const QPointF& pt : p->points)
            writePoint(w, pt);
        break;
    }
    case ZVDEntityKind::Circle: {
        auto* c = static_cast<const ZVDCircle*>(e);
        writePoint(w, c->center);
        w.f64(c->radius);
        break;
    }
    case ZVDEntityKind::Arc: {
        auto* a = static_cast<const ZVDArc*>(e);
        writePoint(w, a->center);
        w.f64(a->radius);
        w.f64(a->startAngle);
        w.f64(a->spanAngle);
        break;
    }
    case ZVDEntityKind::Text: {
        auto* t = static_cast<const ZVDText*>(e);
        writePoint(w, t->position);
        w.f64(t->height);
        w.i32(t->alignment);
        w.str(QString::fromStdWString(t->text()).toStdString());
        break;
    }
    }
    w.patchU32(lengthAt, quint32(w.size() - start));
}

// The smallest box holding every box added; points and lines count too (QRectF::united skips
// empty rectangles).
struct Extent
{
    bool any = false;
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;

    void add(const QRectF& r)
    {
        if (!any) {
            x0 = r.left();
            y0 = r.top();
            x1 = r.right();
            y1 = r.bottom();
            any = true;
            return;
        }
        x0 = std::min(x0, r.left());
        y0 = std::min(y0, r.top());
        x1 = std::max(x1, r.right());
        y1 = std::max(y1, r.bottom());
    }
    void keepIn(double* out, bool& outAny) const
    {
        out[0] = x0;
        out[1] = y0;
        out[2] = x1;
        out[3] = y1;
        outAny = any;
    }
};

QString num(double v)
{
    return QString::number(v, 'g', QLocale::FloatingPointShortest);
}

// The bytes a stream buffer holds in memory from its read position on. gptr() and egptr() are
// protected; pointers to them named through a derived class may be called on any buffer.
struct GetArea : std::streambuf
{
    static const char* next(std::streambuf* buffer, std::streamoff& held)
    {
        char* (std::streambuf::*gptr)() const = &GetArea::gptr;
        char* (std::streambuf::*egptr)() const = &GetArea::egptr;
        const char* at = (buffer->*gptr)();
        held = at ? (buffer->*egptr)() - at : 0;
        return at;
    }
};

// The bytes of a stream from its read position on: in place when the stream's buffer already
// holds all of them in memory (a drawing handed over as a byte array), else copied into storage.
// Anything above the size limit is refused. A seekable stream is read in one piece; any other in
// chunks.
struct StreamBytes
{
    std::string storage;
    const char* data = nullptr;
    size_t size = 0;

    bool read(std::iostream* stream)
    {
        const std::streampos start = stream->tellg();
        if (start != std::streampos(-1) && stream->seekg(0, std::ios::end)) {
            const std::streamoff length = stream->tellg() - start;
            stream->seekg(start);
            if (length >= 0 && length <= kMaxStreamBytes && *stream) {
                std::streamoff held = 0;
                const char* at = GetArea::next(stream->rdbuf(), held);
                if (length > 0 && held == length) {
                    data = at;
                    size = size_t(length);
                    return bool(stream->seekg(0, std::ios::end));
                }
                storage.resize(size_t(length));
                stream->read(&storage[0], length);
                return keep(stream->gcount() == length);
            }
            if (length > kMaxStreamBytes)
                return false;
        }
        stream->clear();
        char buf[65536];
        while (*stream) {
            stream->read(buf, sizeof buf);
            const std::streamsize got = stream->gcount();
            if (got <= 0)
                break;
            if (std::streamoff(storage.size()) + got > kMaxStreamBytes)
                return false;
            storage.append(buf, size_t(got));
        }
        return keep(!stream->bad());
    }

private:
    bool keep(bool ok)
    {
        data = storage.data();
        size = storage.size();
        return ok;
    }
};

// Destroys the entities last to first. They were made first to last, so the allocator's free
// lists then hand their memory out, and merge it, in address order: freeing a large drawing and
// loading the next one walks memory in order instead of at random.
void destroyEntities(std::vector<std::unique_ptr<ZVDEntity>>& entities)
{
    for (auto it = entities.rbegin(); it != entities.rend(); ++it)
        it->reset();
    entities.clear();
}
} // namespace

ZVectorDrawing::ZVectorDrawing() = default;

ZVectorDrawing::~ZVectorDrawing()
{
    m_index.clear();
    destroyEntities(m_entities);
}

ZVDEntity* ZVectorDrawing::find(int id)
{
    const auto it = m_index.find(id);
    return it == m_index.end() ? nullptr : it->second;
}

void ZVectorDrawing::clear()
{
    m_index.clear();
    destroyEntities(m_entities);
    m_gridSpacing = 0;
    notifyChanged();
}

void ZVectorDrawing::add(ZVDEntity* entity)
{
    if (!entity)
        return;
    std::unique_ptr<ZVDEntity> owned(entity);
    const auto it = m_index.find(entity->id());
    if (it != m_index.end()) {
        if (it->second == entity) {
            owned.release();
            return;
        }
        for (auto& slot : m_entities) {
            if (slot.get() == it->second) {
                slot = std::move(owned);
                break;
            }
        }
        it->second = entity;
    } else {
        m_entities.push_back(std::move(owned));
        m_index.emplace(entity->id(), entity);
    }
    hold(entity);
    notifyChanged({entity});
}

QRectF ZVectorDrawing::boundingRect() const
{
    if (!m_extentKept) {
        Extent extent;
        for (const auto& e : m_entities)
            extent.add(e->boundingRect());
        extent.keepIn(m_extent, m_extentAny);
        m_extentKept = true;
    }
    return m_extentAny ? QRectF(QPointF(m_extent[0], m_extent[1]), QPointF(m_extent[2], m_extent[3])) : QRectF();
}

void ZVectorDrawing::textChanged(ZVDText* text, const QRectF& before)
{
    if (m_extentKept) {
        const QRectF after = text->boundingRect();
        double* e = m_extent;
        // A text that leaves an edge of the extent may have been the only entity there.
        if (!m_extentAny || (before.left() == e[0] && after.left() > e[0])
            || (before.top() == e[1] && after.top() > e[1]) || (before.right() == e[2] && after.right() < e[2])
            || (before.bottom() == e[3] && after.bottom() < e[3])) {
            m_extentKept = false;
        } else {
            e[0] = std::min(e[0], after.left());
            e[1] = std::min(e[1], after.top());
            e[2] = std::max(e[2], after.right());
            e[3] = std::max(e[3], after.bottom());
        }
    }
    if (m_telling) { // told from inside an observer: m_changedText is in use
        std::vector<ZVDEntity*> changed{text};
        tellObservers(changed);
        return;
    }
    m_telling = true;
    m_changedText.assign(1, text);
    tellObservers(m_changedText);
    m_telling = false;
}

void ZVectorDrawing::hold(ZVDEntity* entity)
{
    if (entity->kind() == ZVDEntityKind::Text)
        static_cast<ZVDText*>(entity)->m_holder.drawing = this;
}

void ZVectorDrawing::setGridSpacing(double spacing)
{
    if (!std::isfinite(spacing) || spacing < 0)
        spacing = 0;
    if (spacing == m_gridSpacing)
        return;
    m_gridSpacing = spacing;
    notifyChanged();
}

void ZVectorDrawing::addObserver(VDObserver* observer)
{
    if (observer && std::find(m_observers.begin(), m_observers.end(), observer) == m_observers.end())
        m_observers.push_back(observer);
}

void ZVectorDrawing::removeObserver(VDObserver* observer)
{
    m_observers.erase(std::remove(m_observers.begin(), m_observers.end(), observer), m_observers.end());
}

void ZVectorDrawing::notifyChanged(std::vector<ZVDEntity*> entities)
{
    m_extentKept = false;
    tellObservers(entities);
}

void ZVectorDrawing::tellObservers(std::vector<ZVDEntity*>& entities)
{
    // Observers may come and go while they are told: the ones there now are told, from a copy that
    // a short list makes without allocating.
    constexpr size_t kFew = 4;
    const size_t n = m_observers.size();
    if (n <= kFew) {
        std::array<VDObserver*, kFew> few{};
        std::copy(m_observers.begin(), m_observers.end(), few.begin());
        for (size_t i = 0; i < n; ++i)
            few[i]->onNotify(0, entities, this);
        return;
    }
    const auto observers = m_observers;
    for (VDObserver* o : observers)
        o->onNotify(0, entities, this);
}

bool ZVectorDrawing::loadFromStream(std::iostream* stream)
{
    std::vector<std::unique_ptr<ZVDEntity>> entities;
    std::unordered_map<int, ZVDEntity*> index;
    // The extent is taken while each entity is at hand: a later pass over a large drawing
    // costs a cache miss per entity.
    Extent extent;
    double grid = 0;
    bool ok = false;

    StreamBytes bytes;
    if (stream && bytes.read(stream) && bytes.size >= 4) {
        const char* begin = bytes.data;
        const char* bodyEnd = begin + bytes.size - 4;
        Reader tail(bodyEnd, bodyEnd + 4);
        const quint32 stored = tail.u32();
        Reader r(begin, bodyEnd);
        // The tag comes first so that a foreign stream is refused before its checksum is computed.
        if (expectString(r, zvd::STREAM_TAG) && stored == zvdbinary::crc32(begin, bytes.size - 4)
            && expectString(r, zvd::KEY_VERSION) && expectString(r, zvd::VERSION_3_5)) {
            grid = readLength(r);
            const quint32 count = r.u32();
            if (r.ok() && count <= r.remaining() / kMinRecord) {
                entities.reserve(count);
                index.reserve(count);
                for (quint32 i = 0; i < count && r.ok(); ++i) {
                    const quint8 kind = r.u8();
                    const quint32 length = r.u32();
                    Reader rec = r.sub(length);
                    if (!r.ok())
                        break;
                    std::unique_ptr<ZVDEntity> e = readEntity(kind, rec);
                    if (!e || !index.emplace(e->id(), e.get()).second) {
                        r.fail();
                        break;
                    }
                    hold(e.get());
                    extent.add(e->boundingRect());
                    entities.push_back(std::move(e));
                }
                ok = r.ok() && r.remaining() == 0;
            }
        }
    }

    m_index.clear();
    destroyEntities(m_entities);
    m_gridSpacing = 0;
    if (ok) {
        m_entities = std::move(entities);
        m_index = std::move(index);
        m_gridSpacing = grid;
        m_lastError.clear();
    } else {
        m_lastError = QString::fromWCharArray(zvd::ERROR_INVALID_STREAM);
    }
    (ok ? extent : Extent()).keepIn(m_extent, m_extentAny);
    m_extentKept = true;
    std::vector<ZVDEntity*> none;
    tellObservers(none);
    return ok;
}

bool ZVectorDrawing::saveToStream(std::iostream* stream, EnVDSaveFormat format, bool flag)
{
    if (!stream)
        return false;
    if (format == vdsfXML) {
        QDomDocument doc;
        doc.appendChild(doc.createProcessingInstruction(QStringLiteral("xml"),
                                                        QStringLiteral("version=\"1.0\" encoding=\"UTF-8\"")));
        QDomElement root = doc.createElement(QString::fromWCharArray(zvd::STREAM_TAG));
        doc.appendChild(root);
        saveToXMLNode(root, flag);
        const QByteArray xml = doc.toByteArray(4);
        stream->write(xml.constData(), xml.size());
        return bool(*stream);
    }
    std::string out;
    out.reserve(64 + m_entities.size() * 48);
    Writer w(out);
    w.str(utf8(zvd::STREAM_TAG));
    w.str(utf8(zvd::KEY_VERSION));
    w.str(utf8(zvd::VERSION_3_5));
    w.f64(m_gridSpacing);
    w.u32(quint32(m_entities.size()));
    for (const auto& e : m_entities)
        writeEntity(w, e.get());
    w.u32(zvdbinary::crc32(out.data(), out.size()));
    stream->write(out.data(), std::streamsize(out.size()));
    return bool(*stream);
}

void ZVectorDrawing::saveToXMLNode(QDomElement& node, bool flag)
{
    QDomDocument doc = node.ownerDocument();
    if (flag) {
        // The flag adds what a reader needs to check the content: version, count and grid.
        node.setAttribute(QString::fromWCharArray(zvd::KEY_VERSION), QString::fromWCharArray(zvd::VERSION_3_5));
        node.setAttribute(QStringLiteral("Count"), count());
        node.setAttribute(QStringLiteral("GridSpacing"), num(m_gridSpacing));
    }
    for (const auto& owned : m_entities) {
        const ZVDEntity* e = owned.get();
        QDomElement el;
        switch (e->kind()) {
        case ZVDEntityKind::Line: {
            auto* l = static_cast<const ZVDLine*>(e);
            el = doc.createElement(QStringLiteral("Line"));
            el.setAttribute(QStringLiteral("x1"), num(l->p1.x()));
            el.setAttribute(QStringLiteral("y1"), num(l->p1.y()));
            el.setAttribute(QStringLiteral("x2"), num(l->p2.x()));
            el.setAttribute(QStringLiteral("y2"), num(l->p2.y()));
            break;
        }
        case ZVDEntityKind::Polyline: {
            auto* p = static_cast<const ZVDPolyline*>(e);
            el = doc.createElement(QStringLiteral("Polyline"));
            el.setAttribute(QStringLiteral("closed"), p->closed ? 1 : 0);
            for (const QPointF& pt : p->points) {
                QDomElement v = doc.createElement(QStringLiteral("Point"));
                v.setAttribute(QStringLiteral("x"), num(pt.x()));
                v.setAttribute(QStringLiteral("y"), num(pt.y()));
                el.appendChild(v);
            }
            break;
        }
        case ZVDEntityKind::Circle: {
            auto* c = static_cast<const ZVDCircle*>(e);
            el = doc.createElement(QStringLiteral("Circle"));
            el.setAttribute(QStringLiteral("cx"), num(c->center.x()));
            el.setAttribute(QStringLiteral("cy"), num(c->center.y()));
            el.setAttribute(QStringLiteral("r"), num(c->radius));
            break;
        }
        case ZVDEntityKind::Arc: {
            auto* a = static_cast<const ZVDArc*>(e);
            el = doc.createElement(QStringLiteral("Arc"));
            el.setAttribute(QStringLiteral("cx"), num(a->center.x()));
            el.setAttribute(QStringLiteral("cy"), num(a->center.y()));
            el.setAttribute(QStringLiteral("r"), num(a->radius));
            el.setAttribute(QStringLiteral("start"), num(a->startAngle));
            el.setAttribute(QStringLiteral("span"), num(a->spanAngle));
            break;
        }
        case ZVDEntityKind::Text: {
            auto* t = static_cast<const ZVDText*>(e);
            el = doc.createElement(QStringLiteral("Text"));
            el.setAttribute(QStringLiteral("x"), num(t->position.x()));
            el.setAttribute(QStringLiteral("y"), num(t->position.y()));
            el.setAttribute(QStringLiteral("height"), num(t->height));
            el.setAttribute(QStringLiteral("align"), t->alignment);
            el.setAttribute(QStringLiteral("text"), QString::fromStdWString(t->text()));
            break;
        }
        }
        el.setAttribute(QStringLiteral("id"), e->id());
        el.setAttribute(QStringLiteral("color"), e->color().name(QColor::HexArgb));
        node.appendChild(el);
    }
}
