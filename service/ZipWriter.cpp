#include "ZipWriter.h"

#include <zlib.h>

namespace {

void put16(std::string &out, unsigned value)
{
    out += char(value & 0xff);
    out += char((value >> 8) & 0xff);
}

void put32(std::string &out, unsigned long value)
{
    put16(out, unsigned(value & 0xffff));
    put16(out, unsigned((value >> 16) & 0xffff));
}

// Raw deflate (no zlib header), as ZIP wants it; empty on failure.
std::string deflateRaw(const std::string &data)
{
    z_stream stream{};
    if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        return {};
    std::string out(deflateBound(&stream, uLong(data.size())), '\0');
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.data()));
    stream.avail_in = uInt(data.size());
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = uInt(out.size());
    const int result = deflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    return result == Z_STREAM_END ? out : std::string();
}

// 1 January 2024, 12:00, in MS-DOS form: archives do not change from one
// start to the next.
constexpr unsigned dosTime = 12u << 11;
constexpr unsigned dosDate = ((2024u - 1980u) << 9) | (1u << 5) | 1u;

} // namespace

void ZipWriter::add(const std::string &name, const std::string &data)
{
    Entry entry;
    entry.name = name;
    entry.crc = crc32(0, reinterpret_cast<const Bytef *>(data.data()), uInt(data.size()));
    entry.size = data.size();
    entry.offset = m_out.size();
    std::string packed = deflateRaw(data);
    if (!packed.empty() && packed.size() < data.size()) {
        entry.method = 8;
    } else {
        packed = data;
        entry.method = 0;
    }
    entry.compressedSize = packed.size();

    put32(m_out, 0x04034b50);
    put16(m_out, 20);     // version needed
    put16(m_out, 0x0800); // names are UTF-8
    put16(m_out, entry.method);
    put16(m_out, dosTime);
    put16(m_out, dosDate);
    put32(m_out, entry.crc);
    put32(m_out, entry.compressedSize);
    put32(m_out, entry.size);
    put16(m_out, unsigned(name.size()));
    put16(m_out, 0);
    m_out += name;
    m_out += packed;
    m_entries.push_back(entry);
}

std::string ZipWriter::finish()
{
    const std::size_t directoryStart = m_out.size();
    for (const Entry &entry : m_entries) {
        put32(m_out, 0x02014b50);
        put16(m_out, 0x031e); // made by: Unix, version 3.0
        put16(m_out, 20);
        put16(m_out, 0x0800);
        put16(m_out, entry.method);
        put16(m_out, dosTime);
        put16(m_out, dosDate);
        put32(m_out, entry.crc);
        put32(m_out, entry.compressedSize);
        put32(m_out, entry.size);
        put16(m_out, unsigned(entry.name.size()));
        put16(m_out, 0); // extra
        put16(m_out, 0); // comment
        put16(m_out, 0); // disk
        put16(m_out, 0); // internal attributes
        const bool folder = !entry.name.empty() && entry.name.back() == '/';
        put32(m_out, (folder ? 040755ul : 0100644ul) << 16);
        put32(m_out, entry.offset);
        m_out += entry.name;
    }
    const std::size_t directorySize = m_out.size() - directoryStart;
    put32(m_out, 0x06054b50);
    put16(m_out, 0);
    put16(m_out, 0);
    put16(m_out, unsigned(m_entries.size()));
    put16(m_out, unsigned(m_entries.size()));
    put32(m_out, directorySize);
    put32(m_out, directoryStart);
    put16(m_out, 0);
    std::string out;
    out.swap(m_out);
    m_entries.clear();
    return out;
}
