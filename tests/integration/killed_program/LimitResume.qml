import QtQuick
import QtTest
import QmlCppBridge
import Parvane
import content

// Second half of the limited-account test: started again, the program takes
// the run up by itself, without asking, and it waits for the limit still;
// a day later (the clock moved on) it sends the other three.
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
        name: "LimitResume"
        when: windowShown

        function test_goesOnByItselfTheNextDay() {
            const screen = screenComponent.createObject(scene)
            verify(screen)
            const controller = screen.sendingController
            const run = controller.run
            tryCompare(run, "pauseReason", "limit", 10000)
            verify(!controller.resumeDialog.opened, "nothing is asked")
            compare(run.sent, 3)
            wait(300)
            compare(run.sent, 3, "the limit holds after the restart")
            RunClock.advance(24 * 3600 * 1000)
            tryVerify(() => run.state === SendingRun.Finished, 20000, "the run ends")
            console.log("continued run: " + JSON.stringify({ "sent": run.sent, "failed": run.failed,
                                                           "unknown": run.unknown, "total": run.total }))
        }
    }
}
