import QtQuick
import QtTest
import QmlCppBridge
import Parvane
import ParvaneTest
import "../usability"

// The search page through the real window, against our real web service
// (search over a corpus the suite writes, domain checks against dnsmasq on
// 127.0.87.1). The service's links point at a loopback double that serves
// the corpus pages, so that a page can also answer 404 or never answer.
// For the service's refusals a second double takes the service's own port
// for one test, and the real service is started again after it.
Item {
    id: scene

    AppDriver {
        id: driver
        testCase: testCase
    }

    ServiceProcess {
        id: service
    }

    // Serves the corpus pages under the service's public address.
    ServiceDouble {
        id: pages
    }

    readonly property var helper: QmlCppBridge

    StoreAccess {
        id: store
        owner: scene
        testCase: testCase
        groups: ({ "search": ["currentSearchQueries", "currentSearchContacts",
                              "currentLastSearchContacts"],
                   "searchForm": ["currentTerms", "currentDomain", "currentCountry",
                                  "currentLanguage", "currentRetrieveOtherDomainesAddress"] })
    }

    TextEdit {
        id: pasteTarget
        visible: false
    }

    // The width a text takes when shown as written, to tell it from markup rendered.
    Text {
        id: plainReference
        visible: false
        textFormat: Text.PlainText
    }

    SignalSpy {
        id: runSpy
        signalName: "isSearchRunningChanged"
    }

    TestCase {
        id: testCase

        name: "Search"
        when: windowShown

        // The main screen, whose pending store writes StoreAccess flushes.
        readonly property var screen: driver.screen

        readonly property string dnsPidFile: "/tmp/parvane-qml-search-dns.pid"
        property string source: ""
        property string binary: ""
        readonly property string workDir: "/tmp/parvane-qml-search-" + Date.now()
        readonly property int pagesPort: 27655
        readonly property int servicePort: 27656
        // A double on the service's port while the real service is stopped.
        property var serviceDouble: null
        property bool serviceStopped: false
        readonly property string good: "@good.parvane.test"

        // name -> [terms word, addresses]
        readonly property var corpus: ({
            "alpha-1": ["alpha", ["ann@good.parvane.test", "bob@good.parvane.test",
                                  "carl@other.parvane.test", "dan@bad.parvane.test"]],
            "alpha-2": ["alpha", ["ann@good.parvane.test", "eve@good.parvane.test",
                                  "flo@other.parvane.test"]],
            "broken-404": ["broken", ["gone@good.parvane.test"]],
            "broken-hang": ["broken", ["never@good.parvane.test"]],
            "broken-ok": ["broken", ["fay@good.parvane.test"]],
            "slowcheck": ["slowcheck", ["gil@good.parvane.test"]]
        })
        readonly property int pagingPages: 100

        function page(name, word, addresses) {
            return "<html><head><title>" + word + " " + name + "</title></head><body><h1>"
                    + word + " agency</h1><p>Write to us: " + addresses.join(", ")
                    + "</p></body></html>"
        }

        function writePage(name, word, addresses, served) {
            const path = workDir + "/corpus/" + name + ".html"
            verify(helper.writeTextFile("file://" + path, page(name, word, addresses)))
            if (served)
                pages.answer("corpus/" + name + ".html",
                             { "status": 200, "contentType": "text/html", "file": path })
        }

        function startDns() {
            const result = helper.cmdExcute("/usr/sbin/dnsmasq", [
                "--conf-file=/dev/null", "--port=53", "--listen-address=127.0.87.1",
                "--bind-interfaces", "--no-resolv", "--no-hosts", "--user=root",
                "--local=/parvane.test/", "--address=/probe.parvane.test/127.0.0.9",
                "--mx-host=good.parvane.test,mail.parvane.test,10",
                "--mx-host=other.parvane.test,mail.parvane.test,10",
                "--host-record=mail.parvane.test,127.0.0.25",
                "--pid-file=" + dnsPidFile])
            compare(result.status, 0, "dnsmasq starts: " + result.text)
        }

        function stopDns() {
            const pid = helper.textFromFile("file://" + dnsPidFile).trim()
            if (pid !== "")
                helper.cmdExcute("kill", [pid])
            helper.cmdExcute("rm", ["-f", dnsPidFile])
            wait(100)
        }

        function initTestCase() {
            source = service.environment("PARVANE_SOURCE_DIR")
            binary = service.environment("PARVANE_SERVICE_BINARY")
            verify(binary !== "", "the suite knows the service program")
            compare(Constants.baseUrl, "http://127.0.0.1:27656/")
            verify(pages.listen(pagesPort), "the page server listens")
            compare(helper.cmdExcute("mkdir", ["-p", workDir + "/corpus"]).status, 0)
            for (const name in corpus)
                writePage(name, corpus[name][0], corpus[name][1], name !== "broken-404")
            pages.answer("corpus/broken-hang.html", { "hang": true })
            for (let i = 1; i <= pagingPages; ++i)
                writePage("paging-" + i, "paging", ["p" + i + "@good.parvane.test"], true)

            const config = JSON.parse(helper.textFromFile("file://" + source + "/service/parvane-service.json"))
            config.port = 27656
            config.public_url = pages.url("")
            config.templates = source + "/service/templates"
            config.corpus = workDir + "/corpus"
            verify(helper.writeTextFile("file://" + workDir + "/config.json", JSON.stringify(config)))
            startService()
            stopDns()
            startDns()
            store.clear()
            driver.start()
            driver.openPage("searchMenu", "SearchPage")
        }

        function cleanupTestCase() {
            driver.stop()
            helper.cmdExcute("kill", ["-CONT", String(service.pid())])
            service.stop()
            stopDns()
            helper.cmdExcute("rm", ["-rf", workDir])
        }

        function startService() {
            const line = service.start(binary, ["--config", workDir + "/config.json"])
            compare(line, "listening on http://127.0.0.1:" + servicePort + "/", service.errors())
        }

        // The real service makes way for a double whose answers the test chooses.
        function replaceService() {
            service.stop()
            serviceStopped = true
            serviceDouble = Qt.createQmlObject("import ParvaneTest; ServiceDouble {}", scene)
            verify(serviceDouble.listen(servicePort), "the double listens on the service's port")
        }

        // Nothing listens on the service's port any more.
        function dropDouble() {
            if (serviceDouble) {
                serviceDouble.destroy()
                serviceDouble = null
                wait(50)
            }
        }

        function restoreService() {
            dropDouble()
            if (serviceStopped) {
                startService()
                serviceStopped = false
            }
        }

        function init() {
            clearToasts()
        }

        function cleanup() {
            restoreService()
            driver.closePopups()
            if (driver.screen.isSearchRunning)
                searchPage().run.stop()
            tryCompare(driver.screen, "loading", false, 20000)
            tryVerify(() => !searchPage().run.checking && !driver.screen.isSearchRunning)
            driver.settle()
        }

        // ---- The window ----

        function searchPage() {
            return driver.find("pagesStackView").currentItem
        }

        function toastManager(success) {
            const screen = driver.screen
            for (let c = 0; c < screen.children.length; ++c) {
                const child = screen.children[c]
                if ((success ? child.successStyle : child.dangerStyle) === true && child.model
                        && typeof child.show === "function")
                    return child
            }
            fail("the toasts are found")
        }

        function toastTexts(success) {
            const model = toastManager(success).model
            const texts = []
            for (let i = 0; i < model.count; ++i)
                texts.push(model.get(i).text)
            return texts
        }

        function clearToasts() {
            const screen = driver.screen
            for (let c = 0; c < screen.children.length; ++c) {
                const child = screen.children[c]
                if (child.model && typeof child.show === "function")
                    child.model.clear()
            }
        }

        function clipboard() {
            pasteTarget.text = ""
            pasteTarget.paste()
            return pasteTarget.text
        }

        // Scrolls the page area so that the item is in view.
        function reveal(item) {
            const flick = driver.screen.pagesFlickable
            const y = item.mapToItem(flick.contentItem, 0, 0).y
            flick.contentY = Math.max(0, Math.min(y - 40, flick.contentHeight - flick.height))
            driver.frame()
        }

        function clickNamed(name) {
            const item = driver.find(name, true)
            verify(item, name + " is shown")
            reveal(item)
            driver.click(item)
            return item
        }

        // Types into a field as a user does: click, select all, type over.
        function typeInto(name, text) {
            const field = clickNamed(name)
            const input = field.contentItem && field.contentItem.selectAll ? field.contentItem : field
            input.forceActiveFocus()
            input.selectAll()
            keyClick(Qt.Key_Delete)
            for (const c of text)
                keyClick(c)
            // A chooser takes a typed name on Enter.
            if (field !== input)
                keyClick(Qt.Key_Return)
            driver.frame()
            return field
        }

        function fillForm(terms, domains, retrieve) {
            typeInto("termsField", terms)
            typeInto("domainsField", domains)
            clickNamed(retrieve ? "retrieveRadio" : "doNotRetrieveRadio")
        }

        function startSearch() {
            // The page double stands for the web, but is on loopback, which
            // the page job reaches only on the service's own site.
            searchPage().run.pageOrigin = pages.url("")
            clickNamed("searchButton")
        }

        function runToEnd() {
            tryVerify(() => driver.screen.isSearchRunning, 15000, "the run starts")
            tryVerify(() => !driver.screen.isSearchRunning, 60000, "the run ends")
            driver.settle()
        }

        function emails(records) {
            return records.map(r => r.email)
        }

        function today() {
            return new Date().toLocaleDateString(Qt.locale(), Locale.ShortFormat)
        }

        function queryOf(terms, domain) {
            const page = searchPage()
            const country = page.countries[page.countryIndex].key
            const language = page.languages[page.languageIndex].key
            return driver.screen.searchQueries.find(q => q.terms === terms && q.domain === domain
                                                    && q.country === country && q.language === language)
        }

        // Chooses an interface language in the title bar's settings menu, as
        // a user does: 0 English, 1 French.
        function chooseInterfaceLanguage(index) {
            const bar = driver.app.titleBar
            mouseClick(bar.settingsButton)
            tryVerify(() => bar.settingsMenu.opened)
            const entry = bar.settingsMenu.itemAt(1)
            tryVerify(() => entry.width > 0 && entry.height > 0)
            driver.frame()
            mouseClick(entry)
            tryVerify(() => bar.languageMenu.opened)
            const item = bar.languageMenu.itemAt(index)
            tryVerify(() => item.width > 0 && item.height > 0)
            driver.frame()
            mouseClick(item)
            tryVerify(() => !bar.settingsMenu.visible)
            driver.frame()
        }

        // The window closed and opened again on the same store.
        function restart(storedMeanwhile) {
            // Nothing left for the old main screen to write as it goes.
            store.flushScreen()
            driver.stop()
            wait(200)
            if (storedMeanwhile)
                storedMeanwhile()
            driver.start()
            return driver.openPage("searchMenu", "SearchPage")
        }

        function verifyChosen(countryKey, languageKey, countryName, languageName, what) {
            const page = searchPage()
            compare(page.countryKey, countryKey, what)
            compare(page.languageKey, languageKey, what)
            compare(driver.find("countryChooser").editText, countryName, what)
            compare(driver.find("languageChooser").editText, languageName, what)
            compare(store.read("searchForm", ["currentCountry", "currentLanguage"]),
                    { "currentCountry": countryKey, "currentLanguage": languageKey },
                    what + ": the keys are stored")
        }

        // The position a list sorted by the names shown now gives the key.
        function sortedPosition(table, key) {
            return table.slice().sort((a, b) => a.name.localeCompare(b.name)).findIndex(e => e.key === key)
        }

        // ---- Tests ----

        function test_1_refusalsInOrder() {
            driver.screen.lastSearchContacts = []
            clickNamed("clearButton")
            const checks = [
                ["", "", "Terms is required."],
                ["agencies", "", "Domains is required."],
                ["agencies", "good, parvane; @ a@b", "No valid domains found."]
            ]
            for (const [terms, domains, text] of checks) {
                typeInto("termsField", terms)
                typeInto("domainsField", domains)
                clearToasts()
                startSearch()
                compare(toastTexts(false), [text])
                compare(driver.screen.loading, false)
            }

            // A chooser whose text names no entry has no choice.
            typeInto("domainsField", good)
            typeInto("countryChooser", "Atlantis")
            clearToasts()
            startSearch()
            compare(toastTexts(false), ["Country is required."])
            typeInto("countryChooser", "France")
            typeInto("languageChooser", "Klingon")
            clearToasts()
            startSearch()
            compare(toastTexts(false), ["Language is required."])
            typeInto("languageChooser", "Anglais")

            // Terms that no page holds.
            clearToasts()
            typeInto("termsField", "zeppelin")
            startSearch()
            tryCompare(driver.screen, "loading", false, 15000)
            compare(toastTexts(false), ["No matching items found"])
            compare(driver.screen.isSearchRunning, false)
            compare(driver.screen.searchQueries.length, 0, "a search that found nothing keeps no paging")

            // Offline: the connection dialog, nothing sent.
            stopDns()
            clearToasts()
            startSearch()
            tryCompare(findChild(driver.screen, "connexionDialog"), "opened", true)
            compare(toastTexts(false), [])
            driver.closePopups()
            startDns()
        }

        // The service's answers that start no run, each sent to the real
        // Search button: the toast's exact text, then the busy state over,
        // no run, nothing stored changed, and the side menu usable again.
        function test_1b_serviceRefusalsEndTheSearch() {
            const screen = driver.screen
            screen.lastSearchContacts = [{ "email": "kept@good.parvane.test", "date": "1/1/00" }]
            clickNamed("clearButton")
            typeInto("countryChooser", "France")
            fillForm("alpha", good, false)
            const stored = JSON.stringify([screen.searchQueries, screen.searchContacts,
                                           screen.lastSearchContacts])
            runSpy.target = screen
            runSpy.clear()
            replaceService()

            const path = "api/search/contacts"
            const token = "Bearer " + Constants.responsesToken
            const links = JSON.stringify([{ "domain": good, "links": [pages.url("corpus/alpha-1.html")] }])
            const markup = "<b>x</b> &amp; no more searches today"
            const cases = [
                ["results without the response token", { "body": links }, "Invalid response"],
                ["results with another token",
                 { "body": links, "authorization": "Bearer " + Constants.requestsToken }, "Invalid response"],
                ["an object instead of an array",
                 { "body": JSON.stringify({ "domain": good, "links": [] }), "authorization": token },
                 "Invalid response"],
                ["a body that is not JSON",
                 { "body": "<html>busy</html>", "contentType": "text/html", "authorization": token },
                 "Invalid response"],
                ["an empty array", { "body": "[]", "authorization": token }, "No matching items found"],
                ["a refusal with its message", { "status": 429, "body": JSON.stringify(markup) }, markup],
                ["a refusal whose body is an object",
                 { "status": 400, "body": JSON.stringify({ "message": "Unknown domain" }) }, "Invalid response"],
                ["a refusal whose body is not JSON",
                 { "status": 403, "body": "Forbidden", "contentType": "text/plain" }, "Invalid response"],
                ["a refusal with an empty message", { "status": 400, "body": JSON.stringify("") },
                 "Invalid response"],
                ["a refusal with a blank message", { "status": 400, "body": JSON.stringify(" \n") },
                 "Invalid response"],
                ["a server error with a message", { "status": 500, "body": JSON.stringify("Try later") },
                 "Error while connecting to server"]
            ]
            let sent = 0
            for (const [what, answer, text] of cases) {
                serviceDouble.answer(path, answer)
                clearToasts()
                startSearch()
                tryCompare(serviceDouble, "count", ++sent, 10000, what + ": the request reached the double")
                tryVerify(() => toastTexts(false).length > 0, 10000, what + ": a toast shows")
                compare(toastTexts(false), [text], what)
                if (text === markup)
                    verifyShownAsWritten(markup)
                verifySearchOver(what, stored)
            }
            const requests = serviceDouble.requestsFor(path)
            compare(requests.length, cases.length, "one request per press")
            compare(JSON.parse(requests[0].body).terms, "alpha")
            compare(JSON.parse(requests[0].body).domains, [{ "domain": good, "start_index": 1 }])

            // While the request is out the page is busy; then the service goes
            // away without answering.
            serviceDouble.answer(path, { "hang": true })
            clearToasts()
            startSearch()
            tryCompare(serviceDouble, "count", ++sent, 10000)
            compare(screen.loading, true, "busy while the request is out")
            compare(screen.partialLoading, true)
            verify(!driver.find("sideMenu").enabled, "the side menu is blocked meanwhile")
            verify(!driver.find("searchButton", true).enabled)
            dropDouble()
            tryVerify(() => toastTexts(false).length > 0, 20000, "a toast shows")
            compare(toastTexts(false), ["Error while connecting to server"])
            verifySearchOver("a service gone before answering", stored)

            // Nothing listens where the service was.
            clearToasts()
            startSearch()
            tryVerify(() => toastTexts(false).length > 0, 20000, "a toast shows")
            compare(toastTexts(false), ["Error while connecting to server"])
            verifySearchOver("an unreachable service", stored)

            // The other tests search with the real service again.
            restoreService()
        }

        // The newest danger toast shows `text` as written, markup included.
        function verifyShownAsWritten(text) {
            const manager = toastManager(false)
            const shown = () => driver.collect(i => i.text === text && i.textFormat !== undefined, manager)
            tryVerify(() => shown().length === 1, 5000, "the toast's label is shown")
            const labels = shown()
            compare(labels[0].textFormat, Text.PlainText)
            plainReference.font = labels[0].font
            plainReference.text = text
            compare(labels[0].implicitWidth, plainReference.implicitWidth,
                    "every character of the markup takes its place")
        }

        function verifySearchOver(what, stored) {
            const screen = driver.screen
            tryCompare(screen, "loading", false, 5000, what + ": the busy state ends")
            compare(screen.partialLoading, false, what)
            compare(runSpy.count, 0, what + ": no run started")
            compare(JSON.stringify([screen.searchQueries, screen.searchContacts, screen.lastSearchContacts]),
                    stored, what + ": the paging memory and the results are unchanged")
            verify(driver.find("searchButton", true).enabled, what + ": Search can be pressed again")
            // The side menu leads away and back again.
            driver.openPage("homeMenu", "SendEmailsPage")
            driver.openPage("searchMenu", "SearchPage")
        }

        function test_2_defaultLanguageAndClear() {
            const page = searchPage()
            typeInto("languageChooser", "Allemand")
            typeInto("countryChooser", "Canada")
            compare(page.languages[page.languageIndex].key, "en", "German is not spoken there: English")
            typeInto("languageChooser", "Allemand")
            typeInto("countryChooser", "Belgique")
            compare(page.languages[page.languageIndex].key, "de", "German is kept in Belgium")
            compare(driver.find("languageChooser").editText, "Allemand")
            typeInto("termsField", "some terms")
            clickNamed("clearButton")
            compare(driver.find("termsField").text, "")
            compare(driver.find("domainsField").text, "")
            compare(page.countryIndex, 0)
            compare(driver.find("countryChooser").editText, page.countries[0].name)
            compare(page.languages[page.languageIndex].key, page.countries[0].languages[0])
        }

        function test_3_runKeepsRequestedDomainsOnly() {
            driver.screen.searchContacts = [{ "email": "eve@good.parvane.test", "date": "1/1/00" },
                                            { "email": "old@good.parvane.test", "date": "1/1/00" }]
            clickNamed("clearButton")
            typeInto("countryChooser", "France")
            fillForm("alpha", "Ex " + good + " and again " + good, false)
            startSearch()
            compare(driver.screen.partialLoading, true)
            runToEnd()
            compare(searchPage().run.total, 2, "both pages of the answer")
            const found = emails(driver.screen.lastSearchContacts).sort()
            compare(found, ["ann@good.parvane.test", "bob@good.parvane.test", "eve@good.parvane.test"])
            const all = driver.screen.searchContacts
            compare(all.length, 4, "no address twice")
            compare(all[all.length - 1].email, "old@good.parvane.test")
            const eve = all.find(r => r.email === "eve@good.parvane.test")
            compare(eve.date, today(), "an address found again takes today's date")
            verify(all.indexOf(eve) < 3, "and moves to the front")
            compare(queryOf("alpha", good).nextStartIndex, 11, "the paging memory moved on")
            // No translation is loaded here: the source texts show, their plural forms
            // being the translation files' (checked by the translation tests).
            compare(driver.find("searchFoundCount", true).text, "3 email(s) found")
            compare(driver.find("detailStackView").currentItem.objectName, "SearchDetail")
            const stored = store.read("search", ["currentLastSearchContacts"]).currentLastSearchContacts
            compare(stored.length, 3, "the latest run is stored")

            // Copy and Delete of the latest run.
            clickNamed("copyLastResultButton")
            compare(clipboard().split(";").sort(), found)
            clickNamed("deleteLastResultButton")
            compare(driver.screen.lastSearchContacts.length, 0)
            compare(driver.screen.searchContacts.length, 4, "every address found stays")
        }

        function test_4_retrieveKeepsOtherValidDomainsOnly() {
            // Another country: a query of its own, from the first page.
            typeInto("countryChooser", "Belgique")
            fillForm("alpha", good, true)
            startSearch()
            runToEnd()
            const found = emails(driver.screen.lastSearchContacts).sort()
            compare(found, ["ann@good.parvane.test", "bob@good.parvane.test", "carl@other.parvane.test",
                            "eve@good.parvane.test", "flo@other.parvane.test"],
                    "another valid domain is kept, an invalid one never")
            compare(queryOf("alpha", good).nextStartIndex, 11)
            clickNamed("doNotRetrieveRadio")
        }

        function test_5_failedAndSilentPagesAdvance() {
            const run = searchPage().run
            run.pageTimeLimit = 1500
            fillForm("broken", good, false)
            startSearch()
            tryVerify(() => driver.screen.isSearchRunning, 15000)
            compare(run.total, 3)
            let seen = 0
            tryVerify(() => { seen = Math.max(seen, run.done); return !driver.screen.isSearchRunning },
                      30000, "the run gets past a 404 and a page that never answers")
            verify(seen >= 2, "the progress counted the pages")
            compare(emails(driver.screen.lastSearchContacts), ["fay@good.parvane.test"])
            run.pageTimeLimit = 15000
        }

        function test_6_domainCheckThatNeverAnswers() {
            const run = searchPage().run
            run.checkTimeLimit = 2000
            fillForm("slowcheck", good, false)
            startSearch()
            tryVerify(() => driver.screen.isSearchRunning, 15000)
            // The service stops answering: the check of the page will hang.
            compare(helper.cmdExcute("kill", ["-STOP", String(service.pid())]).status, 0)
            tryVerify(() => run.checking, 10000, "the domain check is out")
            // The window still answers the user meanwhile.
            typeInto("termsField", "typed")
            compare(driver.find("termsField").text, "typed")
            tryVerify(() => !driver.screen.isSearchRunning, 20000, "the run ends without the check")
            compare(helper.cmdExcute("kill", ["-CONT", String(service.pid())]).status, 0)
            compare(driver.screen.lastSearchContacts.length, 0, "an unchecked address is not kept")
            run.checkTimeLimit = 5000
        }

        function test_7_stopAndAPanelDuringTheRun() {
            const screen = driver.screen
            fillForm("paging", good, false)
            startSearch()
            tryVerify(() => screen.lastSearchContacts.length > 0, 20000, "a first page was processed")
            compare(screen.isSearchRunning, true)
            // A panel shown meanwhile keeps the run's busy state and the menu blocked.
            // No control left usable during a run shows a panel (the run's own end
            // does): the screen's call stands in for one that would.
            screen.loadEmptyDetail()
            tryCompare(findChild(screen, "detailStackView"), "busy", false)
            compare(screen.loading, true)
            compare(screen.partialLoading, true)
            const menu = driver.find("homeMenu")
            mouseClick(menu)
            driver.frame()
            compare(searchPage().objectName, "SearchPage", "the side menu stays blocked")

            clickNamed("stopSearchButton")
            compare(screen.isSearchRunning, false)
            tryCompare(screen, "loading", false)
            const kept = screen.lastSearchContacts.length
            verify(kept > 0 && kept < pagingPages)
            compare(queryOf("paging", good).nextStartIndex, 11, "a stopped run moves the paging on")
            compare(screen.searchContacts.length >= kept, true)
        }

        function test_8_pagingSequence() {
            const screen = driver.screen
            const run = searchPage().run
            let previous = []
            for (const expected of [21, 31, 41, 51, 61, 71, 81, 91, 1, 11]) {
                startSearch()
                tryVerify(() => screen.isSearchRunning, 15000)
                const links = run.resultLinks[0].links
                compare(links.length, 10)
                verify(links.every(link => previous.indexOf(link) < 0), "another page of results")
                previous = links
                clickNamed("stopSearchButton")
                compare(queryOf("paging", good).nextStartIndex, expected)
                driver.settle()
            }
            // Another country starts at 1 again.
            typeInto("countryChooser", "Canada")
            startSearch()
            tryVerify(() => screen.isSearchRunning, 15000)
            clickNamed("stopSearchButton")
            compare(queryOf("paging", good).nextStartIndex, 11)
        }

        function test_9_detailGroupsCopyAndDelete() {
            const screen = driver.screen
            screen.lastSearchContacts = [{ "email": "last@good.parvane.test", "date": "3/3/03" }]
            screen.searchContacts = [
                { "email": "a@x.test", "date": "3/3/03" },
                { "email": "<b>b</b>@x.test", "date": "2/2/02" },
                { "email": "c@x.test", "date": "3/3/03" },
                { "email": "d@x.test", "date": "<i>1/1/01</i>" }
            ]
            // The page shows the detail again at each visit.
            driver.openPage("homeMenu", "SendEmailsPage")
            driver.openPage("searchMenu", "SearchPage")
            const detail = driver.find("detailStackView").currentItem
            compare(detail.objectName, "SearchDetail")
            compare(detail.groups.map(g => g.date + ":" + g.count), ["3/3/03:2", "2/2/02:1", "<i>1/1/01</i>:1"])
            const label = findChild(driver.find("searchResultGroup2"), "searchGroupDate")
            compare(label.textFormat, Text.PlainText, "stored text shows as plain text")

            driver.click(findChild(driver.find("searchResultGroup0"), "copySearchGroupButton"))
            compare(clipboard(), "a@x.test;c@x.test")
            compare(toastTexts(true)[0], "2 email(s) copied.")

            driver.click(findChild(driver.find("searchResultGroup0"), "deleteSearchGroupButton"))
            const one = findChild(detail, "deleteSearchResultDialog")
            tryCompare(one, "opened", true)
            compare(one.message, "Are you sure you want to delete this search result ?")
            driver.clickNamed("confirmButton")
            tryCompare(one, "visible", false)
            compare(emails(screen.searchContacts), ["<b>b</b>@x.test", "d@x.test"])
            compare(detail.groups.length, 2)
            clearToasts()
            driver.frame()

            driver.clickNamed("deleteAllSearchResultsButton")
            const all = findChild(detail, "deleteAllSearchResultsDialog")
            tryCompare(all, "opened", true)
            driver.clickNamed("confirmButton")
            tryCompare(all, "opened", false)
            compare(screen.searchContacts.length, 0)
            compare(store.read("search", ["currentSearchContacts"]).currentSearchContacts.length, 0)
            verify(driver.find("noSearchResultLabel", true), "No item to show")
            compare(screen.lastSearchContacts.length, 1, "the latest run is not touched")
            verify(!driver.find("deleteAllSearchResultsButton").enabled)
        }

        // The form keeps France and French through interface language
        // switches, page visits and restarts; the positions an earlier
        // version stored are taken as the entries they pointed at, once.
        function test_9b_choiceSurvivesLanguageSwitchAndRestart() {
            typeInto("languageChooser", "Allemand")
            // France's own language replaces one not spoken there.
            typeInto("countryChooser", "France")
            verifyChosen("FR", "fr", "France", "Français", "chosen")

            chooseInterfaceLanguage(0)
            compare(myTranslator.language, "en_EN")
            verifyChosen("FR", "fr", "France", "French", "the page shown through the switch")
            // Names and order follow the new language, the choice stays usable.
            fillForm("zeppelin", good, false)
            startSearch()
            tryCompare(driver.screen, "loading", false, 15000)
            compare(toastTexts(false), ["No matching items found"], "the form is complete")

            driver.openPage("homeMenu", "SendEmailsPage")
            driver.openPage("searchMenu", "SearchPage")
            verifyChosen("FR", "fr", "France", "French", "the page created anew")
            restart()
            verifyChosen("FR", "fr", "France", "French", "after a restart")
            const englishLanguage = sortedPosition(Constants.searchLanguages, "fr")

            // An earlier version's positions, written under the French
            // interface: in the English order they would name other entries.
            chooseInterfaceLanguage(1)
            compare(driver.screen.userLanguage, "fr_FR")
            const country = sortedPosition(Constants.countries, "FR")
            const language = sortedPosition(Constants.searchLanguages, "fr")
            verify(language !== englishLanguage, "the two orders differ where the test looks")
            restart(() => store.write("searchForm", { "currentCountry": country,
                                          "currentLanguage": String(language) }))
            verifyChosen("FR", "fr", "France", "Français", "the stored positions, migrated")
            restart()
            verifyChosen("FR", "fr", "France", "Français", "the keys, read back")

            // A stored key that names nothing counts as none: the first country.
            restart(() => store.write("searchForm", { "currentCountry": "ZZ", "currentLanguage": 999 }))
            const page = searchPage()
            compare(page.countryIndex, 0)
            compare(page.languageKey, page.countries[0].languages[0])

            // The following tests read the English texts.
            typeInto("countryChooser", "France")
            chooseInterfaceLanguage(0)
            verifyChosen("FR", "fr", "France", "French", "back in English")
        }

        // A query paged on beyond its last results starts again from the
        // first page, says so once, and moves its paging memory on from there.
        function test_9c_emptyNextPageStartsAgain() {
            const screen = driver.screen
            const run = searchPage().run
            screen.searchQueries = [{ "terms": "alpha", "domain": good, "country": "FR",
                                      "language": "fr", "nextStartIndex": 41 }]
            fillForm("alpha", good, false)
            for (const round of ["paged on far", "the next page, empty again"]) {
                clearToasts()
                startSearch()
                tryVerify(() => screen.isSearchRunning, 15000, round + ": the run starts")
                compare(toastTexts(true),
                        ["No further results: the search started again from the first results."], round)
                runToEnd()
                compare(toastTexts(false), [], round)
                compare(run.total, 2, round + ": the first page's links")
                compare(emails(screen.lastSearchContacts).sort(),
                        ["ann@good.parvane.test", "bob@good.parvane.test", "eve@good.parvane.test"], round)
                compare(screen.searchQueries.length, 1, round)
                compare(queryOf("alpha", good).nextStartIndex, 11, round + ": back to 1, then on")
            }
            // Nothing at the first page: nothing found, no second request.
            clearToasts()
            typeInto("termsField", "zeppelin")
            startSearch()
            tryCompare(screen, "loading", false, 15000)
            compare(toastTexts(false), ["No matching items found"])
            compare(toastTexts(true), [])
            compare(screen.searchQueries.length, 1)
        }

        // Domains typed with or without their "@", and addresses typed whole.
        function test_9d_domainsWithoutAt() {
            const screen = driver.screen
            screen.searchQueries = []
            fillForm("alpha", "good.parvane.test", false)
            startSearch()
            runToEnd()
            compare(searchPage().run.resultLinks.map(e => e.domain), [good])
            compare(emails(screen.lastSearchContacts).sort(),
                    ["ann@good.parvane.test", "bob@good.parvane.test", "eve@good.parvane.test"])

            // What reaches the service, seen by a double in its place.
            replaceService()
            const path = "api/search/contacts"
            serviceDouble.answer(path, { "body": "[]", "authorization": "Bearer " + Constants.responsesToken })
            fillForm("gamma", "Write to john.doe@other.parvane.test or good.parvane.test, "
                     + good + "; www.Example.org. Thanks", false)
            clearToasts()
            startSearch()
            tryCompare(serviceDouble, "count", 1, 10000)
            tryCompare(screen, "loading", false, 10000)
            compare(JSON.parse(serviceDouble.requestsFor(path)[0].body).domains,
                    [{ "domain": "@other.parvane.test", "start_index": 1 },
                     { "domain": good, "start_index": 1 },
                     { "domain": "@www.Example.org", "start_index": 1 }],
                    "an address gives its domain only; repeats once, in order")
            compare(toastTexts(false), ["No matching items found"])
            restoreService()
        }

        // Found addresses made contacts of a list, from the page and from a
        // date group of the detail; those already there are counted.
        function test_9e_foundAddressesIntoAList() {
            const screen = driver.screen
            const found = emails(screen.lastSearchContacts).sort()
            compare(found, ["ann@good.parvane.test", "bob@good.parvane.test", "eve@good.parvane.test"])
            const page = searchPage()
            const dialog = page.addToListDialog

            // Without a list there is nothing to choose.
            driver.seed({ "userContactsLists": [], "contactBook": [] })
            clickNamed("addLastResultToListButton")
            tryCompare(dialog, "opened", true)
            verify(driver.find("addToListNoListLabel", true), "the dialog says there is no list")
            verify(!driver.find("addToListConfirmButton", true).enabled)
            driver.clickNamed("addToListCloseButton")
            tryCompare(dialog, "visible", false)

            driver.seed({ "userContactsLists": ["Clients", "Press"], "contactBook": [
                { "fullname": "Ann", "email": "ANN@good.parvane.test", "list": "Press" },
                { "fullname": "Bob", "email": "bob@good.parvane.test", "list": "Clients" }] })
            clickNamed("addLastResultToListButton")
            tryCompare(dialog, "opened", true)
            const chooser = driver.find("addToListChooser", true)
            compare(chooser.currentText, "Clients")
            chooser.forceActiveFocus()
            keyClick(Qt.Key_Down)
            compare(chooser.currentText, "Press")
            clearToasts()
            driver.clickNamed("addToListConfirmButton")
            tryCompare(dialog, "visible", false)
            compare(toastTexts(true), ["Contacts added to the list: 2; already there: 1."])
            const press = () => screen.contactBook.records().filter(r => r.list === "Press")
            compare(press().map(r => r.email).sort(), ["ANN@good.parvane.test", "bob@good.parvane.test",
                                                       "eve@good.parvane.test"])
            const eve = press().find(r => r.email === "eve@good.parvane.test")
            compare([eve.fullname, eve.lastname, eve.company], ["", "", ""], "only the address is set")
            compare(screen.contactBook.count, 4)

            // A date group of the results detail.
            screen.searchContacts = [{ "email": "new@x.test", "date": "4/4/04" },
                                     { "email": "Eve@good.parvane.test", "date": "4/4/04" },
                                     { "email": "later@x.test", "date": "5/5/05" }]
            driver.openPage("homeMenu", "SendEmailsPage")
            driver.openPage("searchMenu", "SearchPage")
            const detail = driver.find("detailStackView").currentItem
            compare(detail.objectName, "SearchDetail")
            driver.click(findChild(driver.find("searchResultGroup0"), "addSearchGroupToListButton"))
            tryCompare(detail.addToListDialog, "opened", true)
            const groupChooser = driver.find("addToListChooser", true)
            groupChooser.forceActiveFocus()
            keyClick(Qt.Key_Down)
            compare(groupChooser.currentText, "Press")
            clearToasts()
            driver.clickNamed("addToListConfirmButton")
            tryCompare(detail.addToListDialog, "visible", false)
            compare(toastTexts(true), ["Contacts added to the list: 1; already there: 1."])
            compare(press().map(r => r.email).sort(), ["ANN@good.parvane.test", "bob@good.parvane.test",
                                                       "eve@good.parvane.test", "new@x.test"])

            // Kept in the store: a new main screen finds them.
            restart()
            compare(driver.screen.contactBook.records().filter(r => r.list === "Press")
                    .map(r => r.email).sort(),
                    ["ANN@good.parvane.test", "bob@good.parvane.test", "eve@good.parvane.test", "new@x.test"])
        }
    }
}
