import QtQuick
import QmlCppBridge

// Reads and writes the settings store the way a separate program would, for
// the suites that check what reaches it. `groups` names the keys, by group,
// that clear() leaves without a value.
Item {
    id: store

    property Item owner
    required property var testCase
    property var groups: ({})

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

    function clear() {
        for (const category in groups) {
            const empty = {}
            for (const key of groups[category])
                empty[key] = undefined
            write(category, empty)
        }
    }
}
