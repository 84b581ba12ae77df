import QtQuick
import QtQuick.Controls.Basic
import QtTest
import Parvane
import ParvaneTest
import QmlCppBridge
import content

// SMTP accounts as the user meets them: the accounts page, its add dialog and
// the account panel inside a real main screen, proving accounts against the
// loopback mail servers.
Item {
    id: scene

    width: 1000
    height: 730

    MyTrStrings {
        id: myTrStrings
    }

    MailServers {
        id: servers
    }

    // Dovecot on loopback (tests/servers/imap_server.py), for the mailbox login.
    ServiceProcess {
        id: imap
    }
    OAuthProvider {
        id: oauth
        testCase: testCase
    }

    // The test's own look at the store's files.
    readonly property var shell: QmlCppBridge

    StoreAccess {
        id: store

        // The groups the accounts work uses.
        groups: ({
            "userData": ["comptes", "activeCompte"],
            "sendingForm": ["currentSenderName"],
            "account": ["currentServer", "currentServerName", "currentHost", "currentPort",
                        "currentConnection"]
        })

        owner: scene
        testCase: testCase
    }

    Component {
        id: screenComponent

        Screen01 {
            y: 40
            width: scene.width
            height: scene.height - 40
        }
    }

    Window {
        id: hostWindow
        width: 1000
        height: 40
    }

    Component {
        id: titleBarComponent

        AppTitleBar {
            width: scene.width
            height: 40
        }
    }

    TestCase {
        id: testCase

        name: "Accounts"
        when: windowShown

        property var screen: null

        readonly property int otherPreset: Constants.mailsServers.length - 1
        readonly property int auto_: 0
        readonly property int ssl: 1
        readonly property int tls: 2
        readonly property int none: 3
        // Said plainly, with the server's reply after it.
        readonly property string loginFailed: "The server 127.0.0.1 refused the login: check the account's user name and password. (535 5.7.8 Authentication credentials invalid)"

        // ---- Building and driving the main screen ----

        function pages() { return findChild(screen, "pagesStackView") }
        function details() { return findChild(screen, "detailStackView") }
        function page() { return pages().currentItem }
        function panel() { return details().currentItem }
        function dialog() { return page().addAccountDialog }

        // Scrolled to, as a user does: the forms are taller than the window.
        function clickScrolled(item) {
            for (let view = item.parent; view; view = view.parent) {
                if (view.contentY !== undefined && view.flickableDirection !== undefined) {
                    view.contentY = Math.max(0, Math.min(view.contentHeight - view.height,
                                                         item.mapToItem(view.contentItem, 0, 0).y - 20))
                    break
                }
            }
            mouseClick(item)
        }
        function clickInPanel(nameOrItem) {
            clickScrolled(typeof nameOrItem === "string" ? findChild(panel(), nameOrItem) : nameOrItem)
        }

        function settle() {
            tryCompare(pages(), "busy", false)
            tryCompare(details(), "busy", false)
            compare(screen.loading, false, "the busy state is cleared")
        }

        function createScreen() {
            screen = screenComponent.createObject(scene)
            verify(screen, "the main screen is created")
            settle()
        }

        function destroyScreen() {
            if (screen) {
                screen.destroy()
                screen = null
                wait(0)
            }
        }

        function showAccountsPage() {
            mouseClick(findChild(screen, "accountsMenu"))
            settle()
            compare(page().objectName, "AccountsPage")
        }

        // The screen's own toast stacks (danger and success) and a dialog's.
        function screenToasts(style) {
            for (let i = 0; i < screen.children.length; ++i) {
                const child = screen.children[i]
                if (child.model !== undefined && typeof child.show === "function" && child[style])
                    return child
            }
            fail("no " + style + " toast stack on the main screen")
        }
        function toastTexts(manager) {
            const texts = []
            for (let i = 0; i < manager.model.count; ++i)
                texts.push(manager.model.get(i).text)
            return texts
        }
        function newestToast(manager) {
            return manager.model.count > 0 ? manager.model.get(0).text : ""
        }
        function dialogToasts() { return findChild(dialog(), "dialogDangerToasts") }

        function openAddDialog() {
            mouseClick(findChild(page(), "addAccountLink"))
            tryCompare(dialog(), "opened", true)
        }

        // Picks an entry of a combo box as the user does, which runs its activation.
        function choose(combo, index) {
            combo.currentIndex = index
            combo.activated(index)
        }

        function field(form, name) { return findChild(form, name) }

        // Fills a form: the free "Other" server on the loopback STARTTLS
        // listener, logging in as the servers' user; values override.
        function fill(form, values) {
            const v = Object.assign({
                "senderName": "Anna Kim", "serverName": "Loopback", "listener": "starttls",
                "connection": tls, "address": servers.user, "password": servers.password
            }, values || {})
            choose(field(form, "presetCombo"), otherPreset)
            form.senderName = v.senderName
            form.serverName = v.serverName
            form.host = v.host !== undefined ? v.host : servers.host
            form.port = v.port !== undefined ? v.port : String(servers.port(v.listener))
            choose(field(form, "connectionCombo"), v.connection)
            form.address = v.address
            form.password = v.password
        }

        function confirmAdd() {
            mouseClick(findChild(dialog(), "confirmAddAccountButton"))
            settle()
        }

        // Adds an account through the dialog and checks that it was stored.
        function addThroughDialog(values) {
            openAddDialog()
            fill(dialog().form, values)
            const before = screen.userComptes.length
            confirmAdd()
            compare(screen.userComptes.length, before + 1, "added: " + newestToast(dialogToasts()))
            tryCompare(dialog(), "visible", false)
        }

        function storedAccounts() {
            return store.read("userData", ["comptes", "activeCompte"])
        }

        // What a restart finds: the screen writes its store when it goes
        // away, then the store is read as another program would.
        function storedAfterRestart() {
            destroyScreen()
            return storedAccounts()
        }

        function record(address, senderName, host, port, connection) {
            return {
                "senderName": senderName, "serverName": "Seeded", "serverHost": host,
                "serverPort": port, "connection": connection, "address": address,
                "password": "pw"
            }
        }

        function openPanel(index) {
            const row = findChild(page(), "accountRow" + index)
            verify(row, "row " + index + " is listed")
            mouseClick(findChild(row, "manageButton"))
            settle()
            compare(panel().objectName, "AccountDetail")
        }

        function initTestCase() {
            // The English file, as start-up loads it.
            verify(myTranslator.setLanguage("en_EN"))
            verify(servers.start(), "the loopback mail servers started")
        }

        function init() {
            store.clear()
            servers.clearInbox()
            createScreen()
        }

        function cleanup() {
            if (screen && page() && page().addAccountDialog)
                page().addAccountDialog.close()
            destroyScreen()
        }

        // A store written by the earlier version holds passwords in its
        // accounts file: at start they move to the keychain, and the file
        // keeps the record with an empty password, across a restart too.
        function test_passwordsOfAnEarlierStoreMoveToTheKeychain() {
            destroyScreen()
            const old = record("old@accounts.test", "Old", servers.host, "25", "Auto")
            old.password = "earlier-version-secret-17"
            store.write("userData", { "comptes": [old], "activeCompte": old.address })
            createScreen()
            tryCompare(screen.secrets, "ready", true)
            tryVerify(() => storedAccounts().comptes[0].password === "", 5000,
                      "the stored record loses its password")
            compare(screen.secrets.backend, SecretStore.Keychain)
            compare(screen.accountPassword(screen.userComptes[0]), old.password)
            const kept = Object.assign({}, old, { "password": "" })
            compare(storedAccounts().comptes[0], kept, "every other field kept")

            destroyScreen()
            createScreen()
            tryCompare(screen.secrets, "ready", true)
            compare(screen.accountPassword(screen.userComptes[0]), old.password)
            showAccountsPage()
            openPanel(0)
            compare(panel().form.password, old.password, "the panel shows it for editing")
            verify(!findChild(page(), "noKeychainNotice").visible, "a keychain answered")
            screen.settingsStore.flush()
            compare(shell.cmdExcute("grep", ["-rqF", old.password, screen.settingsStore.path]).status, 1,
                    "no stored file holds it")
        }

        // ---- Adding ----

        function test_addAccountSendsTestMailAndStoresRecord() {
            showAccountsPage()
            verify(findChild(page(), "noAccountLabel").visible, "an empty list says so")
            addThroughDialog()

            const mails = servers.messages()
            compare(mails.length, 1, "one test message")
            const mail = mails[0]
            compare(mail.subject, "Test Mail")
            compare(mail.fromName, "Parvane App")
            compare(mail.from, servers.user)
            // The proof goes to the account's own mailbox, nobody else's.
            compare(mail.to, [servers.user])
            compare(mail.envelopeTo, [servers.user])
            compare(mail.text.trim(), "A test mail")
            compare(mail.login, servers.user, "logged in as the form's address")
            verify(mail.tls, "STARTTLS was used")

            const expected = {
                "senderName": "Anna Kim", "serverName": "Loopback", "serverHost": servers.host,
                "serverPort": String(servers.port("starttls")), "connection": "TLS",
                "address": servers.user, "password": "", "limitDay": "", "limitHour": "", "limitMinute": ""
            }
            compare(screen.userComptes.length, 1)
            compare(Object.keys(screen.userComptes[0]), Object.keys(expected), "field order")
            compare(screen.userComptes[0], expected)
            // The password is in the keychain this suite runs, in no file of the store,
            // and what the store writes is the user's alone.
            compare(screen.secrets.backend, SecretStore.Keychain)
            tryCompare(screen.secrets, "ready", true)
            compare(screen.secrets.secret("account/" + servers.user), servers.password)
            screen.settingsStore.flush()
            const store = screen.settingsStore.path
            compare(shell.cmdExcute("grep", ["-rqF", servers.password, store]).status, 1,
                    "no stored file holds the password")
            compare(shell.cmdExcute("sh", ["-c", "find \"$0\" -perm /077 | wc -l", store]).text.trim(),
                    "0", "store folders 0700, files 0600")
            compare(shell.cmdExcute("test", ["-s", store + "/userData/comptes.json"]).status, 0)

            // The form forgets the address and password only.
            const form = dialog().form
            compare(form.address, "")
            compare(form.password, "")
            compare(form.senderName, "Anna Kim")
            compare(form.host, servers.host)

            // The first account becomes active and names the message's sender.
            compare(screen.userActiveCompte, servers.user)
            compare(screen.senderName, "Anna Kim")

            // The new account's panel is shown, and the list shows the row.
            compare(screen.detailAccount, 0)
            compare(panel().objectName, "AccountDetail")
            compare(findChild(panel(), "headerAddress").text, servers.user)
            verify(findChild(panel(), "activeMark").visible)
            compare(findChild(page(), "accountTitle").text, servers.user + " \u2013 Anna Kim")
            compare(findChild(page(), "accountServer").text, "Loopback")
            verify(!findChild(page(), "noAccountLabel").visible)

            const stored = storedAfterRestart()
            compare(stored.comptes, [expected], "the list reached the store")
            compare(stored.activeCompte, servers.user)
        }

        function test_refusals_data() {
            return [
                { tag: "sender name", values: { "senderName": "" },
                  text: "The sender name is required." },
                { tag: "server name", values: { "serverName": "" },
                  text: "The server name is required." },
                { tag: "host", values: { "host": "" }, text: "The SMTP host is required." },
                { tag: "port", values: { "port": "" }, text: "The SMTP port is required." },
                // 70000 would otherwise go to port 4464.
                { tag: "port above 65535", values: { "port": "70000" },
                  text: "The SMTP port must be a number from 1 to 65535." },
                { tag: "port 0", values: { "port": "0" },
                  text: "The SMTP port must be a number from 1 to 65535." },
                { tag: "address", values: { "address": "" },
                  text: "The email address is required." },
                { tag: "password with SSL", values: { "password": "", "connection": 1 },
                  text: "The password is required." },
                { tag: "password with TLS", values: { "password": "" },
                  text: "The password is required." },
                { tag: "final dot", values: { "address": "tester@localhost." },
                  text: "Invalid email." },
                { tag: "two at signs", values: { "address": "tester@local@host" },
                  text: "Invalid email." },
                { tag: "empty label", values: { "address": "tester@a..b" },
                  text: "Invalid email." },
                { tag: "no local part", values: { "address": "@localhost" },
                  text: "Invalid email." },
                { tag: "space", values: { "address": "test er@localhost" },
                  text: "Invalid email." },
                { tag: "non-ASCII", values: { "address": "tëster@localhost" },
                  text: "Invalid email." },
                // Only the first failing check speaks.
                { tag: "server name before host", values: { "serverName": "", "host": "" },
                  text: "The server name is required." },
                { tag: "password before pattern",
                  values: { "password": "", "address": "bad@@address" },
                  text: "The password is required." },
                { tag: "all empty", values: { "senderName": "", "serverName": "", "host": "",
                                              "port": "", "address": "", "password": "" },
                  text: "The sender name is required." }
            ]
        }

        function test_refusals(data) {
            showAccountsPage()
            openAddDialog()
            fill(dialog().form, data.values)
            const toasts = dialogToasts()
            const before = toasts.model.count
            confirmAdd()
            compare(toasts.model.count, before + 1, "exactly one toast")
            compare(newestToast(toasts), data.text)
            compare(screen.userComptes, [], "nothing stored")
            compare(servers.count(), 0, "no test message")
            verify(dialog().opened, "the dialog stays open")
            compare(screen.loading, false)
            compare(screenToasts("dangerStyle").model.count, 0, "the refusal is in the dialog")
        }

        function test_addressPatternAccepts_data() {
            return [
                { tag: "domain without a dot", address: "tester@localhost" },
                { tag: "special characters", address: "o'neil+tag!#$%&*/=?^_`{|}~-.x@mail-host.example" },
                { tag: "digits and hyphens", address: "42@a-1.b-2.c3" }
            ]
        }

        // Without a password and with "None" no login is sent, so any address
        // can prove itself on the plain listener.
        function test_addressPatternAccepts(data) {
            showAccountsPage()
            addThroughDialog({ "listener": "plain", "connection": none, "password": "",
                               "address": data.address })
            compare(screen.userComptes[0].address, data.address)
            const mails = servers.messages()
            compare(mails.length, 1)
            compare(mails[0].from, data.address)
            compare(mails[0].login, "", "no login without a password")
        }

        function test_emptyPasswordWithAutoOrNone_data() {
            return [
                { tag: "Auto", connection: 0, value: "Auto" },
                { tag: "None", connection: 3, value: "None" }
            ]
        }

        function test_emptyPasswordWithAutoOrNone(data) {
            showAccountsPage()
            addThroughDialog({ "listener": "plain", "connection": data.connection,
                               "password": "" })
            compare(screen.userComptes[0].connection, data.value)
            compare(screen.userComptes[0].password, "")
            compare(servers.messages()[0].login, "")
            const stored = storedAfterRestart().comptes
            compare(stored.length, 1)
            compare(stored[0].password, "", "stored with its empty password")
            compare(stored[0].connection, data.value)
        }

        function test_duplicateAndCaseDifferingAddresses() {
            showAccountsPage()
            addThroughDialog()
            compare(servers.count(), 1)

            // The same address again is refused before anything is sent.
            openAddDialog()
            fill(dialog().form, { "senderName": "Bo Lind" })
            confirmAdd()
            compare(newestToast(dialogToasts()), "Account already exists.")
            compare(screen.userComptes.length, 1)
            compare(servers.count(), 1, "no second test message")
            compare(screen.loading, false)

            // Differing in case only, it is another account, listed first but
            // not made active.
            const other = "Tester@localhost"
            fill(dialog().form, { "senderName": "Bo Lind", "address": other, "password": "",
                                  "listener": "plain", "connection": none })
            confirmAdd()
            compare(screen.userComptes.length, 2, newestToast(dialogToasts()))
            compare(screen.userComptes[0].address, other)
            compare(screen.userComptes[1].address, servers.user)
            compare(screen.userActiveCompte, servers.user, "the first account stays active")
            compare(screen.senderName, "Anna Kim", "the sender name is not replaced")
            compare(findChild(page(), "accountTitle").text, other + " \u2013 Bo Lind")
            verify(!findChild(panel(), "activeMark").visible, "the new panel is not marked active")
        }

        // Each failure said in plain words of the interface language, the
        // library's or server's own text after it for the expert.
        function test_failedTestSendStoresNothing_data() {
            const refused = servers.host + ":" + servers.port("refused")
            const starttls = servers.host + ":" + servers.port("starttls")
            return [
                { tag: "wrong password", values: { "password": "wrong-pass" },
                  text: loginFailed },
                { tag: "refused port, in French", language: "fr_FR",
                  values: { "listener": "refused" },
                  text: "Connexion refusée par " + refused
                        + "\u00a0: vérifiez le nom du serveur et le port. (Couldn't connect to server)" },
                { tag: "SSL/TLS on a STARTTLS port, in French", language: "fr_FR",
                  values: { "connection": ssl },
                  prefix: "Aucune connexion sécurisée n’a pu être établie avec " + starttls
                          + "\u00a0: vérifiez que le type de connexion (SSL/TLS ou STARTTLS) est "
                          + "celui qu’attend ce port. (" },
                { tag: "untrusted certificate", values: { "listener": "badsmtps", "connection": ssl },
                  prefix: "The certificate of the server " + servers.host
                          + " is not trusted, so nothing was sent to it. (" }
            ]
        }

        function test_failedTestSendStoresNothing(data) {
            if (data.language)
                verify(myTranslator.setLanguage(data.language))
            try {
                failedTestSendStoresNothing(data)
            } finally {
                verify(myTranslator.setLanguage("en_EN"))
            }
        }

        function failedTestSendStoresNothing(data) {
            showAccountsPage()
            openAddDialog()
            fill(dialog().form, data.values)
            const toasts = dialogToasts()
            confirmAdd()
            compare(toasts.model.count, 1)
            const shown = newestToast(toasts)
            if (data.text)
                compare(shown, data.text)
            else
                verify(shown.startsWith(data.prefix) && shown.endsWith(")"), shown)
            compare(screen.userComptes, [])
            compare(servers.count(), 0)
            compare(screen.userActiveCompte, "")
            verify(dialog().opened)
            compare(dialog().form.address, servers.user, "the form keeps what was typed")
            compare(screen.loading, false)
            const stored = storedAfterRestart()
            compare(stored.comptes, [], "the store holds no account")
            compare(stored.activeCompte, "")
        }

        // ---- Presets and the remembered server ----

        // The mailbox settings as a user meets them: a preset fills the IMAP
        // server once asked for; settings are kept only once their login went
        // through, their own password in the keychain and in no file; the
        // suppression page's check then logs in with it.
        function test_mailboxKeptOnlyOnceItsLoginWentThrough() {
            const work = shell.cmdExcute("mktemp", ["-d"]).text.trim()
            const line = imap.start("/usr/bin/python3", [imap.environment("PARVANE_SOURCE_DIR")
                                                         + "/tests/servers/imap_server.py", work])
            verify(line !== "", imap.errors())
            const dovecot = JSON.parse(line)
            screen.mailboxWatcher.extraCaFile = dovecot.ca
            showAccountsPage()
            openAddDialog()
            const form = dialog().form
            choose(field(form, "presetCombo"), 0)
            clickScrolled(field(form, "imapBox"))
            compare(form.imapHost, "imap.gmail.com")
            compare(form.imapPort, "993")
            fill(form)
            compare(form.imapHost, "imap.gmail.com", "\"Other\" keeps what the mailbox fields hold")
            form.imapHost = "localhost"
            form.imapPort = String(dovecot.ports.imaps)
            form.imapUsername = dovecot.user
            form.imapPassword = "not-it"
            confirmAdd()
            compare(newestToast(dialogToasts()), "Test the mailbox login before the IMAP settings are kept.")
            compare(screen.userComptes, [], "nothing stored")

            const label = field(form, "imapTestLabel")
            const testLogin = () => {
                clickScrolled(field(form, "imapTestButton"))
                verify(form.imapTesting, "the click reached the button")
            }
            testLogin()
            tryCompare(form, "imapTesting", false, 30000)
            verify(label.text.startsWith("The mailbox login failed: The server refused the login"), label.text)
            form.imapPassword = dovecot.password
            testLogin()
            tryCompare(form, "imapTesting", false, 30000)
            compare(label.text, "The mailbox login went through.")
            confirmAdd()
            compare(screen.userComptes.length, 1, newestToast(dialogToasts()))
            const stored = screen.userComptes[0]
            compare([stored.imapHost, stored.imapPort, stored.imapConnection, stored.imapUsername],
                    ["localhost", String(dovecot.ports.imaps), "SSL", dovecot.user])
            compare(screen.secrets.secret("imap/" + servers.user), dovecot.password)
            screen.settingsStore.flush()
            compare(shell.cmdExcute("grep", ["-rqF", dovecot.password, screen.settingsStore.path]).status,
                    1, "no stored file holds the mailbox password")

            mouseClick(findChild(screen, "suppressionMenu"))
            tryCompare(page(), "objectName", "SuppressionPage")
            tryCompare(pages(), "busy", false)
            mouseClick(findChild(page(), "mailboxCheckButton"))
            const text = findChild(page(), "mailboxCheckText")
            tryVerify(() => text.text !== "", 30000)
            compare(text.text, "New reports about your messages: 0; addresses listed: 0.")
            imap.stop()
        }

        // "Sign in with Microsoft" as a user meets it: the browser's consent,
        // the address from the provider, the test message sent with the
        // token (the server asks the provider whether it is valid), and the
        // account stored with no password, its refresh token in the keychain.
        // A declined consent stores nothing and says so.
        function test_signInWithMicrosoftStoresTheAccountAfterItsTest() {
            oauth.start()
            const provider = oauth.info
            showAccountsPage()
            openAddDialog()
            const form = dialog().form
            fill(form, { "port": String(provider.smtp), "address": "", "password": "" })
            const text = findChild(dialog(), "signInText")

            mouseClick(findChild(dialog(), "signInMicrosoftButton"))
            oauth.consent("deny", 1)
            tryVerify(() => text.text.indexOf("declined") >= 0, 10000, text.text)
            compare(screen.userComptes, [])

            mouseClick(findChild(dialog(), "signInMicrosoftButton"))
            oauth.consent("allow", 2)
            tryVerify(() => screen.userComptes.length === 1, 15000,
                      text.text + " / " + newestToast(dialogToasts()))
            const stored = screen.userComptes[0]
            compare([stored.address, stored.auth, stored.password], [provider.user, "microsoft", ""])
            verify(screen.secrets.secret("oauth/" + provider.user) !== "", "the refresh token is kept")
            compare(screen.secrets.secret("account/" + provider.user), "", "no password")
            compare(oauth.inboxCount(), 1, "the test message went in with the token")
            verify(screen.freshToken(provider.user) !== "")

            // The panel signs the account in again, as its messages say to.
            tryCompare(dialog(), "visible", false)
            tryCompare(details(), "busy", false)
            tryVerify(() => panel() && panel().objectName === "AccountDetail")
            clickInPanel("signInAgainButton")
            oauth.consent("allow", 3)
            tryCompare(findChild(panel(), "signInText"), "text", "Signed in again as " + provider.user + ".", 10000)
            oauth.stop()
        }

        function test_presetsFillAndLockTheServerFields() {
            showAccountsPage()
            const form = dialog().form
            // A first build selects the first preset.
            compare(form.presetIndex, 0)
            compare(form.serverName, "Gmail")
            compare(form.host, "smtp.gmail.com")
            compare(form.port, "587")
            compare(form.connectionValue, "TLS")
            verify(field(form, "hostField").readOnly)
            verify(field(form, "serverNameField").readOnly)
            verify(field(form, "portField").readOnly)
            verify(!field(form, "connectionCombo").enabled)
            // The provider's sending limits come with its preset.
            compare([form.limitDay, form.limitHour, form.limitMinute], ["500", "", ""])

            choose(field(form, "presetCombo"), 2)
            compare([form.limitDay, form.limitHour, form.limitMinute], ["300", "", "30"])
            choose(field(form, "presetCombo"), 4)
            compare(form.serverName, "Zoho Mail")
            compare(form.host, "smtp.zoho.com")
            compare(form.port, "465")
            compare(form.connectionValue, "SSL")

            // "Other" frees the fields and keeps the host and port.
            choose(field(form, "presetCombo"), otherPreset)
            compare(form.serverName, "Other")
            compare(form.host, "smtp.zoho.com")
            compare(form.port, "465")
            compare(form.connectionValue, "SSL")
            verify(!field(form, "hostField").readOnly)
            verify(!field(form, "serverNameField").readOnly)
            verify(!field(form, "portField").readOnly)
            verify(field(form, "connectionCombo").enabled)
            compare(field(form, "connectionCombo").count, 4)
            compare([form.limitDay, form.limitHour, form.limitMinute], ["", "", ""])
        }

        function test_addDialogRemembersServerAcrossRestarts() {
            showAccountsPage()
            let form = dialog().form
            choose(field(form, "presetCombo"), otherPreset)
            form.host = "mx.example.org"
            form.port = "2525"
            choose(field(form, "connectionCombo"), none)
            form.senderName = "Not remembered"
            form.address = "not@remembered"
            cleanup()

            const stored = store.read("account", ["currentServer", "currentHost", "currentPort",
                                                  "currentConnection"])
            compare(Number(stored.currentServer), otherPreset)
            compare(stored.currentHost, "mx.example.org")
            compare(stored.currentPort, "2525")
            compare(Number(stored.currentConnection), none)

            createScreen()
            showAccountsPage()
            form = dialog().form
            compare(form.presetIndex, otherPreset)
            compare(form.host, "mx.example.org")
            compare(form.port, "2525")
            compare(form.connectionValue, "None")
            compare(form.senderName, "")
            compare(form.address, "")
            verify(!field(form, "hostField").readOnly)

            // A fixed preset comes back with its own values, locked.
            choose(field(form, "presetCombo"), 2)
            cleanup()
            createScreen()
            showAccountsPage()
            form = dialog().form
            compare(form.presetIndex, 2)
            compare(form.host, "smtp-mail.outlook.com")
            compare(form.port, "587")
            compare(form.connectionValue, "TLS")
            verify(field(form, "hostField").readOnly)
        }

        function test_closeKeepsTypedValues() {
            showAccountsPage()
            openAddDialog()
            fill(dialog().form, { "senderName": "Kept" })
            mouseClick(findChild(dialog(), "closeAddAccountButton"))
            tryCompare(dialog(), "visible", false)
            openAddDialog()
            compare(dialog().form.senderName, "Kept")
            compare(dialog().form.password, servers.password)
            compare(servers.count(), 0)
        }

        function test_passwordToolTipShowsAtOnce() {
            showAccountsPage()
            openAddDialog()
            const icon = findChild(dialog().form, "passwordInfoIcon")
            verify(!icon.toolTip.visible)
            mouseMove(icon, icon.width / 2, icon.height / 2)
            tryCompare(icon.toolTip, "visible", true, 500)
            compare(icon.toolTip.text, "For some servers like Gmail, you must use an application password.")
            compare(icon.toolTip.delay, 0)
            mouseMove(dialog().contentItem, 5, 5)
            tryCompare(icon.toolTip, "visible", false)
        }

        // ---- The account panel ----

        function test_panelSelectsMatchingPreset_data() {
            return [
                { tag: "Gmail", host: "smtp.gmail.com", port: "587", connection: "TLS",
                  preset: 0, locked: true },
                { tag: "GMX", host: "mail.gmx.net", port: "465", connection: "SSL",
                  preset: 7, locked: true },
                { tag: "other connection", host: "smtp.gmail.com", port: "587",
                  connection: "SSL", preset: 8, locked: false },
                { tag: "other port", host: "smtp.gmail.com", port: "465", connection: "TLS",
                  preset: 8, locked: false },
                { tag: "own server", host: "10.1.2.3", port: "25", connection: "None",
                  preset: 8, locked: false }
            ]
        }

        function test_panelSelectsMatchingPreset(data) {
            screen.userComptes = [record("a@example.com", "Anna", data.host, data.port,
                                         data.connection)]
            showAccountsPage()
            openPanel(0)
            const form = panel().form
            compare(form.presetIndex, data.preset)
            compare(form.connectionValue, data.connection)
            compare(form.host, data.host)
            compare(form.port, data.port)
            compare(form.serverName, "Seeded", "the stored server name is shown")
            compare(field(form, "hostField").readOnly, data.locked)
            compare(field(form, "portField").readOnly, data.locked)
            compare(field(form, "serverNameField").readOnly, data.locked)
            compare(field(form, "connectionCombo").enabled, !data.locked)
            verify(field(form, "addressField").readOnly, "the address cannot be edited")
        }

        function test_manageShowsEachAccount() {
            screen.userComptes = [record("a@example.com", "Anna", "h1", "25", "None"),
                                  record("b@example.com", "Bo", "h2", "25", "None")]
            showAccountsPage()
            compare(findChild(findChild(page(), "accountRow0"), "accountTitle").text,
                    "a@example.com \u2013 Anna")
            openPanel(1)
            const first = panel()
            compare(screen.detailAccount, 1)
            compare(findChild(first, "headerAddress").text, "b@example.com")
            compare(findChild(first, "headerSenderName").text, "Bo")
            verify(!findChild(first, "activeMark").visible)
            openPanel(0)
            verify(panel() !== first, "a fresh panel")
            compare(findChild(panel(), "headerAddress").text, "a@example.com")
            verify(findChild(panel(), "activeMark").visible)
            compare(findChild(panel(), "activeMark").text, "Active 🗸")
        }

        function test_editAccount() {
            showAccountsPage()
            addThroughDialog()
            const form = panel().form
            const danger = screenToasts("dangerStyle")
            const success = screenToasts("successStyle")

            // A required field left empty is refused by a main-window toast.
            form.senderName = ""
            clickInPanel("confirmEditButton")
            settle()
            compare(newestToast(danger), "The sender name is required.")
            compare(servers.count(), 1)

            // A port that does not exist is refused before anything is tried.
            form.senderName = "Anna K."
            const port = form.port
            form.port = "70000"
            clickInPanel("confirmEditButton")
            settle()
            compare(newestToast(danger), "The SMTP port must be a number from 1 to 65535.")
            compare(servers.count(), 1)
            form.port = port

            // A change that passes its test message replaces the record.
            form.serverName = "Loopback 2"
            clickInPanel("confirmEditButton")
            settle()
            compare(newestToast(success), "Account has been updated.")
            compare(servers.count(), 2)
            compare(servers.messages()[1].subject, "Test Mail")
            compare(screen.userComptes.length, 1)
            compare(screen.userComptes[0].senderName, "Anna K.")
            compare(screen.userComptes[0].serverName, "Loopback 2")
            compare(screen.userComptes[0].address, servers.user)
            compare(findChild(panel(), "headerSenderName").text, "Anna K.")

            // New sending limits alone are kept without a test message, and
            // the list says what they leave the account.
            clickInPanel(field(form, "limitDayField"))
            keyClick(Qt.Key_2)
            keyClick(Qt.Key_0)
            clickInPanel("confirmEditButton")
            settle()
            compare(newestToast(success), "Account has been updated.")
            compare(servers.count(), 2)
            compare(screen.userComptes[0].limitDay, "20")
            compare(findChild(page(), "accountServer").text, "Loopback 2 \u00b7 0 of 20 today")

            // A change whose test message fails leaves the record as it was...
            const before = screen.userComptes[0]
            form.senderName = "Never saved"
            form.password = "wrong-pass"
            clickInPanel("confirmEditButton")
            settle()
            compare(newestToast(danger), loginFailed)
            compare(screen.userComptes[0], before)

            // ... and Cancel shows the stored values again.
            clickInPanel("cancelEditButton")
            compare(form.senderName, "Anna K.")
            compare(form.password, servers.password)
            compare(form.presetIndex, otherPreset)
            compare(form.connectionValue, "TLS")

            compare(storedAfterRestart().comptes, [before], "the store holds the accepted change")
        }

        // ---- Deleting, and the active account ----

        function test_deleteActiveThenLastAccount() {
            const bar = titleBarComponent.createObject(hostWindow.contentItem, { "window": hostWindow,
                                                                "screen": screen })
            verify(bar)
            screen.userComptes = [record("a@example.com", "Anna", "h", "25", "None"),
                                  record("b@example.com", "Bo", "h", "25", "None")]
            compare(screen.userActiveCompte, "a@example.com")
            compare(screen.senderName, "Anna")
            showAccountsPage()

            openPanel(0)
            mouseClick(findChild(panel(), "deleteAccountButton"))
            const confirmation = panel().deleteDialog
            tryCompare(confirmation, "opened", true)
            compare(confirmation.message, "Are you sure you want to delete the account a@example.com?")
            const confirmButton = findChild(confirmation, "confirmButton")
            compare(confirmButton.text, "Delete")
            verify(confirmButton.dangerStyle)

            // Closing keeps the account.
            mouseClick(findChild(confirmation, "closeButton"))
            tryCompare(confirmation, "visible", false)
            compare(screen.userComptes.length, 2)

            mouseClick(findChild(panel(), "deleteAccountButton"))
            tryCompare(confirmation, "opened", true)
            mouseClick(findChild(confirmation, "confirmButton"))
            settle()
            compare(screen.userComptes.length, 1)
            compare(screen.userActiveCompte, "b@example.com", "the first remaining account is active")
            compare(screen.senderName, "Bo")
            compare(panel().objectName, "EmptyDetail")
            compare(bar.accountButton.text, "b@example.com")

            openPanel(0)
            mouseClick(findChild(panel(), "deleteAccountButton"))
            tryCompare(panel().deleteDialog, "opened", true)
            mouseClick(findChild(panel().deleteDialog, "confirmButton"))
            settle()
            compare(screen.userComptes, [])
            compare(screen.userActiveCompte, "")
            compare(screen.senderName, "Bo", "the sender name stays as it was")
            compare(bar.accountButton.text, "No active account")
            verify(findChild(page(), "noAccountLabel").visible)
            bar.destroy()
            const stored = storedAfterRestart()
            compare(stored.comptes, [], "the empty list reached the store")
            compare(stored.activeCompte, "")
        }
    }
}
