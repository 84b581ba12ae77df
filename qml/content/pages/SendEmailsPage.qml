import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Parvane
import content
import "../resources/js/app.js" as AppJs
import "compose/compose.js" as Compose

// The compose page: the message form bound to the main screen's state, and
// the sending run that delivers the message to every recipient in turn, one
// per tick of the pacing timer, with its progress dialog.
MyPageLayout {
    id: page

    // Toggled by the sending-list sequencer to start the loaded task's run.
    property bool sendEmailsDataState: false

    // Log text of a sending list's task not yet added to the list's combined
    // log; it is added in one piece at the end of a run rather than copying
    // the growing text once per recipient.
    property var pendingListOutput: []

    readonly property alias sendingDialog: sendingDialog
    readonly property alias sendingTimer: sendingTimer
    readonly property alias listSelectionDialog: listSelectionDialog

    objectName: "SendEmailsPage"
    title: myTrStrings.emailing

    onSendEmailsDataStateChanged: {
        if (root.isSendingListRunning && !root.isSenderRunning)
            sendEmails()
    }
    Component.onDestruction: flushListOutput()

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
        root.detailEmailContentUrl = AppJs.urlToString(url)
    }

    // The attachment picker's answer (file addresses), appended in order.
    function attachmentsChosen(urls) {
        const attachments = root.emailAttachments.slice()
        for (let i = 0; i < urls.length; ++i)
            attachments.push(AppJs.urlToString(urls[i]))
        root.emailAttachments = attachments
    }

    function removeHtml() {
        root.detailEmailContentUrl = ""
    }

    function clearForm() {
        root.senderName = ""
        root.subject = ""
        root.recipient = ""
        root.detailEmailContent = ""
        root.detailEmailContentUrl = ""
        root.selectedLists = []
        root.emailAttachments = []
        root.detailEmailContentLocalUrls = []
    }

    function openHtmlPicker() {
        htmlFileDialog.open()
    }

    function openAttachmentsPicker() {
        attachmentsFileDialog.open()
    }

    // ---- The sending run ----

    // The refusal for the active account, or "" when it can send.
    function accountRefusal(account) {
        if (!account || account.serverHost === "" || String(account.serverPort) === ""
                || account.address === "")
            return myTrStrings.smpt_account_required
        // An account may be added without a password, but no server takes
        // mail from it: say why rather than fail every message.
        if (!account.password)
            return myTrStrings.smpt_account_required + " "
                    + qsTr("The active account has no password.")
        return ""
    }

    function refuse(text) {
        toast.show(text, 5000)
    }

    // Adds text to the running sending list's combined log.
    function appendListOutput(text) {
        flushListOutput()
        root.runningSendingListOutput += text
    }

    function flushListOutput() {
        if (pendingListOutput.length === 0)
            return
        const text = pendingListOutput.join("")
        pendingListOutput = []
        root.runningSendingListOutput += text
    }

    // Puts the running list, as changed, first among the sending lists.
    function storeRunningList(record) {
        root.sendingLists = Compose.atFront(root.sendingLists, record)
        root.runningSendingList = record
    }

    function sendEmails() {
        if (!root.isOnline()) {
            connexionDialog.open()
            return
        }
        connexionDialog.close()

        if (root.isSendingListRunning) {
            const list = root.runningSendingList
            const nextTask = list.nextTask + 1
            appendListOutput("=====\n" + qsTr("Start task %1").arg(nextTask) + "\n=====\n\n")
            storeRunningList(Compose.withFields(list, { "nextTask": nextTask }))
        }

        const messageId = AppJs.getRandomString(10)
        const account = root.accountByAddress(root.userActiveCompte)
        // The references are read again from the file as it is now.
        const html = root.detailEmailContentUrl
        if (html !== "")
            root.detailEmailContentLocalUrls = bridge.localReferences(html)
        const listMembers = Compose.listRecipients(root.selectedLists, root.userContacts)

        const refusal = accountRefusal(account)
        if (refusal !== "")
            return refuse(refusal)
        if (root.senderName === "")
            return refuse(myTrStrings.sender_name_required)
        if (root.subject === "")
            return refuse(myTrStrings.subject_required)
        if (root.recipient === "" && listMembers.length === 0)
            return refuse(myTrStrings.recipient_required)
        if (root.detailEmailContent === "" && root.emailAttachments.length === 0 && html === "")
            return refuse(myTrStrings.email_content_required)

        AppJs.startLoading()
        root.isSenderRunning = true

        const recipients = Compose.runRecipients(listMembers, AppJs.getEmails(root.recipient))
        if (recipients.length === 0) {
            toast.show(myTrStrings.no_valid_recipient_found, 5000)
            root.isSenderRunning = false
            AppJs.stopLoading()
            return
        }

        sendingDialog.sent = 0
        sendingDialog.failed = 0
        sendingDialog.total = recipients.length
        sendingDialog.clearLog()
        sendingDialog.open()
        sendingTimer.recipients = recipients
        sendingTimer.currentIndex = 0
        sendingTimer.hasResult = true
        sendingTimer.params = {
            "host": account.serverHost,
            "port": parseInt(account.serverPort, 10),
            "connection": account.connection,
            "address": account.address,
            "password": account.password,
            "senderName": root.senderName,
            "subject": root.subject,
            "content": root.detailEmailContent,
            "html": html,
            "localUrls": html !== "" ? root.detailEmailContentLocalUrls : [],
            "attachments": root.emailAttachments,
            "messageId": messageId
        }

        send()

        if (recipients.length > 1) {
            sendingTimer.interval = Compose.interval(root.userMailsPs)
            sendingTimer.start()
        }
    }

    // Sends to the recipient at the timer's current index.
    function send() {
        AppJs.startLoading()
        const timer = sendingTimer
        const p = timer.params
        const recipient = timer.recipients[timer.currentIndex]
        const address = recipient.email
        let entry
        if (!Compose.isValidAddress(address)) {
            entry = address + ": " + qsTr("Invalid email") + "\n"
            sendingDialog.failed += 1
        } else {
            timer.hasResult = false
            const result = bridge.sendEmail(p.host, p.port, p.connection, p.address, p.password,
                                            p.senderName, recipient, p.subject, p.content,
                                            p.html, p.localUrls, p.attachments, p.messageId)
            if (!result.error) {
                entry = address + ": " + myTrStrings.email_sent + "\n"
                sendingDialog.sent += 1
            } else {
                entry = address + ": " + result.text
                sendingDialog.failed += 1
            }
        }
        entry += "\n"
        sendingDialog.appendLog(entry)
        if (root.isSendingListRunning)
            pendingListOutput.push(entry)

        timer.currentIndex += 1
        timer.hasResult = true

        if (sendingDialog.sent + sendingDialog.failed >= sendingDialog.total) {
            if (root.isSendingListRunning) {
                const list = root.runningSendingList
                appendListOutput("=====\n" + qsTr("End task %1").arg(list.nextTask) + "\n=====\n\n")
                storeRunningList(Compose.withFields(list, {
                    "output": root.runningSendingListOutput,
                    "done": list.done + 1
                }))
                sendingDialog.close()
            }
            timer.stop()
            root.isSenderRunning = false
        }
        AppJs.stopLoading()
    }

    function stopSending() {
        root.isSenderRunning = false
        AppJs.stopLoading()
        flushListOutput()
    }

    SendingTimer {
        id: sendingTimer

        onTriggered: {
            if (!root.isSenderRunning) {
                stop()
                page.flushListOutput()
                AppJs.stopLoading()
            } else if (hasResult) {
                page.send()
            }
        }
    }

    SendingDialog {
        id: sendingDialog

        objectName: "sendingDialog"
        runTitle: root.isSendingListRunning && root.runningSendingList
                  ? qsTr("Processing %1: %2/%3").arg(root.runningSendingList.name)
                        .arg(root.runningSendingList.nextTask)
                        .arg(root.runningSendingList.tasks.length)
                  : myTrStrings.sending_in_progress
        onStopRequested: page.stopSending()
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
