import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Parvane

// Side-menu entry: icon above a short bold text; the active entry takes the
// window colour, a bar on its right edge and the secondary colour.
Button {
    id: control

    property bool active: false
    // Dialog and status-bar buttons never show the bar on the right edge.
    property bool activeMarkVisible: true

    property color restColor: "transparent"
    property color hoverColor: Constants.primaryLigthColor
    property color pressedColor: Constants.primaryLigthColor2
    property color activeColor: Constants.primaryColor
    property color backgroundColor: active ? activeColor
                                    : !enabled ? restColor
                                    : down ? pressedColor
                                    : hovered ? hoverColor : restColor
    property color textColor: !enabled ? Constants.disabledItemColor
                              : active ? Constants.secondaryColor : Constants.menuTextColor

    implicitWidth: 110
    implicitHeight: 66
    Layout.fillWidth: true
    padding: 4
    spacing: 6
    display: AbstractButton.TextUnderIcon
    focusPolicy: Qt.NoFocus
    readonly property bool focusFrameVisible: activeFocus

    font.pointSize: Constants.sideMenuFontSize
    font.bold: true
    icon.width: 28
    icon.height: 28
    icon.color: textColor

    HoverHandler {
        cursorShape: control.enabled ? Qt.PointingHandCursor : Qt.ArrowCursor
    }

    contentItem: MyIconLabel {
        spacing: control.spacing
        display: control.display
        icon: control.icon
        text: control.text
        font: control.font
        color: control.textColor
    }

    background: Rectangle {
        implicitWidth: control.implicitWidth
        implicitHeight: control.implicitHeight
        color: control.backgroundColor

        Rectangle {
            visible: control.active && control.activeMarkVisible
            anchors.right: parent.right
            anchors.top: parent.top
            anchors.bottom: parent.bottom
            width: 3
            color: Constants.secondaryColor
        }
    }

    MyFocusFrame {
        shown: control.focusFrameVisible
    }
}
