import QtQuick
import QtTest
import "qrc:/qt/qml/content/pages/compose/compose.js" as Compose

TestCase {
    name: "ComposeJs"

    function contact(email, list) {
        return { "email": email, "list": list }
    }

    // Lists in selection order, each list's contacts in stored order; names
    // that are also the names of object properties are lists like any other.
    function test_listRecipientsKeepsOrderForAnyListName() {
        const contacts = [contact("a@x.io", "__proto__"), contact("b@x.io", "B"),
                          contact("c@x.io", "constructor"), contact("d@x.io", "__proto__"),
                          contact("e@x.io", "toString")]
        compare(Compose.listRecipients(["B", "__proto__", "constructor"], contacts)
                    .map(c => c.email), ["b@x.io", "a@x.io", "d@x.io", "c@x.io"])
        compare(Compose.listRecipients(["hasOwnProperty"], contacts), [])
        compare(Compose.listRecipients([], contacts), [])
    }
}
