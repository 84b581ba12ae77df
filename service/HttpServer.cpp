#include "HttpServer.h"

#include <boost/asio/dispatch.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/post.hpp>
#include <boost/asio/signal_set.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/asio/strand.hpp>
#include <boost/asio/thread_pool.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>

#include <atomic>
#include <cstdio>
#include <ctime>
#include <mutex>
#include <optional>
#include <thread>
#include <unordered_map>

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
using tcp = asio::ip::tcp;

namespace {

std::mutex logMutex;

// Control characters and bytes outside ASCII of a request path are logged
// escaped, so that a request cannot forge or break log lines.
std::string loggable(const std::string &target)
{
    std::string path = target.substr(0, target.find('?'));
    if (path.size() > 200)
        path = path.substr(0, 200) + "...";
    std::string out;
    for (unsigned char c : path) {
        if (c < 0x21 || c > 0x7e || c == '\\') {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02x", c);
            out += hex;
        } else {
            out += char(c);
        }
    }
    return out.empty() ? "-" : out;
}

void logLine(const std::string &method, const std::string &target, int status,
             std::chrono::steady_clock::duration took)
{
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%dT%H:%M:%SZ", &utc);
    const double ms = std::chrono::duration<double, std::milli>(took).count();
    std::lock_guard lock(logMutex);
    std::printf("%s %s %s %d %.2fms\n", stamp, method.empty() ? "-" : loggable(method).c_str(),
                loggable(target).c_str(), status, ms);
    std::fflush(stdout);
}

} // namespace

std::string HttpServer::jsonString(const std::string &text)
{
    std::string out = "\"";
    for (unsigned char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        default:
            if (c < 0x20) {
                char hex[8];
                std::snprintf(hex, sizeof hex, "\\u%04x", c);
                out += hex;
            } else {
                out += char(c);
            }
        }
    }
    return out + "\"";
}

struct HttpServer::Impl
{
    HttpLimits limits;
    Handler handler;
    MayBlock mayBlock;
    Handler busy;
    int threads;
    // Before the context: sessions still queued in it count down on the way out.
    std::atomic<int> connections{0};
    std::atomic<int> queued{0};
    std::mutex clientsMutex;
    std::unordered_map<std::string, int> clients; // open connections by client key
    asio::io_context ioc;
    asio::thread_pool workers;
    std::optional<tcp::acceptor> acceptor;
    asio::steady_timer backoff{ioc};
    bool outOfDescriptors = false;
    HttpServer::LoggedTarget loggedTarget;

    std::string shown(const std::string &target) const
    {
        return loggedTarget ? loggedTarget(target) : target;
    }

    Impl(HttpLimits l, Handler h, MayBlock m, Handler b, int t, int w)
        : limits(l), handler(std::move(h)), mayBlock(std::move(m)), busy(std::move(b)), threads(t),
          ioc(std::max(1, t)), workers(std::max(1, w))
    {}

    void accept();
    void admit(tcp::socket socket);
    void release(const std::string &client);
};

namespace {

HttpReply refusal(int status, const std::string &text)
{
    HttpReply reply;
    reply.status = status;
    reply.contentType = "application/json; charset=utf-8";
    reply.body = HttpServer::jsonString(text);
    return reply;
}

HttpReply call(const HttpServer::Handler &handler, const HttpRequest &request)
{
    try {
        return handler(request);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "handler failed: %s\n", error.what());
    } catch (...) {
        std::fprintf(stderr, "handler failed\n");
    }
    return refusal(500, "The service met an internal error.");
}

// What connections are counted under: the address, or for IPv6 its /64,
// which one client commonly holds whole.
std::string clientKey(const asio::ip::address &address)
{
    if (address.is_v4())
        return address.to_v4().to_string();
    const auto v6 = address.to_v6();
    if (v6.is_v4_mapped())
        return asio::ip::make_address_v4(asio::ip::v4_mapped, v6).to_string();
    auto bytes = v6.to_bytes();
    std::fill(bytes.begin() + 8, bytes.end(), 0);
    return asio::ip::address_v6(bytes).to_string() + "/64";
}

} // namespace

std::string HttpServer::clientKey(const std::string &address)
{
    beast::error_code ec;
    const auto parsed = asio::ip::make_address(address, ec);
    return ec ? std::string() : ::clientKey(parsed);
}

namespace {

class Session : public std::enable_shared_from_this<Session>
{
public:
    Session(tcp::socket &&socket, HttpServer::Impl &server, std::string client)
        : m_server(server), m_stream(std::move(socket)),
          m_buffer(server.limits.maxHeaderBytes + server.limits.maxBodyBytes + 4096),
          m_client(std::move(client))
    {
        ++m_server.connections;
    }
    ~Session()
    {
        --m_server.connections;
        if (!m_client.empty())
            m_server.release(m_client);
    }

