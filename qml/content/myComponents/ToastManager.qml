import QtQuick
import Parvane

// Stack of toasts over its parent, newest at the bottom (or at the top with
// fromTop). Entries that have faded out are taken off the list. It takes no
// input: a click on a toast reaches what lies beneath.
ListView {
    id: manager

    property bool fromTop: false
    property bool successStyle: false
    property bool warningStyle: false
    property bool dangerStyle: false
    property bool secondaryStyle: false

    // Shades that keep white text readable.
    readonly property color toastColor: secondaryStyle ? Constants.secondaryDarkColor
                                        : successStyle ? Constants.successDarkColor
                                        : warningStyle ? Constants.warningDarkColor
                                        : dangerStyle ? Constants.errorColor
                                        : Constants.primaryLigthColor

    property int nextId: 0

    // Shows text for duration milliseconds; a missing or zero duration means 5000.
    function show(text, duration) {
        manager.model.insert(0, {
            "toastId": manager.nextId++,
            "text": String(text),
            "duration": duration ? duration : Constants.toastDefaultDuration
        })
    }

    // The same, unless a toast with this text is already shown: for reports
    // that may come in bursts.
    function showOnce(text, duration) {
        for (let i = 0; i < manager.model.count; ++i) {
            if (manager.model.get(i).text === String(text))
                return
        }
        show(text, duration)
    }

    function removeToast(toastId) {
        for (let i = 0; i < manager.model.count; ++i) {
            if (manager.model.get(i).toastId === toastId) {
                manager.model.remove(i)
                return
            }
        }
    }

    anchors.fill: parent
    anchors.topMargin: fromTop ? 10 : 0
    anchors.bottomMargin: fromTop ? 0 : 10
    z: 10000
    enabled: false
    interactive: false
    spacing: 5
    verticalLayoutDirection: fromTop ? ListView.TopToBottom : ListView.BottomToTop

    model: ListModel {}

    delegate: Toast {
        required property int toastId
        required text
        required duration

        width: ListView.view ? ListView.view.width - 20 : 0
        x: 10
        color: manager.toastColor
        onFinished: {
            const id = toastId
            Qt.callLater(function() { manager.removeToast(id) })
        }
    }

    displaced: Transition {
        NumberAnimation { properties: "y"; duration: 250; easing.type: Easing.InOutQuad }
    }
}
