import QtQuick
import QtTest
import QmlCppBridge
import content

// Second half of the killed-program test: the program started again on the
// same store and data folder offers the interrupted run, the user clicks
// Resume, and the run ends. The outcome is printed for tst_sending_run.
Item {
    id: scene

    width: 1000
    height: 730

    MyTrStrings {
        id: myTrStrings
    }

    Component {
        id: screenComponent

        Screen01 {
            anchors.fill: parent
        }
    }

    TestCase {
        name: "ResumeRun"
        when: windowShown

        function test_resumeThroughTheDialog() {
            const screen = screenComponent.createObject(scene)
            verify(screen)
            const dialog = screen.sendingController.resumeDialog
            tryCompare(dialog, "opened", true, 10000)
            mouseClick(findChild(dialog.contentItem, "resumeRunButton"))
            const run = screen.sendingController.run
            tryVerify(() => run.state === SendingRun.Finished, 60000, "the resumed run ends")
            console.log("resumed run: " + JSON.stringify({ "sent": run.sent, "failed": run.failed,
                                                         "unknown": run.unknown, "total": run.total }))
        }
    }
}
