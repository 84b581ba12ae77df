#include "Service.h"

#include "UrlPath.h"

#include "suppression/UnsubscribeToken.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace {

const std::string jsonType = "application/json; charset=utf-8";
const std::string htmlType = "text/html; charset=utf-8";
// Pages we serve show HTML that came from elsewhere: it may not run scripts.
const std::pair<std::string, std::string>
        pagePolicy{"Content-Security-Policy",
                   "script-src 'none'; object-src 'none'; base-uri 'none'"};

// Texts the application shows to the user as they are, in the interface's
// language when the request names French.
struct Text
{
    const char *en;
    const char *fr;
};
const Text notAllowed{
        "This copy of Parvane is not allowed to use the service. Please install the latest "
        "version.",
        "Cette copie de Parvane n'est pas autorisée à utiliser le service. Veuillez installer la "
        "dernière version."};
const Text unreadable{"The request could not be read.", "La requête n'a pas pu être lue."};
const Text postOnly{"This address only accepts POST requests.",
                    "Cette adresse n'accepte que des requêtes POST."};
const Text unknown{"Unknown request.", "Requête inconnue."};
const Text termsRequired{"Terms are required.", "Les termes sont obligatoires."};
const Text domainsRequired{"Domains are required.", "Les domaines sont obligatoires."};
const Text tooManyDomains{"Too many domains in one request.",
                          "Trop de domaines dans une même requête."};
const Text noSuchPage{"The page of results asked for does not exist.",
                      "La page de résultats demandée n'existe pas."};
const Text busyNow{"The service is busy right now. Please try again in a moment.",
                   "Le service est très sollicité pour le moment. Veuillez réessayer dans un "
                   "instant."};
const Text tooFast{"Too many requests from your address. Please try again in a moment.",
                   "Trop de requêtes depuis votre adresse. Veuillez réessayer dans un instant."};
const Text wrongMailbox{"This mailbox does not exist or the proof does not match.",
                        "Cette boîte n'existe pas ou la preuve ne correspond pas."};
const Text storeDown{"The service cannot keep this right now. Please try again later.",
                     "Le service ne peut pas l'enregistrer pour le moment. Veuillez réessayer "
                     "plus tard."};
const Text searchDown{"The search engine cannot be reached right now. Please try again later.",
                      "Le moteur de recherche est injoignable pour le moment. Veuillez réessayer "
                      "plus tard."};

HttpReply json(int status, const QJsonDocument &document)
{
    HttpReply reply;
    reply.status = status;
    reply.contentType = jsonType;
    reply.body = document.toJson(QJsonDocument::Compact).toStdString();
    return reply;
}

HttpReply refusal(int status, const Text &text, const std::string &language)
{
    HttpReply reply;
    reply.status = status;
    reply.contentType = jsonType;
    reply.body = HttpServer::jsonString(language == "fr" ? text.fr : text.en);
    return reply;
}

HttpReply html(int status, const std::string &body)
{
    HttpReply reply;
    reply.status = status;
    reply.contentType = htmlType;
    reply.body = body;
    reply.headers.push_back(pagePolicy);
    return reply;
}

HttpReply plainPage(int status, const std::string &title, const std::string &content)
{
    return html(status,
                "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\">"
                "<meta name=\"viewport\" content=\"width=device-width\"><title>"
                        + TemplateCatalogue::escapeHtml(title)
                        + "</title></head>\n<body style=\"font:16px sans-serif;max-width:40em;"
                          "margin:3em auto;padding:0 1em\">\n<h1>"
                        + TemplateCatalogue::escapeHtml(title) + "</h1>\n" + content
                        + "\n</body></html>\n");
}

HttpReply notFound()
{
    return plainPage(404, "Not found", "<p>There is nothing at this address.</p>");
}

HttpReply file(const std::string &type, const std::string &data)
{
    HttpReply reply;
    reply.contentType = type;
    reply.body = data;
    reply.headers.emplace_back("Cache-Control", "public, max-age=300");
    return reply;
}

// A language or country code as we use it, or "" for anything else.
std::string code(const QJsonValue &value, int minimum, int maximum, bool upper)
{
    const QString text = value.toString();
    if (text.size() < minimum || text.size() > maximum)
        return {};
    for (const QChar c : text) {
        if (!(c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            && !(c >= QLatin1Char('A') && c <= QLatin1Char('Z')))
            return {};
    }
    return (upper ? text.toUpper() : text.toLower()).toStdString();
}

// The interface language a request's body names, "" when there is none.
std::string languageOf(const QJsonDocument &document)
{
    return code(document.object().value(QLatin1String("language")), 2, 3, false);
}

} // namespace

