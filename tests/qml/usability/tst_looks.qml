import QtQuick
import QtTest
import QmlCppBridge
import ParvaneTest

// What a user sees at the smallest window, in both languages: every text of
// every page, panel, dialog and menu fits its box, nothing lies outside the
// frame that clips it unless it can be scrolled to, and texts read against
// what is behind them (contrast of at least 4.5:1, taken from the colours of
// the items as shown).
Item {
    AppDriver {
        id: driver
        testCase: testCase
    }

    // A run of the tests' own, shown in the program's run dialog.
    SendingRun {
        id: bigRun

        interval: 0
    }

    TestCase {
        id: testCase

        name: "Looks"
        when: windowShown

        readonly property var account: ({
            "senderName": "Marie Curie", "serverName": "Gmail", "serverHost": "smtp.gmail.com",
            "serverPort": "587", "connection": "TLS", "address": "marie.curie@example.com",
            "password": "secret"
        })

        // A count as the interface language writes it.
        function number(n) {
            return Number(n).toLocaleString(Qt.locale(), "f", 0)
        }

        function contact(name, email) {
            return {
                "lastname": name, "firstname": "Jean", "fullname": name + " Jean",
                "telephone": "+33 6 12 34 56 78", "email": email, "company": "ACME",
                "occupation": "Trader", "website": "https://example.com", "list": "Clients"
            }
        }

        function initTestCase() {
            driver.start()
            driver.app.width = driver.app.minimumWidth
            driver.app.height = driver.app.minimumHeight
            tryCompare(driver.app, "height", driver.app.minimumHeight)
        }

        function cleanupTestCase() {
            driver.setLanguage("en_EN")
            driver.stop()
        }

        function init() {
            driver.seed({
                "userComptes": [], "userActiveCompte": "",
                "userContactsLists": ["Clients", "Prospects"],
                "contactBook": [contact("Dupont", "dupont@example.com"),
                                 contact("Martin", "martin@example.com")],
                "selectedLists": [], "emailAttachments": [], "detailEmailContentUrl": "",
                "detailEmailContent": ""
            })
        }

        function cleanup() {
            const controller = driver.screen.sendingController
            controller.dialog.run = controller.run
            driver.screen.isSendingListRunning = false
            driver.screen.runningSendingList = undefined
            // Whatever a scene opened goes away before the next one.
            // The run's dialog takes no Escape; its Close button is for a run's end.
            driver.screen.sendingController.dialog.close()
            driver.screen.sendingController.summaryDialog.close()
            driver.screen.sendingController.resumeDialog.close() // it takes no Escape either
            driver.screen.sendingController.scheduler.missedDialog.close() // nor this one
            driver.closePopups()
            driver.settle()
        }

        // ---- Measures ----

        function luminance(c) {
            const channel = v => v <= 0.03928 ? v / 12.92 : Math.pow((v + 0.055) / 1.055, 2.4)
            return 0.2126 * channel(c.r) + 0.7152 * channel(c.g) + 0.0722 * channel(c.b)
        }

        function contrast(a, b) {
            const la = luminance(a), lb = luminance(b)
            return (Math.max(la, lb) + 0.05) / (Math.min(la, lb) + 0.05)
        }

        function describe(item) {
            return String(item).replace(/\(0x[0-9a-f]+\)/, "") + " \"" + item.text + "\""
                    + (item.objectName ? " (" + item.objectName + ")" : "")
        }

        function isText(item) {
            return item.truncated !== undefined && typeof item.text === "string"
                    && item.elide !== undefined && item.text !== "" && item.width > 0
        }

        function isFrame(item) {
            const name = String(item)
            return name.startsWith("QQuickPopupItem") || item.clip === true
        }

        function isScroller(item) {
            return item.contentY !== undefined && item.contentHeight !== undefined
        }

        // The texts that do not fit, or that lie where no one can see them:
        // outside a clipping item or a dialog's frame, unless a view they are
        // in can be scrolled to them.
        function unfitTexts(from) {
            const problems = []
            const texts = driver.collect(isText, from)
            for (const text of texts) {
                if (text.truncated && !wholeOnHover(text)) {
                    problems.push(describe(text) + " is cut short")
                    continue
                }
                if (text.wrapMode === Text.NoWrap && text.implicitWidth > text.width + 1
                        && !text.clip) {
                    problems.push(describe(text) + " is wider than its box ("
                                  + text.implicitWidth.toFixed(1) + " > " + text.width.toFixed(1) + ")")
                    continue
                }
                problems.push(...outsideFrames(text))
            }
            return problems
        }

        // An elided text whose tooltip holds the whole of it.
        function wholeOnHover(item) {
            for (let i = 0; i < item.data.length; ++i) {
                const tip = item.data[i]
                if (tip.delay !== undefined && tip.timeout !== undefined && tip.text === item.text)
                    return true
            }
            return false
        }

        function outsideFrames(item) {
            const box = item.mapToItem(null, 0, 0, item.width, item.height)
            const outside = frame => box.y < frame.y - 1 || box.y + box.height > frame.y + frame.height + 1
                          || box.x < frame.x - 1 || box.x + box.width > frame.x + frame.width + 1
            for (let a = item.parent; a; a = a.parent) {
                if (isScroller(a))
                    return []    // anything inside can be scrolled to
                if (!isFrame(a))
                    continue
                const frame = a.mapToItem(null, 0, 0, a.width, a.height)
                if (outside(frame))
                    return [describe(item) + " lies outside " + String(a).split("(")[0]
                            + " " + JSON.stringify(frame) + ": " + JSON.stringify(box)]
            }
            const win = driver.app.contentItem
            if (outside(Qt.rect(0, 0, win.width, win.height)))
                return [describe(item) + " lies outside the window"]
            return []
        }

        // Every control that takes a click, reachable: inside its frames.
        function hiddenButtons(from) {
            const problems = []
            const buttons = driver.collect(i => i.clicked !== undefined && i.pressed !== undefined
                                           && i.width > 0 && i.enabled, from)
            for (const button of buttons)
                problems.push(...outsideFrames(button))
            return problems
        }

        // The colour drawn right behind an item: the nearest opaque background
        // or rectangle above it, else the window's.
        function backgroundOf(item) {
            for (let a = item.parent; a; a = a.parent) {
                const bg = a.background
                if (bg && bg.color !== undefined && bg.visible && bg.color.a === 1
                        && bg.opacity === 1)
                    return bg.color
                if (a.color !== undefined && a.border !== undefined && a.radius !== undefined
                        && a.visible && a.color.a === 1)
                    return a.color
            }
            return driver.app.color
        }

        function lowContrastTexts(from) {
            const problems = []
            const texts = driver.collect(i => (isText(i) || i.placeholderTextColor !== undefined)
                                         && i.enabled, from)
            for (const text of texts) {
                const back = backgroundOf(text)
                const colours = [text.color]
                if (text.placeholderTextColor !== undefined && text.text === "")
                    colours.push(text.placeholderTextColor)
                for (const colour of colours) {
                    const ratio = contrast(colour, back)
                    if (ratio < 4.5)
                        problems.push(describe(text) + " " + colour + " on " + back + ": "
                                      + ratio.toFixed(2))
                }
            }
            return problems
        }

        // Fit and contrast of everything shown, in the language given.
        function checkShown(what) {
            driver.settle()
            const unfit = unfitTexts().concat(hiddenButtons())
            compare(unfit.length, 0, what + ":\n" + unfit.join("\n"))
            const low = lowContrastTexts()
            compare(low.length, 0, what + ":\n" + low.join("\n"))
        }

        // ---- Scenes ----

        function composeScene() {
            driver.openPage("homeMenu", "SendEmailsPage")
            driver.seed({ "selectedLists": ["Clients", "Prospects"],
                          "emailAttachments": ["/tmp/Offre de printemps.pdf", "/tmp/tarifs.xlsx"] })
        }

        function accountsScene() {
            driver.seed({ "userComptes": [account] })
            driver.openPage("accountsMenu", "AccountsPage")
            driver.clickNamed("manageButton")
        }

        function addAccountScene() {
            driver.openPage("accountsMenu", "AccountsPage")
            driver.clickNamed("addAccountLink")
            tryVerify(() => driver.find("confirmAddAccountButton", true) !== null)
        }

        function contactsScene() {
            driver.openPage("contactsListsMenu", "ContactsListsPage")
            driver.clickNamed("manageButton")
        }

        function addContactScene() {
            driver.openPage("contactsListsMenu", "ContactsListsPage")
            const page = driver.find("pagesStackView").currentItem
            driver.chooseFromMenu("contactsMenuButton", "addContactItem")
            tryCompare(page.addContactDialog, "opened", true)
        }

        function newListScene() {
            driver.openPage("contactsListsMenu", "ContactsListsPage")
            const page = driver.find("pagesStackView").currentItem
            driver.clickNamed("newListButton")
            tryCompare(page.newListDialog, "opened", true)
        }

        function listSelectionScene() {
            driver.openPage("homeMenu", "SendEmailsPage")
            const page = driver.find("pagesStackView").currentItem
            driver.clickNamed("addListsButton")
            tryCompare(page.listSelectionDialog, "opened", true)
        }

        function settingsMenuScene(sub) {
            driver.openPage("homeMenu", "SendEmailsPage")
            driver.click(driver.app.titleBar.settingsButton)
            const menu = sub === "speed" ? driver.app.titleBar.sendingSpeedMenu
                                         : driver.app.titleBar.languageMenu
            tryCompare(driver.app.titleBar.settingsMenu, "opened", true)
            driver.app.titleBar.settingsMenu.currentIndex = sub === "speed" ? 0 : 1
            menu.open()
            tryCompare(menu, "opened", true)
        }

        function deleteListScene() {
            const page = driver.openPage("contactsListsMenu", "ContactsListsPage")
            driver.clickNamed("deleteListButton")
            tryCompare(page.deleteListDialog, "opened", true)
        }

        // The run's dialog, as it shows when a run has ended with failures.
        function sendingDialogScene() {
            driver.openPage("homeMenu", "SendEmailsPage")
            const dialog = driver.screen.sendingController.dialog
            dialog.open()
            tryCompare(dialog, "opened", true)
        }

        // A sending list's task under way, the list's name long: the title
        // takes two lines, then elides, the whole of it on hover.
        // A sending list's task under way, the list's name long: the title
        // takes two lines, then elides, the whole of it on hover.
        function sendingListRunScene() {
            driver.openPage("homeMenu", "SendEmailsPage")
            driver.screen.runningSendingList = {
                "name": "Nouvelle campagne de printemps pour les clients fidèles de la région lyonnaise",
                "nextTask": 12, "tasks": new Array(1234).fill("/tmp/task.pvsav") }
            driver.screen.isSendingListRunning = true
            const dialog = driver.screen.sendingController.dialog
            dialog.open()
            tryCompare(dialog, "opened", true)
            const title = findChild(dialog.contentItem, "sendingTitle")
            verify(title.text.indexOf("12/" + number(1234)) > 0, title.text)
            verify(title.truncated && title.lineCount === 2, "two lines, then elided")
            mouseMove(title, title.width / 2, title.height / 2)
            const tip = findChild(title, "sendingTitleToolTip")
            tryCompare(tip, "opened", true, 3000)
            compare(tip.text, title.text)
        }

        // A run of 1,234 recipients that has ended, every counter at its
        // widest, shown in the run's dialog; the addresses are invalid, so
        // that no server is needed.
        function bigRunScene() {
            driver.openPage("homeMenu", "SendEmailsPage")
            if (bigRun.total !== 1234) {
                bigRun.journalPath = driver.screen.settingsStore.path + "/looks/run.journal"
                const recipients = []
                for (let i = 0; i < 1234; ++i)
                    recipients.push({ "email": "destinataire" + i + "@exemple..fr" })
                verify(bigRun.start({ "host": "127.0.0.1", "port": 9, "connection": "None",
                                      "address": account.address, "password": "",
                                      "senderName": account.senderName, "subject": "Offre",
                                      "text": "Bonjour" }, recipients))
                tryCompare(bigRun, "state", SendingRun.Finished, 30000)
            }
            compare(bigRun.failed, 1234)
            const dialog = driver.screen.sendingController.dialog
            dialog.run = bigRun
            dialog.open()
            tryCompare(dialog, "opened", true)
            compare(findChild(findChild(dialog.contentItem, "totalRow"), "countText").text,
                    number(1234) + "/" + number(1234))
        }

        // The summary before a run of 1,234, with an address given twice.
        function summaryScene() {
            driver.openPage("homeMenu", "SendEmailsPage")
            const dialog = driver.screen.sendingController.summaryDialog
            dialog.summary = { "total": 1234, "duplicates": 1, "invalid": 2,
                               "unreplaced": [{ "field": "firstname", "count": 2 }] }
            dialog.open()
            tryCompare(dialog, "opened", true)
        }

        // The question after a run was cut short, with a long subject.
        function resumeScene() {
            driver.openPage("homeMenu", "SendEmailsPage")
            const dialog = driver.screen.sendingController.resumeDialog
            dialog.interrupted = { "stopped": false, "total": 1234, "done": 200, "left": 1034,
                                   "account": account.address,
                                   "subject": "Nouvelle collection de printemps : -20 % sur tout" }
            dialog.open()
            tryCompare(dialog, "opened", true)
        }

        // A dialog of the sending controller, with what it says set first.
        function controllerDialogScene(pick, prepare) {
            driver.openPage("homeMenu", "SendEmailsPage")
            if (prepare)
                prepare()
            const dialog = pick(driver.screen.sendingController)
            dialog.open()
            tryCompare(dialog, "opened", true)
        }

        function screenDialogScene(name) {
            driver.openPage("homeMenu", "SendEmailsPage")
            let dialog = null
            for (let i = 0; i < driver.screen.data.length; ++i) {
                if (driver.screen.data[i].objectName === name)
                    dialog = driver.screen.data[i]
            }
            verify(dialog, name)
            dialog.open()
            tryCompare(dialog, "opened", true)
        }

        // A dialog of the side menu, opened by its button as a user does.
        function sideMenuDialogScene(button, name) {
            driver.openPage("homeMenu", "SendEmailsPage")
            mouseClick(findChild(driver.screen, button))
            const dialog = findChild(driver.screen, name)
            verify(dialog, name)
            tryCompare(dialog, "opened", true)
        }

        function scenes() {
            return [
                { tag: "compose", show: composeScene },
                { tag: "accounts", show: accountsScene },
                { tag: "add account", show: addAccountScene },
                { tag: "contacts", show: contactsScene },
                { tag: "add contact", show: addContactScene },
                { tag: "new list", show: newListScene },
                { tag: "list selection", show: listSelectionScene },
                { tag: "search", show: () => driver.openPage("searchMenu", "SearchPage") },
                { tag: "templates", show: () => driver.openPage("templatesMenu", "TemplatesPage") },
                { tag: "delete list", show: deleteListScene },
                { tag: "sending dialog", show: sendingDialogScene },
                { tag: "sending list run", show: sendingListRunScene },
                { tag: "run of 1,234", show: bigRunScene },
                { tag: "run summary", show: summaryScene },
                { tag: "interrupted run", show: resumeScene },
                { tag: "schedule dialog", show: () => controllerDialogScene(c => c.scheduleDialog) },
                { tag: "accounts of a run", show: () => controllerDialogScene(c => c.runAccountsDialog) },
                { tag: "missed schedule", show: () => controllerDialogScene(c => c.scheduler.missedDialog, () => {
                    driver.screen.runSchedule = { "at": Date.now() - 3600 * 1000, "list": "Campagne de printemps" }
                }) },
                { tag: "connection dialog", show: () => screenDialogScene("connexionDialog") },
                { tag: "about dialog", show: () => sideMenuDialogScene("aboutMenu", "aboutDialog") },
                { tag: "contact dialog",
                  show: () => sideMenuDialogScene("contactUsMenu", "contactUsDialog") },
                { tag: "speed menu", show: () => settingsMenuScene("speed") },
                { tag: "language menu", show: () => settingsMenuScene("language") }
            ]
        }

        function test_fitsAtTheSmallestWindow_data() {
            const rows = []
            for (const language of ["fr_FR", "en_EN"]) {
                for (const scene of scenes())
                    rows.push({ tag: language + " " + scene.tag, language: language, show: scene.show })
            }
            return rows
        }

        function test_fitsAtTheSmallestWindow(data) {
            driver.setLanguage(data.language)
            data.show()
            checkShown(data.tag)
        }

        // The "once per address" box: its mark sits before its text, not on it.
        function test_summaryCheckBoxMarkBeforeItsText() {
            summaryScene()
            const box = driver.find("oncePerAddressBox", true)
            verify(box, "the box is shown when an address is given twice")
            const mark = box.indicator.mapToItem(null, 0, 0, box.indicator.width, box.indicator.height)
            const label = box.contentItem
            const textStart = label.mapToItem(null, label.leftPadding, 0).x
            verify(mark.x + mark.width <= textStart, "mark " + JSON.stringify(mark)
                   + " and text from " + textStart)
        }

        // A dialog's toast shows over its top edge: the buttons at its foot
        // stay in sight, and a real click on one does what it says.
        function test_toastLeavesTheDialogButtonsClickable() {
            driver.setLanguage("fr_FR")
            deleteListScene()
            const page = driver.find("pagesStackView").currentItem
            const dialog = page.deleteListDialog
            dialog.showToast("Le serveur smtp.example.com a refusé la connexion : vérifiez le nom "
                             + "du serveur et le port. (Couldn't connect to server)")
            const manager = findChild(dialog.contentItem.parent, "dialogDangerToasts")
            tryVerify(() => manager.itemAtIndex(0) && manager.itemAtIndex(0).opacity === 1, 2000)
            const toast = manager.itemAtIndex(0)
            const shown = toast.mapToItem(null, 0, 0, toast.width, toast.height)
            for (const name of ["confirmButton", "closeButton"]) {
                const button = findChild(dialog.contentItem, name)
                const box = button.mapToItem(null, 0, 0, button.width, button.height)
                verify(shown.y + shown.height <= box.y || box.y + box.height <= shown.y,
                       name + " " + JSON.stringify(box) + " under the toast " + JSON.stringify(shown))
            }
            const before = driver.screen.userContactsLists.length
            mouseClick(findChild(dialog.contentItem, "confirmButton"))
            tryCompare(dialog, "visible", false)
            verify(manager.model.count > 0, "the toast was still up when clicked through")
            compare(driver.screen.userContactsLists.length, before - 1, "the list was deleted")
        }

        function test_toastsAreOpaqueAndReadable_data() {
            return [
                { tag: "error", manager: "toast" },
                { tag: "success", manager: "successToast" }
            ]
        }

        function test_toastsAreOpaqueAndReadable(data) {
            driver.openPage("homeMenu", "SendEmailsPage")
            const managers = driver.collect(i => i.toastColor !== undefined && i.model !== undefined,
                                            driver.screen)
            const manager = managers.filter(m => data.tag === "error" ? m.dangerStyle
                                                                      : m.successStyle)[0]
            verify(manager, "the screen's " + data.tag + " toasts")
            manager.show("Le compte a été mis à jour.", 3000)
            tryVerify(() => manager.itemAtIndex(0) && manager.itemAtIndex(0).opacity === 1, 2000,
                      "the toast is fully opaque while shown")
            const toast = manager.itemAtIndex(0)
            const texts = driver.collect(isText, toast)
            compare(texts.length, 1)
            compare(toast.color.a, 1, "nothing beneath shows through")
            const ratio = contrast(texts[0].color, toast.color)
            verify(ratio >= 4.5, data.tag + " toast text " + texts[0].color + " on " + toast.color
                   + ": " + ratio.toFixed(2))
        }
    }
}
