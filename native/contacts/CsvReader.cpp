#include "contacts/CsvReader.h"

#include <QHash>
#include <QRegularExpression>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

// A header as compared: lower case, accents dropped, every run of other
// signs one space ("E-mail 1 - Value" -> "e mail 1 value").
QString normalizedHeader(const QString &header)
{
    const QString decomposed = header.normalized(QString::NormalizationForm_KD).toLower();
    QString result;
    result.reserve(decomposed.size());
    bool space = false;
    for (const QChar c : decomposed) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        if (c.isLetterOrNumber()) {
            if (space && !result.isEmpty())
                result += u' ';
            space = false;
            result += c;
        } else {
            space = true;
        }
    }
    return result;
}

const QHash<QString, int> &knownHeaders()
{
    static const QHash<QString, int> headers = [] {
        QHash<QString, int> h;
        const auto add = [&h](int field, std::initializer_list<const char *> names) {
            for (const char *name : names)
                h.insert(QString::fromUtf8(name), field);
        };
        add(VCardReader::FirstName, {"first name", "firstname", "given name", "prenom", "forename"});
        add(VCardReader::LastName,
            {"last name", "lastname", "family name", "surname", "nom", "nom de famille"});
        add(VCardReader::FullName, {"name", "full name", "fullname", "display name", "nom complet",
                                    "nom d affichage", "nom et prenom"});
        add(VCardReader::Telephone,
            {"mobile", "mobile phone", "business phone", "home phone", "primary phone",
             "telephone mobile", "telephone bureau", "telephone domicile", "telephone principal",
             "portable", "gsm", "cell", "cell phone"});
        add(VCardReader::Company, {"company", "company name", "societe", "entreprise",
                                   "organization name", "organisation name", "nom de l entreprise"});
        add(VCardReader::Occupation,
            {"job title", "occupation", "organization title", "organisation title", "job",
             "fonction", "poste", "profession", "metier"});
        add(VCardReader::OtherEmails, {"otheremails", "other emails", "other e mails"});
        return h;
    }();
    return headers;
}

struct HeaderPattern
{
    QRegularExpression pattern;
    int field;
};

// Headers that carry a number ("E-mail 2 Address", "Phone 1 - Value"); the
// label and type columns beside them ("E-mail 1 - Label") match none.
const QList<HeaderPattern> &headerPatterns()
{
    static const QList<HeaderPattern> patterns = {
            {QRegularExpression(u"^(e ?mail|mail|courriel|adresse de messagerie|adresse e ?mail|"
                                "adresse mail)( \\d+)?( value| address| adresse)?$"_s),
             VCardReader::Email},
            {QRegularExpression(u"^(phone|telephone|tel)( \\d+)?( value| number)?$"_s),
             VCardReader::Telephone},
            {QRegularExpression(u"^(website|web site|site|site web|site internet|web page|"
                                "page web|url)( \\d+)?( value)?$"_s),
             VCardReader::Website},
            {QRegularExpression(u"^organi[sz]ation( \\d+)?( name)?$"_s), VCardReader::Company},
            {QRegularExpression(u"^organi[sz]ation( \\d+)? title$"_s), VCardReader::Occupation},
    };
    return patterns;
}

// The bytes 0x80 to 0x9f of Windows-1252; the five it leaves undefined keep
// their own value, as browsers read them.
constexpr char16_t windows1252High[32] = {0x20ac, 0x0081, 0x201a, 0x0192, 0x201e, 0x2026, 0x2020,
                                          0x2021, 0x02c6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008d,
                                          0x017d, 0x008f, 0x0090, 0x2018, 0x2019, 0x201c, 0x201d,
                                          0x2022, 0x2013, 0x2014, 0x02dc, 0x2122, 0x0161, 0x203a,
                                          0x0153, 0x009d, 0x017e, 0x0178};

bool isNameField(int field)
{
    return field == VCardReader::LastName || field == VCardReader::FirstName
           || field == VCardReader::FullName;
}

} // namespace

void CsvReader::setMapping(const QList<int> &mapping)
{
    m_mapping = mapping;
    m_mappingGiven = true;
}

QString CsvReader::encoding() const
{
    return m_sawWindows1252 ? u"Windows-1252"_s : u"UTF-8"_s;
}

char CsvReader::detectDelimiter(QByteArrayView line)
{
    int commas = 0, semicolons = 0, tabs = 0;
    bool quoted = false;
    for (const char c : line) {
        if (c == '"')
            quoted = !quoted;
        else if (quoted)
            continue;
        else if (c == ',')
            ++commas;
        else if (c == ';')
            ++semicolons;
        else if (c == '\t')
            ++tabs;
    }
    if (semicolons > commas && semicolons >= tabs)
        return ';';
    if (tabs > commas && tabs > semicolons)
        return '\t';
    return ',';
}

