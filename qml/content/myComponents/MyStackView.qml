import QtQuick
import QtQuick.Controls.Basic

// Page and detail stack: the entering item fades in, the leaving one goes at once.
StackView {
    id: control

    readonly property int fadeDuration: 500

    pushEnter: Transition {
        NumberAnimation { property: "opacity"; from: 0; to: 1; duration: control.fadeDuration }
    }
    popEnter: Transition {
        NumberAnimation { property: "opacity"; from: 0; to: 1; duration: control.fadeDuration }
    }
    replaceEnter: Transition {
        NumberAnimation { property: "opacity"; from: 0; to: 1; duration: control.fadeDuration }
    }
    pushExit: Transition {
        PropertyAction { property: "visible"; value: false }
    }
    popExit: Transition {
        PropertyAction { property: "visible"; value: false }
    }
    replaceExit: Transition {
        PropertyAction { property: "visible"; value: false }
    }
}
