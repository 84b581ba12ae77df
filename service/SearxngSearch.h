#pragma once

#include "CorpusIndex.h"

#include <chrono>
#include <optional>
#include <string>
#include <vector>

// The search back end on a SearXNG instance, through its JSON API
// (GET search?format=json). The query is the terms and the quoted
// "@domain"; country and language become its locale ("fr-CA"). Its result
// pages are of no fixed size, so pages are read in turn until the ten
// results from the requested position are known, or the engine has no more.
// Only links to public hosts are kept, and those under ownCorpus.
class SearxngSearch
{
public:
    SearxngSearch(std::string baseUrl, int timeoutMs, std::string ownCorpus)
        : m_base(std::move(baseUrl)), m_ownCorpus(std::move(ownCorpus)), m_timeoutMs(timeoutMs)
    {}

    // nullopt when the engine could not be reached, answered nonsense, or
    // had not answered everything by the deadline.
    std::optional<std::vector<std::string>> search(
            const CorpusIndex::Query &query, int start, int count,
            std::chrono::steady_clock::time_point deadline) const;

    // The address of one result page of the engine.
    std::string pageUrl(const CorpusIndex::Query &query, int pageNumber) const;

private:
    std::optional<std::string> fetch(const std::string &url, long timeoutMs) const;

    std::string m_base;
    std::string m_ownCorpus;
    int m_timeoutMs;
};
