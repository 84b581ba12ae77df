import QtQuick
import QtQuick.Controls.Basic
import Parvane

TextField {
    id: control

    font.pointSize: Constants.inputFontSize
    color: Constants.primaryLigthColor4
    placeholderTextColor: Constants.placeholderTextColor
    selectionColor: Constants.secondaryColor
    selectedTextColor: Constants.buttonTextColor
    leftPadding: 10
    rightPadding: 10
    verticalAlignment: TextInput.AlignVCenter
    selectByMouse: true
    readonly property bool focusFrameVisible: activeFocus

    // A text set from outside shows its beginning, not its end, until the
    // user goes into the field.
    onTextChanged: if (!activeFocus) cursorPosition = 0
    onActiveFocusChanged: if (!activeFocus) cursorPosition = 0

    // A hint longer than the field shrinks to fit rather than being cut.
    Component.onCompleted: {
        for (let i = 0; i < children.length; ++i) {
            const child = children[i]
            if (String(child).startsWith("QQuickPlaceholderText")) {
                child.fontSizeMode = Text.HorizontalFit
                child.minimumPointSize = 8
            }
        }
    }

    background: MyInputBackground {
        borderColor: control.activeFocus ? Constants.secondaryColor : Constants.primaryLigthColor
        opacity: control.enabled ? 1 : 0.6
    }

    MyFocusFrame {
        shown: control.focusFrameVisible
    }
}
