import QtQuick
import QtQuick.Controls.Basic
import QtTest
import QmlCppBridge
import ParvaneTest
import content
import Parvane

// The compose page inside a real main screen: the form, the list selection,
// and sending runs delivered to the loopback SMTP servers, whose received
// messages are checked one by one.
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

    // The web service that receives the one-click unsubscribes.
    ServiceProcess {
        id: service
    }

    OAuthProvider {
        id: oauth
        testCase: testCase
    }
    OAuthSignIn {
        id: testSignIn
    }
    SignalSpy {
        id: signInSpy
        target: testSignIn
        signalName: "signedIn"
    }

    // The test's own bridge, for files and the name server.
    readonly property var helper: QmlCppBridge

    Component {
        id: screenComponent

        Screen01 {
            anchors.fill: parent
        }
    }

    TestCase {
        id: testCase

        name: "Compose"
        when: windowShown

        property var screen: null
        property string workDir: ""
        property int suppressionSerial: 0
        readonly property string dnsPidFile: "/tmp/parvane-qml-compose-dns.pid"

        readonly property var clients: [
            contact("Martin", "Paul", "paul.martin@clients.test", "ACME", "Clients"),
            contact("Durand", "Léa", "lea.durand@clients.test", "", "Clients")
        ]
        readonly property var friends: [
            contact("Roe", "Cy", "cy.roe@friends.test", "Home", "Friends")
        ]
        readonly property var others: [
            contact("Nobody", "Ann", "ann@others.test", "Elsewhere", "Others")
        ]

        function contact(lastname, firstname, email, company, list) {
            return {
                "lastname": lastname, "firstname": firstname,
                "fullname": lastname + " " + firstname, "telephone": "+33 1 23 45",
                "email": email, "company": company, "occupation": "", "website": "",
                "list": list
            }
        }

        function account(password) {
            return {
                "senderName": "Account Sender", "serverName": "Loopback",
                "serverHost": servers.host, "serverPort": String(servers.port("starttls")),
                "connection": "TLS", "address": servers.user, "password": password
            }
        }

        // ---- The name server that makes the online check succeed ----

        function startDns() {
            const result = helper.cmdExcute("/usr/sbin/dnsmasq", [
                "--conf-file=/dev/null", "--port=53", "--listen-address=127.0.84.1",
                "--bind-interfaces", "--no-resolv", "--no-hosts", "--user=root",
                "--address=/probe.parvane.test/127.0.0.9", "--pid-file=" + dnsPidFile,
                // A sender's domain whose SPF leaves the loopback server out,
                // without DMARC or MX records.
                "--local=/shop.test/", "--txt-record=shop.test,v=spf1 ip4:192.0.2.0/24 -all"])
            compare(result.status, 0, "dnsmasq starts: " + result.text)
        }

        function stopDns() {
            const pid = helper.textFromFile("file://" + dnsPidFile).trim()
            if (pid !== "")
                helper.cmdExcute("kill", [pid])
            helper.cmdExcute("rm", ["-f", dnsPidFile])
            wait(100)
        }

        function initTestCase() {
            // The English file, as start-up loads it: it holds the plural forms.
            verify(myTranslator.setLanguage("en_EN"))
            verify(servers.start(), "the mail servers listen")
            stopDns() // one left by an interrupted run
            startDns()
            workDir = "/tmp/parvane-qml-compose-" + Date.now()
            compare(helper.cmdExcute("mkdir", ["-p", workDir + "/images"]).status, 0)
        }

        function cleanupTestCase() {
            stopDns()
            if (workDir !== "")
                helper.cmdExcute("rm", ["-rf", workDir])
        }

        // ---- The screen and its parts ----

        function init() {
            servers.clearInbox()
            screen = screenComponent.createObject(scene)
            verify(screen)
            tryCompare(findChild(screen, "pagesStackView"), "busy", false)
            tryCompare(findChild(screen, "detailStackView"), "busy", false)
            screen.userContactsLists = ["Clients", "Friends", "Others"]
            screen.contactBook.setRecords(clients.concat(friends).concat(others))
            screen.userComptes = [account(servers.password)]
            // A case that changed the password leaves none of it behind.
            screen.keepPassword(servers.user, servers.password)
            screen.userActiveCompte = servers.user
            screen.userMailsPs = 10
            screen.senderName = "Zoé Lefèvre"
            screen.subject = "Lettre d'été"
            screen.recipient = ""
            screen.selectedLists = []
            screen.detailEmailContent = "Hello {{firstname}}"
            screen.detailEmailContentUrl = ""
            screen.emailAttachments = []
            screen.sendingLists = []
            screen.runAccounts = []
            screen.runSpread = "fill"
            screen.isSendingListRunning = false
            screen.runningSendingList = undefined
            screen.runningSendingListOutput = ""
            // The cases compare whole texts; the unsubscribe line has a case of its own.
            screen.unsubscribeLink = false
            screen.messageLanguage = ""
            screen.suppressBounces = true
            // Each case its own suppression list: a bounce in one case must
            // not turn another's refusal into a skip.
            screen.suppressionList.path = workDir + "/suppression-" + (++suppressionSerial) + ".tsv"
        }

        function cleanup() {
            RunClock.offsetMs = 0
            if (screen) {
                const dialog = screen.sendingController.dialog
                dialog.close()
                // Each case a new user: no stopped run offered, no earlier run
                // of the same message leaving its recipients out.
                const run = screen.sendingController.run
                helper.cmdExcute("rm", ["-rf", run.historyPath, run.journalPath])
                screen.destroy()
                screen = null
                wait(0)
            }
        }

        function page() {
            return findChild(screen, "pagesStackView").currentItem
        }

        // The page the side menu opened, once it has come in and taken input.
        function openedPage(name) {
            tryCompare(page(), "objectName", name)
            tryCompare(findChild(screen, "pagesStackView"), "busy", false)
            tryCompare(screen, "loading", false)
        }

        function dialog() {
            return page().sendingDialog
        }

        function dialogChild(name) {
            return findChild(dialog().contentItem, name)
        }

        // Texts of the main screen's danger toasts, newest first.
        function toastTexts() {
            for (let c = 0; c < screen.children.length; ++c) {
                const child = screen.children[c]
                if (child.dangerStyle === true && child.model && typeof child.show === "function") {
                    const texts = []
                    for (let i = 0; i < child.model.count; ++i)
                        texts.push(child.model.get(i).text)
                    return texts
                }
            }
            fail("the danger toasts are found")
        }

        function run() {
            return screen.sendingController.run
        }

        // Waits until the run has ended and nothing is in flight.
        function waitForRunEnd() {
            tryVerify(() => run().state === SendingRun.Finished || run().state === SendingRun.Stopped,
                      20000, "the run ends")
            compare(screen.isSenderRunning, false)
            compare(screen.loading, false, "the busy flag is cleared at the end")
        }

        // The page's Send as the sending-list hook calls it: no summary.
        function sendAndWait() {
            verify(page().sendEmails())
            waitForRunEnd()
        }

        // A log as written, less the time in front of each line.
        function untimed(text) {
            return text.replace(/^[0-2][0-9]:[0-5][0-9]:[0-5][0-9] /gm, "")
        }

        function okEntry(address) {
            return address + ": " + myTrStrings.email_sent + "\n\n"
        }

        function invalidEntry(address) {
            return address + ": Invalid email\n\n"
        }

        function rejectedEntry(address) {
            return address + ": The server 127.0.0.1 says this address does not exist. (550 5.1.1 <"
                    + address + ">: Recipient address rejected: User unknown)\n"
        }

        // ---- Sending runs ----

        function test_listsAndTypedAddressesWithPlaceholders() {
            screen.selectedLists = ["Friends", "Clients"]
            screen.recipient = "first bob@typed.test; then bob@typed.test and alice@typed.test"
            screen.detailEmailContent = "Dear {{firstname}} {{lastname}} of {{company}} <{{email}}> {{Firstname}}"
            mouseClick(findChild(screen, "sendButton"))
            verify(!findChild(screen, "sendButton").enabled, "Send is disabled from the press on")
            // Send sums up the run first.
            const summary = screen.sendingController.summaryDialog
            tryCompare(summary, "opened", true)
            compare(summary.summary.total, 6)
            compare(summary.summary.duplicates, 1)
            compare(summary.summary.invalid, 0)
            // Typed addresses fill no field but the address; Léa has no company.
            compare(summary.summary.unreplaced.map(u => [u.field, u.count]),
                    [["lastname", 3], ["firstname", 3], ["company", 4]])
            compare(findChild(summary.contentItem, "summaryTotal").text,
                    "6 recipients will each receive one message.")
            mouseClick(findChild(summary.contentItem, "summarySendButton"))
            tryVerify(() => dialog().opened || dialog().visible, 5000, "the progress dialog shows")
            waitForRunEnd()

            const expected = [
                { "to": "cy.roe@friends.test", "name": "Roe Cy",
                  "text": "Dear Cy Roe of Home <cy.roe@friends.test> {{Firstname}}" },
                { "to": "paul.martin@clients.test", "name": "Martin Paul",
                  "text": "Dear Paul Martin of ACME <paul.martin@clients.test> {{Firstname}}" },
                // An empty field leaves its placeholder as written.
                { "to": "lea.durand@clients.test", "name": "Durand Léa",
                  "text": "Dear Léa Durand of {{company}} <lea.durand@clients.test> {{Firstname}}" },
                { "to": "bob@typed.test", "name": "",
                  "text": "Dear {{firstname}} {{lastname}} of {{company}} <bob@typed.test> {{Firstname}}" },
                { "to": "bob@typed.test", "name": "",
                  "text": "Dear {{firstname}} {{lastname}} of {{company}} <bob@typed.test> {{Firstname}}" },
                { "to": "alice@typed.test", "name": "",
                  "text": "Dear {{firstname}} {{lastname}} of {{company}} <alice@typed.test> {{Firstname}}" }
            ]
            const messages = servers.messages()
            compare(messages.length, expected.length)
            for (let i = 0; i < expected.length; ++i) {
                const m = messages[i]
                compare(m.to, [expected[i].to], "message " + i + " goes to its recipient")
                compare(m.envelopeTo, [expected[i].to])
                compare(m.toNames, [expected[i].name])
                compare(m.subject, "Lettre d'été")
                compare(m.from, servers.user)
                compare(m.fromName, "Zoé Lefèvre", "the form's sender name, not the account's")
                compare(m.login, servers.user)
                verify(m.tls)
                compare(m.text.trim(), expected[i].text)
                compare(m.html, "")
            }

            compare(dialog().sent, 6)
            compare(dialog().failed, 0)
            compare(dialog().total, 6)
            verify(dialog().finished)
            compare(dialogChild("sendingTitle").text, "Sending finished")
            compare(dialogChild("sendingTitle").textFormat, Text.PlainText)
            let log = ""
            for (const e of expected)
                log += okEntry(e.to)
            compare(untimed(dialog().logText()), log)
            verify(!dialogChild("stopButton").enabled)
            verify(dialogChild("closeButton").enabled)
            verify(findChild(screen, "sendButton").enabled)
            // The form keeps its content after a run.
            compare(screen.recipient, "first bob@typed.test; then bob@typed.test and alice@typed.test")
            compare(screen.selectedLists, ["Friends", "Clients"])

            mouseClick(dialogChild("closeButton"))
            tryCompare(dialog(), "visible", false)
        }

        // The summary in French: counts grouped as French groups them, and
        // each text in its singular or plural form; cancelled, nobody is mailed.
        function test_frenchSummaryCountsAsFrenchDoes() {
            const addresses = []
            for (let i = 0; i < 1233; ++i)
                addresses.push("r" + i + "@typed.test")
            addresses.push("r7@typed.test")
            screen.selectedLists = []
            screen.recipient = addresses.join("; ")
            verify(myTranslator.setLanguage("fr_FR"))
            try {
                const before = servers.count()
                const flickable = screen.pagesFlickable
                flickable.contentY = Math.max(0, flickable.contentHeight - flickable.height)
                mouseClick(findChild(screen, "sendButton"))
                const summary = screen.sendingController.summaryDialog
                tryCompare(summary, "opened", true)
                compare(findChild(summary.contentItem, "summaryTotal").text,
                        "1\u202f234\u00a0destinataires recevront chacun un message.")
                compare(findChild(summary.contentItem, "summaryDuplicates").text,
                        "1\u00a0adresse apparaît plusieurs fois.")
                const cancel = findChild(summary.contentItem, "summaryCancelButton")
                compare(cancel.text, "Annuler")
                mouseClick(cancel)
                tryCompare(summary, "visible", false)
                compare(servers.count(), before, "a cancelled summary mails nobody")
            } finally {
                verify(myTranslator.setLanguage("en_EN"))
            }
        }

        function test_invalidAndRejectedRecipientsCountAsFailed() {
            const broken = contact("Broken", "Bea", "bea at nowhere", "", "Broken")
            screen.userContactsLists = ["Broken"].concat(screen.userContactsLists)
            screen.contactBook.prepend(broken)
            screen.selectedLists = ["Broken"]
            screen.recipient = "good@x.test;reject-me@x.test;bad@x..test;last@x.test"
            sendAndWait()

            compare(dialog().sent, 2)
            compare(dialog().failed, 3)
            compare(dialog().total, 5)
            verify(dialog().finished)
            compare(untimed(dialog().logText()), invalidEntry("bea at nowhere") + okEntry("good@x.test")
                    + rejectedEntry("reject-me@x.test") + invalidEntry("bad@x..test")
                    + okEntry("last@x.test"))
            const messages = servers.messages()
            compare(messages.length, 2)
            compare(messages[0].to, ["good@x.test"])
            compare(messages[1].to, ["last@x.test"])
        }

        // A user types named and invalid recipients, reads the summary and
        // sends: the names reach the To header and {{fullname}}, the invalid
        // address is named before the run and never reaches the server.
        function test_typedNamesAndInvalidAddressesFromFieldToServer() {
            screen.detailEmailContent = "Dear {{fullname}}, {{firstname|reader}}"
            const field = findChild(screen, "recipientField")
            field.forceActiveFocus()
            for (const c of "Ada <ada@example.com>; user@localhost; bob@example.com")
                keyClick(c)
            compare(screen.recipient, "Ada <ada@example.com>; user@localhost; bob@example.com")
            // The form has grown: Send is scrolled to, as a user does.
            const flickable = findChild(screen, "pagesFlickable")
            flickable.contentY = Math.max(0, flickable.contentHeight - flickable.height)
            waitForItemPolished(flickable)
            mouseClick(findChild(screen, "sendButton"))
            const summary = screen.sendingController.summaryDialog
            tryCompare(summary, "opened", true)
            compare(summary.summary.total, 3)
            compare(summary.summary.invalid, 1)
            compare(findChild(summary.contentItem, "summaryInvalidList").text,
                    "Not valid, not sent: user@localhost")
            // The name fills {{fullname}}; a fallback always replaces its placeholder.
            compare(summary.summary.unreplaced.map(u => [u.field, u.count]), [["fullname", 2]])
            mouseClick(findChild(summary.contentItem, "summarySendButton"))
            waitForRunEnd()

            const messages = servers.messages()
            compare(messages.length, 2, "nobody at localhost")
            compare(messages[0].envelopeTo, ["ada@example.com"])
            compare(messages[0].toNames, ["Ada"])
            compare(messages[0].text.trim(), "Dear Ada, reader")
            compare(messages[1].envelopeTo, ["bob@example.com"])
            compare(messages[1].toNames, [""])
            compare(messages[1].text.trim(), "Dear {{fullname}}, reader")
            compare(dialog().sent, 2)
            compare(dialog().failed, 1)
            compare(untimed(dialog().logText()), okEntry("ada@example.com") + invalidEntry("user@localhost")
                    + okEntry("bob@example.com"))
        }

        // The user lists an address on the suppression page and sends to a
        // list holding it: the summary counts it apart, the run skips it and
        // the server never hears of it, and an address that does not exist
        // joins the list. Removing it there, with the question answered,
        // lets the next run reach it.
        function test_suppressedAddressIsNeverSentUntilRemoved() {
            mouseClick(findChild(screen, "suppressionMenu"))
            openedPage("SuppressionPage")
            const list = screen.suppressionList
            const field = findChild(page(), "suppressionAddField")
            mouseClick(field)
            for (const c of "lea.durand@clients.test")
                keyClick(c)
            compare(field.text, "lea.durand@clients.test")
            mouseClick(findChild(page(), "suppressionAddButton"))
            compare(list.count, 1)
            compare(field.text, "")
            tryCompare(findChild(page(), "suppressionListView"), "count", 1)
            compare(findChild(page(), "suppressionCountLabel").text, "1 address on the list.")
            // Not an address: said, nothing listed.
            mouseClick(field)
            for (const c of "lea at clients")
                keyClick(c)
            keyClick(Qt.Key_Return)
            compare(list.count, 1)
            compare(toastTexts()[0], "“lea at clients” is not a valid e-mail address.")

            mouseClick(findChild(screen, "homeMenu"))
            openedPage("SendEmailsPage")
            screen.selectedLists = ["Clients"]
            screen.recipient = "reject-me@x.test; LEA.Durand@clients.test"
            const flickable = findChild(screen, "pagesFlickable")
            flickable.contentY = Math.max(0, flickable.contentHeight - flickable.height)
            waitForItemPolished(flickable)
            mouseClick(findChild(screen, "sendButton"))
            const summary = screen.sendingController.summaryDialog
            tryCompare(summary, "opened", true)
            const suppressedLine = findChild(summary.contentItem, "summarySuppressed")
            verify(suppressedLine.visible)
            compare(suppressedLine.text,
                    "Left out: 2 recipients on the suppression list, who are never sent to.")
            compare(findChild(summary.contentItem, "summaryTotal").text,
                    "2 recipients will each receive one message.")
            mouseClick(findChild(summary.contentItem, "summarySendButton"))
            waitForRunEnd()
            compare(servers.messages().map(m => m.envelopeTo[0]), ["paul.martin@clients.test"])
            compare(dialog().suppressed, 2)
            verify(dialogChild("suppressedRow").visible)
            verify(untimed(dialog().logText()).indexOf(
                       "LEA.Durand@clients.test: Not sent: this address is on the suppression list.\n") >= 0)
            compare(list.find("reject-me@x.test").reason, "bounced")
            dialog().close()
            tryCompare(dialog(), "visible", false)

            // Second step: the user takes Léa off the list, and sends again.
            mouseClick(findChild(screen, "suppressionMenu"))
            openedPage("SuppressionPage")
            const view = findChild(page(), "suppressionListView")
            tryCompare(view, "count", 2)
            let row = -1
            for (let i = 0; i < page().results.length; ++i) {
                if (page().results[i].address === "lea.durand@clients.test")
                    row = i
            }
            verify(row >= 0)
            mouseClick(findChild(view, "suppressionRemove" + row))
            const question = page().removeDialog
            tryCompare(question, "opened", true)
            mouseClick(findChild(question.contentItem, "confirmButton"))
            compare(list.count, 1)
            tryCompare(question, "visible", false)
            tryCompare(view, "count", 1)
            mouseClick(findChild(screen, "homeMenu"))
            openedPage("SendEmailsPage")
            servers.clearInbox()
            screen.recipient = "reject-me@x.test"
            // This time as marketing: the box beside Send, in French.
            mouseClick(findChild(screen, "unsubscribeBox"))
            compare(screen.unsubscribeLink, true)
            screen.messageLanguage = "fr"
            sendAndWait()
            const messages = servers.messages()
            compare(messages.map(m => m.envelopeTo[0]), ["lea.durand@clients.test"])
            compare(dialog().suppressed, 1)
            // The reply names its message, so the mailbox check knows whose it is.
            const reply = servers.user + "?subject=unsubscribe%20" + messages[0].messageId
            compare(messages[0].listUnsubscribe, "<mailto:" + reply + ">")
            compare(messages[0].text.replace(/\r\n/g, "\n").trim(),
                    "Hello Léa\n\n-- \nPour ne plus recevoir nos messages : mailto:" + reply)
        }

        // An account signed in with Microsoft: with no access token held (as
        // after a restart) Send asks the provider for one first; a token the
        // server refuses mid-run is refreshed once and nobody fails; a
        // revoked access pauses the run after one refused login.
        function test_tokensRefreshedBeforeAndDuringRunsUntilRevoked() {
            oauth.start()
            const provider = oauth.info
            // A refresh token as an earlier sign-in left it.
            testSignIn.provider = "microsoft"
            testSignIn.settings = Constants.oauthProviders.microsoft
            signInSpy.clear()
            verify(testSignIn.start())
            oauth.consent("allow", 1)
            tryCompare(signInSpy, "count", 1, 10000)
            const refreshToken = signInSpy.signalArguments[0][0].refreshToken

            screen.userComptes = [{
                "senderName": "Zoé", "serverName": "Outlook", "serverHost": "localhost",
                "serverPort": String(provider.smtp), "connection": "TLS",
                "address": provider.user, "password": "", "auth": "microsoft"
            }]
            screen.userActiveCompte = provider.user
            screen.secrets.setSecret("oauth/" + provider.user, refreshToken)
            tryVerify(() => screen.secrets.secret("oauth/" + provider.user) === refreshToken)
            compare(screen.freshToken(provider.user), "")
            screen.recipient = "friend@example.org"
            sendAndWait()
            compare(run().sent, 1, screen.sendingController.dialog.log)
            verify(screen.freshToken(provider.user) !== "", "the new token is kept for the next run")
            compare(oauth.inboxCount(), 1)

            // The server refuses a token the program still believes valid (it
            // expired early): refreshed once, the run goes on, nobody failed.
            const stale = { "accessToken": "expired-early", "expiresAt": Date.now() + 3600 * 1000 }
            screen.oauthTokens = ({ [provider.user]: stale })
            screen.recipient = "one@example.org; two@example.org"
            sendAndWait()
            compare([run().sent, run().failed], [2, 0], screen.sendingController.dialog.log)
            compare(oauth.inboxCount(), 3)

            // Access taken back at the provider: one refused login, the
            // refresh refused, and the run waits paused instead of trying again.
            oauth.revokeEverything()
            screen.oauthTokens = ({ [provider.user]: stale })
            screen.recipient = "three@example.org"
            verify(page().sendEmails())
            tryVerify(() => run().state === SendingRun.Paused && run().pauseReason === "token", 20000)
            tryVerify(() => !screen.sendingController.tokenRefresh.busy, 10000)
            wait(500)
            compare(run().state, SendingRun.Paused, "no further logins")
            compare(oauth.events().filter(e => e === "smtp login refused").length, 2,
                    "one refused login in each of the last two runs")
            run().stop()
            waitForRunEnd()
            oauth.stop()
        }

        // A provider's one-click POST to a message's address reaches the
        // program before its next run, which mails that recipient no more.
        function test_oneClickUnsubscribeReachesTheNextRun() {
            const folder = workDir + "/service"
            compare(helper.cmdExcute("mkdir", ["-p", folder]).status, 0)
            verify(helper.writeTextFile("file://" + folder + "/config.json", JSON.stringify({
                "port": 0, "templates": "none", "corpus": "none", "version": "1",
                "email": "a@parvane.test", "phone": "1"
            })))
            const line = service.start(service.environment("PARVANE_SERVICE_BINARY"),
                                       ["--config", folder + "/config.json"])
            verify(line.startsWith("listening on http://127.0.0.1:"), service.errors())
            const mailbox = screen.unsubscribeMailbox
            mailbox.baseUrl = line.split(" ")[2]
            screen.unsubscribeLink = true
            screen.recipient = "ann@one.test; bob@one.test"
            sendAndWait()
            verify(mailbox.registered, mailbox.error)
            const messages = servers.messages()
            compare(messages.length, 2)
            const toAnn = messages.find(m => m.envelopeTo[0] === "ann@one.test")
            const header = /^<(http:\/\/127\.0\.0\.1:[0-9]+\/u\/[A-Za-z0-9_-]+)>, <mailto:(.+)>$/
                    .exec(toAnn.listUnsubscribe)
            verify(header, toAnn.listUnsubscribe)
            compare(header[2], servers.user + "?subject=unsubscribe%20" + toAnn.messageId)
            compare(toAnn.listUnsubscribePost, "List-Unsubscribe=One-Click")
            verify(toAnn.text.indexOf("To stop receiving our messages: " + header[1]) >= 0, toAnn.text)
            verify(toAnn.listUnsubscribe !== messages.find(m => m !== toAnn).listUnsubscribe,
                   "each recipient has an address of their own")

            // As a mail provider does, over real HTTP.
            let status = 0
            const request = new XMLHttpRequest()
            request.onreadystatechange = () => {
                if (request.readyState === XMLHttpRequest.DONE)
                    status = request.status
            }
            request.open("POST", header[1])
            request.setRequestHeader("Content-Type", "application/x-www-form-urlencoded")
            request.send("List-Unsubscribe=One-Click")
            tryVerify(() => status !== 0, 5000)
            compare(status, 200)

            servers.clearInbox()
            dialog().close()
            tryCompare(dialog(), "visible", false)
            // The next message: the unsubscribe is fetched before it goes.
            screen.subject = "Lettre d'automne"
            sendAndWait()
            compare(servers.messages().map(m => m.envelopeTo[0]), ["bob@one.test"])
            compare(dialog().suppressed, 1)
            compare(screen.suppressionList.find("ANN@one.test").reason, "unsubscribed")
            // A service that cannot be reached is no reason to give the mailbox up.
            service.stop()
            mailbox.sync()
            tryCompare(mailbox, "busy", false)
            compare(mailbox.error, "The web service cannot be reached.")
            verify(mailbox.registered)
        }

        // Warnings only: the summary says what the sender's domain lacks and
        // which of the large providers' rules a big run meets; Cancel sends nothing.
        function test_summaryWarnsOfTheSenderDomainAndTheLargeProvidersRules() {
            const big = []
            for (let i = 0; i < 5001; ++i)
                big.push(contact("Big", "N" + i, "n" + i + "@gmail.com", "", "Big"))
            screen.userContactsLists = ["Clients", "Big"]
            screen.contactBook.setRecords(clients.concat(big))
            const shop = account(servers.password)
            shop.address = "news@shop.test"
            screen.userComptes = [shop]
            screen.userActiveCompte = shop.address
            screen.selectedLists = ["Big"]
            screen.unsubscribeLink = true
            const flickable = findChild(screen, "pagesFlickable")
            flickable.contentY = Math.max(0, flickable.contentHeight - flickable.height)
            waitForItemPolished(flickable)
            mouseClick(findChild(screen, "sendButton"))
            const summary = screen.sendingController.summaryDialog
            tryCompare(summary, "opened", true)
            tryCompare(findChild(summary.contentItem, "summaryDomain"), "text",
                       "The SPF record of shop.test does not allow " + servers.host
                       + ", which sends the messages: add the server to it with an include or ip4 mechanism.\n"
                       + "shop.test publishes no DMARC record: add one at _dmarc.shop.test; large providers require it of bulk senders.\n"
                       + "shop.test has no MX record: replies and bounces cannot reach it.", 8000)
            compare(findChild(summary.contentItem, "summaryLargeProviders").text,
                    "5,001 messages go to Gmail, Yahoo and Microsoft addresses, whose rules for bulk senders apply. "
                    + "Met: none. Not met: one-click unsubscribe, SPF, DMARC. "
                    + "Not checked from here: DKIM signature (ask your provider).")
            verify(findChild(summary.contentItem, "summaryOneClick").visible)
            mouseClick(findChild(summary.contentItem, "summaryCancelButton"))
            tryCompare(summary, "visible", false)
            tryCompare(run(), "state", SendingRun.Idle)
            compare(servers.count(), 0)
        }

        function test_oneRecipient() {
            screen.recipient = "solo@one.test"
            sendAndWait()
            compare(servers.count(), 1)
            compare(untimed(dialog().logText()), okEntry("solo@one.test"))
            verify(dialog().finished)
            verify(dialogChild("totalRow").finished)
        }

        function test_stopIsAvailableToTheLastMessageAndCloseWaitsForNothingInFlight() {
            // The last recipient's server never answers: only Stop ends it soon.
            screen.userComptes = [slowAccount()]
            screen.userMailsPs = 1
            screen.recipient = "a@stop.test hangrcpt-last@stop.test"
            verify(page().sendEmails())
            tryCompare(dialog(), "sent", 1, 5000)
            verify(screen.isSenderRunning)
            compare(run().interval, 1000)
            const stop = dialogChild("stopButton")
            verify(stop.enabled)
            tryCompare(run(), "inFlight", true, 3000)
            verify(stop.enabled, "a last message that hangs can be stopped too")
            verify(!dialogChild("closeButton").enabled, "no closing while a message is in flight")
            mouseClick(stop)
            waitForRunEnd()
            compare(run().state, SendingRun.Stopped)
            compare(dialogChild("sendingTitle").text, "Sending stopped")
            verify(dialogChild("closeButton").enabled)
            verify(!stop.enabled)
            compare(dialog().sent, 1)
            compare(dialog().failed, 0, "the abandoned recipient has no outcome")
            compare(servers.count(), 1)
            verify(!dialog().finished)
            compare(untimed(dialog().logText()), okEntry("a@stop.test"))
            verify(dialog().visible, "the dialog stays until Close")
            mouseClick(dialogChild("closeButton"))
            tryCompare(dialog(), "visible", false)
        }

        // The fault-injecting listener answers a "slow" recipient after two seconds.
        function slowAccount() {
            const a = account(servers.password)
            a.serverPort = String(servers.port("faulty"))
            a.connection = "Auto"
            return a
        }

        function test_secondSendAndLeavingThePageDuringADelivery() {
            screen.userComptes = [slowAccount()]
            screen.recipient = "slow-one@x.test slow-two@x.test"
            const send = findChild(screen, "sendButton")
            // Two presses before the online check has answered: one run.
            mouseClick(send)
            mouseClick(send)
            verify(!page().sendEmails(), "the hook is refused too while Send is in progress")
            const summary = screen.sendingController.summaryDialog
            tryCompare(summary, "opened", true)
            mouseClick(findChild(summary.contentItem, "summarySendButton"))
            tryCompare(run(), "inFlight", true, 5000)
            verify(!dialogChild("closeButton").enabled, "no closing while a message is in flight")

            // The dialog put away, the user goes to another page mid-delivery.
            dialog().close()
            tryCompare(dialog(), "visible", false)
            mouseClick(findChild(screen, "accountsMenu"))
            tryCompare(findChild(screen, "pagesStackView"), "busy", false)
            compare(page().objectName, "AccountsPage")
            verify(run().inFlight)
            waitForRunEnd()
            compare(run().sent, 2)
            compare(run().total, 2)
            compare(servers.count(), 2, "each recipient once")
            compare(run().logText(), okEntry("slow-one@x.test") + okEntry("slow-two@x.test"))

            // Back home, the run's dialog still holds the whole log.
            mouseClick(findChild(screen, "homeMenu"))
            tryCompare(findChild(screen, "pagesStackView"), "busy", false)
            dialog().open()
            compare(untimed(dialog().logText()), run().logText())
        }

        function test_closingTheWindowDuringARunAsksFirst() {
            screen.userComptes = [slowAccount()]
            screen.recipient = "slow-close@x.test"
            verify(page().sendEmails())
            tryCompare(run(), "inFlight", true, 5000)
            compare(screen.sendingController.quitRequested(), false, "the window stays")
            const quit = screen.sendingController.quitDialog
            tryCompare(quit, "opened", true)
            mouseClick(findChild(quit.contentItem, "closeButton"))
            tryCompare(quit, "visible", false)
            waitForRunEnd()
            compare(run().sent, 1)
            compare(screen.sendingController.quitRequested(), true, "nothing to ask once idle")
        }

        // ---- Refusals ----

        function test_refusals_data() {
            const noPassword = myTrStrings.smpt_account_required + " The active account has no password."
            return [
                { tag: "no account", setup: s => { s.userComptes = [] },
                  text: myTrStrings.smpt_account_required },
                { tag: "no host", setup: s => {
                    const a = account(servers.password); a.serverHost = ""; s.userComptes = [a] },
                  text: myTrStrings.smpt_account_required },
                // Stored before ports were checked: 70000 would reach port 4464.
                { tag: "port above 65535", setup: s => {
                    const a = account(servers.password); a.serverPort = "70000"; s.userComptes = [a] },
                  text: "The SMTP port must be a number from 1 to 65535." },
                // Only encrypted connections need a password, as in the account's test.
                // No password anywhere: none in the record, none kept by an earlier case.
                { tag: "empty password (TLS)", setup: s => {
                    s.keepPassword(servers.user, ""); s.userComptes = [account("")] },
                  text: noPassword },
                { tag: "empty password (SSL)", setup: s => {
                    s.keepPassword(servers.user, "")
                    const a = account(""); a.connection = "SSL"; s.userComptes = [a] },
                  text: noPassword },
                { tag: "sender name", setup: s => { s.recipient = "x@y.test"; s.senderName = "" },
                  text: myTrStrings.sender_name_required },
                { tag: "subject", setup: s => { s.recipient = "x@y.test"; s.subject = "" },
                  text: myTrStrings.subject_required },
                { tag: "recipient", setup: s => { s.recipient = ""; s.selectedLists = [] },
                  text: myTrStrings.recipient_required },
                // A selected list without contacts gives no list recipient.
                { tag: "recipient, empty list", setup: s => {
                    s.userContactsLists = ["Empty"].concat(s.userContactsLists)
                    s.selectedLists = ["Empty"] },
                  text: myTrStrings.recipient_required },
                { tag: "content", setup: s => { s.recipient = "x@y.test"; s.detailEmailContent = "" },
                  text: myTrStrings.email_content_required },
                { tag: "no valid recipient", setup: s => { s.recipient = "nobody at all; nowhere" },
                  text: myTrStrings.no_valid_recipient_found }
            ]
        }

        function test_refusals(data) {
            data.setup(screen)
            verify(page().sendEmails())
            tryVerify(() => toastTexts().length > 0, 5000, "a refusal shows")
            compare(toastTexts(), [data.text])
            compare(run().state, SendingRun.Idle)
            compare(screen.isSenderRunning, false)
            compare(screen.loading, false)
            verify(!dialog().visible, "no dialog opens")
            compare(servers.count(), 0)
        }

        function test_contentByAttachmentOnlyIsEnough() {
            screen.recipient = "att@x.test"
            screen.detailEmailContent = ""
            const path = workDir + "/notes.txt"
            verify(helper.writeTextFile("file://" + path, "the attached notes"))
            screen.emailAttachments = [path]
            sendAndWait()
            compare(toastTexts(), [])
            const messages = servers.messages()
            compare(messages.length, 1)
            const attached = messages[0].parts.filter(p => p.disposition === "attachment")
            compare(attached.length, 1)
            compare(attached[0].fileName, "notes.txt")
        }

        function test_offlineOpensTheConnectionDialog() {
            stopDns()
            screen.recipient = "x@y.test"
            page().sendEmails()
            const connexion = findChild(screen, "connexionDialog")
            tryCompare(connexion, "visible", true)
            compare(screen.isSenderRunning, false)
            compare(toastTexts(), [], "no form check happens offline")
            compare(servers.count(), 0)
            verify(!dialog().visible)
            startDns()
            // Online again: the dialog goes and the run takes place.
            verify(page().sendEmails())
            tryCompare(connexion, "visible", false)
            waitForRunEnd()
            compare(servers.count(), 1)
        }

        // ---- HTML message ----

        function test_htmlFileWithLocalImagesWhileAnotherPanelIsShown() {
            const svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"4\" height=\"4\">"
                      + "<rect width=\"4\" height=\"4\" fill=\"red\"/></svg>"
            verify(helper.writeTextFile("file://" + workDir + "/images/logo.svg", svg))
            verify(helper.writeTextFile("file://" + workDir + "/site.css", "p { color: navy; }"))
            const html = "<html><head><link rel=\"stylesheet\" href=\"site.css\"></head><body>"
                       + "<p>Hi {{firstname}}</p><img src=\"images/logo.svg\">"
                       + "<a href=\"https://velmora.test/offer\">offer</a>"
                       + "<a href=\"mailto:help@velmora.test\">help</a>"
                       + "<img src=\"images/logo.svg\"></body></html>"
            const htmlPath = workDir + "/offer.html"
            verify(helper.writeTextFile("file://" + htmlPath, html))

            // The sending-lists panel replaces the preview: no web view ever
            // loads the file, and its references still come from the file.
            const details = findChild(screen, "detailStackView")
            mouseClick(findChild(screen, "sendingListsButton"))
            tryCompare(details, "busy", false)
            compare(details.currentItem.objectName, "SendingListsDetail")
            verify(findChild(screen, "previewButton").visible)
            verify(!findChild(screen, "sendingListsButton").visible)

            page().htmlFileChosen("file://" + htmlPath)
            compare(screen.detailEmailContentUrl, htmlPath)
            verify(!findChild(screen, "contentArea").visible, "the text area gives way to the file")
            verify(findChild(screen, "htmlBox").visible)
            verify(!findChild(screen, "placeholder_email").enabled)
            verify(findChild(screen, "removeHtmlButton").visible)
            verify(!findChild(screen, "loadHtmlButton").visible)
            compare(screen.detailEmailContent, "Hello {{firstname}}", "the typed text is kept")

            screen.selectedLists = ["Friends"]
            sendAndWait()
            compare(untimed(dialog().logText()), okEntry("cy.roe@friends.test"))
            const messages = servers.messages()
            compare(messages.length, 1)
            const m = messages[0]
            compare(m.structure, "multipart/alternative(text/plain,multipart/related(text/html,image/svg+xml))")
            const inline = m.parts.filter(p => p.contentId !== "")
            compare(inline.length, 1)
            const imageId = inline[0].contentId
            verify(/^part0\.[0-9a-f]+@localhost$/.test(imageId), imageId)
            verify(m.html.indexOf("Hi Cy") >= 0, m.html)
            compare(m.html.split("cid:" + imageId).length - 1, 2, "both image references point to the part")
            verify(m.html.indexOf("<style type='text/css'>p { color: navy; }</style></head>") >= 0)
            verify(m.html.indexOf("https://velmora.test/offer") >= 0)
            compare(inline[0].contentType, "image/svg+xml")
            compare(inline[0].fileName, "logo.svg")
            // The text version, personalised the same way, links after their text.
            compare(m.text.replace(/\r\n/g, "\n").trim(),
                    "Hi Cy\n\noffer (https://velmora.test/offer)help (help@velmora.test)")

            // Removing the file brings the text back.
            mouseClick(dialogChild("closeButton"))
            tryCompare(dialog(), "visible", false)
            mouseClick(findChild(screen, "removeHtmlButton"))
            compare(screen.detailEmailContentUrl, "")
            verify(findChild(screen, "contentArea").visible)
            verify(findChild(screen, "placeholder_email").enabled)
        }

        // ---- Sending lists ----

        function test_sendingListBookkeeping() {
            const weekly = { "name": "Weekly", "tasks": ["/t/one.pvsav", "/t/two.pvsav"],
                             "output": "", "done": 0, "nextTask": 0 }
            const other = { "name": "Other", "tasks": ["/t/a.pvsav", "/t/b.pvsav"],
                            "output": "", "done": 0, "nextTask": 0 }
            screen.sendingLists = [other, weekly]
            screen.recipient = "one@list.test two@list.test"

            // Without a running list the hook does nothing.
            page().sendEmailsDataState = !page().sendEmailsDataState
            compare(servers.count(), 0)
            verify(!dialog().visible)

            screen.runningSendingList = weekly
            screen.runningSendingListOutput = "Weekly\n\n"
            screen.isSendingListRunning = true
            page().sendEmailsDataState = !page().sendEmailsDataState
            verify(screen.isSenderRunning)
            tryCompare(dialogChild("sendingTitle"), "text", "Processing Weekly: 1/2")
            compare(screen.sendingLists[0].name, "Weekly", "the running list moves to the front")
            compare(screen.sendingLists[0].nextTask, 1)
            compare(screen.sendingLists.length, 2)
            waitForRunEnd()

            const log = okEntry("one@list.test") + okEntry("two@list.test")
            compare(untimed(dialog().logText()), log)
            const combined = "Weekly\n\n=====\nStart task 1\n=====\n\n" + log
                           + "=====\nEnd task 1\n=====\n\n"
            compare(untimed(screen.runningSendingListOutput), combined)
            const stored = screen.sendingLists[0]
            compare(stored.name, "Weekly")
            compare(untimed(stored.output), combined)
            compare(stored.done, 1)
            compare(stored.nextTask, 1)
            compare(stored.tasks, weekly.tasks)
            compare(screen.sendingLists[1].name, "Other")
            compare(screen.runningSendingList.done, 1)
            tryCompare(dialog(), "visible", false, 2000, "the dialog hides itself during a list")

            // A task whose form fails its checks: its start marker only.
            screen.subject = ""
            page().sendEmailsDataState = !page().sendEmailsDataState
            tryCompare(run(), "state", SendingRun.Finished)
            tryVerify(() => toastTexts().length > 0)
            compare(toastTexts(), [myTrStrings.subject_required])
            compare(screen.sendingLists[0].nextTask, 2)
            compare(screen.sendingLists[0].done, 1)
            compare(untimed(screen.runningSendingListOutput), combined + "=====\nStart task 2\n=====\n\n")
            compare(untimed(screen.sendingLists[0].output), combined)

            // While a run is in progress the hook does not start another.
            screen.subject = "Again"
            screen.userMailsPs = 1
            screen.recipient = "three@list.test four@list.test five@list.test"
            page().sendEmailsDataState = !page().sendEmailsDataState
            verify(screen.isSenderRunning)
            tryCompare(dialog(), "sent", 1, 5000)
            compare(servers.count(), 3)
            page().sendEmailsDataState = !page().sendEmailsDataState
            compare(servers.count(), 3, "no second run while one is in progress")
            compare(screen.sendingLists[0].nextTask, 3)
            // Stopping ends the task without its end marker; what was sent is logged.
            mouseClick(dialogChild("stopButton"))
            waitForRunEnd()
            compare(untimed(screen.runningSendingListOutput), combined + "=====\nStart task 2\n=====\n\n"
                    + "=====\nStart task 3\n=====\n\n" + okEntry("three@list.test"))
            compare(screen.sendingLists[0].done, 1)
            // The stopped task's part is kept in the list's log at once, so a
            // crash before the next task ends loses none of it.
            compare(screen.sendingLists[0].output, screen.runningSendingListOutput)
            // Every entry and marker line carries its time.
            const lines = screen.sendingLists[0].output.split("\n")
                    .filter(line => line !== "" && line !== "=====" && line !== "Weekly")
            compare(lines.length, 7)
            for (const line of lines)
                verify(/^[0-2][0-9]:[0-5][0-9]:[0-5][0-9] (Start|End) task|^[0-2][0-9]:[0-5][0-9]:[0-5][0-9] [a-z]+@list\.test: /
                       .test(line), line)
        }

        // ---- Form ----

        function test_formIsBoundBothWays() {
            const sender = findChild(screen, "senderNameField")
            const subject = findChild(screen, "subjectField")
            const recipient = findChild(screen, "recipientField")
            const area = findChild(screen, "contentArea")
            compare(sender.text, "Zoé Lefèvre")
            compare(subject.text, "Lettre d'été")
            compare(area.text, "Hello {{firstname}}")

            sender.forceActiveFocus()
            sender.selectAll()
            keyClick(Qt.Key_Delete)
            keyClick("Z")
            keyClick("o")
            compare(screen.senderName, "Zo")
            recipient.forceActiveFocus()
            keyClick("q")
            compare(screen.recipient, "q")
            screen.subject = "From the state"
            compare(subject.text, "From the state")
            // Thousands of pasted addresses are kept whole, not cut at the
            // field's default length.
            const many = []
            for (let i = 0; i < 3000; ++i)
                many.push("recipient" + i + "@example.org")
            screen.recipient = many.join("; ")
            verify(screen.recipient.length > 32767)
            compare(recipient.text, screen.recipient)
            screen.recipient = "q"

            // Placeholder links insert at the cursor and give the area the focus.
            area.cursorPosition = 6
            mouseClick(findChild(screen, "placeholder_company"))
            compare(screen.detailEmailContent, "Hello {{company}}{{firstname}}")
            verify(area.activeFocus)
            compare(area.cursorPosition, 6 + "{{company}}".length)
            // One link per contact field, in field order.
            for (const field of ["fullname", "lastname", "firstname", "telephone", "email",
                                 "company", "occupation", "website"])
                compare(findChild(screen, "placeholder_" + field).text, "{{" + field + "}}")

            page().attachmentsChosen(["file:///tmp/x/report%202024.pdf", "file:///tmp/y/a.png"])
            page().attachmentsChosen(["file:///tmp/x/report%202024.pdf"])
            compare(screen.emailAttachments,
                    ["/tmp/x/report 2024.pdf", "/tmp/y/a.png", "/tmp/x/report 2024.pdf"])
            page().htmlFileChosen("file:///tmp/none.html")
            screen.selectedLists = ["Clients"]

            // The buttons are at the page's foot: scrolled to, as a user does.
            const flickable = findChild(screen, "pagesFlickable")
            flickable.contentY = Math.max(0, flickable.contentHeight - flickable.height)
            waitForItemPolished(flickable)
            mouseClick(findChild(screen, "clearButton"))
            compare(screen.senderName, "")
            compare(screen.subject, "")
            compare(screen.recipient, "")
            compare(screen.detailEmailContent, "")
            compare(screen.detailEmailContentUrl, "")
            compare(screen.selectedLists, [])
            compare(screen.emailAttachments, [])
            compare(sender.text, "")
            compare(area.text, "")

            // One click took it all: the bar at the bottom brings every field back.
            const undo = findChild(screen, "undoButton")
            verify(undo.visible)
            compare(findChild(screen, "undoBarText").text, "The message form was cleared.")
            mouseClick(undo)
            compare(screen.senderName, "Zo")
            compare(screen.subject, "From the state")
            compare(screen.recipient, "q")
            compare(screen.detailEmailContent, "Hello {{company}}{{firstname}}")
            compare(screen.detailEmailContentUrl, "/tmp/none.html")
            compare(screen.selectedLists, ["Clients"])
            compare(screen.emailAttachments,
                    ["/tmp/x/report 2024.pdf", "/tmp/y/a.png", "/tmp/x/report 2024.pdf"])
            compare(sender.text, "Zo")
            verify(!undo.visible)
        }

        function test_accountWithoutPasswordSendsAsItsTestDid() {
            compare(myTrStrings.smpt_account_required, "You must add at least one SMTP account.")
            // "None" without a password passed its test without logging in: Send does the same.
            const noPassword = account("")
            screen.recipient = "nopass@x.test"
            noPassword.connection = "None"
            noPassword.serverPort = String(servers.port("plain"))
            screen.userComptes = [noPassword]
            sendAndWait()
            compare(dialog().sent, 1)
            const messages = servers.messages()
            compare(messages.length, 1)
            compare(messages[0].to, ["nopass@x.test"])
            compare(messages[0].login, "", "no login without a password")
        }

        function test_listSelection() {
            const button = findChild(screen, "addListsButton")
            compare(button.text, "Add Lists")
            mouseClick(button)
            const selection = page().listSelectionDialog
            tryCompare(selection, "opened", true)
            const content = selection.contentItem
            const selectAll = findChild(content, "selectAllButton")
            const unselectAll = findChild(content, "unselectAllButton")
            verify(selectAll.enabled)
            verify(!unselectAll.enabled)

            mouseClick(findChild(content, "listTag_Others"))
            compare(screen.selectedLists, ["Others"])
            verify(findChild(content, "listTag_Others").checked)
            compare(button.text, "+1 List")
            mouseClick(findChild(content, "listTag_Clients"))
            compare(screen.selectedLists, ["Others", "Clients"], "in the order chosen")
            compare(button.text, "+2 Lists")
            mouseClick(findChild(content, "listTag_Others"))
            compare(screen.selectedLists, ["Clients"])
            verify(!findChild(content, "listTag_Others").checked)

            mouseClick(selectAll)
            compare(screen.selectedLists, ["Clients", "Friends", "Others"], "in stored order")
            verify(!selectAll.enabled)
            compare(button.text, "+3 Lists")
            mouseClick(unselectAll)
            compare(screen.selectedLists, [])
            verify(!unselectAll.enabled)

            mouseClick(findChild(content, "listTag_Friends"))
            mouseClick(findChild(content, "confirmButton"))
            tryCompare(selection, "visible", false)
            compare(screen.selectedLists, ["Friends"], "closing keeps the choice")
        }

        // ---- Preview panel ----

        function test_previewShowsTextAndRemovableAttachments() {
            const detail = findChild(screen, "detailStackView").currentItem
            compare(detail.objectName, "EmailContentDetail")
            const preview = findChild(detail, "previewText")
            compare(preview.text, "Hello {{firstname}}")
            compare(preview.textFormat, Text.PlainText)
            // Markup is shown as rich text, so tables and styles render; a
            // lone "<" in plain prose does not make it markup.
            screen.detailEmailContent = "<table><tr><td style=\"padding:8px\">A</td></tr></table>"
            compare(preview.textFormat, Text.RichText)
            screen.detailEmailContent = "1 < 2 and 3 > 2"
            compare(preview.textFormat, Text.PlainText)
            // Rich text loads nothing: no image, background or style sheet,
            // from the web or from the disk.
            screen.detailEmailContent = "<p style=\"background-image: url('http://127.0.0.1:9/bg.png')\">"
                    + "<img src=\"http://127.0.0.1:9/track.png\"><img src='/home/u/.ssh/id.png'>"
                    + "<link rel=\"stylesheet\" href=\"http://127.0.0.1:9/s.css\">"
                    + "<table background=http://127.0.0.1:9/t.png><tr><td>A</td></tr></table>"
                    + "<style>@import 'http://127.0.0.1:9/i.css';</style>Hi</p>"
            compare(preview.textFormat, Text.RichText)
            verify(preview.text.indexOf("127.0.0.1") < 0, preview.text)
            verify(preview.text.indexOf(".ssh") < 0, preview.text)
            verify(preview.text.indexOf("<table") >= 0, "the markup itself stays")
            screen.detailEmailContent = "Hello {{firstname}}"
            verify(!findChild(detail, "attachmentsStrip").visible)

            screen.emailAttachments = ["/m/a.pdf", "C:/m/b.txt", "/m/a.pdf"]
            verify(findChild(detail, "attachmentsStrip").visible)
            // Whole paths: a work file from elsewhere may name any file.
            compare(findChild(detail, "attachmentTag_0").text, "/m/a.pdf")
            compare(findChild(detail, "attachmentTag_1").text, "C:/m/b.txt")
            compare(findChild(detail, "attachmentTag_2").text, "/m/a.pdf")
            findChild(detail, "attachmentTag_1").removed()
            compare(screen.emailAttachments, ["/m/a.pdf", "/m/a.pdf"])
            findChild(detail, "attachmentTag_1").removed()
            compare(screen.emailAttachments, ["/m/a.pdf"], "only the entry removed goes")

            // Offscreen there is no web view: the file is named instead, quietly.
            screen.detailEmailContentUrl = "/m/offer.html"
            verify(!findChild(detail, "textPreview").visible)
            verify(findChild(detail, "htmlFallback").visible)
            compare(findChild(detail, "webViewLoader").status, Loader.Null)
            verify(!findChild(detail, "unembeddedReferences").visible, "a missing file lists nothing")
        }

        function test_previewListsWhatTheMessageLeavesOut() {
            // A template that reaches out of its folder, links a private file
            // as a style sheet and names a file in markup: the preview says,
            // as plain text, what will not go out and why.
            compare(helper.cmdExcute("mkdir", ["-p", workDir + "/tpl"]).status, 0)
            verify(helper.writeTextFile("file://" + workDir + "/private.txt", "secret"))
            verify(helper.writeTextFile("file://" + workDir + "/tpl/notes.txt", "notes"))
            verify(helper.writeTextFile("file://" + workDir + "/tpl/ok.css", "p { color: navy; }"))
            const htmlPath = workDir + "/tpl/mail.html"
            verify(helper.writeTextFile("file://" + htmlPath,
                "<html><head><link rel=stylesheet href=\"ok.css\"><link rel=stylesheet href=\"../private.txt\"></head>"
                + "<body><img src=\"&lt;b&gt;bold&lt;/b&gt;.png\"><a href=\"notes.txt\">n</a>"
                + "<a href=\"https://velmora.test/\">web</a></body></html>"))
            const detail = findChild(screen, "detailStackView").currentItem
            compare(detail.objectName, "EmailContentDetail")
            page().htmlFileChosen("file://" + htmlPath)
            const list = findChild(detail, "unembeddedReferences")
            verify(list.visible)
            compare(list.entries.length, 3)
            const texts = [0, 1, 2].map(i => findChild(detail, "unembeddedReference_" + i))
            texts.forEach(label => compare(label.textFormat, Text.PlainText))
            compare(texts[0].text, "../private.txt \u2014 outside the HTML file's folder")
            compare(texts[1].text, "<b>bold</b>.png \u2014 no such file")
            compare(texts[2].text, "notes.txt \u2014 neither an image nor a style sheet")

            mouseClick(findChild(screen, "removeHtmlButton"))
            verify(!list.visible)
        }

        // ---- The history of runs ----

        function test_historyKeepsTheRunAndSendAgainLeavesOutThoseReached() {
            // English as start-up loads it: counts take their plural forms.
            verify(myTranslator.setLanguage("en_EN"))
            // The refused address stays one to try again, not a bounce to list.
            screen.suppressBounces = false
            screen.recipient = "kept@x.test;reject-me@x.test"
            sendAndWait()
            compare(servers.count(), 1)
            mouseClick(dialogChild("closeButton"))
            tryCompare(dialog(), "visible", false)

            // The run in the history, with each recipient's outcome and reply.
            const details = findChild(screen, "detailStackView")
            screen.showRunHistory() // as the settings menu's "Run history" does
            tryVerify(() => details.currentItem && details.currentItem.objectName === "RunHistoryDetail")
            tryCompare(details, "busy", false)
            const detail = details.currentItem
            compare(detail.objectName, "RunHistoryDetail")
            tryCompare(detail.history.runs, "length", 1)
            mouseClick(findChild(detail, "runEntry0"))
            compare(detail.rows.length, 2)
            compare(detail.rows[0].outcome, "sent")
            compare(detail.rows[1].outcome, "failed")
            verify(detail.rows[1].text.startsWith("5"), detail.rows[1].text)

            // The same message again: the one already reached is left out.
            const flickable = screen.pagesFlickable
            flickable.contentY = Math.max(0, flickable.contentHeight - flickable.height) // scrolled to Send
            mouseClick(findChild(screen, "sendButton"))
            const summary = screen.sendingController.summaryDialog
            tryCompare(summary, "opened", true)
            const received = findChild(summary.contentItem, "summaryReceived")
            verify(received.visible)
            compare(received.text, "Left out: 1 recipient who already received this message in an earlier run.")
            compare(findChild(summary.contentItem, "summaryTotal").text, "1 recipient will receive one message.")
            mouseClick(findChild(summary.contentItem, "summarySendButton"))
            waitForRunEnd()
            compare(run().total, 1)
            compare(servers.count(), 1, "nobody mailed twice")

            // The first run's recipients exported as CSV.
            const csv = workDir + "/run.csv"
            detail.exportDialog.saveChosen("file://" + csv)
            tryVerify(() => helper.textFromFile("file://" + csv).indexOf("reject-me@x.test,failed,") > 0,
                      5000, "the run is exported")
        }

        // ---- A run shared by two accounts ----

        function test_twoAccountsShareARunInTurns() {
            const other = Object.assign(account(servers.password), { "address": "other." + servers.user,
                                                                    "senderName": "Other Sender" })
            screen.userComptes = [account(servers.password), other]
            const choice = screen.sendingController.runAccountsDialog
            choice.open()
            tryCompare(choice, "opened", true)
            mouseClick(findChild(choice.contentItem, "shareAccountBox0"))
            mouseClick(findChild(choice.contentItem, "spreadTurnsButton"))
            compare(screen.runAccounts, [other.address])
            compare(screen.runSpread, "turns")
            mouseClick(findChild(choice.contentItem, "closeRunAccountsButton"))
            tryCompare(choice, "visible", false)

            screen.recipient = "paul.martin@clients.test; lea.durand@clients.test; cy.roe@friends.test; ann@others.test"
            const flickable = findChild(screen, "pagesFlickable")
            flickable.contentY = Math.max(0, flickable.contentHeight - flickable.height)
            mouseClick(findChild(page(), "sendButton"))
            const summary = screen.sendingController.summaryDialog
            tryCompare(summary, "opened", true, 10000)
            const shared = findChild(summary.contentItem, "summaryAccounts")
            verify(shared.visible)
            compare(shared.text, "2 accounts share the recipients: " + servers.user + ", " + other.address + ".")
            mouseClick(findChild(summary.contentItem, "summarySendButton"))
            waitForRunEnd()
            compare(run().sent, 4)
            // One each in turn, each message from the account that sent it.
            const mails = servers.messages()
            compare(mails.map(m => m.login), [servers.user, other.address, servers.user, other.address])
            compare(mails.map(m => m.from), mails.map(m => m.login))
            compare(mails.map(m => m.fromName), ["Zoé Lefèvre", "Other Sender", "Zoé Lefèvre", "Other Sender"])
            const log = untimed(screen.sendingController.dialog.logText())
            verify(log.indexOf("lea.durand@clients.test via " + other.address + ": ") >= 0, log)
            screen.runAccounts = []
        }

        // ---- A run set to start later ----

        function test_scheduledRunStartsAtItsTimeAndAMissedOneIsOffered() {
            screen.recipient = "paul.martin@clients.test"
            // Schedule… proposes an hour from now; a time that does not exist is refused.
            mouseClick(findChild(page(), "scheduleButton"))
            const ask = screen.sendingController.scheduleDialog
            tryCompare(ask, "opened", true)
            const timeField = findChild(ask.contentItem, "scheduleTimeField")
            const proposed = timeField.text
            timeField.text = "25:00"
            mouseClick(findChild(ask.contentItem, "scheduleConfirmButton"))
            verify(findChild(ask.contentItem, "scheduleError").visible)
            verify(ask.opened, "the dialog stays")
            timeField.text = proposed
            mouseClick(findChild(ask.contentItem, "scheduleConfirmButton"))
            tryCompare(ask, "visible", false)
            const scheduler = screen.sendingController.scheduler
            verify(scheduler.pending)
            verify(/^Starts in 01:0[0-5]:[0-5][0-9]$/.test(scheduler.countdownText()), scheduler.countdownText())
            wait(300)
            compare(servers.count(), 0, "nothing goes before its time")
            // Its time comes (the clock moved on): the run goes by itself.
            RunClock.advance(scheduler.schedule.at - RunClock.nowMs() + 1000)
            waitForRunEnd()
            compare(run().sent, 1)
            compare(servers.messages().map(m => m.envelopeTo[0]), ["paul.martin@clients.test"])
            verify(!scheduler.pending)

            // Scheduled again; a run of the same message is stopped half-way;
            // the program is closed past the schedule's time. The next start
            // asks about the stopped run first, then about the schedule, and
            // nothing goes until the user says so; nobody gets it twice.
            screen.recipient = "cy.roe@friends.test; ann@others.test; lea.durand@clients.test"
            verify(screen.sendingController.openSchedule(""))
            tryCompare(ask, "opened", true)
            mouseClick(findChild(ask.contentItem, "scheduleConfirmButton"))
            tryCompare(ask, "visible", false)
            // Stopped as its first message is answered.
            const stopAtFirst = () => {
                run().recipientDone.disconnect(stopAtFirst)
                run().stop()
            }
            run().recipientDone.connect(stopAtFirst)
            verify(page().sendEmails())
            tryCompare(run(), "state", SendingRun.Stopped, 10000)
            verify(run().sent < 3)
            screen.settingsStore.flush()
            screen.destroy()
            wait(0)
            RunClock.advance(3 * 3600 * 1000)
            screen = screenComponent.createObject(scene)
            const controller = screen.sendingController
            const missed = controller.scheduler.missedDialog
            tryCompare(controller.resumeDialog, "opened", true, 10000)
            wait(1000)
            verify(!missed.opened, "the stopped run is asked about first")
            mouseClick(findChild(controller.resumeDialog.contentItem, "discardRunButton"))
            tryCompare(controller.discardDialog, "opened", true)
            mouseClick(findChild(controller.discardDialog.contentItem, "confirmButton"))
            tryCompare(missed, "opened", true, 10000)
            verify(missed.message.startsWith("Parvane was closed when the run"), missed.message)
            const before = servers.count()
            wait(300)
            compare(servers.count(), before, "not started late without a word")
            mouseClick(findChild(missed.contentItem, "confirmButton"))
            waitForRunEnd()
            compare(servers.messages().map(m => m.envelopeTo[0]).sort(),
                    ["ann@others.test", "cy.roe@friends.test", "lea.durand@clients.test", "paul.martin@clients.test"])
            verify(!controller.scheduler.pending)
        }

        function test_runWideRefusalsAskOnceThenStop() {
            // The password was changed on the server and the message is too
            // big for it: the summary warns, the run asks for the password
            // after one refused login, then stops at the first refusal of
            // the message, saying why. Nobody is mailed or failed.
            const a = slowAccount()
            a.serverPort = String(servers.port("faulty_small"))
            a.password = "an old password"
            screen.userComptes = [a]
            screen.detailEmailContent = "Hello {{firstname}} " + "x".repeat(30000)
            screen.recipient = "big-one@size.test big-two@size.test"
            mouseClick(findChild(screen, "sendButton"))
            const summary = screen.sendingController.summaryDialog
            tryCompare(summary, "opened", true)
            const size = findChild(summary.contentItem, "summarySize")
            tryVerify(() => size.visible, 10000, "the size warning shows")
            verify(/^The message is 0\.03\d* MB; the server accepts at most 0\.02 MB\.$/.test(size.text),
                   size.text)
            mouseClick(findChild(summary.contentItem, "summarySendButton"))

            const prompt = screen.sendingController.passwordDialog
            tryCompare(prompt, "opened", true, 10000)
            compare(run().logins, 1)
            const reason = findChild(prompt.contentItem, "runPasswordReason")
            compare(reason.textFormat, Text.PlainText)
            verify(reason.text.indexOf("refused the login") >= 0 && reason.text.indexOf("(535 5.7.8") >= 0,
                   reason.text)
            compare(dialogChild("pauseLabel").text,
                    "The server refused the password: sending goes on once it is typed again.")
            wait(500)
            compare(run().logins, 1, "no further logins while the question is open")
            const goOn = findChild(prompt.contentItem, "runPasswordContinueButton")
            verify(!goOn.enabled)
            mouseClick(findChild(prompt.contentItem, "runPasswordField"))
            for (const c of servers.password)
                keyClick(c)
            mouseClick(goOn)
            tryCompare(prompt, "visible", false)
            waitForRunEnd()
            compare(run().state, SendingRun.Stopped)
            compare(run().logins, 2)
            verify(run().stopReason.indexOf("refused the message itself") >= 0
                   && run().stopReason.indexOf("(552 5.3.4") >= 0, run().stopReason)
            compare(dialogChild("pauseLabel").text, run().stopReason)
            compare(run().sent + run().failed, 0)
            compare(servers.count(), 0)
        }
    }
}
