import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import QmlCppBridge
import Parvane
import content

// Asks when a run or a sending list is to start: a date and a time of the
// user's own time zone, in the future.
MyHeaderlessDialog {
    id: dialog

    // The sending list to start, or "" for the compose form's run.
    property string listName: ""
    property string error: ""

    signal scheduled(double at, string listName)

    function two(n) {
        return (n < 10 ? "0" : "") + n
    }

    // The local offset from UTC, as "UTC+01:00".
    function zoneText() {
        const minutes = -new Date(RunClock.nowMs()).getTimezoneOffset()
        const sign = minutes < 0 ? "-" : "+"
        return "UTC" + sign + two(Math.floor(Math.abs(minutes) / 60)) + ":" + two(Math.abs(minutes) % 60)
    }

    // The moment the fields give, in ms since the epoch; NaN when they give none.
    function chosenTime() {
        const date = /^([0-9]{4})-([0-9]{2})-([0-9]{2})$/.exec(dateField.text.trim())
        const time = /^([0-9]{1,2}):([0-9]{2})$/.exec(timeField.text.trim())
        if (!date || !time)
            return NaN
        const at = new Date(Number(date[1]), Number(date[2]) - 1, Number(date[3]),
                            Number(time[1]), Number(time[2]))
        // 31 February or 25:00 would roll over to another moment; an hour the
        // clocks skip does too.
        if (at.getFullYear() !== Number(date[1]) || at.getMonth() !== Number(date[2]) - 1
                || at.getDate() !== Number(date[3]) || at.getHours() !== Number(time[1])
                || at.getMinutes() !== Number(time[2]))
            return NaN
        return at.getTime()
    }

    function accept() {
        const at = chosenTime()
        if (isNaN(at)) {
            error = qsTr("Type a date that exists as year-month-day and a time as hours and minutes, as proposed.")
            return
        }
        if (at <= RunClock.nowMs()) {
            error = qsTr("That moment has passed: choose one to come.")
            return
        }
        close()
        scheduled(at, listName)
    }

    width: 420
    height: 290
    // An hour from now, on the next five minutes.
    onAboutToShow: {
        error = ""
        const at = new Date(Math.ceil((RunClock.nowMs() + 3600 * 1000) / 300000) * 300000)
        dateField.text = at.getFullYear() + "-" + two(at.getMonth() + 1) + "-" + two(at.getDate())
        timeField.text = two(at.getHours()) + ":" + two(at.getMinutes())
    }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 15
        anchors.topMargin: 0
        spacing: 10

        MyLabel {
            Layout.fillWidth: true
            text: dialog.listName !== "" ? qsTr("Schedule the sending list") : qsTr("Schedule the run")
            font.pointSize: 17
            color: "white"
        }
        MyLabel {
            Layout.fillWidth: true
            // The list's name is the user's.
            textFormat: Text.PlainText
            wrapMode: Text.Wrap
            font.bold: false
            text: (dialog.listName !== ""
                   ? qsTr("The sending list \"%1\" starts by itself at this time, if Parvane is open then.").arg(dialog.listName)
                   : qsTr("The message of the form, as it is then, is sent by itself at this time, if Parvane is open then."))
                  + " " + qsTr("Your time zone: %1.").arg(dialog.zoneText())
        }
        GridLayout {
            Layout.fillWidth: true
            columns: 2
            columnSpacing: 15

            MyLabel {
                text: qsTr("Day")
            }
            MyTextField {
                id: dateField
                objectName: "scheduleDateField"
                Layout.fillWidth: true
                placeholderText: "2026-12-31"
            }
            MyLabel {
                text: qsTr("Time")
            }
            MyTextField {
                id: timeField
                objectName: "scheduleTimeField"
                Layout.fillWidth: true
                placeholderText: "09:30"
                onAccepted: dialog.accept()
            }
        }
        MyLabel {
            objectName: "scheduleError"
            Layout.fillWidth: true
            Layout.fillHeight: true
            visible: dialog.error !== ""
            text: dialog.error
            color: Constants.warningLigthColor3
            wrapMode: Text.Wrap
        }
        Item {
            Layout.fillHeight: true
            visible: dialog.error === ""
        }
        MyDialogButtons {
            confirmName: "scheduleConfirmButton"
            confirmText: qsTr("Schedule")
            onCloseClicked: dialog.close()
            onConfirmClicked: dialog.accept()
        }
    }
}
