import QtQuick
import QtTest
import QmlCppBridge
import content

// Second half of the killed-list test: started again on the same store and
// data folder, the program offers the interrupted task's run; the user
// clicks Resume and the list goes on to its end. The list is printed for
// tst_sending_run.
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
        name: "ResumeList"
        when: windowShown

        function test_resumeTheListThroughTheDialog() {
            const screen = screenComponent.createObject(scene)
            verify(screen)
            const dialog = screen.sendingController.resumeDialog
            tryCompare(dialog, "opened", true, 10000)
            mouseClick(findChild(dialog.contentItem, "resumeRunButton"))
            verify(screen.isSendingListRunning, "the list goes on")
            tryVerify(() => !screen.isSendingListRunning && !screen.isSenderRunning, 60000,
                      "the list ends")
            const run = screen.sendingController.run
            console.log("resumed list: " + JSON.stringify({ "list": screen.sendingLists[0],
                                                          "unknown": run.unknown }))
        }
    }
}
