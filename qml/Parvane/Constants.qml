pragma Singleton
import QtQuick

QtObject {
    readonly property string currentVersion: "2.1.1"
    readonly property color primaryColor: "#1e1f26"
}
