import QtQuick
import QtQuick.Controls.Basic

// A button that shows only its icon; its text is the tooltip and what
// assistive tools read.
MyButton {
    id: control

    display: AbstractButton.IconOnly
    implicitWidth: implicitHeight + 6
    icon.width: 16
    icon.height: 16

    MyToolTip {
        visible: control.hovered && control.text !== ""
        text: control.text
    }
}
