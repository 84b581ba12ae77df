import QtQuick
import QtQml.Models
import Parvane
import content

// Menu of the account button: one checkable entry per SMTP account, in stored
// order, the active one checked; choosing one makes it the active account.
FittingMenu {
    id: menu

    required property var screen

    minimumWidth: 250

    // After the accounts: those that share a run with the active one.
    MyMenuItem {
        objectName: "runAccountsItem"
        text: qsTr("Share runs with other accounts…")
        enabled: menu.screen.userComptes.length > 1
        onTriggered: menu.screen.sendingController.runAccountsDialog.open()
    }

    Instantiator {
        model: menu.screen.userComptes
        delegate: MyMenuItem {
            required property var modelData
            // Given when the entry is added: an entry being replaced outlives
            // its menu's context, so it must not look the menu up.
            property var screen: null

            text: modelData.address
            checkable: true
            // A run under way keeps the account it started with.
            enabled: screen === null || !screen.runInputsLocked
            checked: screen !== null && modelData.address === screen.userActiveCompte
            onTriggered: {
                screen.userActiveCompte = modelData.address
                checked = Qt.binding(() => screen !== null && modelData.address === screen.userActiveCompte)
            }
        }
        onObjectAdded: (index, object) => {
            object.screen = menu.screen
            menu.insertItem(index, object)
        }
        // The instantiator owns its entries and destroys them itself.
        onObjectRemoved: (index, object) => {
            for (let i = 0; i < menu.count; ++i) {
                if (menu.itemAt(i) === object) {
                    menu.takeItem(i)
                    break
                }
            }
        }
    }
}
