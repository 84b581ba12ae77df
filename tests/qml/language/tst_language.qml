import QtQuick
import QtTest
import Qt.labs.settings
import content

// Switching the interface language with the compiled translation files that
// the build puts in the working directory of the tests.
Item {
    MyTrStrings {
        id: texts
    }

    Settings {
        id: store
    }

    SignalSpy {
        id: changedSpy
        target: myTranslator
        signalName: "languageChanged"
    }

    TestCase {
        name: "LanguageSwitch"

        // Texts whose French form is the same as the English one.
        readonly property var sameInFrench: ["contacts", "total", "doejohn_website_example",
                                             "website_example"]

        function textNames() {
            var names = []
            for (var key in texts) {
                if (key !== "objectName" && typeof texts[key] === "string")
                    names.push(key)
            }
            return names
        }

        function snapshot() {
            var values = {}
            var names = textNames()
            for (var i = 0; i < names.length; ++i)
                values[names[i]] = texts[names[i]]
            return values
        }

        function init() {
            verify(myTranslator.setLanguage("en_EN"), "qml_en_EN.qm must load from the working directory")
            changedSpy.clear()
        }

        function test_allTextsExist() {
            var names = textNames()
            compare(names.length, 163)
            for (var i = 0; i < names.length; ++i)
                verify(texts[names[i]].length > 0, names[i])
            compare(texts.noActiveAccount, "No active account")
            // A slip of the source text, mended by the English file.
            compare(texts.connexion_error, "Connection error")
            compare(texts.smpt_account_required, "You must add at least one SMTP account.")
            compare(texts.importStr, "Import")
        }

        function test_frenchAndBack() {
            var english = snapshot()

            verify(myTranslator.setLanguage("fr_FR"))
            compare(changedSpy.count, 1)
            compare(store.value("lang"), "fr_FR")
            compare(texts.cancel, "Annuler")
            compare(texts.deleteStr, "Supprimer")
            compare(texts.email_address, "Adresse e-mail")
            compare(texts.send, "Envoyer")
            compare(texts.connexion_error, "Erreur de connexion")
            compare(texts.not_connected_to_internet, "Vous n’êtes pas connecté à Internet")
            // Numbers as French writes them, and Qt's own texts (its dialogs'
            // standard buttons) from Qt's catalogue.
            compare(texts.number(1234567), "1\u202f234\u202f567")
            compare(texts.percent(100), "100\u00a0%")
            compare(qsTranslate("QPlatformTheme", "Cancel"), "Annuler")
            compare(Qt.locale().name, "fr_FR")

            // Every text bound to the object turned French at once.
            var names = textNames()
            for (var i = 0; i < names.length; ++i) {
                var name = names[i]
                if (sameInFrench.indexOf(name) >= 0)
                    compare(texts[name], english[name], name)
                else
                    verify(texts[name] !== english[name], name + " is still \"" + texts[name] + "\"")
            }

            // And back: the English file brings every source text back.
            verify(myTranslator.setLanguage("en_EN"))
            compare(changedSpy.count, 2)
            compare(store.value("lang"), "en_EN")
            compare(snapshot(), english)
            compare(texts.number(1234567), "1,234,567")
            compare(texts.percent(100), "100%")
            compare(qsTranslate("QPlatformTheme", "Cancel"), "Cancel")
        }

        function test_missingLanguage() {
            verify(myTranslator.setLanguage("fr_FR"))
            var french = snapshot()
            changedSpy.clear()

            verify(!myTranslator.setLanguage("de_DE"))
            compare(changedSpy.count, 0)
            compare(snapshot(), french)
            compare(store.value("lang"), "fr_FR")

            verify(!myTranslator.setLanguage(""))
            compare(snapshot(), french)
        }
    }
}