    void start()
    {
        asio::dispatch(m_stream.get_executor(),
                       beast::bind_front_handler(&Session::readHeader, shared_from_this()));
    }

private:
    void readHeader()
    {
        m_parser.emplace();
        m_parser->header_limit(std::uint32_t(m_server.limits.maxHeaderBytes));
        m_parser->body_limit(m_server.limits.maxBodyBytes);
        m_method.clear();
        m_target.clear();
        if (!m_kept || m_buffer.size() > 0)
            return beginRequest();
        // A kept connection may idle for the whole request limit; the header
        // deadline starts with the next request's first byte.
        m_stream.expires_after(m_server.limits.requestTimeout);
        m_stream.async_read_some(m_buffer.prepare(std::min<std::size_t>(8192, m_buffer.max_size())),
                                 [self = shared_from_this()](beast::error_code ec, std::size_t got) {
                                     if (ec)
                                         return self->fail(ec);
                                     self->m_buffer.commit(got);
                                     self->beginRequest();
                                 });
    }

    void beginRequest()
    {
        const auto now = std::chrono::steady_clock::now();
        m_deadline = now + m_server.limits.requestTimeout;
        m_stream.expires_at(std::min(m_deadline, now + m_server.limits.headerTimeout));
        http::async_read_header(m_stream, m_buffer, *m_parser,
                                beast::bind_front_handler(&Session::onHeader, shared_from_this()));
    }

    void onHeader(beast::error_code ec, std::size_t)
    {
        m_started = std::chrono::steady_clock::now();
        if (ec)
            return fail(ec);
        m_stream.expires_at(m_deadline);
        const auto &request = m_parser->get();
        m_method = std::string(request.method_string());
        m_target = std::string(request.target());
        if (beast::iequals(request[http::field::expect], "100-continue") && !m_parser->is_done()) {
            auto interim = std::make_shared<http::response<http::empty_body>>(http::status::continue_,
                                                                              request.version());
            http::async_write(m_stream, *interim,
                              [self = shared_from_this(), interim](beast::error_code e,
                                                                   std::size_t) {
                                  if (e)
                                      return self->fail(e);
                                  self->readBody();
                              });
            return;
        }
        readBody();
    }

    void readBody()
    {
        if (m_parser->is_done())
            return onRequest({}, 0);
        http::async_read(m_stream, m_buffer, *m_parser,
                         beast::bind_front_handler(&Session::onRequest, shared_from_this()));
    }

    void onRequest(beast::error_code ec, std::size_t)
    {
        if (ec)
            return fail(ec);
        auto message = m_parser->release();
        m_keepAlive = message.keep_alive();
        HttpRequest request;
        request.method = std::string(message.method_string());
        request.target = std::string(message.target());
        request.authorization = std::string(message[http::field::authorization]);
        request.forwardedFor = std::string(message["X-Forwarded-For"]);
        request.client = m_client;
        request.body = std::move(message.body());
        m_head = message.method() == http::verb::head;
        m_version = message.version();

        if (m_server.mayBlock && m_server.mayBlock(request)) {
            if (m_server.queued.fetch_add(1) >= m_server.limits.maxQueuedRequests) {
                --m_server.queued;
                return send(m_server.busy ? call(m_server.busy, request)
                                          : refusal(503, "The service is busy."));
            }
            // Off the connection threads while it waits; the answer comes back
            // on this connection's strand.
            asio::post(m_server.workers, [self = shared_from_this(), request = std::move(request)] {
                auto reply = std::make_shared<HttpReply>(call(self->m_server.handler, request));
                --self->m_server.queued;
                asio::post(self->m_stream.get_executor(),
                           [self, reply] { self->send(std::move(*reply)); });
            });
            return;
        }
        send(call(m_server.handler, request));
    }

    void fail(beast::error_code ec)
    {
        // A request that cannot be read is answered when it is our limit that
        // stopped it; a client that went away or stalled is simply dropped.
        if (ec == http::error::header_limit) {
            m_keepAlive = false;
            return send(refusal(431, "The request's header is too large."));
        }
        if (ec == http::error::body_limit) {
            m_keepAlive = false;
            return send(refusal(413, "The request is too large."));
        }
        if (ec == beast::error::timeout) {
            if (!m_method.empty() || m_buffer.size() > 0)
                logLine(m_method, m_server.shown(m_target), 408,
                        std::chrono::steady_clock::now() - m_started);
            return close();
        }
        if (ec == http::error::end_of_stream || ec == asio::error::eof
            || ec == asio::error::connection_reset || ec == asio::error::operation_aborted
            || ec == http::error::partial_message)
            return close();
        if (ec.category() == http::make_error_code(http::error::bad_target).category()) {
            m_keepAlive = false;
            return send(refusal(400, "The request could not be read."));
        }
        close();
    }

    void send(HttpReply reply)
    {
        auto response = std::make_shared<http::response<http::string_body>>();
        response->version(m_version);
        response->result(unsigned(reply.status));
        response->keep_alive(m_keepAlive);
        response->set(http::field::server, "parvane-service");
        if (!reply.contentType.empty())
            response->set(http::field::content_type, reply.contentType);
        response->set("X-Content-Type-Options", "nosniff");
        for (const auto &[name, value] : reply.headers)
            response->set(name, value);
        if (m_head) {
            response->content_length(reply.body.size());
        } else {
            response->body() = std::move(reply.body);
            response->prepare_payload();
        }
        logLine(m_method, m_server.shown(m_target), reply.status,
                std::chrono::steady_clock::now() - m_started);
        m_stream.expires_after(m_server.limits.requestTimeout);
        http::async_write(m_stream, *response,
                          [self = shared_from_this(), response](beast::error_code ec, std::size_t) {
                              self->onWritten(ec);
                          });
    }

