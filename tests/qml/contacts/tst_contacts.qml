import QtQuick
import QtTest
import QmlCppBridge
import ParvaneTest
import content

// The contacts page and the contact detail, driven inside a real main screen:
// lists, adding, editing, deleting, vCard import and export, and what the
// detail area and the sending selection do when lists go away.
Item {
    id: scene

    width: 1000
    height: 730

    MyTrStrings {
        id: myTrStrings
    }

    Component {
        id: screenComponent

        Screen01 {
            anchors.fill: parent
        }
    }

    StoreAccess {
        id: store
        owner: scene
        testCase: testCase
        // The stored keys the contacts page depends on.
        groups: ({
            "userData": ["comptes", "activeCompte", "contactsLists", "contacts"],
            "emailContent": ["currentSelectedLists"],
            "contacts": ["sActiveList"]
        })
    }

    // The test's own access to files, for import files and exported ones.
    readonly property var files: QmlCppBridge

    SignalSpy {
        id: contactsSpy
        signalName: "changed"
    }

    TestCase {
        id: testCase

        name: "Contacts"
        when: windowShown

        property var screen: null
        property string folder: ""

        // ---- Helpers ----

        function pages() { return findChild(screen, "pagesStackView") }
        function details() { return findChild(screen, "detailStackView") }
        function shownDetail() { return details().currentItem }

        function settle() {
            tryCompare(pages(), "busy", false)
            tryCompare(details(), "busy", false)
            compare(screen.loading, false, "the busy state is cleared")
        }

        function openPage() {
            mouseClick(findChild(screen, "contactsListsMenu"))
            settle()
            const page = pages().currentItem
            compare(page.objectName, "ContactsListsPage")
            return page
        }

        // Like findChild, but through the content of popups as well.
        function findIn(item, objectName) {
            if (!item)
                return null
            if (item.objectName === objectName)
                return item
            const kids = item.children ? item.children : []
            for (let i = 0; i < kids.length; ++i) {
                const found = findIn(kids[i], objectName)
                if (found)
                    return found
            }
            return null
        }

        // The newest text of a toast stack, or "" when it shows none.
        function newestToast(manager) {
            verify(manager, "the toast stack exists")
            return manager.model.count > 0 ? manager.model.get(0).text : ""
        }

        function screenToasts(success) {
            for (let i = 0; i < screen.children.length; ++i) {
                const child = screen.children[i]
                if (child.toastColor !== undefined && child.successStyle === success
                        && child.dangerStyle === !success)
                    return child
            }
            return null
        }
        function errorToast() { return newestToast(screenToasts(false)) }
        function successToastText() { return newestToast(screenToasts(true)) }
        function dialogToast(dialog) {
            return newestToast(findIn(dialog.contentItem.parent, "dialogDangerToasts"))
        }

        function contact(lastname, firstname, email, list) {
            return {
                "lastname": lastname, "firstname": firstname,
                "fullname": lastname !== "" && firstname !== "" ? lastname + " " + firstname
                                                                : lastname + firstname,
                "telephone": "", "email": email, "company": "", "occupation": "",
                "website": "", "list": list
            }
        }

        function card(fn, email) {
            let text = "BEGIN:VCARD\nVERSION:4.0\n"
            if (fn !== "")
                text += "FN:" + fn + "\n"
            if (email !== "")
                text += "EMAIL;TYPE=INTERNET:" + email + "\n"
            return text + "END:VCARD"
        }

        // A fresh file of the temporary folder holding exactly the text.
        function writeFile(name, text) {
            const path = folder + "/" + name
            files.cmdExcute("rm", ["-f", path])
            files.textToFile("file://" + path, text)
            return "file://" + path
        }

        function emails(records) {
            return records.map(r => r.email)
        }

        // The records the contacts page shows, in its rows' order.
        function shownRecords(page) {
            return page.activeListIndexes.map(i => screen.contactBook.record(i))
        }

        // Every contact, in stored order.
        function contacts() {
            return screen.contactBook.records()
        }

        // ---- Set-up ----

        function initTestCase() {
            const made = files.cmdExcute("mktemp", ["-d"])
            folder = String(made.text).trim()
            verify(folder.length > 1, "a temporary folder")
            // English as start-up loads it: counts take their plural forms.
            verify(myTranslator.setLanguage("en_EN"))
        }

        function cleanupTestCase() {
            if (folder.length > 1)
                files.cmdExcute("rm", ["-rf", folder])
        }

        function init() {
            store.clear()
            screen = screenComponent.createObject(scene)
            verify(screen)
            settle()
            contactsSpy.target = screen.contactBook
            contactsSpy.clear()
        }

        function cleanup() {
            if (screen) {
                screen.destroy()
                screen = null
                wait(0)
            }
        }

        // ---- Lists ----

        function test_newListRefusalsAndCaseSensitiveNames() {
            const page = openPage()
            compare(page.activeList, "")
            compare(findChild(page, "activeListButton").text, "No active list")
            compare(findChild(page, "contactsMenuButton").enabled, false)
            compare(findChild(page, "deleteListButton").enabled, false)

            const dialog = page.newListDialog
            dialog.open()
            tryCompare(dialog, "opened", true)
            mouseClick(findIn(dialog.contentItem, "confirmButton"))
            compare(dialogToast(dialog), "List name is required.")
            verify(dialog.visible, "the dialog stays open")
            compare(screen.userContactsLists, [])

            dialog.listName = "Clients"
            mouseClick(findIn(dialog.contentItem, "confirmButton"))
            tryCompare(dialog, "visible", false)
            compare(screen.userContactsLists, ["Clients"])
            compare(page.activeList, "Clients")

            dialog.open()
            tryCompare(dialog, "opened", true)
            dialog.listName = "Clients"
            dialog.submit()
            compare(dialogToast(dialog), "List already exists.")
            verify(dialog.visible)
            compare(screen.userContactsLists, ["Clients"])

            // Names differ by letter case: two lists, newest first.
            dialog.listName = "clients"
            dialog.submit()
            tryCompare(dialog, "visible", false)
            compare(screen.userContactsLists, ["clients", "Clients"])
            compare(page.activeList, "clients")
            compare(page.activeListIndex, 0)
            compare(findChild(page, "activeListButton").text, "clients")
            verify(findChild(page, "contactsMenuButton").enabled)
        }

        function test_activeListComesBackAfterARestart() {
            screen.userContactsLists = ["A", "B"]
            let page = openPage()
            compare(page.activeList, "A")
            page.activeList = "B"
            // A new main screen on the same store, as after a restart.
            cleanup()
            screen = screenComponent.createObject(scene)
            verify(screen)
            settle()
            page = openPage()
            compare(page.activeList, "B", "the stored active list is shown again")
        }

        function test_storedActiveListThatIsGoneGivesTheFirst() {
            cleanup()
            store.write("userData", { "contactsLists": ["First", "Second"],
                            "contacts": [contact("A", "", "a@x.io", "Second")] })
            store.write("contacts", { "sActiveList": "Gone" })
            screen = screenComponent.createObject(scene)
            settle()
            const page = openPage()
            compare(page.activeList, "First")
            compare(page.activeListIndexes, [])
            page.activeList = "Second"
            compare(emails(shownRecords(page)), ["a@x.io"])
            compare(page.activeListIndexes[0], 0)
        }

        // ---- Adding ----

        function test_addRefusalsInOrder_data() {
            return [
                { tag: "no name", last: "", first: "", email: "", text: "Contact's name is required." },
                { tag: "no email", last: "Doe", first: "", email: "", text: "Contact's email is required." },
                { tag: "space", last: "Doe", first: "", email: "jo hn@x.io", text: "Invalid email." },
                { tag: "trailing space", last: "Doe", first: "", email: "john@x.io ", text: "Invalid email." },
                { tag: "two dots", last: "Doe", first: "", email: "john@x..io", text: "Invalid email." },
                { tag: "final dot", last: "Doe", first: "", email: "john@x.io.", text: "Invalid email." },
                { tag: "underscore in domain", last: "Doe", first: "", email: "john@my_x.io", text: "Invalid email." },
                { tag: "non-ASCII", last: "Doe", first: "", email: "zoé@x.io", text: "Invalid email." },
                { tag: "no at", last: "Doe", first: "", email: "john.x.io", text: "Invalid email." },
                { tag: "taken in this list", last: "Roe", first: "Jane", email: "taken@x.io",
                  text: "Contact already exists in this list." }
            ]
        }

        function test_addRefusalsInOrder(data) {
            screen.userContactsLists = ["L"]
            screen.contactBook.setRecords([contact("Old", "", "taken@x.io", "L")])
            const page = openPage()
            const dialog = page.addContactDialog
            dialog.open()
            tryCompare(dialog, "opened", true)
            dialog.form.lastname = data.last
            dialog.form.firstname = data.first
            dialog.form.email = data.email
            contactsSpy.clear()
            mouseClick(findIn(dialog.contentItem, "confirmButton"))
            compare(dialogToast(dialog), data.text)
            verify(dialog.visible, "the dialog stays open")
            compare(dialog.form.email, data.email, "what was typed stays")
            compare(contactsSpy.count, 0, "nothing is stored")
            compare(screen.contactBook.count, 1)
            compare(screen.loading, false)
        }

        function test_addAcceptsAndOpensTheDetail_data() {
            return [
                { tag: "both names", last: "Doe", first: "John", email: "john@x.io", full: "Doe John" },
                { tag: "last only", last: "Doe", first: "", email: "d@localhost", full: "Doe" },
                { tag: "first only, hyphens", last: "", first: "John", email: "j.o+k@my-host.example-1.org",
                  full: "John" },
                { tag: "address of another list", last: "A", first: "B", email: "taken@x.io", full: "A B" }
            ]
        }

        function test_addAcceptsAndOpensTheDetail(data) {
            screen.userContactsLists = ["L", "Other"]
            screen.contactBook.setRecords([contact("Old", "", "taken@x.io", "Other"),
                                   contact("Older", "", "older@x.io", "L")])
            const page = openPage()
            page.activeList = "L"
            const dialog = page.addContactDialog
            dialog.open()
            tryCompare(dialog, "opened", true)
            dialog.form.lastname = data.last
            dialog.form.firstname = data.first
            dialog.form.email = data.email
            dialog.form.company = "ACME"
            dialog.submit()
            tryCompare(dialog, "visible", false)
            settle()

            const added = screen.contactBook.record(0)
            compare(added.fullname, data.full)
            compare(added.email, data.email)
            compare(added.company, "ACME")
            compare(added.list, "L")
            compare(screen.contactBook.count, 3)
            compare(emails(shownRecords(page)), [data.email, "older@x.io"],
                    "the new contact heads its list")
            compare(dialog.form.email, "", "the fields are cleared")
            compare(dialog.form.company, "")
            compare(screen.detailContact, 0)
            compare(shownDetail().objectName, "ContactDetail")
            compare(findChild(shownDetail(), "cardFullname").text, data.full)
            compare(findChild(shownDetail(), "cardTelephone").text, "-")
        }

        // ---- The rows ----

        function test_manageOpensTheRowsContact() {
            screen.userContactsLists = ["L", "M"]
            screen.contactBook.setRecords([contact("A", "", "a@x.io", "M"), contact("B", "", "b@x.io", "L"),
                                   contact("C", "", "c@x.io", "M"), contact("D", "", "d@x.io", "L")])
            const page = openPage()
            compare(page.activeListIndexes, [1, 3])
            const view = findChild(page, "contactsListView")
            tryVerify(() => view.itemAtIndex(1) !== null)
            mouseClick(findChild(view.itemAtIndex(1), "manageButton"))
            settle()
            compare(screen.detailContact, 3)
            compare(findChild(shownDetail(), "cardEmail").text, "d@x.io")
            verify(!findChild(page, "noContacts").visible)

            page.activeList = "M"
            compare(page.activeListIndexes, [0, 2])
        }

        // The rows follow every kind of change of the contacts, changed or
        // not on the active list, as a fresh computation would show them.
        function test_rowsFollowEveryChangeOfTheContacts() {
            screen.userContactsLists = ["L", "M"]
            const start = []
            for (let i = 0; i < 30; ++i)
                start.push(contact("N" + i, "", "n" + i + "@x.io", i % 3 === 0 ? "M" : "L"))
            const book = screen.contactBook
            book.setRecords(start)
            const page = openPage()
            const rows = () => page.activeListIndexes.map(i => book.record(i).email + "@" + i + ":"
                                                              + book.record(i).lastname)
            const expected = () => {
                const shown = []
                contacts().forEach((c, i) => {
                    if (c.list === page.activeList)
                        shown.push(c.email + "@" + i + ":" + c.lastname)
                })
                return shown
            }
            const view = findChild(page, "contactsListView")
            // What the rows in view draw: "full name <address>".
            const drawn = () => {
                const texts = []
                for (let r = 0; r < view.count; ++r) {
                    const row = view.itemAtIndex(r)
                    if (row)
                        texts.push(row.fullname + " <" + row.email + ">")
                }
                return texts
            }
            const change = (what, changeBook) => {
                changeBook()
                compare(rows(), expected(), what)
                const records = page.activeListIndexes.map(i => book.record(i))
                const shown = drawn()
                verify(shown.length > 0 || records.length === 0, what)
                compare(shown, records.slice(0, shown.length).map(c => c.fullname + " <" + c.email + ">"),
                        what + ": the rows drawn")
            }
            compare(page.activeList, "L")
            change("added at the front", () => book.prepend(contact("F", "", "f@x.io", "L")))
            change("added to another list", () => book.prepend(contact("G", "", "g@x.io", "M")))
            change("one replaced", () => book.replace(10, contact("Edited", "", book.record(10).email,
                                                                   book.record(10).list)))
            change("one moved to another list", () => book.replace(4, contact("Moved", "", "moved@x.io", "M")))
            change("three deleted", () => { book.removeAt(7); book.removeAt(7); book.removeAt(7) })
            const inM = contacts().filter(c => c.list === "M").length
            verify(inM > 1)
            change("another list deleted", () => compare(book.removeList("M"), inM))
            change("set whole, with more", () => book.setRecords(contacts().concat(
                       [contact("I1", "", "i1@x.io", "L"), contact("I2", "", "i2@x.io", "L")])))
            change("every position changed", () => book.setRecords(contacts().slice().reverse()))
            change("none left", () => book.setRecords([]))
            change("one again", () => book.setRecords([contact("A", "", "a@x.io", "L")]))
            verify(view.count === 1)
        }

        // Records of another shape (a store edited by hand, an older
        // version) are read as the stored contacts are checked: text fields
        // from numbers too, records that cannot be read dropped, fields of
        // others kept; and what is shown is drawn as text.
        function test_oddStoredRecordsAreCheckedAndDrawnAsText() {
            cleanup()
            store.write("userData", { "contactsLists": ["L"], "contacts": [
                            null, { "fullname": 42, "email": null, "list": "L" },
                            { "fullname": { "a": 1 }, "email": "a@x.io", "list": "L" },
                            "text", [1, 2],
                            { "fullname": "<b>x</b>", "email": "<b>x</b>@x.io", "list": "L", "id": 7 }] })
            screen = screenComponent.createObject(scene)
            settle()
            const page = openPage()
            compare(page.activeListIndexes, [0, 1])
            const view = findChild(page, "contactsListView")
            tryVerify(() => view.itemAtIndex(1) !== null)
            compare(view.itemAtIndex(0).fullname, "42")
            compare(view.itemAtIndex(0).email, "")
            compare(view.itemAtIndex(1).fullname, "<b>x</b>")
            compare(view.itemAtIndex(1).email, "<b>x</b>@x.io")
            compare(screen.contactBook.record(1).id, 7, "a field of another kind is kept")
            // The store holds the records as read, so later changes of a range
            // apply to the same records.
            const stored = store.read("userData", ["contacts"]).contacts
            compare(stored.length, 2)
            compare(stored[0].fullname, "42")
            compare(stored[1].id, 7)
            screen.contactBook.removeAt(0)
            compare(store.read("userData", ["contacts"]).contacts.map(c => c.email), ["<b>x</b>@x.io"])
        }

        function test_hundredThousandContactsMakeFewRows() {
            const many = []
            for (let i = 0; i < 100000; ++i)
                many.push(contact("N" + i, "", "n" + i + "@x.io", "Big"))
            screen.userContactsLists = ["Big"]
            screen.contactBook.setRecords(many)
            const page = openPage()
            compare(page.activeListIndexes.length, 100000)
            compare(page.activeListIndexes[99999], 99999)
            const view = findChild(page, "contactsListView")
            compare(view.count, 100000)
            verify(view.height > 100 && view.height < 800, "the view is bounded: " + view.height)
            let rows = 0
            for (let i = 0; i < view.contentItem.children.length; ++i) {
                if (view.contentItem.children[i].manage !== undefined)
                    ++rows
            }
            verify(rows > 0 && rows < 60, "rows made: " + rows)
            const flickable = findChild(screen, "pagesFlickable")
            verify(flickable.contentHeight <= flickable.height + 1,
                   "the page fits the page area; the view scrolls instead: "
                   + flickable.contentHeight + " > " + flickable.height)
            view.positionViewAtEnd()
            tryVerify(() => view.itemAtIndex(99999) !== null)
            compare(view.itemAtIndex(99999).email, "n99999@x.io")
        }

        // ---- Import ----

        // Imports the file as the file dialog's choice does, and waits for
        // the reading (on its own thread) to end.
        function importFile(page, url) {
            page.importContacts(url)
            verify(page.importing, "the import runs")
            verify(page.importProgressDialog.visible, "the progress shows, with a way to cancel")
            tryCompare(page, "importing", false, 20000)
            tryCompare(page.importProgressDialog, "visible", false)
        }

        function test_importAppendsInFileOrderAndStoresOnce() {
            screen.userContactsLists = ["L", "Other"]
            screen.contactBook.setRecords([contact("Mine", "", "mine@x.io", "L"),
                                   contact("Else", "", "two@x.io", "Other")])
            const page = openPage()
            const url = writeFile("three.vcf", [card("One", "one@x.io"), card("Two", "two@x.io"),
                                                card("Three", "three@x.io")].join("\n"))
            contactsSpy.clear()
            importFile(page, url)
            compare(contactsSpy.count, 1, "the book changes once")
            compare(errorToast(), "")
            compare(successToastText(), "3 contacts added.")
            compare(emails(contacts()),
                    ["mine@x.io", "two@x.io", "one@x.io", "two@x.io", "three@x.io"])
            compare(screen.contactBook.record(4).list, "L")
            compare(emails(shownRecords(page)), ["mine@x.io", "one@x.io", "two@x.io", "three@x.io"])
            compare(screen.loading, false)

            // Another file on the same page: its cards are counted once each.
            importFile(page, writeFile("four.vcf", [card("Four", "four@x.io"),
                                                    card("Five", "five@x.io")].join("\n")))
            compare(successToastText(), "2 contacts added.")
            compare(emails(shownRecords(page)), ["mine@x.io", "one@x.io", "two@x.io", "three@x.io",
                                                 "four@x.io", "five@x.io"])

            // The same file again: nothing new.
            contactsSpy.clear()
            importFile(page, url)
            compare(errorToast(), "0 contacts added. 3 already in the list.")
            compare(contactsSpy.count, 0)
            compare(screen.contactBook.count, 7)
        }

        function test_importMessages_data() {
            return [
                { tag: "two cards share an address, in other letter case",
                  text: [card("A", "same@x.io"), card("B", "SAME@x.io")].join("\n"),
                  message: "1 contact added. 1 already in the list.", added: ["same@x.io"] },
                { tag: "card without a name is imported, shown by its address",
                  text: [card("", "noname@x.io"), card("Ok", "ok@x.io")].join("\n"),
                  message: "2 contacts added.", added: ["noname@x.io", "ok@x.io"] },
                { tag: "every reason at once",
                  text: [card("Ok", "ok@x.io"), card("NoMail", ""), card("Bad", "bad@x..io"),
                         card("Bad2", "b@"), card("Again", "ok@x.io")].join("\n"),
                  message: "1 contact added. 1 already in the list. 1 skipped: no e-mail address. "
                           + "2 skipped: invalid e-mail address.",
                  added: ["ok@x.io"] },
                { tag: "no cards", text: "just some text", message: "0 contacts added.", added: [] },
                { tag: "a file that is gone", text: null, message: "0 contacts added.", added: [] }
            ]
        }

        function test_importMessages(data) {
            screen.userContactsLists = ["L"]
            const page = openPage()
            importFile(page, data.text === null ? "file://" + folder + "/no-such-file.vcf"
                                                : writeFile("messages.vcf", data.text))
            compare(data.added.length > 0 ? successToastText() : errorToast(), data.message)
            compare(emails(contacts()), data.added)
            compare(screen.loading, false)
            if (data.added.indexOf("noname@x.io") === 0) {
                compare(contacts()[0].fullname, "")
                compare(findChild(page, "contactsListView").itemAtIndex(0).fullname, "noname@x.io")
            }
        }

        // Cards as the common address books export them: every address is
        // kept, the preferred one first, values as the card meant them; the
        // detail shows the other addresses, and an export read back into
        // another list gives every field again.
        function test_importKeepsEveryAddressAndValue() {
            screen.userContactsLists = ["L", "Again"]
            const page = openPage()
            const text = [
                // A phone's export: version 3, grouped properties, escaped
                // colons, a trailing organisation component.
                "BEGIN:VCARD", "VERSION:3.0", "N:Dupain;Marie;;;", "FN:Marie Dupain",
                "ORG:Boulangerie Dupain;",
                "item1.EMAIL;type=INTERNET;type=HOME:marie@home.example",
                "item2.EMAIL;type=INTERNET;type=WORK;type=pref:marie@dupain.example",
                "TEL;type=CELL;type=VOICE;type=pref:+33 6 00 00 00 01",
                "TEL;type=WORK:+33 1 00 00 00 02",
                "item3.URL;type=pref:https\\://dupain.example/pain", "END:VCARD",
                // Version 4 with PREF and URIs.
                "BEGIN:VCARD", "VERSION:4.0", "FN:Seán Ó Briain",
                "EMAIL;TYPE=work:sean@work.example", "EMAIL;PREF=1:mailto:sean@home.example",
                "TEL;VALUE=uri;TYPE=cell:tel:+353-1-234-5678",
                "ORG:Nordisk Design AS;Grafikk", "END:VCARD",
                // An older export: bare PREF, the name with an escaped semicolon.
                "BEGIN:VCARD", "VERSION:2.1", "N:Dupont\\; Fils;Jean", "FN:Jean Dupont",
                "EMAIL;INTERNET:jean@one.example", "EMAIL;PREF;INTERNET:jean@two.example",
                "END:VCARD"].join("\r\n")
            importFile(page, writeFile("phones.vcf", text))
            compare(successToastText(), "3 contacts added.")
            const records = contacts()
            compare(records.map(r => [r.email, r.otheremails]),
                    [["marie@dupain.example", "marie@home.example"],
                     ["sean@home.example", "sean@work.example"],
                     ["jean@two.example", "jean@one.example"]])
            compare([records[0].company, records[0].website, records[0].telephone],
                    ["Boulangerie Dupain", "https://dupain.example/pain", "+33 6 00 00 00 01"])
            compare([records[1].company, records[1].telephone],
                    ["Nordisk Design AS, Grafikk", "+353-1-234-5678"])
            compare([records[2].lastname, records[2].firstname], ["Dupont; Fils", "Jean"])

            page.openContact(0)
            settle()
            compare(findChild(shownDetail(), "cardOtherEmails").text, "marie@home.example")

            // Out to a file and into the other list: the same contacts.
            const url = "file://" + folder + "/again.vcf"
            files.cmdExcute("rm", ["-f", folder + "/again.vcf"])
            verify(page.exportList(url))
            page.activeList = "Again"
            importFile(page, url)
            const again = shownRecords(page)
            compare(again.length, 3)
            for (let i = 0; i < 3; ++i) {
                for (const field of ["lastname", "firstname", "fullname", "telephone", "email",
                                     "company", "occupation", "website", "otheremails"])
                    compare(again[i][field], records[i][field], field + " of contact " + i)
            }
        }

        // Cards as other address books write them, read from a file with
        // CR LF line ends: folded, quoted-printable and escaped values arrive
        // whole, in batches of any size.
        function test_importOfForeignCards() {
            screen.userContactsLists = ["L"]
            const page = openPage()
            page.cardImport.batchSize = 1
            const text = [
                "BEGIN:VCARD", "VERSION:2.1",
                "N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:Dupr=C3=A9;=C3=89lise;;;",
                "FN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=C3=89lise Dupr=C3=A9 de la Fontaine-Sa=",
                "int-Martin",
                "EMAIL;HOME:elise@example.fr", "END:VCARD",
                "BEGIN:VCARD", "VERSION:4.0", "FN:Maximilian Hohenzollern",
                "EMAIL:maximilian.hohenzollern@immob", " ilien-verwaltung.example.com",
                "ORG:Hohenzollern\\, Söhne\\; Partner", "END:VCARD", ""].join("\r\n")
            // Each batch's size, from the count of cards read when it arrives.
            const batches = []
            let read = 0
            const collect = () => {
                batches.push(page.cardImport.cardCount - read)
                read = page.cardImport.cardCount
            }
            page.cardImport.cardsReady.connect(collect)
            importFile(page, writeFile("foreign.vcf", text))
            page.cardImport.cardsReady.disconnect(collect)
            compare(errorToast(), "")
            compare(screen.contactBook.count, 2)
            const elise = screen.contactBook.record(0)
            compare([elise.lastname, elise.firstname, elise.fullname, elise.email],
                    ["Dupré", "Élise", "Élise Dupré de la Fontaine-Saint-Martin", "elise@example.fr"])
            const max = screen.contactBook.record(1)
            compare([max.email, max.company],
                    ["maximilian.hohenzollern@immobilien-verwaltung.example.com",
                     "Hohenzollern, Söhne; Partner"])
            verify(batches.length >= 1 && batches.every(n => n >= 1 && n <= 2),
                   "cards arrive in batches: " + JSON.stringify(batches))
        }

        // Cancelling while the cards arrive keeps the contacts as they were,
        // and the page can import again at once.
        function test_cancelledImportAddsNothing() {
            screen.userContactsLists = ["L"]
            screen.contactBook.setRecords([contact("Mine", "", "mine@x.io", "L")])
            const page = openPage()
            const cards = []
            for (let i = 0; i < 3000; ++i)
                cards.push(card("N" + i, "n" + i + "@x.io"))
            const url = writeFile("many.vcf", cards.join("\n"))
            page.cardImport.batchSize = 10
            let batches = 0
            const cancelOnFirst = () => {
                if (++batches === 1)
                    mouseClick(findIn(page.importProgressDialog.contentItem, "cancelImportButton"))
            }
            page.cardImport.cardsReady.connect(cancelOnFirst)
            contactsSpy.clear()
            importFile(page, url)
            page.cardImport.cardsReady.disconnect(cancelOnFirst)
            compare(batches, 1, "no batch is handed over after the cancel")
            compare(contactsSpy.count, 0, "nothing stored")
            compare(emails(contacts()), ["mine@x.io"])
            compare(errorToast(), "The import was cancelled: no contact was added.")
            compare(screen.loading, false)

            page.cardImport.batchSize = 500
            importFile(page, url)
            compare(screen.contactBook.count, 3001)
            compare(screen.contactBook.record(3000).email, "n2999@x.io")
        }

        // ---- Export ----

        function test_exportReplacesAnExistingFile() {
            screen.userContactsLists = ["L", "Other"]
            const a = contact("Doe", "John", "john@x.io", "L")
            const b = contact("Roe", "Jane", "jane@x.io", "L")
            screen.contactBook.setRecords([a, contact("Else", "", "else@x.io", "Other"), b])
            const page = openPage()
            const url = writeFile("export.vcf", card("Old", "old@x.io") + "\n" + card("Older", "o@x.io"))

            const expected = screen.getVCard(a) + "\n" + screen.getVCard(b)
            compare(page.activeListVCards(), expected, "two cards, one line feed between them")
            verify(page.exportList(url))
            compare(files.textFromFile(url), expected, "exactly the exported cards")
            verify(page.exportList(url))
            compare(files.textFromFile(url), expected, "a second export replaces the first")
            compare(screen.loading, false)

            verify(!page.exportList("file://" + folder + "/missing/folder/x.vcf"))
            compare(errorToast(), "The file could not be written.")
        }

        // ---- Deleting lists ----

        function test_deletingTheListOfTheOpenContact() {
            screen.userContactsLists = ["Keep", "Drop"]
            screen.selectedLists = ["Drop", "Keep"]
            screen.contactBook.setRecords([contact("K", "", "k@x.io", "Keep"), contact("D", "", "d@x.io", "Drop"),
                                   contact("K2", "", "k2@x.io", "Keep")])
            const page = openPage()
            page.activeList = "Drop"
            page.openContact(1)
            settle()
            compare(shownDetail().objectName, "ContactDetail")

            const dialog = page.deleteListDialog
            compare(dialog.message, "Are you sure you want to delete the list Drop and its 1 contact?")
            dialog.open()
            tryCompare(dialog, "opened", true)
            mouseClick(findIn(dialog.contentItem, "confirmButton"))
            tryCompare(dialog, "visible", false)
            settle()

            compare(shownDetail().objectName, "EmptyDetail")
            compare(emails(contacts()), ["k@x.io", "k2@x.io"])
            compare(screen.userContactsLists, ["Keep"])
            compare(screen.selectedLists, ["Keep"])
            compare(page.activeList, "Keep")
            compare(emails(shownRecords(page)), ["k@x.io", "k2@x.io"])

            // The bar offers the list back with its contact, where they stood.
            const bar = screen.undoBar
            verify(bar.visible)
            compare(bar.text, "List Drop deleted with 1 contact.")
            mouseClick(bar.undoButton)
            compare(bar.visible, false)
            compare(screen.userContactsLists, ["Keep", "Drop"])
            compare(emails(contacts()), ["k@x.io", "d@x.io", "k2@x.io"])
            compare(page.activeList, "Drop")
            compare(store.read("userData", ["contacts"]).contacts.map(c => c.email),
                    ["k@x.io", "d@x.io", "k2@x.io"], "stored as well")
            page.deleteActiveList()

            // The last list: nothing active, menus off.
            page.deleteActiveList()
            compare(screen.userContactsLists, [])
            compare(contacts(), [])
            compare(page.activeList, "")
            compare(findChild(page, "activeListButton").text, "No active list")
            compare(findChild(page, "contactsMenuButton").enabled, false)
            compare(findChild(page, "deleteListButton").enabled, false)
            verify(findChild(page, "noContacts").visible)
        }

        function test_deletingAnotherListKeepsTheOpenContact() {
            screen.userContactsLists = ["Drop", "Keep"]
            screen.contactBook.setRecords([contact("D1", "", "d1@x.io", "Drop"), contact("D2", "", "d2@x.io", "Drop"),
                                   contact("K", "", "k@x.io", "Keep")])
            const page = openPage()
            page.activeList = "Keep"
            page.openContact(2)
            settle()
            page.activeList = "Drop"
            page.deleteActiveList()
            settle()
            compare(shownDetail().objectName, "ContactDetail")
            compare(screen.detailContact, 0, "the open contact's new position")
            compare(findChild(shownDetail(), "cardEmail").text, "k@x.io")
        }

        // ---- The detail ----

        function openDetailOn(contacts, lists, index) {
            screen.userContactsLists = lists
            screen.contactBook.setRecords(contacts)
            const page = openPage()
            page.openContact(index)
            settle()
            const detail = shownDetail()
            compare(detail.objectName, "ContactDetail")
            return detail
        }

        function test_editDuplicateRules_data() {
            return [
                { tag: "nothing changed", email: "a@x.io", list: "L", refused: false },
                { tag: "name changed only", email: "a@x.io", list: "L", last: "New", refused: false },
                { tag: "address taken in the same list", email: "b@x.io", list: "L", refused: true },
                { tag: "new address free", email: "free@x.io", list: "L", refused: false },
                { tag: "moved to a list holding the address", email: "a@x.io", list: "M", refused: true },
                { tag: "moved with a new address that list holds", email: "m@x.io", list: "M", refused: true },
                { tag: "moved to a list without it", email: "a@x.io", list: "N", refused: false }
            ]
        }

        function test_editDuplicateRules(data) {
            const detail = openDetailOn([contact("A", "", "a@x.io", "L"), contact("B", "", "b@x.io", "L"),
                                         contact("A", "", "a@x.io", "M"), contact("M", "", "m@x.io", "M")],
                                        ["L", "M", "N"], 0)
            detail.form.email = data.email
            if (data.last)
                detail.form.lastname = data.last
            detail.listChooser.currentIndex = ["L", "M", "N"].indexOf(data.list)
            contactsSpy.clear()
            mouseClick(findChild(detail, "confirmButton"))
            if (data.refused) {
                compare(errorToast(), "Contact already exists in this list.")
                compare(contactsSpy.count, 0)
                compare(screen.contactBook.record(0).email, "a@x.io")
                compare(screen.contactBook.record(0).list, "L")
            } else {
                compare(errorToast(), "")
                compare(successToastText(), "Contact has been updated.")
                compare(contactsSpy.count, 1)
                compare(screen.contactBook.record(0).email, data.email)
                compare(screen.contactBook.record(0).list, data.list)
                compare(screen.contactBook.count, 4)
            }
        }

        function test_editFieldRefusalsAndCancel_data() {
            return [
                { tag: "no name", last: "", email: "a@x.io", text: "Contact's name is required." },
                { tag: "no email", last: "A", email: "", text: "Contact's email is required." },
                { tag: "bad email", last: "A", email: "a@@x.io", text: "Invalid email." }
            ]
        }

        function test_editFieldRefusalsAndCancel(data) {
            const detail = openDetailOn([contact("A", "", "a@x.io", "L")], ["L", "M"], 0)
            detail.form.lastname = data.last
            detail.form.email = data.email
            detail.listChooser.currentIndex = 1
            detail.updateContact()
            compare(errorToast(), data.text)
            compare(screen.contactBook.record(0).email, "a@x.io")

            mouseClick(findChild(detail, "cancelButton"))
            compare(detail.form.lastname, "A")
            compare(detail.form.email, "a@x.io")
            compare(detail.listChooser.currentText, "L")
        }

        // Editing keeps what the user did not change: other fields of the
        // record, and the full name unless it or a name was changed.
        function test_editKeepsTheFullName() {
            const stored = contact("von Hohenzollern-Sigmaringen-Württemberg-Baden-Hechingen",
                                   "Maximilian", "max@x.io", "L")
            stored.fullname = "Maximilian Alexander von Hohenzollern-Sigmaringen-Württemberg-Baden-Hechingen"
            stored.otheremails = "max@work.example"
            stored.extra = "kept"
            const detail = openDetailOn([stored], ["L"], 0)
            compare(detail.form.fullname, stored.fullname)
            detail.form.telephone = "+49 7471 0"
            const confirm = findChild(detail, "confirmButton")
            // The user scrolls the detail down to its buttons.
            detail.contentY = detail.contentHeight - detail.height
            mouseClick(confirm)
            let record = screen.contactBook.record(0)
            compare([record.fullname, record.telephone, record.otheremails, record.extra],
                    [stored.fullname, "+49 7471 0", "max@work.example", "kept"])

            detail.form.fullname = "Max von Hohenzollern"
            mouseClick(confirm)
            compare(screen.contactBook.record(0).fullname, "Max von Hohenzollern")
            compare(findChild(detail, "cardFullname").text, "Max von Hohenzollern")

            // A changed name makes the full name again.
            detail.form.firstname = ""
            mouseClick(confirm)
            record = screen.contactBook.record(0)
            compare(record.fullname, "von Hohenzollern-Sigmaringen-Württemberg-Baden-Hechingen")
            compare(Object.keys(record).sort(),
                    ["company", "email", "extra", "firstname", "fullname", "lastname", "list",
                     "occupation", "otheremails", "telephone", "website"])
        }

        // Adding the same mailbox in other letter case asks, naming the
        // address already there; declining adds nothing.
        function test_sameMailboxInOtherCaseAsks() {
            screen.userContactsLists = ["L"]
            screen.contactBook.setRecords([contact("Marie", "", "marie@x.io", "L")])
            const page = openPage()
            const dialog = page.addContactDialog
            dialog.open()
            tryCompare(dialog, "opened", true)
            dialog.form.lastname = "Marie B"
            dialog.form.email = "MARIE@x.io"
            mouseClick(findIn(dialog.contentItem, "confirmButton"))
            const ask = page.sameMailboxDialog
            tryCompare(ask, "opened", true)
            compare(ask.message, "This address is already in this list as marie@x.io: add anyway?")
            mouseClick(findIn(ask.contentItem, "closeButton"))
            tryCompare(ask, "visible", false)
            compare(screen.contactBook.count, 1)
            verify(dialog.visible, "the form stays open with what was typed")
            mouseClick(findIn(dialog.contentItem, "confirmButton"))
            tryCompare(ask, "opened", true)
            mouseClick(findIn(ask.contentItem, "confirmButton"))
            tryCompare(dialog, "visible", false)
            compare(emails(contacts()), ["MARIE@x.io", "marie@x.io"])
        }

        // A list at scale as a user handles it: counts, a filter, a sort,
        // Ctrl and Shift clicks, a delete that asks with its number and can
        // be undone exactly, and a move to another list.
        function test_selectFilterDeleteUndoAndMove() {
            const many = []
            for (let i = 0; i < 30; ++i) {
                const c = contact("N" + String(29 - i).padStart(2, "0"), "", "n" + i + "@x.io", "L")
                c.company = i % 10 === 0 ? "Acme" : ""
                many.push(c)
            }
            many.push(contact("Other", "", "n3@X.IO", "M"))
            screen.userContactsLists = ["L", "M"]
            screen.contactBook.setRecords(many)
            const page = openPage()
            compare(findChild(page, "contactsCount").text, "30 contacts in this list · 31 contacts in all lists")

            const filter = findChild(page, "contactsFilter")
            mouseClick(filter)
            keyClick(Qt.Key_A); keyClick(Qt.Key_C); keyClick(Qt.Key_M)
            compare(page.activeListIndexes, [0, 10, 20], "company matches, letter case aside")
            filter.text = ""
            page.sortOrder = ContactBook.ByName
            compare(screen.contactBook.record(page.activeListIndexes[0]).lastname, "N00")

            const view = findChild(page, "contactsListView")
            const row = i => view.itemAtIndex(i)
            mouseClick(row(0))
            mouseClick(row(1), 10, 10, Qt.LeftButton, Qt.ControlModifier)
            compare(page.selectionCount, 2)
            mouseClick(row(3), 10, 10, Qt.LeftButton, Qt.ShiftModifier)
            compare(page.selectionCount, 3, "Shift: rows 1 to 3 alone")
            verify(row(2).selected && !row(0).selected)
            mouseClick(row(2), 10, 10, Qt.LeftButton, Qt.ControlModifier)
            mouseClick(row(0), 10, 10, Qt.LeftButton, Qt.ControlModifier)
            mouseClick(row(3), 10, 10, Qt.LeftButton, Qt.ShiftModifier | Qt.ControlModifier)
            compare(page.selectionCount, 4, "0, 1 and 3, then 0 to 3 added")
            compare(findChild(page, "selectionCount").text, "4 contacts selected")

            const before = store.read("userData", ["contacts"]).contacts
            const chosen = page.selectedIndexes().map(i => screen.contactBook.record(i).email).sort()
            mouseClick(findChild(page, "deleteSelectionButton"))
            const ask = page.deleteSelectionDialog
            tryCompare(ask, "opened", true)
            compare(ask.message, "Delete 4 contacts from the list L?")
            mouseClick(findIn(ask.contentItem, "confirmButton"))
            tryCompare(ask, "visible", false)
            compare(screen.contactBook.count, 27)
            verify(emails(contacts()).every(e => chosen.indexOf(e) < 0))
            compare(page.selectionCount, 0)
            compare(screen.undoBar.text, "4 contacts deleted.")
            mouseClick(screen.undoBar.undoButton)
            compare(store.read("userData", ["contacts"]).contacts, before,
                    "every contact back where it stood, in the store too")

            // Everything shown, to the other list: the one already there
            // (letter case aside) stays.
            mouseClick(findChild(page, "selectAllButton"))
            compare(page.selectionCount, 30)
            mouseClick(findChild(page, "moveSelectionButton"))
            tryCompare(page.moveMenu, "opened", true)
            compare(page.moveMenu.itemAt(0).text, "M")
            keyClick(Qt.Key_Down)
            keyClick(Qt.Key_Return)
            compare(successToastText(), "29 contacts moved to M. 1 already in that list stayed here.")
            compare(emails(shownRecords(page)), ["n3@x.io"])
            compare(screen.contactBook.indexesOf("M").length, 30)
        }

        function test_deleteContactFromTheDetail() {
            const detail = openDetailOn([contact("A", "", "a@x.io", "L"), contact("B", "Bo", "b@x.io", "L")],
                                        ["L"], 1)
            const dialog = detail.deleteDialog
            compare(dialog.message, "Are you sure you want to delete the contact B Bo?")
            dialog.open()
            tryCompare(dialog, "opened", true)
            mouseClick(findIn(dialog.contentItem, "confirmButton"))
            settle()
            compare(emails(contacts()), ["a@x.io"])
            compare(shownDetail().objectName, "EmptyDetail")
            compare(emails(shownRecords(pages().currentItem)), ["a@x.io"])
        }

        function test_exportContactAndQrCode() {
            const one = contact("Doe", "John", "john#1@x.io", "L")
            one.website = "https://x.io/a?b=1&c=50%"
            const detail = openDetailOn([one], ["L"], 0)
            const url = writeFile("contact.vcf", "stale line\nanother")
            verify(detail.exportContact(url))
            compare(files.textFromFile(url), screen.getVCard(one))

            const image = findChild(detail, "qrCode")
            // The scheme and the provider's name come back in lower case.
            const source = image.source.toString()
            compare(source.toLowerCase().indexOf("image://qrcode/"), 0)
            compare(decodeURIComponent(source.substring("image://qrcode/".length)),
                    screen.getVCard(one), "the code holds the card")
            compare(image.sourceSize.width, 96)
            compare(image.sourceSize.height, 96)
            tryCompare(image, "status", Image.Ready, 10000)

            // The code follows the stored record.
            detail.form.company = "ACME"
            verify(detail.updateContact())
            verify(decodeURIComponent(image.source.toString()).indexOf("ORG:ACME") > 0)
        }

        // A spreadsheet export taken the user's whole way: the file chosen
        // from the Import entry in the file dialog, the mapping dialog with
        // what it found and proposed, one column changed, the import, and the
        // list written back as CSV.
        function test_csvImportThroughTheMappingDialogAndExport() {
            screen.userContactsLists = ["L"]
            const page = openPage()
            const quoted = values => values.map(v => '"' + v.replace(/"/g, '""') + '"').join(";")
            const text = "\ufeff" + [
                quoted(["Titre", "Prénom", "Deuxième prénom", "Nom", "Société", "Fonction",
                        "Rue (bureau)", "Téléphone mobile", "Adresse de messagerie",
                        "Nom complet de l'adresse de messagerie", "Adresse de messagerie 2",
                        "Page Web", "Notes"]),
                quoted(["Mme", "Marie", "", "Dupont", "Boulangerie Dupain, Fils", "Gérante",
                        "12 rue de la Paix\r\n\r\nBâtiment B", "+33 6 12 34 56 78",
                        "marie@dupain.fr", "Marie Dupont", "m.dupont@perso.fr",
                        "https://dupain.fr", "Dit \"la boulangère\""]),
                // No display name: the full name is made from the names.
                quoted(["", "Jean", "", "Martin", "", "", "", "", "jean.martin@x.fr",
                        "", "", "", ""])
            ].join("\r\n") + "\r\n"
            writeFile("outlook.csv", text)

            // The file chosen in the file dialog, opened from the menu.
            const window = scene.Window.window.contentItem
            mouseClick(findChild(page, "contactsMenuButton"))
            tryVerify(() => findIn(window, "importItem") && findIn(window, "importItem").height > 0)
            mouseClick(findIn(window, "importItem"))
            tryVerify(() => findIn(window, "fileDialogListView") !== null, 5000)
            page.importDialog.currentFolder = "file://" + folder
            const fileRow = () => {
                const view = findIn(window, "fileDialogListView")
                for (let i = 0; view && i < view.count; ++i) {
                    const row = view.itemAtIndex(i)
                    if (row && String(row.fileName) === "outlook.csv")
                        return row
                }
                return null
            }
            tryVerify(() => fileRow() !== null, 5000, "the CSV file is listed")
            mouseClick(fileRow())
            const dialog = page.csvImportDialog
            mouseDoubleClickSequence(fileRow())
            tryCompare(dialog, "opened", true)

            // What was found, and the proposed field of each column.
            const content = dialog.contentItem
            const label = findIn(content, "csvFormatLabel").text
            verify(label.indexOf("semicolon") >= 0 && label.indexOf("UTF-8") >= 0
                   && label.indexOf("byte-order mark") >= 0, label)
            const field = column => findIn(content, "csvField_" + column)
            tryVerify(() => field(12) !== null)
            compare([0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12].map(c => field(c).currentText),
                    ["Not imported", "First name", "Not imported", "Last name", "Company",
                     "Occupation", "Not imported", "Telephone", "Email", "Not imported", "Email",
                     "Website", "Not imported"])
            verify(findIn(content, "csvImportButton").enabled)

            // The display-name column, scrolled into sight, feeds the full name.
            findIn(content, "csvColumns").positionViewAtIndex(9, ListView.Contain)
            waitForRendering(content)
            mouseClick(field(9))
            tryCompare(field(9).popup, "opened", true)
            const choices = field(9).popup.contentItem
            tryVerify(() => choices.itemAtIndex(3) !== null)
            mouseClick(choices.itemAtIndex(3))
            tryCompare(field(9).popup, "visible", false)
            compare(field(9).currentText, "Full name")
            compare(dialog.mapping[9], 2)

            mouseClick(findIn(content, "csvImportButton"))
            tryCompare(dialog, "visible", false)
            tryCompare(page, "importing", false, 20000)
            tryCompare(page.importProgressDialog, "visible", false)
            compare(errorToast(), "")

            const shown = shownRecords(page)
            compare(shown.length, 2)
            const marie = shown[0]
            compare([marie.lastname, marie.firstname, marie.fullname, marie.telephone, marie.email,
                     marie.otheremails, marie.company, marie.occupation, marie.website, marie.list],
                    ["Dupont", "Marie", "Marie Dupont", "+33 6 12 34 56 78", "marie@dupain.fr",
                     "m.dupont@perso.fr", "Boulangerie Dupain, Fils", "Gérante",
                     "https://dupain.fr", "L"])
            compare([shown[1].fullname, shown[1].email, shown[1].company], ["Martin Jean",
                                                                             "jean.martin@x.fr", ""])

            // Written as CSV and read back: the mark spreadsheets need, a
            // header of the field names, every field as stored.
            const out = "file://" + folder + "/export.csv"
            verify(page.exportList(out, true))
            const back = Qt.createQmlObject("import QmlCppBridge; CsvPreview {}", testCase).read(out)
            compare([back.error, back.delimiter, back.encoding, back.byteOrderMark],
                    ["", ",", "UTF-8", true])
            compare(back.headers, ["lastname", "firstname", "fullname", "telephone", "email",
                                   "company", "occupation", "website", "otheremails"])
            compare(back.rows, [
                ["Dupont", "Marie", "Marie Dupont", "+33 6 12 34 56 78", "marie@dupain.fr",
                 "Boulangerie Dupain, Fils", "Gérante", "https://dupain.fr", "m.dupont@perso.fr"],
                ["Martin", "Jean", "Martin Jean", "", "jean.martin@x.fr", "", "", "", ""]])
        }

        // A contact of long, real-looking values opened from its row: a
        // click on its code shows it large in the smallest window, crisp,
        // and a real QR reader reads the card back from a picture of the
        // window. Escape, and a click on the code, close it; Enter opens it.
        function test_enlargedQrCodeReadsBackAsTheCard() {
            const full = {
                "lastname": "de la Fontaine-Saint-Martin", "firstname": "Marie-Élisabeth Joséphine",
                "telephone": "+33 (0)1 45 67 89 10 poste 2345",
                "email": "marie-elisabeth.delafontaine-saintmartin@cabinet-architectes-associes.example.fr",
                "company": "Cabinet d'Architectes Associés Fontaine, Dupré & Partenaires; Urbanisme",
                "occupation": "Directrice de projets d'urbanisme et d'aménagement durable",
                "website": "https://www.cabinet-architectes-associes.example.fr/equipe/marie-elisabeth?lang=fr&v=2",
                "otheremails": "marie.fontaine.perso@webmail.example.com\nm.e.fontaine@universite-lyon.example.org",
                "list": "Clients"
            }
            full.fullname = full.lastname + " " + full.firstname
            const window = scene.Window.window
            const height = window.height
            scene.height = 660
            window.height = 660
            try {
                screen.userContactsLists = ["Clients"]
                screen.contactBook.setRecords([full])
                const page = openPage()
                const view = findChild(page, "contactsListView")
                tryVerify(() => view.itemAtIndex(0) !== null)
                mouseClick(findChild(view.itemAtIndex(0), "manageButton"))
                settle()
                const detail = shownDetail()
                compare(detail.objectName, "ContactDetail")
                const text = screen.getVCard(detail.contact)
                verify(text.indexOf(full.website) > 0 && text.indexOf(full.occupation) > 0, text)

                const popup = detail.qrPopup
                mouseClick(findChild(detail, "qrCodeButton"))
                tryCompare(popup, "opened", true)
                compare([popup.parent.width, popup.parent.height], [1000, 660], "the smallest window")
                const large = findIn(popup.contentItem, "qrCodeLarge")
                tryCompare(large, "status", Image.Ready, 10000)
                verify(popup.modulePixels >= 4, popup.modules + " modules at " + popup.modulePixels + " px")
                compare(large.width, popup.modules * popup.modulePixels, "whole pixels a module")
                compare(large.sourceSize.width, large.width)
                compare(large.sourceSize.height, large.height)
                compare(popup.contentItem.width, large.width + 2 * popup.quietModules * popup.modulePixels)

                // The picture of the window, as a phone's camera would see it.
                waitForRendering(large)
                const shot = grabImage(popup.parent)
                const origin = large.mapToItem(popup.parent, 0, 0)
                // Not smoothed: across the code every pixel is black or white.
                for (let i = 0; i < large.width; i += 3) {
                    const c = shot.pixel(Math.round(origin.x) + i, Math.round(origin.y) + i)
                    verify((c.r === 0 || c.r === 1) && c.r === c.g && c.g === c.b,
                           "pixel " + i + " of the diagonal is " + c)
                }
                const file = folder + "/enlarged-code.png"
                shot.save(file)
                const read = files.cmdExcute("zbarimg", ["--raw", "-q", "-Sbinary", file])
                compare(read.text, text, "the reader gives back the card")

                keyClick(Qt.Key_Escape)
                tryCompare(popup, "visible", false)
                findChild(detail, "qrCodeButton").forceActiveFocus(Qt.TabFocusReason)
                keyClick(Qt.Key_Return)
                tryCompare(popup, "opened", true)
                mouseClick(large)
                tryCompare(popup, "visible", false)
            } finally {
                scene.height = 730
                window.height = height
            }
        }

        // Tab goes through the contacts page and the open contact with real
        // key presses: every control that takes the focus shows its ring
        // while it has it. A click takes no hidden focus, so Space acts only
        // on a control whose ring shows.
        function test_tabShowsTheFocusOfEveryControl() {
            screen.userContactsLists = ["L"]
            screen.contactBook.setRecords([contact("A", "", "a@x.io", "L"), contact("B", "", "b@x.io", "L")])
            const page = openPage()
            page.openContact(0)
            settle()
            const detail = shownDetail()
            const focused = () => scene.Window.activeFocusItem
            const ringOf = item => {
                for (let i = 0; i < item.children.length; ++i) {
                    if (item.children[i].shown !== undefined && item.children[i].border !== undefined)
                        return item.children[i]
                }
                return null
            }

            const visited = []
            let first = null
            for (let step = 0; step < 80; ++step) {
                keyClick(Qt.Key_Tab)
                const item = focused()
                verify(item, "something has the focus after Tab " + step)
                if (item === first)
                    break
                if (!first)
                    first = item
                const name = item.objectName !== "" ? item.objectName : String(item)
                verify(item.focusFrameVisible === true, name + " says its focus shows")
                const ring = ringOf(item)
                verify(ring && ring.visible && ring.width > item.width, name + " draws its ring")
                visited.push(name)
            }
            compare(focused(), first, "Tab comes round again: " + visited.join(", "))
            for (const name of ["newListButton", "activeListButton", "contactsMenuButton", "deleteListButton",
                                "manageButton", "qrCodeButton", "deleteContactButton", "exportContactButton",
                                "lastnameField", "websiteField", "listChooser", "cancelButton", "confirmButton"])
                verify(visited.indexOf(name) >= 0, name + " is reached: " + visited.join(", "))
            const rows = visited.filter(name => name === "manageButton").length
            compare(rows, 2, "each row's Manage button is reached")

            // Space on "Delete" with its ring showing asks; a click on it
            // leaves the focus where it was, so Space then does not act on it.
            const deleteButton = findChild(detail, "deleteContactButton")
            while (focused() !== deleteButton)
                keyClick(Qt.Key_Tab)
            keyClick(Qt.Key_Space)
            tryCompare(detail.deleteDialog, "opened", true)
            keyClick(Qt.Key_Escape)
            tryCompare(detail.deleteDialog, "visible", false)

            mouseClick(findChild(detail, "lastnameField"))
            mouseClick(deleteButton)
            tryCompare(detail.deleteDialog, "opened", true)
            keyClick(Qt.Key_Escape)
            tryCompare(detail.deleteDialog, "visible", false)
            const now = focused()
            verify(now !== deleteButton && !deleteButton.activeFocus, "the clicked button took no focus")
            verify(now.focusFrameVisible === undefined || now.focusFrameVisible === true,
                   "whatever has the focus shows it: " + now)
            keyClick(Qt.Key_Space)
            wait(200)
            verify(!detail.deleteDialog.visible, "Space did not act on the unmarked button")
            compare(screen.contactBook.count, 2)
        }
    }
}
