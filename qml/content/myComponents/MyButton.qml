import QtQuick
import QtQuick.Controls.Basic
import Parvane

// Push button of the application's five styles (default, success, warning,
// danger, secondary); when several style flags are set the first one wins.
Button {
    id: control

    property bool successStyle: false
    property bool warningStyle: false
    property bool dangerStyle: false
    property bool secondaryStyle: false
    // Small buttons are 30 px high, the others 40.
    property bool smBtn: true
    property bool roundedBtn: true

    readonly property string styleName: successStyle ? "success"
                                        : warningStyle ? "warning"
                                        : dangerStyle ? "danger"
                                        : secondaryStyle ? "secondary" : "default"

    readonly property color restColor: styleName === "success" ? Constants.successColor
                                       : styleName === "danger" ? Constants.errorColor
                                       : styleName === "secondary" ? Constants.secondaryButtonColor
                                       : Constants.primaryLigthColor
    readonly property color hoverColor: styleName === "danger" ? Constants.errorLigthColor3
                                        : styleName === "secondary" ? Constants.secondaryLigthColor
                                        : Constants.primaryLigthColor3
    readonly property color pressedColor: styleName === "danger" ? Constants.errorLigthColor2
                                          : styleName === "secondary" ? Constants.secondaryDarkColor
                                          : Constants.primaryLigthColor2

    property color backgroundColor: !enabled ? Constants.primaryLigthColor
                                    : down ? pressedColor
                                    : hovered ? hoverColor : restColor
    property color textColor: enabled ? Constants.buttonTextColor : Constants.disabledItemColor
    property color borderColor: "transparent"
    property bool backgroundVisible: true
    // True while the button has the keyboard focus, and then only: a click
    // does not take the focus, so Space never acts on a button that shows
    // no ring.
    readonly property bool focusFrameVisible: activeFocus

    // Width of the text, icon and spacing, as laid out.
    readonly property real contentWidthNeeded: contentItem ? contentItem.implicitWidth : 0

    implicitWidth: contentWidthNeeded > 80 ? contentWidthNeeded + 20 : 100
    implicitHeight: smBtn ? Constants.smallButtonHeight : Constants.buttonHeight
    padding: 0
    horizontalPadding: 10
    focusPolicy: Qt.TabFocus
    spacing: 6

    font.pointSize: Constants.buttonFontSize
    font.bold: true
    icon.width: 16
    icon.height: 16
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
        visible: control.backgroundVisible
        implicitWidth: 100
        implicitHeight: control.implicitHeight
        radius: control.roundedBtn ? Constants.radius : 0
        color: control.backgroundColor
        border.color: control.borderColor
        border.width: control.borderColor.a > 0 ? 1 : 0
    }

    MyFocusFrame {
        shown: control.focusFrameVisible
    }
}
