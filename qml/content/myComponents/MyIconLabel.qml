import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Controls.impl

// Icon and text of a button or a menu row, laid out as the control's display
// mode asks. The text is always plain: list names and addresses end up on
// buttons and in menus, and markup in them must neither render nor load.
Item {
    id: control

    // The owning control's icon group (source, width, height, color).
    property var icon
    property string text: ""
    property font font
    property color color: "white"
    property int display: AbstractButton.TextBesideIcon
    property int alignment: Qt.AlignCenter
    property real spacing: 0
    // Room kept free at the right (a menu row's check mark or arrow).
    property real rightPadding: 0

    readonly property bool iconShown: display !== AbstractButton.TextOnly
                                      && icon !== undefined && String(icon.source) !== ""
    readonly property bool textShown: display !== AbstractButton.IconOnly && text !== ""
    readonly property bool under: display === AbstractButton.TextUnderIcon
    readonly property real gap: iconShown && textShown ? spacing : 0
    readonly property real iconWidth: iconShown ? image.width : 0
    readonly property real iconHeight: iconShown ? image.height : 0
    readonly property real textWidth: textShown ? label.implicitWidth : 0
    readonly property real textHeight: textShown ? label.implicitHeight : 0

    implicitWidth: (under ? Math.max(iconWidth, textWidth) : iconWidth + gap + textWidth) + rightPadding
    implicitHeight: under ? iconHeight + gap + textHeight : Math.max(iconHeight, textHeight)

    // Left edge of the content when it is narrower than the item.
    readonly property real contentX: (alignment & Qt.AlignLeft)
                                     ? 0 : Math.max(0, (width - implicitWidth) / 2)
    readonly property real textRoom: width - rightPadding - contentX - iconWidth - gap
    readonly property real contentY: Math.max(0, (height - implicitHeight) / 2)

    IconImage {
        id: image
        visible: control.iconShown
        source: control.icon !== undefined ? control.icon.source : ""
        width: control.icon !== undefined ? control.icon.width : 0
        height: control.icon !== undefined ? control.icon.height : 0
        sourceSize.width: width
        sourceSize.height: height
        color: control.icon !== undefined ? control.icon.color : "transparent"
        x: control.under ? (control.width - width) / 2 : control.contentX
        y: control.under ? control.contentY : (control.height - height) / 2
    }

    Text {
        id: label
        visible: control.textShown
        text: control.text
        textFormat: Text.PlainText
        font: control.font
        color: control.color
        elide: Text.ElideRight
        horizontalAlignment: control.under ? Text.AlignHCenter : Text.AlignLeft
        verticalAlignment: Text.AlignVCenter
        width: control.under ? control.width - control.rightPadding
                             : Math.max(0, Math.min(implicitWidth, control.textRoom))
        x: control.under ? 0 : control.contentX + control.iconWidth + control.gap
        y: control.under ? control.contentY + control.iconHeight + control.gap
                         : (control.height - height) / 2
    }
}
