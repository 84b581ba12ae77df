import QtQuick

// Writes the stored keys the contacts page depends on the way a separate
// program would: one short-lived settings object per group, whose values are
// flushed when it is destroyed.
QtObject {
    required property Item owner
    required property var testCase

    function write(category, values) {
        const keys = Object.keys(values)
        let text = "import Qt.labs.settings\nSettings {\n    category: \"" + category + "\"\n"
        for (const key of keys)
            text += "    property var " + key + "\n"
        text += "}\n"
        const settings = Qt.createQmlObject(text, owner, "store-" + category)
        for (const key of keys)
            settings[key] = values[key]
        settings.destroy()
        testCase.wait(0)
    }

    // Leaves the keys without a value. A settings object writes only values
    // that change, so each key is first given one.
    function clear(category, keys) {
        const marked = {}
        const empty = {}
        for (const key of keys) {
            marked[key] = "-"
            empty[key] = undefined
        }
        write(category, marked)
        write(category, empty)
    }

    function clearAll() {
        clear("userData", ["comptes", "activeCompte", "contactsLists", "contacts"])
        clear("emailContent", ["currentSelectedLists"])
        clear("contacts", ["sActiveList"])
    }
}
