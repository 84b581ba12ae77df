import QtQuick
import QtQuick.Layouts
import content

// Asks for the name of a new contact list. `createList(name)` of the page
// does the work and returns the refusal text, or "" once the list exists.
MyHeaderlessDialog {
    id: dialog

    // The contacts page.
    required property var page
    property alias listName: nameField.text

    // Runs the creation; a refusal stays in the dialog, which stays open.
    function submit() {
        const refusal = page.createList(nameField.text)
        if (refusal !== "") {
            showToast(refusal)
            return
        }
        nameField.text = ""
        close()
    }

    width: 300
    height: 150
    onOpened: nameField.forceActiveFocus()

    ColumnLayout {
        anchors.fill: parent
        anchors.leftMargin: 15
        anchors.rightMargin: 15
        anchors.bottomMargin: 10
        spacing: 5

        MyLabel {
            Layout.fillWidth: true
            text: myTrStrings.list_name
        }
        MyTextField {
            id: nameField
            objectName: "listNameField"
            Layout.fillWidth: true
            placeholderText: myTrStrings.your_list_name
            onAccepted: dialog.submit()
        }
        Item {
            Layout.fillHeight: true
        }
        MyDialogButtons {
            onCloseClicked: dialog.close()
            onConfirmClicked: dialog.submit()
        }
    }
}
