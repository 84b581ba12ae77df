import QtQuick
import Parvane

// The one look of keyboard focus: a ring just outside the control it fills,
// shown while `shown`. Every focusable control of the program carries one.
Rectangle {
    property bool shown: false

    anchors.fill: parent
    anchors.margins: -3
    radius: Constants.radius + 2
    color: "transparent"
    border.width: 2
    border.color: Constants.secondaryLigthColor
    visible: shown
}
