#include "preview/ServiceCertificateCheck.h"

#include <QSslConfiguration>
#include <QSslError>

namespace {
// Whether `issuer` bears the name that `certificate` names as its issuer.
bool issuedUnderName(const QSslCertificate &certificate, const QSslCertificate &issuer)
{
    const QList<QByteArray> attributes = certificate.issuerInfoAttributes();
    if (attributes != issuer.subjectInfoAttributes())
        return false;
    for (const QByteArray &attribute : attributes) {
        if (certificate.issuerInfo(attribute) != issuer.subjectInfo(attribute))
            return false;
    }
    return true;
}
} // namespace

ServiceCertificateCheck::ServiceCertificateCheck(QObject *parent)
    : QObject(parent), m_caFile(qEnvironmentVariable("PARVANE_API_CA_FILE"))
{}

void ServiceCertificateCheck::setCaFile(const QString &caFile)
{
    if (caFile == m_caFile)
        return;
    m_caFile = caFile;
    emit caFileChanged();
}

bool ServiceCertificateCheck::verifies(const QList<QSslCertificate> &chain, const QString &host,
                                       const QList<QSslCertificate> &authorities)
{
    if (chain.isEmpty() || host.isEmpty() || authorities.isEmpty())
        return false;
    // Qt verifies only against the process's trusted roots. The authorities
    // go at the chain's end as untrusted certificates instead: when they are
    // not trusted already, the chain then verifies with exactly one
    // complaint, that a self-signed certificate of the chain is not trusted.
    QList<QSslCertificate> extended;
    for (const QSslCertificate &certificate : chain) {
        if (!authorities.contains(certificate))
            extended.append(certificate);
    }
    if (extended.isEmpty())
        return false;
    const QSslCertificate top = extended.last();
    extended.append(authorities);
    const QList<QSslError> errors = QSslCertificate::verify(extended, host);
    if (errors.isEmpty()) {
        // The process trusts the authorities already (start-up adds them for
        // the program's own requests), or the system's vouch. Only the first
        // counts: the chain's top must be issued by one of the authorities,
        // under a name that no system authority bears.
        bool byAuthority = false;
        for (const QSslCertificate &authority : authorities)
            byAuthority = byAuthority || issuedUnderName(top, authority);
        if (!byAuthority)
            return false;
        const QList<QSslCertificate> system = QSslConfiguration::systemCaCertificates();
        for (const QSslCertificate &root : system) {
            if (!authorities.contains(root) && issuedUnderName(top, root))
                return false;
        }
        return true;
    }
    // Otherwise the one complaint must be that a self-signed certificate of
    // the chain is not trusted, and that certificate one of the authorities.
    if (errors.size() != 1)
        return false;
    const QSslError &only = errors.first();
    return only.error() == QSslError::SelfSignedCertificateInChain
           && only.certificate().isSelfSigned() && authorities.contains(only.certificate());
}

bool ServiceCertificateCheck::decide(const QWebEngineCertificateError &error)
{
    bool accept = false;
    // A private authority shows as an unknown one; anything worse (revoked,
    // invalid, pinned key missing) is refused whatever signed it.
    if (error.type() == QWebEngineCertificateError::CertificateAuthorityInvalid
        && error.isOverridable() && !m_caFile.isEmpty()) {
        const QList<QSslCertificate> authorities
                = QSslCertificate::fromPath(m_caFile, QSsl::Pem,
                                            QSslCertificate::PatternSyntax::FixedString);
        accept = verifies(error.certificateChain(), error.url().host(), authorities);
    }
    // The error is a shared handle on the engine's pending decision.
    QWebEngineCertificateError pending = error;
    if (accept) {
        pending.acceptCertificate();
        ++m_accepted;
    } else {
        pending.rejectCertificate();
        ++m_refused;
    }
    emit decided();
    return accept;
}
