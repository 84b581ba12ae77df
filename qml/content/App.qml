import QtQuick
import QtQuick.Window
import Parvane

// The application's only window: frameless, with its own title bar, a thin
// frame to resize it by, and the main screen that holds the whole state.
Window {
    id: window

    // Frame width: the content is inset by it while the window is not maximized.
    readonly property int bw: 1
    readonly property int toolBarHeight: 40
    readonly property int resizeMargin: bw + 10
    readonly property bool maximized: visibility === Window.Maximized
    readonly property alias titleBar: titleBar
    // Set once the stored position has been applied, so that the window
    // system's first placement does not overwrite it.
    property bool positionRestored: false

    // Maximizes a normal window or restores a maximized one, and remembers
    // the new state for the next start.
    function toggleMaximized() {
        // The window system may report the new state later: store the one asked for.
        const toMaximized = !maximized
        if (toMaximized)
            showMaximized()
        else
            showNormal()
        mainScreen.windowVisibility = toMaximized ? Window.Maximized : Window.Windowed
    }

    // Gives the window the state it had when last toggled. A first start
    // (nothing stored yet) keeps the normal window.
    function initScreen() {
        const stored = mainScreen.windowVisibility
        if (stored !== Window.Maximized && stored !== Window.Windowed)
            return
        if ((stored === Window.Maximized) !== maximized)
            toggleMaximized()
    }

    // Brings back the stored position, unless it would leave the title bar
    // out of reach (a screen that is no longer there).
    function restorePosition() {
        const px = mainScreen.windowX, py = mainScreen.windowY
        if (px === undefined || py === undefined || isNaN(px) || isNaN(py) || !Screen.name)
            return
        const left = Screen.virtualX, top = Screen.virtualY
        const right = left + Screen.desktopAvailableWidth, bottom = top + Screen.desktopAvailableHeight
        if (px + width < left + 100 || px > right - 100 || py < top || py > bottom - toolBarHeight)
            return
        x = px
        y = py
    }

    // The design height where the screen has room for it, never less than
    // the minimum, which fits a 768-pixel screen with its taskbar.
    width: Constants.width
    height: Math.max(Constants.height, Math.min(730, Screen.desktopAvailableHeight))
    minimumWidth: Constants.width
    minimumHeight: Constants.height
    visible: true
    title: "Parvane"
    color: Constants.primaryColor
    flags: Qt.Window | Qt.FramelessWindowHint

    // The normal position is the one worth keeping; a maximized window sits at
    // the screen's corner.
    onXChanged: if (positionRestored && !maximized && visibility !== Window.Hidden) mainScreen.windowX = x
    onYChanged: if (positionRestored && !maximized && visibility !== Window.Hidden) mainScreen.windowY = y

    // The stored window state is read by the main screen as it completes;
    // apply it once that has happened, whichever completes first.
    function applyStoredState() {
        if (positionRestored)
            return
        restorePosition()
        positionRestored = true
        initScreen()
    }

    readonly property alias storeQuitDialog: storeQuitDialog
    // Set once the store has nothing left to write, or the user chose to quit without it.
    property bool storeSettled: false

    // A run under way is stopped, after asking, before the window goes; then
    // changes not yet on disk are waited for, and asked about if they fail.
    onClosing: close => {
        if (!mainScreen.sendingController.quitRequested()) {
            close.accepted = false
            return
        }
        if (storeSettled || !mainScreen.settingsStore.pending)
            return
        close.accepted = false
        if (storeQuitDialog.visible)
            return
        storeQuitDialog.message = qsTr("Saving your latest changes…")
        storeQuitDialog.open()
        mainScreen.settingsStore.saveNow()
    }

    Connections {
        target: mainScreen.sendingController
        function onReadyToQuit() {
            window.close()
        }
    }

    function quitWithoutWaiting() {
        storeSettled = true
        storeQuitDialog.close()
        close()
    }

    Connections {
        target: mainScreen.settingsStore
        enabled: storeQuitDialog.visible
        function onSaveFinished(ok, error) {
            if (ok)
                window.quitWithoutWaiting()
            else
                storeQuitDialog.message = qsTr("Your latest changes could not be saved: %1. Quit anyway?").arg(error)
        }
        // Retried meanwhile, and written after all.
        function onPendingChanged() {
            if (!mainScreen.settingsStore.pending)
                window.quitWithoutWaiting()
        }
    }

    Component.onCompleted: {
        if (mainScreen.componentLoadCompleted)
            applyStoredState()
    }

    Connections {
        target: mainScreen
        function onComponentLoadCompletedChanged() {
            if (mainScreen.componentLoadCompleted)
                Qt.callLater(window.applyStoredState) // qmllint disable type
        }
    }

    MyTrStrings {
        id: myTrStrings
    }

    // Hidden editor through which texts reach the system clipboard.
    TextEdit {
        id: copyTextEdit

        visible: false
    }

    Item {
        id: frame

        anchors.fill: parent
        anchors.margins: window.maximized ? 0 : window.bw

        AppTitleBar {
            id: titleBar

            anchors.left: parent.left
            anchors.right: parent.right
            anchors.top: parent.top
            height: window.toolBarHeight
            window: window
            screen: mainScreen
            maximized: window.maximized
            onMinimizeRequested: window.showMinimized()
            onToggleMaximizedRequested: window.toggleMaximized()
            onCloseRequested: window.close()
        }

        Screen01 {
            id: mainScreen

            anchors.left: parent.left
            anchors.right: parent.right
            anchors.top: titleBar.bottom
            anchors.bottom: parent.bottom
        }

        MyConfirmationDialog {
            id: storeQuitDialog

            objectName: "storeQuitDialog"
            confirmBtnText: qsTr("Quit anyway")
            dangerStyle: true
            onConfirmedChanged: window.quitWithoutWaiting()
        }
    }

    // A hairline around the normal window, so that its edge shows on dark desktops.
    Rectangle {
        anchors.fill: parent
        visible: !window.maximized
        color: "transparent"
        border.width: window.bw
        border.color: Constants.primaryLigthColor
    }

    WindowResizeArea {
        anchors.fill: parent
        window: window
        margin: window.resizeMargin
        enabled: !window.maximized
        visible: enabled
    }
}
