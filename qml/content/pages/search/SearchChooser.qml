import QtQuick
import QtQuick.Controls.Basic
import Parvane
import content

// An editable chooser over records with a "name": the entry is chosen from
// the list or by typing its name. `chosen` is the position of the entry whose
// name the field shows, or -1 when the text names none.
MyComboBox {
    id: control

    readonly property int chosen: find(editText, Qt.MatchExactly)

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
