import QtQuick
import QtQuick.Layouts
import Parvane
import content

// One account in the accounts list: address and sender name, server name,
// and the button that opens the account panel.
RowLayout {
    id: row

    required property var account

    signal manageClicked()

    spacing: 10

    ColumnLayout {
        Layout.fillWidth: true
        spacing: 2

        MyLabel {
            objectName: "accountTitle"
            textFormat: Text.PlainText
            Layout.fillWidth: true
            text: row.account.address + " \u2013 " + row.account.senderName
            // Long addresses and names wrap rather than lose their end.
            wrapMode: Text.WrapAtWordBoundaryOrAnywhere
        }
        MyLabel {
            objectName: "accountServer"
            textFormat: Text.PlainText
            Layout.fillWidth: true
            text: root.usageText(row.account.address) === "" ? row.account.serverName
                  : row.account.serverName + " \u00b7 " + root.usageText(row.account.address)
            font.bold: false
            // Long addresses and names wrap rather than lose their end.
            wrapMode: Text.WrapAtWordBoundaryOrAnywhere
        }
    }

    MyOutlineButton {
        objectName: "manageButton"
        text: myTrStrings.manage
        onClicked: row.manageClicked()
    }
}
