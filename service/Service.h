#pragma once

#include "CorpusIndex.h"
#include "DomainChecker.h"
#include "HttpServer.h"
#include "RateLimiter.h"
#include "SearxngSearch.h"
#include "ServiceConfig.h"
#include "TemplateCatalogue.h"
#include "UnsubscribeStore.h"

#include <QJsonObject>

#include <memory>

// What the service answers, request by request. Nothing here changes after
// start (the DNS cache aside) but the store of unsubscribes, which
// instances behind one load balancer share.
class Service
{
public:
    static constexpr const char *requestToken = "3f0c9a12-7b4e-4d21-a8c5-0e6b2f91d7a3";
    static constexpr const char *responseToken = "9a7e51c0-2d3b-4f86-b1e4-75c8a06d3e29";

    Service(const ServiceConfig &config, TemplateCatalogue templates, CorpusIndex corpus,
            std::unique_ptr<DomainChecker> checker, std::unique_ptr<UnsubscribeStore> store);

    HttpReply handle(const HttpRequest &request) const;
    // Requests whose answer may wait on another server.
    static bool mayBlock(const HttpRequest &request);
    // A request's target as the log writes it: an unsubscribe address, the
    // right to unsubscribe someone, keeps no token.
    static std::string loggedTarget(const std::string &target);
    // The refusal of such a request when too many already wait.
    static HttpReply busy(const HttpRequest &request);

private:
    HttpReply api(const HttpRequest &request, const std::string &name) const;
    HttpReply appInfo() const;
    HttpReply templates(const std::string &language) const;
    HttpReply checkDomains(const QJsonObject &body, const std::string &language) const;
    HttpReply searchContacts(const QJsonObject &body, const std::string &language) const;
    HttpReply registerMailbox() const;
    HttpReply takeEvents(const QJsonObject &body, const std::string &language) const;
    // The one-click address of a message: GET shows a page, POST unsubscribes.
    HttpReply unsubscribe(const HttpRequest &request, const std::string &token) const;
    // Whose share of the rate limit a request takes.
    std::string clientOf(const HttpRequest &request) const;

    HttpReply page(const HttpRequest &request, const std::vector<std::string> &segments) const;
    HttpReply templateFile(const std::vector<std::string> &segments,
                           const std::string &target) const;
    HttpReply corpusPage(const std::vector<std::string> &segments) const;
    HttpReply downloadPage(const std::string &target) const;

    const ServiceConfig &m_config;
    TemplateCatalogue m_templates;
    CorpusIndex m_corpus;
    std::unique_ptr<DomainChecker> m_checker;
    std::unique_ptr<SearxngSearch> m_searxng;
    std::unique_ptr<UnsubscribeStore> m_store;
    // The recipients' pages and clicks, and the program's mailbox requests.
    mutable RateLimiter m_unsubscribeLimiter;
    mutable RateLimiter m_mailboxLimiter;
};
