import QtQuick
import QtQuick.Controls.impl
import QtQuick.Layouts
import Parvane
import content

// Card at the top of the account panel: icon, address with the active mark,
// sender name, server name and the delete button.
Rectangle {
    id: card

    required property var account
    property bool isActive: false

    signal deleteClicked()

    implicitHeight: layout.implicitHeight + 30
    radius: 5
    color: Constants.primaryDarkColor

    RowLayout {
        id: layout

        anchors.fill: parent
        anchors.margins: 15
        spacing: 15

        IconImage {
            Layout.alignment: Qt.AlignTop
            sourceSize.width: 48
            sourceSize.height: 48
            source: "../../resources/images/menus/accounts.png"
            color: Constants.primaryLigthColor8
        }

        ColumnLayout {
            Layout.fillWidth: true
            spacing: 4

            RowLayout {
                Layout.fillWidth: true
                spacing: 8

                Text {
                    objectName: "headerAddress"
                    textFormat: Text.PlainText
                    Layout.fillWidth: true
                    text: card.account ? card.account.address : ""
                    font.pointSize: 12
                    font.bold: true
                    color: Constants.primaryLigthColor5
                    wrapMode: Text.WrapAtWordBoundaryOrAnywhere
                }
                Text {
                    objectName: "activeMark"
                    visible: card.isActive
                    text: myTrStrings.active + " 🗸"
                    font.pointSize: 8
                    color: Constants.successColor
                }
            }
            MyLabel {
                objectName: "headerSenderName"
                textFormat: Text.PlainText
                Layout.fillWidth: true
                text: card.account ? card.account.senderName : ""
                font.bold: false
            }
            MyLabel {
                objectName: "headerServerName"
                textFormat: Text.PlainText
                Layout.fillWidth: true
                text: card.account ? card.account.serverName : ""
                font.bold: false
                opacity: 0.8
            }
        }

        MyButton {
            objectName: "deleteAccountButton"
            Layout.alignment: Qt.AlignTop
            text: myTrStrings.deleteStr
            dangerStyle: true
            onClicked: card.deleteClicked()
        }
    }
}
