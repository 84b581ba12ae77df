import QtQuick
import QtQuick.Controls.Basic
import Parvane

TextArea {
    id: control

    font.pointSize: Constants.inputFontSize
    color: Constants.primaryLigthColor4
    placeholderTextColor: Constants.primaryLigthColor2
    selectionColor: Constants.secondaryColor
    selectedTextColor: Constants.buttonTextColor
    padding: 10
    wrapMode: TextEdit.Wrap
    selectByMouse: true

    background: MyInputBackground {
        implicitHeight: 200
        borderColor: control.activeFocus ? Constants.secondaryColor : Constants.primaryLigthColor
        opacity: control.enabled ? 1 : 0.6
    }
}
