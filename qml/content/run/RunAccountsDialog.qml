import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Parvane
import content

// Which other accounts share a run's recipients with the active one, and
// how: each until its sending limits hold it, or one after the other.
MyHeaderlessDialog {
    id: dialog

    function toggle(address, shared) {
        const others = root.runAccounts.filter(a => a !== address)
        root.runAccounts = shared ? others.concat([address]) : others
    }

    width: 500
    height: Math.min(290 + 34 * root.userComptes.length, parent ? parent.height - 20 : 500)

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 15
        anchors.topMargin: 0
        spacing: 8

        MyLabel {
            Layout.fillWidth: true
            text: qsTr("Accounts of a run")
            font.pointSize: 17
            color: "white"
        }
        MyLabel {
            Layout.fillWidth: true
            wrapMode: Text.Wrap
            font.bold: false
            textFormat: Text.PlainText
            text: qsTr("Runs send through %1. These accounts share the recipients with it, each message with its account's sender name and address:")
                  .arg(root.userActiveCompte)
        }
        MyScrollColumn {
            Layout.fillWidth: true
            Layout.fillHeight: true
            spacing: 2

            Repeater {
                model: root.userComptes.filter(account => account.address !== root.userActiveCompte)
                delegate: MyCheckBox {
                    required property var modelData
                    required property int index

                    objectName: "shareAccountBox" + index
                    Layout.fillWidth: true
                    text: modelData.address
                    checked: root.runAccounts.indexOf(modelData.address) >= 0
                    enabled: !root.runInputsLocked
                    onToggled: dialog.toggle(modelData.address, checked)
                }
            }
        }
        MyRadioButton {
            objectName: "spreadFillButton"
            Layout.fillWidth: true
            text: qsTr("Each account up to its limits, in order")
            checked: root.runSpread !== "turns"
            enabled: !root.runInputsLocked
            onToggled: if (checked) root.runSpread = "fill"
        }
        MyRadioButton {
            objectName: "spreadTurnsButton"
            Layout.fillWidth: true
            text: qsTr("One account after the other")
            checked: root.runSpread === "turns"
            enabled: !root.runInputsLocked
            onToggled: if (checked) root.runSpread = "turns"
        }
        MyButton {
            objectName: "closeRunAccountsButton"
            Layout.alignment: Qt.AlignRight
            text: myTrStrings.close
            onClicked: dialog.close()
        }
    }
}
