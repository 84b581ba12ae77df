import QtQuick
import QtQuick.Layouts
import content

// Form for a new contact of the active list. `addContact(fields)` of the page
// does the checks and the work and returns the refusal text, or "" once added.
MyHeaderlessDialog {
    id: dialog

    // The contacts page.
    required property var page
    readonly property alias form: form

    // A refusal stays in the dialog, which stays open with what was typed;
    // so does a question the page asks first (no answer yet: null).
    function submit() {
        const refusal = page.addContact(form.values(), false)
        if (refusal === null)
            return
        if (refusal !== "") {
            showToast(refusal)
            return
        }
        form.clear()
        close()
    }

    width: 500
    // Tall enough for every field, as far as the window allows.
    height: Math.min(header.implicitHeight + fields.implicitHeight + buttons.implicitHeight + 40,
                     parent ? parent.height - 20 : 510)

    ColumnLayout {
        anchors.fill: parent
        anchors.leftMargin: 20
        anchors.rightMargin: 20
        anchors.bottomMargin: 15
        spacing: 10

        // The fields scroll when the window is too low for them; the
        // buttons stay in sight inside the frame.
        MyScrollColumn {
            id: fields

            Layout.fillWidth: true
            Layout.fillHeight: true
            spacing: 10

            MyLabel {
                Layout.fillWidth: true
                text: "<h2>" + myTrStrings.add_new_contact + "</h2>"
                textFormat: Text.StyledText
                color: "white"
            }
            ContactForm {
                id: form
                Layout.fillWidth: true
            }
        }
        MyDialogButtons {
            id: buttons

            onCloseClicked: dialog.close()
            onConfirmClicked: dialog.submit()
        }
    }
}
