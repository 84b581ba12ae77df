import QtQuick
import QmlCppBridge

// Reads and writes the settings store the way a separate program would.
Item {
    id: store

    // Kept for the suites' declarations; the store needs neither.
    property Item owner
    required property var testCase

    // A store object of its own, as a separate program would have; the
    // screen's pending changes are written first so that reads see them.
    SettingsStore {
        id: access
    }

    function flushScreen() {
        if (testCase.screen && testCase.screen.settingsStore)
            testCase.screen.settingsStore.flush()
    }

    // Writes the values, given by key, into the group.
    function write(category, values) {
        for (const key of Object.keys(values))
            access.setValue(category, key, values[key])
        access.flush()
    }

    // Returns the stored values of the keys, by key.
    function read(category, keys) {
        flushScreen()
        const values = {}
        for (const key of keys)
            values[key] = access.value(category, key)
        return values
    }

    // Every key the main screen stores, by group.
    readonly property var screenKeys: ({
        "preferences": ["language", "mailsPs", "appInfo"],
        "userData": ["comptes", "activeCompte", "contactsLists", "contacts"],
        "emailContent": ["currentSelectedLists"],
        "sendingForm": ["currentSenderName", "currentSubject", "currentRecipient",
                        "currentEmailContent", "sendingLists", "attachments", "htmlUrl"],
        "search": ["currentSearchQueries", "currentSearchContacts", "currentLastSearchContacts"],
        "window": ["windowVisibility", "x", "y"]
    })

    // Leaves no value in any key of the main screen: the next screen starts
    // as on a first start.
    function clear() {
        for (const category in screenKeys) {
            const values = {}
            for (const key of screenKeys[category])
                values[key] = undefined
            write(category, values)
        }
    }
}
