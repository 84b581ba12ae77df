import QtQuick
import QtCore
import QtTest
import QmlCppBridge
import ParvaneTest
import content

// Work files and sending lists in the real window: the title bar's save and
// load dialogs, the sending-lists panel with its add dialog, and lists run
// to the loopback SMTP servers, whose received messages are checked.
Item {
    id: scene

    MyTrStrings {
        id: myTrStrings
    }

    MailServers {
        id: servers
    }

    // The test's own access to files and processes.
    readonly property var files: QmlCppBridge

    AppDriver {
        id: driver
        testCase: testCase
    }

    // Where the suite pastes the clipboard.
    TextEdit {
        id: pasteTarget
        visible: false
    }

    TestCase {
        id: testCase

        name: "WorkLists"
        when: windowShown

        property string work: ""
        readonly property string dnsPidFile: "/tmp/parvane-qml-worklists-dns.pid"
        readonly property var screen: driver.screen

        function contact(name, email, list) {
            return {
                "lastname": name, "firstname": name, "fullname": name, "telephone": "",
                "email": email, "company": "", "occupation": "", "website": "", "list": list
            }
        }

        function account() {
            return {
                "senderName": "Account Sender", "serverName": "Loopback",
                "serverHost": servers.host, "serverPort": String(servers.port("starttls")),
                "connection": "TLS", "address": servers.user, "password": servers.password
            }
        }

        function startDns() {
            const result = files.cmdExcute("/usr/sbin/dnsmasq", [
                "--conf-file=/dev/null", "--port=53", "--listen-address=127.0.84.4",
                "--bind-interfaces", "--no-resolv", "--no-hosts", "--user=root",
                "--address=/probe.parvane.test/127.0.0.9", "--pid-file=" + dnsPidFile])
            compare(result.status, 0, "dnsmasq starts: " + result.text)
        }

        function stopDns() {
            const pid = files.textFromFile("file://" + dnsPidFile).trim()
            if (pid !== "")
                files.cmdExcute("kill", [pid])
            files.cmdExcute("rm", ["-f", dnsPidFile])
            wait(100)
        }

        function initTestCase() {
            verify(servers.start(), "the mail servers listen")
            stopDns()
            startDns()
            work = String(StandardPaths.writableLocation(StandardPaths.GenericConfigLocation))
                    .replace(/^file:\/\//, "") + "/work"
            files.cmdExcute("rm", ["-rf", work])
            compare(files.cmdExcute("mkdir", ["-p", work + "/one/images", work + "/three/images"]).status, 0)
            // The documents folder of the suite's own home, where dialogs open.
            files.textToFile("file://" + work + "/../user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"" + work + "\"")
            driver.start()
            driver.setLanguage("en_EN")
        }

        function cleanupTestCase() {
            driver.stop()
            stopDns()
        }

        function init() {
            servers.clearInbox()
            driver.seed({
                "userComptes": [account()],
                "userActiveCompte": servers.user,
                "userMailsPs": 10,
                "userContactsLists": ["Clients", "Friends"],
                "contactBook": [contact("Ann", "ann@clients.test", "Clients"),
                                 contact("Bob", "bob@friends.test", "Friends")],
                "senderName": "", "subject": "", "recipient": "", "detailEmailContent": "",
                "selectedLists": [], "emailAttachments": [], "detailEmailContentUrl": "",
                "sendingLists": []
            })
        }

        function cleanup() {
            RunClock.offsetMs = 0
            screen.runSchedule = ({})
            driver.closePopups()
            tryCompare(screen, "isSenderRunning", false, 20000)
            tryCompare(screen, "isSendingListRunning", false, 20000)
            // Each case sends its tasks afresh: no earlier run of the same
            // message leaves its recipients out.
            const run = screen.sendingController.run
            files.cmdExcute("rm", ["-rf", run.historyPath, run.journalPath])
            screen.sendingController.history.reload()
        }

        // A work file written by the bridge as the save dialog writes one.
        function saveTask(name, email, lists, attachments, html) {
            const path = work + "/" + name
            verify(files.save(path, email, lists || [], attachments || [], html || ""), path)
            return path
        }

        // A list as the add dialog makes it: each file's digest as reviewed.
        function reviewed(list) {
            return Object.assign({}, list, { "digests": list.tasks.map(path => files.load(path).digest) })
        }

        // The review dialog shows these files by their whole paths; confirmed.
        function confirmReview(paths, review) {
            if (!review)
                review = driver.find("detailStackView").currentItem.addDialog.reviewDialog
            tryCompare(review, "opened", true)
            compare(review.entries.map(entry => entry.path), paths)
            for (let i = 0; i < paths.length; ++i)
                tryCompare(driver.find("reviewedFile" + i, true), "text", paths[i])
            driver.clickNamed("confirmReviewButton")
            tryCompare(review, "visible", false)
        }

        function seedReviewed(values) {
            driver.seed(Object.assign({}, values,
                                      { "sendingLists": values.sendingLists.map(reviewed) }))
        }

        function task(subject, recipient, content) {
            return { "senderName": "Zoé", "subject": subject, "recipient": recipient,
                     "emailContent": content === undefined ? "Hello {{firstname}}" : content }
        }

        // Texts of the main screen's danger (or success) toasts, newest first.
        function toastTexts(success) {
            for (let c = 0; c < screen.children.length; ++c) {
                const child = screen.children[c]
                const kind = success ? child.successStyle : child.dangerStyle
                if (kind === true && child.model && typeof child.show === "function") {
                    const texts = []
                    for (let i = 0; i < child.model.count; ++i)
                        texts.push(child.model.get(i).text)
                    return texts
                }
            }
            fail("the danger toasts are found")
        }

        // As a user waits for the main screen's toasts to go: they cover the panel's buttons.
        function dismissToasts() {
            for (let c = 0; c < screen.children.length; ++c) {
                const child = screen.children[c]
                if (child.model && typeof child.show === "function" && typeof child.showOnce === "function")
                    child.model.clear()
            }
        }

        // Texts of a dialog's danger toasts, newest first.
        function dialogToasts(dialog) {
            const toasts = findChild(dialog, "dialogDangerToasts")
            verify(toasts, "the dialog's toasts")
            const texts = []
            for (let i = 0; i < toasts.model.count; ++i)
                texts.push(toasts.model.get(i).text)
            return texts
        }

        function openPanel() {
            driver.openPage("homeMenu", "SendEmailsPage")
            driver.clickNamed("sendingListsButton")
            driver.settle()
            const panel = driver.find("detailStackView").currentItem
            compare(panel.objectName, "SendingListsDetail")
            return panel
        }

        function entry(index) {
            return driver.find("sendingListEntry" + index, true)
        }

        // A button of the list's entry, shown or not.
        function entryButton(index, name) {
            return driver.find(name, false, entry(index))
        }

        function waitForListEnd() {
            tryVerify(() => !screen.isSendingListRunning && !screen.isSenderRunning, 30000,
                      "the list runs to its end")
        }

        function okEntry(address) {
            return address + ": " + myTrStrings.email_sent + "\n\n"
        }

        // A log as written, less the time in front of each line.
        function untimed(text) {
            return text.replace(/^[0-2][0-9]:[0-5][0-9]:[0-5][0-9] /gm, "")
        }

        function marker(word, n) {
            return "=====\n" + word + " task " + n + "\n=====\n\n"
        }

        // ---- A run put aside ----

        function test_runPutAsideWhileThePagesStayUsable() {
            driver.seed({ "userMailsPs": 1, "senderName": "Aside", "subject": "In the background",
                          "detailEmailContent": "Hello",
                          "recipient": "a1@aside.test a2@aside.test a3@aside.test a4@aside.test" })
            driver.openPage("homeMenu", "SendEmailsPage")
            const controller = screen.sendingController
            const dialog = controller.dialog
            const run = controller.run
            const bar = driver.app.titleBar
            // Send is at the page's foot: scrolled to, as a user does.
            const flick = driver.find("pagesFlickable")
            flick.contentY = Math.max(0, flick.contentHeight - flick.height)
            driver.frame()
            driver.clickNamed("sendButton")
            tryCompare(controller.summaryDialog, "opened", true)
            driver.click(findChild(controller.summaryDialog.contentItem, "summarySendButton"))
            tryCompare(dialog, "opened", true)
            tryCompare(run, "sent", 1, 5000)
            verify(driver.find("runDialogShield", true) !== null, "the screen behind the dialog is covered")

            // The title bar acts while the dialog is up; its close asks first.
            driver.click(bar.maximizeButton)
            tryVerify(() => driver.app.maximized)
            driver.click(bar.maximizeButton)
            tryVerify(() => !driver.app.maximized)
            driver.clickNamed("minimizeButton")
            tryCompare(driver.app, "visibility", Window.Minimized)
            driver.app.showNormal()
            tryVerify(() => driver.app.visibility === Window.Windowed)
            driver.clickNamed("closeWindowButton")
            tryCompare(controller.quitDialog, "opened", true)
            driver.click(findChild(controller.quitDialog.contentItem, "closeButton"))
            tryCompare(controller.quitDialog, "visible", false)
            verify(driver.app.visible, "the window stays")
            verify(run.busy, "the run goes on")

            // Escape puts the dialog aside: the pages are usable, the form and
            // what the run uses are not, and the status bar shows the progress.
            keyClick(Qt.Key_Escape)
            tryCompare(dialog, "visible", false)
            verify(run.busy)
            verify(driver.find("runDialogShield", true) === null)
            verify(driver.find("subjectField", true).readOnly, "the form the run sends stays as it is")
            verify(!driver.find("clearButton", true).enabled)
            verify(!bar.loadButton.enabled, "no work file replaces the form during the run")
            const status = bar.runStatusButton
            tryVerify(() => driver.shown(status))
            verify(/^Sending [1-3]\/4$/.test(status.text), status.text)
            driver.openPage("contactsListsMenu", "ContactsListsPage")
            tryVerify(() => run.sent >= 2, 5000)
            verify(/^Sending [2-3]\/4$/.test(status.text), status.text)

            // A click brings it back with the counters and the timed log.
            driver.click(status)
            tryCompare(dialog, "opened", true)
            verify(!driver.shown(status))
            compare(dialog.sent, run.sent)
            verify(/^[0-2][0-9]:[0-5][0-9]:[0-5][0-9] a1@aside\.test: Email sent\n/.test(dialog.logText()),
                   dialog.logText())

            // Put aside by its button, the run ends out of sight and says so.
            driver.clickNamed("putAsideButton")
            tryCompare(dialog, "visible", false)
            tryCompare(run, "busy", false, 10000)
            tryCompare(status, "text", "Sending finished 4/4")
            compare(servers.messages().map(m => m.to[0]).sort(),
                    ["a1@aside.test", "a2@aside.test", "a3@aside.test", "a4@aside.test"])
            driver.click(status)
            tryCompare(dialog, "opened", true)
            compare(dialog.sent, 4)

            // Save log writes what the dialog shows, asking before replacing.
            const saved = work + "/run-log.txt"
            files.cmdExcute("rm", ["-f", saved])
            driver.clickNamed("saveLogButton")
            driver.openFileDialogView()
            driver.typeFileName("run-log.txt")
            driver.acceptFileDialog()
            // Read back byte for byte (the bridge's text reading drops empty lines).
            const written = () => files.cmdExcute("cat", [saved]).text
            tryVerify(() => written() !== "", 3000, "the log is written")
            compare(written().replace(/\n+$/, ""), dialog.logText().replace(/\n+$/, ""))
            compare(untimed(dialog.logText()).split("\n").filter(l => l !== "").length, 4)
            driver.clickNamed("saveLogButton")
            driver.openFileDialogView()
            driver.typeFileName("run-log.txt")
            driver.acceptFileDialog()
            tryCompare(dialog.saveLogDialog.replaceDialog, "opened", true)
            driver.click(findChild(dialog.saveLogDialog.replaceDialog.contentItem, "confirmButton"))
            tryCompare(dialog.saveLogDialog.replaceDialog, "visible", false)
            compare(written().replace(/\n+$/, ""), dialog.logText().replace(/\n+$/, ""))

            driver.clickNamed("closeButton")
            tryCompare(dialog, "visible", false)
            verify(!driver.shown(status), "nothing to bring back once the ended run was seen")
        }

        // ---- Work files through the title bar ----

        function test_saveThenLoadThroughTheTitleBarDialogs() {
            // Only this test's file in the folder, so the dialog shows it without scrolling.
            files.cmdExcute("sh", ["-c", "rm -f '" + work + "'/*.pvsav"])
            const attachment = work + "/notes.txt"
            verify(files.writeTextFile("file://" + attachment, "notes"))
            driver.seed({ "senderName": "Zoé", "subject": "Été", "recipient": "a@b.test",
                          "detailEmailContent": "Bonjour {{firstname}}",
                          "selectedLists": ["Clients"], "emailAttachments": [attachment] })
            driver.click(driver.app.titleBar.saveButton)
            driver.openFileDialogView()
            compare(driver.find("fileNameTextField", true).text, "my-work.pvsav", "the proposed name")
            driver.typeFileName("mine.pvsav")
            driver.acceptFileDialog()
            compare(toastTexts(), [], "a save that works is no error")
            compare(toastTexts(true)[0], "The work was saved in mine.pvsav.")
            let saved = files.load(work + "/mine.pvsav")
            compare(saved.email, { "senderName": "Zoé", "subject": "Été", "recipient": "a@b.test",
                                   "emailContent": "Bonjour {{firstname}}" })
            compare(saved.lists, ["Clients"])
            compare(saved.attachments, [attachment])
            compare(saved.html, "", "no HTML body: the stored address names no file")

            // Saving again onto that file asks first: declined, the file is
            // left byte for byte; confirmed, it holds the new work.
            const replace = findChild(screen, "saveWorkDialog").replaceDialog
            driver.seed({ "subject": "Autre" })
            for (const answer of ["closeButton", "confirmButton"]) {
                const before = files.load(work + "/mine.pvsav").digest
                driver.click(driver.app.titleBar.saveButton)
                driver.openFileDialogView()
                driver.typeFileName("mine.pvsav")
                driver.acceptFileDialog()
                tryCompare(replace, "opened", true)
                compare(replace.message, "mine.pvsav already exists. Replace it?")
                compare(driver.find("confirmButton", true, replace.contentItem).text, "Replace")
                compare(files.load(work + "/mine.pvsav").digest, before, "nothing written while asking")
                driver.click(driver.find(answer, true, replace.contentItem))
                tryCompare(replace, "visible", false)
                driver.settle()
                saved = files.load(work + "/mine.pvsav")
                if (answer === "closeButton") {
                    compare(saved.digest, before, "a declined replace keeps the file")
                    compare(saved.email.subject, "Été")
                } else {
                    compare(saved.email.subject, "Autre")
                }
            }

            driver.seed({ "senderName": "x", "subject": "y", "recipient": "", "detailEmailContent": "",
                          "selectedLists": [], "emailAttachments": [] })
            driver.click(driver.app.titleBar.loadButton)
            const view = driver.openFileDialogView()
            // The file is picked in the dialog's folder view (the documents folder), as a user picks it.
            const named = () => driver.collect(i => i.text === "mine.pvsav", view)
            tryVerify(() => named().length === 1, 5000, "the work file is listed")
            driver.click(named()[0])
            tryVerify(() => String(findChild(screen, "loadWorkDialog").selectedFile).endsWith("/mine.pvsav"))
            driver.click(driver.buttonWithText("Open"))
            tryVerify(() => driver.find("fileDialogListView", true) === null, 3000, "the dialog closes")
            driver.settle()
            compare(screen.senderName, "Zoé")
            compare(screen.subject, "Autre")
            compare(screen.recipient, "a@b.test")
            compare(screen.detailEmailContent, "Bonjour {{firstname}}")
            compare(screen.selectedLists, ["Clients"])
            compare(screen.emailAttachments, [attachment])
            compare(screen.detailEmailContentUrl, "")
        }

        function test_emptyFormSavesEmptyArraysAndLoadsWithoutHtml() {
            driver.seed({ "senderName": "Zoé" })
            files.cmdExcute("rm", ["-f", work + "/empty.pvsav"])
            driver.click(driver.app.titleBar.saveButton)
            driver.openFileDialogView()
            driver.typeFileName("empty.pvsav")
            driver.acceptFileDialog()
            const loaded = files.load(work + "/empty.pvsav")
            compare(loaded.lists, [])
            compare(loaded.attachments, [])
            compare(loaded.html, "")
            const html = work + "/shown.html"
            verify(files.writeTextFile("file://" + html, "<p>x</p>"))
            driver.seed({ "detailEmailContentUrl": html, "senderName": "Other" })
            verify(screen.loadFile(work + "/empty.pvsav"))
            compare(screen.detailEmailContentUrl, "", "loading clears the HTML body")
            compare(screen.senderName, "Zoé")
        }

        function test_listsThatNoLongerExistAreDropped() {
            const path = saveTask("lists.pvsav", task("s", ""), ["Gone", "Friends", "Also gone", "Clients"])
            verify(screen.loadFile(path))
            compare(screen.selectedLists, ["Friends", "Clients"])
        }

        function test_failedSaveAndUnreadableFileAreTold() {
            driver.seed({ "senderName": "Keep", "subject": "Me", "detailEmailContentUrl": "" })
            verify(files.writeTextFile("file://" + work + "/a-file", "x"))
            // A folder that is a file: no one, root included, can write there.
            // (The dialog itself only offers folders that exist: its answer is given here.)
            verify(!findChild(screen, "workFiles").saveTo("file://" + work + "/a-file/save.pvsav"))
            tryVerify(() => toastTexts().length > 0)
            compare(toastTexts()[0], "The work could not be saved in save.pvsav.")

            const html = work + "/kept.html"
            verify(files.writeTextFile("file://" + html, "<p>kept</p>"))
            driver.seed({ "detailEmailContentUrl": html })
            verify(files.writeTextFile("file://" + work + "/garbage.pvsav", "not a work file at all"))
            verify(!screen.loadFile(work + "/garbage.pvsav"))
            compare(toastTexts()[0], "garbage.pvsav could not be read as a work file.")
            compare(screen.detailEmailContentUrl, html, "the composed message is left as it was")
            compare(screen.senderName, "Keep")
            verify(!screen.loadFile(work + "/does-not-exist.pvsav"))
            compare(screen.subject, "Me")
        }

        function test_whatMakesAValidTask_data() {
            return [
                { tag: "complete", email: task("s", "a@b.test"), valid: true },
                { tag: "no sender", email: { "senderName": "", "subject": "s", "recipient": "a@b.test",
                                             "emailContent": "x" }, valid: false },
                { tag: "no subject", email: task("", "a@b.test"), valid: false },
                { tag: "no recipient", email: task("s", ""), valid: false },
                { tag: "a list for recipient", email: task("s", ""), lists: ["Clients"], valid: true },
                { tag: "no content", email: task("s", "", ""), lists: ["Clients"], valid: false },
                { tag: "an attachment for content", email: task("s", "", ""), lists: ["Unknown list"],
                  attachments: ["notes.txt"], valid: true },
                { tag: "an attachment since deleted", email: task("s", "a@b.test", ""),
                  attachments: ["deleted.txt"], valid: false },
                { tag: "an HTML file for content", email: task("s", "a@b.test", ""), html: "page.html",
                  valid: true }
            ]
        }

        function test_whatMakesAValidTask(data) {
            verify(files.writeTextFile("file://" + work + "/notes.txt", "n"))
            verify(files.writeTextFile("file://" + work + "/deleted.txt", "n"))
            verify(files.writeTextFile("file://" + work + "/page.html", "<p>p</p>"))
            const inWork = names => (names || []).map(n => work + "/" + n)
            const path = saveTask("valid.pvsav", data.email, data.lists,
                                  inWork(data.attachments), data.html ? work + "/" + data.html : "")
            files.cmdExcute("rm", ["-f", work + "/deleted.txt"])
            compare(screen.isValidTask(path), data.valid)
        }

        // ---- The add dialog ----

        function test_addDialogChecksAndLimits() {
            const panel = openPanel()
            verify(driver.find("noSendingListLabel", true), "no list yet")
            driver.clickNamed("addSendingListLink")
            const dialog = panel.addDialog
            tryCompare(dialog, "opened", true)

            const a = saveTask("a.pvsav", task("A", "a@b.test"))
            const b = saveTask("b.pvsav", task("B", "a@b.test"))
            const bad = saveTask("bad.pvsav", task("", "a@b.test"))

            // The picker opens from its link; its answer is handed over as it gives it.
            driver.clickNamed("addTasksLink")
            driver.openFileDialogView()
            driver.click(driver.buttonWithText("Cancel"))
            tryVerify(() => driver.find("fileDialogListView", true) === null, 3000)
            dialog.addTasks(["file://" + a, "file://" + bad, "file://" + b, "file://" + a])
            compare(dialogToasts(dialog), ["1 file cannot be used as a task: a task needs a sender "
                                           + "name, a subject, recipients and some content."])
            // Nothing joins the list before the user has seen what it sends.
            compare(dialog.tasks, [])
            confirmReview([a, b])
            compare(dialog.tasks, [a, b], "the unusable save and the repeat are left out")
            tryVerify(() => driver.find("taskTag1", true) !== null)
            compare(driver.find("taskTag0", true).text, a, "the whole path")

            // 2 already there + 99 chosen is over the limit: nothing added.
            const many = []
            for (let i = 0; i < 99; ++i)
                many.push("file://" + a)
            dialog.addTasks(many)
            compare(dialog.tasks.length, 2)
            compare(dialogToasts(dialog)[0], "You cannot add more than 100 tasks to a list.")

            // Confirm checks in order: the name, an existing name, two tasks.
            driver.clickNamed("confirmButton")
            compare(dialog.opened, true, "refused: the dialog stays")
            compare(dialogToasts(dialog)[0], myTrStrings.list_name_required)
            driver.seed({ "sendingLists": [{ "name": "Taken", "tasks": [a, b], "output": "",
                                             "done": 0, "nextTask": 0 }] })
            dialog.listName = "Taken"
            driver.clickNamed("confirmButton")
            compare(screen.sendingLists.length, 1)
            compare(dialogToasts(dialog)[0], myTrStrings.sending_list_exists)
            dialog.listName = "New"
            dialog.removeTask(1)
            driver.clickNamed("confirmButton")
            compare(screen.sendingLists.length, 1, "one task is not enough")
            compare(dialogToasts(dialog)[0], myTrStrings.you_must_add_at_least_two_tasks)
            dialog.addTasks(["file://" + b])
            confirmReview([b])
            driver.clickNamed("confirmButton")
            tryCompare(dialog, "opened", false)
            compare(screen.sendingLists[0], reviewed({ "name": "New", "tasks": [a, b], "output": "",
                                                       "done": 0, "nextTask": 0 }))
            compare(dialog.tasks, [])
            compare(dialog.listName, "")
        }

        // ---- Running lists ----

        // A work file written by someone else names the user's private files
        // and the attacker's address. Loaded into the form, only what may be
        // sent stays, each refused file named, and the HTML path shown whole;
        // added to a list, nothing is sent before the review, and a file
        // changed after it stops the list before it sends anything.
        function test_workFileFromElsewhereSendsNothingUnseen() {
            const fine = work + "/note.txt"
            verify(files.writeTextFile("file://" + fine, "a note"))
            const storeFile = screen.settingsStore.path + "/userData/comptes.json"
            screen.settingsStore.flush()
            const hostile = saveTask("hostile.pvsav", task("Hostile", "attacker@evil.test"), [],
                                     ["/etc/passwd", "/proc/self/environ", storeFile, fine],
                                     "/etc/hostname")
            const other = saveTask("other.pvsav", task("Other", "o@tasks.test"))

            driver.openPage("homeMenu", "SendEmailsPage")
            verify(screen.loadFile(hostile))
            compare(screen.emailAttachments, [fine])
            compare(screen.detailEmailContentUrl, "")
            const told = toastTexts()[0]
            for (const path of ["/etc/passwd", "/proc/self/environ", storeFile, "/etc/hostname"])
                verify(told.indexOf(path) >= 0, path + " is named: " + told)
            tryVerify(() => driver.find("attachmentTag_0", true) !== null)
            compare(driver.find("attachmentTag_0", true).text, fine)
            dismissToasts()

            const panel = openPanel()
            driver.clickNamed("addSendingListLink")
            const dialog = panel.addDialog
            tryCompare(dialog, "opened", true)
            dialog.addTasks(["file://" + hostile, "file://" + other])
            const review = dialog.reviewDialog
            tryCompare(review, "opened", true)
            const shown = driver.find("reviewedContent0", true).text
            for (const line of ["attacker@evil.test", fine, "/etc/passwd", storeFile])
                verify(shown.indexOf(line) >= 0, line + " is shown: " + shown)
            compare(servers.messages().length, 0, "nothing sent before the review")
            confirmReview([hostile, other], review)
            dialog.listName = "From elsewhere"
            driver.clickNamed("confirmButton")
            tryCompare(dialog, "opened", false)

            // The sender changes the file after the review: the list stops at it.
            saveTask("hostile.pvsav", task("Changed", "attacker@evil.test"), [], [fine])
            tryCompare(dialog, "visible", false)
            driver.click(entryButton(0, "playSendingListButton"))
            const again = screen.sendingController.sequencer.reviewDialog
            tryCompare(again, "opened", true)
            verify(!screen.isSendingListRunning, "the list stopped")
            tryCompare(driver.find("reviewedContent0", true), "text",
                       again.describe(files.load(hostile)))
            wait(600)
            compare(servers.messages().length, 0, "the changed file sent nothing")

            // Reviewed again, the list runs both tasks.
            driver.clickNamed("confirmReviewButton")
            tryCompare(again, "visible", false)
            driver.click(entryButton(0, "playSendingListButton"))
            waitForListEnd()
            compare(servers.messages().map(m => m.subject).sort(), ["Changed", "Other"])
            const changed = servers.messages().find(m => m.subject === "Changed")
            compare(changed.parts.filter(p => p.fileName !== "").map(p => p.fileName), ["note.txt"])
        }

        function test_listOfThreeTasksWithTheSecondGone() {
            // Each task's HTML file uses images of its own folder.
            const svg = color => "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"2\" height=\"2\">"
                        + "<rect width=\"2\" height=\"2\" fill=\"" + color + "\"/></svg>"
            verify(files.writeTextFile("file://" + work + "/one/images/red.svg", svg("red")))
            verify(files.writeTextFile("file://" + work + "/three/images/blue.svg", svg("blue")))
            verify(files.writeTextFile("file://" + work + "/one/one.html",
                                       "<p>One {{firstname}}</p><img src=\"images/red.svg\">"))
            verify(files.writeTextFile("file://" + work + "/three/three.html",
                                       "<p>Three</p><img src=\"images/blue.svg\">"))
            const one = saveTask("t1.pvsav", task("First", "t1@tasks.test", ""), ["Clients"], [],
                                 work + "/one/one.html")
            const two = saveTask("t2.pvsav", task("Second", "t2@tasks.test"))
            const three = saveTask("t3.pvsav", task("Third", "t3@tasks.test", ""), [], [],
                                   work + "/three/three.html")
            seedReviewed({ "sendingLists": [{ "name": "Weekly", "tasks": [one, two, three],
                                             "output": "", "done": 0, "nextTask": 0 }] })
            files.cmdExcute("rm", ["-f", two])
            openPanel()
            driver.click(entryButton(0, "playSendingListButton"))
            verify(screen.isSendingListRunning)
            verify(!entryButton(0, "deleteSendingListButton").enabled, "no delete while running")
            waitForListEnd()

            const messages = servers.messages()
            compare(messages.map(m => m.subject).sort(), ["First", "First", "Third"])
            const inlineOf = m => m.parts.filter(p => p.contentId !== "").map(p => p.fileName)
            for (const m of messages) {
                if (m.subject === "First")
                    compare(inlineOf(m), ["red.svg"])
                else
                    compare(inlineOf(m), ["blue.svg"])
            }
            compare(messages.filter(m => m.subject === "First").map(m => m.to[0]).sort(),
                    ["ann@clients.test", "t1@tasks.test"])

            const list = screen.sendingLists[0]
            compare(list.done, 2)
            compare(list.nextTask, 3)
            compare(untimed(list.output), "Weekly\n\n" + marker("Start", 1) + okEntry("ann@clients.test")
                    + okEntry("t1@tasks.test") + marker("End", 1) + marker("Start", 3)
                    + okEntry("t3@tasks.test") + marker("End", 3))
            verify(!entryButton(0, "playSendingListButton").visible, "a finished list has no play")
            driver.click(entryButton(0, "copySendingListOutputButton"))
            compare(toastTexts(true)[0], "Output copied.")
            pasteTarget.text = ""
            pasteTarget.paste()
            compare(pasteTarget.text, list.output, "the list's log is on the clipboard")
            compare(driver.find("sendingListProgress", true, entry(0)).value, 2 / 3)
            compare(screen.subject, "Third", "the form holds the last task loaded")
        }

        function test_stopEndsOnlyTheTaskAndTheListGoesOn() {
            // The fault-injecting listener answers a "slow" recipient after two seconds.
            const slowAccount = account()
            slowAccount.serverPort = String(servers.port("faulty"))
            slowAccount.connection = "Auto"
            const slow = saveTask("slow.pvsav", task("Slow", "slow1@tasks.test slow2@tasks.test slow3@tasks.test"))
            const next = saveTask("next.pvsav", task("Next", "n1@tasks.test"))
            seedReviewed({ "userComptes": [slowAccount],
                          "sendingLists": [{ "name": "Stoppable", "tasks": [slow, next],
                                             "output": "", "done": 0, "nextTask": 0 }] })
            openPanel()
            driver.click(entryButton(0, "playSendingListButton"))
            const dialog = screen.sendingController.dialog
            tryVerify(() => servers.messages().some(m => m.subject === "Slow"), 15000,
                      "the first message of the slow task is sent")
            tryCompare(dialog, "opened", true)
            driver.click(findChild(dialog.contentItem, "stopButton"))
            tryVerify(() => screen.sendingLists[0].nextTask === 2, 20000, "the next task starts")
            waitForListEnd()
            const list = screen.sendingLists[0]
            compare(list.done, 1, "the stopped task does not count")
            verify(untimed(list.output).indexOf(marker("End", 1)) < 0, list.output)
            verify(untimed(list.output).indexOf(marker("Start", 2) + okEntry("n1@tasks.test") + marker("End", 2)) > 0,
                   list.output)
            // What went out before Stop is logged, and nothing more went out.
            const slowSent = servers.messages().filter(m => m.subject === "Slow").map(m => m.to[0])
            verify(slowSent.length >= 1 && slowSent.length < 3, slowSent)
            for (const address of slowSent)
                verify(untimed(list.output).indexOf(okEntry(address)) > 0, address)
        }

        function test_resumedListContinuesAtItsNextTaskWhateverPageIsShown() {
            const first = saveTask("r1.pvsav", task("R1", "r1@tasks.test"))
            const second = saveTask("r2.pvsav", task("R2", "r2@tasks.test"))
            const third = saveTask("r3.pvsav", task("R3", "r3@tasks.test"))
            // The first task ran before the program was stopped: its log stays.
            const before = "Half\n\n" + marker("Start", 1) + "10:00:00 r1@tasks.test: Email sent\n\n"
                    + marker("End", 1)
            seedReviewed({ "sendingLists": [{ "name": "Half", "tasks": [first, second, third],
                                             "output": before, "done": 1, "nextTask": 1 }] })
            openPanel()
            driver.click(entryButton(0, "playSendingListButton"))
            tryVerify(() => screen.sendingLists[0].done === 2, 20000, "task 2 ends")
            tryCompare(screen.sendingController.dialog, "visible", false)
            // Between two tasks the user goes to the contacts page: the list goes on.
            driver.openPage("contactsListsMenu", "ContactsListsPage")
            waitForListEnd()
            compare(servers.messages().map(m => m.subject), ["R2", "R3"])
            const list = screen.sendingLists[0]
            verify(list.output.startsWith(before), list.output)
            compare(untimed(list.output), untimed(before) + marker("Start", 2) + okEntry("r2@tasks.test") + marker("End", 2)
                    + marker("Start", 3) + okEntry("r3@tasks.test") + marker("End", 3))
            compare(list.done, 3)
            compare(list.nextTask, 3)
        }

        // The panel is only ever shown beside the compose page, but a list
        // started from elsewhere still brings the compose page first.
        function test_scheduledListStartsFromAnotherPageAndShowsTheComposePage() {
            const a = saveTask("c1.pvsav", task("C1", "c1@tasks.test"))
            const b = saveTask("c2.pvsav", task("C2", "c2@tasks.test"))
            const list = reviewed({ "name": "Elsewhere", "tasks": [a, b], "output": "", "done": 0,
                                    "nextTask": 0 })
            driver.seed({ "sendingLists": [list] })
            // Scheduled from its panel, it starts at its time from whatever page is shown.
            openPanel()
            driver.click(entryButton(0, "scheduleSendingListButton"))
            const ask = screen.sendingController.scheduleDialog
            tryCompare(ask, "opened", true)
            driver.click(driver.find("scheduleConfirmButton", true, ask.contentItem))
            tryCompare(ask, "visible", false)
            compare(screen.runSchedule.list, "Elsewhere")
            driver.openPage("contactsListsMenu", "ContactsListsPage")
            wait(300)
            verify(!screen.isSendingListRunning, "not before its time")
            RunClock.advance(screen.runSchedule.at - RunClock.nowMs() + 1000)
            tryVerify(() => screen.isSendingListRunning, 5000, "the list starts")
            driver.settle()
            compare(driver.find("pagesStackView").currentItem.objectName, "SendEmailsPage")
            waitForListEnd()
            compare(screen.sendingLists[0].done, 2)
        }

        function test_closingTheWindowBetweenTwoTasksAsksFirst() {
            const a = saveTask("q1.pvsav", task("Q1", "q1@tasks.test"))
            const b = saveTask("q2.pvsav", task("Q2", "q2@tasks.test"))
            seedReviewed({ "sendingLists": [{ "name": "Quit", "tasks": [a, b], "output": "", "done": 0,
                                             "nextTask": 0 }] })
            openPanel()
            driver.click(entryButton(0, "playSendingListButton"))
            tryVerify(() => screen.sendingLists[0].done === 1, 20000, "task 1 ends")
            verify(!screen.isSenderRunning)
            const controller = screen.sendingController
            compare(controller.quitRequested(), false, "the window stays while the list is under way")
            tryCompare(controller.quitDialog, "opened", true)
            driver.click(findChild(controller.quitDialog.contentItem, "closeButton"))
            waitForListEnd()
            compare(servers.messages().map(m => m.subject), ["Q1", "Q2"])
            compare(controller.quitRequested(), true, "nothing to ask once the list has ended")
        }

        function test_replacedPanelAndTheListStillFinishes() {
            const a = saveTask("p1.pvsav", task("P1", "p1@tasks.test p2@tasks.test"))
            const b = saveTask("p2.pvsav", task("P2", "p3@tasks.test"))
            seedReviewed({ "sendingLists": [{ "name": "Other", "tasks": [a, b], "output": "", "done": 0,
                                             "nextTask": 2 },
                                           { "name": "Moving", "tasks": [a, b], "output": "",
                                             "done": 0, "nextTask": 0 }] })
            openPanel()
            verify(!entryButton(0, "playSendingListButton").visible, "a finished list shows no play")
            driver.click(entryButton(1, "playSendingListButton"))
            verify(!entryButton(0, "deleteSendingListButton").enabled)
            // Between the two tasks the preview replaces the panel; the list goes on without it.
            tryVerify(() => screen.sendingLists[0].done === 1, 20000, "task 1 ends")
            tryCompare(screen.sendingController.dialog, "visible", false)
            driver.clickNamed("previewButton")
            driver.settle()
            compare(driver.find("detailStackView").currentItem.objectName, "EmailContentDetail")
            waitForListEnd()
            compare(screen.sendingLists[0].name, "Moving")
            compare(screen.sendingLists[0].done, 2)
            compare(servers.count(), 3)
            openPanel()
            verify(!entryButton(0, "playSendingListButton").visible)
            compare(driver.find("sendingListProgress", true, entry(0)).value, 1)

            // Delete and Delete all ask first.
            driver.click(entryButton(1, "deleteSendingListButton"))
            tryVerify(() => driver.find("confirmButton", true) !== null, 3000, "the confirmation asks")
            compare(driver.find("confirmButton", true).text, "Delete")
            driver.clickNamed("confirmButton")
            tryVerify(() => !driver.popupShown(), 3000, "the confirmation is gone")
            driver.settle()
            compare(screen.sendingLists.map(l => l.name), ["Moving"])
            driver.clickNamed("deleteAllSendingListsButton")
            tryVerify(() => driver.find("confirmButton", true) !== null, 3000, "the confirmation asks")
            compare(driver.find("confirmButton", true).text, "Delete")
            driver.clickNamed("confirmButton")
            tryVerify(() => !driver.popupShown(), 3000, "the confirmation is gone")
            driver.settle()
            compare(screen.sendingLists, [])
            verify(!driver.find("deleteAllSendingListsButton", true).enabled)
        }
    }
}
