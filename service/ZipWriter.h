#pragma once

#include <string>
#include <vector>

// A ZIP archive built in memory: each file deflated (or stored when that is
// no smaller), names in UTF-8, no ZIP64 (templates are small).
class ZipWriter
{
public:
    void add(const std::string &name, const std::string &data);
    std::string finish();

private:
    struct Entry
    {
        std::string name;
        unsigned long crc = 0;
        std::size_t size = 0;
        std::size_t compressedSize = 0;
        unsigned short method = 0;
        std::size_t offset = 0;
    };
    std::vector<Entry> m_entries;
    std::string m_out;
};
