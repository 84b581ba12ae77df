import QtQuick
import QtQuick.Controls.Basic
import QtTest
import content

// Which page and which detail the main screen shows, driven through its side
// menu and its navigation functions.
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

    // The test's own views are made outside the main screen, so they end its
    // busy state themselves, as the screen's own views do once created.

    // A detail to tell fresh instances apart.
    Component {
        id: numberedDetail

        MyDetailLayout {
            objectName: "NumberedDetail"
            property int serial: 0
            Component.onCompleted: testCase.screen.loading = false
        }
    }

    // A page far taller than the page area.
    Component {
        id: tallPage

        MyPageLayout {
            objectName: "TallPage"
            title: "Tall"
            content: Component {
                Item {
                    implicitHeight: 3000
                }
            }
            Component.onCompleted: testCase.screen.loading = false
        }
    }

    SignalSpy {
        id: loadingSpy
        signalName: "loadingChanged"
    }

    TestCase {
        id: testCase

        name: "Navigation"
        when: windowShown

        property var screen: null

        function pages() { return findChild(screen, "pagesStackView") }
        function details() { return findChild(screen, "detailStackView") }
        function button(name) { return findChild(screen, name) }

        function settle() {
            tryCompare(pages(), "busy", false)
            tryCompare(details(), "busy", false)
            compare(screen.loading, false, "navigation ends with the busy state cleared")
        }

        function activeButtons() {
            const names = []
            for (const name of ["homeMenu", "accountsMenu", "contactsListsMenu", "searchMenu",
                                "templatesMenu", "aboutMenu", "contactUsMenu"]) {
                if (button(name).active)
                    names.push(name)
            }
            return names
        }

        function init() {
            screen = createTemporaryObject(screenComponent, scene)
            verify(screen)
            loadingSpy.target = screen
            settle()
            loadingSpy.clear()
        }

        function test_startShowsComposePageAndPreview() {
            compare(pages().depth, 1)
            compare(pages().currentItem.objectName, "SendEmailsPage")
            compare(details().depth, 1)
            compare(details().currentItem.objectName, "EmailContentDetail")
            compare(activeButtons(), ["homeMenu"])
        }

        function test_eachButtonShowsItsPage_data() {
            return [
                { tag: "accounts", button: "accountsMenu", page: "AccountsPage", detail: "EmptyDetail" },
                { tag: "contacts", button: "contactsListsMenu", page: "ContactsListsPage", detail: "EmptyDetail" },
                { tag: "search", button: "searchMenu", page: "SearchPage", detail: "SearchDetail" },
                { tag: "templates", button: "templatesMenu", page: "TemplatesPage", detail: "EmptyDetail" }
            ]
        }

        function test_eachButtonShowsItsPage(data) {
            mouseClick(button(data.button))
            settle()
            compare(pages().currentItem.objectName, data.page)
            compare(pages().depth, 1, "the page replaces the one shown")
            compare(activeButtons(), [data.button])
            // No other page's panel (the compose preview) stays beside it:
            // the page's own (the search results) or the empty one.
            compare(details().currentItem.objectName, data.detail)
            const empty = details().currentItem
            mouseClick(button(data.button))
            settle()
            compare(details().currentItem, empty, "a second click on the page's button changes nothing")

            mouseClick(button("homeMenu"))
            settle()
            compare(pages().currentItem.objectName, "SendEmailsPage")
            compare(activeButtons(), ["homeMenu"])
        }

        function test_samePageTwiceDoesNothing() {
            mouseClick(button("accountsMenu"))
            settle()
            const page = pages().currentItem
            loadingSpy.clear()

            mouseClick(button("accountsMenu"))
            settle()
            compare(pages().currentItem, page, "the page is not reloaded")
            compare(loadingSpy.count, 0, "no busy flash")
            compare(activeButtons(), ["accountsMenu"])
        }

        function test_homeReplacesOnlyTheDetail() {
            const page = pages().currentItem
            const preview = details().currentItem
            mouseClick(button("homeMenu"))
            settle()
            compare(pages().currentItem, page, "the compose page stays as it is")
            verify(details().currentItem !== preview, "the preview is a fresh instance")
            compare(details().currentItem.objectName, "EmailContentDetail")
            compare(details().depth, 1)
        }

        function test_secondClickWithinTransitionIsDropped() {
            mouseClick(button("accountsMenu"))
            verify(pages().busy, "the new page is fading in")
            mouseClick(button("searchMenu"))
            settle()
            compare(pages().currentItem.objectName, "AccountsPage")
            compare(activeButtons(), ["accountsMenu"])
        }

        // Without a side-menu action the page is shown again, as a fresh one.
        function test_pageWithoutActionIsAlwaysReplaced() {
            screen.loadPage(tallPage)
            settle()
            const first = pages().currentItem
            compare(first.objectName, "TallPage")
            compare(activeButtons(), [], "a page of no button marks none")

            screen.loadPage(tallPage)
            settle()
            verify(pages().currentItem !== first)
            compare(pages().currentItem.objectName, "TallPage")
            compare(pages().depth, 1)
        }

        function test_loadDatailGivesFreshInstances() {
            screen.loadDatail(numberedDetail)
            settle()
            const first = details().currentItem
            compare(first.objectName, "NumberedDetail")
            first.serial = 1

            screen.loadDatail(numberedDetail)
            settle()
            const second = details().currentItem
            verify(second !== first)
            compare(second.serial, 0)
            compare(details().depth, 1)

            screen.loadEmptyDetail()
            settle()
            compare(details().currentItem.objectName, "EmptyDetail")
            compare(details().depth, 1)
        }

        function test_detailRequestWithinTransitionIsDropped() {
            screen.loadEmptyDetail()
            verify(details().busy)
            screen.loadDatail(numberedDetail)
            settle()
            compare(details().currentItem.objectName, "EmptyDetail")
        }

        function test_pageAreaScrollsAndReturnsToTop() {
            const flick = findChild(screen, "pagesFlickable")
            compare(flick.ScrollBar.vertical.policy, ScrollBar.AlwaysOff,
                    "a short page shows no scroll bar")

            screen.loadPage(tallPage)
            settle()
            compare(pages().currentItem.objectName, "TallPage")
            verify(pages().height >= 3000, "the stack is as tall as the page")
            compare(flick.ScrollBar.vertical.policy, ScrollBar.AlwaysOn)
            compare(flick.ScrollBar.vertical.width, 7)
            flick.contentY = 800

            mouseClick(button("accountsMenu"))
            settle()
            compare(flick.contentY, 0, "a new page starts at its top")
            compare(flick.ScrollBar.vertical.policy, ScrollBar.AlwaysOff)
        }

        function test_busyStates() {
            const menu = findChild(screen, "sideMenu")
            const flick = findChild(screen, "pagesFlickable")
            const cursorArea = findChild(screen, "busyCursorArea")
            verify(menu.enabled && flick.enabled && details().enabled)
            verify(!cursorArea.visible)

            screen.loading = true
            verify(!menu.enabled && !flick.enabled && !details().enabled)
            verify(cursorArea.visible)
            compare(cursorArea.width, screen.width, "the wait cursor covers the whole screen")

            // A search: the page and detail areas stay usable, the menu does not.
            screen.partialLoading = true
            verify(!menu.enabled && flick.enabled && details().enabled)
            compare(cursorArea.width, menu.width)

            // A busy menu ignores clicks.
            mouseClick(button("accountsMenu"))
            wait(50)
            compare(pages().currentItem.objectName, "SendEmailsPage")

            screen.loading = false
            screen.partialLoading = false
            verify(menu.enabled && flick.enabled && details().enabled)
            verify(!cursorArea.visible)
        }

        function test_isOnlineShowsNothing() {
            const online = screen.isOnline()
            compare(typeof online, "boolean")
            wait(50)
            const dialog = findChild(screen, "connexionDialog")
            verify(dialog)
            compare(dialog.opened, false, "the caller decides whether to show the dialog")
        }
    }
}
