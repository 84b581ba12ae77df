import QtQuick
import QtTest
import ParvaneTest

// What a new user meets in the real window: the first steps in the empty
// preview until an account exists, the mark on the language shown, and the
// French sending speeds with their plural forms.
Item {
    AppDriver {
        id: driver
        testCase: testCase
    }

    TestCase {
        id: testCase

        name: "FirstUse"
        when: windowShown

        function initTestCase() {
            driver.start()
        }

        function cleanupTestCase() {
            driver.setLanguage("en_EN")
            driver.stop()
        }

        function init() {
            driver.setLanguage("en_EN")
            driver.seed({ "userComptes": [], "userActiveCompte": "", "detailEmailContent": "",
                          "detailEmailContentUrl": "" })
            driver.openPage("homeMenu", "SendEmailsPage")
        }

        function cleanup() {
            driver.closePopups()
        }

        function test_firstStepsUntilThereIsAnAccount_data() {
            return [
                { tag: "English", language: "en_EN",
                  account: "1. Add the SMTP account you send with: open Accounts, then Add account. A test message proves it works.",
                  list: "2. Create a contact list: open Contacts, then New list, and add or import its contacts." },
                { tag: "French", language: "fr_FR",
                  account: "1. Ajoutez le compte SMTP d’envoi\u00a0: ouvrez Comptes, puis Ajouter un compte. Un message de test vérifie qu’il fonctionne.",
                  list: "2. Créez une liste de contacts\u00a0: ouvrez Contacts, puis Nouvelle liste, et ajoutez ou importez ses contacts." }
            ]
        }

        function test_firstStepsUntilThereIsAnAccount(data) {
            driver.setLanguage(data.language)
            verify(driver.find("firstSteps", true), "the first steps are shown")
            compare(driver.find("firstStepAccount", true).text, data.account)
            compare(driver.find("firstStepList", true).text, data.list)
            verify(!driver.find("textPreview", true), "in place of the empty preview")

            driver.seed({ "userComptes": [{
                "senderName": "Marie", "serverName": "Gmail", "serverHost": "smtp.gmail.com",
                "serverPort": "587", "connection": "TLS", "address": "marie@example.com",
                "password": "x" }] })
            verify(!driver.find("firstSteps", true), "gone once an account exists")
            verify(driver.find("textPreview", true), "the preview is back")
        }

        // A message being written is shown even before an account exists.
        function test_aMessageTakesThePlaceOfTheFirstSteps() {
            driver.seed({ "detailEmailContent": "Bonjour" })
            verify(!driver.find("firstSteps", true))
            compare(driver.find("previewText", true).text, "Bonjour")
        }

        function openLanguageMenu() {
            const bar = driver.app.titleBar
            driver.click(bar.settingsButton)
            tryCompare(bar.settingsMenu, "opened", true)
            bar.settingsMenu.currentIndex = 1
            bar.languageMenu.open()
            tryCompare(bar.languageMenu, "opened", true)
            const entries = []
            for (let i = 0; i < bar.languageMenu.count; ++i)
                entries.push(bar.languageMenu.itemAt(i))
            return entries
        }

        function marked(entries) {
            return entries.filter(e => e.checked && e.indicator.visible).map(e => e.text)
        }

        function test_languageMenuMarksTheLanguageShown() {
            let entries = openLanguageMenu()
            compare(entries.map(e => e.text), ["English", "Français"])
            compare(marked(entries), ["English"])

            // Chosen by a click: the texts turn French and the mark moves.
            driver.frame()
            mouseClick(entries[1])
            tryCompare(myTranslator, "language", "fr_FR")
            compare(driver.find("homeMenu").text, "Accueil")
            driver.closePopups()
            entries = openLanguageMenu()
            compare(marked(entries), ["Français"])

            // Choosing the language shown keeps it marked.
            mouseClick(entries[1])
            driver.closePopups()
            compare(marked(openLanguageMenu()), ["Français"])
        }

        function test_frenchSpeedsUsePluralForms() {
            driver.setLanguage("fr_FR")
            const menu = driver.app.titleBar.sendingSpeedMenu
            const labels = []
            for (let i = 0; i < menu.count; ++i)
                labels.push(menu.itemAt(i).text)
            compare(labels, ["Toutes les 10\u00a0min", "Toutes les 5\u00a0min", "Toutes les 3\u00a0min",
                             "Toutes les minutes", "1 e-mail/s", "5 e-mails/s", "10 e-mails/s"])
        }
    }
}
