#pragma once

#include <QHostAddress>
#include <QUrl>

// Where on the web the program may go. Decided on the addresses a name
// resolves to, since a name or a numeric spelling says nothing reliable.
namespace WebAddress {

// Whether `address` belongs to the public internet: not loopback, private,
// shared (carrier-grade NAT), link-local, unique-local, site-local,
// multicast, unspecified, broadcast, reserved or set aside for
// documentation and tests. An IPv4 address carried in an IPv6 one (mapped,
// NAT64, 6to4) is judged as that IPv4 address.
bool isPublic(const QHostAddress &address);

// Whether `url` is an http or https address with the scheme, host and port
// of `origin` (a default port counts the same written or not).
bool isSameOrigin(const QUrl &url, const QUrl &origin);

} // namespace WebAddress
