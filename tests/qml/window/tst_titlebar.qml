import QtQuick
import QtTest
import content
import Parvane

// The title bar's status controls: sending speeds, languages and accounts,
// driven through the same menus the user opens.
Item {
    id: top

    width: 1000
    height: 730

    MyTrStrings {
        id: myTrStrings
    }

    // Stands in for the native translator; records the keys it is asked for.
    QtObject {
        id: myTranslator

        property var calls: []
        property string language: ""

        function setLanguage(key) {
            calls = calls.concat([key])
            language = key
            return true
        }
    }

    // The part of the main screen's state that the title bar reads and writes.
    QtObject {
        id: screenState

        property real userMailsPs: 1
        property string userLanguage: ""
        property var userComptes: []
        property string userActiveCompte: ""
        property bool loading: false
        property int saveCalls: 0
        property int loadCalls: 0

        function save() {
            saveCalls++
        }
        function load() {
            loadCalls++
        }
        // What the account's limits leave it, by address.
        property var usage: ({})
        function usageText(address) {
            return usage[address] || ""
        }
        function sharingAccounts() {
            return []
        }
    }

    Window {
        id: hostWindow

        width: 1000
        height: 730
        visible: true
        title: "Parvane"

        AppTitleBar {
            id: bar

            width: parent.width
            height: 40
            window: hostWindow
            screen: screenState
        }
    }

    function items(menu) {
        const out = []
        for (let i = 0; i < menu.count; ++i)
            out.push(menu.itemAt(i))
        return out
    }

    TestCase {
        name: "TitleBar"
        when: windowShown

        function init() {
            screenState.userMailsPs = 1
            screenState.userLanguage = ""
            screenState.userComptes = []
            screenState.userActiveCompte = ""
            screenState.loading = false
            myTranslator.calls = []
            myTranslator.language = ""
        }

        function test_title() {
            compare(bar.titleText.text, "Parvane v2.1.1")
        }

        function test_speedLabelsInOrder() {
            const labels = items(bar.sendingSpeedMenu).map(i => i.text)
            compare(labels, ["Every 10 min", "Every 5 min", "Every 3 min", "Every 1 min",
                             "1 Mail/s", "5 Mails/s", "10 Mails/s"])
        }

        function test_menusFitTheirEntries() {
            screenState.userComptes = [{ "address": "a.rather.long.sender.address@newsletters.example.com" }]
            for (const menu of [bar.sendingSpeedMenu, bar.languageMenu, bar.accountMenu]) {
                for (const entry of items(menu)) {
                    const needed = entry.implicitContentWidth + entry.leftPadding + entry.rightPadding
                    verify(needed <= menu.width - menu.leftPadding - menu.rightPadding,
                           entry.text + " is cut")
                }
            }
        }

        function test_speedIntervals() {
            const m = bar.sendingSpeedMenu
            compare(Constants.mailsPs.map(v => m.mailsPsToInterval(v)),
                    [599989, 299941, 179997, 59999, 1000, 200, 100])
        }

        function test_minutesRoundUp_data() {
            return [
                { tag: "just under a minute apart", value: 0.017, minutes: 1 },
                { tag: "just over a minute apart", value: 0.0166, minutes: 2 },
                { tag: "two minutes exactly", value: 1 / 120, minutes: 2 },
                { tag: "half a mail a second", value: 0.5, minutes: 1 }
            ]
        }
        function test_minutesRoundUp(data) {
            compare(bar.sendingSpeedMenu.mailsPsToMin(data.value), data.minutes)
        }

        function test_speedChecksFollowTheStoredValue() {
            let checked = items(bar.sendingSpeedMenu).map(i => i.checked)
            compare(checked, [false, false, false, false, true, false, false], "1 Mail/s on a first start")

            screenState.userMailsPs = 0.003334
            checked = items(bar.sendingSpeedMenu).map(i => i.checked)
            compare(checked, [false, true, false, false, false, false, false])
        }

        function test_choosingASpeed() {
            const entries = items(bar.sendingSpeedMenu)
            entries[6].triggered()
            compare(screenState.userMailsPs, 10)
            compare(entries.map(i => i.checked), [false, false, false, false, false, false, true])

            // Choosing the checked entry again must not clear its mark.
            entries[6].toggle()
            entries[6].triggered()
            compare(screenState.userMailsPs, 10)
            verify(entries[6].checked)

            entries[0].toggle()
            entries[0].triggered()
            compare(screenState.userMailsPs, 0.0016667)
            compare(entries.map(i => i.checked), [true, false, false, false, false, false, false])
        }

        function test_speedMenuThroughTheMouse() {
            mouseClick(bar.settingsButton)
            tryVerify(() => bar.settingsMenu.opened)
            // The first entry of the settings menu opens the speeds.
            const speedEntry = bar.settingsMenu.itemAt(0)
            compare(speedEntry.text, "Sending speed")
            mouseClick(speedEntry)
            tryVerify(() => bar.sendingSpeedMenu.opened)
            mouseClick(bar.sendingSpeedMenu.itemAt(5))
            compare(screenState.userMailsPs, 5)
            tryVerify(() => !bar.settingsMenu.visible)
        }

        function test_languageEntries() {
            const entries = items(bar.languageMenu)
            compare(entries.map(i => i.text), ["English", "Français"])
            verify(String(entries[0].icon.source).endsWith("resources/images/flags/16x16/en.png"))
            verify(String(entries[1].icon.source).endsWith("resources/images/flags/16x16/fr.png"))
        }

        function test_choosingALanguage() {
            items(bar.languageMenu)[1].triggered()
            compare(screenState.userLanguage, "fr_FR")
            compare(myTranslator.calls, ["fr_FR"])

            // The language in use is applied again when chosen again.
            items(bar.languageMenu)[1].triggered()
            compare(myTranslator.calls, ["fr_FR", "fr_FR"])

            bar.languageMenu.choose("")
            compare(screenState.userLanguage, "")
            compare(myTranslator.calls, ["fr_FR", "fr_FR"], "an empty key loads no translation")
        }

        // At exit the translator goes before the window: the menu falls back
        // to the stored choice without a fault (the suite fails on any warning).
        function test_languageMenuOutlivesTheTranslator() {
            screenState.userLanguage = "fr_FR"
            myTranslator.language = "en_EN"
            compare(bar.languageMenu.currentKey, "en_EN")
            bar.languageMenu.translator = null
            compare(bar.languageMenu.currentKey, "fr_FR")
            compare(items(bar.languageMenu).map(i => i.checked), [false, true])
            bar.languageMenu.choose("en_EN")
            compare(screenState.userLanguage, "en_EN")
            compare(myTranslator.calls, [], "no translator is called once it is gone")
            bar.languageMenu.translator = myTranslator
        }

        function test_noAccount() {
            compare(bar.accountButton.text, "No active account")
            // Only the entry that shares runs, which needs two accounts.
            compare(bar.accountMenu.count, 1)
            verify(!items(bar.accountMenu)[0].enabled)
        }

        function test_accounts() {
            screenState.userComptes = [{ "address": "a@example.com" }, { "address": "b@example.com" }]
            screenState.userActiveCompte = "a@example.com"
            compare(bar.accountButton.text, "a@example.com")
            let entries = items(bar.accountMenu)
            compare(entries.map(i => i.text), ["a@example.com", "b@example.com", "Share runs with other accounts\u2026"])
            compare(entries.map(i => i.checked), [true, false, false])
            verify(entries[2].enabled)

            entries[1].toggle()
            entries[1].triggered()
            compare(screenState.userActiveCompte, "b@example.com")
            compare(entries.map(i => i.checked), [false, true, false])
            compare(bar.accountButton.text, "b@example.com")
            screenState.usage = { "b@example.com": "312 of 500 today" }
            compare(bar.accountButton.text, "b@example.com \u00b7 312 of 500 today")
            screenState.usage = {}

            // A new array replaces the entries, in its order.
            screenState.userComptes = [{ "address": "c@example.com" }].concat(screenState.userComptes)
            entries = items(bar.accountMenu)
            compare(entries.map(i => i.text), ["c@example.com", "a@example.com", "b@example.com",
                                               "Share runs with other accounts\u2026"])
            compare(entries.map(i => i.checked), [false, false, true, false])
        }

        function test_workFileButtons() {
            const saves = screenState.saveCalls, loads = screenState.loadCalls
            mouseClick(bar.saveButton)
            mouseClick(bar.loadButton)
            compare(screenState.saveCalls, saves + 1)
            compare(screenState.loadCalls, loads + 1)
        }

        function test_busyDisablesTheStatusControls() {
            screenState.loading = true
            verify(!bar.accountButton.enabled)
            verify(!bar.saveButton.enabled)
            const saves = screenState.saveCalls
            mouseClick(bar.saveButton)
            compare(screenState.saveCalls, saves)
            screenState.loading = false
            verify(bar.saveButton.enabled)
        }

        function test_maximizeButtonFollowsTheState() {
            compare(bar.maximizeButton.toolTipText, "Maximize")
            bar.maximized = true
            compare(bar.maximizeButton.toolTipText, "Restore")
            compare(bar.maximizeButton.text, "🗗")
            bar.maximized = false
            compare(bar.maximizeButton.text, "🗖")
        }
    }
}
