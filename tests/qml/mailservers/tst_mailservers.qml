import QtQuick
import QtTest
import QmlCppBridge
import ParvaneTest

// The loopback servers as the page suites see them: a message sent through
// the bridge arrives parsed, and the listeners answer as the suites expect.
TestCase {
    name: "MailServers"

    readonly property var bridge: QmlCppBridge

    MailServers {
        id: servers
    }

    function recipient(email) {
        return { "lastname": "Berg", "firstname": "Anna", "fullname": "Berg Anna",
                 "telephone": "", "email": email, "company": "", "occupation": "",
                 "website": "", "list": "" }
    }

    function initTestCase() {
        verify(servers.start(), "the loopback servers started")
        compare(servers.user, "tester@localhost")
    }

    function init() {
        servers.clearInbox()
        compare(servers.count(), 0)
    }

    function test_received_message_is_parsed() {
        const result = bridge.sendEmail(servers.host, String(servers.port("starttls")), "TLS",
                                        servers.user, servers.password, "Velmora Studio",
                                        recipient("anna@example.com"), "Hello {{firstname}}",
                                        "Dear {{fullname}}, é", "", [], [], "abcdefghij")
        verify(!result.error, result.text)
        verify(result.text.startsWith("250 2.0.0 Ok: queued as Q"), result.text)
        const mails = servers.messages()
        compare(mails.length, 1)
        const mail = mails[0]
        compare(mail.listener, "starttls")
        verify(mail.tls)
        compare(mail.login, "tester@localhost")
        compare(mail.envelopeTo, ["anna@example.com"])
        compare(mail.from, "tester@localhost")
        compare(mail.fromName, "Velmora Studio")
        compare(mail.to, ["anna@example.com"])
        compare(mail.subject, "Hello Anna")  // placeholders are filled in the subject too
        compare(mail.text.trim(), "Dear Berg Anna, é")
        compare(mail.html, "")
        verify(mail.parts.length >= 1)
    }

    function test_rejected_recipient_and_refused_port() {
        let result = bridge.sendEmail(servers.host, String(servers.port("plain")), "None",
                                      "tester@localhost", "", "Velmora", recipient("reject-me@example.com"),
                                      "s", "t", "", [], [], "abcdefghij")
        verify(result.error)
        compare(result.text, "The server 127.0.0.1 says this address does not exist. "
                + "(550 5.1.1 <reject-me@example.com>: Recipient address rejected: User unknown)")
        result = bridge.sendEmail(servers.host, String(servers.port("refused")), "None",
                                  "tester@localhost", "", "Velmora", recipient("a@example.com"),
                                  "s", "t", "", [], [], "abcdefghij")
        verify(result.error)
        verify(result.text.length > 0)
        compare(servers.count(), 0)
    }
}