int CsvReader::fieldForHeader(const QString &header)
{
    const QString name = normalizedHeader(header);
    if (name.isEmpty())
        return NotImported;
    const auto known = knownHeaders().constFind(name);
    if (known != knownHeaders().cend())
        return *known;
    for (const HeaderPattern &p : headerPatterns()) {
        if (p.pattern.match(name).hasMatch())
            return p.field;
    }
    return NotImported;
}

QList<int> CsvReader::proposeMapping(const QStringList &headers)
{
    QList<int> mapping;
    mapping.reserve(headers.size());
    for (const QString &header : headers)
        mapping.append(fieldForHeader(header));
    return mapping;
}

QString CsvReader::fromWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        *out++ = QChar(byte >= 0x80 && byte < 0xa0 ? windows1252High[byte - 0x80] : byte);
    }
    return text;
}

void CsvReader::addBytes(QByteArrayView line)
{
    if (m_firstLine && line.startsWith("\xEF\xBB\xBF")) {
        m_bom = true;
        line = line.sliced(3);
    }
    if (line.endsWith('\r'))
        line.chop(1);
    // Blank lines between records are no rows; inside quotes they belong to
    // the field.
    if (line.isEmpty() && !m_recordOpen) {
        m_firstLine = false;
        return;
    }
    m_firstLine = false;
    if (!m_headerRead && !m_recordOpen)
        m_delimiter = detectDelimiter(line);
    parseLine(line);
}

void CsvReader::parseLine(QByteArrayView line)
{
    if (m_recordOpen)
        m_field += '\n'; // a line break inside a quoted field
    m_recordOpen = true;
    const char delimiter = m_delimiter;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (m_inQuotes) {
            if (c != '"') {
                m_field += c;
            } else if (i + 1 < line.size() && line[i + 1] == '"') {
                m_field += '"';
                ++i;
            } else {
                m_inQuotes = false;
            }
        } else if (c == delimiter) {
            m_fields.append(m_field);
            m_field.clear();
            m_fieldQuoted = false;
        } else if (c == '"' && m_field.isEmpty() && !m_fieldQuoted) {
            m_inQuotes = true;
            m_fieldQuoted = true;
        } else {
            // Text after a closing quote, or a quote inside an unquoted
            // field, is kept as it stands rather than lost.
            m_field += c;
        }
    }
    if (!m_inQuotes)
        endRecord();
}

void CsvReader::finish()
{
    if (m_recordOpen) {
        m_inQuotes = false;
        endRecord();
    }
}

void CsvReader::endRecord()
{
    m_fields.append(m_field);
    m_field.clear();
    m_fieldQuoted = false;
    m_recordOpen = false;
    const bool utf8 = std::all_of(m_fields.cbegin(), m_fields.cend(), [](const QByteArray &f) {
        return QByteArrayView(f).isValidUtf8();
    });
    if (!utf8)
        m_sawWindows1252 = true;
    QStringList values;
    values.reserve(m_fields.size());
    for (const QByteArray &f : std::as_const(m_fields))
        values.append(utf8 ? QString::fromUtf8(f) : fromWindows1252(f));
    m_fields.clear();

    if (!m_headerRead) {
        m_headerRead = true;
        m_headers = values;
        if (!m_mappingGiven)
            m_mapping = proposeMapping(m_headers);
        return;
    }
    ++m_records;
    if (m_keptRows.size() < m_keepRows)
        m_keptRows.append(values);
    Card card = cardOf(values);
    if (std::any_of(card.cbegin(), card.cend(), [](const QString &v) { return !v.isEmpty(); }))
        m_cards.append(std::move(card));
}

CsvReader::Card CsvReader::cardOf(const QStringList &values) const
{
    Card card;
    QStringList otherEmails;
    const qsizetype columns = std::min(values.size(), m_mapping.size());
    for (qsizetype i = 0; i < columns; ++i) {
        const int field = m_mapping[i];
        const QString &value = values[i];
        if (field < 0 || field >= VCardReader::FieldCount || value.isEmpty())
            continue;
        QString &target = card[field];
        if (field == VCardReader::Email) {
            // The first address is the contact's; the others stay beside it.
            if (target.isEmpty())
                target = value;
            else
                otherEmails.append(value);
        } else if (field == VCardReader::OtherEmails) {
            otherEmails.append(value);
        } else if (target.isEmpty()) {
            target = value;
        } else {
            // Several columns for one field ("First Name", "Middle Name";
            // two phones) are all kept: names as a person writes them,
            // other values as a list.
            target += isNameField(field) ? u" "_s : u", "_s;
            target += value;
        }
    }
    card[VCardReader::OtherEmails] = otherEmails.join(u'\n');
    return card;
}

QList<CsvReader::Card> CsvReader::takeFinishedCards()
{
    return std::exchange(m_cards, {});
}
