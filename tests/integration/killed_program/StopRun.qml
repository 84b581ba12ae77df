import QtQuick
import QtTest
import QmlCppBridge
import content

// First half of the stopped-program test, run by tst_sending_run in a process
// of its own: a run begun with Send and the summary, stopped with Stop,
// continued with Continue, then stopped again by quitting through the
// window's question.
Item {
    id: scene

    width: 1000
    height: 730

    MyTrStrings {
        id: myTrStrings
    }

    readonly property var helper: QmlCppBridge

    Component {
        id: screenComponent

        Screen01 {
            anchors.fill: parent
        }
    }

    TestCase {
        name: "StopRun"
        when: windowShown

        function test_stopContinueThenQuit() {
            const config = JSON.parse(helper.textFromFile(Qt.resolvedUrl("config.json")))
            const screen = screenComponent.createObject(scene)
            verify(screen)
            tryCompare(findChild(screen, "pagesStackView"), "busy", false)
            screen.userComptes = [config.account]
            screen.userActiveCompte = config.account.address
            screen.userMailsPs = 5
            screen.senderName = "Run test"
            screen.subject = "Bonjour {{firstname}}"
            screen.detailEmailContent = "Hello {{firstname}}"
            screen.recipient = config.recipients.join("; ")
            mouseClick(findChild(screen, "sendButton"))
            const summary = screen.sendingController.summaryDialog
            tryCompare(summary, "opened", true, 10000)
            mouseClick(findChild(summary.contentItem, "summarySendButton"))
            const run = screen.sendingController.run
            const dialog = screen.sendingController.dialog
            tryVerify(() => run.sent >= 3, 10000, "the run is under way")
            mouseClick(findChild(dialog.contentItem, "stopButton"))
            tryCompare(run, "state", SendingRun.Stopped, 10000)
            const continueButton = findChild(dialog.contentItem, "continueButton")
            tryCompare(continueButton, "visible", true)
            const stoppedAt = run.sent + run.failed
            mouseClick(continueButton)
            tryVerify(() => run.sent >= stoppedAt + 3, 10000, "the run goes on")
            compare(run.total, config.recipients.length, "the same run, not a new one")

            // Quitting asks, then stops the run; the program ends after it
            // (here the test ends as the program's quit would).
            compare(screen.sendingController.quitRequested(), false)
            const quit = screen.sendingController.quitDialog
            tryCompare(quit, "opened", true)
            mouseClick(findChild(quit.contentItem, "confirmButton"))
            tryVerify(() => !run.busy, 20000, "the run stops")
            compare(run.state, SendingRun.Stopped)
            verify(run.sent + run.failed < run.total)
            console.log("quitting after " + (run.sent + run.failed))
        }
    }
}
