#include "contacts/VCardReader.h"

#include <QStringDecoder>
#include <QVariantMap>

using namespace Qt::Literals::StringLiterals;

namespace {

// Position of the colon that ends the name part: the first one outside a
// quoted parameter value, or the first one at all when quotes do not close.
qsizetype nameEnd(QStringView line)
{
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == u'"')
            quoted = !quoted;
        else if (line[i] == u':' && !quoted)
            return i;
    }
    return line.indexOf(u':');
}

// The property name without group ("item1.EMAIL") or parameters
// ("EMAIL;TYPE=INTERNET"), in upper case. Matching the whole name keeps
// "TEL;type=MAIN" or "TITLE;LANGUAGE=en" from being taken for N.
QString propertyName(QStringView namePart)
{
    const qsizetype semicolon = namePart.indexOf(u';');
    QStringView name = semicolon >= 0 ? namePart.left(semicolon) : namePart;
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot >= 0)
        name = name.mid(dot + 1);
    return name.toString().toUpper();
}

struct Parameters
{
    bool quotedPrintable = false;
    QString charset;
    // How much the card prefers this value: 1 is most preferred, by a PREF
    // parameter (vCard 4) or a "pref" type (vCard 2.1 and 3); none is last.
    int preference = noPreference;
    static constexpr int noPreference = 101;
};

Parameters parameters(QStringView namePart)
{
    Parameters result;
    const QList<QStringView> pieces = namePart.split(u';');
    for (qsizetype i = 1; i < pieces.size(); ++i) {
        const QString piece = pieces[i].trimmed().toString().toUpper().remove(u'"');
        // vCard 2.1 allows the bare value as well as ENCODING=.
        if (piece == "ENCODING=QUOTED-PRINTABLE"_L1 || piece == "QUOTED-PRINTABLE"_L1) {
            result.quotedPrintable = true;
        } else if (piece.startsWith("CHARSET="_L1)) {
            result.charset = piece.mid(8);
        } else if (piece.startsWith("PREF="_L1)) {
            bool ok = false;
            const int rank = piece.mid(5).toInt(&ok);
            if (ok && rank >= 1 && rank < result.preference)
                result.preference = rank;
        } else if (piece == "PREF"_L1
                   || (piece.startsWith("TYPE="_L1)
                       && piece.mid(5).split(u',').contains("PREF"_L1))) {
            result.preference = 1;
        }
    }
    return result;
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

QString decodeCharset(const QByteArray &bytes, const QString &charset)
{
    if (charset.isEmpty() || charset == "UTF-8"_L1 || charset == "UTF8"_L1)
        return QString::fromUtf8(bytes);
    QStringDecoder decoder(charset.toLatin1().constData());
    if (decoder.isValid())
        return decoder.decode(bytes);
    // Western single-byte sets that this Qt may not know by name.
    if (charset.contains("8859-1"_L1) || charset.contains("1252"_L1) || charset.contains("LATIN"_L1))
        return QString::fromLatin1(bytes);
    return QString::fromUtf8(bytes);
}

// A value whose line was not UTF-8: raw 8-bit text, as older phones write it,
// in the set the card names. Without one, text that still holds UTF-8
// sequences is UTF-8 with a damaged byte; text with none is Latin-1, as
// Western address books without a charset write it.
QString decodeRaw(const QByteArray &bytes, const QString &charset)
{
    if (!charset.isEmpty())
        return decodeCharset(bytes, charset);
    const QString utf8 = QString::fromUtf8(bytes);
    const bool holdsUtf8 = std::any_of(utf8.cbegin(), utf8.cend(), [](QChar c) {
        return c.unicode() > 0x7f && c != QChar::ReplacementCharacter;
    });
    return holdsUtf8 ? utf8 : QString::fromLatin1(bytes);
}

// "=C3=89lise" to "Élise": =XX gives a byte, the bytes are text in the
// card's character set (UTF-8 when none is given). `undecodable`: the value
// holds raw bytes as one character each.
QString decodeQuotedPrintable(const QString &value, const QString &charset, bool undecodable)
{
    const QByteArray encoded = undecodable ? value.toLatin1() : value.toUtf8();
    QByteArray bytes;
    bytes.reserve(encoded.size());
    for (qsizetype i = 0; i < encoded.size(); ++i) {
        const char c = encoded[i];
        if (c == '=' && i + 2 < encoded.size() && hexValue(encoded[i + 1]) >= 0
            && hexValue(encoded[i + 2]) >= 0) {
            bytes += char(hexValue(encoded[i + 1]) * 16 + hexValue(encoded[i + 2]));
            i += 2;
        } else if (c == '=' && i == encoded.size() - 1) {
            // A soft line break left at the very end.
        } else {
            bytes += c;
        }
    }
    return decodeCharset(bytes, charset);
}

// Undoes the text escapes \\ \, \; \: and \n (or \N); any other backslash
// stays. Some address books escape the colon of a web address.
QString unescape(QStringView value)
{
    if (!value.contains(u'\\'))
        return value.toString();
    QString result;
    result.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == u'\\' && i + 1 < value.size()) {
            const QChar next = value[i + 1];
            if (next == u'\\' || next == u',' || next == u';' || next == u':') {
                result += next;
                ++i;
                continue;
            }
            if (next == u'n' || next == u'N') {
                result += u'\n';
                ++i;
                continue;
            }
        }
        result += c;
    }
    return result;
}

