#include "run/RunPlan.h"

#include "mail/EmailAddress.h"
#include "mail/HtmlReferences.h"
#include "mail/HtmlText.h"
#include "run/RunHistory.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>

using namespace Qt::Literals::StringLiterals;

namespace RunPlan {

namespace {

// Calls visit(index) for each character of the text outside double quotes
// (inside them a backslash escapes the next character). visit returns the
// index to go on after: the one it was given, another further on, or -1 to stop.
template<typename Visit>
void forEachUnquoted(QStringView text, Visit visit)
{
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == u'\\')
                ++i;
            else if (c == u'"')
                quoted = false;
        } else if (c == u'"') {
            quoted = true;
        } else {
            i = visit(i);
            if (i < 0)
                return;
        }
    }
}

// The text cut at separators that stand outside quotes and angle brackets.
QList<QStringView> recipientEntries(QStringView text)
{
    QList<QStringView> entries;
    qsizetype start = 0;
    bool angled = false;
    forEachUnquoted(text, [&](qsizetype i) {
        const QChar c = text.at(i);
        if (c == u'<') {
            angled = true;
        } else if (c == u'>') {
            angled = false;
        } else if (!angled && (c == u';' || c == u',' || c == u'\n' || c == u'\r')) {
            entries.append(text.sliced(start, i - start));
            start = i + 1;
        }
        return i;
    });
    entries.append(text.sliced(start));
    return entries;
}

// The first "<...>" of the entry that holds an "@" and stands outside
// quotes: its opening and closing indexes, or {-1, -1}.
std::pair<qsizetype, qsizetype> angleAddress(QStringView entry)
{
    std::pair<qsizetype, qsizetype> found{-1, -1};
    forEachUnquoted(entry, [&](qsizetype i) -> qsizetype {
        if (entry.at(i) != u'<')
            return i;
        const qsizetype close = entry.indexOf(u'>', i + 1);
        if (close < 0)
            return -1;
        if (entry.sliced(i + 1, close - i - 1).contains(u'@')) {
            found = {i, close};
            return -1;
        }
        return close;
    });
    return found;
}

const QRegularExpression &addressWord()
{
    static const QRegularExpression pattern(u"[^\\s<>\"()\\[\\]:;,]*@[^\\s<>\"()\\[\\]:;,]*"_s,
                                            QRegularExpression::UseUnicodePropertiesOption);
    return pattern;
}

bool holdsAddressWord(const QString &text)
{
    return addressWord().match(text).hasMatch();
}

// A display name as typed: trimmed, and without the quotes around it.
QString displayName(QStringView text)
{
    QString name = text.trimmed().toString();
    if (name.size() >= 2 && name.startsWith(u'"') && name.endsWith(u'"')) {
        static const QRegularExpression escaped(u"\\\\(.)"_s);
        name = name.sliced(1, name.size() - 2).replace(escaped, u"\\1"_s).trimmed();
    }
    return name;
}

