#include "CorpusIndex.h"
#include "DomainChecker.h"
#include "HttpServer.h"
#include "Service.h"
#include "ServiceConfig.h"
#include "TemplateCatalogue.h"
#include "UnsubscribeStore.h"

#include <QCoreApplication>

#include <curl/curl.h>

#include <sys/resource.h>

#include <csignal>
#include <cstdio>
#include <thread>

namespace {

// Each connection holds a descriptor: the soft limit (often 1024) is raised
// to the hard one, as servers do, so that max_connections can be reached.
void raiseDescriptorLimit(int wanted)
{
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0)
        return;
    if (limit.rlim_cur < limit.rlim_max) {
        rlimit raised = limit;
        raised.rlim_cur = limit.rlim_max;
        if (setrlimit(RLIMIT_NOFILE, &raised) == 0)
            limit = raised;
    }
    // Beside connections: the listening socket, name server sockets, search
    // engine transfers, files being served.
    if (limit.rlim_cur != RLIM_INFINITY && limit.rlim_cur < rlim_t(wanted) + 64)
        std::fprintf(stderr,
                     "parvane-service: %llu open files allowed, fewer than max_connections "
                     "(%d) needs\n",
                     static_cast<unsigned long long>(limit.rlim_cur), wanted);
}

} // namespace

int main(int argc, char **argv)
{
    // Qt's database drivers are plug-ins, which only an application object
    // loads; no Qt event loop runs.
    QCoreApplication application(argc, argv);
    ServiceConfig config;
    std::string error;
    if (!config.load(argc, argv, &error)) {
        std::fprintf(stderr, "parvane-service: %s\n", error.c_str());
        return 2;
    }
    raiseDescriptorLimit(config.limits.maxConnections);
    curl_global_init(CURL_GLOBAL_DEFAULT);
    // The request log may go to a pipe whose reader has gone: that must not
    // end the service.
    std::signal(SIGPIPE, SIG_IGN);

    std::vector<std::string> warnings;
    TemplateCatalogue templates;
    templates.load(config.templatesDir, &warnings);
    // Served under /corpus/ whichever back end searches: a search engine may
    // index those pages too.
    CorpusIndex corpus;
    corpus.load(config.corpusDir, &warnings);
    for (const std::string &warning : warnings)
        std::fprintf(stderr, "parvane-service: %s\n", warning.c_str());

    DomainChecker::Options dns;
    dns.server = config.dnsServer;
    dns.timeoutMs = config.dnsTimeoutMs;
    dns.attempts = config.dnsAttempts;
    auto checker = std::make_unique<DomainChecker>(dns);
    if (!checker->ready())
        std::fprintf(stderr, "parvane-service: name server address not understood: %s\n",
                     checker->serverText().c_str());

    auto store = std::make_unique<UnsubscribeStore>(config.store);
    if (!store->open(&error)) {
        std::fprintf(stderr, "parvane-service: cannot open the %s store: %s\n",
                     config.store.kind.c_str(), error.c_str());
        return 1;
    }

    const int threads = config.threads > 0 ? config.threads
                                           : std::max(2, int(std::thread::hardware_concurrency()));
    // The service is built before the server so that the handler never sees
    // it half made; the public address is known only once the port is bound.
    std::unique_ptr<Service> service;
    HttpServer server(
            config.limits,
            [&service](const HttpRequest &request) { return service->handle(request); },
            &Service::mayBlock, &Service::busy, threads, config.workers);
    server.setLoggedTarget(&Service::loggedTarget);
    const unsigned short port = server.listen(config.listen, config.port, &error);
    if (port == 0) {
        std::fprintf(stderr, "parvane-service: cannot listen on %s:%u: %s\n", config.listen.c_str(),
                     unsigned(config.port), error.c_str());
        return 1;
    }
    config.settlePublicUrl(port);
    const std::string shownTemplates = std::to_string(templates.entries().size());
    const std::string shownCorpus = std::to_string(corpus.size()) + " corpus pages"
                                    + (config.searxngUrl.empty()
                                               ? std::string()
                                               : ", search engine " + config.searxngUrl);
    const std::string nameServer = checker->serverText();
    service = std::make_unique<Service>(config, std::move(templates), std::move(corpus),
                                        std::move(checker), std::move(store));

    const bool v6 = config.listen.find(':') != std::string::npos;
    std::printf("listening on http://%s%s%s:%u/\n", v6 ? "[" : "", config.listen.c_str(),
                v6 ? "]" : "", unsigned(port));
    std::fflush(stdout);
    std::fprintf(stderr, "parvane-service: public address %s, %s templates, %s, name server %s\n",
                 config.publicUrl.c_str(), shownTemplates.c_str(), shownCorpus.c_str(),
                 nameServer.c_str());
    server.run();
    service.reset();
    curl_global_cleanup();
    return 0;
}
