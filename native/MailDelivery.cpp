#include "MailDelivery.h"

// Placeholder until the libcurl and GMime delivery lands.
QJsonObject MailDelivery::send(const MailJob &)
{
    return {{QStringLiteral("error"), true}, {QStringLiteral("text"), QStringLiteral("Delivery not built yet")}};
}
