import QtQuick
import QtQuick.Layouts

// The foot of a dialog: the button that closes it, then the one that confirms.
// Tests and owners find the two by the names given here.
RowLayout {
    id: control

    property string closeName: "closeButton"
    property string confirmName: "confirmButton"
    property string closeText: typeof myTrStrings !== "undefined" ? myTrStrings.cancel : "Cancel"
    property string confirmText: typeof myTrStrings !== "undefined" ? myTrStrings.confirm : "Confirm"
    property bool confirmEnabled: true
    property bool successStyle: false
    property bool warningStyle: false
    property bool dangerStyle: false

    signal closeClicked
    signal confirmClicked

    Layout.alignment: Qt.AlignRight
    spacing: 10

    MyButton {
        objectName: control.closeName
        text: control.closeText
        onClicked: control.closeClicked()
    }
    MyButton {
        objectName: control.confirmName
        text: control.confirmText
        enabled: control.confirmEnabled
        successStyle: control.successStyle
        warningStyle: control.warningStyle
        dangerStyle: control.dangerStyle
        secondaryStyle: !control.successStyle && !control.warningStyle && !control.dangerStyle
        onClicked: control.confirmClicked()
    }
}
