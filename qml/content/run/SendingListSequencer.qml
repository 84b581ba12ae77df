import QtQuick
import content
import "run.js" as RunJs

// Runs a sending list: loads each task into the compose form in turn and
// starts its run, one task after the other. It belongs to the main screen,
// beside the run, so a list runs to its end whatever page or panel is shown,
// and the sending-lists panel only shows its state.
Item {
    id: sequencer

    // The sending controller: the run, its bookkeeping and the list's log.
    required property var controller
    // Index of the task last loaded into the compose form, -1 when none.
    property int loadedTask: -1
    readonly property bool running: timer.running
    readonly property alias reviewDialog: reviewDialog

    // Play: the list runs from its next task; nothing while a list or a run is under way.
    function start(list) {
        if (running || root.isSenderRunning)
            return false
        const page = currentPage()
        if (!page || page.objectName !== "SendEmailsPage")
            root.loadPage(sendEmailsPage)
        root.runningSendingListOutput = startingOutput(list)
        root.isSendingListRunning = true
        root.runningSendingList = list
        loadedTask = -1
        timer.start()
        return true
    }

    // After a crash: the list whose task is being resumed goes on from the
    // next task once that task's run has ended.
    function resumeAfterRun(listName) {
        const list = root.sendingLists.find(l => l.name === listName)
        if (!list || list.nextTask < 1 || running)
            return false
        root.runningSendingListOutput = startingOutput(list)
                + controller.taskMarker(qsTr("Start task %1").arg(list.nextTask))
        root.isSendingListRunning = true
        root.runningSendingList = list
        loadedTask = list.nextTask - 1
        timer.start()
        return true
    }

    // The combined log a run of the list starts from: the name for a list
    // run from its start; the log kept so far for one that goes on, so the
    // tasks already run stay in it.
    function startingOutput(list) {
        return list.nextTask > 0 && list.output ? list.output : list.name + "\n\n"
    }

    function stop() {
        timer.stop()
        root.isSendingListRunning = false
    }

    function currentPage() {
        return root.pagesStackView.currentItem
    }

    function tick() {
        if (root.isSenderRunning || root.loading)
            return
        const list = root.runningSendingList
        if (!list || list.nextTask >= list.tasks.length) {
            stop()
            return
        }
        if (loadedTask < list.nextTask) {
            // Read once: checked, then loaded into the form.
            const path = list.tasks[list.nextTask]
            const task = workFiles.readTask(path)
            // Only what the user reviewed runs: a file changed since (or a
            // list made before reviews) stops the list and asks again.
            const digests = list.digests || []
            if (task.digest !== undefined && task.digest !== digests[list.nextTask]) {
                stop()
                reviewDialog.listName = list.name
                reviewDialog.taskIndex = list.nextTask
                reviewDialog.review([{ "path": path, "task": task }],
                                    qsTr("This work file changed since you reviewed it, or was never reviewed: check what it sends, confirm, then start the list again."))
                return
            }
            if (workFiles.taskIsValid(task)) {
                workFiles.applyTask(task, path)
                loadedTask = list.nextTask
            } else {
                // A task that cannot be used is passed over without a log line.
                controller.storeRunningList(RunJs.withFields(list, { "nextTask": list.nextTask + 1 }))
            }
            return
        }
        if (loadedTask === list.nextTask) {
            const page = currentPage()
            if (page && page.objectName === "SendEmailsPage")
                page.sendEmailsDataState = !page.sendEmailsDataState
            else
                controller.send(false)
        }
    }

    // Confirming stores the digest of the file as now reviewed; the list
    // starts again only when the user presses its play button.
    TaskReviewDialog {
        id: reviewDialog

        property string listName
        property int taskIndex: -1

        objectName: "sequencerReviewDialog"
        onConfirmed: reviewed => {
            root.sendingLists = root.sendingLists.map(list => {
                if (list.name !== listName)
                    return list
                const digests = (list.digests || []).slice()
                while (digests.length < list.tasks.length)
                    digests.push("")
                digests[taskIndex] = reviewed[0].task.digest
                return RunJs.withFields(list, { "digests": digests })
            })
        }
    }

    Timer {
        id: timer

        objectName: "sendingListTimer"
        interval: 500
        repeat: true
        onTriggered: sequencer.tick()
    }
}
