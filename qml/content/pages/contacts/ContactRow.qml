import QtQuick
import QtQuick.Layouts
import Parvane
import content

// One contact of the active list: its name above its address, and "Manage".
// A click on the row selects it (with its keyboard modifiers).
Item {
    id: row

    property string fullname
    property string email
    property bool selected: false

    signal manage()
    signal clicked(int modifiers)

    implicitHeight: 56

    Rectangle {
        objectName: "selectionMark"
        anchors.fill: parent
        visible: row.selected
        color: Constants.primaryLigthColor
        opacity: 0.5
    }
    MouseArea {
        anchors.fill: parent
        onClicked: mouse => row.clicked(mouse.modifiers)
    }

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
