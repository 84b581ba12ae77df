#include "UrlPath.h"

namespace {

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::optional<std::string> decode(const std::string &text, bool plusIsSpace)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '%') {
            if (i + 2 >= text.size())
                return std::nullopt;
            const int high = hexValue(text[i + 1]);
            const int low = hexValue(text[i + 2]);
            if (high < 0 || low < 0)
                return std::nullopt;
            c = char(high * 16 + low);
            i += 2;
        } else if (c == '+' && plusIsSpace) {
            c = ' ';
        }
        if (c == '\0')
            return std::nullopt;
        out += c;
    }
    return out;
}

} // namespace

namespace UrlPath {

std::optional<std::vector<std::string>> segments(const std::string &target)
{
    const std::string path = target.substr(0, target.find('?'));
    if (path.empty() || path[0] != '/')
        return std::nullopt;
    std::vector<std::string> out;
    std::size_t start = 1;
    while (true) {
        const std::size_t end = path.find('/', start);
        const auto segment = decode(path.substr(start, end == std::string::npos ? std::string::npos
                                                                                : end - start),
                                    false);
        if (!segment || *segment == "." || *segment == ".."
            || segment->find('/') != std::string::npos || segment->find('\\') != std::string::npos)
            return std::nullopt;
        out.push_back(*segment);
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return out;
}

std::optional<std::string> queryValue(const std::string &target, const std::string &name)
{
    const std::size_t mark = target.find('?');
    if (mark == std::string::npos)
        return std::nullopt;
    const std::string query = target.substr(mark + 1);
    std::size_t start = 0;
    while (start <= query.size()) {
        std::size_t end = query.find('&', start);
        if (end == std::string::npos)
            end = query.size();
        const std::string pair = query.substr(start, end - start);
        const std::size_t equals = pair.find('=');
        if (pair.substr(0, equals) == name)
            return decode(equals == std::string::npos ? std::string() : pair.substr(equals + 1),
                          true);
        start = end + 1;
    }
    return std::nullopt;
}

std::string encodeSegment(const std::string &segment)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : segment) {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-'
            || c == '.' || c == '_' || c == '~') {
            out += char(c);
        } else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    return out;
}

} // namespace UrlPath
