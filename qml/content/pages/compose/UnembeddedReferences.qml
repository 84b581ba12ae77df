import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Parvane
import content

// The references of the chosen HTML file that the message will not embed,
// each with the reason, so that the user sees it before sending. The names
// come from the template: they are shown as plain text.
ColumnLayout {
    id: list

    // [{ "reference", "reason" }], as the bridge's unembeddedReferences gives them.
    property var entries: []

    function reasonText(reason) {
        switch (reason) {
        case "outside":
            return qsTr("outside the HTML file's folder")
        case "missing":
            return qsTr("no such file")
        case "notImage":
            return qsTr("neither an image nor a style sheet")
        case "styleSheetNotText":
            return qsTr("a style sheet that is not text")
        case "badData":
            return qsTr("an embedded image that cannot be read")
        default:
            return reason
        }
    }

    visible: entries.length > 0
    spacing: 4

    MyLabel {
        Layout.fillWidth: true
        text: qsTr("Not embedded in the message:", "", entries.length)
        textFormat: Text.PlainText
    }

    ScrollView {
        Layout.fillWidth: true
        Layout.preferredHeight: Math.min(column.implicitHeight, 120)
        clip: true
        contentWidth: availableWidth

        Column {
            id: column

            width: parent.width
            spacing: 2

            Repeater {
                model: list.entries
                delegate: MyLabel {
                    required property var modelData
                    required property int index

                    objectName: "unembeddedReference_" + index
                    width: column.width
                    font.bold: false
                    textFormat: Text.PlainText
                    text: modelData.reference + " \u2014 " + list.reasonText(modelData.reason)
                }
            }
        }
    }
}
