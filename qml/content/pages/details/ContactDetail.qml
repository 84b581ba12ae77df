import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import QtQuick.Templates as T
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
    readonly property alias qrPopup: qrPopup

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
        else
            successToast.show(root.exportedText(url, 1), 5000)
        return written
    }

    // The contact's full name, else its address: the proposed file name.
    function exportFileName() {
        if (!contact)
            return "contact"
        return contact.fullname !== "" ? contact.fullname : contact.email
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

            // The code as a thumbnail: a click, or Enter or Space with the
            // focus on it, shows it large enough for a phone to read.
            AbstractButton {
                id: qrButton

                readonly property bool focusFrameVisible: activeFocus

                objectName: "qrCodeButton"
                Layout.preferredWidth: 128
                Layout.preferredHeight: 128
                focusPolicy: Qt.TabFocus
                enabled: detail.contact !== null
                onClicked: qrPopup.open()
                Keys.onReturnPressed: qrPopup.open()
                Keys.onEnterPressed: qrPopup.open()

                HoverHandler {
                    cursorShape: qrButton.enabled ? Qt.PointingHandCursor : Qt.ArrowCursor
                }
                MyToolTip {
                    visible: qrButton.hovered
                    text: qsTr("Show the QR code large")
                }

                background: Rectangle {
                    color: "white"
                    radius: Constants.radius
                }
                contentItem: Item {
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

                MyFocusFrame {
                    shown: qrButton.focusFrameVisible
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
                            // Named after the contact, so exports of several
                            // contacts do not all propose the same file.
                            exportDialog.proposeInDocuments(detail.exportFileName() + ".vcf")
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

    // The code enlarged: whole pixels a module, as many as the window
    // allows, on white with a quiet zone of four light modules in all.
    Popup {
        id: qrPopup

        // Modules across the provider's image (its own light border of one
        // module included), and the light modules added around it.
        readonly property int modules: visible && detail.contact ? bridge.qrCodeModules(detail.vCard) : 0
        readonly property int quietModules: 3
        readonly property int windowMargin: 20
        readonly property int modulePixels: modules <= 0 ? 0
            : Math.max(1, Math.floor((Math.min(parent.width, parent.height) - 2 * windowMargin)
                                     / (modules + 2 * quietModules)))
        readonly property int codePixels: modules * modulePixels

        objectName: "qrCodePopup"
        parent: T.Overlay.overlay
        // Centred on whole pixels, so each module stays a sharp square.
        x: parent ? Math.round((parent.width - width) / 2) : 0
        y: parent ? Math.round((parent.height - height) / 2) : 0
        modal: true
        // With the focus, so that Escape reaches it.
        focus: true
        closePolicy: Popup.CloseOnEscape | Popup.CloseOnPressOutside
        padding: 0

        background: Item {}
        contentItem: Rectangle {
            implicitWidth: qrPopup.codePixels + 2 * qrPopup.quietModules * qrPopup.modulePixels
            implicitHeight: implicitWidth
            color: "white"

            Image {
                objectName: "qrCodeLarge"
                anchors.centerIn: parent
                width: qrPopup.codePixels
                height: qrPopup.codePixels
                sourceSize.width: qrPopup.codePixels
                sourceSize.height: qrPopup.codePixels
                smooth: false
                mipmap: false
                asynchronous: true
                source: qrPopup.codePixels > 0 ? "image://qrCode/" + encodeURIComponent(detail.vCard) : ""
            }
            // A click anywhere on the code closes it, as a click beside it does.
            TapHandler {
                onTapped: qrPopup.close()
            }
        }
    }

    MyFileDialog {
        id: exportDialog
        saveMode: true
        title: myTrStrings.export_contact
        nameFilters: [qsTr("vCard file (*.vcf *.vcard)")]
        defaultSuffix: "vcf"
        onSaveChosen: file => detail.exportContact(file)
    }
}
