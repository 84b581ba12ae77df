import QtQuick
import QtQuick.Controls.Basic
import Parvane

TextArea {
    id: control

    font.pointSize: Constants.inputFontSize
    color: Constants.primaryLigthColor4
    placeholderTextColor: Constants.placeholderTextColor
    selectionColor: Constants.secondaryColor
    selectedTextColor: Constants.buttonTextColor
    padding: 10
    wrapMode: TextEdit.Wrap
    selectByMouse: true
    readonly property bool focusFrameVisible: activeFocus

    // A long hint wraps, and shrinks when it would still not fit, rather
    // than being cut.
    Component.onCompleted: {
        for (let i = 0; i < children.length; ++i) {
            const child = children[i]
            if (String(child).startsWith("QQuickPlaceholderText")) {
                child.wrapMode = Text.Wrap
                child.fontSizeMode = Text.Fit
                child.minimumPointSize = 8
            }
        }
    }

    background: MyInputBackground {
        implicitHeight: 200
        borderColor: control.activeFocus ? Constants.secondaryColor : Constants.primaryLigthColor
        opacity: control.enabled ? 1 : 0.6
    }

    MyFocusFrame {
        shown: control.focusFrameVisible
    }
}
