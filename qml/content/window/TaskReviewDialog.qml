import QtQuick
import QtQuick.Layouts
import Parvane
import content

// Shows what work files will send before they join a sending list: a work
// file can come from anyone, so its recipients, lists, HTML file and
// attachments are shown with their whole paths and the user confirms. The
// list keeps the digest of each file confirmed here; a file changed since
// is reviewed again before it runs.
MyHeaderlessDialog {
    id: dialog

    // [{path, task}]: each work file's path and the task read from it.
    property var entries: []
    // Shown above the files: why the review is asked for.
    property string reason: ""

    // The user confirmed: the same entries, each with its digest.
    signal confirmed(var entries)

    function review(newEntries, why) {
        entries = newEntries
        reason = why === undefined ? "" : why
        open()
    }

    // What one task sends, line by line, in plain words with whole paths.
    function describe(task) {
        const email = task.email || {}
        const lines = []
        if (email.recipient)
            lines.push(qsTr("Recipients: %1").arg(email.recipient))
        if (task.lists && task.lists.length > 0)
            lines.push(qsTr("Contact lists: %1").arg(task.lists.join(", ")))
        if (task.html)
            lines.push(qsTr("HTML file: %1").arg(task.html))
        for (const path of task.attachments || [])
            lines.push(qsTr("Attachment: %1").arg(path))
        for (const entry of task.refused || [])
            lines.push(qsTr("Refused: %1").arg(root.refusalText(entry.path, entry.reason)))
        return lines.join("\n")
    }

    objectName: "taskReviewDialog"
    width: Math.min(640, parent ? parent.width - 40 : 640)
    height: Math.min(560, parent ? parent.height - 40 : 560)

    ColumnLayout {
        anchors.fill: parent
        anchors.leftMargin: 15
        anchors.rightMargin: 15
        anchors.bottomMargin: 10
        spacing: 8

        MyLabel {
            Layout.fillWidth: true
            text: qsTr("Check what these work files will send")
            font.pointSize: Constants.dialogTitleFontSize
            wrapMode: Text.WordWrap
        }
        MyLabel {
            Layout.fillWidth: true
            visible: dialog.reason !== ""
            text: dialog.reason
            textFormat: Text.PlainText
            wrapMode: Text.WordWrap
            font.bold: false
            color: Constants.warningLigthColor3
        }
        MyScrollColumn {
            Layout.fillWidth: true
            Layout.fillHeight: true
            spacing: 12

            Repeater {
                model: dialog.entries

                delegate: ColumnLayout {
                    required property var modelData
                    required property int index

                    Layout.fillWidth: true
                    spacing: 2

                    MyLabel {
                        objectName: "reviewedFile" + index
                        Layout.fillWidth: true
                        text: modelData.path
                        textFormat: Text.PlainText
                        wrapMode: Text.WrapAnywhere
                    }
                    MyLabel {
                        objectName: "reviewedContent" + index
                        Layout.fillWidth: true
                        Layout.leftMargin: 10
                        text: dialog.describe(modelData.task)
                        textFormat: Text.PlainText
                        wrapMode: Text.WrapAnywhere
                        font.bold: false
                    }
                }
            }
        }
        MyDialogButtons {
            closeName: "cancelReviewButton"
            confirmName: "confirmReviewButton"
            onCloseClicked: dialog.close()
            onConfirmClicked: {
                const reviewed = dialog.entries
                dialog.close()
                dialog.confirmed(reviewed)
            }
        }
    }
}
