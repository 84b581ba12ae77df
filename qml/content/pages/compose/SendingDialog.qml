import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Parvane
import content

// Progress of a sending run: three counters, the log and Stop / Close. It
// cannot be dismissed otherwise, so a run is never hidden by accident.
MyHeaderlessDialog {
    id: dialog

    property int sent: 0
    property int failed: 0
    property int total: 0
    property string runTitle: myTrStrings.sending_in_progress
    readonly property bool finished: totalRow.finished
    readonly property bool canStop: !totalRow.finished && root.isSenderRunning
                                    && total > sent + failed + 1
    readonly property bool canClose: totalRow.finished || !root.isSenderRunning

    signal stopRequested()

    function appendLog(chunk) {
        log.append(chunk)
    }
    function clearLog() {
        log.clear()
    }
    function logText() {
        return log.logText()
    }

    width: 500
    height: 600
    closePolicy: Popup.NoAutoClose

    ColumnLayout {
        anchors.fill: parent
        anchors.leftMargin: 15
        anchors.rightMargin: 15
        anchors.bottomMargin: 15
        spacing: 10

        MyLabel {
            objectName: "sendingTitle"
            Layout.fillWidth: true
            // Plain text: a list name is shown as typed, never as markup.
            text: dialog.runTitle
            textFormat: Text.PlainText
            font.pointSize: 17
            color: "white"
            elide: Text.ElideRight
            wrapMode: Text.NoWrap
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
            id: totalRow
            objectName: "totalRow"
            Layout.fillWidth: true
            label: myTrStrings.total
            progressColor: Constants.secondaryColor
            finishText: myTrStrings.finished
            value: dialog.sent + dialog.failed
            total: dialog.total
        }

        MyLabel {
            Layout.topMargin: 5
            text: myTrStrings.output
        }
        SendingLog {
            id: log
            objectName: "sendingLog"
            Layout.fillWidth: true
            Layout.fillHeight: true
        }

        RowLayout {
            Layout.alignment: Qt.AlignRight
            spacing: 10

            MyButton {
                objectName: "stopButton"
                text: myTrStrings.stop
                dangerStyle: true
                enabled: dialog.canStop
                onClicked: dialog.stopRequested()
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
}