void addRecipients(QStringView entry, QList<Typed> &result)
{
    const auto [open, close] = angleAddress(entry);
    if (open < 0) {
        auto words = addressWord().globalMatch(entry);
        while (words.hasNext()) {
            QStringView word = words.next().capturedView();
            while (word.size() > 1 && word.endsWith(u'.'))
                word.chop(1);
            result.append({word.toString(), {}});
        }
        return;
    }
    const QStringView before = entry.first(open);
    // Addresses before the brackets are recipients of their own, not a name.
    static const QRegularExpression quotedText(uR"("(\\.|[^"\\])*")"_s);
    QString name;
    if (holdsAddressWord(before.toString().remove(quotedText)))
        addRecipients(before, result);
    else
        name = displayName(before);
    result.append({entry.sliced(open + 1, close - open - 1).trimmed().toString(), name});
    addRecipients(entry.sliced(close + 1), result);
}

// Placeholder fields that a recipient's record can fill in, in the order
// the summary names them.
constexpr ContactBook::Field placeholderFields[] = {
        ContactBook::FullName,   ContactBook::LastName, ContactBook::FirstName,
        ContactBook::Telephone,  ContactBook::Email,    ContactBook::Company,
        ContactBook::Occupation, ContactBook::Website,
};

// The fields written as a bare "{{field}}" in the text: a placeholder with a
// fallback ("{{field|text}}") is always replaced.
QSet<QString> barePlaceholders(const QString &text)
{
    static const QRegularExpression pattern(u"\\{\\{([^{}|]+)(\\|[^{}]*)?\\}\\}"_s);
    QSet<QString> bare;
    auto matches = pattern.globalMatch(text);
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        if (!match.hasCaptured(2))
            bare.insert(match.captured(1));
    }
    return bare;
}

// The message as its placeholders are read: the subject, then the text or the HTML file.
QString messageText(const QVariantMap &params)
{
    const QString html = params.value(u"html"_s).toString();
    return params.value(u"subject"_s).toString() + u'\n'
           + (html.isEmpty() ? params.value(u"content"_s).toString()
                             : HtmlText::readMessageFile(html));
}

QList<ContactBook::ContactPointer> gather(const Input &input)
{
    // One pass over the book, however many lists are named.
    QHash<QString, QList<qsizetype>> byList;
    for (const QString &list : input.lists)
        byList.insert(list, {});
    if (!byList.isEmpty()) {
        for (qsizetype i = 0; i < input.book.size(); ++i) {
            const auto members = byList.find(input.book.at(i)->fields[ContactBook::List]);
            if (members != byList.end())
                members->append(i);
        }
    }
    QList<ContactBook::ContactPointer> recipients;
    for (const QString &list : input.lists) {
        for (const qsizetype index : std::as_const(byList[list]))
            recipients.append(input.book.at(index));
    }
    for (const Typed &typed : typedRecipients(input.typed))
        recipients.append(typedContact(typed));
    return recipients;
}

QVariantList unreplacedCounts(const QList<ContactBook::ContactPointer> &recipients,
                              const QString &text)
{
    const QSet<QString> bare = barePlaceholders(text);
    QVariantList unreplaced;
    for (const ContactBook::Field field : placeholderFields) {
        const QString &key = ContactBook::fieldKey(field);
        if (!bare.contains(key))
            continue;
        int empty = 0;
        for (const auto &contact : recipients)
            empty += contact->fields[field].isEmpty() ? 1 : 0;
        if (empty > 0)
            unreplaced.append(QVariantMap{{u"field"_s, key}, {u"count"_s, empty}});
    }
    return unreplaced;
}

} // namespace

QList<Typed> typedRecipients(const QString &text)
{
    QList<Typed> result;
    for (const QStringView entry : recipientEntries(text))
        addRecipients(entry, result);
    return result;
}

ContactBook::ContactPointer typedContact(const Typed &typed)
{
    auto contact = std::make_shared<ContactBook::Contact>();
    contact->fields[ContactBook::Email] = typed.email;
    contact->fields[ContactBook::FullName] = typed.name;
    return contact;
}

namespace {

// The mailbox providers with published rules for bulk senders (Gmail, Yahoo,
// Microsoft's consumer domains), by the recipient's domain.
bool atLargeProvider(const QString &address)
{
    const qsizetype at = address.lastIndexOf(u'@');
    if (at < 0)
        return false;
    const QString domain = address.mid(at + 1).toLower();
    if (domain == "gmail.com"_L1 || domain == "googlemail.com"_L1 || domain == "outlook.com"_L1)
        return true;
    for (const QLatin1StringView brand : {"yahoo."_L1, "hotmail."_L1, "live."_L1}) {
        if (domain.startsWith(brand))
            return true;
    }
    return false;
}

} // namespace

