import QtQuick
import QtQuick.Layouts
import Parvane

// "🗙" close control without background, for dialogs and tags.
MySystemStatusbarButton {
    id: control

    text: "🗙"
    implicitHeight: 30
    restColor: "transparent"
    hoverColor: "transparent"
    pressedColor: "transparent"
    textColor: !enabled || down ? Constants.disabledItemColor
               : hovered ? Constants.primaryLigthColor4 : Constants.menuTextColor
    Layout.fillHeight: false
}
