import QtQuick

// Reads and writes the settings store the way a separate program would: one
// short-lived settings object per group, whose pending values are flushed
// when it is destroyed.
QtObject {
    id: access

    // Object that owns the short-lived settings objects, and the test that
    // processes their deferred destruction.
    required property Item owner
    required property var testCase

    function settingsFor(category, keys) {
        let text = "import Qt.labs.settings\nSettings {\n    category: \"" + category + "\"\n"
        for (const key of keys)
            text += "    property var " + key + "\n"
        text += "}\n"
        return Qt.createQmlObject(text, owner, "store-" + category)
    }

    function dispose(settings) {
        settings.destroy()
        testCase.wait(0)
    }

    // Writes the values, given by key, into the group.
    function write(category, values) {
        const keys = Object.keys(values)
        const settings = settingsFor(category, keys)
        for (const key of keys)
            settings[key] = values[key]
        dispose(settings)
    }

    // Returns the stored values of the keys, by key.
    function read(category, keys) {
        const settings = settingsFor(category, keys)
        const values = {}
        for (const key of keys)
            values[key] = settings[key]
        dispose(settings)
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
            // A settings object only writes keys whose value changes, so first
            // give each key a value.
            const marked = {}
            for (const key of screenKeys[category])
                marked[key] = "-"
            write(category, marked)
            write(category, values)
        }
    }
}
