#pragma once

#include <QList>
#include <QObject>
#include <QSslCertificate>
#include <QString>
#include <QWebEngineCertificateError>
#include <QtQml/qqmlregistration.h>

// Decides the certificate errors of the web view that shows the web service's
// pages. The service may sit behind a private certificate authority, named by
// PARVANE_API_CA_FILE as for the program's own requests; a certificate error
// is accepted only when the server's chain verifies against those authorities
// for the page's host. Every other certificate error is refused.
class ServiceCertificateCheck : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    // The PEM file of the extra authorities (PARVANE_API_CA_FILE by default).
    Q_PROPERTY(QString caFile READ caFile WRITE setCaFile NOTIFY caFileChanged)
    // Certificate errors accepted and refused so far.
    Q_PROPERTY(int accepted READ accepted NOTIFY decided)
    Q_PROPERTY(int refused READ refused NOTIFY decided)

public:
    explicit ServiceCertificateCheck(QObject *parent = nullptr);

    QString caFile() const { return m_caFile; }
    void setCaFile(const QString &caFile);
    int accepted() const { return m_accepted; }
    int refused() const { return m_refused; }

    // Accepts or refuses the error, and says which.
    Q_INVOKABLE bool decide(const QWebEngineCertificateError &error);

    // Whether `chain` (the server's, its own certificate first) is vouched
    // for by one of `authorities` for `host`: every signature up to that
    // authority holds, every certificate is in date and the first one names
    // the host.
    static bool verifies(const QList<QSslCertificate> &chain, const QString &host,
                         const QList<QSslCertificate> &authorities);

signals:
    void caFileChanged();
    void decided();

private:
    QString m_caFile;
    int m_accepted = 0;
    int m_refused = 0;
};
