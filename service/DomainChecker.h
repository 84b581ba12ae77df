#pragma once

#include <arpa/nameser.h>
#include <sys/socket.h>

#include <chrono>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

// Whether mail can be delivered to a domain, asked of a name server over UDP:
// valid with an MX record, or with no MX but an address record (the implicit
// MX); a null MX (".") or a name that does not exist is not valid. Answers
// are cached for their time to live; a server that fails or does not answer
// gives "not valid" after a bounded wait and nothing is cached.
class DomainChecker
{
public:
    struct Options
    {
        std::string server;   // "ADDR", "ADDR:PORT" or "[ADDR6]:PORT"; empty: resolv.conf
        int timeoutMs = 1500; // for each attempt
        int attempts = 2;
        std::size_t cacheEntries = 100000;
    };

    explicit DomainChecker(Options options);

    // False when the server address could not be read (every domain is then
    // not valid); text() names the server asked.
    bool ready() const { return m_addressLength > 0; }
    std::string serverText() const { return m_serverText; }

    // One verdict per domain, in order; blocks up to about three rounds of
    // attempts (MX, then A, then AAAA) for the domains not in the cache.
    std::vector<bool> check(const std::vector<std::string> &domains);

    // Lower case, in ASCII form, without a final dot; nullopt when the text
    // is not a host name of at least two labels.
    static std::optional<std::string> normalise(const std::string &domain);

private:
    enum class Outcome { Records, NoData, NoSuchName, NullMx, Failed };
    struct Answer
    {
        Outcome outcome = Outcome::Failed;
        std::uint32_t ttl = 0;
    };
    struct Cached
    {
        bool valid = false;
        std::chrono::steady_clock::time_point expires;
    };

    std::vector<Answer> query(const std::vector<std::string> &names, int type) const;
    static Answer answerOf(ns_msg &message, int type);
    void remember(const std::string &name, bool valid, std::uint32_t ttl);

    Options m_options;
    sockaddr_storage m_address{};
    socklen_t m_addressLength = 0;
    std::string m_serverText;
    std::mutex m_mutex;
    std::unordered_map<std::string, Cached> m_cache;
};
