import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Parvane
import content
import "../../resources/js/app.js" as AppJs
import "../contacts/contacts.js" as Contacts

// One contact (the book's record at detailContact): a card with its QR code,
// delete and export, and the form that edits it. It follows the stored record.
MyDetailLayout {
    id: detail

    // Read again at every change of the book.
    readonly property var contact: (root.contactBook.revision,
                                    root.contactBook.record(root.detailContact) || null)
    readonly property string vCard: contact ? root.getVCard(contact) : ""
    // The stored values last put into the form: the form is refilled only when
    // the record itself changes, not whenever some other contact does.
    property string shownValues: ""

    readonly property alias form: form
    readonly property alias listChooser: listChooser
    readonly property alias deleteDialog: deleteDialog
    readonly property alias exportDialog: exportDialog

    objectName: "ContactDetail"
    spacing: 10

    onContactChanged: {
        const values = JSON.stringify(contact ? Contacts.makeRecord(contact, contact.list) : null)
        if (values !== shownValues) {
            shownValues = values
            resetForm()
        }
    }
    Component.onCompleted: {
        shownValues = JSON.stringify(contact ? Contacts.makeRecord(contact, contact.list) : null)
        resetForm()
    }

    // "Cancel": the stored values back in every field and the chooser.
    function resetForm() {
        form.setValues(contact)
        listChooser.currentIndex = contact ? root.userContactsLists.indexOf(contact.list) : -1
    }

    // "Confirm": checks, then replaces the stored record by the edited one.
    function updateContact() {
        const stored = contact
        if (!stored)
            return false
        const list = listChooser.currentIndex >= 0 ? listChooser.currentText : stored.list
        const record = Contacts.editedRecord(stored, form.values(), list)
        let refusal = Contacts.fieldsRefusal(record, {
            "nameRequired": myTrStrings.contact_name_is_required,
            "emailRequired": myTrStrings.contact_email_is_required,
            "invalidEmail": myTrStrings.invalid_email
        }, root.contactBook.isValidEmail, stored.fullname === "")
        // A changed address in the same list, or a move to another list, must
        // not meet the pair of another contact; an unchanged pair is the
        // record itself and is not checked.
        const pairChanged = record.email !== stored.email || record.list !== stored.list
        if (refusal === "" && pairChanged
                && root.contactBook.contains(record.email, record.list))
            refusal = myTrStrings.contact_already_exists_in_this_list
        if (refusal !== "") {
            toast.show(refusal, 5000)
            return false
        }
        root.contactBook.replace(root.detailContact, record)
        successToast.show(qsTr("Contact has been updated."), 5000)
        return true
    }

    // Deletes the contact; the bar at the bottom of the window offers to put
    // it back for a while.
    function deleteContact() {
        if (!contact)
            return
        const name = Contacts.shownName(contact) // qmllint disable
        const book = root.contactBook
        if (!book.removeAt(root.detailContact))
            return
        root.loadEmptyDetail()
        root.undoBar.show(qsTr("Contact %1 deleted.").arg(name), () => book.restoreRemoved())
    }

    // Writes the contact's card as the chosen file's whole content.
    function exportContact(url) {
        AppJs.startLoading() // qmllint disable type
        const written = bridge.writeTextFile(url, vCard)
        AppJs.stopLoading()
        if (!written)
            toast.show(qsTr("The file could not be written."), 5000)
        return written
    }

    // ---- Card: QR code, name, address, telephone, delete and export ----
    Rectangle {
        Layout.fillWidth: true
        Layout.margins: 10
        Layout.bottomMargin: 0
        implicitHeight: cardRow.implicitHeight + 20
        color: Constants.primaryDarkColor
        radius: Constants.radius

        RowLayout {
            id: cardRow

            anchors.fill: parent
            anchors.margins: 10
            spacing: 15

            Rectangle {
                Layout.preferredWidth: 128
                Layout.preferredHeight: 128
                color: "white"
                radius: Constants.radius

                Image {
                    objectName: "qrCode"
                    anchors.centerIn: parent
                    width: 96
                    height: 96
                    sourceSize.width: 96
                    sourceSize.height: 96
                    asynchronous: true
                    source: detail.contact ? "image://qrCode/" + encodeURIComponent(detail.vCard) : ""
                }
            }

            ColumnLayout {
                Layout.fillWidth: true
                spacing: 4

                Text {
                    objectName: "cardFullname"
                    Layout.fillWidth: true
                    text: Contacts.shownName(detail.contact) // qmllint disable
                    textFormat: Text.PlainText
                    color: Constants.primaryLigthColor5
                    font.pointSize: 13
                    font.bold: true
                    wrapMode: Text.WrapAtWordBoundaryOrAnywhere
                }
                Text {
                    objectName: "cardEmail"
                    Layout.fillWidth: true
                    text: detail.contact ? detail.contact.email : ""
                    textFormat: Text.PlainText
                    color: Constants.primaryLigthColor4
                    font.pointSize: 10
                    wrapMode: Text.WrapAtWordBoundaryOrAnywhere
                }
                // The card's other addresses, kept and exported with it.
                Text {
                    objectName: "cardOtherEmails"
                    Layout.fillWidth: true
                    visible: text !== ""
                    text: detail.contact ? Contacts.text(detail.contact.otheremails) : ""
                    textFormat: Text.PlainText
                    color: Constants.primaryLigthColor4
                    font.pointSize: 10
                    wrapMode: Text.WrapAtWordBoundaryOrAnywhere
                }
                Text {
                    objectName: "cardTelephone"
                    Layout.fillWidth: true
                    text: detail.contact && detail.contact.telephone ? detail.contact.telephone : "-"
                    textFormat: Text.PlainText
                    color: Constants.primaryLigthColor4
                    font.pointSize: 10
                    wrapMode: Text.WrapAtWordBoundaryOrAnywhere
                }
                Item {
                    Layout.fillHeight: true
                }
                RowLayout {
                    spacing: 10

                    MyButton {
                        objectName: "deleteContactButton"
                        text: myTrStrings.deleteStr
                        dangerStyle: true
                        enabled: detail.contact !== null
                        onClicked: deleteDialog.open()
                    }
                    MyButton {
                        objectName: "exportContactButton"
                        text: myTrStrings.exportStr
                        enabled: detail.contact !== null
                        onClicked: {
                            exportDialog.proposeInDocuments("contact.vcf")
                            exportDialog.open()
                        }
                    }
                }
            }
        }
    }

    // ---- Edit form ----
    MyLabel {
        Layout.fillWidth: true
        Layout.leftMargin: 10
        Layout.rightMargin: 10
        text: "<h2>" + myTrStrings.edit_contact + "</h2>"
        textFormat: Text.StyledText
        color: "white"
    }
    ContactForm {
        id: form
        Layout.fillWidth: true
        Layout.leftMargin: 10
        Layout.rightMargin: 10
    }
    MyLabel {
        Layout.fillWidth: true
        Layout.leftMargin: 10
        text: myTrStrings.list
    }
    MyComboBox {
        id: listChooser
        objectName: "listChooser"
        Layout.fillWidth: true
        Layout.leftMargin: 10
        Layout.rightMargin: 10
        model: root.userContactsLists
        // A new set of lists would reset the choice: put the stored one back.
        onModelChanged: currentIndex = detail.contact ? root.userContactsLists.indexOf(detail.contact.list) : -1
    }
    RowLayout {
        Layout.alignment: Qt.AlignRight
        Layout.rightMargin: 10
        spacing: 10

        MyButton {
            objectName: "cancelButton"
            text: myTrStrings.cancel
            onClicked: detail.resetForm()
        }
        MyButton {
            objectName: "confirmButton"
            text: myTrStrings.confirm
            secondaryStyle: true
            enabled: detail.contact !== null
            onClicked: detail.updateContact()
        }
    }
    Item {
        Layout.fillHeight: true
    }

    MyConfirmationDialog {
        id: deleteDialog
        objectName: "deleteContactDialog"
        message: qsTr("Are you sure you want to delete the contact %1 ?")
                 .arg(Contacts.shownName(detail.contact)) // qmllint disable
        confirmBtnText: myTrStrings.deleteStr
        dangerStyle: true
        onConfirmedChanged: detail.deleteContact()
    }

    MyFileDialog {
        id: exportDialog
        saveMode: true
        title: myTrStrings.export_contact
        nameFilters: [qsTr("vCard file (*.vcf *.vcard)")]
        defaultSuffix: "vcf"
        onAccepted: detail.exportContact(selectedFile)
    }
}
