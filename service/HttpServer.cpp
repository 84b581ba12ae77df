#include "HttpServer.h"

#include <boost/asio/dispatch.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/post.hpp>
#include <boost/asio/signal_set.hpp>
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
    int threads;
    // Before the context: sessions still queued in it count down on the way out.
    std::atomic<int> connections{0};
    asio::io_context ioc;
    asio::thread_pool workers;
    std::optional<tcp::acceptor> acceptor;

    Impl(HttpLimits l, Handler h, MayBlock m, int t, int w)
        : limits(l), handler(std::move(h)), mayBlock(std::move(m)), threads(t), ioc(std::max(1, t)),
          workers(std::max(1, w))
    {}

    void accept();
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

class Session : public std::enable_shared_from_this<Session>
{
public:
    Session(tcp::socket &&socket, HttpServer::Impl &server)
        : m_server(server), m_stream(std::move(socket)),
          m_buffer(server.limits.maxHeaderBytes + server.limits.maxBodyBytes + 4096)
    {
        ++m_server.connections;
    }
    ~Session() { --m_server.connections; }

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
        m_stream.expires_after(m_server.limits.requestTimeout);
        http::async_read_header(m_stream, m_buffer, *m_parser,
                                beast::bind_front_handler(&Session::onHeader, shared_from_this()));
    }

    void onHeader(beast::error_code ec, std::size_t)
    {
        m_started = std::chrono::steady_clock::now();
        if (ec)
            return fail(ec);
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
        request.body = std::move(message.body());
        m_head = message.method() == http::verb::head;
        m_version = message.version();

        if (m_server.mayBlock && m_server.mayBlock(request)) {
            // Off the connection threads while it waits; the answer comes back
            // on this connection's strand.
            asio::post(m_server.workers, [self = shared_from_this(), request = std::move(request)] {
                auto reply = std::make_shared<HttpReply>(self->call(request));
                asio::post(self->m_stream.get_executor(),
                           [self, reply] { self->send(std::move(*reply)); });
            });
            return;
        }
        send(call(request));
    }

    HttpReply call(const HttpRequest &request)
    {
        try {
            return m_server.handler(request);
        } catch (const std::exception &error) {
            std::fprintf(stderr, "handler failed: %s\n", error.what());
        } catch (...) {
            std::fprintf(stderr, "handler failed\n");
        }
        return refusal(500, "The service met an internal error.");
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
                logLine(m_method, m_target, 408, std::chrono::steady_clock::now() - m_started);
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
        logLine(m_method, m_target, reply.status, std::chrono::steady_clock::now() - m_started);
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
        if (!ec) {
            if (connections.load() >= limits.maxConnections) {
                beast::error_code ignored;
                socket.close(ignored);
            } else {
                std::make_shared<Session>(std::move(socket), *this)->start();
            }
        }
        accept();
    });
}

HttpServer::HttpServer(HttpLimits limits, Handler handler, MayBlock mayBlock, int threads,
                       int workers)
    : d(std::make_unique<Impl>(limits, std::move(handler), std::move(mayBlock), threads, workers))
{}

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
