import QtQuick
import QtTest
import QmlCppBridge
import content

// Second half of the stopped-program test: started again on the same store
// and data folder, the program offers the run as stopped by the user. With
// "continue" the user resumes it; with "discard" the user discards it (which
// is asked), then presses Send for the same message, and the summary leaves
// out those already mailed. The outcome is printed for tst_sending_run.
Item {
    id: scene

    // Tall enough for the form with sixteen typed addresses and its Send button.
    width: 1000
    height: 900

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
        name: "ContinueRun"
        when: windowShown

        function test_offeredAsStopped() {
            const config = JSON.parse(helper.textFromFile(Qt.resolvedUrl("config.json")))
            const screen = screenComponent.createObject(scene)
            verify(screen)
            const controller = screen.sendingController
            const offer = controller.resumeDialog
            tryCompare(offer, "opened", true, 10000)
            const text = findChild(offer.contentItem, "resumeText").text
            verify(text.startsWith("You stopped the run"), text)
            const run = controller.run
            const ask = controller.discardDialog
            if (config.choice === "continue") {
                mouseClick(findChild(offer.contentItem, "resumeRunButton"))
            } else {
                const mailed = run.interruptedRun().sent
                mouseClick(findChild(offer.contentItem, "discardRunButton"))
                tryCompare(ask, "opened", true)
                verify(ask.message.indexOf(String(mailed)) >= 0, ask.message)
                mouseClick(findChild(ask.contentItem, "confirmButton"))
                tryCompare(ask, "visible", false)
                tryVerify(() => controller.history.runs.length === 1, 5000, "the run is kept")
                tryCompare(findChild(screen, "pagesStackView"), "busy", false)
                screen.userComptes = [config.account]
                screen.userActiveCompte = config.account.address
                screen.senderName = "Run test"
                screen.subject = "Bonjour {{firstname}}"
                screen.detailEmailContent = "Hello {{firstname}}"
                screen.recipient = config.recipients.join("; ")
                mouseClick(findChild(screen, "sendButton"))
                const summary = controller.summaryDialog
                tryCompare(summary, "opened", true, 10000)
                const received = findChild(summary.contentItem, "summaryReceived")
                verify(received.visible)
                compare(summary.summary.received, mailed)
                mouseClick(findChild(summary.contentItem, "summarySendButton"))
                tryCompare(run, "total", config.recipients.length - mailed, 10000)
            }
            tryVerify(() => run.state === SendingRun.Finished, 60000, "the run ends")
            console.log("continued run: " + JSON.stringify({ "sent": run.sent, "failed": run.failed,
                                                           "unknown": run.unknown, "total": run.total }))
        }
    }
}
