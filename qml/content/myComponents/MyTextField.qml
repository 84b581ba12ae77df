import QtQuick
import QtQuick.Controls.Basic
import Parvane

TextField {
    id: control

    font.pointSize: Constants.inputFontSize
    color: Constants.primaryLigthColor4
    placeholderTextColor: Constants.primaryLigthColor2
    selectionColor: Constants.secondaryColor
    selectedTextColor: Constants.buttonTextColor
    leftPadding: 10
    rightPadding: 10
    verticalAlignment: TextInput.AlignVCenter
    selectByMouse: true

    background: MyInputBackground {
        borderColor: control.activeFocus ? Constants.secondaryColor : Constants.primaryLigthColor
        opacity: control.enabled ? 1 : 0.6
    }
}
