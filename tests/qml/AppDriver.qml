import QtQuick
import content

// Drives the real main window as a user does: it creates the window, finds
// the items shown (open popups and dialogs included, which live on the
// window's overlay) and clicks through the side menu.
QtObject {
    id: driver

    required property var testCase
    property var app: null
    readonly property var screen: app ? app.titleBar.screen : null

    readonly property Component appComponent: Component {
        App {}
    }

    function start() {
        app = appComponent.createObject(null)
        testCase.verify(app !== null, "the main window could not be created")
        testCase.tryVerify(() => app.visible && app.visibility !== Window.Hidden)
        testCase.tryVerify(() => screen.componentLoadCompleted)
        settle()
    }

    function stop() {
        if (app)
            app.destroy()
        app = null
    }

    // Seeds the state a user would have built, through the main screen's own
    // properties (which write the store as a user's actions do).
    function seed(state) {
        for (const key in state) {
            // The contacts are given as the records the book is to hold.
            if (key === "contactBook")
                screen.contactBook.setRecords(state[key])
            else
                screen[key] = state[key]
        }
    }

    // Lets the window lay out and draw what changed. (waitForRendering would
    // wait its whole time-out when nothing needs drawing.)
    function frame() {
        testCase.wait(60)
    }

    function settle() {
        const pages = find("pagesStackView")
        const details = find("detailStackView")
        testCase.tryCompare(pages, "busy", false)
        testCase.tryCompare(details, "busy", false)
        testCase.tryCompare(screen, "loading", false)
        frame()
    }

    // Whether the item and every item above it are visible.
    function shown(item) {
        for (let i = item; i; i = i.parent) {
            if (!i.visible || i.opacity === 0)
                return false
        }
        return true
    }

    // The first item named objectName under `from` (the whole window by
    // default, open popups included), or null; only shown items when `visibleOnly`.
    function find(objectName, visibleOnly, from) {
        const start = from ? from : app.contentItem
        const stack = [start]
        while (stack.length > 0) {
            const item = stack.pop()
            if (item.objectName === objectName && (!visibleOnly || shown(item)))
                return item
            const kids = item.children
            for (let i = kids.length - 1; i >= 0; --i)
                stack.push(kids[i])
        }
        return null
    }

    // Every shown item under `from` for which test(item) holds.
    function collect(test, from) {
        const found = []
        const stack = [from ? from : app.contentItem]
        while (stack.length > 0) {
            const item = stack.pop()
            if (!item.visible || item.opacity === 0)
                continue
            if (test(item))
                found.push(item)
            const kids = item.children
            for (let i = kids.length - 1; i >= 0; --i)
                stack.push(kids[i])
        }
        return found
    }

    // A shown button (anything clickable with a text) reading `text`; a
    // mnemonic's "&" is not part of what it reads.
    function buttonWithText(text) {
        const buttons = collect(i => typeof i.text === "string"
                                && i.text.replace("&", "") === text && i.clicked !== undefined
                                && i.pressed !== undefined)
        return buttons.length > 0 ? buttons[buttons.length - 1] : null
    }

    function click(item) {
        testCase.verify(item, "the control to click exists")
        testCase.verify(shown(item), (item ? item.objectName : "") + " is shown")
        testCase.mouseClick(item)
    }

    function clickNamed(objectName) {
        const item = find(objectName, true)
        testCase.verify(item, objectName + " is shown")
        click(item)
        return item
    }

    function openPage(menuName, pageName) {
        clickNamed(menuName)
        settle()
        const page = find("pagesStackView").currentItem
        testCase.compare(page.objectName, pageName)
        return page
    }

    // Clicks a menu button, then the entry of the menu that opened.
    function chooseFromMenu(buttonName, itemName) {
        clickNamed(buttonName)
        testCase.tryVerify(() => find(itemName, true) !== null, 3000, itemName + " is shown")
        const entry = find(itemName, true)
        // The menu's entries are laid out once it has opened.
        testCase.tryVerify(() => entry.width > 0 && entry.height > 0)
        frame()
        testCase.mouseClick(entry)
    }

    // The window's layer of popups and dialogs.
    function overlay() {
        const kids = app.contentItem.children
        for (let i = 0; i < kids.length; ++i) {
            if (String(kids[i]).startsWith("QQuickOverlay"))
                return kids[i]
        }
        return null
    }

    function popupShown() {
        const layer = overlay()
        if (!layer)
            return false
        for (let i = 0; i < layer.children.length; ++i) {
            const item = layer.children[i]
            if (item.visible && String(item).startsWith("QQuickPopupItem"))
                return true
        }
        return false
    }

    // Closes whatever popups are open, as a user does with Escape.
    function closePopups() {
        for (let i = 0; i < 6 && popupShown(); ++i) {
            testCase.keyClick(Qt.Key_Escape)
            testCase.wait(200)
        }
        testCase.verify(!popupShown(), "every popup closed")
    }

    // The Qt Quick file dialog that is open: its folder view, shown with a size.
    function openFileDialogView() {
        testCase.tryVerify(() => find("fileDialogListView", true) !== null, 5000,
                           "the file dialog's folder view is shown")
        const view = find("fileDialogListView", true)
        testCase.tryVerify(() => view.width > 100 && view.height > 50, 3000, "the folder view has a size")
        return view
    }

    // Types a new file's name into the open save dialog, as a user does.
    function typeFileName(name) {
        const field = find("fileNameTextField", true)
        testCase.verify(field, "a save dialog has a file name field")
        field.forceActiveFocus()
        field.selectAll()
        testCase.keyClick(Qt.Key_Backspace)
        for (const ch of name)
            testCase.keyClick(ch)
        testCase.compare(field.text, name)
    }

    // The dialog's accepting button, in either language.
    function acceptFileDialog() {
        const accept = ["Save", "Open", "Enregistrer", "Ouvrir"].map(buttonWithText).find(b => b)
        click(accept)
        testCase.tryVerify(() => find("fileDialogListView", true) === null, 3000, "the dialog closes")
        settle()
    }

    function setLanguage(key) {
        testCase.verify(myTranslator.setLanguage(key), key + " translation loads")
        screen.userLanguage = key
        frame()
    }
}
