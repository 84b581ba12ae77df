import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Parvane
import QmlCppBridge
import content
import "../resources/js/app.js" as AppJs

// Progress of a sending run: three counters, the log and Stop / Close, all
// read from the run. While the run goes on it can be put aside (a button or
// Escape) and brought back from the status bar; Close waits until nothing is
// in flight. It is not modal, so the title bar stays usable; the main screen
// covers itself while the dialog is up.
MyHeaderlessDialog {
    id: dialog

    required property SendingRun run
    readonly property int sent: run.sent
    readonly property int failed: run.failed
    readonly property int suppressed: run.suppressed
    readonly property int total: run.total
    property string runTitle: myTrStrings.sending_in_progress
    readonly property bool finished: totalRow.finished
    // Stop works for the last recipient too: a server that hangs on it
    // could not be stopped otherwise.
    readonly property bool canStop: run.state === SendingRun.Delivering || run.state === SendingRun.Paused
    readonly property bool canClose: !run.busy
    readonly property bool ended: run.state === SendingRun.Finished || run.state === SendingRun.Stopped
    // Hidden by the user while the run went on: the status bar offers it back.
    property bool putAside: false
    readonly property alias saveLogDialog: saveLogDialog

    // A stopped run that its owner can go on with.
    property bool canContinue: run.canContinue
    // Continue was pressed for a stopped run: its owner goes on with it.
    signal continueRequested()

    function logText() {
        return log.logText()
    }

    // A log entry as shown and kept (its time already in front).
    function appendLog(chunk) {
        log.append(chunk)
    }

    // Leaves the run going on without its dialog.
    function putAsideNow() {
        close()
    }

    function saveLog(file) {
        if (bridge.writeTextFile(file, logText()))
            showSuccessToast(qsTr("Log saved"))
        else
            showToast(qsTr("The log could not be saved to %1.").arg(AppJs.urlToString(file))) // qmllint disable type
    }

    // The title says how the run ended, and why it waits.
    function stateTitle() {
        if (run.state === SendingRun.Finished)
            return qsTr("Sending finished")
        if (run.state === SendingRun.Stopped)
            return qsTr("Sending stopped")
        if (run.state === SendingRun.Stopping)
            return qsTr("Stopping…")
        return runTitle
    }

    function pauseText() {
        if (run.state === SendingRun.Stopped)
            return run.stopReason
        if (run.state !== SendingRun.Paused)
            return ""
        const at = Qt.formatTime(new Date(run.resumesAt), "hh:mm:ss")
        if (run.pauseReason === "server")
            return qsTr("The server asked to wait: sending goes on at %1.").arg(at)
        if (run.pauseReason === "unreachable")
            return qsTr("The server cannot be reached: trying again at %1.").arg(at)
        if (run.pauseReason === "login")
            return qsTr("The server refused the password: sending goes on once it is typed again.")
        if (run.pauseReason === "limit")
            return qsTr("The account has sent what its sending limits allow: sending goes on by itself at %1.")
                   .arg(myTrStrings.dateTime(run.resumesAt))
        if (run.pauseReason === "token")
            return qsTr("The server refused the sign-in: sending goes on once the provider gives a new token.")
        return qsTr("%Ln recipient(s) will be tried again at %1.", "", run.waitingRetry).arg(at)
    }

    // Addresses the server says do not exist, and messages that may have
    // arrived, are sent again only when the user says so.
    function retryFailed() {
        const nonexistent = run.failedCount("nonexistent")
        if (run.unknown === 0 && nonexistent === 0) {
            run.retryFailed(["refused"])
            return
        }
        let question = ""
        if (run.unknown > 0)
            question += qsTr("%Ln recipient(s) may have received the message already: no reply came after it was sent.", "",
                             run.unknown) + " "
        if (nonexistent > 0)
            question += qsTr("For %Ln address(es) the server said they do not exist.", "", nonexistent) + " "
        retryUnknownDialog.message = question + qsTr("Send it to them again too?", "", run.unknown + nonexistent)
        retryUnknownDialog.open()
    }

    width: 500
    height: 600
    modal: false
    focus: true
    // Escape puts a running run aside, or closes an ended one; a click
    // elsewhere does nothing.
    closePolicy: Popup.CloseOnEscape

    onAboutToShow: putAside = false
    // Closed by the user while the run goes on; the end of a list's task
    // hides it too, with the run no longer busy.
    onAboutToHide: putAside = run.busy

    Connections {
        target: dialog.run
        function onLogCleared() {
            log.clear()
        }
    }
    // A dialog made while a run goes on shows what the run has logged so far.
    Component.onCompleted: {
        const entries = run.logEntries()
        for (let i = 0; i < entries.length; ++i)
            log.append(entries[i])
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.leftMargin: 15
        anchors.rightMargin: 15
        anchors.bottomMargin: 15
        spacing: 10

        MyLabel {
            id: titleLabel
            objectName: "sendingTitle"
            Layout.fillWidth: true
            // Plain text: a list name is shown as typed, never as markup.
            text: dialog.stateTitle()
            textFormat: Text.PlainText
            font.pointSize: 17
            color: "white"
            // A long list name takes a second line; beyond it, the end is
            // elided and the whole title shows on hover.
            wrapMode: Text.Wrap
            maximumLineCount: 2
            elide: Text.ElideRight

            HoverHandler {
                id: titleHover
            }
            MyToolTip {
                objectName: "sendingTitleToolTip"
                visible: titleHover.hovered && titleLabel.truncated
                text: titleLabel.text
            }
        }
        MyLabel {
            objectName: "pauseLabel"
            Layout.fillWidth: true
            visible: text !== ""
            text: dialog.pauseText()
            textFormat: Text.PlainText
            color: Constants.warningLigthColor3
            wrapMode: Text.Wrap
        }

        MyProgressBarColunmLayout {
            id: sentRow
            objectName: "sentRow"
            Layout.fillWidth: true
            label: myTrStrings.sent
            progressColor: Constants.successColor
            value: dialog.sent
            total: dialog.total
        }
        MyProgressBarColunmLayout {
            id: failedRow
            objectName: "failedRow"
            Layout.fillWidth: true
            label: myTrStrings.failed
            progressColor: Constants.errorColor
            value: dialog.failed
            total: dialog.total
        }
        MyProgressBarColunmLayout {
            id: suppressedRow
            objectName: "suppressedRow"
            Layout.fillWidth: true
            visible: dialog.suppressed > 0
            label: qsTr("Suppressed")
            progressColor: Constants.warningLigthColor3
            value: dialog.suppressed
            total: dialog.total
        }
        MyProgressBarColunmLayout {
            id: totalRow
            objectName: "totalRow"
            Layout.fillWidth: true
            label: myTrStrings.total
            progressColor: Constants.secondaryColor
            finishText: myTrStrings.finished
            value: dialog.sent + dialog.failed + dialog.suppressed
            total: dialog.total
        }

        // Anchored rather than laid out: each link keeps its own width when
        // the language changes.
        Item {
            Layout.topMargin: 5
            Layout.fillWidth: true
            implicitHeight: logLinks.implicitHeight

            MyLabel {
                anchors.left: parent.left
                anchors.right: logLinks.left
                anchors.verticalCenter: parent.verticalCenter
                text: myTrStrings.output
                elide: Text.ElideRight
            }
            Row {
                id: logLinks

                anchors.right: parent.right
                spacing: 6

                MyLinkButton {
                    objectName: "saveLogButton"
                    text: qsTr("Save log…")
                    onClicked: {
                        saveLogDialog.proposeInDocuments(qsTr("sending-log") + ".txt")
                        saveLogDialog.open()
                    }
                }
                MyLinkButton {
                    objectName: "copyLogButton"
                    text: qsTr("Copy log")
                    onClicked: AppJs.copyToClipboard(dialog.logText(), qsTr("Log copied"), dialog) // qmllint disable type
                }
            }
        }
        SendingLog {
            id: log
            objectName: "sendingLog"
            Layout.fillWidth: true
            Layout.fillHeight: true
        }

        RowLayout {
            objectName: "afterRunButtons"
            Layout.alignment: Qt.AlignRight
            visible: dialog.ended && dialog.failed > 0
            spacing: 10

            MyButton {
                objectName: "copyFailedButton"
                text: qsTr("Copy failed addresses")
                onClicked: AppJs.copyToClipboard(dialog.run.failedAddresses(["refused", "nonexistent", "invalid"]).join(";"), // qmllint disable type
                                                 qsTr("Addresses copied"), dialog)
            }
            MyButton {
                objectName: "retryFailedButton"
                text: qsTr("Retry failed")
                enabled: dialog.failed > 0 && !dialog.run.busy
                onClicked: dialog.retryFailed()
            }
        }

        RowLayout {
            Layout.alignment: Qt.AlignRight
            spacing: 10

            MyButton {
                objectName: "continueButton"
                text: qsTr("Continue")
                visible: dialog.canContinue
                secondaryStyle: true
                onClicked: dialog.continueRequested()
            }
            MyButton {
                objectName: "putAsideButton"
                visible: dialog.run.busy
                text: qsTr("Continue in background")
                onClicked: dialog.putAsideNow()
            }
            MyButton {
                objectName: "stopButton"
                text: myTrStrings.stop
                dangerStyle: true
                enabled: dialog.canStop
                onClicked: dialog.run.stop()
            }
            MyButton {
                objectName: "closeButton"
                text: myTrStrings.close
                secondaryStyle: true
                enabled: dialog.canClose
                onClicked: dialog.close()
            }
        }
    }

    MyFileDialog {
        id: saveLogDialog

        saveMode: true
        title: qsTr("Save log")
        nameFilters: [qsTr("Text file (*.txt)")]
        onSaveChosen: file => dialog.saveLog(file)
    }

    MyConfirmationDialog {
        id: retryUnknownDialog

        objectName: "retryUnknownDialog"
        confirmBtnText: qsTr("Send again to all")
        closeBtnText: qsTr("Only the refused ones")
        warningStyle: true
        closePolicy: Popup.NoAutoClose
        onConfirmedChanged: dialog.run.retryFailed(["refused", "unknown", "nonexistent"])
        // "Only the refused ones": after a confirmation the run is busy and
        // this asks nothing more.
        onClosed: dialog.run.retryFailed(["refused"])
    }
}
