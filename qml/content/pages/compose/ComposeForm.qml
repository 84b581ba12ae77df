import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Parvane
import content

// The message form of the compose page. Every field is bound both ways to
// the main screen's state, so the message survives page changes and restarts.
ColumnLayout {
    id: form

    // The compose page, which owns the actions.
    required property var composePage
    readonly property bool htmlChosen: root.detailEmailContentUrl !== ""
    // The form is what a run under way sends: it can be read, not changed.
    readonly property bool locked: root.runInputsLocked

    // Puts a placeholder at the text area's cursor and gives it the focus.
    function insertPlaceholder(text) {
        contentArea.insert(contentArea.cursorPosition, text)
        contentArea.forceActiveFocus()
    }

    spacing: 8

    RowLayout {
        Layout.fillWidth: true
        spacing: 15

        ColumnLayout {
            Layout.fillWidth: true
            Layout.preferredWidth: 1
            spacing: 5

            MyLabel {
                text: myTrStrings.sender_name
            }
            MyTextField {
                objectName: "senderNameField"
                readOnly: form.locked
                Layout.fillWidth: true
                placeholderText: myTrStrings.displayed_sender_name
                text: root.senderName
                onTextChanged: root.senderName = text
            }
        }
        ColumnLayout {
            Layout.fillWidth: true
            Layout.preferredWidth: 1
            spacing: 5

            MyLabel {
                text: myTrStrings.subject
            }
            MyTextField {
                objectName: "subjectField"
                readOnly: form.locked
                Layout.fillWidth: true
                placeholderText: myTrStrings.subject
                text: root.subject
                onTextChanged: root.subject = text
            }
        }
    }

    MyLabel {
        Layout.topMargin: 5
        text: myTrStrings.recipient_addresses
    }
    RowLayout {
        Layout.fillWidth: true
        spacing: 10

        // A few lines high, so that the hint with its examples reads whole
        // and a pasted list of addresses can be looked through.
        ScrollView {
            Layout.fillWidth: true
            Layout.preferredHeight: 76

            MyTextArea {
                objectName: "recipientField"
                readOnly: form.locked
                placeholderText: myTrStrings.recipient_placeholder
                text: root.recipient
                onTextChanged: root.recipient = text
            }
        }
        MyButton {
            objectName: "addListsButton"
            enabled: !form.locked
            Layout.alignment: Qt.AlignTop
            smBtn: false
            text: form.composePage.listsButtonText(root.selectedLists.length)
            icon.source: "../../resources/images/icons/list.png"
            onClicked: form.composePage.listSelectionDialog.open()
        }
    }

    RowLayout {
        Layout.fillWidth: true
        Layout.topMargin: 5
        spacing: 5

        MyLabel {
            Layout.fillWidth: true
            text: myTrStrings.email_content
        }
        MyLinkButton {
            objectName: "loadHtmlButton"
            enabled: !form.locked
            visible: !form.htmlChosen
            text: myTrStrings.load_html
            icon.source: "../../resources/images/icons/html-file.png"
            onClicked: form.composePage.openHtmlPicker()
        }
        MyLinkButton {
            objectName: "removeHtmlButton"
            enabled: !form.locked
            visible: form.htmlChosen
            text: myTrStrings.remove_html
            icon.source: "../../resources/images/icons/delete.png"
            icon.color: Constants.errorColor
            onClicked: form.composePage.removeHtml()
        }
        MyLinkButton {
            objectName: "attachmentsButton"
            enabled: !form.locked
            text: myTrStrings.attachments
            icon.source: "../../resources/images/icons/attachment.png"
            onClicked: form.composePage.openAttachmentsPicker()
        }
    }

    MyTextArea {
        id: contentArea

        objectName: "contentArea"
        readOnly: form.locked
        visible: !form.htmlChosen
        Layout.fillWidth: true
        Layout.preferredHeight: 280
        placeholderText: myTrStrings.your_email_content
        text: root.detailEmailContent
        onTextChanged: root.detailEmailContent = text
    }

    // Stands in for the text while the message is an HTML file.
    Rectangle {
        objectName: "htmlBox"
        visible: form.htmlChosen
        Layout.fillWidth: true
        Layout.preferredHeight: 280
        color: Constants.primaryDarkColor
        border.color: Constants.primaryLigthColor
        radius: Constants.radius

        Image {
            anchors.centerIn: parent
            width: 128
            height: 128
            source: "../../resources/images/icons/html-file.png"
            fillMode: Image.PreserveAspectFit
            mipmap: true
            opacity: 0.8
        }
    }

    Flow {
        Layout.fillWidth: true
        spacing: 5

        Repeater {
            model: Constants.contactData
            delegate: MyLinkButton {
                required property string modelData
                objectName: "placeholder_" + modelData
                text: Constants.contactDataTag[0] + modelData + Constants.contactDataTag[1]
                enabled: !form.htmlChosen && !form.locked
                onClicked: form.insertPlaceholder(text)
            }
        }
        // Where the unsubscribe link goes instead of the footer line.
        MyLinkButton {
            objectName: "placeholder_unsubscribe_url"
            visible: root.unsubscribeLink
            text: Constants.contactDataTag[0] + "unsubscribe_url" + Constants.contactDataTag[1]
            enabled: !form.htmlChosen && !form.locked
            onClicked: form.insertPlaceholder(text)
        }
    }

    // Marketing must offer a way out; a note to a few people need not.
    RowLayout {
        Layout.fillWidth: true
        spacing: 10

        MyCheckBox {
            objectName: "unsubscribeBox"
            text: qsTr("Unsubscribe link")
            checked: root.unsubscribeLink
            enabled: !form.locked
            onToggled: root.unsubscribeLink = checked
        }
        MyComboBox {
            objectName: "messageLanguageBox"
            visible: root.unsubscribeLink
            enabled: !form.locked
            textRole: "name"
            model: [{ "key": "en", "name": "English" }, { "key": "fr", "name": "Français" }]
            currentIndex: root.unsubscribeLanguage === "fr" ? 1 : 0
            onActivated: index => root.messageLanguage = model[index].key
        }
    }

    RowLayout {
        Layout.alignment: Qt.AlignRight
        Layout.topMargin: 5
        spacing: 10

        MyButton {
            objectName: "clearButton"
            enabled: !form.locked
            smBtn: false
            text: myTrStrings.clear
            onClicked: form.composePage.clearForm()
        }
        MyButton {
            objectName: "scheduleButton"
            smBtn: false
            text: qsTr("Schedule…")
            icon.source: "../../resources/images/icons/clock.png"
            enabled: !root.isSenderRunning
            onClicked: root.sendingController.openSchedule("")
        }
        MyButton {
            objectName: "sendButton"
            // Sized by its text, which is longer in French.
            smBtn: false
            secondaryStyle: true
            text: myTrStrings.send
            icon.source: "../../resources/images/icons/send.png"
            enabled: !root.isSenderRunning
            onClicked: form.composePage.sendEmails(true)
        }
    }
}
