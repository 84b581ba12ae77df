#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringView>
#include <QVariantList>

#include <array>

// Reads contact records out of vCard text, line by line, so that a file of any
// size can be read in one pass without holding its text. Cards from our own
// export and from other address books are read alike: folded lines are
// unfolded, quoted-printable values (vCard 2.1, with their character set)
// decoded, and backslash escapes undone. Property lines are matched by name
// (group and parameters aside), and the card stays current after its END
// line until the next BEGIN, as our own reading always did.
class VCardReader
{
public:
    // The text fields of a contact record, in record order. OtherEmails holds
    // a card's addresses beside the preferred one, one per line.
    enum Field {
        LastName,
        FirstName,
        FullName,
        Telephone,
        Email,
        Company,
        Occupation,
        Website,
        OtherEmails
    };
    static constexpr int FieldCount = 9;
    using Card = std::array<QString, FieldCount>;

    // One physical line of text, without its LF (a CR before it may remain):
    // its UTF-8 bytes given to addBytes.
    void addLine(QStringView line);
    // One physical line of a file as bytes. Lines are unfolded as bytes and
    // each whole property line is then read as UTF-8 when it is UTF-8, else
    // in the character set its parameters name (older phones write raw
    // 8-bit values).
    void addBytes(QByteArrayView line);
    // Ends the text: the last pending line is read and every card is final.
    void finish();
    // Cards that nothing later in the text can change any more, in the order
    // in which they ended; they are handed over once.
    QList<Card> takeFinishedCards();
    qsizetype finishedCount() const { return m_final; }

    // Every card of a whole text, as records for the interface.
    static QVariantList parse(const QString &text);
    static QVariantMap toRecord(const Card &card);
    static const char *fieldName(int field);
    // The full name made from the names: last name, one space, first name,
    // or the one that is given.
    static QString fullName(const QString &lastName, const QString &firstName);

private:
    void readLogicalLine(QString line, bool undecodable);
    void applyProperty(QStringView namePart, const QString &rawValue, bool undecodable);

    void readLogicalBytes(const QByteArray &line);
    void addEmail(Card &card, const QString &address, int preference);

    QByteArray m_pendingBytes;
    bool m_hasPendingBytes = false;
    Card *currentCard();

    QList<Card> m_cards;
    // The card that property lines change: begun and not yet ended
    // (m_building), or ended and already in m_cards (at m_current).
    bool m_hasCurrent = false;
    bool m_added = false;
    Card m_building;
    qsizetype m_current = -1;
    // Cards before this position are final.
    qsizetype m_final = 0;
    // The preference of the current card's address and number (lower is
    // preferred; above any a card can give while it has none).
    int m_emailPreference = 102;
    int m_telephonePreference = 102;
};
