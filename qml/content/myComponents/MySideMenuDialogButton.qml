import QtQuick
import QtQuick.Controls.Basic

// Side-menu button that shows only its icon; its action's text is the tooltip.
MySideMenuButton {
    id: control

    // Buttons bound to an action keep its text for the tooltip even when they
    // show another text themselves.
    property string toolTipText: action ? action.text : text

    implicitHeight: 55
    activeMarkVisible: false
    display: AbstractButton.IconOnly
    icon.width: 32
    icon.height: 32

    MyToolTip {
        visible: control.hovered && control.toolTipText !== ""
        text: control.toolTipText
    }
}
