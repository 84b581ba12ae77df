import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Parvane
import content
import "../resources/js/app.js" as AppJs

// The compose page: the message form bound to the main screen's state. Send
// hands the message to the main screen's sending run, so leaving the page
// during a run changes nothing.
MyPageLayout {
    id: page

    // Toggled by the sending-list sequencer to start the loaded task's run.
    property bool sendEmailsDataState: false

    readonly property var sendingDialog: sendingController.dialog
    readonly property alias listSelectionDialog: listSelectionDialog

    objectName: "SendEmailsPage"
    title: myTrStrings.emailing

    onSendEmailsDataStateChanged: {
        if (root.isSendingListRunning && !root.isSenderRunning)
            sendEmails()
    }

    titleButtons: Component {
        RowLayout {
            readonly property bool listsShown: detailStackView.currentItem !== null
                    && detailStackView.currentItem.objectName === "SendingListsDetail"
            spacing: 5

            MyButton {
                objectName: "sendingListsButton"
                visible: !parent.listsShown
                text: myTrStrings.sending_lists
                secondaryStyle: true
                onClicked: root.loadDatail(sendingListsDetailComponent)
            }
            MyButton {
                objectName: "previewButton"
                visible: parent.listsShown
                text: myTrStrings.preview
                secondaryStyle: true
                onClicked: root.loadDatail(emailContentDetailComponent)
            }
        }
    }

    content: Component {
        ComposeForm {
            composePage: page
        }
    }

    // ---- Form actions ----

    // Text of the button that opens the list selection.
    function listsButtonText(count) {
        if (count === 0)
            return myTrStrings.add_lists
        if (count === 1)
            return qsTr("+%1 List").arg(count)
        return qsTr("+%1 Lists").arg(count)
    }

    // The HTML picker's answer (a file address).
    function htmlFileChosen(url) {
        const path = AppJs.urlToString(url) // qmllint disable type
        const refusal = root.fileRefusalText(path)
        if (refusal !== "") {
            toast.show(refusal, 8000)
            return
        }
        root.detailEmailContentUrl = path
    }

    // The attachment picker's answer (file addresses), appended in order;
    // files no message may carry are refused by name.
    function attachmentsChosen(urls) {
        const attachments = root.emailAttachments.slice()
        const refused = []
        for (let i = 0; i < urls.length; ++i) {
            const path = AppJs.urlToString(urls[i])
            const refusal = root.fileRefusalText(path)
            if (refusal !== "")
                refused.push(refusal)
            else
                attachments.push(path)
        }
        root.emailAttachments = attachments
        if (refused.length > 0)
            toast.show(refused.join("\n"), 8000)
    }

    function removeHtml() {
        root.detailEmailContentUrl = ""
    }

    // Empties the form in one click; the bar at the bottom offers it back.
    function clearForm() {
        if (root.runInputsLocked)
            return
        const kept = {
            "senderName": root.senderName,
            "subject": root.subject,
            "recipient": root.recipient,
            "detailEmailContent": root.detailEmailContent,
            "detailEmailContentUrl": root.detailEmailContentUrl,
            "selectedLists": root.selectedLists,
            "emailAttachments": root.emailAttachments
        }
        root.senderName = ""
        root.subject = ""
        root.recipient = ""
        root.detailEmailContent = ""
        root.detailEmailContentUrl = ""
        root.selectedLists = []
        root.emailAttachments = []
        // The page may be gone when Undo is pressed: the screen is held here.
        const screen = root
        root.undoBar.show(qsTr("The message form was cleared."), () => {
            // A run started meanwhile keeps the form it sends.
            if (screen.runInputsLocked)
                return
            for (const key in kept)
                screen[key] = kept[key]
            // Lists deleted meanwhile are not brought back.
            screen.selectedLists = kept.selectedLists.filter(name => screen.userContactsLists.indexOf(name) >= 0)
        })
    }

    function openHtmlPicker() {
        htmlFileDialog.open()
    }

    function openAttachmentsPicker() {
        attachmentsFileDialog.open()
    }

    // ---- The sending run, which the main screen owns ----

    // Send (with a summary to confirm) or the sending-list hook (without):
    // nothing happens while a run is under way.
    function sendEmails(withSummary) {
        return sendingController.send(withSummary === true)
    }

    ListSelectionDialog {
        id: listSelectionDialog
        objectName: "listSelectionDialog"
    }

    MyFileDialog {
        id: htmlFileDialog

        openMode: true
        title: myTrStrings.choose_file
        nameFilters: [qsTr("HTML file (*.html *.htm)")]
        onAccepted: page.htmlFileChosen(selectedFile)
    }

    MyFileDialog {
        id: attachmentsFileDialog

        title: myTrStrings.choose_files
        onAccepted: page.attachmentsChosen(selectedFiles)
    }
}
