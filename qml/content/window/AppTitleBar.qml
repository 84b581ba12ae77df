import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Parvane
import QmlCppBridge
import content

// The window's own title bar: logo, title and version, the status-bar
// controls (account, work files, settings) and the three window buttons.
// Dragging its free space moves the window; a double tap maximizes or restores.
Rectangle {
    id: bar

    required property Window window
    required property var screen
    // Whether the window is maximized; chooses the maximize or restore button.
    property bool maximized: false

    signal minimizeRequested()
    signal toggleMaximizedRequested()
    signal closeRequested()

    readonly property alias accountButton: accountButton
    readonly property alias accountMenu: accountMenu
    readonly property alias settingsMenu: settingsMenu
    readonly property alias sendingSpeedMenu: sendingSpeedMenu
    readonly property alias languageMenu: languageMenu
    readonly property alias maximizeButton: maximizeButton
    readonly property alias saveButton: saveButton
    readonly property alias loadButton: loadButton
    readonly property alias settingsButton: settingsButton
    readonly property alias titleText: titleText
    readonly property alias runStatusButton: runStatusButton
    // The main screen's sending run, when the screen has one.
    readonly property var sendingController: screen.sendingController !== undefined
                                             ? screen.sendingController : null

    // The run's progress as the status bar says it: "Sending 120/5,000".
    // The active account, and how many others share its runs: "a@example.com +1".
    function accountWithOthers() {
        const others = screen.sharingAccounts().length
        return screen.userActiveCompte + (others > 0 ? " +" + others : "")
    }

    function runStatusText() {
        const controller = sendingController
        if (!controller)
            return ""
        const run = controller.run
        const done = myTrStrings.number(run.sent + run.failed + run.suppressed)
        const total = myTrStrings.number(run.total)
        if (run.state === SendingRun.Paused)
            return qsTr("Sending paused %1/%2").arg(done).arg(total)
        if (run.state === SendingRun.Finished)
            return qsTr("Sending finished %1/%2").arg(done).arg(total)
        if (run.state === SendingRun.Stopped)
            return qsTr("Sending stopped %1/%2").arg(done).arg(total)
        return qsTr("Sending %1/%2").arg(done).arg(total)
    }

    // Calls a work-file function of the main screen when it offers one.
    function callScreen(name) {
        if (typeof screen[name] === "function")
            screen[name]()
        else
            console.warn("The main screen has no " + name + "() function.")
    }

    color: Constants.primaryDarkColor

    // The bar's free space: below the controls, so their presses never reach it.
    MouseArea {
        anchors.fill: parent
        onDoubleClicked: bar.toggleMaximizedRequested()

        DragHandler {
            target: null
            onActiveChanged: if (active) bar.window.startSystemMove()
        }
    }

    RowLayout {
        anchors.fill: parent
        spacing: 0

        Image {
            Layout.leftMargin: 10
            Layout.preferredWidth: 24
            Layout.preferredHeight: 24
            source: "../resources/images/logo-24.png"
            sourceSize.width: 24
            sourceSize.height: 24
        }

        Text {
            id: titleText

            Layout.leftMargin: 8
            text: bar.window.title + " v" + Constants.currentVersion
            color: Constants.menuTextColor
            font.pointSize: 10
            font.bold: true
        }

        Item {
            Layout.fillWidth: true
        }

        // Status-bar controls: unusable, with a wait cursor, while the
        // application is busy.
        Item {
            Layout.fillHeight: true
            implicitWidth: statusControls.implicitWidth

            RowLayout {
                id: statusControls

                anchors.fill: parent
                spacing: 0
                enabled: !bar.screen.loading

                // The run whose dialog was put aside: its progress, and a
                // click brings the dialog back.
                MyStatusbarButton {
                    id: runStatusButton

                    objectName: "runStatusButton"
                    visible: bar.sendingController !== null && !bar.sendingController.dialog.visible
                             && (bar.sendingController.run.busy || bar.sendingController.dialog.putAside)
                    text: visible ? bar.runStatusText() : ""
                    textColor: Constants.secondaryColor
                    icon.source: "../resources/images/icons/send.png"
                    onClicked: bar.sendingController.showDialog()
                }

                // A run or list set to start later: its countdown; a click offers to cancel it.
                MyStatusbarButton {
                    objectName: "scheduleStatusButton"
                    visible: bar.sendingController !== null && bar.sendingController.scheduler.pending
                             && !bar.sendingController.run.busy
                    text: visible ? bar.sendingController.scheduler.countdownText() : ""
                    textColor: Constants.secondaryColor
                    icon.source: "../resources/images/icons/clock.png"
                    onClicked: bar.sendingController.scheduler.cancelDialog.open()
                }

                MyStatusbarButton {
                    id: accountButton

                    objectName: "accountButton"
                    // With what its limits leave it: "312 of 500 today".
                    text: bar.screen.userActiveCompte === "" ? myTrStrings.noActiveAccount
                          : bar.accountWithOthers() + (bar.screen.usageText(bar.screen.userActiveCompte) === "" ? ""
                             : " \u00b7 " + bar.screen.usageText(bar.screen.userActiveCompte))
                    icon.source: "../resources/images/statusbar/account.png"
                    childMenu: accountMenu

                    AccountMenu {
                        id: accountMenu

                        screen: bar.screen
                    }
                }

                MyStatusbarButton {
                    id: saveButton

                    toolTipText: myTrStrings.save_work
                    icon.source: "../resources/images/statusbar/save.png"
                    onClicked: bar.callScreen("save")
                }

                MyStatusbarButton {
                    id: loadButton

                    // A work file would replace the form a run sends.
                    enabled: !bar.screen.runInputsLocked
                    toolTipText: myTrStrings.choose_file
                    icon.source: "../resources/images/statusbar/load.png"
                    onClicked: bar.callScreen("load")
                }

                MyStatusbarButton {
                    id: settingsButton

                    icon.source: "../resources/images/statusbar/settings.png"
                    childMenu: settingsMenu

                    MyMenu {
                        id: settingsMenu

                        SendingSpeedMenu {
                            id: sendingSpeedMenu

                            screen: bar.screen
                        }
                        LanguageMenu {
                            id: languageMenu

                            screen: bar.screen
                        }
                        MyMenuItem {
                            objectName: "runHistoryMenuItem"
                            text: qsTr("History")
                            onTriggered: bar.callScreen("showRunHistory")
                        }
                    }
                }
            }

            MouseArea {
                anchors.fill: parent
                visible: bar.screen.loading
                cursorShape: Qt.WaitCursor
                acceptedButtons: Qt.AllButtons
            }
        }

        MyToolSeparator {
            Layout.leftMargin: 4
            Layout.rightMargin: 4
        }

        // The window buttons show drawn icons rather than their symbol texts,
        // which many systems have no font for.
        MySystemStatusbarButton {
            objectName: "minimizeButton"
            text: "⚊"
            toolTipText: myTrStrings.minimize
            display: AbstractButton.IconOnly
            icon.source: "../resources/images/windows/minimize.png"
            Accessible.name: myTrStrings.minimize
            onClicked: bar.minimizeRequested()
        }

        MySystemStatusbarButton {
            id: maximizeButton

            text: bar.maximized ? "🗗" : "🗖"
            toolTipText: bar.maximized ? myTrStrings.restore : myTrStrings.maximize
            display: AbstractButton.IconOnly
            icon.source: bar.maximized ? "../resources/images/windows/restore.png"
                                       : "../resources/images/windows/maximize.png"
            Accessible.name: toolTipText
            onClicked: bar.toggleMaximizedRequested()
        }

        MySystemStatusbarButton {
            objectName: "closeWindowButton"
            text: "🗙"
            toolTipText: myTrStrings.close
            display: AbstractButton.IconOnly
            icon.source: "../resources/images/windows/close.png"
            hoverColor: Constants.errorColor
            pressedColor: Constants.errorLigthColor3
            textColor: Constants.menuTextColor
            Accessible.name: myTrStrings.close
            onClicked: bar.closeRequested()
        }
    }
}
