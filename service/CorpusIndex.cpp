#include "CorpusIndex.h"

#include <libxml/HTMLparser.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <iterator>

namespace fs = std::filesystem;

namespace {

// Opens a "/"-separated path below root one name at a time, never following
// a symbolic link, so that what is opened lies inside root whatever was
// swapped in since; -1 when it cannot.
int openBeneath(const std::string &root, const std::string &relativePath)
{
    int dir = open(root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    std::size_t from = 0;
    while (dir >= 0) {
        const std::size_t to = relativePath.find('/', from);
        const bool last = to == std::string::npos;
        const std::string name = relativePath.substr(from, last ? std::string::npos : to - from);
        int next = -1;
        if (!name.empty() && name != "." && name != "..")
            // Non-blocking, so that a named pipe put there cannot hold the thread.
            next = openat(dir, name.c_str(),
                          O_RDONLY | O_NOFOLLOW | O_CLOEXEC | (last ? O_NONBLOCK : O_DIRECTORY));
        close(dir);
        if (last || next < 0)
            return next;
        dir = next;
        from = to + 1;
    }
    return -1;
}

QString attribute(xmlNode *node, const char *name)
{
    xmlChar *value = xmlGetProp(node, reinterpret_cast<const xmlChar *>(name));
    if (!value)
        return {};
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(value)).trimmed();
    xmlFree(value);
    return text;
}

bool named(xmlNode *node, const char *name)
{
    return node->type == XML_ELEMENT_NODE
           && xmlStrcasecmp(node->name, reinterpret_cast<const xmlChar *>(name)) == 0;
}

// Visible text, language and country of a parsed page.
void walk(xmlNode *node, QString *text, QString *language, QString *country)
{
    for (; node; node = node->next) {
        if (node->type == XML_TEXT_NODE && node->content) {
            *text += QString::fromUtf8(reinterpret_cast<const char *>(node->content));
            *text += QLatin1Char(' ');
        }
        if (named(node, "script") || named(node, "style"))
            continue;
        if (named(node, "html") && language->isEmpty())
            *language = attribute(node, "lang");
        if (named(node, "meta")) {
            const QString name = attribute(node, "name").toLower();
            const QString content = attribute(node, "content");
            if (name == QLatin1String("geo.country"))
                *country = content.left(2);
            else if (name == QLatin1String("geo.region") && country->isEmpty())
                *country = content.left(2);
        }
        walk(node->children, text, language, country);
    }
}

} // namespace

std::vector<QString> CorpusIndex::words(const QString &text)
{
    std::vector<QString> out;
    QString current;
    const QString folded = text.normalized(QString::NormalizationForm_KD).toCaseFolded();
    for (const QChar c : folded) {
        if (c.isLetterOrNumber()) {
            current += c;
        } else if (c.isMark()) {
            continue; // accents, once separated from their letters
        } else if (!current.isEmpty()) {
            out.push_back(current);
            current.clear();
        }
    }
    if (!current.isEmpty())
        out.push_back(current);
    return out;
}

bool CorpusIndex::readBeneath(const std::string &root, const std::string &relativePath,
                              std::string *content)
{
    const int fd = openBeneath(root, relativePath);
    if (fd < 0)
        return false;
    struct stat status;
    bool ok = fstat(fd, &status) == 0 && S_ISREG(status.st_mode)
              && std::uintmax_t(status.st_size) <= maxPageBytes;
    content->clear();
    // The size read, not the size announced, is what the bound holds to: a
    // file may grow while it is read.
    char chunk[65536];
    while (ok) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got == 0)
            break;
        if (got < 0 && errno == EINTR)
            continue;
        ok = got > 0 && content->size() + std::size_t(got) <= maxPageBytes;
        if (ok)
            content->append(chunk, std::size_t(got));
    }
    close(fd);
    return ok;
}

bool CorpusIndex::read(const std::string &relativePath, std::string *content) const
{
    return m_byPath.contains(QString::fromStdString(relativePath))
           && readBeneath(m_root, relativePath, content);
}