    void onWritten(beast::error_code ec)
    {
        if (ec || !m_keepAlive)
            return close();
        m_head = false;
        m_version = 11;
        m_kept = true;
        readHeader();
    }

    void close()
    {
        beast::error_code ignored;
        m_stream.socket().shutdown(tcp::socket::shutdown_send, ignored);
        m_stream.close();
    }

    HttpServer::Impl &m_server;
    beast::tcp_stream m_stream;
    beast::flat_buffer m_buffer;
    std::optional<http::request_parser<http::string_body>> m_parser;
    std::string m_method;
    std::string m_target;
    std::chrono::steady_clock::time_point m_started = std::chrono::steady_clock::now();
    std::chrono::steady_clock::time_point m_deadline; // of the request being read
    const std::string m_client;
    bool m_kept = false; // an answer was sent: waiting for the next request
    bool m_keepAlive = false;
    bool m_head = false;
    unsigned m_version = 11;
};

} // namespace

void HttpServer::Impl::accept()
{
    acceptor->async_accept(asio::make_strand(ioc), [this](beast::error_code ec, tcp::socket socket) {
        if (ec == asio::error::operation_aborted)
            return;
        using errc = boost::system::errc::errc_t;
        if (ec == errc::too_many_files_open || ec == errc::too_many_files_open_in_system
            || ec == errc::no_buffer_space || ec == errc::not_enough_memory) {
            // The waiting connection stays queued in the kernel: accepting
            // again at once would fail again at once, so wait for descriptors
            // to be freed by the connections that end meanwhile.
            if (!outOfDescriptors)
                std::fprintf(stderr, "parvane-service: cannot accept (%s), waiting\n",
                             ec.message().c_str());
            outOfDescriptors = true;
            backoff.expires_after(std::chrono::milliseconds(50));
            backoff.async_wait([this](beast::error_code e) {
                if (!e)
                    accept();
            });
            return;
        }
        if (!ec) {
            outOfDescriptors = false;
            admit(std::move(socket));
        }
        accept();
    });
}

void HttpServer::Impl::admit(tcp::socket socket)
{
    beast::error_code ec;
    if (connections.load() >= limits.maxConnections)
        return void(socket.close(ec));
    const auto peer = socket.remote_endpoint(ec);
    if (ec)
        return void(socket.close(ec));
    std::string client = ::clientKey(peer.address());
    if (limits.maxConnectionsPerClient > 0) {
        std::lock_guard lock(clientsMutex);
        int &open = clients[client];
        if (open >= limits.maxConnectionsPerClient)
            return void(socket.close(ec));
        ++open;
    }
    std::make_shared<Session>(std::move(socket), *this, std::move(client))->start();
}

void HttpServer::Impl::release(const std::string &client)
{
    std::lock_guard lock(clientsMutex);
    const auto it = clients.find(client);
    if (it != clients.end() && --it->second <= 0)
        clients.erase(it);
}

HttpServer::HttpServer(HttpLimits limits, Handler handler, MayBlock mayBlock, Handler busy,
                       int threads, int workers)
    : d(std::make_unique<Impl>(limits, std::move(handler), std::move(mayBlock), std::move(busy),
                               threads, workers))
{}

void HttpServer::setLoggedTarget(LoggedTarget shown)
{
    d->loggedTarget = std::move(shown);
}

HttpServer::~HttpServer()
{
    stop();
    d->workers.join();
}

unsigned short HttpServer::listen(const std::string &address, unsigned short port,
                                  std::string *error)
{
    beast::error_code ec;
    const auto ip = asio::ip::make_address(address, ec);
    if (ec) {
        *error = "not an IP address: " + address;
        return 0;
    }
    const tcp::endpoint endpoint(ip, port);
    tcp::acceptor acceptor(d->ioc);
    acceptor.open(endpoint.protocol(), ec);
    if (!ec)
        acceptor.set_option(asio::socket_base::reuse_address(true), ec);
    if (!ec)
        acceptor.bind(endpoint, ec);
    if (!ec)
        acceptor.listen(asio::socket_base::max_listen_connections, ec);
    if (ec) {
        *error = ec.message();
        return 0;
    }
    const unsigned short bound = acceptor.local_endpoint().port();
    d->acceptor.emplace(std::move(acceptor));
    return bound;
}

void HttpServer::run()
{
    asio::signal_set signals(d->ioc, SIGINT, SIGTERM);
    signals.async_wait([this](beast::error_code, int) { stop(); });
    d->accept();
    std::vector<std::thread> others;
    for (int i = 1; i < d->threads; ++i)
        others.emplace_back([this] { d->ioc.run(); });
    d->ioc.run();
    for (auto &thread : others)
        thread.join();
}

void HttpServer::stop()
{
    d->ioc.stop();
}
