#pragma once

#include <QString>

#include <string>

// Whether a link handed to the application may be followed: the search
// engine's results come from the whole web, and a page can name any host.
// Judged on the text of the link alone, before any name is resolved.
namespace PublicLink {

// An http or https address whose host is a public name or address, or an
// address under ownPrefix (the service's own corpus pages).
bool allowed(const QString &url, const std::string &ownPrefix);

// A host as a URL gives it (an IPv6 address in brackets or not). Not public:
// loopback, private, shared (100.64/10), link-local, unique-local, multicast,
// reserved and unspecified addresses, IPv6 forms that carry such an IPv4
// address, IPv4 written in any numeric spelling, a name of one label, and
// names under "localhost" and the other suffixes kept for local networks.
bool publicHost(const std::string &host);

} // namespace PublicLink
