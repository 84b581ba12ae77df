#include "DomainChecker.h"

#include <QString>
#include <QUrl>

#include <arpa/inet.h>
#include <arpa/nameser.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <resolv.h>
#include <strings.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <random>
#include <sstream>

namespace {

constexpr std::uint32_t maxTtl = 24 * 3600;
constexpr std::uint32_t defaultNegativeTtl = 300;

std::string firstResolvConfServer()
{
    std::ifstream in("/etc/resolv.conf");
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string keyword, address;
        if (words >> keyword >> address && keyword == "nameserver")
            return address;
    }
    return "127.0.0.1";
}

std::string buildQuery(std::uint16_t id, const std::string &name, int type)
{
    std::string packet;
    packet += char(id >> 8);
    packet += char(id & 0xff);
    packet += '\x01'; // recursion desired
    packet += '\x00';
    packet += std::string("\x00\x01\x00\x00\x00\x00\x00\x00", 8);
    std::size_t start = 0;
    while (start < name.size()) {
        std::size_t end = name.find('.', start);
        if (end == std::string::npos)
            end = name.size();
        packet += char(end - start);
        packet += name.substr(start, end - start);
        start = end + 1;
    }
    packet += '\0';
    packet += char(type >> 8);
    packet += char(type & 0xff);
    packet += '\x00';
    packet += '\x01'; // class IN
    return packet;
}

// The time to live a negative answer may be cached for: the SOA of the
// authority section, the smaller of its own TTL and its minimum field.
std::uint32_t negativeTtl(ns_msg &message)
{
    ns_rr rr;
    for (int i = 0; i < ns_msg_count(message, ns_s_ns); ++i) {
        if (ns_parserr(&message, ns_s_ns, i, &rr) != 0 || ns_rr_type(rr) != ns_t_soa)
            continue;
        std::uint32_t ttl = ns_rr_ttl(rr);
        if (ns_rr_rdlen(rr) >= 22) {
            const unsigned char *minimum = ns_rr_rdata(rr) + ns_rr_rdlen(rr) - 4;
            ttl = std::min<std::uint32_t>(ttl, ns_get32(minimum));
        }
        return ttl;
    }
    return defaultNegativeTtl;
}

} // namespace

DomainChecker::DomainChecker(Options options) : m_options(std::move(options))
{
    std::string server = m_options.server;
    if (const char *env = std::getenv("PARVANE_DNS_SERVER"); env && *env)
        server = env;
    if (server.empty())
        server = firstResolvConfServer();
    m_serverText = server;

    std::string host = server;
    std::string port = "53";
    if (!server.empty() && server[0] == '[') {
        const std::size_t close = server.find(']');
        host = server.substr(1, close == std::string::npos ? std::string::npos : close - 1);
        if (close != std::string::npos && close + 1 < server.size() && server[close + 1] == ':')
            port = server.substr(close + 2);
    } else if (std::count(server.begin(), server.end(), ':') == 1) {
        host = server.substr(0, server.find(':'));
        port = server.substr(server.find(':') + 1);
    }
    addrinfo hints{};
    hints.ai_flags = AI_NUMERICHOST | AI_NUMERICSERV;
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo *found = nullptr;
    if (getaddrinfo(host.c_str(), port.c_str(), &hints, &found) == 0 && found) {
        std::memcpy(&m_address, found->ai_addr, found->ai_addrlen);
        m_addressLength = found->ai_addrlen;
        freeaddrinfo(found);
    }
}

std::optional<std::string> DomainChecker::normalise(const std::string &domain)
{
    QString text = QString::fromStdString(domain).trimmed().toLower();
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    if (text.isEmpty() || text.size() > 253)
        return std::nullopt;
    const std::string ascii = QUrl::toAce(text).toStdString();
    if (ascii.empty() || ascii.size() > 253)
        return std::nullopt;
    int labels = 0;
    std::size_t start = 0;
    while (start <= ascii.size()) {
        std::size_t end = ascii.find('.', start);
        if (end == std::string::npos)
            end = ascii.size();
        const std::string label = ascii.substr(start, end - start);
        if (label.empty() || label.size() > 63 || label.front() == '-' || label.back() == '-')
            return std::nullopt;
        for (char c : label) {
            if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_'))
                return std::nullopt;
        }
        ++labels;
        start = end + 1;
    }
    if (labels < 2)
        return std::nullopt;
    return ascii;
}

// What one reply says of the name it answers.
DomainChecker::Answer DomainChecker::answerOf(ns_msg &message, int type)
{
    const int rcode = ns_msg_getflag(message, ns_f_rcode);
    if (rcode == ns_r_nxdomain)
        return {Outcome::NoSuchName, negativeTtl(message)};
    if (rcode != ns_r_noerror)
        return {Outcome::Failed, 0};
    bool found = false, usable = false;
    std::uint32_t ttl = maxTtl;
    for (int i = 0; i < ns_msg_count(message, ns_s_an); ++i) {
        ns_rr rr;
        if (ns_parserr(&message, ns_s_an, i, &rr) != 0 || ns_rr_type(rr) != type)
            continue;
        found = true;
        ttl = std::min<std::uint32_t>(ttl, ns_rr_ttl(rr));
        if (type != ns_t_mx) {
            usable = true;
            continue;
        }
        char exchange[NS_MAXDNAME];
        if (ns_rr_rdlen(rr) >= 3
            && dn_expand(ns_msg_base(message), ns_msg_end(message), ns_rr_rdata(rr) + 2, exchange,
                         sizeof exchange)
                       > 0
            && exchange[0] != '\0')
            usable = true;
    }
    if (!found)
        return {Outcome::NoData, negativeTtl(message)};
    return {usable ? Outcome::Records : Outcome::NullMx, ttl};
}

