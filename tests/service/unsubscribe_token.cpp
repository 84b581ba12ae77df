// Makes a one-click unsubscribe token with the program's own code, as a run
// seals one into each message, for the service's tests.
// Usage: unsubscribe_token MAILBOX-HEX SECRET-BASE64URL ADDRESS RUN LANGUAGE
#include "suppression/UnsubscribeToken.h"

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 6) {
        std::fprintf(stderr, "usage: unsubscribe_token MAILBOX SECRET ADDRESS RUN LANGUAGE\n");
        return 2;
    }
    const auto secret = QByteArray::fromBase64(argv[2], QByteArray::Base64UrlEncoding);
    const UnsubscribeToken::Content content{QByteArray::fromHex(argv[1]),
                                            QString::fromUtf8(argv[3]), QString::fromUtf8(argv[4]),
                                            QString::fromUtf8(argv[5])};
    const QString token = UnsubscribeToken::make(content, UnsubscribeToken::keysFrom(secret).seal);
    if (token.isEmpty())
        return 1;
    std::printf("%s\n", token.toLatin1().constData());
    return 0;
}
