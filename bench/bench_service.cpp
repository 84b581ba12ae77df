// Requests per second of the web service with several clients at once, each
// on a kept connection: the "templates" request, the "check/domains"
// request once its domains are in the cache (dnsmasq answers the first time),
// and the one-click unsubscribe POST of a mail provider (a write to the
// SQLite store, each request a different recipient's token),
// beside nginx serving the very bytes of the templates answer as a static
// file on the same machine, in the same run. Then the service's resident
// memory. Timings are printed, never asserted.
// Run: build/bench/bench_service [seconds per measure] [clients]

#include "BenchSupport.h"

#include "suppression/UnsubscribeToken.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

using namespace Qt::Literals::StringLiterals;
using benchsupport::freePort;
using benchsupport::waitForPort;

namespace {

const char *requestToken = "3f0c9a12-7b4e-4d21-a8c5-0e6b2f91d7a3";

int connectTo(quint16 port)
{
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (fd < 0 || connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0) {
        if (fd >= 0)
            close(fd);
        return -1;
    }
    const int on = 1;
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    return fd;
}

// One answer read whole from a kept connection; its status, or 0.
int readResponse(int fd, std::string &buffer)
{
    std::size_t end;
    while ((end = buffer.find("\r\n\r\n")) == std::string::npos) {
        char chunk[16384];
        const ssize_t got = recv(fd, chunk, sizeof chunk, 0);
        if (got <= 0)
            return 0;
        buffer.append(chunk, std::size_t(got));
    }
    std::string head = buffer.substr(0, end);
    for (char &c : head)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    const std::size_t field = head.find("\r\ncontent-length:");
    const std::size_t length = field == std::string::npos ? 0 : std::stoul(head.substr(field + 17));
    while (buffer.size() < end + 4 + length) {
        char chunk[16384];
        const ssize_t got = recv(fd, chunk, sizeof chunk, 0);
        if (got <= 0)
            return 0;
        buffer.append(chunk, std::size_t(got));
    }
    const int status = std::atoi(head.c_str() + 9);
    buffer.erase(0, end + 4 + length);
    return status;
}

struct Rate
{
    double perSecond = 0;
    long failures = 0;
};

// Clients that each send the next request as soon as the answer is in,
// taking the requests in turn.
Rate measure(quint16 port, const std::vector<std::string> &requests, int clients, double seconds)
{
    std::atomic<long> done{0}, failed{0};
    std::atomic<bool> stop{false};
    std::vector<std::thread> threads;
    for (int i = 0; i < clients; ++i) {
        threads.emplace_back([&, i] {
            int fd = connectTo(port);
            std::string buffer;
            std::size_t next = std::size_t(i);
            while (!stop.load(std::memory_order_relaxed)) {
                const std::string &request = requests[next++ % requests.size()];
                if (fd < 0 || send(fd, request.data(), request.size(), MSG_NOSIGNAL) < 0) {
                    ++failed;
                    if (fd >= 0)
                        close(fd);
                    fd = connectTo(port);
                    buffer.clear();
                    continue;
                }
                if (readResponse(fd, buffer) == 200) {
                    ++done;
                } else {
                    ++failed;
                    close(fd);
                    fd = connectTo(port);
                    buffer.clear();
                }
            }
            if (fd >= 0)
                close(fd);
        });
    }
    const auto started = std::chrono::steady_clock::now();
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
    stop = true;
    const long count = done.load();
    const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - started)
                                   .count();
    for (auto &thread : threads)
        thread.join();
    return {count / elapsed, failed.load()};
}

std::string post(const std::string &path, const QJsonObject &body)
{
    const std::string json = QJsonDocument(body).toJson(QJsonDocument::Compact).toStdString();
    return "POST " + path
           + " HTTP/1.1\r\nHost: 127.0.0.1\r\nAccept: application/json\r\n"
             "Content-type: application/json\r\nAuthorization: Bearer "
           + requestToken + "\r\nContent-Length: " + std::to_string(json.size()) + "\r\n\r\n"
           + json;
}

