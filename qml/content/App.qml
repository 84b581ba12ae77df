import QtQuick
import QtQuick.Window
import QmlCppBridge
import Parvane

// Interim main window: the framed window of the user-interface work replaces it.
Window {
    id: window
    width: 1000
    height: 730
    minimumWidth: 1000
    minimumHeight: 730
    visible: true
    title: "Parvane"
    color: Constants.primaryColor

    QmlCppBridge {
        id: bridge
    }

    Text {
        anchors.centerIn: parent
        color: "white"
        text: qsTr("Parvane") + " " + Constants.currentVersion
    }
}
