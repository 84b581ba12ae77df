import QtQuick

// Reads and clears the settings groups the accounts work uses, as a separate
// program would: one short-lived settings object per group, flushed when it
// is destroyed.
QtObject {
    id: access

    required property Item owner
    required property var testCase

    readonly property var groups: ({
        "userData": ["comptes", "activeCompte"],
        "sendingForm": ["currentSenderName"],
        "account": ["currentServer", "currentServerName", "currentHost", "currentPort",
                    "currentConnection"]
    })

    function settingsFor(category, keys) {
        let text = "import Qt.labs.settings\nSettings {\n    category: \"" + category + "\"\n"
        for (const key of keys)
            text += "    property var " + key + "\n"
        text += "}\n"
        return Qt.createQmlObject(text, owner, "accounts-store-" + category)
    }

    function dispose(settings) {
        settings.destroy()
        testCase.wait(0)
    }

    function write(category, values) {
        const keys = Object.keys(values)
        const settings = settingsFor(category, keys)
        for (const key of keys)
            settings[key] = values[key]
        dispose(settings)
    }

    function read(category, keys) {
        const settings = settingsFor(category, keys)
        const values = {}
        for (const key of keys)
            values[key] = settings[key]
        dispose(settings)
        return values
    }

    // Leaves no value in these groups: the next main screen starts without
    // accounts and the add dialog without a remembered server.
    function clear() {
        for (const category in groups) {
            const marked = {}
            const empty = {}
            for (const key of groups[category]) {
                // A settings object only writes keys whose value changes.
                marked[key] = "-"
                empty[key] = undefined
            }
            write(category, marked)
            write(category, empty)
        }
    }
}