Service::Service(const ServiceConfig &config, TemplateCatalogue templates, CorpusIndex corpus,
                 std::unique_ptr<DomainChecker> checker, std::unique_ptr<UnsubscribeStore> store)
    : m_config(config), m_templates(std::move(templates)), m_corpus(std::move(corpus)),
      m_checker(std::move(checker)), m_store(std::move(store)),
      m_unsubscribeLimiter(config.unsubscribeRequestsPerMinute),
      m_mailboxLimiter(config.unsubscribeRequestsPerMinute)
{
    if (!config.searxngUrl.empty())
        m_searxng = std::make_unique<SearxngSearch>(config.searxngUrl, config.searchTimeoutMs,
                                                    config.publicUrl + "corpus/");
}

bool Service::mayBlock(const HttpRequest &request)
{
    const std::string path = request.target.substr(0, request.target.find('?'));
    // The store may be a database server on another machine.
    return path == "/api/check/domains" || path == "/api/search/contacts"
           || path.rfind("/api/unsubscribe/", 0) == 0 || path.rfind("/u/", 0) == 0;
}

std::string Service::loggedTarget(const std::string &target)
{
    // Read as the routes read it, so that no spelling of "/u/" slips by.
    const auto segments = UrlPath::segments(target);
    return segments && segments->size() == 2 && (*segments)[0] == "u" ? "/u/-" : target;
}

HttpReply Service::busy(const HttpRequest &request)
{
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(request.body));
    HttpReply reply = refusal(503, busyNow, languageOf(document));
    reply.headers.emplace_back("Retry-After", "1");
    reply.headers.emplace_back("Cache-Control", "no-store");
    return reply;
}

HttpReply Service::handle(const HttpRequest &request) const
{
    const auto segments = UrlPath::segments(request.target);
    if (!segments)
        return refusal(400, unreadable, "en");
    if (segments->size() == 2 && (*segments)[0] == "u")
        return unsubscribe(request, (*segments)[1]);
    if (!segments->empty() && (*segments)[0] == "api") {
        std::string name;
        for (std::size_t i = 1; i < segments->size(); ++i)
            name += (i > 1 ? "/" : "") + (*segments)[i];
        HttpReply reply = api(request, name);
        // Only answers carry the token: a refusal must not hand it to a
        // client that was refused.
        if (reply.status < 400)
            reply.headers.emplace_back("Authorization", std::string("Bearer ") + responseToken);
        reply.headers.emplace_back("Cache-Control", "no-store");
        return reply;
    }
    if (request.method != "GET" && request.method != "HEAD") {
        HttpReply reply = plainPage(405, "Method not allowed", "<p>Only GET is served here.</p>");
        reply.headers.emplace_back("Allow", "GET, HEAD");
        return reply;
    }
    return page(request, *segments);
}

HttpReply Service::api(const HttpRequest &request, const std::string &name) const
{
    // The body is read first only to learn the interface's language, so that
    // even a refusal of the token speaks it.
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(request.body),
                                                           &error);
    const QJsonObject body = document.object();
    const std::string language = languageOf(document);

    const bool known = name == "app-info" || name == "templates" || name == "check/domains"
                       || name == "search/contacts" || name == "unsubscribe/register"
                       || name == "unsubscribe/events";
    if (!known)
        return refusal(404, unknown, language);
    if (request.method != "POST") {
        HttpReply reply = refusal(405, postOnly, language);
        reply.headers.emplace_back("Allow", "POST");
        return reply;
    }
    if (request.authorization != std::string("Bearer ") + requestToken)
        return refusal(401, notAllowed, language);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return refusal(400, unreadable, language);

    if (name.rfind("unsubscribe/", 0) == 0) {
        int retryAfter = 0;
        if (!m_mailboxLimiter.take(clientOf(request), &retryAfter)) {
            HttpReply reply = refusal(429, tooFast, language);
            reply.headers.emplace_back("Retry-After", std::to_string(retryAfter));
            return reply;
        }
        return name == "unsubscribe/register" ? registerMailbox() : takeEvents(body, language);
    }
    if (name == "app-info")
        return appInfo();
    if (name == "templates")
        return templates(language);
    if (name == "check/domains")
        return checkDomains(body, language);
    return searchContacts(body, language);
}

