import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import content

// Shown while a vCard file is read: how much of the file is read, how many
// cards so far, and a way to stop. It cannot be dismissed otherwise, so the
// page stays as it is until the import ends.
MyHeaderlessDialog {
    id: dialog

    // The page's VCardImport.
    required property var cardImport

    width: 350
    height: 200
    closePolicy: Popup.NoAutoClose

    ColumnLayout {
        anchors.fill: parent
        anchors.leftMargin: 15
        anchors.rightMargin: 15
        anchors.bottomMargin: 10
        spacing: 10

        MyLabel {
            Layout.fillWidth: true
            text: "<h2>" + qsTr("Importing contacts") + "</h2>"
            textFormat: Text.StyledText
            color: "white"
        }
        MyProgressBar {
            objectName: "importProgress"
            Layout.fillWidth: true
            value: dialog.cardImport.progress
        }
        MyLabel {
            objectName: "importCount"
            Layout.fillWidth: true
            font.bold: false
            text: qsTr("%Ln card(s) read", "", dialog.cardImport.cardCount)
        }
        Item {
            Layout.fillHeight: true
        }
        MyButton {
            objectName: "cancelImportButton"
            Layout.alignment: Qt.AlignRight
            text: myTrStrings.cancel
            dangerStyle: true
            onClicked: dialog.cardImport.cancel()
        }
    }
}
