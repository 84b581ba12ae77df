import QtQuick
import Parvane

// Dark box with a light border behind inputs and progress bars.
Rectangle {
    property color borderColor: Constants.primaryLigthColor

    implicitWidth: 200
    implicitHeight: 40
    radius: 3
    color: Constants.primaryDarkColor
    border.color: borderColor
    border.width: 1
}
