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
    // Long texts (paths) wrap to the tag's width instead of being cut.
    property bool wrapText: false
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
    // A wrapping label's own implicit width follows its width: measure the text instead.
    implicitWidth: (wrapText ? Math.ceil(metrics.advanceWidth) + 1 : label.implicitWidth)
                   + 2 * (spacing + 5) + (removable ? closeButton.width + spacing : 0)
    radius: roundedBtn ? Math.min(wrapText ? 12 : 20, height / 2) : 0
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

    TextMetrics {
        id: metrics
        font: label.font
        text: control.wrapText ? control.text : ""
    }

    Text {
        id: label
        anchors.left: parent.left
        anchors.leftMargin: control.spacing + 5
        anchors.verticalCenter: parent.verticalCenter
        readonly property real room: control.width - anchors.leftMargin - control.spacing - 5
                                     - (control.removable ? closeButton.width + control.spacing : 0)
        width: control.wrapText ? room : Math.min(implicitWidth, room)
        text: control.text
        textFormat: Text.PlainText
        font.pointSize: Constants.tagFontSize
        font.weight: Font.Normal
        // White on a checked tag: the light menu text is too faint on its blue.
        color: !control.enabled ? Constants.disabledItemColor
               : control.styleName === "default" && !control.checked ? Constants.menuTextColor
               : Constants.buttonTextColor
        elide: control.wrapText ? Text.ElideNone : Text.ElideRight
        wrapMode: control.wrapText ? Text.WrapAnywhere : Text.NoWrap
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
        // One line's height: a wrapping label grows with the tag's width.
        implicitHeight: Math.max(16, control.wrapText ? metrics.height : label.implicitHeight)
        // As wide as the symbol needs, so it never shows as "…".
        implicitWidth: Math.max(implicitHeight, implicitContentWidth + leftPadding + rightPadding)
        font.pointSize: Constants.tagFontSize
        onClicked: control.removed()
    }
}
