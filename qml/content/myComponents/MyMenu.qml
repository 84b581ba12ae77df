import QtQuick
import QtQuick.Controls.Basic
import Parvane

// Drop-down menu that opens under its owner, right edges aligned.
Menu {
    id: control

    // A cascading submenu is parented to the item that opens it; the parent
    // menu places it, so only a top-level menu positions itself.
    readonly property bool isSubMenu: parent !== null && parent.subMenu === control // qmllint disable type

    implicitWidth: Math.max(150, contentWidth + leftPadding + rightPadding)
    padding: 1
    overlap: 0

    delegate: MyMenuItem {}

    onAboutToShow: {
        if (!isSubMenu && parent) {
            x = parent.width - width
            y = parent.height + 5
        }
    }

    background: Rectangle {
        implicitWidth: 150
        implicitHeight: 30
        color: Constants.primaryDarkColor
        border.color: Constants.primaryLigthColor
        radius: 3
    }
}
