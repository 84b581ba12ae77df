#pragma once

#include <map>
#include <string>
#include <vector>

// One template of the catalogue, read whole at start: its folder holds
// template.html, images/ (PNG or JPEG), meta.json and preview.png.
struct TemplateEntry
{
    std::string slug;
    std::string title;
    std::vector<std::string> categories;
    // The French title and categories, empty when the folder has none.
    std::string titleFr;
    std::vector<std::string> categoriesFr;
    std::string html;
    std::map<std::string, std::string> images; // file name -> content
    std::string preview;
    std::string archive; // <slug>/template.html and <slug>/images/..., zipped

    // In a request's language ("fr" or else English), English when the
    // folder has no French.
    const std::string &titleIn(const std::string &language) const;
    const std::vector<std::string> &categoriesIn(const std::string &language) const;
};

// The templates folder, read once at start. Only regular files directly in
// the places named above are taken: no symbolic link is followed, so nothing
// outside the folder can be served through it.
class TemplateCatalogue
{
public:
    // Folders that are not a complete template are left out, each with a
    // line in *warnings.
    void load(const std::string &folder, std::vector<std::string> *warnings);

    const std::vector<TemplateEntry> &entries() const { return m_entries; }
    const TemplateEntry *find(const std::string &slug) const;

    // The page a browser shows: the template with a bar on top holding its
    // title and a link to the download, in English or French.
    static std::string pageWithBar(const TemplateEntry &entry, const std::string &language);
    static std::string escapeHtml(const std::string &text);
    static std::string imageType(const std::string &name);

private:
    std::vector<TemplateEntry> m_entries;
};
