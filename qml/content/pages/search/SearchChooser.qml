import QtQuick
import QtQuick.Controls.Basic
import Parvane
import content

// An editable chooser over records with a "name": the entry is chosen from
// the list or by typing its name. `chosen` is the position of the entry whose
// name the field shows, or -1 when the text names none.
MyComboBox {
    id: control

    // Read again when the list is sorted anew (the interface language
    // changed): the same name may stand at another position.
    readonly property int chosen: count > 0 && model !== undefined ? find(editText, Qt.MatchExactly) : -1

    editable: true
    textRole: "name"

    // The name is typed here: the frame shows where the typing goes, as the
    // text fields' does.
    background: MyInputBackground {
        implicitWidth: 200
        implicitHeight: 40
        borderColor: control.activeFocus || control.down ? Constants.secondaryColor
                                                         : Constants.primaryLigthColor
    }

    contentItem: TextField {
        leftPadding: 10
        rightPadding: 0
        text: control.editText
        font: control.font
        color: control.enabled ? Constants.primaryLigthColor4 : Constants.disabledItemColor
        selectionColor: Constants.secondaryColor
        selectedTextColor: Constants.buttonTextColor
        verticalAlignment: TextInput.AlignVCenter
        selectByMouse: true
        background: null
    }
}