std::vector<DomainChecker::Answer> DomainChecker::query(const std::vector<std::string> &names,
                                                        int type) const
{
    std::vector<Answer> answers(names.size());
    if (names.empty() || !ready())
        return answers;
    const int fd = socket(m_address.ss_family, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return answers;
    if (connect(fd, reinterpret_cast<const sockaddr *>(&m_address), m_addressLength) != 0) {
        close(fd);
        return answers;
    }

    // Every name asked at once, each under an id of its own; unanswered ones
    // are asked again at each new attempt.
    std::random_device seed;
    std::mt19937 random(seed());
    std::unordered_map<std::uint16_t, std::size_t> pending;
    std::vector<std::string> packets(names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        std::uint16_t id;
        do {
            id = std::uint16_t(random());
        } while (pending.count(id));
        pending.emplace(id, i);
        packets[i] = buildQuery(id, names[i], type);
    }

    bool refused = false;
    for (int attempt = 0; attempt < m_options.attempts && !pending.empty() && !refused; ++attempt) {
        for (const auto &[id, index] : pending)
            send(fd, packets[index].data(), packets[index].size(), 0);
        const auto deadline = std::chrono::steady_clock::now()
                              + std::chrono::milliseconds(m_options.timeoutMs);
        while (!pending.empty()) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                    deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0)
                break;
            pollfd poller{fd, POLLIN, 0};
            if (poll(&poller, 1, int(left.count())) <= 0)
                continue;
            unsigned char buffer[4096];
            const ssize_t got = recv(fd, buffer, sizeof buffer, 0);
            if (got < 0) {
                if (errno == ECONNREFUSED) { // nothing listens there: no use waiting
                    refused = true;
                    break;
                }
                continue;
            }
            ns_msg message;
            if (got < 12 || ns_initparse(buffer, int(got), &message) != 0)
                continue;
            const auto it = pending.find(ns_msg_id(message));
            if (it == pending.end())
                continue;
            const std::size_t index = it->second;
            ns_rr question;
            if (ns_msg_count(message, ns_s_qd) != 1
                || ns_parserr(&message, ns_s_qd, 0, &question) != 0 || ns_rr_type(question) != type
                || strcasecmp(ns_rr_name(question), names[index].c_str()) != 0)
                continue; // not the answer to our question: keep waiting
            pending.erase(it);

            answers[index] = answerOf(message, type);
        }
    }
    close(fd);
    return answers;
}

void DomainChecker::remember(const std::string &name, bool valid, std::uint32_t ttl)
{
    ttl = std::min(ttl, maxTtl);
    if (ttl == 0)
        return;
    const auto now = std::chrono::steady_clock::now();
    std::lock_guard lock(m_mutex);
    if (m_cache.size() >= m_options.cacheEntries) {
        for (auto it = m_cache.begin(); it != m_cache.end();)
            it = it->second.expires <= now ? m_cache.erase(it) : std::next(it);
        if (m_cache.size() >= m_options.cacheEntries)
            m_cache.clear();
    }
    m_cache[name] = {valid, now + std::chrono::seconds(ttl)};
}

std::vector<bool> DomainChecker::check(const std::vector<std::string> &domains)
{
    std::vector<bool> verdicts(domains.size(), false);
    std::unordered_map<std::string, std::vector<std::size_t>> wanted;
    std::vector<std::string> names;
    {
        const auto now = std::chrono::steady_clock::now();
        std::lock_guard lock(m_mutex);
        for (std::size_t i = 0; i < domains.size(); ++i) {
            const auto name = normalise(domains[i]);
            if (!name)
                continue;
            const auto cached = m_cache.find(*name);
            if (cached != m_cache.end() && cached->second.expires > now) {
                verdicts[i] = cached->second.valid;
                continue;
            }
            auto &indexes = wanted[*name];
            if (indexes.empty())
                names.push_back(*name);
            indexes.push_back(i);
        }
    }
    const auto settle = [&](const std::string &name, bool valid, std::uint32_t ttl, bool cache) {
        for (std::size_t index : wanted[name])
            verdicts[index] = valid;
        if (cache)
            remember(name, valid, ttl);
    };

    // MX first; a name without MX records falls back to its address records.
    for (int type : {int(ns_t_mx), int(ns_t_a), int(ns_t_aaaa)}) {
        if (names.empty())
            break;
        const std::vector<Answer> answers = query(names, type);
        std::vector<std::string> next;
        for (std::size_t i = 0; i < names.size(); ++i) {
            const Answer &answer = answers[i];
            switch (answer.outcome) {
            case Outcome::Records:
                settle(names[i], true, answer.ttl, true);
                break;
            case Outcome::NullMx:
            case Outcome::NoSuchName:
                settle(names[i], false, answer.ttl, true);
                break;
            case Outcome::Failed:
                settle(names[i], false, 0, false);
                break;
            case Outcome::NoData:
                if (type == ns_t_aaaa)
                    settle(names[i], false, answer.ttl, true);
                else
                    next.push_back(names[i]);
                break;
            }
        }
        names = std::move(next);
    }
    return verdicts;
}
