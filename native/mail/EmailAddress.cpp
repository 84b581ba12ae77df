#include "mail/EmailAddress.h"

#include <QRegularExpression>

using namespace Qt::Literals::StringLiterals;

namespace EmailAddress {

bool isWellFormed(const QString &address)
{
    static const QRegularExpression pattern(QRegularExpression::anchoredPattern(
            uR"([a-zA-Z0-9.!#$%&'*+/=?^_`{|}~-]+@[a-zA-Z0-9-]+(?:\.[a-zA-Z0-9-]+)*)"_s));
    return pattern.match(address).hasMatch();
}

bool isDeliverable(const QString &address)
{
    static const QRegularExpression pattern(
            u"^[A-Za-z0-9!#$%&'*+/=?^_`{|}~-]+(\\.[A-Za-z0-9!#$%&'*+/=?^_`{|}~-]+)*@"
            u"([A-Za-z0-9]([A-Za-z0-9-]*[A-Za-z0-9])?\\.)+[A-Za-z][A-Za-z0-9-]*[A-Za-z0-9]$"_s);
    return pattern.match(address).hasMatch();
}

} // namespace EmailAddress