Plan make(const Input &input)
{
    Plan plan;
    plan.params = input.params;
    const QString html = input.params.value(u"html"_s).toString();
    // The references are read from the file as it is now.
    plan.params.insert(u"localUrls"_s,
                       html.isEmpty() ? QStringList() : HtmlReferences::localInFile(html));
    plan.fingerprint = RunHistory::fingerprint(plan.params);
    plan.recipients = gather(input);

    const qsizetype total = plan.recipients.size();
    QSet<QString> received;
    if (!input.historyFolder.isEmpty()) {
        const QStringList reached = RunHistory::receivedAddresses(input.historyFolder,
                                                                  plan.fingerprint);
        received = QSet<QString>(reached.cbegin(), reached.cend());
    }
    plan.repeated.resize(total);
    plan.received.resize(total);
    QSet<QString> seen;
    seen.reserve(total);
    QSet<QString> listedInvalid;
    QVariantList invalidAddresses;
    int duplicates = 0;
    int invalid = 0;
    int receivedCount = 0;
    int suppressed = 0;
    int suppressedAddresses = 0;
    int largeProviders = 0;
    for (qsizetype i = 0; i < total; ++i) {
        const QString &address = plan.recipients.at(i)->fields[ContactBook::Email];
        const QString key = EmailAddress::key(address);
        const qsizetype before = seen.size();
        seen.insert(key);
        if (seen.size() == before) {
            plan.repeated.setBit(i);
            ++duplicates;
        }
        if (received.contains(key)) {
            plan.received.setBit(i);
            ++receivedCount;
        }
        if (input.suppressed.contains(key)) {
            ++suppressed;
            if (!plan.repeated.testBit(i))
                ++suppressedAddresses;
        }
        if (!plan.repeated.testBit(i) && !input.suppressed.contains(key) && atLargeProvider(address)
            && EmailAddress::isDeliverable(address))
            ++largeProviders;
        if (!EmailAddress::isDeliverable(address)) {
            ++invalid;
            // The summary names the first ten, and says when there are more.
            if (invalidAddresses.size() <= 10 && !listedInvalid.contains(address)) {
                listedInvalid.insert(address);
                invalidAddresses.append(address);
            }
        }
    }
    plan.summary = {
            {u"total"_s, total},
            {u"valid"_s, total - invalid},
            {u"duplicates"_s, duplicates},
            {u"invalid"_s, invalid},
            {u"invalidAddresses"_s, invalidAddresses},
            {u"unreplaced"_s, unreplacedCounts(plan.recipients, messageText(plan.params))},
            {u"received"_s, receivedCount},
            {u"suppressed"_s, suppressed},
            {u"suppressedAddresses"_s, suppressedAddresses},
            {u"largeProviders"_s, largeProviders},
            {u"first"_s, total > 0 ? ContactBook::toJson(*plan.recipients.first()).toVariantMap()
                                   : QVariantMap()},
    };
    return plan;
}

// Those the user's choice leaves out.
static QBitArray leftOut(const Plan &plan, bool oncePerAddress, bool sendAgain)
{
    QBitArray out(plan.recipients.size());
    if (oncePerAddress)
        out |= plan.repeated;
    if (!sendAgain)
        out |= plan.received;
    return out;
}

qsizetype chosenCount(const Plan &plan, bool oncePerAddress, bool sendAgain)
{
    return plan.recipients.size() - leftOut(plan, oncePerAddress, sendAgain).count(true);
}

QList<ContactBook::ContactPointer> chosen(const Plan &plan, bool oncePerAddress, bool sendAgain)
{
    // Every repeat of an address shares its fate in the history, so the first
    // of those left is the first of all.
    const QBitArray out = leftOut(plan, oncePerAddress, sendAgain);
    const qsizetype left = out.count(true);
    // Nothing to leave out: the plan's own list, shared.
    if (left == 0)
        return plan.recipients;
    QList<ContactBook::ContactPointer> recipients;
    recipients.reserve(plan.recipients.size() - left);
    for (qsizetype i = 0; i < plan.recipients.size(); ++i) {
        if (!out.testBit(i))
            recipients.append(plan.recipients.at(i));
    }
    return recipients;
}

} // namespace RunPlan