HttpReply Service::appInfo() const
{
    QJsonObject info;
    info.insert(QLatin1String("version"), QString::fromStdString(m_config.version));
    info.insert(QLatin1String("email"), QString::fromStdString(m_config.email));
    info.insert(QLatin1String("phone"), QString::fromStdString(m_config.phone));
    return json(200, QJsonDocument(info));
}

HttpReply Service::templates(const std::string &language) const
{
    const QString base = QString::fromStdString(m_config.publicUrl);
    const QString lang = QString::fromStdString(language.empty() ? "en" : language);
    QJsonArray list;
    for (const TemplateEntry &entry : m_templates.entries()) {
        const QString folder = base + QLatin1String("templates/")
                               + QString::fromStdString(entry.slug);
        QJsonArray categories;
        for (const std::string &category : entry.categoriesIn(language))
            categories.append(QString::fromStdString(category));
        QJsonObject item;
        item.insert(QLatin1String("url"), QString(folder + QLatin1String("/?lang=") + lang));
        item.insert(QLatin1String("preview"), QString(folder + QLatin1String("/preview.png")));
        item.insert(QLatin1String("categories"), categories);
        list.append(item);
    }
    return json(200, QJsonDocument(list));
}

HttpReply Service::checkDomains(const QJsonObject &body, const std::string &language) const
{
    const QJsonValue value = body.value(QLatin1String("domains"));
    if (!value.isArray())
        return refusal(400, domainsRequired, language);
    const QJsonArray array = value.toArray();
    if (array.size() > m_config.maxDomainsPerCheck)
        return refusal(400, tooManyDomains, language);
    std::vector<std::string> domains;
    for (const QJsonValue &domain : array) {
        if (!domain.isString())
            return refusal(400, unreadable, language);
        domains.push_back(domain.toString().toStdString());
    }
    const std::vector<bool> verdicts = m_checker->check(domains);
    QJsonArray answer;
    for (std::size_t i = 0; i < domains.size(); ++i) {
        QJsonObject item;
        item.insert(QLatin1String("domain"), QString::fromStdString(domains[i]));
        item.insert(QLatin1String("valid"), bool(verdicts[i]));
        answer.append(item);
    }
    return json(200, QJsonDocument(answer));
}

HttpReply Service::searchContacts(const QJsonObject &body, const std::string &language) const
{
    const QJsonValue terms = body.value(QLatin1String("terms"));
    if (!terms.isString() || terms.toString().trimmed().isEmpty())
        return refusal(400, termsRequired, language);
    const QJsonValue domains = body.value(QLatin1String("domains"));
    if (!domains.isArray() || domains.toArray().isEmpty())
        return refusal(400, domainsRequired, language);
    if (domains.toArray().size() > m_config.maxDomainsPerSearch)
        return refusal(400, tooManyDomains, language);

    CorpusIndex::Query query;
    query.terms = terms.toString().toStdString();
    query.country = code(body.value(QLatin1String("country")), 2, 2, true);
    query.language = code(body.value(QLatin1String("search_language")), 2, 3, false);

    // One bound for the whole request, however many domains and engine pages.
    const auto deadline = std::chrono::steady_clock::now()
                          + std::chrono::milliseconds(m_config.searchBudgetMs);
    QJsonArray answer;
    for (const QJsonValue &entry : domains.toArray()) {
        const QJsonValue domain = entry.toObject().value(QLatin1String("domain"));
        const QJsonValue start = entry.toObject().value(QLatin1String("start_index"));
        if (!domain.isString() || domain.toString().isEmpty())
            return refusal(400, domainsRequired, language);
        // Pages of ten, from 1 to 91: what the application asks for, nothing else.
        const double index = start.toDouble(-1);
        if (!start.isDouble() || index != double(int(index)) || index < 1 || index > 91
            || (int(index) - 1) % 10 != 0)
            return refusal(400, noSuchPage, language);
        query.domain = domain.toString().toStdString();

        QJsonArray links;
        if (m_searxng) {
            const auto found = m_searxng->search(query, int(index), 10, deadline);
            if (!found)
                return refusal(502, searchDown, language);
            for (const std::string &link : *found)
                links.append(QString::fromStdString(link));
        } else {
            for (const std::string &path : m_corpus.search(query, int(index), 10)) {
                std::string url = m_config.publicUrl + "corpus";
                std::size_t from = 0;
                while (from <= path.size()) {
                    std::size_t to = path.find('/', from);
                    if (to == std::string::npos)
                        to = path.size();
                    url += "/" + UrlPath::encodeSegment(path.substr(from, to - from));
                    from = to + 1;
                }
                links.append(QString::fromStdString(url));
            }
        }
        if (links.isEmpty())
            continue;
        QJsonObject item;
        item.insert(QLatin1String("domain"), domain);
        item.insert(QLatin1String("links"), links);
        answer.append(item);
    }
    return json(200, QJsonDocument(answer));
}