void CorpusIndex::load(const std::string &folder, std::vector<std::string> *warnings)
{
    m_pages.clear();
    m_byPath.clear();
    std::error_code ec;
    const fs::path root = fs::weakly_canonical(folder, ec);
    m_root = root.string();
    std::vector<fs::path> files;
    // Symbolic links are not followed, so every page lies inside the folder.
    for (auto it = fs::recursive_directory_iterator(root, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        if (it->is_symlink(ec) || !it->is_regular_file(ec))
            continue;
        const std::string extension = it->path().extension().string();
        if (extension == ".html" || extension == ".htm")
            files.push_back(it->path());
    }
    if (ec)
        warnings->push_back("corpus folder not fully readable: " + folder);
    std::sort(files.begin(), files.end());

    for (const fs::path &file : files) {
        Page page;
        page.path = fs::relative(file, root).generic_string();
        std::string source;
        if (!readBeneath(m_root, page.path, &source)) {
            warnings->push_back("corpus page too large or unreadable: " + file.string());
            continue;
        }
        page.source = source;
        std::transform(page.source.begin(), page.source.end(), page.source.begin(),
                       [](unsigned char c) { return char(std::tolower(c)); });
        htmlDocPtr document = htmlReadMemory(source.data(), int(source.size()), nullptr, "UTF-8",
                                             HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING
                                                     | HTML_PARSE_NONET | HTML_PARSE_RECOVER);
        QString text;
        if (document) {
            walk(xmlDocGetRootElement(document), &text, &page.language, &page.country);
            xmlFreeDoc(document);
        }
        page.language = page.language.section(QLatin1Char('-'), 0, 0)
                                .section(QLatin1Char('_'), 0, 0)
                                .toLower();
        page.country = page.country.toUpper();
        for (const QString &word : words(text))
            ++page.words[word];
        m_byPath.insert(QString::fromStdString(page.path), m_pages.size());
        m_pages.push_back(std::move(page));
    }
}

std::vector<std::string> CorpusIndex::search(const Query &query, int start, int count) const
{
    std::string domain = query.domain;
    if (!domain.empty() && domain[0] == '@')
        domain.erase(0, 1);
    std::transform(domain.begin(), domain.end(), domain.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    if (domain.empty())
        return {};
    const std::string needle = "@" + domain;
    const QString language = QString::fromStdString(query.language).toLower();
    const QString country = QString::fromStdString(query.country).toUpper();
    std::vector<QString> terms = words(QString::fromStdString(query.terms));
    // Words of one or two letters ("de", "la", "of") would match nearly every
    // page: they count only when the terms are made of nothing else.
    std::vector<QString> longer;
    std::copy_if(terms.begin(), terms.end(), std::back_inserter(longer),
                 [](const QString &word) { return word.size() >= 3; });
    if (!longer.empty())
        terms = std::move(longer);
    std::sort(terms.begin(), terms.end());
    terms.erase(std::unique(terms.begin(), terms.end()), terms.end());

    struct Hit
    {
        int distinct;
        int occurrences;
        std::size_t index;
    };
    std::vector<Hit> hits;
    for (std::size_t i = 0; i < m_pages.size(); ++i) {
        const Page &page = m_pages[i];
        if (!page.language.isEmpty() && !language.isEmpty() && page.language != language)
            continue;
        if (!page.country.isEmpty() && !country.isEmpty() && page.country != country)
            continue;
        // The address must end there: "@example.com" is not "@example.community".
        bool holds = false;
        for (std::size_t at = page.source.find(needle); at != std::string::npos;
             at = page.source.find(needle, at + 1)) {
            const std::size_t after = at + needle.size();
            const char next = after < page.source.size() ? page.source[after] : ' ';
            if (!std::isalnum(static_cast<unsigned char>(next)) && next != '-'
                && !(next == '.' && after + 1 < page.source.size()
                     && std::isalnum(static_cast<unsigned char>(page.source[after + 1])))) {
                holds = true;
                break;
            }
        }
        if (!holds)
            continue;
        Hit hit{0, 0, i};
        for (const QString &term : terms) {
            const int n = page.words.value(term);
            hit.distinct += n > 0;
            hit.occurrences += n;
        }
        if (!terms.empty() && hit.distinct == 0)
            continue;
        hits.push_back(hit);
    }
    std::stable_sort(hits.begin(), hits.end(), [](const Hit &a, const Hit &b) {
        return a.distinct != b.distinct ? a.distinct > b.distinct : a.occurrences > b.occurrences;
    });
    std::vector<std::string> out;
    for (int i = start - 1; i >= 0 && i < int(hits.size()) && int(out.size()) < count; ++i)
        out.push_back(m_pages[hits[i].index].path);
    return out;
}
