import QtQuick
import QtQuick.Controls.Basic
import QmlCppBridge
import Parvane
import content
import "../resources/js/app.js" as AppJs
import "run.js" as RunJs

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
    readonly property alias history: history
    readonly property alias tokenRefresh: tokenRefresh
    readonly property alias discardDialog: discardDialog
    readonly property alias scheduler: scheduler
    readonly property alias runAccountsDialog: runAccountsDialog
    readonly property alias scheduleDialog: scheduleDialog
    // A run started with Send is summed up for confirmation first.
    property bool confirmFirst: false
    // Log text of a sending list's task not yet added to the list's combined
    // log; added in one piece at the end rather than copied per recipient.
    property var pendingListOutput: []
    property bool quitting: false
    // The run's message, kept while the unsubscribes are fetched before it.
    property var pendingPreparation: null

    // The run stopped after "Stop and quit": the window closes now, through
    // its own close, which also waits for the store.
    signal readyToQuit()

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
        // Signed in with a provider: its token stands for the password.
        if (root.isOAuthAccount(account))
            return root.secrets.secret(root.oauthSecretName(account.address)) !== "" ? ""
                    : qsTr("Sign in again with %1 in the account's panel: Parvane holds no token for it.")
                      .arg(Constants.oauthProviders[account.auth].label)
        // Without a password the run sends without logging in, as the
        // account's test did; only encrypted connections require one there.
        if ((account.connection === "SSL" || account.connection === "TLS")
                && !root.accountPassword(account))
            return myTrStrings.smpt_account_required + " "
                    + qsTr("The active account has no password.")
        return ""
    }

    // What Send would refuse in the form, or "" when it would go; the
    // schedule asks it too, so that a run set for tomorrow is not refused then.
    function formRefusal() {
        return accountRefusal(root.accountByAddress(root.userActiveCompte)) || messageRefusal()
    }

    // The message's own checks, the account left out.
    function messageRefusal() {
        if (root.senderName === "")
            return myTrStrings.sender_name_required
        if (root.subject === "")
            return myTrStrings.subject_required
        if (root.recipient === "" && !root.contactBook.hasMembers(root.selectedLists))
            return myTrStrings.recipient_required
        if (root.detailEmailContent === "" && root.emailAttachments.length === 0 && root.detailEmailContentUrl === "")
            return myTrStrings.email_content_required
        const refusedFiles = root.messageFileRefusals(root.emailAttachments, root.detailEmailContentUrl)
        return refusedFiles.join("\n")
    }

    // The compose page's and the sending lists' Schedule: "" for the form's run.
    function openSchedule(listName) {
        if (run.busy || root.isSendingListRunning)
            return false
        const refusal = listName === "" ? formRefusal() : ""
        if (refusal !== "") {
            toast.show(refusal, 5000)
            return false
        }
        scheduleDialog.listName = listName
        scheduleDialog.open()
        return true
    }

    function appendListOutput(text) {
        flushListOutput()
        root.runningSendingListOutput += text
    }

    // "hh:mm:ss" of now, worked out once a second however many entries come.
    property double stampSecond: -1
    property string stampText: ""
    function timeStamp() {
        const now = Date.now()
        const second = Math.floor(now / 1000)
        if (second !== stampSecond) {
            stampSecond = second
            stampText = Qt.formatTime(new Date(now), "hh:mm:ss")
        }
        return stampText
    }

    // A sending list's task marker, its middle line timed.
    function taskMarker(text) {
        return "=====\n" + timeStamp() + " " + text + "\n=====\n\n"
    }

    // The run's log entry as shown, copied and kept: its time in front.
    function logAppended(chunk) {
        const entry = timeStamp() + " " + chunk
        sendingDialog.appendLog(entry)
        if (root.isSendingListRunning)
            pendingListOutput.push(entry)
    }

    // Brings the put-aside dialog back (the status bar's run button).
    function showDialog() {
        sendingDialog.open()
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
        root.sendingLists = RunJs.atFront(root.sendingLists, record)
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
            appendListOutput(taskMarker(qsTr("Start task %1").arg(nextTask)))
            storeRunningList(RunJs.withFields(list, { "nextTask": nextTask }))
        }

        const account = root.accountByAddress(root.userActiveCompte)
        const html = root.detailEmailContentUrl
        const refusal = accountRefusal(account)
        if (refusal !== "")
            return refuse(refusal)
        // The accounts that share the recipients send as they are: each must be able to.
        const sharing = root.sharingAccounts()
        for (const other of sharing) {
            const otherRefusal = accountRefusal(other) || (root.isOAuthAccount(other) && root.freshToken(other.address) === ""
                                                             ? qsTr("Sign in again with %1 in the account's panel.")
                                                               .arg(Constants.oauthProviders[other.auth].label) : "")
            if (otherRefusal !== "")
                return refuse(other.address + ": " + otherRefusal)
        }
        // A token that would expire soon is refreshed first; the run goes on
        // from here once the provider has answered.
        if (root.isOAuthAccount(account) && root.freshToken(account.address) === "") {
            if (!tokenRefresh.renewFor(account, false))
                return refuse(qsTr("Parvane could not ask %1 for a new token.")
                              .arg(Constants.oauthProviders[account.auth].label))
            return
        }
        // Whatever put them in the form, files no message may carry stop the run here.
        const messageIssue = messageRefusal()
        if (messageIssue !== "")
            return refuse(messageIssue)

        const params = {
            "host": account.serverHost,
            "port": parseInt(account.serverPort, 10),
            "connection": account.connection,
            "address": account.address,
            "password": root.isOAuthAccount(account) ? "" : root.accountPassword(account),
            "accessToken": root.isOAuthAccount(account) ? root.freshToken(account.address) : "",
            "senderName": root.senderName,
            "subject": root.subject,
            "content": root.detailEmailContent,
            "html": html,
            "attachments": root.emailAttachments,
            "unsubscribe": root.unsubscribeLink,
            "unsubscribeLanguage": root.unsubscribeLanguage,
            "messageId": AppJs.getRandomString(10)
        }
        if (sharing.length > 0) {
            params.accounts = sharing.map(other => ({
                "host": other.serverHost, "port": parseInt(other.serverPort, 10),
                "connection": other.connection, "address": other.address, "senderName": other.senderName,
                "password": root.isOAuthAccount(other) ? "" : root.accountPassword(other),
                "accessToken": root.isOAuthAccount(other) ? root.freshToken(other.address) : ""
            }))
            params.spread = root.runSpread
        }
        const extra = root.isSendingListRunning && root.runningSendingList
                ? { "list": root.runningSendingList.name } : {}
        // The latest unsubscribes come home first (and the mailbox is
        // registered for the one-click address); then the run gathers its
        // recipients and sums them up on a worker.
        pendingPreparation = { "params": params, "extra": extra }
        root.unsubscribeMailbox.sync(root.unsubscribeLink)
    }

    function mailboxSynced() {
        const pending = pendingPreparation
        pendingPreparation = null
        if (pending && run.state === SendingRun.Starting)
            run.prepare(pending.params, root.contactBook, root.selectedLists, root.recipient,
                        pending.extra)
    }

    // The prepared run: refused, summed up for confirmation, or started.
    function runPrepared(summary) {
        // Invalid addresses are listed and counted, but a run of nothing else
        // is refused.
        if (summary.valid === 0)
            return refuse(myTrStrings.no_valid_recipient_found)
        if (summary.suppressed >= summary.valid)
            return refuse(qsTr("Every recipient is on the suppression list: nobody is sent to."))
        // Those an earlier run of this same message reached are left out,
        // unless the user asks for them in the summary.
        if (!confirmFirst)
            return launch(summary, false, false)
        summaryDialog.summary = summary
        summaryDialog.oncePerAddress = false
        summaryDialog.sendAgain = false
        summaryDialog.sizeWarning = ""
        summaryDialog.unsubscribe = root.unsubscribeLink
        summaryDialog.unsubscribeLanguage = root.unsubscribeLanguage
        summaryDialog.oneClick = root.unsubscribeMailbox.registered
        summaryDialog.domain = ({})
        summaryDialog.accounts = [root.userActiveCompte].concat(root.sharingAccounts().map(a => a.address))
        summaryDialog.intervalMs = run.interval
        const account = root.accountByAddress(root.userActiveCompte)
        domainCheck.start(account.address, account.serverHost)
        run.checkSize(sizeCheck)
        summaryDialog.open()
    }

    // The summary's answer.
    function confirmSummary(oncePerAddress, sendAgain) {
        if (run.state === SendingRun.Starting)
            launch(summaryDialog.summary, oncePerAddress, sendAgain)
    }

    function cancelSummary() {
        sizeCheck.cancel()
        domainCheck.cancel()
        run.cancel()
    }

    // Three figures: "31.2", "25", "0.02".
    function megabytes(bytes) {
        return Number((bytes / 1000000).toPrecision(3)).toLocaleString(myTrStrings.locale, "g", 3)
    }

    function sizeChecked(result) {
        summaryDialog.sizeWarning = result.tooLarge
                ? qsTr("The message is %1 MB; the server accepts at most %2 MB.")
                      .arg(megabytes(result.messageBytes)).arg(megabytes(result.limit))
                : ""
    }

    function launch(summary, oncePerAddress, sendAgain) {
        if (!sendAgain && summary.received >= summary.total) {
            run.cancel()
            toast.show(qsTr("Everyone on the list already received this message in an earlier run."), 5000)
            return
        }
        // The next task of a list the user put aside goes on out of sight.
        const shown = !(root.isSendingListRunning && sendingDialog.putAside)
        if (shown)
            sendingDialog.open()
        if (!run.confirm(oncePerAddress, sendAgain) && shown)
            sendingDialog.close()
    }

    // Each task's part of a list's log is stored as the task ends, stopped
    // or not, so that a crash loses none of the tasks already run.
    function runEnded(stopped) {
        if (root.isSendingListRunning) {
            const list = root.runningSendingList
            if (!stopped)
                appendListOutput(taskMarker(qsTr("End task %1").arg(list.nextTask)))
            flushListOutput()
            storeRunningList(RunJs.withFields(list, {
                "output": root.runningSendingListOutput,
                "done": stopped ? list.done : list.done + 1
            }))
            if (!stopped)
                sendingDialog.close()
        }
        flushListOutput()
        if (quitting)
            readyToQuit()
    }

    // Continue in the dialog of a stopped run. A sending list goes on with
    // its next task after Stop instead, so its task is not continued.
    function continueRun() {
        return !root.isSendingListRunning && run.continueRun()
    }

    // A run cut short by a crash, or stopped before the program was quit:
    // offered for resumption once the state is read.
    function offerResumption() {
        const interrupted = run.interruptedRun()
        if (!("total" in interrupted))
            return
        resumeDialog.interrupted = interrupted
        // A run that was waiting for its account's limit goes on by itself,
        // as it would have had the program stayed open.
        // One whose account can no longer send is offered as any other.
        const waiting = resumeDialog.interrupted
        const account = root.accountByAddress(waiting.account)
        if (waiting.limitUntil > 0 && account && accountRefusal(account) === "") {
            toast.show(qsTr("The run \"%1\" waits for the sending limit of %2 and goes on by itself at %3.")
                       .arg(waiting.subject).arg(waiting.account)
                       .arg(myTrStrings.dateTime(Math.max(waiting.limitUntil, RunClock.nowMs()))), 10000)
            resumeInterrupted()
            return
        }
        resumeDialog.open()
    }

    function resumeInterrupted() {
        const account = root.accountByAddress(resumeDialog.interrupted.account)
        if (!account) {
            toast.show(qsTr("The account of the interrupted run is no longer there: add it again to resume the run."), 5000)
            return
        }
        // The same account checks as Send: an account that logs in without a
        // password resumes too.
        const refusal = accountRefusal(account)
        if (refusal !== "") {
            toast.show(refusal, 5000)
            return
        }
        // A task of a sending list: its log joins the list's, and the list
        // goes on with its next task once this one has ended.
        const list = resumeDialog.interrupted.extra ? resumeDialog.interrupted.extra.list : undefined
        if (list !== undefined)
            sequencer.resumeAfterRun(list)
        sendingDialog.open()
        // The other accounts it shared its recipients with log in again too.
        const passwords = {}
        for (const address of resumeDialog.interrupted.accounts || []) {
            const other = root.accountByAddress(address)
            if (other)
                passwords[address] = root.accountPassword(other)
        }
        if (!run.resumeInterrupted(root.accountPassword(account) || "", passwords)) {
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
            readyToQuit()
        else
            quitDeadline.start()
    }

    SendingRun {
        id: run

        objectName: "sendingRun"
        interval: RunJs.interval(root.userMailsPs)
        suppression: root.suppressionList
        suppressBounces: root.suppressBounces
        unsubscribeMailbox: root.unsubscribeMailbox
        accountLimits: root.accountLimits
        texts: Object.assign({
            "sent": myTrStrings.email_sent,
            "invalid": qsTr("Invalid email"),
            "suppressed": qsTr("Not sent: this address is on the suppression list."),
            "retry": qsTr("(will be tried again later)"),
            "stoppedRetry": qsTr("Stopped: the recipients waiting for another try are sent only if you continue the run."),
            "unknown": qsTr("No reply after the whole message was sent: it may have arrived. It is not sent again."),
            "interrupted": qsTr("interrupted while it was being sent"),
            "via": qsTr("%1 via %2"),
            "accountOut": qsTr("(the other accounts go on)"),
            "limit_day": qsTr("The account's limit of %1 a day is reached: the run goes on at %2."),
            "limit_hour": qsTr("The account's limit of %1 an hour is reached: the run goes on at %2."),
            "limit_minute": qsTr("The account's limit of %1 a minute is reached: the run goes on at %2.")
        }, myTrStrings.smtp_failure_texts)
        onOnlineChecked: online => controller.onlineChecked(online)
        onPrepared: summary => controller.runPrepared(summary)
        onLogAppended: chunk => controller.logAppended(chunk)
        onEnded: stopped => controller.runEnded(stopped)
        // An expired token: refreshed once. A fresh one refused too: the
        // access was taken back, and the run waits for a new sign-in.
        onTokenNeeded: (reason, again) => {
            const account = root.accountByAddress(root.userActiveCompte)
            if (again || !account || !root.isOAuthAccount(account) || !tokenRefresh.renewFor(account, true))
                toast.show(qsTr("The server refused the sign-in: sign in again in the account's panel, or stop the run."), 10000)
        }
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
            controller.readyToQuit()
        }
    }

    SendingDialog {
        id: sendingDialog

        objectName: "sendingDialog"
        run: run
        canContinue: run.canContinue && !root.isSendingListRunning
        onContinueRequested: controller.continueRun()
        runTitle: root.isSendingListRunning && root.runningSendingList
                  ? qsTr("Processing %3: %1/%2").arg(myTrStrings.number(root.runningSendingList.nextTask))
                        .arg(myTrStrings.number(root.runningSendingList.tasks.length))
                        .arg(root.runningSendingList.name)
                  : myTrStrings.sending_in_progress
    }

    RunSummaryDialog {
        id: summaryDialog

        objectName: "runSummaryDialog"
        onConfirmedRun: (once, again) => controller.confirmSummary(once, again)
        onCancelledRun: controller.cancelSummary()
    }

    ResumeRunDialog {
        id: resumeDialog

        objectName: "resumeRunDialog"
        onResumeRequested: controller.resumeInterrupted()
        onDiscardRequested: discardDialog.open()
    }

    // Discarding is asked: the run may have mailed many already, and the
    // history then leaves them out of the same message sent again.
    MyConfirmationDialog {
        id: discardDialog

        objectName: "discardRunDialog"
        message: qsTr("Discard this run? %Ln recipient(s) already received the message. The run stays in the history, and sending the same message again leaves them out.", "",
                      resumeDialog.interrupted.sent || 0)
        confirmBtnText: qsTr("Discard")
        dangerStyle: true
        closePolicy: Popup.NoAutoClose
        onConfirmedChanged: run.discardInterrupted()
        // Not discarded: the offer stands.
        onClosed: {
            if (!run.busy && "total" in run.interruptedRun())
                resumeDialog.open()
        }
    }

    // What the sender's domain publishes, said in the summary as it comes.
    SenderDomainCheck {
        id: domainCheck

        objectName: "senderDomainCheck"
        onFinished: result => summaryDialog.domain = result
    }

    // Fresh access tokens for accounts signed in with a provider: before a
    // run starts, and once when the server refuses an expired one mid-run.
    OAuthSignIn {
        id: tokenRefresh

        property string address: ""
        property bool forRunUnderWay: false

        function renewFor(account, underWay) {
            provider = account.auth
            settings = Constants.oauthProviders[account.auth]
            address = account.address
            forRunUnderWay = underWay
            return refresh(root.secrets.secret(root.oauthSecretName(account.address)))
        }

        objectName: "tokenRefresh"
        onRefreshed: (ok, token, revoked, reason, detail) => {
            if (ok) {
                root.keepTokens(address, token)
                if (forRunUnderWay)
                    run.continueWithToken(token.accessToken)
                else
                    controller.onlineChecked(true)
            } else {
                const label = Constants.oauthProviders[provider].label
                const text = revoked
                        ? qsTr("%1 no longer lets Parvane send as %2: sign in again in the account's panel.")
                          .arg(label).arg(address)
                        : myTrStrings.oauthFailureText(reason, detail, label)
                // A run under way stays paused: the user signs in again, or stops it.
                if (forRunUnderWay)
                    toast.show(text, 10000)
                else
                    controller.refuse(text)
            }
        }
    }

    RunScheduler {
        id: scheduler

        controller: controller
    }

    RunAccountsDialog {
        id: runAccountsDialog

        objectName: "runAccountsDialog"
    }

    ScheduleDialog {
        id: scheduleDialog

        objectName: "scheduleDialog"
        onScheduled: (at, listName) => {
            scheduler.set(at, listName)
            successToast.show(qsTr("Scheduled: %1 starts at %2.").arg(scheduler.whatText()).arg(myTrStrings.dateTime(at)), 5000)
        }
    }

    RunHistory {
        id: history

        objectName: "runHistory"
        path: run.historyPath
    }

    Connections {
        target: run
        function onHistoryWritten() {
            history.reload()
        }
    }

    Connections {
        target: root.unsubscribeMailbox
        function onSynced() {
            controller.mailboxSynced()
        }
    }

    // While messages go, unsubscribes are fetched every few minutes, so a
    // recipient who declines during a long run is mailed no further.
    Binding {
        target: root.unsubscribeMailbox
        property: "watching"
        value: run.state === SendingRun.Delivering || run.state === SendingRun.Paused
    }

    MyConfirmationDialog {
        id: quitDialog

        objectName: "quitDialog"
        message: run.pauseReason === "limit"
                 ? qsTr("The run waits for the account's sending limit until %1. Quit now? It goes on by itself when Parvane is started again.")
                   .arg(myTrStrings.dateTime(run.resumesAt))
                 : qsTr("A sending run is under way. Stop it and quit?")
        confirmBtnText: qsTr("Stop and quit")
        dangerStyle: true
        onConfirmedChanged: controller.confirmQuit()
    }
}
