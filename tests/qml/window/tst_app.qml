import QtQuick
import QtTest
import QmlCppBridge
import content
import Parvane

// The real main window, with its main screen: frame, title bar and the
// window state it keeps between runs.
Item {
    Component {
        id: appComponent

        App {}
    }

    // The test's own access to files.
    readonly property var files: QmlCppBridge

    TestCase {
        id: testCase

        property var app: null
        readonly property var mainScreen: app ? app.titleBar.screen : null

        name: "App"

        function initTestCase() {
            app = appComponent.createObject(null)
            verify(app !== null, "the main window could not be created")
            tryVerify(() => app.visible && app.visibility !== Window.Hidden)
            waitForRendering(app.contentItem)
        }

        function cleanupTestCase() {
            if (app)
                app.destroy()
        }

        function cleanup() {
            if (app.maximized)
                app.toggleMaximized()
            tryVerify(() => !app.maximized)
        }

        function test_window() {
            compare(app.title, "Parvane")
            compare(app.width, 1000)
            compare(app.height, Math.max(660, Math.min(730, Screen.desktopAvailableHeight)))
            compare(app.minimumWidth, 1000)
            compare(app.minimumHeight, 660)
            compare(app.color, Constants.primaryColor)
            verify(app.flags & Qt.FramelessWindowHint)
            compare(app.toolBarHeight, 40)
            compare(app.titleBar.titleText.text, "Parvane v" + Constants.currentVersion)
            verify(app.titleBar.screen.userMailsPs !== undefined, "the title bar reads the main screen")
        }

        function test_frameInsetOnlyWhileNormal() {
            let p = app.titleBar.mapToItem(null, 0, 0)
            compare(p.x, 1)
            compare(p.y, 1)
            compare(app.titleBar.width, app.width - 2)
            compare(app.titleBar.height, 40)

            app.toggleMaximized()
            tryVerify(() => app.maximized)
            p = app.titleBar.mapToItem(null, 0, 0)
            compare(p.x, 0)
            compare(p.y, 0)
        }

        function test_toggleMaximizedStoresTheState() {
            app.toggleMaximized()
            tryVerify(() => app.maximized)
            compare(app.visibility, Window.Maximized)
            compare(mainScreen.windowVisibility, 4)
            compare(app.titleBar.maximizeButton.toolTipText, "Restore")

            app.toggleMaximized()
            tryVerify(() => !app.maximized)
            compare(app.visibility, Window.Windowed)
            compare(mainScreen.windowVisibility, 2)
            compare(app.titleBar.maximizeButton.toolTipText, "Maximize")
        }

        function test_doubleTapOnTheTitleBar() {
            mouseDoubleClickSequence(app.titleBar, 300, 20)
            tryVerify(() => app.maximized)
            compare(mainScreen.windowVisibility, 4)
            // Let the first pair of taps end, or the next one counts as a third tap.
            wait(Qt.styleHints.mouseDoubleClickInterval + 50)
            mouseDoubleClickSequence(app.titleBar, 300, 20)
            tryVerify(() => !app.maximized)
            compare(mainScreen.windowVisibility, 2)
        }

        function test_maximizeButton() {
            mouseClick(app.titleBar.maximizeButton)
            tryVerify(() => app.maximized)
            mouseClick(app.titleBar.maximizeButton)
            tryVerify(() => !app.maximized)
        }

        function test_initScreenRestoresTheStoredState() {
            mainScreen.windowVisibility = 4
            app.initScreen()
            tryVerify(() => app.maximized)
            mainScreen.windowVisibility = 2
            app.initScreen()
            tryVerify(() => !app.maximized)
            // Nothing stored yet: a first start keeps the normal window.
            mainScreen.windowVisibility = 0
            app.initScreen()
            verify(!app.maximized)
            compare(mainScreen.windowVisibility, 0)
        }

        function test_positionIsStoredWhileNormal() {
            app.x = 40
            app.y = 30
            tryCompare(mainScreen, "windowX", 40)
            tryCompare(mainScreen, "windowY", 30)
            app.toggleMaximized()
            tryVerify(() => app.maximized)
            compare(mainScreen.windowX, 40, "the maximized corner is not the position to keep")
        }

        // Closing while a change cannot be written (a file stands where the
        // store's folder should be): the window waits, says why and asks;
        // staying keeps the change, which is written once the folder can be
        // made, and the window then closes without asking.
        function test_windowClosedWithChangesNotWritten() {
            const store = mainScreen.settingsStore
            const folder = String(files.cmdExcute("mktemp", ["-d"]).text).trim()
            verify(folder.length > 1, "a temporary folder")
            compare(files.cmdExcute("touch", [folder + "/blocker"]).status, 0)
            store.path = folder + "/blocker/store"
            mainScreen.subject = "Written after all"
            tryVerify(() => store.writeError !== "", 5000, "the writing fails")
            verify(store.pending)

            app.close()
            const dialog = app.storeQuitDialog
            tryCompare(dialog, "opened", true)
            tryCompare(dialog, "message",
                       "Your latest changes could not be saved: " + store.writeError + ". Quit anyway?")
            verify(app.visible, "the window waits for an answer")
            mouseClick(findChild(dialog.contentItem, "closeButton"))
            tryCompare(dialog, "visible", false)
            verify(app.visible)

            compare(files.cmdExcute("rm", [folder + "/blocker"]).status, 0)
            tryVerify(() => !store.pending, 15000, "written with no further change")
            compare(store.writeError, "")
            compare(store.value("sendingForm", "currentSubject"), "Written after all")
            app.close()
            tryVerify(() => !app.visible, 2000, "nothing left to wait for")
            verify(!dialog.visible)
            files.cmdExcute("rm", ["-rf", folder])
        }
    }
}