std::string Service::clientOf(const HttpRequest &request) const
{
    if (!m_config.trustForwardedFor || request.forwardedFor.empty())
        return request.client;
    // The proxy appends the address it saw; earlier ones are the client's word.
    std::string last = request.forwardedFor.substr(request.forwardedFor.rfind(',') + 1);
    last.erase(0, last.find_first_not_of(' '));
    last.erase(last.find_last_not_of(' ') + 1);
    // Counted as a direct client is: an IPv6 address by its /64.
    const std::string key = HttpServer::clientKey(last);
    return key.empty() ? request.client : key;
}

HttpReply Service::registerMailbox() const
{
    const QByteArray mailbox = UnsubscribeToken::randomBytes(16);
    const QByteArray secret = UnsubscribeToken::randomBytes(32);
    const UnsubscribeToken::Keys keys = UnsubscribeToken::keysFrom(secret);
    // The secret itself is not kept: only the key that opens tokens and the
    // hash of the proof that reads events.
    if (!m_store->addMailbox(mailbox, keys.seal, UnsubscribeToken::proofHash(keys.proof)))
        return refusal(503, storeDown, "en");
    QJsonObject answer;
    answer.insert(QLatin1String("mailbox"), QString::fromLatin1(mailbox.toHex()));
    answer.insert(QLatin1String("secret"),
                  QString::fromLatin1(secret.toBase64(QByteArray::Base64UrlEncoding
                                                      | QByteArray::OmitTrailingEquals)));
    return json(200, QJsonDocument(answer));
}

HttpReply Service::takeEvents(const QJsonObject &body, const std::string &language) const
{
    const QByteArray mailbox = QByteArray::fromHex(
            body.value(QLatin1String("mailbox")).toString().toLatin1());
    const auto proof = QByteArray::fromBase64Encoding(
            body.value(QLatin1String("proof")).toString().toLatin1(),
            QByteArray::Base64UrlEncoding | QByteArray::AbortOnBase64DecodingErrors);
    const QJsonValue acknowledged = body.value(QLatin1String("acknowledged"));
    QList<qint64> ids;
    bool readable = mailbox.size() == 16 && proof && proof.decoded.size() == 32
                    && (acknowledged.isUndefined() || acknowledged.isArray())
                    && acknowledged.toArray().size() <= 1000;
    for (const QJsonValue &id : acknowledged.toArray()) {
        readable = readable && id.isDouble();
        ids.append(id.toInteger());
    }
    if (!readable)
        return refusal(400, unreadable, language);
    switch (m_store->proofMatches(mailbox, UnsubscribeToken::proofHash(*proof))) {
    case UnsubscribeStore::Found::Failed:
        return refusal(503, storeDown, language);
    case UnsubscribeStore::Found::No: {
        // Said with the service's token: only this answer, never a proxy's
        // or a portal's refusal, may make the program give up its mailbox.
        HttpReply reply = refusal(403, wrongMailbox, language);
        reply.headers.emplace_back("Authorization", std::string("Bearer ") + responseToken);
        return reply;
    }
    case UnsubscribeStore::Found::Yes:
        break;
    }
    const auto events = m_store->takeEvents(mailbox, ids, 1000, QDateTime::currentMSecsSinceEpoch());
    if (!events)
        return refusal(503, storeDown, language);
    QJsonArray list;
    for (const UnsubscribeStore::Event &event : *events) {
        QJsonObject item;
        item.insert(QLatin1String("id"), event.id);
        item.insert(QLatin1String("address"), event.address);
        item.insert(QLatin1String("run"), event.run);
        item.insert(QLatin1String("at"), event.at);
        list.append(item);
    }
    QJsonObject answer;
    answer.insert(QLatin1String("events"), list);
    return json(200, QJsonDocument(answer));
}