// The components of a structured value (N), split at the semicolons that
// are not escaped, each unescaped.
QStringList components(QStringView value)
{
    QStringList result;
    qsizetype start = 0;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] == u'\\') {
            ++i;
        } else if (value[i] == u';') {
            result.append(unescape(value.mid(start, i - start)));
            start = i + 1;
        }
    }
    result.append(unescape(value.mid(start)));
    return result;
}

// A company as a person writes it: the organisation's name and its units,
// empty components left out ("Nordisk Design AS;Grafikk" is
// "Nordisk Design AS, Grafikk").
QString organisation(QStringView value)
{
    QStringList parts = components(value);
    parts.removeIf([](const QString &part) { return part.isEmpty(); });
    return parts.join(", "_L1);
}

// A "tel:" or "mailto:" address reduced to the number or the address.
QString withoutScheme(const QString &value, QLatin1StringView scheme)
{
    if (!value.startsWith(scheme, Qt::CaseInsensitive))
        return value;
    QString rest = value.mid(scheme.size());
    // Parameters of the address ("tel:+1-555;ext=2") are not part of it.
    const qsizetype semicolon = rest.indexOf(u';');
    return semicolon >= 0 ? rest.left(semicolon) : rest;
}

// The card's frame lines, by property name: a value that merely holds the
// text "BEGIN:VCARD" is no frame line.
bool isFrameLine(QStringView line, QLatin1StringView property)
{
    const qsizetype colon = line.indexOf(u':');
    if (colon < 0)
        return false;
    QStringView name = line.left(colon).trimmed();
    if (name.startsWith(QChar(0xFEFF)))
        name = name.mid(1);
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot >= 0)
        name = name.mid(dot + 1);
    return name.compare(property, Qt::CaseInsensitive) == 0
           && (property == "VERSION"_L1
               || line.mid(colon + 1).trimmed().compare("VCARD"_L1, Qt::CaseInsensitive) == 0);
}

bool isQuotedPrintableLine(QStringView line)
{
    const qsizetype colon = nameEnd(line);
    return colon >= 0 && parameters(line.left(colon)).quotedPrintable;
}

} // namespace

const char *VCardReader::fieldName(int field)
{
    static const char *const names[FieldCount] = {"lastname",   "firstname", "fullname",
                                                  "telephone",  "email",     "company",
                                                  "occupation", "website",   "otheremails"};
    return names[field];
}

QString VCardReader::fullName(const QString &lastName, const QString &firstName)
{
    if (lastName.isEmpty() || firstName.isEmpty())
        return lastName + firstName;
    return lastName + u' ' + firstName;
}

QVariantMap VCardReader::toRecord(const Card &card)
{
    QVariantMap record;
    for (int i = 0; i < FieldCount; ++i)
        record.insert(QString::fromLatin1(fieldName(i)), card[i]);
    return record;
}

QVariantList VCardReader::parse(const QString &text)
{
    VCardReader reader;
    for (QStringView line : QStringView(text).split(u'\n'))
        reader.addLine(line);
    reader.finish();
    QVariantList records;
    for (const Card &card : reader.takeFinishedCards())
        records.append(toRecord(card));
    return records;
}

void VCardReader::addBytes(QByteArrayView line)
{
    if (m_hasPendingBytes) {
        // A line that begins with a space or a tab continues the one before
        // (folding); so does any line after a quoted-printable value that
        // ends in "=" (a soft line break).
        QByteArray pending = m_pendingBytes;
        if (pending.endsWith('\r'))
            pending.chop(1);
        if (!line.isEmpty() && (line[0] == ' ' || line[0] == '\t')) {
            m_pendingBytes = pending + line.sliced(1);
            return;
        }
        if (pending.endsWith('=') && isQuotedPrintableLine(QString::fromLatin1(pending))) {
            pending.chop(1);
            m_pendingBytes = pending + line;
            return;
        }
        readLogicalBytes(m_pendingBytes);
    }
    m_pendingBytes = line.toByteArray();
    m_hasPendingBytes = true;
}

void VCardReader::readLogicalBytes(const QByteArray &line)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(line);
    if (!utf8.hasError())
        readLogicalLine(text, false);
    else
        // One character per byte: the value's bytes survive for its charset.
        readLogicalLine(QString::fromLatin1(line), true);
}

