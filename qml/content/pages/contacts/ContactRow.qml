import QtQuick
import QtQuick.Layouts
import Parvane
import content

// One contact of the active list: its name above its address, and "Manage".
Item {
    id: row

    property string fullname
    property string email

    signal manage()

    implicitHeight: 56

    RowLayout {
        anchors.fill: parent
        anchors.rightMargin: 10
        spacing: 10

        ColumnLayout {
            Layout.fillWidth: true
            spacing: 2

            Text {
                Layout.fillWidth: true
                text: row.fullname
                textFormat: Text.PlainText
                color: Constants.primaryLigthColor5
                font.pointSize: Constants.labelFontSize
                font.bold: true
                elide: Text.ElideRight
            }
            Text {
                Layout.fillWidth: true
                text: row.email
                textFormat: Text.PlainText
                color: Constants.primaryLigthColor4
                font.pointSize: 10
                elide: Text.ElideRight
            }
        }
        MyOutlineButton {
            objectName: "manageButton"
            text: myTrStrings.manage
            onClicked: row.manage()
        }
    }

    MyListSeparator {
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
    }
}
