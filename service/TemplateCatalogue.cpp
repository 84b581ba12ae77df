#include "TemplateCatalogue.h"

#include "ZipWriter.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gumbo.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

constexpr std::uintmax_t maxFileBytes = 16 * 1024 * 1024;

bool isRegularFile(const fs::path &path)
{
    std::error_code ec;
    return fs::symlink_status(path, ec).type() == fs::file_type::regular;
}

bool readFile(const fs::path &path, std::string *out)
{
    std::error_code ec;
    if (!isRegularFile(path) || fs::file_size(path, ec) > maxFileBytes || ec)
        return false;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    *out = buffer.str();
    return true;
}

// Folder and file names that need no escaping anywhere they appear: in a
// URL, in an archive, in a log line.
bool plainName(const std::string &name, bool upperCase)
{
    if (name.empty() || name.size() > 100 || name[0] == '.' || name[0] == '-')
        return false;
    return std::all_of(name.begin(), name.end(), [upperCase](char c) {
        return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_' || c == '.'
               || (upperCase && c >= 'A' && c <= 'Z');
    });
}

bool looksLikeImage(const std::string &type, const std::string &data)
{
    if (type == "image/png")
        return data.rfind("\x89PNG\r\n\x1a\n", 0) == 0;
    if (type == "image/jpeg")
        return data.size() > 3 && data.compare(0, 3, "\xff\xd8\xff") == 0;
    return false;
}

// Byte offset just after the template's own <body ...> tag, or npos when it
// has none (the parser then made the body up).
std::size_t afterBodyTag(const std::string &html)
{
    GumboOutput *output = gumbo_parse_with_options(&kGumboDefaultOptions, html.data(), html.size());
    std::size_t at = std::string::npos;
    const GumboNode *root = output->root;
    for (unsigned i = 0; root->type == GUMBO_NODE_ELEMENT && i < root->v.element.children.length;
         ++i) {
        const auto *child = static_cast<const GumboNode *>(root->v.element.children.data[i]);
        if (child->type == GUMBO_NODE_ELEMENT && child->v.element.tag == GUMBO_TAG_BODY
            && child->v.element.original_tag.length > 0) {
            at = child->v.element.start_pos.offset + child->v.element.original_tag.length;
            break;
        }
    }
    gumbo_destroy_output(&kGumboDefaultOptions, output);
    return at;
}

// The non-empty strings of a JSON array of names.
std::vector<std::string> names(const QJsonValue &value)
{
    std::vector<std::string> result;
    for (const QJsonValue &name : value.toArray()) {
        if (name.isString() && !name.toString().isEmpty())
            result.push_back(name.toString().toStdString());
    }
    return result;
}

} // namespace

std::string TemplateCatalogue::escapeHtml(const std::string &text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&#39;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string TemplateCatalogue::imageType(const std::string &name)
{
    std::string extension = fs::path(name).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    if (extension == ".png")
        return "image/png";
    if (extension == ".jpg" || extension == ".jpeg")
        return "image/jpeg";
    return {};
}

void TemplateCatalogue::load(const std::string &folder, std::vector<std::string> *warnings)
{
    m_entries.clear();
    std::error_code ec;
    std::vector<fs::path> folders;
    for (const auto &item : fs::directory_iterator(folder, ec)) {
        if (item.is_symlink(ec) || !item.is_directory(ec))
            continue;
        folders.push_back(item.path());
    }
    if (ec)
        warnings->push_back("templates folder not readable: " + folder);
    std::sort(folders.begin(), folders.end());

    for (const fs::path &dir : folders) {
        TemplateEntry entry;
        entry.slug = dir.filename().string();
        const auto skip = [&](const std::string &why) {
            warnings->push_back("template " + entry.slug + " left out: " + why);
        };
        if (!plainName(entry.slug, false)) {
            if (entry.slug[0] != '.')
                skip("folder name is not a plain name");
            continue;
        }
        std::string meta;
        if (!readFile(dir / "template.html", &entry.html)) {
            skip("no template.html");
            continue;
        }
        if (!readFile(dir / "preview.png", &entry.preview)
            || !looksLikeImage("image/png", entry.preview)) {
            skip("no preview.png");
            continue;
        }
        if (!readFile(dir / "meta.json", &meta)) {
            skip("no meta.json");
            continue;
        }
        const QJsonObject json = QJsonDocument::fromJson(QByteArray::fromStdString(meta)).object();
        entry.title = json.value(QLatin1String("title")).toString().toStdString();
        entry.categories = names(json.value(QLatin1String("categories")));
        entry.titleFr = json.value(QLatin1String("title_fr")).toString().toStdString();
        entry.categoriesFr = names(json.value(QLatin1String("categories_fr")));
        if (entry.title.empty()) {
            skip("meta.json has no title");
            continue;
        }
        const fs::path images = dir / "images";
        if (fs::symlink_status(images, ec).type() == fs::file_type::directory) {
            for (const auto &item : fs::directory_iterator(images, ec)) {
                const std::string name = item.path().filename().string();
                const std::string type = imageType(name);
                std::string data;
                if (type.empty() || !plainName(name, true) || !readFile(item.path(), &data)
                    || !looksLikeImage(type, data)) {
                    skip("image " + name + " ignored (not a PNG or JPEG file with a plain name)");
                    continue;
                }
                entry.images.emplace(name, std::move(data));
            }
        }
        ZipWriter zip;
        zip.add(entry.slug + "/", {});
        zip.add(entry.slug + "/template.html", entry.html);
        zip.add(entry.slug + "/images/", {});
        for (const auto &[name, data] : entry.images)
            zip.add(entry.slug + "/images/" + name, data);
        entry.archive = zip.finish();
        m_entries.push_back(std::move(entry));
    }
}

const std::string &TemplateEntry::titleIn(const std::string &language) const
{
    return language == "fr" && !titleFr.empty() ? titleFr : title;
}

const std::vector<std::string> &TemplateEntry::categoriesIn(const std::string &language) const
{
    return language == "fr" && !categoriesFr.empty() ? categoriesFr : categories;
}

const TemplateEntry *TemplateCatalogue::find(const std::string &slug) const
{
    const auto it = std::lower_bound(m_entries.begin(), m_entries.end(), slug,
                                     [](const TemplateEntry &e, const std::string &s) {
                                         return e.slug < s;
                                     });
    return it != m_entries.end() && it->slug == slug ? &*it : nullptr;
}

std::string TemplateCatalogue::pageWithBar(const TemplateEntry &entry, const std::string &language)
{
    const bool french = language == "fr";
    const std::string bar
            = "<div style=\"all:initial;display:flex;align-items:center;gap:16px;padding:10px 16px;"
              "background:#1f2937;color:#ffffff;font:15px sans-serif\">"
              "<span style=\"flex:1;color:#ffffff;font:bold 15px sans-serif\">"
              + escapeHtml(entry.titleIn(language)) + "</span><a href=\"download\" download=\""
              + escapeHtml(entry.slug)
              + ".zip\" style=\"color:#ffffff;background:#2563eb;padding:6px "
                "14px;border-radius:4px;"
                "text-decoration:none;font:15px sans-serif\">"
              + (french ? "Télécharger" : "Download") + "</a></div>";
    std::string page = entry.html;
    const std::size_t at = afterBodyTag(page);
    if (at == std::string::npos)
        return bar + page;
    return page.insert(at, bar);
}
