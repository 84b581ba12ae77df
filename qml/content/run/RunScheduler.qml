import QtQuick
import QtQuick.Controls.Basic
import QmlCppBridge
import content

// A run of the compose form, or a sending list, set to start at a time of
// the user's choosing: it starts then by itself, once nothing else runs. A
// start missed while the program was closed is offered at the next start,
// never made late without a word.
Item {
    id: scheduler

    // The sending controller: Send, the sequencer and the run.
    required property var controller
    // {at: ms since the epoch, list: a sending list's name, "" for the form's run}.
    readonly property var schedule: root.runSchedule
    readonly property bool pending: !!schedule && schedule.at > 0
    // Milliseconds left, for the countdown.
    property double remainingMs: 0
    // A start this late is still on time: the program was only busy.
    readonly property int graceMs: 60 * 1000
    readonly property alias missedDialog: missedDialog
    readonly property alias cancelDialog: cancelDialog

    function set(at, listName) {
        root.runSchedule = { "at": at, "list": listName || "" }
        tick()
    }

    function cancel() {
        root.runSchedule = ({})
    }

    // The question about an interrupted run comes first (a run started
    // meanwhile would write its journal over that run's), and a run under way.
    function interruptedFirst() {
        return controller.resumeDialog.visible || controller.discardDialog.visible || controller.run.busy
    }

    // At start: a schedule whose time passed while the program was closed.
    function checkMissed() {
        if (!pending || RunClock.nowMs() <= schedule.at + graceMs) {
            tick()
            return
        }
        if (interruptedFirst())
            missedLater.start()
        else
            missedDialog.open()
    }

    function startNow() {
        if (interruptedFirst()) {
            toast.show(qsTr("Another run comes first; the schedule waits for it."), 5000)
            return false
        }
        const due = schedule
        cancel()
        if (due.list === "")
            return controller.send(false)
        const list = root.sendingLists.find(l => l.name === due.list)
        if (!list) {
            toast.show(qsTr("The scheduled sending list \"%1\" is no longer there: nothing was started.")
                       .arg(due.list), 10000)
            return false
        }
        return controller.sequencer.start(list)
    }

    // What is started names itself: the list, or the form's subject.
    function whatText() {
        if (!pending)
            return ""
        return schedule.list !== "" ? qsTr("the sending list \"%1\"").arg(schedule.list)
                                    : qsTr("the run \"%1\"").arg(root.subject)
    }

    // "Starts in 01:04:09" within a day; "Starts on <date and time>" beyond.
    function countdownText() {
        if (!pending)
            return ""
        if (remainingMs >= 24 * 3600 * 1000)
            return qsTr("Starts on %1").arg(myTrStrings.dateTime(schedule.at))
        const seconds = Math.ceil(remainingMs / 1000)
        const two = n => (n < 10 ? "0" : "") + n
        return qsTr("Starts in %1").arg(two(Math.floor(seconds / 3600)) + ":"
                                        + two(Math.floor(seconds % 3600 / 60)) + ":" + two(seconds % 60))
    }

    // Waits while a run, a list or the question about an interrupted run is under way.
    function tick() {
        if (!pending || missedDialog.visible) {
            remainingMs = 0
            return
        }
        remainingMs = Math.max(0, schedule.at - RunClock.nowMs())
        if (remainingMs > 0 || root.isSendingListRunning || interruptedFirst())
            return
        startNow()
    }

    Timer {
        interval: 1000
        repeat: true
        running: scheduler.pending
        onTriggered: scheduler.tick()
    }

    // The missed schedule is asked about once the interrupted run is answered.
    Timer {
        id: missedLater

        interval: 500
        onTriggered: scheduler.checkMissed()
    }

    Connections {
        target: RunClock
        function onMoved() { scheduler.tick() }
    }

    MyConfirmationDialog {
        id: missedDialog

        objectName: "missedScheduleDialog"
        // Room for the list's name and the two answers side by side.
        width: 480
        height: 270
        message: scheduler.pending
                 ? qsTr("Parvane was closed when %1 was to start, at %2. Start it now?")
                   .arg(scheduler.whatText()).arg(myTrStrings.dateTime(scheduler.schedule.at))
                 : ""
        confirmBtnText: qsTr("Start now")
        closeBtnText: qsTr("Cancel the schedule")
        closePolicy: Popup.NoAutoClose
        onConfirmedChanged: scheduler.startNow()
        onClosed: {
            if (scheduler.pending && !scheduler.controller.run.busy && !root.isSendingListRunning) {
                scheduler.cancel()
                toast.show(qsTr("The schedule is cancelled: nothing was sent."), 5000)
            }
        }
    }

    // The status bar's countdown, clicked.
    MyConfirmationDialog {
        id: cancelDialog

        objectName: "cancelScheduleDialog"
        width: 480
        height: 270
        message: scheduler.pending
                 ? qsTr("Scheduled: %1 starts at %2. Cancel the schedule?").arg(scheduler.whatText())
                   .arg(myTrStrings.dateTime(scheduler.schedule.at))
                 : ""
        confirmBtnText: qsTr("Cancel the schedule")
        closeBtnText: myTrStrings.close
        dangerStyle: true
        onConfirmedChanged: scheduler.cancel()
    }
}
