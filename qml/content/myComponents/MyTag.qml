import QtQuick
import QtQuick.Controls.Basic
import Parvane

// Chip with a label; checkable tags report clicks (their owner decides the
// checked state) and removable tags carry a close icon that reports removal.
Rectangle {
    id: control

    property string text
    property bool checkable: false
    property bool checked: false
    property bool removable: false
    property bool successStyle: false
    property bool warningStyle: false
    property bool dangerStyle: false
    property bool secondaryStyle: false
    property bool roundedBtn: true
    property int spacing: 5

    readonly property bool hovered: mouseArea.containsMouse
    readonly property bool pressed: mouseArea.pressed
    readonly property string styleName: successStyle ? "success"
                                        : warningStyle ? "warning"
                                        : dangerStyle ? "danger"
                                        : secondaryStyle ? "secondary" : "default"

    signal clicked()
    signal removed()

    readonly property color styleColor: styleName === "success" ? Constants.successColor
                                        : styleName === "warning" ? Constants.warningLigthColor3
                                        : styleName === "danger" ? Constants.errorColor
                                        : styleName === "secondary" ? Constants.secondaryButtonColor
                                        : Constants.primaryLigthColor

    implicitHeight: label.implicitHeight + 10
    implicitWidth: label.implicitWidth + 2 * (spacing + 5)
                   + (removable ? closeButton.width + spacing : 0)
    radius: roundedBtn ? Math.min(20, height / 2) : 0
    color: {
        if (!enabled)
            return Constants.primaryLigthColor
        if (styleName !== "default")
            return checkable && (hovered || pressed) ? Qt.lighter(styleColor, 1.15) : styleColor
        if (checkable && pressed)
            return Constants.primaryLigthColor2
        if (checkable && hovered)
            return Constants.secondaryLigthColor
        return checked ? Constants.secondaryButtonColor : Constants.primaryLigthColor
    }

    Text {
        id: label
        anchors.left: parent.left
        anchors.leftMargin: control.spacing + 5
        anchors.verticalCenter: parent.verticalCenter
        width: Math.min(implicitWidth, control.width - anchors.leftMargin - control.spacing - 5
                        - (control.removable ? closeButton.width + control.spacing : 0))
        text: control.text
        textFormat: Text.PlainText
        font.pointSize: Constants.tagFontSize
        font.weight: Font.Normal
        // White on a checked tag: the light menu text is too faint on its blue.
        color: !control.enabled ? Constants.disabledItemColor
               : control.styleName === "default" && !control.checked ? Constants.menuTextColor
               : Constants.buttonTextColor
        elide: Text.ElideRight
    }

    MouseArea {
        id: mouseArea
        anchors.fill: parent
        enabled: control.enabled && control.checkable
        hoverEnabled: true
        cursorShape: control.checkable ? Qt.PointingHandCursor : Qt.ArrowCursor
        onClicked: control.clicked()
    }

    MyCloseIconButton {
        id: closeButton
        visible: control.removable
        enabled: control.enabled
        anchors.right: parent.right
        anchors.rightMargin: control.spacing
        anchors.verticalCenter: parent.verticalCenter
        implicitHeight: Math.max(16, label.implicitHeight)
        // As wide as the symbol needs, so it never shows as "…".
        implicitWidth: Math.max(implicitHeight, implicitContentWidth + leftPadding + rightPadding)
        font.pointSize: Constants.tagFontSize
        onClicked: control.removed()
    }
}