void VCardReader::addLine(QStringView line)
{
    // Text is read as the bytes of a file would be: one way of unfolding.
    addBytes(line.toUtf8());
}

void VCardReader::finish()
{
    if (m_hasPendingBytes)
        readLogicalBytes(m_pendingBytes);
    m_hasPendingBytes = false;
    m_pendingBytes.clear();
    m_final = m_cards.size();
}

QList<VCardReader::Card> VCardReader::takeFinishedCards()
{
    QList<Card> finished = m_cards.mid(0, m_final);
    m_cards.remove(0, m_final);
    if (m_current >= 0)
        m_current -= m_final;
    m_final = 0;
    return finished;
}

VCardReader::Card *VCardReader::currentCard()
{
    if (!m_hasCurrent)
        return nullptr;
    if (m_added)
        return m_current >= 0 && m_current < m_cards.size() ? &m_cards[m_current] : nullptr;
    return &m_building;
}

void VCardReader::readLogicalLine(QString line, bool undecodable)
{
    if (isFrameLine(line, "BEGIN"_L1)) {
        // Whatever came before can no longer change.
        m_final = m_cards.size();
        m_building = Card();
        m_hasCurrent = true;
        m_added = false;
        m_current = -1;
        m_emailPreference = m_telephonePreference = Parameters::noPreference + 1;
        return;
    }
    if (isFrameLine(line, "VERSION"_L1))
        return;
    if (isFrameLine(line, "END"_L1)) {
        // A card is one record, however many END lines follow it.
        if (m_hasCurrent && !m_added) {
            m_cards.append(m_building);
            m_current = m_cards.size() - 1;
            m_added = true;
        }
        return;
    }
    // Lines before the first card have nothing to act on; a line without a
    // colon carries no value.
    if (line.isEmpty() || !m_hasCurrent)
        return;
    const qsizetype colon = nameEnd(line);
    if (colon < 0)
        return;
    applyProperty(QStringView(line).left(colon), line.mid(colon + 1), undecodable);
}

void VCardReader::applyProperty(QStringView namePart, const QString &rawValue, bool undecodable)
{
    Card *card = currentCard();
    if (!card)
        return;
    const QString name = propertyName(namePart);
    const Parameters params = parameters(namePart);
    QString value = rawValue;
    if (params.quotedPrintable)
        value = decodeQuotedPrintable(rawValue, params.charset, undecodable);
    else if (undecodable)
        value = decodeRaw(rawValue.toLatin1(), params.charset);
    Card &c = *card;
    if (name == "FN"_L1) {
        // An empty FN keeps a full name already built from N.
        const QString text = unescape(value);
        if (!text.isEmpty())
            c[FullName] = text;
    } else if (name == "N"_L1) {
        const QStringList parts = components(value);
        c[LastName] = parts.size() > 1 ? parts[0] : QString();
        c[FirstName] = parts.size() > 1 ? parts[1] : parts.value(0);
        if (c[FullName].isEmpty())
            c[FullName] = fullName(c[LastName], c[FirstName]);
    } else if (name == "ORG"_L1) {
        c[Company] = organisation(value);
    } else if (name == "ROLE"_L1) {
        const QString text = unescape(value);
        if (!text.isEmpty())
            c[Occupation] = text;
    } else if (name == "TITLE"_L1) {
        // A non-empty ROLE wins over TITLE whatever their order.
        if (c[Occupation].isEmpty())
            c[Occupation] = unescape(value);
    } else if (name == "URL"_L1) {
        c[Website] = unescape(value);
    } else if (name == "EMAIL"_L1) {
        addEmail(c, withoutScheme(unescape(value), "mailto:"_L1), params.preference);
    } else if (name == "TEL"_L1) {
        // The preferred number, else the first.
        const QString number = withoutScheme(unescape(value), "tel:"_L1);
        if (!number.isEmpty() && params.preference < m_telephonePreference) {
            c[Telephone] = number;
            m_telephonePreference = params.preference;
        }
    }
}

void VCardReader::addEmail(Card &card, const QString &address, int preference)
{
    if (address.isEmpty())
        return;
    QStringList others = card[OtherEmails].isEmpty() ? QStringList()
                                                     : card[OtherEmails].split(u'\n');
    const auto known = [&](const QString &text) {
        return text.compare(address, Qt::CaseInsensitive) == 0;
    };
    if (known(card[Email]) || std::any_of(others.cbegin(), others.cend(), known))
        return;
    // The preferred address is the contact's; of equals, the first.
    if (preference < m_emailPreference) {
        if (!card[Email].isEmpty())
            others.prepend(card[Email]);
        card[Email] = address;
        m_emailPreference = preference;
    } else {
        others.append(address);
    }
    card[OtherEmails] = others.join(u'\n');
}
