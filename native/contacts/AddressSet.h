#pragma once

#include <QJSValue>
#include <QObject>
#include <QSet>
#include <QString>
#include <QtQml/qqmlregistration.h>

// The addresses a vCard import has seen, for its duplicate check. The script
// engine's objects cost several hundred bytes per key used this way and its
// Set searches its keys one by one; a quarter of a million addresses fit here
// in a fraction of that.
class AddressSet : public QObject
{
    Q_OBJECT
    QML_ELEMENT

public:
    using QObject::QObject;

    Q_INVOKABLE void clear();
    // Adds the address; true when it was not there yet.
    Q_INVOKABLE bool insert(const QString &address);
    // Adds the address of every record of the array whose list is `list`.
    Q_INVOKABLE void insertFromList(const QJSValue &records, const QString &list);

private:
    QSet<QString> m_addresses;
};
