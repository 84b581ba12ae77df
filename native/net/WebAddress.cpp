#include "net/WebAddress.h"

#include <QList>
#include <QPair>

using namespace Qt::StringLiterals;

namespace {

using Range = QPair<QHostAddress, int>;

QList<Range> parsed(std::initializer_list<const char *> ranges)
{
    QList<Range> list;
    for (const char *range : ranges)
        list.append(QHostAddress::parseSubnet(QLatin1StringView(range)));
    return list;
}

// IPv4 ranges that are not the public internet.
const QList<Range> &notPublicIPv4()
{
    static const QList<Range> ranges = parsed({
            "0.0.0.0/8",       // "this network", the unspecified address included
            "10.0.0.0/8",      // private
            "100.64.0.0/10",   // shared address space (carrier-grade NAT)
            "127.0.0.0/8",     // loopback
            "169.254.0.0/16",  // link-local
            "172.16.0.0/12",   // private
            "192.0.0.0/24",    // protocol assignments
            "192.0.2.0/24",    // documentation
            "192.168.0.0/16",  // private
            "198.18.0.0/15",   // benchmarking
            "198.51.100.0/24", // documentation
            "203.0.113.0/24",  // documentation
            "224.0.0.0/4",     // multicast
            "240.0.0.0/4",     // reserved, the broadcast address included
    });
    return ranges;
}

// Inside global unicast (2000::/3), the ranges that are not public.
const QList<Range> &notPublicIPv6()
{
    static const QList<Range> ranges = parsed({
            "2001::/32",     // Teredo, which tunnels to an IPv4 address
            "2001:2::/48",   // benchmarking
            "2001:10::/28",  // ORCHID
            "2001:20::/28",  // ORCHIDv2
            "2001:db8::/32", // documentation
            "3fff::/20",     // documentation
    });
    return ranges;
}

bool inAny(const QHostAddress &address, const QList<Range> &ranges)
{
    for (const Range &range : ranges) {
        if (address.isInSubnet(range))
            return true;
    }
    return false;
}

bool isPublicIPv4(quint32 address)
{
    return !inAny(QHostAddress(address), notPublicIPv4());
}

quint32 ipv4At(const Q_IPV6ADDR &bytes, int at)
{
    return quint32(bytes[at]) << 24 | quint32(bytes[at + 1]) << 16 | quint32(bytes[at + 2]) << 8
           | quint32(bytes[at + 3]);
}

bool startsWith(const Q_IPV6ADDR &bytes, std::initializer_list<quint8> prefix)
{
    int at = 0;
    for (quint8 byte : prefix) {
        if (bytes[at++] != byte)
            return false;
    }
    return true;
}

} // namespace

bool WebAddress::isPublic(const QHostAddress &address)
{
    if (address.protocol() == QAbstractSocket::IPv4Protocol)
        return isPublicIPv4(address.toIPv4Address());
    if (address.protocol() != QAbstractSocket::IPv6Protocol)
        return false;
    const Q_IPV6ADDR bytes = address.toIPv6Address();
    // IPv4-mapped (::ffff:0:0/96) and NAT64 (64:ff9b::/96) reach the IPv4
    // address in their last 32 bits, 6to4 (2002::/16) the one after its prefix.
    if (startsWith(bytes, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xff, 0xff})
        || startsWith(bytes, {0, 0x64, 0xff, 0x9b, 0, 0, 0, 0, 0, 0, 0, 0}))
        return isPublicIPv4(ipv4At(bytes, 12));
    if (startsWith(bytes, {0x20, 0x02}))
        return isPublicIPv4(ipv4At(bytes, 2));
    // Only global unicast is public: this leaves out the unspecified and
    // loopback addresses, IPv4-compatible ones, unique-local (fc00::/7),
    // link-local (fe80::/10), site-local and multicast (ff00::/8).
    if ((bytes[0] & 0xe0) != 0x20)
        return false;
    return !inAny(address, notPublicIPv6());
}

bool WebAddress::isSameOrigin(const QUrl &url, const QUrl &origin)
{
    const QString scheme = url.scheme().toLower();
    if (scheme != "http"_L1 && scheme != "https"_L1)
        return false;
    if (!origin.isValid() || origin.host().isEmpty() || scheme != origin.scheme().toLower())
        return false;
    const int defaultPort = scheme == "https"_L1 ? 443 : 80;
    return url.host().compare(origin.host(), Qt::CaseInsensitive) == 0
           && url.port(defaultPort) == origin.port(defaultPort);
}
