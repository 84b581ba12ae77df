import QtQuick
import QtQml.Models
import Parvane
import content

// Sub-menu of the settings button: one checkable entry per sending speed of
// Constants.mailsPs; choosing one makes it the screen's userMailsPs.
FittingMenu {
    id: speedMenu

    required property var screen

    // Whole minutes between two messages at `value` messages per second.
    function mailsPsToMin(value) {
        return Math.ceil((1 / value) / 60)
    }

    // Interval of the sending timer, in milliseconds, at `value` messages per second.
    function mailsPsToInterval(value) {
        return Math.ceil(1000 / value)
    }

    function mailsPsLabel(value) {
        if (value > 1)
            return qsTr("%1 Mails/s").arg(value)
        if (value === 1)
            return qsTr("%1 Mail/s").arg(value)
        // "Every minute" for one: the languages differ in their plural forms.
        return qsTr("Every %Ln min", "", mailsPsToMin(value))
    }

    function isCurrent(value) {
        return Number(screen.userMailsPs) === value
    }

    title: myTrStrings.sendingSpeed
    minimumWidth: 120

    Instantiator {
        model: Constants.mailsPs
        delegate: MyMenuItem {
            required property real modelData

            text: speedMenu.mailsPsLabel(modelData)
            checkable: true
            checked: speedMenu.isCurrent(modelData)
            onTriggered: {
                speedMenu.screen.userMailsPs = modelData
                // A click toggles `checked` itself; give the binding back so
                // that the mark always follows the stored speed.
                checked = Qt.binding(() => speedMenu.isCurrent(modelData))
            }
        }
        onObjectAdded: (index, object) => speedMenu.insertItem(index, object)
        // The instantiator owns its entries and destroys them itself.
        onObjectRemoved: (index, object) => {
            for (let i = 0; i < speedMenu.count; ++i) {
                if (speedMenu.itemAt(i) === object) {
                    speedMenu.takeItem(i)
                    break
                }
            }
        }
    }
}
