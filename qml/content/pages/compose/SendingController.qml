import QtQuick
import QmlCppBridge
import content
import "../../resources/js/app.js" as AppJs
import "compose.js" as Compose

// Starts and follows the sending run. Both belong to the main screen, so
// leaving the compose page changes nothing; the progress dialog is a view of
// the run. Send asks the run first: while it is busy, nothing starts.
Item {
    id: controller

    readonly property alias run: run
    readonly property alias dialog: sendingDialog
    readonly property alias summaryDialog: summaryDialog
    readonly property alias resumeDialog: resumeDialog
    readonly property alias quitDialog: quitDialog
    readonly property alias passwordDialog: passwordDialog
    readonly property alias sizeCheck: sizeCheck
    readonly property alias sequencer: sequencer
    // A run started with Send is summed up for confirmation first.
    property bool confirmFirst: false
    // The checked run waiting for the summary's confirmation.
    property var prepared: null
    // Log text of a sending list's task not yet added to the list's combined
    // log; added in one piece at the end rather than copied per recipient.
    property var pendingListOutput: []
    property bool quitting: false

    // Send, Enter or the sending-list hook: false when a run is under way.
    function send(withSummary) {
        if (!run.begin())
            return false
        confirmFirst = withSummary === true
        return true
    }

    function refuse(text) {
        run.cancel()
        toast.show(text, 5000)
    }

    // The refusal for the active account, or "" when it can send.
    function accountRefusal(account) {
        if (!account || account.serverHost === "" || String(account.serverPort) === ""
                || account.address === "")
            return myTrStrings.smpt_account_required
        // Stored before ports were checked: say so rather than send elsewhere.
        const port = Number(account.serverPort)
        if (!/^[0-9]+$/.test(String(account.serverPort)) || port < 1 || port > 65535)
            return qsTr("The SMTP port must be a number from 1 to 65535.")
        // An account may be added without a password, but no server takes
        // mail from it: say why rather than fail every message.
        if (!root.accountPassword(account))
            return myTrStrings.smpt_account_required + " "
                    + qsTr("The active account has no password.")
        return ""
    }

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

    function onlineChecked(online) {
        if (!online) {
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

        const account = root.accountByAddress(root.userActiveCompte)
        // The references are read again from the file as it is now.
        const html = root.detailEmailContentUrl
        if (html !== "")
            root.detailEmailContentLocalUrls = bridge.localReferences(html)

        const refusal = accountRefusal(account)
        if (refusal !== "")
            return refuse(refusal)
        if (root.senderName === "")
            return refuse(myTrStrings.sender_name_required)
        if (root.subject === "")
            return refuse(myTrStrings.subject_required)
        // A record for each member: made only once the checks before pass.
        const listMembers = root.contactBook.membersOf(root.selectedLists)
        if (root.recipient === "" && listMembers.length === 0)
            return refuse(myTrStrings.recipient_required)
        if (root.detailEmailContent === "" && root.emailAttachments.length === 0 && html === "")
            return refuse(myTrStrings.email_content_required)
        // Whatever put them in the form, files no message may carry stop the run here.
        const refusedFiles = root.messageFileRefusals(root.emailAttachments, html)
        if (refusedFiles.length > 0)
            return refuse(refusedFiles.join("\n"))

        const recipients = Compose.runRecipients(listMembers, AppJs.getEmails(root.recipient))
        if (recipients.length === 0)
            return refuse(myTrStrings.no_valid_recipient_found)

        const params = {
            "host": account.serverHost,
            "port": parseInt(account.serverPort, 10),
            "connection": account.connection,
            "address": account.address,
            "password": root.accountPassword(account),
            "senderName": root.senderName,
            "subject": root.subject,
            "content": root.detailEmailContent,
            "html": html,
            "localUrls": html !== "" ? root.detailEmailContentLocalUrls : [],
            "attachments": root.emailAttachments,
            "messageId": AppJs.getRandomString(10)
        }
        prepared = { "params": params, "recipients": recipients }
        if (!confirmFirst)
            return launch(recipients)
        const message = root.subject + "\n" + (html !== ""
                ? bridge.textFromFile("file://" + html) : root.detailEmailContent)
        summaryDialog.summary = Compose.runSummary(recipients, message)
        summaryDialog.oncePerAddress = false
        summaryDialog.sizeWarning = ""
        sizeCheck.start(params, recipients[0])
        summaryDialog.open()
    }

    // The summary's answer.
    function confirmSummary(oncePerAddress) {
        if (!prepared)
            return
        launch(oncePerAddress ? Compose.oncePerAddress(prepared.recipients) : prepared.recipients)
    }

    function cancelSummary() {
        prepared = null
        sizeCheck.cancel()
        run.cancel()
    }

    // Three figures: "31.2", "25", "0.02".
    function megabytes(bytes) {
        return String(Number((bytes / 1000000).toPrecision(3)))
    }

    function sizeChecked(result) {
        summaryDialog.sizeWarning = result.tooLarge
                ? qsTr("The message is %1 MB; the server accepts at most %2 MB.")
                      .arg(megabytes(result.messageBytes)).arg(megabytes(result.limit))
                : ""
    }

    function launch(recipients) {
        const params = prepared.params
        prepared = null
        const extra = root.isSendingListRunning && root.runningSendingList
                ? { "list": root.runningSendingList.name } : {}
        sendingDialog.open()
        if (!run.start(params, recipients, extra))
            sendingDialog.close()
    }

    function runEnded(stopped) {
        if (root.isSendingListRunning && !stopped) {
            const list = root.runningSendingList
            appendListOutput("=====\n" + qsTr("End task %1").arg(list.nextTask) + "\n=====\n\n")
            storeRunningList(Compose.withFields(list, {
                "output": root.runningSendingListOutput,
                "done": list.done + 1
            }))
            sendingDialog.close()
        }
        flushListOutput()
        if (quitting)
            Qt.quit()
    }

    // A run cut short by a crash: offered for resumption once the state is read.
    function offerResumption() {
        const interrupted = run.interruptedRun()
        if (!("total" in interrupted))
            return
        resumeDialog.interrupted = interrupted
        resumeDialog.open()
    }

    function resumeInterrupted() {
        const account = root.accountByAddress(resumeDialog.interrupted.account)
        if (!account || !root.accountPassword(account)) {
            toast.show(qsTr("The account of the interrupted run is no longer there: add it again to resume the run."), 5000)
            return
        }
        // A task of a sending list: its log joins the list's, and the list
        // goes on with its next task once this one has ended.
        const list = resumeDialog.interrupted.extra ? resumeDialog.interrupted.extra.list : undefined
        if (list !== undefined)
            sequencer.resumeAfterRun(list)
        sendingDialog.open()
        if (!run.resumeInterrupted(root.accountPassword(account))) {
            sendingDialog.close()
            sequencer.stop()
        }
    }

    // Closing the window: a run under way is stopped first, after asking.
    function quitRequested() {
        // Between two tasks of a list nothing is in flight, but the list is under way.
        if ((!run.busy && !root.isSendingListRunning) || quitting)
            return true
        quitDialog.open()
        return false
    }

    function confirmQuit() {
        quitting = true
        sequencer.stop()
        run.stop()
        if (!run.busy)
            Qt.quit()
        else
            quitDeadline.start()
    }

    SendingRun {
        id: run

        objectName: "sendingRun"
        interval: Compose.interval(root.userMailsPs)
        texts: Object.assign({
            "sent": myTrStrings.email_sent,
            "invalid": qsTr("Invalid email"),
            "retry": qsTr("(will be tried again later)"),
            "unknown": qsTr("No reply after the whole message was sent: it may have arrived. It is not sent again."),
            "interrupted": qsTr("interrupted while it was being sent")
        }, myTrStrings.smtp_failure_texts)
        onOnlineChecked: online => controller.onlineChecked(online)
        onLogAppended: chunk => {
            if (root.isSendingListRunning)
                controller.pendingListOutput.push(chunk)
        }
        onEnded: stopped => controller.runEnded(stopped)
        onPasswordNeeded: reason => {
            passwordDialog.reason = reason
            passwordDialog.open()
        }
    }

    MessageSizeCheck {
        id: sizeCheck

        onFinished: result => controller.sizeChecked(result)
    }

    RunPasswordDialog {
        id: passwordDialog

        objectName: "runPasswordDialog"
        run: run
    }

    SendingListSequencer {
        id: sequencer

        controller: controller
    }

    // A message whose verdict is still awaited gets a moment, not more.
    Timer {
        id: quitDeadline

        interval: 1500
        onTriggered: {
            run.shutdown(300)
            Qt.quit()
        }
    }

    SendingDialog {
        id: sendingDialog

        objectName: "sendingDialog"
        run: run
        runTitle: root.isSendingListRunning && root.runningSendingList
                  ? qsTr("Processing %1: %2/%3").arg(root.runningSendingList.name)
                        .arg(root.runningSendingList.nextTask)
                        .arg(root.runningSendingList.tasks.length)
                  : myTrStrings.sending_in_progress
    }

    RunSummaryDialog {
        id: summaryDialog

        objectName: "runSummaryDialog"
        onConfirmedRun: once => controller.confirmSummary(once)
        onCancelledRun: controller.cancelSummary()
    }

    ResumeRunDialog {
        id: resumeDialog

        objectName: "resumeRunDialog"
        onResumeRequested: controller.resumeInterrupted()
        onDiscardRequested: run.discardInterrupted()
    }

    MyConfirmationDialog {
        id: quitDialog

        objectName: "quitDialog"
        message: qsTr("A sending run is under way. Stop it and quit?")
        confirmBtnText: qsTr("Stop and quit")
        dangerStyle: true
        onConfirmedChanged: controller.confirmQuit()
    }
}