HttpReply Service::unsubscribe(const HttpRequest &request, const std::string &token) const
{
    // A mail provider's one-click POSTs come from a few shared addresses and
    // are not tried again: a POST with a good token is never held back. Pages
    // (link scanners fetch them) and tokens that do not open are counted.
    const auto tooMany = [this, &request] {
        int retryAfter = 0;
        if (m_unsubscribeLimiter.take(clientOf(request), &retryAfter))
            return std::optional<HttpReply>();
        HttpReply reply = plainPage(429, "Too many requests",
                                    "<p>Please try again in a moment.</p>");
        reply.headers.emplace_back("Retry-After", std::to_string(retryAfter));
        return std::optional<HttpReply>(reply);
    };
    if (request.method != "POST") {
        if (auto refused = tooMany())
            return *refused;
    }
    HttpReply reply;
    reply.headers.emplace_back("Cache-Control", "no-store");
    reply.headers.emplace_back("Referrer-Policy", "no-referrer");
    const QString text = QString::fromStdString(token);
    const QByteArray mailbox = UnsubscribeToken::mailboxOf(text);
    QByteArray key;
    const UnsubscribeStore::Found found = mailbox.isEmpty() ? UnsubscribeStore::Found::No
                                                            : m_store->sealKey(mailbox, &key);
    // The store not answering is no verdict on the link: try again later.
    if (found == UnsubscribeStore::Found::Failed) {
        reply.status = 503;
        reply.headers.emplace_back("Retry-After", "60");
        return reply;
    }
    const auto content = found == UnsubscribeStore::Found::Yes ? UnsubscribeToken::open(text, key)
                                                               : std::nullopt;
    if (!content) {
        if (request.method == "POST") {
            if (auto refused = tooMany())
                return *refused;
        }
        reply.status = 404;
        reply.contentType = htmlType;
        reply.body
                = "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Parvane</title>"
                  "</head><body><p>This unsubscribe link is not valid.</p>"
                  "<p lang=\"fr\">Ce lien de désabonnement n’est pas valide.</p></body></html>\n";
        return reply;
    }
    const bool french = content->language == QLatin1String("fr");
    const auto page = [french](const char *title, const std::string &inner) {
        const std::string heading = TemplateCatalogue::escapeHtml(title);
        return std::string("<!DOCTYPE html>\n<html lang=\"") + (french ? "fr" : "en")
               + "\"><head><meta charset=\"utf-8\"><meta name=\"viewport\" "
                 "content=\"width=device-width\"><title>"
               + heading
               + "</title></head>\n<body style=\"font:16px sans-serif;max-width:30em;"
                 "margin:3em auto;padding:0 1em\">\n<h1>"
               + heading + "</h1>\n" + inner + "\n</body></html>\n";
    };
    reply.contentType = htmlType;
    reply.headers.push_back(pagePolicy);
    if (request.method == "POST") {
        // One click from the mail provider or the page's button: done at once,
        // with no cookie and nothing more to confirm.
        if (!m_store->addEvent(mailbox, content->address, content->run,
                               QDateTime::currentMSecsSinceEpoch())) {
            reply.status = 503;
            reply.headers.emplace_back("Retry-After", "60");
            return reply;
        }
        if (UrlPath::queryValue("?" + request.body, "from").value_or("") != "page") {
            reply.contentType.clear();
            reply.headers.pop_back();
            return reply;
        }
        reply.body = french ? page("Vous êtes désabonné",
                                   "<p>Vous ne recevrez plus de messages de cet expéditeur.</p>")
                            : page("You are unsubscribed",
                                   "<p>You will receive no more messages from this sender.</p>");
        return reply;
    }
    if (request.method != "GET" && request.method != "HEAD") {
        reply.status = 405;
        reply.headers.emplace_back("Allow", "GET, HEAD, POST");
        return reply;
    }
    // A link scanner fetches with GET: the page only offers the button.
    const std::string form = std::string("<form method=\"post\">"
                                         "<input type=\"hidden\" name=\"List-Unsubscribe\" "
                                         "value=\"One-Click\"><input type=\"hidden\" "
                                         "name=\"from\" value=\"page\">")
                             + "<button type=\"submit\" style=\"font-size:1em;padding:.5em 1em\">"
                             + (french ? "Me désabonner" : "Unsubscribe") + "</button></form>";
    reply.body = french ? page("Se désabonner",
                               "<p>Voulez-vous ne plus recevoir de messages de cet "
                               "expéditeur&nbsp;?</p>\n"
                                       + form)
                        : page("Unsubscribe",
                               "<p>Do you want to stop receiving messages from this sender?</p>\n"
                                       + form);
    return reply;
}

