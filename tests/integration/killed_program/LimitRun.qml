import QtQuick
import QtTest
import QmlCppBridge
import Parvane
import content

// First half of the limited-account test: an account allowed three messages a
// day sends a run of six; the summary says it takes a day, the run waits
// after three, and the user quits while it waits.
Item {
    id: scene

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
        name: "LimitRun"
        when: windowShown

        function test_waitsForTheLimitThenQuits() {
            const config = JSON.parse(helper.textFromFile(Qt.resolvedUrl("config.json")))
            const screen = screenComponent.createObject(scene)
            verify(screen)
            tryCompare(findChild(screen, "pagesStackView"), "busy", false)
            screen.userComptes = [Object.assign({}, config.account, { "limitDay": "3" })]
            screen.userActiveCompte = config.account.address
            screen.userMailsPs = 5
            screen.senderName = "Run test"
            screen.subject = "Bonjour {{firstname}}"
            screen.detailEmailContent = "Hello {{firstname}}"
            screen.recipient = config.recipients.join("; ")
            // What the status bar and the accounts page show beside the account.
            const usage = () => screen.usageText(config.account.address)
            tryVerify(() => usage() === "0 of 3 today", 5000, usage())
            mouseClick(findChild(screen, "sendButton"))
            const summary = screen.sendingController.summaryDialog
            tryCompare(summary, "opened", true, 10000)
            const duration = findChild(summary.contentItem, "summaryDuration")
            verify(duration.text.indexOf("takes about 1 day") >= 0, duration.text)
            mouseClick(findChild(summary.contentItem, "summarySendButton"))
            const run = screen.sendingController.run
            tryCompare(run, "pauseReason", "limit", 10000)
            compare(run.sent, 3)
            tryVerify(() => usage() === "3 of 3 today", 5000, usage())
            const dialog = screen.sendingController.dialog
            verify(dialog.pauseText().indexOf("goes on by itself") >= 0, dialog.pauseText())

            compare(screen.sendingController.quitRequested(), false)
            const quit = screen.sendingController.quitDialog
            tryCompare(quit, "opened", true)
            verify(quit.message.indexOf("goes on by itself when Parvane is started again") >= 0, quit.message)
            mouseClick(findChild(quit.contentItem, "confirmButton"))
            tryVerify(() => !run.busy, 20000, "the run stops")
            console.log("quitting after " + run.sent)
        }
    }
}
