import QtQuick
import QtQuick.Controls.Basic
import Parvane

// Menu row: icon and text, "▶" for a submenu, "🗸" when checked.
MenuItem {
    id: control

    implicitWidth: Math.max(implicitBackgroundWidth,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: 30
    padding: 6
    leftPadding: 10
    rightPadding: 10
    spacing: 8
    opacity: enabled ? 1 : 0.3

    font.pointSize: 10
    icon.width: 16
    icon.height: 16
    // Icons (flags) keep their own colours.
    icon.color: "transparent"

    contentItem: MyIconLabel {
        readonly property real markWidth: (control.subMenu || control.checkable) ? 16 + control.spacing : 0
        rightPadding: markWidth
        spacing: control.spacing
        display: control.display
        alignment: Qt.AlignLeft
        icon: control.icon
        text: control.text
        font: control.font
        color: Constants.menuTextColor
    }

    indicator: Text {
        x: control.width - width - control.rightPadding
        anchors.verticalCenter: parent.verticalCenter
        visible: control.checkable && control.checked && !control.subMenu
        text: "🗸"
        color: Constants.menuTextColor
        font.pointSize: 10
    }

    arrow: Text {
        x: control.width - width - control.rightPadding
        anchors.verticalCenter: parent.verticalCenter
        visible: control.subMenu !== null
        text: "▶"
        color: Constants.menuTextColor
        font.pointSize: 8
    }

    background: Rectangle {
        implicitWidth: 150
        implicitHeight: 30
        color: control.highlighted ? Constants.primaryLigthColor : Constants.primaryDarkColor
    }
}