HttpReply Service::page(const HttpRequest &request, const std::vector<std::string> &segments) const
{
    const std::string &first = segments[0];
    if (segments.size() == 1 && first.empty())
        return plainPage(200, "Parvane web service",
                         "<p>This service answers the Parvane application.</p>"
                         "<p><a href=\"download?os=windows\">Download Parvane</a></p>");
    if (segments.size() == 1 && first == "health") {
        HttpReply reply;
        reply.contentType = "text/plain; charset=utf-8";
        reply.body = "ok\n";
        reply.headers.emplace_back("Cache-Control", "no-store");
        return reply;
    }
    if (segments.size() == 1 && first == "download")
        return downloadPage(request.target);
    if (first == "templates" && segments.size() >= 2)
        return templateFile(segments, request.target);
    if (first == "corpus" && segments.size() >= 2)
        return corpusPage(segments);
    return notFound();
}

HttpReply Service::templateFile(const std::vector<std::string> &segments,
                                const std::string &target) const
{
    const TemplateEntry *entry = m_templates.find(segments[1]);
    if (!entry)
        return notFound();
    if (segments.size() == 2) {
        // Relative image addresses resolve only against the folder's address.
        std::string query = target.substr(std::min(target.find('?'), target.size()));
        if (std::any_of(query.begin(), query.end(),
                        [](unsigned char c) { return c < 0x21 || c == 0x7f; }))
            query.clear();
        HttpReply reply;
        reply.status = 301;
        reply.headers.emplace_back("Location", UrlPath::encodeSegment(entry->slug) + "/" + query);
        return reply;
    }
    const std::string &name = segments[2];
    if (segments.size() == 3 && name.empty()) {
        const bool preview = UrlPath::queryValue(target, "preview").value_or("") == "true";
        const std::string language = UrlPath::queryValue(target, "lang").value_or("en");
        HttpReply reply = html(200, preview ? entry->html
                                            : TemplateCatalogue::pageWithBar(*entry, language));
        reply.headers.emplace_back("Cache-Control", "public, max-age=300");
        return reply;
    }
    if (segments.size() == 3 && name == "preview.png")
        return file("image/png", entry->preview);
    if (segments.size() == 3 && name == "download") {
        HttpReply reply = file("application/zip", entry->archive);
        reply.headers.emplace_back("Content-Disposition",
                                   "attachment; filename=\"" + entry->slug + ".zip\"");
        return reply;
    }
    if (segments.size() == 4 && name == "images") {
        const auto image = entry->images.find(segments[3]);
        if (image != entry->images.end())
            return file(TemplateCatalogue::imageType(image->first), image->second);
    }
    return notFound();
}

HttpReply Service::corpusPage(const std::vector<std::string> &segments) const
{
    std::string path;
    for (std::size_t i = 1; i < segments.size(); ++i)
        path += (i > 1 ? "/" : "") + segments[i];
    // Read again from the folder, as it is now: a page turned into a link or
    // grown past the bound since start is not served.
    std::string content;
    if (!m_corpus.read(path, &content))
        return notFound();
    return html(200, content);
}

HttpReply Service::downloadPage(const std::string &target) const
{
    const std::string os = UrlPath::queryValue(target, "os").value_or("");
    if (os != "windows")
        return plainPage(404, "Download Parvane",
                         "<p>Parvane is offered for Windows only: "
                         "<a href=\"download?os=windows\">download it for Windows</a>.</p>");
    const std::string version = TemplateCatalogue::escapeHtml(m_config.version);
    std::string content = "<p>The latest version of Parvane is " + version + ".</p>\n";
    if (m_config.windowsDownloadUrl.empty())
        content += "<p>The Windows installer is not published yet.</p>";
    else
        content += "<p><a href=\"" + TemplateCatalogue::escapeHtml(m_config.windowsDownloadUrl)
                   + "\">Download Parvane " + version + " for Windows</a></p>";
    return plainPage(200, "Download Parvane " + m_config.version, content);
}
