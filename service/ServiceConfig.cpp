#include "ServiceConfig.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <charconv>

namespace {

std::string resolvedPath(const QJsonValue &value, const QDir &base)
{
    const QString path = value.toString();
    return path.isEmpty() ? std::string()
                          : QDir::cleanPath(base.absoluteFilePath(path)).toStdString();
}

bool parsePort(const std::string &text, unsigned short *port)
{
    unsigned value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value > 65535)
        return false;
    *port = static_cast<unsigned short>(value);
    return true;
}

} // namespace

namespace {

// The command line: the configuration file's path and the options that
// override it, in their order.
bool readArguments(int argc, char **argv, std::string *configPath,
                   std::vector<std::pair<std::string, std::string>> *options, std::string *error)
{
    for (int i = 1; i < argc; ++i) {
        const std::string name = argv[i];
        if (name == "--help" || name == "-h") {
            *error = "usage: parvane-service --config FILE [--listen ADDR] [--port N] "
                     "[--templates DIR] [--corpus DIR] [--searxng URL] [--public-url URL] "
                     "[--store-path FILE]";
            return false;
        }
        if (name.rfind("--", 0) != 0 || i + 1 >= argc) {
            *error = "unknown or incomplete option: " + name;
            return false;
        }
        const std::string value = argv[++i];
        if (name == "--config")
            *configPath = value;
        else
            options->emplace_back(name, value);
    }
    if (configPath->empty()) {
        *error = "--config FILE is required";
        return false;
    }
    return true;
}

} // namespace

bool ServiceConfig::load(int argc, char **argv, std::string *error)
{
    std::string configPath;
    Options options;
    if (!readArguments(argc, argv, &configPath, &options, error) || !readFile(configPath, error)
        || !applyOptions(options, error))
        return false;
    if (!searxngUrl.empty() && searxngUrl.back() != '/')
        searxngUrl += '/';
    if (!limitsHold()) {
        *error = "limits too small in " + configPath;
        return false;
    }
    return true;
}