// One request on a connection of its own; the answer's body.
std::string askOnce(quint16 port, const std::string &request)
{
    const int fd = connectTo(port);
    if (fd < 0)
        return {};
    send(fd, request.data(), request.size(), MSG_NOSIGNAL);
    std::string raw;
    char chunk[16384];
    ssize_t got;
    while ((got = recv(fd, chunk, sizeof chunk, 0)) > 0) {
        raw.append(chunk, std::size_t(got));
        const std::size_t end = raw.find("\r\n\r\n");
        if (end != std::string::npos && raw.back() == '}')
            break;
    }
    close(fd);
    const std::size_t end = raw.find("\r\n\r\n");
    return end == std::string::npos ? std::string() : raw.substr(end + 4);
}

long statusField(qint64 pid, const char *name)
{
    QFile file(u"/proc/%1/status"_s.arg(pid));
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.startsWith(name))
            return line.mid(int(qstrlen(name))).trimmed().split(' ').first().toLong();
    }
    return -1;
}

bool writeFile(const QString &path, const QByteArray &data)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

QByteArray pngBytes(int width, int height, QColor colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return data;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const double seconds = argc > 1 ? std::atof(argv[1]) : 5.0;
    const int clients = argc > 2 ? std::atoi(argv[2]) : 8;
    const QString serviceBin = QCoreApplication::applicationDirPath()
                               + "/../service/parvane-service"_L1;
    const QString nginxBin = QStandardPaths::findExecutable(u"nginx"_s, {u"/usr/sbin"_s});
    const QString dnsmasqBin = QStandardPaths::findExecutable(u"dnsmasq"_s, {u"/usr/sbin"_s});
    if (!QFile::exists(serviceBin) || nginxBin.isEmpty() || dnsmasqBin.isEmpty()) {
        std::fprintf(stderr, "needs %s, nginx and dnsmasq (Debian packages nginx, dnsmasq-base)\n",
                     qPrintable(serviceBin));
        return 1;
    }
    QTemporaryDir dir;

    // Six templates of a few images each, like the catalogue that ships.
    for (int i = 0; i < 6; ++i) {
        const QString base = dir.filePath(u"templates/template-%1/"_s.arg(i));
        writeFile(base + "template.html"_L1,
                  "<html><body><img src=\"images/a.png\"><p>Hello</p></body></html>");
        writeFile(base + "meta.json"_L1,
                  R"({"title": "Template", "categories": ["News", "Sales"]})");
        writeFile(base + "preview.png"_L1, pngBytes(250, 300, Qt::darkCyan));
        writeFile(base + "images/a.png"_L1, pngBytes(600, 200, Qt::darkRed));
    }

    // Ten mail domains that the name server knows, cached after the first check.
    const quint16 dnsPort = freePort();
    QStringList dnsArguments{u"--keep-in-foreground"_s,
                             u"--conf-file=/dev/null"_s,
                             u"--port=%1"_s.arg(dnsPort),
                             u"--listen-address=127.0.86.2"_s,
                             u"--bind-interfaces"_s,
                             u"--no-resolv"_s,
                             u"--no-hosts"_s,
                             u"--user=root"_s,
                             u"--pid-file="_s,
                             u"--local-ttl=3600"_s,
                             u"--local=/bench.test/"_s};
    QJsonArray domains;
    for (int i = 0; i < 10; ++i) {
        dnsArguments << u"--mx-host=d%1.bench.test,mail.bench.test,10"_s.arg(i);
        domains.append(u"d%1.bench.test"_s.arg(i));
    }
    QProcess dns;
    dns.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    dns.start(dnsmasqBin, dnsArguments);
    dns.waitForStarted();

    const QString config = dir.filePath(u"service.json"_s);
    writeFile(config, QJsonDocument(QJsonObject{{u"templates"_s, u"templates"_s},
                                                {u"corpus"_s, u"corpus"_s},
                                                {u"version"_s, u"2.1.1"_s},
                                                {u"unsubscribe_requests_per_minute"_s, 0},
                                                {u"dns_server"_s, u"127.0.86.2:%1"_s.arg(dnsPort)}})
                              .toJson());
    QProcess service;
    service.setProcessChannelMode(QProcess::SeparateChannels);
    service.setStandardOutputFile(dir.filePath(u"service.log"_s));
    service.start(serviceBin, {u"--config"_s, config, u"--port"_s, u"0"_s});
    service.waitForStarted();
    quint16 servicePort = 0;
    for (int i = 0; i < 200 && !servicePort; ++i) {
        QFile log(dir.filePath(u"service.log"_s));
        if (log.open(QIODevice::ReadOnly)) {
            const QByteArray first = log.readLine().trimmed();
            if (first.startsWith("listening on "))
                servicePort = quint16(first.split(':').last().chopped(1).toUInt());
        }
        QThread::msleep(25);
    }
    if (!servicePort) {
        std::fprintf(stderr, "the service did not start\n");
        return 1;
    }
    const long rssAtStart = statusField(service.processId(), "VmRSS:");

    const std::string templatesRequest = post("/api/templates",
                                              {{u"os"_s, u"windows"_s}, {u"language"_s, u"en"_s}});
    const std::string checkRequest = post("/api/check/domains", {{u"os"_s, u"windows"_s},
                                                                 {u"language"_s, u"en"_s},
                                                                 {u"domains"_s, domains}});

    // The static file is the service's own answer, byte for byte.
    std::string buffer;
    int fd = connectTo(servicePort);
    send(fd, templatesRequest.data(), templatesRequest.size(), MSG_NOSIGNAL);
    std::string raw;
    {
        char chunk[65536];
        ssize_t got;
        while (raw.find("\r\n\r\n") == std::string::npos
               && (got = recv(fd, chunk, sizeof chunk, 0)) > 0)
            raw.append(chunk, std::size_t(got));
        buffer = raw;
        readResponse(fd, buffer);
    }
    close(fd);
    const std::size_t bodyAt = raw.find("\r\n\r\n") + 4;
    const QByteArray answer = QByteArray::fromStdString(raw.substr(bodyAt));
    writeFile(dir.filePath(u"static/templates.json"_s), answer);
    // Warm the cache; the answer must say every domain is valid.
    fd = connectTo(servicePort);
    send(fd, checkRequest.data(), checkRequest.size(), MSG_NOSIGNAL);
    buffer.clear();
    {
        char chunk[65536];
        ssize_t got;
        while (buffer.find("]") == std::string::npos && (got = recv(fd, chunk, sizeof chunk, 0)) > 0)
            buffer.append(chunk, std::size_t(got));
    }
    int validDomains = 0;
    for (std::size_t at = buffer.find("\"valid\":true"); at != std::string::npos;
         at = buffer.find("\"valid\":true", at + 1))
        ++validDomains;
    close(fd);

    const quint16 nginxPort = freePort();
    for (const char *sub : {"logs", "body", "proxy", "fastcgi", "uwsgi", "scgi"})
        QDir().mkpath(dir.filePath(QString::fromLatin1(sub)));
    const QString root = dir.path();
    writeFile(dir.filePath(u"nginx.conf"_s),
              (QString::fromLatin1(geteuid() == 0 ? "user root root;\n" : "")
               + u"worker_processes 2;\ndaemon off;\npid %1/nginx.pid;\n"
                 "error_log %1/logs/error.log;\nevents { worker_connections 1024; }\n"
                 "http {\n access_log off;\n client_body_temp_path %1/body;\n"
                 " proxy_temp_path %1/proxy;\n fastcgi_temp_path %1/fastcgi;\n"
                 " uwsgi_temp_path %1/uwsgi;\n scgi_temp_path %1/scgi;\n"
                 " keepalive_requests 1000000;\n"
                 " server {\n  listen 127.0.0.1:%2;\n  root %1/static;\n"
                 "  location / { default_type application/json; }\n }\n}\n"_s.arg(root)
                         .arg(nginxPort))
                      .toUtf8());
    QProcess nginx;
    nginx.setProcessChannelMode(QProcess::ForwardedChannels);
    nginx.start(nginxBin, {u"-p"_s, root, u"-c"_s, dir.filePath(u"nginx.conf"_s)});
    nginx.waitForStarted();
    if (!waitForPort(nginxPort)) {
        std::fprintf(stderr, "nginx did not start\n");
        return 1;
    }
    const std::string staticRequest
            = "GET /templates.json HTTP/1.1\r\nHost: 127.0.0.1\r\nAccept: application/json\r\n\r\n";

    std::printf("%d clients, %.1f s each, templates answer of %lld bytes; %d of 10 domains valid "
                "on the first check\n",
                clients, seconds, static_cast<long long>(answer.size()), validDomains);
    // A provider's one-click POST, for a thousand recipients of one mailbox.
    const QJsonObject registered = QJsonDocument::fromJson(
                                           QByteArray::fromStdString(
                                                   askOnce(servicePort,
                                                           post("/api/unsubscribe/register", {}))))
                                           .object();
    const QByteArray mailbox = QByteArray::fromHex(
            registered.value("mailbox"_L1).toString().toLatin1());
    const QByteArray seal
            = UnsubscribeToken::keysFrom(
                      QByteArray::fromBase64(registered.value("secret"_L1).toString().toLatin1(),
                                             QByteArray::Base64UrlEncoding))
                      .seal;
    std::vector<std::string> oneClicks;
    for (int i = 0; i < 1000; ++i) {
        const QString token = UnsubscribeToken::make({mailbox, u"reader%1@bench.test"_s.arg(i),
                                                      u"bench"_s, u"en"_s},
                                                     seal);
        oneClicks.push_back("POST /u/" + token.toStdString()
                            + " HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Type: "
                              "application/x-www-form-urlencoded\r\nContent-Length: 26\r\n\r\n"
                              "List-Unsubscribe=One-Click");
    }

    const Rate reference = measure(nginxPort, {staticRequest}, clients, seconds);
    std::printf("nginx, the same bytes as a static file: %.0f requests/s (%ld failed)\n",
                reference.perSecond, reference.failures);
    const Rate templates = measure(servicePort, {templatesRequest}, clients, seconds);
    std::printf("service, templates: %.0f requests/s (%ld failed)\n", templates.perSecond,
                templates.failures);
    const Rate checks = measure(servicePort, {checkRequest}, clients, seconds);
    std::printf("service, check/domains of 10 cached domains: %.0f requests/s (%ld failed)\n",
                checks.perSecond, checks.failures);
    const Rate unsubscribes = mailbox.size() == 16
                                      ? measure(servicePort, oneClicks, clients, seconds)
                                      : Rate{};
    std::printf("service, one-click unsubscribe POST (SQLite): %.0f requests/s (%ld failed)\n",
                unsubscribes.perSecond, unsubscribes.failures);
    const long rss = statusField(service.processId(), "VmRSS:");
    const long peak = statusField(service.processId(), "VmHWM:");
    std::printf("service memory: %ld kB resident at start, %ld kB after, peak %ld kB\n", rssAtStart,
                rss, peak);

    benchsupport::stopProcess(nginx);
    benchsupport::stopProcess(service);
    benchsupport::stopProcess(dns);
    std::printf("templates %.0f/s (%.2f of nginx static %.0f/s), cached check/domains %.0f/s, "
                "one-click POST %.0f/s, service RSS %ld kB (peak %ld kB)\n",
                templates.perSecond,
                reference.perSecond > 0 ? templates.perSecond / reference.perSecond : 0.0,
                reference.perSecond, checks.perSecond, unsubscribes.perSecond, rss, peak);
    return templates.perSecond > 0 && checks.perSecond > 0 && reference.perSecond > 0
                           && unsubscribes.perSecond > 0
                   ? 0
                   : 1;
}
