import QtQuick
import QmlCppBridge

// Writes the stored keys the contacts page depends on the way a separate
// program would.
Item {
    id: store

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

    // Leaves the keys without a value.
    function clear(category, keys) {
        const empty = {}
        for (const key of keys)
            empty[key] = undefined
        write(category, empty)
    }

    function clearAll() {
        clear("userData", ["comptes", "activeCompte", "contactsLists", "contacts"])
        clear("emailContent", ["currentSelectedLists"])
        clear("contacts", ["sActiveList"])
    }
}
