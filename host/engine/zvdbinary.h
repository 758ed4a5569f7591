#pragma once

#include <QtGlobal>

#include <cstring>
#include <string>

// Little-endian writer and bounds-checked reader of the engine's binary stream. The reader never
// reads past its end: any read that does not fit marks it failed and answers zero.
namespace zvdbinary {

class Writer
{
public:
    explicit Writer(std::string& out) : m_out(out) {}
    void u8(quint8 v) { m_out.push_back(char(v)); }
    void u32(quint32 v)
    {
        char b[4] = {char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
        m_out.append(b, 4);
    }
    void i32(qint32 v) { u32(quint32(v)); }
    void f64(double v)
    {
        quint64 bits;
        std::memcpy(&bits, &v, 8);
        u32(quint32(bits));
        u32(quint32(bits >> 32));
    }
    void bytes(const char* data, size_t size) { m_out.append(data, size); }
    // A length-prefixed byte string.
    void str(const std::string& s)
    {
        u32(quint32(s.size()));
        m_out.append(s);
    }
    size_t size() const { return m_out.size(); }
    // Overwrites a u32 written earlier at offset (record lengths are known only afterwards).
    void patchU32(size_t offset, quint32 v)
    {
        for (int i = 0; i < 4; ++i)
            m_out[offset + size_t(i)] = char(v >> (8 * i));
    }

private:
    std::string& m_out;
};

class Reader
{
public:
    Reader(const char* begin, const char* end) : m_p(begin), m_end(end) {}
    bool ok() const { return m_ok; }
    void fail() { m_ok = false; m_p = m_end; }
    size_t remaining() const { return size_t(m_end - m_p); }
    const char* pos() const { return m_p; }

    bool need(size_t n)
    {
        if (!m_ok || remaining() < n) {
            fail();
            return false;
        }
        return true;
    }
    quint8 u8()
    {
        if (!need(1))
            return 0;
        return quint8(*m_p++);
    }
    quint32 u32()
    {
        if (!need(4))
            return 0;
        const auto* b = reinterpret_cast<const unsigned char*>(m_p);
        m_p += 4;
        return quint32(b[0]) | quint32(b[1]) << 8 | quint32(b[2]) << 16 | quint32(b[3]) << 24;
    }
    qint32 i32() { return qint32(u32()); }
    double f64()
    {
        const quint64 lo = u32();
        const quint64 hi = u32();
        const quint64 bits = lo | hi << 32;
        double v;
        std::memcpy(&v, &bits, 8);
        return v;
    }
    // A length-prefixed byte string; the length is checked against what remains first.
    bool str(const char*& data, quint32& size)
    {
        size = u32();
        if (!need(size))
            return false;
        data = m_p;
        m_p += size;
        return true;
    }
    // A sub-reader over the next n bytes, which this reader skips.
    Reader sub(size_t n)
    {
        if (!need(n))
            return Reader(m_end, m_end);
        Reader r(m_p, m_p + n);
        m_p += n;
        return r;
    }

private:
    const char* m_p;
    const char* m_end;
    bool m_ok = true;
};

// CRC-32 (IEEE 802.3, reflected) of the bytes.
quint32 crc32(const char* data, size_t size);

} // namespace zvdbinary
