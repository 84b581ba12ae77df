import QtQuick
import QtTest
import ParvaneTest
import content

// Names, addresses, list names, file names and server replies come from
// outside (imported cards, stored settings, servers). Wherever the program
// shows them they must read as written: markup in them must neither render
// nor make the program fetch anything.
Item {
    id: scene

    width: 1000
    height: 730

    MyTrStrings {
        id: myTrStrings
    }

    // Every image reference in the hostile values points here.
    HttpProbe {
        id: probe
    }

    Component {
        id: screenComponent

        Screen01 {
            anchors.fill: parent
        }
    }

    Component {
        id: accountMenuComponent

        AccountMenu {}
    }

    Component {
        id: metricsComponent

        TextMetrics {}
    }

    TestCase {
        id: testCase

        name: "Markup"
        when: windowShown

        property var screen: null

        function pages() { return findChild(screen, "pagesStackView") }
        function details() { return findChild(screen, "detailStackView") }

        function settle() {
            tryCompare(pages(), "busy", false)
            tryCompare(details(), "busy", false)
        }

        function openPage(menu, name) {
            mouseClick(findChild(screen, menu))
            settle()
            compare(pages().currentItem.objectName, name)
            return pages().currentItem
        }

        // A value that would fetch from the probe, and show bold text, if it
        // were taken as markup.
        function hostile(field) {
            return "<b>" + field + "</b><img src=\"" + probe.url(field + ".png") + "\">"
        }

        // Every item under `item` (popups' content included) that shows text
        // holding markup of ours.
        function markupTexts(item, found) {
            if (!item)
                return found
            if (item.text !== undefined && typeof item.text === "string"
                    && item.text.indexOf("<b>") >= 0 && item.font !== undefined
                    && item.implicitWidth !== undefined && item.lineCount !== undefined)
                found.push(item)
            const kids = item.children ? Array.prototype.slice.call(item.children) : []
            for (let i = 0; i < kids.length; ++i)
                markupTexts(kids[i], found)
            // A popup's content is not among its owner's children.
            if (item.contentItem && item.contentItem !== item && kids.indexOf(item.contentItem) < 0
                    && item.contentItem.parent !== item)
                markupTexts(item.contentItem, found)
            return found
        }

        // Shown as written: the text is as wide as its characters, tags
        // included (rendered markup would drop the tags and be far narrower).
        function verifyShownAsWritten(root, expectedAtLeast, where) {
            const items = markupTexts(root, []).filter(t => t.visible)
            verify(items.length >= expectedAtLeast,
                   where + ": " + items.length + " texts with markup found")
            const metrics = metricsComponent.createObject(scene)
            for (const item of items) {
                metrics.font = item.font
                metrics.text = item.text
                verify(item.implicitWidth >= metrics.advanceWidth * 0.95,
                       where + ": \"" + item.text + "\" is shown as written ("
                       + item.implicitWidth + " >= " + metrics.advanceWidth + ")")
            }
            metrics.destroy()
        }

        function verifyNothingFetched() {
            // Image loads are asynchronous: give them time to reach the probe.
            wait(300)
            compare(probe.requests(), [], "no request reached the probe")
        }

        function init() {
            probe.clear()
            screen = screenComponent.createObject(scene)
            verify(screen)
            settle()
        }

        function cleanup() {
            if (screen) {
                screen.destroy()
                screen = null
                wait(0)
            }
        }

        // A list named like a bare image used to crash the program in the
        // list menu's text layout, each time the contacts page opened.
        function test_contactsListsAndContact() {
            const lists = ["<img src=\"x\">", hostile("list")]
            screen.userContactsLists = lists
            screen.contactBook.setRecords([{
                lastname: hostile("lastname"), firstname: "", fullname: hostile("fullname"),
                telephone: hostile("telephone"), email: hostile("email"),
                company: hostile("company"), occupation: "", website: "", list: lists[1]
            }])
            const page = openPage("contactsListsMenu", "ContactsListsPage")
            page.activeList = lists[0]
            const listButton = findChild(page, "activeListButton")
            mouseClick(listButton)
            const menu = findChild(page, "activeListMenu")
            tryCompare(menu, "opened", true)
            compare(menu.count, 2)
            verifyShownAsWritten(menu.contentItem, 1, "list menu")
            // The bare image: the entry is as wide as its characters.
            const bareEntry = menu.itemAt(0)
            verify(bareEntry.implicitContentWidth > 40, "the bare image name is shown as text")
            menu.itemAt(1).triggered()
            menu.close()
            tryCompare(menu, "visible", false)
            compare(page.activeList, lists[1])

            const view = findChild(page, "contactsListView")
            // Laid out once the list has become visible.
            tryVerify(() => view.width > 0 && view.itemAtIndex(0) !== null)
            verifyShownAsWritten(page, 3, "contacts page")

            const manage = findChild(view.itemAtIndex(0), "manageButton")
            mouseClick(manage)
            settle()
            compare(details().currentItem.objectName, "ContactDetail")
            verifyShownAsWritten(details().currentItem, 3, "contact detail")

            page.deleteListDialog.open()
            tryCompare(page.deleteListDialog, "opened", true)
            verifyShownAsWritten(page.deleteListDialog.contentItem, 1, "confirmation")
            page.deleteListDialog.close()
            verifyNothingFetched()
        }

        function test_accountsAndAccountMenu() {
            screen.userComptes = [{
                senderName: hostile("sender"), serverName: hostile("server"),
                serverHost: "127.0.0.1", serverPort: "25", connection: "None",
                address: hostile("address"), password: ""
            }]
            const page = openPage("accountsMenu", "AccountsPage")
            verifyShownAsWritten(page, 2, "accounts page")
            page.manage(0)
            settle()
            verifyShownAsWritten(details().currentItem, 2, "account panel")

            const menu = accountMenuComponent.createObject(scene, { screen: screen })
            menu.open()
            tryCompare(menu, "opened", true)
            verifyShownAsWritten(menu.contentItem, 1, "account menu")
            menu.close()
            menu.destroy()
            verifyNothingFetched()
        }

        // File names of the chosen HTML file and attachments, and a server's
        // reply shown in a toast.
        function test_fileNamesAndToasts() {
            // File names hold no slash: the markup in them has none either.
            screen.emailAttachments = ["/tmp/" + hostile("attachment").replace(/\//g, "") + ".pdf"]
            screen.detailEmailContentUrl = "/tmp/<b>template<i>.html"
            settle()
            const detail = details().currentItem
            compare(detail.objectName, "EmailContentDetail")
            verifyShownAsWritten(detail, 2, "message preview")

            for (let i = 0; i < screen.children.length; ++i) {
                const child = screen.children[i]
                if (child.toastColor !== undefined)
                    child.show("550 " + hostile("reply"), 5000)
            }
            wait(400)
            verifyShownAsWritten(screen, 2, "toasts")
            verifyNothingFetched()
        }
    }
}