// The configuration file's settings; paths in it are read from its folder.
bool ServiceConfig::readFile(const std::string &configPath, std::string *error)
{
    QFile file(QString::fromStdString(configPath));
    if (!file.open(QIODevice::ReadOnly)) {
        *error = "cannot read " + configPath;
        return false;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (!document.isObject()) {
        *error = configPath + ": not a JSON object (" + parseError.errorString().toStdString()
                 + ")";
        return false;
    }
    const QJsonObject json = document.object();
    const QDir base = QFileInfo(file).absoluteDir();
    const auto text = [&](const char *key, std::string &into) {
        if (json.contains(QLatin1String(key)))
            into = json.value(QLatin1String(key)).toString().toStdString();
    };
    const auto number = [&](const char *key, auto &into) {
        if (json.contains(QLatin1String(key)))
            into = static_cast<std::remove_reference_t<decltype(into)>>(
                    json.value(QLatin1String(key)).toDouble(double(into)));
    };
    text("listen", listen);
    if (json.contains(QLatin1String("port"))) {
        const int value = json.value(QLatin1String("port")).toInt(-1);
        if (value < 0 || value > 65535) {
            *error = configPath + ": port must be a number from 0 to 65535";
            return false;
        }
        port = static_cast<unsigned short>(value);
    }
    text("public_url", publicUrl);
    templatesDir = resolvedPath(json.value(QLatin1String("templates")), base);
    corpusDir = resolvedPath(json.value(QLatin1String("corpus")), base);
    text("searxng", searxngUrl);
    text("version", version);
    text("email", email);
    text("phone", phone);
    text("windows_download", windowsDownloadUrl);
    text("dns_server", dnsServer);
    number("dns_timeout_ms", dnsTimeoutMs);
    number("dns_attempts", dnsAttempts);
    number("threads", threads);
    number("workers", workers);
    number("max_domains_per_check", maxDomainsPerCheck);
    number("max_domains_per_search", maxDomainsPerSearch);
    number("search_timeout_ms", searchTimeoutMs);
    number("search_budget_ms", searchBudgetMs);
    number("max_header_bytes", limits.maxHeaderBytes);
    number("max_body_bytes", limits.maxBodyBytes);
    number("max_connections", limits.maxConnections);
    number("max_connections_per_client", limits.maxConnectionsPerClient);
    number("max_queued_requests", limits.maxQueuedRequests);
    const auto milliseconds = [&](const char *key, std::chrono::milliseconds &into) {
        if (json.contains(QLatin1String(key)))
            into = std::chrono::milliseconds(json.value(QLatin1String(key)).toInteger(into.count()));
    };
    text("store", store.kind);
    store.path = resolvedPath(json.value(QLatin1String("store_path")), base);
    if (store.path.empty())
        store.path = base.absoluteFilePath(QStringLiteral("unsubscribe.sqlite")).toStdString();
    text("store_host", store.host);
    number("store_port", store.port);
    text("store_database", store.database);
    text("store_user", store.user);
    text("store_password", store.password);
    if (store.kind != "sqlite" && store.kind != "postgresql") {
        *error = configPath + ": store must be \"sqlite\" or \"postgresql\"";
        return false;
    }
    number("unsubscribe_requests_per_minute", unsubscribeRequestsPerMinute);
    if (json.contains(QLatin1String("trust_forwarded_for")))
        trustForwardedFor = json.value(QLatin1String("trust_forwarded_for")).toBool();
    milliseconds("request_timeout_ms", limits.requestTimeout);
    milliseconds("header_timeout_ms", limits.headerTimeout);
    m_publicUrlGiven = !publicUrl.empty();
    return true;
}

// The command line's settings, over the file's.
bool ServiceConfig::applyOptions(const Options &options, std::string *error)
{
    bool addressGiven = false;
    for (const auto &[name, value] : options) {
        if (name == "--listen") {
            listen = value;
            addressGiven = true;
        } else if (name == "--port") {
            if (!parsePort(value, &port)) {
                *error = "not a port: " + value;
                return false;
            }
            addressGiven = true;
        } else if (name == "--templates") {
            templatesDir = QDir::cleanPath(
                                   QDir::current().absoluteFilePath(QString::fromStdString(value)))
                                   .toStdString();
        } else if (name == "--corpus") {
            corpusDir = QDir::cleanPath(
                                QDir::current().absoluteFilePath(QString::fromStdString(value)))
                                .toStdString();
        } else if (name == "--searxng") {
            searxngUrl = value;
        } else if (name == "--store-path") {
            store.path = QDir::cleanPath(
                                 QDir::current().absoluteFilePath(QString::fromStdString(value)))
                                 .toStdString();
        } else if (name == "--public-url") {
            publicUrl = value;
            m_publicUrlGiven = true;
        } else {
            *error = "unknown option: " + name;
            return false;
        }
    }
    // The file's public address names the file's port: once the command line
    // moves the service, links follow it unless an address is given too.
    if (addressGiven && !std::any_of(options.begin(), options.end(), [](const auto &o) {
            return o.first == "--public-url";
        })) {
        publicUrl.clear();
        m_publicUrlGiven = false;
    }
    return true;
}

bool ServiceConfig::limitsHold() const
{
    return limits.maxBodyBytes >= 1024 && limits.maxHeaderBytes >= 1024
           && limits.requestTimeout.count() >= 100 && limits.headerTimeout.count() >= 100
           && limits.maxConnections >= 1 && limits.maxConnectionsPerClient >= 0
           && limits.maxQueuedRequests >= 1 && maxDomainsPerCheck >= 1 && dnsTimeoutMs >= 50
           && dnsAttempts >= 1;
}

void ServiceConfig::settlePublicUrl(unsigned short boundPort)
{
    if (!m_publicUrlGiven || publicUrl.empty()) {
        const bool v6 = listen.find(':') != std::string::npos;
        std::string host = v6 ? "[" + listen + "]" : listen;
        if (listen == "0.0.0.0")
            host = "127.0.0.1";
        else if (listen == "::")
            host = "[::1]";
        publicUrl = "http://" + host + ":" + std::to_string(boundPort) + "/";
    }
    if (publicUrl.back() != '/')
        publicUrl += '/';
}
