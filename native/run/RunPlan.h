#pragma once

#include "contacts/ContactBook.h"
#include "suppression/SuppressionList.h"

#include <QBitArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantMap>

// What a run will send, worked out from the form before it starts: its
// recipients (the members of the chosen lists, then the addresses typed in
// the recipient field), the summary the user confirms, and the message's
// local references. Pure functions, safe on any thread: a quarter of a
// million recipients are planned on a worker while the window goes on.
namespace RunPlan {

// A recipient typed in the recipient field, with the display name typed with it.
struct Typed
{
    QString email;
    QString name;
};

// The recipients of a typed recipient text, left to right, repeats included.
// Entries are separated by ";", "," or line ends (outside quotes and angle
// brackets); an entry written "Name <address>" or "\"Last, First\" <address>"
// gives its name, and in any other text every word holding an "@" is taken,
// the full stop that ends a sentence aside. Nothing that holds an "@" is
// dropped here, valid or not: the run says which it cannot send to.
QList<Typed> typedRecipients(const QString &text);

// A typed recipient as a contact: its address, and its name as the full name.
ContactBook::ContactPointer typedContact(const Typed &typed);

struct Input
{
    QVariantMap params;                      // as SendingRun::start takes them
    QList<ContactBook::ContactPointer> book; // every contact, in stored order
    QStringList lists;                       // a list named twice contributes twice
    QString typed;                           // the recipient field's text
    QString historyFolder;                   // earlier runs, for those already reached
    SuppressionList::Entries suppressed;     // addresses never to mail
};

struct Plan
{
    QVariantMap params; // with the HTML file's local references read now
    QString fingerprint;
    QList<ContactBook::ContactPointer> recipients;
    QBitArray repeated; // the address came earlier in the run (letter case aside)
    QBitArray received; // an earlier run of this message reached the address
    // {total, valid, duplicates, invalid, invalidAddresses (the first 11,
    // each once), unreplaced [{field, count}], received, suppressed (the
    // recipients on the suppression list), suppressedAddresses (the same,
    // each address once), first (the first recipient's record)}
    QVariantMap summary;
};

Plan make(const Input &input);

// The recipients the user chose in the summary: each address once or every
// repeat, and those an earlier run reached or not.
QList<ContactBook::ContactPointer> chosen(const Plan &plan, bool oncePerAddress, bool sendAgain);
// How many chosen() gives, without making the list.
qsizetype chosenCount(const Plan &plan, bool oncePerAddress, bool sendAgain);

} // namespace RunPlan
