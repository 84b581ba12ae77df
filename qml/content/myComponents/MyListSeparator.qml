import QtQuick
import QtQuick.Layouts
import Parvane

Rectangle {
    implicitWidth: 100
    implicitHeight: 1
    Layout.fillWidth: true
    color: Constants.primaryLigthColor
    opacity: 0.3
}
