import QtQuick
import QtQml.Models
import Parvane
import content

// Sub-menu of the settings button: one entry per interface language, with its
// flag. Choosing one stores it and applies it at once, even when it is the
// language already in use.
FittingMenu {
    id: languageMenu

    required property var screen

    // The language shown: the translator's, else the stored choice; with
    // neither, the English source texts show.
    // The translator goes before the window at exit: null then, not a fault.
    property var translator: typeof myTranslator !== "undefined" ? myTranslator : null
    readonly property string translatorKey: translator && translator.language ? translator.language : ""
    readonly property string currentKey: translatorKey !== "" ? translatorKey
                                         : screen.userLanguage !== "" ? screen.userLanguage : "en_EN"

    function choose(key) {
        screen.userLanguage = key
        if (key !== "" && translator)
            translator.setLanguage(key)
    }

    title: myTrStrings.language
    minimumWidth: 100

    Instantiator {
        model: Constants.languages
        delegate: MyMenuItem {
            required property var modelData

            text: modelData.lang
            icon.source: Qt.resolvedUrl("../resources/images/flags/16x16/" + modelData.icon)
            checkable: true
            checked: modelData.key === languageMenu.currentKey
            onTriggered: {
                languageMenu.choose(modelData.key)
                // A click toggles `checked` itself; the mark follows the language.
                checked = Qt.binding(() => modelData.key === languageMenu.currentKey)
            }
        }
        onObjectAdded: (index, object) => languageMenu.insertItem(index, object)
        // The instantiator owns its entries and destroys them itself.
        onObjectRemoved: (index, object) => {
            for (let i = 0; i < languageMenu.count; ++i) {
                if (languageMenu.itemAt(i) === object) {
                    languageMenu.takeItem(i)
                    break
                }
            }
        }
    }
}
