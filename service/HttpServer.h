#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// What a handler sees of one request: everything else of the header is
// dropped before it reaches the service's code.
struct HttpRequest
{
    std::string method; // "GET", "POST", ...
    std::string target; // as sent: path and query, still percent-encoded
    std::string authorization;
    std::string forwardedFor; // X-Forwarded-For, as a proxy in front wrote it
    std::string client;       // the peer's address (an IPv6 one by its /64)
    std::string body;
};

struct HttpReply
{
    int status = 200;
    std::string contentType;
    std::string body;
    std::vector<std::pair<std::string, std::string>> headers;
};

// Bounds that keep a slow, idle or greedy client from holding the server.
struct HttpLimits
{
    std::size_t maxHeaderBytes = 8 * 1024;
    std::size_t maxBodyBytes = 64 * 1024;
    // From the first byte awaited to the last byte of the request read (an
    // idle keep-alive connection waits at most this long too), and for
    // writing one answer.
    std::chrono::milliseconds requestTimeout{10000};
    // From the moment a request's first byte is awaited on a new connection,
    // or from its first byte on a kept one, to the end of its header: a client
    // that trickles its header is closed long before the request limit.
    std::chrono::milliseconds headerTimeout{5000};
    int maxConnections = 1024;
    // Open connections from one client address (an IPv6 client by its /64);
    // 0: no bound, for a service that only a proxy on loopback reaches.
    int maxConnectionsPerClient = 64;
    // Requests handed to the workers, running or waiting for one; beyond it
    // they are refused as busy instead of queued without end.
    int maxQueuedRequests = 64;
};

// An HTTP/1.1 server on Boost.Beast: a few threads run every connection
// asynchronously; requests whose handling may wait (DNS, a search engine) go
// to a separate pool so that they never hold the connection threads.
class HttpServer
{
public:
    using Handler = std::function<HttpReply(const HttpRequest &)>;
    using MayBlock = std::function<bool(const HttpRequest &)>;

    // busy answers a request that may block when the workers' queue is full.
    HttpServer(HttpLimits limits, Handler handler, MayBlock mayBlock, Handler busy, int threads,
               int workers);
    ~HttpServer();
    HttpServer(const HttpServer &) = delete;
    HttpServer &operator=(const HttpServer &) = delete;

    // What the request log writes for a target (a secret in it left out);
    // without it, the target as sent. Set before listen().
    using LoggedTarget = std::function<std::string(const std::string &target)>;
    void setLoggedTarget(LoggedTarget shown);

    // Binds and listens; returns the bound port, 0 on failure (error set).
    unsigned short listen(const std::string &address, unsigned short port, std::string *error);
    // Serves until SIGINT or SIGTERM, or stop().
    void run();
    void stop();

    // A JSON string body for a refusal.
    static std::string jsonString(const std::string &text);
    // What a client is counted under: its address, an IPv6 one by its /64;
    // "" when the text is no address.
    static std::string clientKey(const std::string &address);

    struct Impl; // the Beast side, kept out of this header

private:
    std::unique_ptr<Impl> d;
};
