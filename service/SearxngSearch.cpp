#include "SearxngSearch.h"

#include "PublicLink.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>

#include <curl/curl.h>

#include <set>

namespace {

constexpr std::size_t maxAnswerBytes = 4 * 1024 * 1024;
// Enough for result 100 even when the engine gives few results per page.
constexpr int maxPages = 20;

std::string escape(const std::string &text)
{
    return QUrl::toPercentEncoding(QString::fromStdString(text)).toStdString();
}

std::size_t collect(char *data, std::size_t size, std::size_t count, void *into)
{
    auto *out = static_cast<std::string *>(into);
    if (out->size() + size * count > maxAnswerBytes)
        return 0; // makes curl stop with an error
    out->append(data, size * count);
    return size * count;
}

} // namespace

std::string SearxngSearch::pageUrl(const CorpusIndex::Query &query, int pageNumber) const
{
    std::string domain = query.domain;
    if (!domain.empty() && domain[0] == '@')
        domain.erase(0, 1);
    std::string locale = query.language;
    if (!locale.empty() && query.country.size() == 2)
        locale += "-" + query.country;
    return m_base + "search?q=" + escape(query.terms + " \"@" + domain + "\"")
           + "&format=json&safesearch=0&categories=general&pageno=" + std::to_string(pageNumber)
           + (locale.empty() ? std::string() : "&language=" + escape(locale));
}

std::optional<std::string> SearxngSearch::fetch(const std::string &url, long timeoutMs) const
{
    CURL *curl = curl_easy_init();
    if (!curl)
        return std::nullopt;
    std::string body;
    curl_slist *headers = curl_slist_append(nullptr, "Accept: application/json");
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(curl, CURLOPT_USERAGENT, "parvane-service");
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, timeoutMs);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, collect);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &body);
    const CURLcode result = curl_easy_perform(curl);
    long status = 0;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
    curl_slist_free_all(headers);
    curl_easy_cleanup(curl);
    if (result != CURLE_OK || status != 200)
        return std::nullopt;
    return body;
}

std::optional<std::vector<std::string>> SearxngSearch::search(
        const CorpusIndex::Query &query, int start, int count,
        std::chrono::steady_clock::time_point deadline) const
{
    std::vector<std::string> links;
    std::set<std::string> seen;
    const std::size_t wanted = std::size_t(start - 1 + count);
    for (int page = 1; page <= maxPages && links.size() < wanted; ++page) {
        const long left = long(std::chrono::duration_cast<std::chrono::milliseconds>(
                                       deadline - std::chrono::steady_clock::now())
                                       .count());
        if (left <= 0)
            return std::nullopt;
        const auto body = fetch(pageUrl(query, page), std::min(left, long(m_timeoutMs)));
        if (!body)
            return std::nullopt;
        const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(*body));
        if (!document.isObject())
            return std::nullopt;
        std::size_t added = 0;
        for (const QJsonValue &result :
             document.object().value(QLatin1String("results")).toArray()) {
            const QString url = result.toObject().value(QLatin1String("url")).toString();
            // Only web pages the application can fetch, on public hosts or in
            // our own corpus, each once.
            if (!PublicLink::allowed(url, m_ownCorpus))
                continue;
            if (seen.insert(url.toStdString()).second) {
                links.push_back(url.toStdString());
                ++added;
            }
        }
        if (added == 0)
            break;
    }
    if (links.size() <= std::size_t(start - 1))
        return std::vector<std::string>();
    const auto first = links.begin() + (start - 1);
    const auto last = links.size() >= wanted ? links.begin() + long(wanted) : links.end();
    return std::vector<std::string>(first, last);
}
