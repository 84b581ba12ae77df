import QtQuick
import QtQuick.Layouts
import Parvane
import QmlCppBridge
import content

// The runs that have ended, newest first: when, from which account, the
// subject and the counts; a run's recipients with their outcome, the
// server's reply and its time, and its export as CSV. Subjects, addresses
// and replies are shown as plain text.
MyDetailLayout {
    id: detail

    readonly property RunHistory history: root.sendingController.history
    readonly property MailboxWatcher watcher: root.mailboxWatcher
    property var selected: null
    property var rows: []
    // What came back to the mailbox about the chosen run.
    property var reports: []
    readonly property alias exportDialog: exportDialog
    readonly property alias reportDialog: reportDialog

    objectName: "RunHistoryDetail"
    spacing: 10

    function outcomeText(outcome) {
        switch (outcome) {
        case "sent": return myTrStrings.sent
        case "failed": return myTrStrings.failed
        case "unknown": return qsTr("No reply")
        case "invalid": return qsTr("Invalid email")
        default: return qsTr("Not sent")
        }
    }

    function stateText(state) {
        switch (state) {
        case "finished": return qsTr("Finished")
        case "stopped": return qsTr("Stopped")
        default: return qsTr("Discarded")
        }
    }

    function choose(run) {
        selected = run
        rows = history.outcomes(run.id, 500)
        reports = watcher.reports(run.id)
    }

    function reportReasonText(report) {
        switch (report.reason) {
        case "bounced": return report.soft ? qsTr("Temporary failure") : qsTr("Bounced for good")
        case "complained": return qsTr("Complained")
        default: return qsTr("Unsubscribed")
        }
    }

    // The counts of a run's reports, "" when nothing came back.
    function countsText(runId) {
        const counts = watcher.counts(runId)
        const parts = []
        if (counts.bounced > 0)
            parts.push(qsTr("%Ln bounced", "", counts.bounced))
        if (counts.softBounced > 0)
            parts.push(qsTr("%Ln temporary failure(s)", "", counts.softBounced))
        if (counts.complained > 0)
            parts.push(qsTr("%Ln complaint(s)", "", counts.complained))
        if (counts.unsubscribed > 0)
            parts.push(qsTr("%Ln unsubscribed", "", counts.unsubscribed))
        return parts.length === 0 ? "" : qsTr("From the mailbox: %1").arg(parts.join(", "))
    }

    Connections {
        target: detail.watcher
        function onReportsChanged() {
            if (detail.selected)
                detail.reports = detail.watcher.reports(detail.selected.id)
        }
    }

    Component.onCompleted: history.reload()

    MyLabel {
        Layout.fillWidth: true
        Layout.margins: 10
        Layout.bottomMargin: 0
        text: qsTr("Run history")
        font.pointSize: 15
        color: "white"
    }

    MyNoItem {
        objectName: "noRunLabel"
        Layout.fillWidth: true
        visible: detail.history.runs.length === 0
    }

    Repeater {
        model: detail.history.runs

        delegate: Rectangle {
            id: entry

            required property var modelData
            required property int index
            readonly property bool chosen: detail.selected !== null && detail.selected.id === modelData.id

            objectName: "runEntry" + index
            Layout.fillWidth: true
            Layout.leftMargin: 10
            Layout.rightMargin: 10
            implicitHeight: entryColumn.implicitHeight + 8
            radius: Constants.radius
            color: chosen ? Constants.primaryLigthColor : "transparent"

            ColumnLayout {
                id: entryColumn

                anchors.fill: parent
                anchors.margins: 4
                spacing: 2

                MyLabel {
                    Layout.fillWidth: true
                    text: entry.modelData.subject
                    textFormat: Text.PlainText
                    font.pointSize: 9
                    elide: Text.ElideRight
                }
                MyLabel {
                    Layout.fillWidth: true
                    text: Qt.formatDateTime(new Date(entry.modelData.started), "yyyy-MM-dd hh:mm")
                          + " · " + entry.modelData.account + " · " + detail.stateText(entry.modelData.state)
                    textFormat: Text.PlainText
                    font.pointSize: 9
                    font.bold: false
                    elide: Text.ElideRight
                }
                MyLabel {
                    Layout.fillWidth: true
                    text: qsTr("%1 sent, %2 refused, %3 without reply, %4 invalid, of %Ln", "",
                               entry.modelData.total)
                          .arg(myTrStrings.number(entry.modelData.sent))
                          .arg(myTrStrings.number(entry.modelData.failed))
                          .arg(myTrStrings.number(entry.modelData.unknown))
                          .arg(myTrStrings.number(entry.modelData.invalid))
                    font.pointSize: 9
                    font.bold: false
                    wrapMode: Text.Wrap
                }
                MyLabel {
                    objectName: "runReportCounts"
                    Layout.fillWidth: true
                    visible: text !== ""
                    // Read again whenever reports are added.
                    text: detail.watcher.revision >= 0 ? detail.countsText(entry.modelData.id) : ""
                    font.pointSize: 9
                    font.bold: false
                    color: Constants.errorLigthColor
                    wrapMode: Text.Wrap
                }
            }
            MouseArea {
                anchors.fill: parent
                onClicked: detail.choose(entry.modelData)
            }
        }
    }

    MyLabel {
        Layout.fillWidth: true
        Layout.leftMargin: 10
        Layout.rightMargin: 10
        visible: detail.selected !== null && detail.reports.length > 0
        text: qsTr("What came back to the mailbox:")
        font.pointSize: 9
    }

    Repeater {
        model: detail.selected !== null ? detail.reports : []

        delegate: RowLayout {
            id: report

            required property var modelData
            required property int index

            Layout.fillWidth: true
            Layout.leftMargin: 10
            Layout.rightMargin: 10

            MyLabel {
                Layout.fillWidth: true
                text: report.modelData.address + " · " + detail.reportReasonText(report.modelData)
                      + (report.modelData.detail !== "" ? " · " + report.modelData.detail : "")
                textFormat: Text.PlainText
                font.pointSize: 9
                font.bold: false
                wrapMode: Text.Wrap
            }
            MyLinkButton {
                objectName: "showReport" + report.index
                text: qsTr("Report")
                onClicked: reportDialog.show(report.modelData)
            }
        }
    }

    RowLayout {
        Layout.fillWidth: true
        Layout.leftMargin: 10
        Layout.rightMargin: 10
        visible: detail.selected !== null

        MyLabel {
            Layout.fillWidth: true
            text: detail.selected && detail.rows.length < detail.selected.total
                  ? qsTr("The first %1 of %Ln recipients:", "", detail.selected.total)
                    .arg(myTrStrings.number(detail.rows.length))
                  : qsTr("Recipients:")
            font.pointSize: 9
            wrapMode: Text.Wrap
        }
        MyButton {
            objectName: "exportRunButton"
            text: qsTr("Export CSV…")
            secondaryStyle: true
            onClicked: exportDialog.open()
        }
    }

    Repeater {
        model: detail.rows

        delegate: ColumnLayout {
            required property var modelData

            Layout.fillWidth: true
            Layout.leftMargin: 10
            Layout.rightMargin: 10
            spacing: 0

            MyLabel {
                Layout.fillWidth: true
                text: parent.modelData.address + " · " + detail.outcomeText(parent.modelData.outcome)
                      + (parent.modelData.at > 0
                         ? " · " + Qt.formatDateTime(new Date(parent.modelData.at), "hh:mm:ss") : "")
                      + (parent.modelData.account ? " · " + qsTr("via %1").arg(parent.modelData.account) : "")
                textFormat: Text.PlainText
                font.pointSize: 9
                elide: Text.ElideRight
            }
            MyLabel {
                Layout.fillWidth: true
                visible: text !== ""
                text: parent.modelData.text
                textFormat: Text.PlainText
                font.pointSize: 8
                font.bold: false
                color: Constants.primaryLigthColor4
                wrapMode: Text.Wrap
            }
        }
    }

    Item {
        Layout.fillHeight: true
    }

    // A report as it came to the mailbox, as plain text.
    MyDialog {
        id: reportDialog

        property string text: ""

        function show(report) {
            dialogTitle = report.address
            text = detail.watcher.reportText(report.id)
            open()
        }

        objectName: "reportDialog"
        width: Math.min(700, parent ? parent.width - 40 : 700)
        height: Math.min(560, parent ? parent.height - 40 : 560)

        MyTextArea {
            objectName: "reportText"
            anchors.fill: parent
            anchors.margins: 10
            readOnly: true
            textFormat: TextEdit.PlainText
            font.family: "monospace"
            text: reportDialog.text !== "" ? reportDialog.text : qsTr("The report is no longer kept.")
        }
    }

    MyFileDialog {
        id: exportDialog

        saveMode: true
        title: qsTr("Export the run")
        nameFilters: [qsTr("CSV file (*.csv)")]
        defaultSuffix: "csv"
        onSaveChosen: file => detail.history.exportCsv(detail.selected.id, file)
    }

    Connections {
        target: detail.history
        function onExported(ok, path) {
            if (ok)
                successToast.show(qsTr("Run exported"), 3000)
            else
                toast.show(qsTr("The file could not be written: %1").arg(path), 5000)
        }
    }
}
