import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Parvane

// Title-bar button, full bar height; a click opens its childMenu and the
// button stays marked active while the menu is open.
MySideMenuDialogButton {
    id: control

    property MyMenu childMenu: null

    // Counted in characters, not UTF-16 units: "🗙" is one symbol.
    readonly property bool wide: text.replace(/[\uD800-\uDBFF][\uDC00-\uDFFF]/g, "_").length > 1

    active: childMenu !== null && childMenu.visible
    activeColor: Constants.primaryLigthColor
    textColor: !enabled ? Constants.disabledItemColor
               : active ? Constants.secondaryColor : Constants.menuTextColor
    display: wide ? AbstractButton.TextBesideIcon : AbstractButton.IconOnly
    implicitHeight: 40
    implicitWidth: wide ? implicitContentWidth + 20 : implicitHeight
    Layout.fillWidth: false
    Layout.fillHeight: true
    padding: 0
    spacing: 6
    font.pointSize: 9
    icon.width: 16
    icon.height: 16

    onClicked: {
        if (childMenu) {
            // The menu places itself under the item it belongs to.
            childMenu.parent = control
            childMenu.open()
        }
    }
}
