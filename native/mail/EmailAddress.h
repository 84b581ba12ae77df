#pragma once

#include <QString>

// The two checks of an e-mail address, one home for every caller. The whole
// text must match; nothing is trimmed first.
namespace EmailAddress {

// What a contact, an import or an account may hold: a local part of the
// usual characters, one "@", then a domain of labels ("user@localhost" too,
// for a server on this machine).
bool isWellFormed(const QString &address);

// What a bulk run sends to: dot-separated words of the usual characters,
// one "@", then a domain of at least two labels (no "localhost") whose last
// starts with a letter.
bool isDeliverable(const QString &address);

// Addresses that differ only in letter case reach the same mailbox: what
// every list of addresses looks them up by.
inline QString key(const QString &address)
{
    return address.toLower();
}

} // namespace EmailAddress
