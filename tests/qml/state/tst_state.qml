import QtQuick
import QtTest
import QmlCppBridge
import ParvaneTest
import content

// The main screen's application state: the reactions that keep it
// consistent, what a restart finds again in the store, and what becomes of
// stored values of the wrong kind.
Item {
    id: scene

    width: 1000
    height: 730

    MyTrStrings {
        id: myTrStrings
    }

    // Stands in for the native language switch, so that its calls can be seen.
    QtObject {
        id: myTranslator

        property var calls: []

        function setLanguage(language) {
            calls = calls.concat([language])
            return true
        }
    }

    Component {
        id: screenComponent

        Screen01 {
            anchors.fill: parent
        }
    }

    readonly property var helper: QmlCppBridge

    StoreAccess {
        id: store

        owner: scene
        testCase: testCase
        // Every key the main screen stores, by group.
        groups: ({
            "preferences": ["language", "mailsPs", "appInfo"],
            "userData": ["comptes", "activeCompte", "contactsLists", "contacts"],
            "emailContent": ["currentSelectedLists"],
            "sendingForm": ["currentSenderName", "currentSubject", "currentRecipient",
                            "currentEmailContent", "sendingLists", "attachments", "htmlUrl"],
            "search": ["currentSearchQueries", "currentSearchContacts", "currentLastSearchContacts"],
            "window": ["windowVisibility", "x", "y"]
        })
    }

    TestCase {
        id: testCase

        name: "State"
        when: windowShown

        property var screen: null

        readonly property var accountA: ({
            "senderName": "Anna Kim", "serverName": "Gmail", "serverHost": "smtp.gmail.com",
            "serverPort": "587", "connection": "TLS", "address": "anna@example.com",
            "password": "app-pass-1"
        })
        readonly property var accountB: ({
            "senderName": "Bo Lind", "serverName": "Mine", "serverHost": "mail.example.org",
            "serverPort": "465", "connection": "SSL", "address": "bo@example.org",
            "password": ""
        })
        readonly property var accountC: ({
            "senderName": "Cy Roe", "serverName": "Office", "serverHost": "10.0.0.5",
            "serverPort": "25", "connection": "None", "address": "cy@example.net",
            "password": ""
        })

        function contact(email, list) {
            return {
                "lastname": "Doe", "firstname": "John", "fullname": "Doe John",
                "telephone": "+33 1 23", "email": email, "company": "ACME",
                "occupation": "Trader", "website": "https://acme.example", "list": list
            }
        }

        function createScreen() {
            const created = screenComponent.createObject(scene)
            verify(created, "the main screen is created")
            screen = created
            // Let the start-up page finish fading in.
            tryCompare(findChild(created, "pagesStackView"), "busy", false)
            return created
        }

        // Destroys the screen at once, so that its settings reach the store.
        function destroyScreen() {
            if (screen) {
                screen.destroy()
                screen = null
                wait(0)
            }
        }

        function shownPage() {
            return findChild(screen, "pagesStackView").currentItem
        }

        function init() {
            store.clear()
            myTranslator.calls = []
        }

        function cleanup() {
            destroyScreen()
        }

        function test_firstStart() {
            const s = createScreen()
            compare(s.userLanguage, "")
            compare(s.userMailsPs, 1)
            compare(s.appInfo, undefined)
            compare(s.userComptes, [])
            compare(s.userActiveCompte, "")
            compare(s.userContactsLists, [])
            compare(s.contactBook.records(), [])
            compare(s.selectedLists, [])
            compare(s.senderName, "")
            compare(s.subject, "")
            compare(s.recipient, "")
            compare(s.detailEmailContent, "")
            compare(s.sendingLists, [])
            compare(s.emailAttachments, [])
            compare(s.detailEmailContentUrl, "")
            compare(s.searchQueries, [])
            compare(s.searchContacts, [])
            compare(s.lastSearchContacts, [])
            compare(s.windowX, undefined)
            compare(s.windowY, undefined)
            compare(s.windowVisibility, 0)
            compare(s.loading, false)
            compare(s.partialLoading, false)
            compare(s.componentLoadCompleted, true)
            compare(s.isSenderRunning, false)
            compare(s.isSearchRunning, false)
            compare(s.isSendingListRunning, false)
            compare(s.runningSendingList, undefined)
            compare(s.templates, [])
            compare(myTranslator.calls, [], "no language is applied at start")
        }

        function test_activeAccountFollowsAccounts() {
            const s = createScreen()
            s.senderName = "Typed by hand"

            s.userComptes = [accountA, accountB, accountC]
            compare(s.userActiveCompte, accountA.address, "the first account becomes active")
            compare(s.senderName, accountA.senderName, "its sender name is copied")

            s.userActiveCompte = accountC.address
            compare(s.senderName, accountC.senderName)

            // Deleting the active account of three makes the new first one active.
            s.userComptes = [accountB, accountA]
            compare(s.userActiveCompte, accountB.address)
            compare(s.senderName, accountB.senderName)

            // Deleting an account that is not active changes nothing.
            s.senderName = "Edited"
            s.userComptes = [accountB]
            compare(s.userActiveCompte, accountB.address)
            compare(s.senderName, "Edited")

            // An address that is no account does not stay active.
            s.userActiveCompte = "nobody@example.com"
            compare(s.userActiveCompte, accountB.address)

            // Deleting the only account empties the active one and keeps the name.
            s.userComptes = []
            compare(s.userActiveCompte, "")
            compare(s.senderName, accountB.senderName)
            s.userActiveCompte = "nobody@example.com"
            compare(s.userActiveCompte, "", "without accounts nothing can be active")
        }

        function test_refreshToggleOfShownPage() {
            const s = createScreen()
            const page = shownPage()
            compare(page.objectName, "SendEmailsPage")
            const before = page.dataState

            s.senderName = "New name"
            compare(page.dataState, !before, "a new sender name refreshes the page")
            s.senderName = "New name"
            compare(page.dataState, !before, "the same name again is no change")

            s.contactBook.setRecords([contact("a@example.com", "L")])
            compare(page.dataState, before, "new contacts refresh the page")
            s.contactBook.removeAt(0)
            compare(page.dataState, !before, "so does each change of the contacts")
            s.contactBook.setRecords([contact("a@example.com", "L")])

            // Other data is not the shown page's business.
            s.subject = "Hello"
            s.userContactsLists = ["L"]
            compare(page.dataState, before)
        }

        function test_selectedListsKeepOnlyExistingLists() {
            const s = createScreen()
            s.userContactsLists = ["Clients", "Friends", "Press"]
            s.selectedLists = ["Press", "Clients"]

            s.userContactsLists = ["Press", "Friends"]
            compare(s.selectedLists, ["Press"], "the deleted list leaves the selection")

            s.userContactsLists = ["New", "Press", "Friends"]
            compare(s.selectedLists, ["Press"], "a new list is not selected by itself")

            s.userContactsLists = []
            compare(s.selectedLists, [])

            destroyScreen()
            compare(store.read("emailContent", ["currentSelectedLists"]).currentSelectedLists, [],
                    "the pruned selection is what the store keeps")
        }

        function test_languageReaction() {
            store.write("preferences", { "language": "fr_FR" })
            const s = createScreen()
            compare(s.userLanguage, "fr_FR")
            compare(myTranslator.calls, [], "the stored language is not applied again at start")

            s.userLanguage = "en_EN"
            compare(myTranslator.calls, ["en_EN"])
            s.userLanguage = ""
            compare(myTranslator.calls, ["en_EN"], "an empty choice applies nothing")
        }

        function test_restartFindsEveryStoredValue() {
            const values = {
                "userLanguage": "fr_FR",
                "userMailsPs": 0.0016667,
                "appInfo": { "version": "2.2.0", "email": "help@velmora.app", "phone": "+33 1 02" },
                "userComptes": [accountA, accountB],
                "userContactsLists": ["Clients", "Friends"],
                "selectedLists": ["Friends"],
                "subject": "Spring offer",
                "recipient": "a@example.com;b@example.com",
                "detailEmailContent": "Dear {{firstname}},\nhello.",
                "sendingLists": [{ "name": "Monday", "tasks": ["/w/a.pvsav", "/w/b.pvsav"],
                                   "output": "a.pvsav: 3 sent", "done": 1, "nextTask": 1 }],
                "emailAttachments": ["/docs/offer.pdf", "/docs/price list.xlsx"],
                "detailEmailContentUrl": "/mails/offer.html",
                "searchQueries": [{ "terms": "news", "domain": "@example.com", "country": "fr",
                                    "language": "fr", "nextStartIndex": 11 }],
                "searchContacts": [{ "email": "a@example.com", "date": "Mon Dec 7 2026" },
                                   { "email": "b@example.com", "date": "Sun Dec 6 2026" }],
                "lastSearchContacts": [{ "email": "a@example.com", "date": "Mon Dec 7 2026" }],
                "windowX": 120,
                "windowY": -40,
                "windowVisibility": 4
            }
            const contacts = [contact("x@example.com", "Clients"), contact("x@example.com", "Friends")]
            let s = createScreen()
            for (const name in values)
                s[name] = values[name]
            s.contactBook.setRecords(contacts)
            // Neither the first account nor its sender name: both must come back as set.
            s.userActiveCompte = accountB.address
            s.senderName = "Sales team"
            destroyScreen()

            s = createScreen()
            for (const name in values)
                compare(s[name], values[name], name)
            compare(s.contactBook.records(), contacts)
            compare(s.userActiveCompte, accountB.address)
            compare(s.senderName, "Sales team", "the message's sender name wins over the account's")
        }

        // Contacts are stored by the range that changed: after every kind of
        // change the pages make, the store holds exactly the book's records,
        // and a restart finds them again.
        function test_contactChangesReachTheStoreExactly() {
            let s = createScreen()
            const stored = () => store.read("userData", ["contacts"]).contacts
            const expectStored = what => compare(stored(), s.contactBook.records(), what)
            const many = []
            for (let i = 0; i < 40; ++i)
                many.push(contact("c" + i + "@example.com", i % 3 === 0 ? "Friends" : "Clients"))
            s.contactBook.setRecords(many)
            expectStored("the first list")

            verify(s.contactBook.prepend(contact("new@example.com", "Clients")))
            expectStored("a contact added at the front")
            verify(s.contactBook.replace(17, contact("edited@example.com", "Friends")))
            expectStored("a contact replaced")
            verify(s.contactBook.removeAt(5))
            expectStored("a contact deleted")
            verify(!s.contactBook.removeAt(40), "a position outside the book")
            verify(!s.contactBook.replace(-1, contact("x@example.com", "Clients")))
            verify(!s.contactBook.prepend([contact("x@example.com", "Clients")]), "an array is no record")
            expectStored("nothing changed")

            compare(s.contactBook.removeList("Friends"), 15)
            compare(s.contactBook.records().filter(c => c.list === "Friends"), [])
            expectStored("a list's contacts deleted, in runs among the others")

            // A list spread over more runs than are stored one by one.
            const mixed = []
            for (let i = 0; i < 300; ++i)
                mixed.push(contact("m" + i + "@example.com", i % 2 === 0 ? "Odd" : "Even"))
            s.contactBook.setRecords(s.contactBook.records().concat(mixed))
            compare(s.contactBook.removeList("Odd"), 150)
            compare(s.contactBook.count, 25 + 150)
            expectStored("a list spread over 150 runs deleted")

            s.contactBook.setRecords(s.contactBook.records().reverse())
            expectStored("every position changed")
            s.contactBook.setRecords([])
            expectStored("no contact left")
            s.contactBook.prepend(contact("again@example.com", "Clients"))
            expectStored("a first contact again")

            s.contactBook.setRecords(many.slice(0, 20))
            destroyScreen()
            s = createScreen()
            compare(s.contactBook.records(), many.slice(0, 20), "a restart finds them")
            s.contactBook.removeAt(0)
            expectStored("a change after the restart")
        }

        // A store that cannot write (a file stands where its folders must go)
        // tells the user, once however many keys fail.
        function test_unsavedChangesAreReported() {
            const s = createScreen()
            const blocked = "/tmp/parvane-state-blocked-" + Date.now()
            compare(helper.cmdExcute("mkdir", ["-p", blocked]).status, 0)
            compare(helper.cmdExcute("touch", [blocked + "/userData", blocked + "/sendingForm"]).status, 0)
            s.settingsStore.path = blocked
            s.userContactsLists = ["Kept nowhere"]
            s.subject = "Not kept either"
            s.settingsStore.flush()
            let manager = null
            for (let c = 0; c < s.children.length; ++c) {
                if (s.children[c].dangerStyle === true && typeof s.children[c].showOnce === "function")
                    manager = s.children[c]
            }
            verify(manager !== null, "the error toasts")
            const texts = () => {
                const shown = []
                for (let i = 0; i < manager.model.count; ++i)
                    shown.push(manager.model.get(i).text)
                return shown
            }
            tryCompare(manager.model, "count", 1)
            wait(200)
            compare(texts(), ["Your changes could not be saved: the folder could not be created."])
            compare(helper.cmdExcute("rm", ["-rf", blocked]).status, 0)
        }

        // The store as the earlier program left it: one settings file, written
        // by settings objects of the interface, group by group.
        function writeEarlierStore(groups) {
            for (const category in groups) {
                let text = "import Qt.labs.settings\nSettings {\n    category: \"" + category + "\"\n"
                for (const key in groups[category])
                    text += "    property var " + key + "\n"
                const settings = Qt.createQmlObject(text + "}\n", scene, "earlier-" + category)
                for (const key in groups[category])
                    settings[key] = groups[category][key]
                settings.destroy()
                wait(0)
            }
        }

        function test_earlierSingleFileStoreReadsUnchanged() {
            let s = createScreen()
            const storeFolder = s.settingsStore.path
            destroyScreen()
            compare(helper.cmdExcute("rm", ["-rf", storeFolder]).status, 0)
            const contacts = [contact("x@example.com", "Clients"), contact("y@example.com", "Friends")]
            const sendingList = { "name": "Monday", "tasks": ["/w/a.pvsav"], "output": "",
                                  "done": 0, "nextTask": 0 }
            writeEarlierStore({
                "preferences": { "language": "fr_FR", "mailsPs": 0.5,
                                 "appInfo": { "version": "2.2.0", "email": "help@velmora.app" } },
                "userData": { "comptes": [accountA, accountB], "activeCompte": accountB.address,
                              "contactsLists": ["Clients", "Friends"], "contacts": contacts },
                "emailContent": { "currentSelectedLists": ["Friends"] },
                "sendingForm": { "currentSenderName": "Sales team", "currentSubject": "Offre d'été",
                                 "currentRecipient": "a@example.com;", "currentEmailContent": "Bonjour\n{{firstname}}",
                                 "sendingLists": [sendingList], "attachments": ["/docs/offre.pdf"],
                                 "htmlUrl": "/mails/offre.html" },
                "window": { "x": 120, "y": -40, "windowVisibility": 4 },
                "contacts": { "sActiveList": "Friends" }
            })

            s = createScreen()
            compare(s.userLanguage, "fr_FR")
            compare(s.userMailsPs, 0.5)
            compare(s.appInfo, { "version": "2.2.0", "email": "help@velmora.app" })
            compare(s.userComptes, [accountA, accountB])
            compare(s.userActiveCompte, accountB.address)
            compare(s.userContactsLists, ["Clients", "Friends"])
            compare(s.contactBook.records(), contacts)
            compare(s.selectedLists, ["Friends"])
            compare(s.senderName, "Sales team")
            compare(s.subject, "Offre d'été")
            compare(s.recipient, "a@example.com;")
            compare(s.detailEmailContent, "Bonjour\n{{firstname}}")
            compare(s.sendingLists, [sendingList])
            compare(s.emailAttachments, ["/docs/offre.pdf"])
            compare(s.detailEmailContentUrl, "/mails/offre.html")
            compare([s.windowX, s.windowY, s.windowVisibility], [120, -40, 4])
            // Copied once: the store's own files now hold the values.
            compare(store.read("sendingForm", ["currentSubject"]).currentSubject, "Offre d'été")
            compare(store.read("contacts", ["sActiveList"]).sActiveList, "Friends")
            destroyScreen()
            store.clear()
            // Nor does the earlier file stay behind for a later run of the suite.
            compare(helper.cmdExcute("rm", ["-f", storeFolder + "/../../Parvane.conf"]).status, 0)
        }

        function test_storedActiveAccountThatIsGone() {
            store.write("userData", { "comptes": [accountA, accountB],
                                      "activeCompte": "deleted@example.com" })
            const s = createScreen()
            compare(s.userActiveCompte, accountA.address)
            compare(s.senderName, accountA.senderName)
            destroyScreen()
            compare(store.read("userData", ["activeCompte"]).activeCompte, accountA.address)
        }

        function test_storedSelectionNamingDeletedList() {
            store.write("userData", { "contactsLists": ["Clients"] })
            store.write("emailContent", { "currentSelectedLists": ["Gone", "Clients"] })
            const s = createScreen()
            compare(s.selectedLists, ["Clients"])
        }

        // Numbers come back from the INI store as text; they are numbers still.
        function test_numbersStoredAsText() {
            store.write("preferences", { "mailsPs": "0.016667" })
            store.write("window", { "windowVisibility": "4", "x": "15", "y": "-3" })
            const s = createScreen()
            compare(s.userMailsPs, 0.016667)
            compare(s.windowVisibility, 4)
            compare(s.windowX, 15)
            compare(s.windowY, -3)
        }

        function test_wrongKinds_data() {
            const valid = contact("ok@example.com", "Clients")
            return [
                { tag: "accounts as text", category: "userData", key: "comptes",
                  stored: "anna@example.com", property: "userComptes", expected: [] },
                { tag: "accounts as a record", category: "userData", key: "comptes",
                  stored: accountA, property: "userComptes", expected: [] },
                { tag: "account list with non-records", category: "userData", key: "comptes",
                  stored: [7, "text", [accountB], accountA, null], property: "userComptes",
                  expected: [accountA] },
                { tag: "account with a list for its address", category: "userData", key: "comptes",
                  stored: [Object.assign({}, accountB, { "address": ["bo@example.org"] }), accountA],
                  property: "userComptes", expected: [accountA] },
                { tag: "active account as a list", category: "userData", key: "activeCompte",
                  stored: ["anna@example.com"], property: "userActiveCompte", expected: "" },
                { tag: "contacts as a number", category: "userData", key: "contacts",
                  stored: 12, property: "contactBook", expected: [] },
                { tag: "contacts with a non-record", category: "userData", key: "contacts",
                  stored: ["ok@example.com", valid], property: "contactBook", expected: [valid] },
                { tag: "contact with a record for a name", category: "userData", key: "contacts",
                  stored: [Object.assign({}, valid, { "fullname": { "a": 1 } }), valid, true],
                  property: "contactBook", expected: [valid] },
                { tag: "contact fields as numbers and booleans", category: "userData", key: "contacts",
                  stored: [Object.assign({}, valid, { "telephone": 33612, "company": false }), []],
                  property: "contactBook",
                  expected: [Object.assign({}, valid, { "telephone": "33612", "company": "false" })] },
                { tag: "lists as text", category: "userData", key: "contactsLists",
                  stored: "Clients", property: "userContactsLists", expected: [] },
                { tag: "lists with non-text names", category: "userData", key: "contactsLists",
                  stored: ["Clients", 3, { "name": "x" }], property: "userContactsLists",
                  expected: ["Clients"] },
                { tag: "speed as a word", category: "preferences", key: "mailsPs",
                  stored: "fast", property: "userMailsPs", expected: 1 },
                { tag: "speed below zero", category: "preferences", key: "mailsPs",
                  stored: -5, property: "userMailsPs", expected: 1 },
                { tag: "speed as a list", category: "preferences", key: "mailsPs",
                  stored: [5], property: "userMailsPs", expected: 1 },
                { tag: "language as a record", category: "preferences", key: "language",
                  stored: { "key": "fr_FR" }, property: "userLanguage", expected: "" },
                { tag: "app information as text", category: "preferences", key: "appInfo",
                  stored: "2.1.1", property: "appInfo", expected: undefined },
                { tag: "sender name as a list", category: "sendingForm", key: "currentSenderName",
                  stored: ["Anna"], property: "senderName", expected: "" },
                { tag: "attachments as text", category: "sendingForm", key: "attachments",
                  stored: "/docs/offer.pdf", property: "emailAttachments", expected: [] },
                { tag: "sending list with tasks as text", category: "sendingForm", key: "sendingLists",
                  stored: [{ "name": "L", "tasks": "/w/a.pvsav", "output": "", "done": 0,
                             "nextTask": 0 }],
                  property: "sendingLists", expected: [] },
                { tag: "sending list with a negative count", category: "sendingForm",
                  key: "sendingLists",
                  stored: [{ "name": "L", "tasks": ["/w/a.pvsav", "/w/b.pvsav"], "output": "",
                             "done": -1, "nextTask": 0 }],
                  property: "sendingLists", expected: [] },
                { tag: "search query with text index", category: "search", key: "currentSearchQueries",
                  stored: [{ "terms": "t", "domain": "@example.com", "country": "fr",
                             "language": "fr", "nextStartIndex": "21" }],
                  property: "searchQueries",
                  expected: [{ "terms": "t", "domain": "@example.com", "country": "fr",
                               "language": "fr", "nextStartIndex": 21 }] },
                { tag: "found addresses as a record", category: "search", key: "currentSearchContacts",
                  stored: { "email": "a@example.com" }, property: "searchContacts", expected: [] },
                { tag: "window state as a word", category: "window", key: "windowVisibility",
                  stored: "maximized", property: "windowVisibility", expected: 0 },
                { tag: "window position as a record", category: "window", key: "x",
                  stored: { "x": 3 }, property: "windowX", expected: undefined }
            ]
        }

        // A value of the wrong kind gives the initial value (only the damaged
        // elements for arrays of records), without a warning, and the store
        // is mended.
        function test_wrongKinds(data) {
            const stored = {}
            stored[data.key] = data.stored
            store.write(data.category, stored)

            const s = createScreen()
            compare(data.property === "contactBook" ? s.contactBook.records() : s[data.property],
                    data.expected)
            // The screen works on with it: an assignment runs as usual.
            s.userComptes = [accountA]
            compare(s.userActiveCompte, accountA.address)
            destroyScreen()

            const back = store.read(data.category, [data.key])[data.key]
            verify(JSON.stringify(back) !== JSON.stringify(data.stored),
                   "the damaged value is no longer in the store")
        }

        // Record fields that are missing read as empty text; fields the screen
        // does not know, such as the contacts page's index, are kept.
        function test_recordsCompletedOnRead() {
            store.write("userData", { "contacts": [{ "email": "a@example.com", "list": "L",
                                                     "index": 0 }] })
            store.write("sendingForm", { "sendingLists": [{ "name": "L", "tasks": ["a", "b"] }] })
            const s = createScreen()
            compare(s.contactBook.records(), [{
                "lastname": "", "firstname": "", "fullname": "", "telephone": "",
                "email": "a@example.com", "company": "", "occupation": "", "website": "",
                "list": "L", "index": 0
            }])
            compare(s.sendingLists, [{ "name": "L", "tasks": ["a", "b"], "output": "",
                                       "done": 0, "nextTask": 0 }])
        }
    }
}
