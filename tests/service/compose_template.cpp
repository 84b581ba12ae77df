// Builds the message the application would send for an HTML file, as the
// compose page does after "Load HTML", and writes it to standard output.
// Usage: compose_template FILE.html
#include "mail/HtmlReferences.h"
#include "mail/MailComposer.h"
#include "mail/MimeMessage.h"
#include "mail/OutgoingMail.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonObject>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: compose_template FILE.html\n");
        return 2;
    }
    OutgoingMail job;
    job.username = QStringLiteral("sender@parvane.test");
    job.senderName = QStringLiteral("Parvane test");
    job.subject = QStringLiteral("Template");
    job.to = QJsonObject{{QStringLiteral("email"), QStringLiteral("reader@parvane.test")}};
    job.html = QString::fromLocal8Bit(argv[1]);
    job.contentLocalUrls = HtmlReferences::localInFile(job.html);
    const QByteArray message = MimeMessage::build(MailComposer::compose(job, MailLimits()));
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly) || out.write(message) != message.size())
        return 1;
    return message.isEmpty() ? 1 : 0;
}
