#include "PublicLink.h"

#include <QUrl>

#include <arpa/inet.h>

#include <array>
#include <cctype>
#include <cstdint>
#include <optional>
#include <vector>

namespace {

std::vector<std::string> split(const std::string &text, char separator)
{
    std::vector<std::string> parts;
    std::size_t from = 0;
    while (true) {
        const std::size_t to = text.find(separator, from);
        parts.push_back(text.substr(from, to == std::string::npos ? std::string::npos : to - from));
        if (to == std::string::npos)
            return parts;
        from = to + 1;
    }
}

bool isDigits(const std::string &text, int base)
{
    for (const char c : text) {
        const bool digit = base == 16 ? std::isxdigit(static_cast<unsigned char>(c)) != 0
                                      : c >= '0' && c < char('0' + base);
        if (!digit)
            return false;
    }
    return true;
}

// A label that makes the host an IPv4 address as browsers read it: decimal,
// or hexadecimal after "0x".
bool numeric(const std::string &label)
{
    if (label.size() >= 2 && label[0] == '0' && (label[1] == 'x' || label[1] == 'X'))
        return isDigits(label.substr(2), 16);
    return !label.empty() && isDigits(label, 10);
}

// IPv4 in every spelling a browser or resolver accepts: one to four parts,
// each decimal, octal (leading 0) or hexadecimal (0x), the last one filling
// the bytes left ("127.1", "2130706433", "0x7f000001", "0177.0.0.1").
std::optional<std::uint32_t> parseIpv4(const std::vector<std::string> &parts)
{
    if (parts.empty() || parts.size() > 4)
        return std::nullopt;
    std::vector<std::uint64_t> values;
    for (const std::string &part : parts) {
        std::string digits = part;
        int base = 10;
        if (digits.size() >= 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
            digits = digits.substr(2);
            base = 16;
        } else if (digits.size() >= 2 && digits[0] == '0') {
            digits = digits.substr(1);
            base = 8;
        }
        if ((digits.empty() && base == 10) || digits.size() > 32 || !isDigits(digits, base))
            return std::nullopt;
        std::uint64_t value = 0;
        for (const char c : digits) {
            value = value * std::uint64_t(base)
                    + std::uint64_t(std::isdigit(static_cast<unsigned char>(c))
                                            ? c - '0'
                                            : std::tolower(static_cast<unsigned char>(c)) - 'a'
                                                      + 10);
            if (value > 0xffffffffULL)
                return std::nullopt;
        }
        values.push_back(value);
    }
    std::uint32_t address = 0;
    for (std::size_t i = 0; i + 1 < values.size(); ++i) {
        if (values[i] > 255)
            return std::nullopt;
        address |= std::uint32_t(values[i]) << (8 * (3 - i));
    }
    const std::uint64_t last = values.back();
    if (last >= (1ULL << (8 * (5 - values.size()))))
        return std::nullopt;
    return address | std::uint32_t(last);
}

bool publicIpv4(std::uint32_t a)
{
    const auto in = [a](std::uint32_t network, int bits) {
        return (a >> (32 - bits)) == (network >> (32 - bits));
    };
    return !(in(0x00000000, 8)      // "this network", unspecified
             || in(0x0a000000, 8)   // private
             || in(0x64400000, 10)  // shared (carrier-grade NAT)
             || in(0x7f000000, 8)   // loopback
             || in(0xa9fe0000, 16)  // link-local
             || in(0xac100000, 12)  // private
             || in(0xc0000000, 24)  // protocol assignments
             || in(0xc0a80000, 16)  // private
             || in(0xc6120000, 15)  // benchmarking
             || in(0xe0000000, 4)   // multicast
             || in(0xf0000000, 4)); // reserved, broadcast
}

std::uint32_t ipv4At(const std::array<unsigned char, 16> &b, std::size_t at)
{
    return std::uint32_t(b[at]) << 24 | std::uint32_t(b[at + 1]) << 16
           | std::uint32_t(b[at + 2]) << 8 | std::uint32_t(b[at + 3]);
}

bool publicIpv6(const std::array<unsigned char, 16> &b)
{
    const auto zeros = [&b](std::size_t from, std::size_t to) {
        for (std::size_t i = from; i < to; ++i) {
            if (b[i] != 0)
                return false;
        }
        return true;
    };
    // Forms that carry an IPv4 address are judged by it: compatible (::a.b.c.d,
    // which covers :: and ::1), mapped (::ffff:a.b.c.d), translated
    // (::ffff:0:a.b.c.d), NAT64 (64:ff9b::/96) and 6to4 (2002::/16).
    if (zeros(0, 12))
        return publicIpv4(ipv4At(b, 12));
    if (zeros(0, 10) && b[10] == 0xff && b[11] == 0xff)
        return publicIpv4(ipv4At(b, 12));
    if (zeros(0, 8) && b[8] == 0xff && b[9] == 0xff && b[10] == 0 && b[11] == 0)
        return publicIpv4(ipv4At(b, 12));
    if (b[0] == 0x00 && b[1] == 0x64 && b[2] == 0xff && b[3] == 0x9b && zeros(4, 12))
        return publicIpv4(ipv4At(b, 12));
    if (b[0] == 0x20 && b[1] == 0x02)
        return publicIpv4(ipv4At(b, 2));
    return !(b[0] == 0xff                                 // multicast
             || (b[0] & 0xfe) == 0xfc                     // unique-local
             || (b[0] == 0xfe && (b[1] & 0xc0) == 0x80)   // link-local
             || (b[0] == 0xfe && (b[1] & 0xc0) == 0xc0)); // site-local, withdrawn
}

// Names that only local networks resolve.
bool localName(const std::string &name)
{
    for (const char *suffix :
         {"localhost", "local", "localdomain", "internal", "home.arpa", "invalid"}) {
        const std::string tail = suffix;
        if (name == tail
            || (name.size() > tail.size()
                && name.compare(name.size() - tail.size(), tail.size(), tail) == 0
                && name[name.size() - tail.size() - 1] == '.'))
            return true;
    }
    return false;
}

} // namespace

