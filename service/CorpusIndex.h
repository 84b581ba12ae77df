#pragma once

#include <QHash>
#include <QString>

#include <string>
#include <vector>

// The local search back end: a folder of web pages, read once at start and
// searched in memory. A page is found for a domain when its source holds
// "@domain" (where the application will find addresses), for a language and
// a country when it declares the same ones or none (<html lang>, and
// <meta name="geo.country"> or the region of <meta name="geo.region">), and
// holds at least one word of the terms (of three letters or more, unless
// there are none); it ranks by how many of them it holds, then how often.
class CorpusIndex
{
public:
    struct Query
    {
        std::string terms;
        std::string domain;   // with or without its leading "@"
        std::string country;  // two letters
        std::string language; // ISO 639-1
    };

    void load(const std::string &folder, std::vector<std::string> *warnings);
    std::size_t size() const { return m_pages.size(); }

    // Paths (relative to the folder, "/"-separated) of the results from
    // position start (counted from 1), at most count of them.
    std::vector<std::string> search(const Query &query, int start, int count) const;

    // The largest page indexed or served.
    static constexpr std::size_t maxPageBytes = 2 * 1024 * 1024;

    // The source of an indexed page as the folder holds it now; false when
    // the path is not one of the index (only those are ever served), or the
    // file is no longer a regular file inside the folder, reached without
    // following a symbolic link, of at most maxPageBytes.
    bool read(const std::string &relativePath, std::string *content) const;

    // Words for matching: letters and digits, case and accents folded.
    static std::vector<QString> words(const QString &text);

private:
    static bool readBeneath(const std::string &root, const std::string &relativePath,
                            std::string *content);

    struct Page
    {
        std::string path;
        std::string source; // lower case, for "@domain"
        QString language;
        QString country;
        QHash<QString, int> words;
    };
    std::string m_root;
    std::vector<Page> m_pages;
    QHash<QString, std::size_t> m_byPath;
};
