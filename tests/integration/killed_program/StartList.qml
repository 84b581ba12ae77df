import QtQuick
import QtTest
import QmlCppBridge
import content

// First half of the killed-list test, run by tst_sending_run in a process of
// its own that it kills (SIGKILL) during the list's second task: the real
// main screen, with two saved tasks run as a sending list from its panel.
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
        name: "StartList"
        when: windowShown

        function test_startListThenWaitToBeKilled() {
            const config = JSON.parse(helper.textFromFile(Qt.resolvedUrl("config.json")))
            const folder = String(Qt.resolvedUrl(".")).replace(/^file:\/\//, "")
            const tasks = []
            for (let t = 0; t < config.tasks.length; ++t) {
                const path = folder + "task" + (t + 1) + ".pvsav"
                verify(helper.save(path, { "senderName": "Lists", "subject": "Task " + (t + 1),
                                           "recipient": config.tasks[t].join(" "),
                                           "emailContent": "Hello {{firstname}}" }, [], [], ""))
                tasks.push(path)
            }
            const screen = screenComponent.createObject(scene)
            verify(screen)
            tryCompare(findChild(screen, "pagesStackView"), "busy", false)
            screen.userComptes = [config.account]
            screen.userActiveCompte = config.account.address
            screen.userMailsPs = 5
            // As the add dialog makes it: each file reviewed, its digest kept.
            screen.sendingLists = [{ "name": "Killed", "tasks": tasks, "output": "", "done": 0,
                                     "nextTask": 0, "digests": tasks.map(p => helper.load(p).digest) }]
            mouseClick(findChild(screen, "sendingListsButton"))
            tryCompare(findChild(screen, "detailStackView"), "busy", false)
            const play = findChild(screen, "playSendingListButton")
            verify(play && play.enabled)
            mouseClick(play)
            tryVerify(() => screen.sendingLists[0].nextTask === 2, 30000, "the second task runs")
            console.log("second task under way")
            wait(120000)
            fail("the process was not killed")
        }
    }
}
