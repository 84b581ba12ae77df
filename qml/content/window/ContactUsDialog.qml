import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Parvane
import content
import "../resources/js/app.js" as AppJs

// The vendor's e-mail address and phone number, as the web service last
// announced them; a click copies one to the clipboard.
MyDialog {
    id: dialog

    required property var information

    objectName: "contactUsDialog"
    width: 400
    height: 310
    dialogTitle: myTrStrings.contact_us
    description: myTrStrings.for_any_concerns_feel_to_contact_us
    descriptionFontSize: 10
    icon: Qt.resolvedUrl("../resources/images/menus/contact.png")

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 15
        spacing: 5

        MyLabel {
            objectName: "contactsNotAvailable"
            visible: dialog.information.email === "" && dialog.information.phone === ""
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignHCenter
            font.bold: false
            textFormat: Text.PlainText
            text: qsTr("The contact details are not known yet: they are asked for at start-up when the computer is online.")
        }

        GridLayout {
            Layout.fillWidth: true
            columns: 2
            columnSpacing: 10
            rowSpacing: 5

            MyLabel {
                visible: dialog.information.email !== ""
                text: myTrStrings.email + ": "
                textFormat: Text.PlainText
            }
            MyLinkButton {
                objectName: "emailLink"
                visible: dialog.information.email !== ""
                Layout.maximumWidth: dialog.width - 120
                font.bold: false
                text: dialog.information.email
                onClicked: AppJs.copyToClipboard(text, myTrStrings.email_address_copied, dialog)
            }
            MyLabel {
                visible: dialog.information.phone !== ""
                text: myTrStrings.phone + ": "
                textFormat: Text.PlainText
            }
            MyLinkButton {
                objectName: "phoneLink"
                visible: dialog.information.phone !== ""
                Layout.maximumWidth: dialog.width - 120
                font.bold: false
                text: dialog.information.phone
                onClicked: AppJs.copyToClipboard(text, myTrStrings.phone_number_copied, dialog)
            }
        }

        Item {
            Layout.fillHeight: true
        }

        MyButton {
            objectName: "contactCloseButton"
            Layout.alignment: Qt.AlignRight
            text: myTrStrings.close
            onClicked: dialog.close()
        }
    }
}
