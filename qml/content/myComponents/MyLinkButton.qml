import QtQuick
import Parvane

// Text link: no background, light text at rest and the style colour
// (secondary unless another style is set) under the pointer or pressed.
MyBorderlessButton {
    id: control

    readonly property color linkActiveColor: styleName === "default" ? Constants.secondaryColor
                                                                     : styleRestColor

    backgroundVisible: false
    borderColor: "transparent"
    textColor: !enabled ? Constants.disabledItemColor
               : (down || hovered) ? linkActiveColor
               : styleName === "danger" ? Constants.errorLigthColor : Constants.primaryLigthColor5
}
