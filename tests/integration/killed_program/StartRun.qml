import QtQuick
import QtTest
import QmlCppBridge
import content

// First half of the killed-program test, run by tst_sending_run in a process
// of its own that it kills (SIGKILL) halfway through the run: the real main
// screen, with a run started as a user starts one, by Send and the summary.
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
        name: "StartRun"
        when: windowShown

        function test_startRunThenWaitToBeKilled() {
            const config = JSON.parse(helper.textFromFile(Qt.resolvedUrl("config.json")))
            const screen = screenComponent.createObject(scene)
            verify(screen)
            tryCompare(findChild(screen, "pagesStackView"), "busy", false)
            screen.userComptes = [config.account]
            screen.userActiveCompte = config.account.address
            screen.userMailsPs = 5
            screen.subject = "Bonjour {{firstname}}"
            screen.detailEmailContent = "Hello {{firstname}}"
            screen.recipient = config.recipients.join("; ")
            mouseClick(findChild(screen, "sendButton"))
            const summary = screen.sendingController.summaryDialog
            tryCompare(summary, "opened", true, 10000)
            mouseClick(findChild(summary.contentItem, "summarySendButton"))
            tryVerify(() => screen.sendingController.run.sent > 0, 10000, "the run is under way")
            console.log("run under way")
            wait(120000)
            fail("the process was not killed")
        }
    }
}
