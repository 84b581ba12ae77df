import QtQuick
import QtQuick.Controls.Basic
import Parvane

ToolSeparator {
    padding: 4
    contentItem: Rectangle {
        implicitWidth: 1
        implicitHeight: 24
        color: Constants.primaryLigthColor
    }
}