bool PublicLink::publicHost(const std::string &host)
{
    std::string name;
    for (const char c : host)
        name += char(std::tolower(static_cast<unsigned char>(c)));
    if (!name.empty() && name.front() == '[' && name.back() == ']')
        name = name.substr(1, name.size() - 2);
    if (name.find(':') != std::string::npos) {
        // A zone names an interface of this machine: never a public address.
        std::array<unsigned char, 16> bytes{};
        return name.find('%') == std::string::npos
               && inet_pton(AF_INET6, name.c_str(), bytes.data()) == 1 && publicIpv6(bytes);
    }
    if (!name.empty() && name.back() == '.')
        name.pop_back();
    const std::vector<std::string> labels = split(name, '.');
    for (const std::string &label : labels) {
        if (label.empty())
            return false;
    }
    // A final label of digits is no top-level domain: such a host is an
    // IPv4 address, public or refused, or nothing a client should try.
    if (numeric(labels.back())) {
        const auto address = parseIpv4(labels);
        return address && publicIpv4(*address);
    }
    return labels.size() >= 2 && !localName(name);
}

bool PublicLink::allowed(const QString &url, const std::string &ownPrefix)
{
    const QUrl parsed(url, QUrl::StrictMode);
    if (!parsed.isValid() || parsed.host().isEmpty()
        || (parsed.scheme() != QLatin1String("http") && parsed.scheme() != QLatin1String("https")))
        return false;
    if (!ownPrefix.empty()) {
        const QUrl own(QString::fromStdString(ownPrefix), QUrl::StrictMode);
        const int defaultPort = parsed.scheme() == QLatin1String("https") ? 443 : 80;
        if (parsed.scheme() == own.scheme() && parsed.host() == own.host()
            && parsed.port(defaultPort) == own.port(defaultPort) && parsed.userInfo().isEmpty()
            && parsed.adjusted(QUrl::NormalizePathSegments).path().startsWith(own.path()))
            return true;
    }
    return publicHost(parsed.host(QUrl::FullyEncoded).toStdString());
}
