import QtQuick
import QtQuick.Layouts
import content

// Adds found addresses to one of the user's contact lists, each as a contact
// with only its address; those the list already holds are counted, not added
// again. `offer(addresses)` opens it for the addresses given.
MyHeaderlessDialog {
    id: dialog

    // The addresses to add, as text.
    property var addresses: []
    readonly property bool hasLists: root.userContactsLists.length > 0
    property alias chosenList: listChooser.currentIndex

    function offer(emails) {
        addresses = emails
        listChooser.currentIndex = hasLists ? 0 : -1
        open()
    }

    function submit() {
        const list = root.userContactsLists[listChooser.currentIndex]
        if (list === undefined)
            return
        const outcome = root.contactBook.addAddresses(addresses, list)
        close()
        const text = outcome.invalid > 0
                ? qsTr("Contacts added to the list: %1; already there: %2; not valid: %3.")
                  .arg(outcome.added).arg(outcome.existing).arg(outcome.invalid)
                : qsTr("Contacts added to the list: %1; already there: %2.")
                  .arg(outcome.added).arg(outcome.existing)
        successToast.show(text, 5000)
    }

    objectName: "addToListDialog"
    width: 340
    height: 210

    ColumnLayout {
        anchors.fill: parent
        anchors.leftMargin: 15
        anchors.rightMargin: 15
        anchors.bottomMargin: 10
        spacing: 8

        MyLabel {
            Layout.fillWidth: true
            text: qsTr("Emails to add to a contact list: %1").arg(dialog.addresses.length)
            textFormat: Text.PlainText
            wrapMode: Text.Wrap
        }
        MyComboBox {
            id: listChooser

            objectName: "addToListChooser"
            Layout.fillWidth: true
            visible: dialog.hasLists
            model: root.userContactsLists
        }
        MyLabel {
            objectName: "addToListNoListLabel"
            Layout.fillWidth: true
            visible: !dialog.hasLists
            text: qsTr("You have no contact list yet: create one on the Contacts page first.")
            textFormat: Text.PlainText
            font.bold: false
            wrapMode: Text.Wrap
        }
        Item {
            Layout.fillHeight: true
        }
        MyDialogButtons {
            closeName: "addToListCloseButton"
            confirmName: "addToListConfirmButton"
            confirmText: myTrStrings.add
            confirmEnabled: dialog.hasLists && listChooser.currentIndex >= 0
            onCloseClicked: dialog.close()
            onConfirmClicked: dialog.submit()
        }
    }
}
