#pragma once

#include "HttpServer.h"
#include "UnsubscribeStore.h"

#include <string>
#include <utility>
#include <vector>

// Everything the service is told at start: the configuration file, then the
// command line, which wins.
struct ServiceConfig
{
    std::string listen = "127.0.0.1";
    unsigned short port = 8765;
    std::string publicUrl; // ends with "/"; empty: made from listen and port
    std::string templatesDir;
    std::string corpusDir;
    std::string searxngUrl; // empty: the local corpus answers searches

    std::string version;
    std::string email;
    std::string phone;
    std::string windowsDownloadUrl; // the installer the download page links to

    HttpLimits limits;
    int threads = 0;  // connection threads; 0: one per core, at least two
    int workers = 16; // threads for handling that waits (DNS, search engine)

    std::string dnsServer;   // "ADDR" or "ADDR:PORT"; PARVANE_DNS_SERVER wins
    int dnsTimeoutMs = 1500; // for each attempt
    int dnsAttempts = 2;
    int maxDomainsPerCheck = 200;
    int maxDomainsPerSearch = 20;
    int searchTimeoutMs = 10000; // for each page asked of the search engine
    int searchBudgetMs = 30000;  // for all of one search request

    // The mailboxes and unsubscribes; SQLite beside the configuration file
    // unless told otherwise.
    UnsubscribeStore::Options store;
    int unsubscribeRequestsPerMinute = 60; // for each client address
    // Behind a proxy on this machine, the client is the last address the
    // proxy added to X-Forwarded-For.
    bool trustForwardedFor = false;

    // Reads FILE (paths in it are relative to its folder), then argv. On
    // failure returns false with a message in *error.
    bool load(int argc, char **argv, std::string *error);
    // Filled in once the port is bound.
    void settlePublicUrl(unsigned short boundPort);

private:
    using Options = std::vector<std::pair<std::string, std::string>>;
    bool readFile(const std::string &configPath, std::string *error);
    bool applyOptions(const Options &options, std::string *error);
    bool limitsHold() const;

    bool m_publicUrlGiven = false;
};
