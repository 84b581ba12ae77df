import QtQuick
import QtTest
import QmlCppBridge
import Parvane
import ParvaneTest
import "../usability"

// The real window against a service double on the port of its base address:
// the application information fetched at start-up and shown in the about and
// contact dialogs, and the templates page, driven through their controls.
Item {
    id: scene

    AppDriver {
        id: driver
        testCase: testCase
    }

    ServiceDouble {
        id: service
    }

    // The test's own bridge, for the name server.
    readonly property var helper: QmlCppBridge

    // A first start: no language chosen, no information received yet.
    StoreAccess {
        id: store
        owner: scene
        testCase: testCase
        groups: ({ "preferences": ["language", "appInfo"] })
    }

    // The online check's answers, before the application information is asked for.
    SignalSpy {
        id: checkedSpy
        signalName: "checked"
    }

    // Where the suite pastes the clipboard.
    TextEdit {
        id: pasteTarget
        visible: false
    }

    TestCase {
        id: testCase

        name: "WebClient"
        when: windowShown

        readonly property string dnsPidFile: "/tmp/parvane-qml-webclient-dns.pid"
        readonly property string goodToken: "Bearer " + Constants.responsesToken
        readonly property string base: Constants.baseUrl
        readonly property var catalogue: [
            { "url": base + "templates/spring/?lang=en", "preview": base + "templates/spring/preview.png",
              "categories": ["Newsletter", "Seasonal"] },
            { "url": base + "templates/sale/?lang=en", "preview": base + "templates/sale/preview.png",
              "categories": ["Promotion", "Seasonal"] },
            { "url": base + "templates/welcome/?lang=en", "preview": base + "templates/welcome/preview.png",
              "categories": ["Newsletter"] }
        ]

        function answerCatalogue(list) {
            service.answer("api/templates", { "status": 200, "authorization": goodToken,
                                              "body": JSON.stringify(list) })
            for (const slug of ["spring", "sale", "welcome"])
                service.answer("templates/" + slug + "/preview.png", {
                    "status": 200, "contentType": "image/png",
                    "file": ":/qt/qml/content/resources/images/logo.png" })
        }

        // ---- The name server that makes the online check succeed ----

        function startDns() {
            const result = helper.cmdExcute("/usr/sbin/dnsmasq", [
                "--conf-file=/dev/null", "--port=53", "--listen-address=127.0.84.7",
                "--bind-interfaces", "--no-resolv", "--no-hosts", "--user=root",
                "--address=/probe.parvane.test/127.0.0.9", "--pid-file=" + dnsPidFile])
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
            compare(base, "http://127.0.0.1:27652/", "the suite's base address reached the program")
            verify(service.listen(27652), "the service double listens on the base address's port")
            stopDns() // one left by an interrupted run
            startDns()
            // What start-up will ask for.
            service.answer("api/app-info", { "status": 200, "authorization": goodToken,
                "body": "{\"version\":\"9.4.0\",\"email\":\"help@velmora.test\",\"phone\":\"+33 1 84 00 00 00\"}" })
            answerCatalogue(catalogue)
            store.clear()
            driver.start()
            driver.screen.appInfo = undefined
            // An unanswered request fails after 3 s rather than 30.
            driver.screen.requestTimeLimit = 3000
        }

        function cleanupTestCase() {
            driver.stop()
            stopDns()
        }

        function cleanup() {
            driver.closePopups()
            if (driver.screen.userLanguage !== "en_EN")
                driver.setLanguage("en_EN")
            driver.screen.isSearchRunning = false
            BrowserProbe.clear()
        }

        // Texts of the main screen's danger toasts, newest first.
        function toastTexts(success) {
            const screen = driver.screen
            for (let c = 0; c < screen.children.length; ++c) {
                const child = screen.children[c]
                if ((success ? child.successStyle : child.dangerStyle) === true && child.model
                        && typeof child.show === "function") {
                    const texts = []
                    for (let i = 0; i < child.model.count; ++i)
                        texts.push(child.model.get(i).text)
                    return texts
                }
            }
            fail("the toasts are found")
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

        // Asks for the information again and waits until the answer was handled.
        function fetchAppInfo() {
            const before = service.requestsFor("api/app-info").length
            driver.screen.getAppInfo()
            tryVerify(() => service.requestsFor("api/app-info").length > before, 10000,
                      "the app information is asked for")
            // The answer is handled on the next turns of the event loop.
            wait(300)
        }

        // ---- Application information ----

        // Start-up asked once, with exactly the two keys, before any language was chosen.
        function test_1_startUpAsksForTheInformation() {
            const asked = service.requestsFor("api/app-info")
            compare(asked.length, 1)
            compare(asked[0].method, "POST")
            compare(asked[0].body, "{\"os\":\"windows\",\"language\":\"\"}")
            const authorization = asked[0].headers.filter(h => h[0].toLowerCase() === "authorization")
            compare(authorization.length, 1)
            compare(authorization[0][1], "Bearer " + Constants.requestsToken)
        }

        function test_informationReplacesTheStoredRecordOnlyWhenAccepted_data() {
            const body = "{\"version\":\"3.0.0\",\"email\":\"other@velmora.test\",\"phone\":\"1\"}"
            return [
                { tag: "accepted", status: 200, authorization: goodToken, body: body, replaced: true },
                { tag: "201 accepted", status: 201, authorization: goodToken, body: body, replaced: true },
                { tag: "wrong token", status: 200, authorization: "Bearer " + Constants.requestsToken,
                  body: body, replaced: false },
                { tag: "no token", status: 200, body: body, replaced: false },
                { tag: "refusal", status: 404, authorization: goodToken, body: "\"Unknown\"", replaced: false },
                { tag: "server failure", status: 503, authorization: goodToken, body: body, replaced: false },
                { tag: "not JSON", status: 200, authorization: goodToken, body: "<html>", replaced: false },
                { tag: "not an object", status: 200, authorization: goodToken, body: "[\"3.0.0\"]",
                  replaced: false }
            ]
        }

        function test_informationReplacesTheStoredRecordOnlyWhenAccepted(data) {
            const known = { "version": "2.0.0", "email": "old@velmora.test", "phone": "0" }
            clearToasts()
            driver.screen.appInfo = known
            driver.screen.userLanguage = "fr_FR"
            const answer = { "status": data.status, "body": data.body }
            if (data.authorization)
                answer.authorization = data.authorization
            service.answer("api/app-info", answer)
            fetchAppInfo()
            const asked = service.requestsFor("api/app-info")
            compare(asked[asked.length - 1].body, "{\"os\":\"windows\",\"language\":\"fr\"}")
            if (data.replaced)
                compare(driver.screen.appInfo, { "version": "3.0.0", "email": "other@velmora.test",
                                                 "phone": "1" })
            else
                compare(driver.screen.appInfo, known)
            compare(toastTexts(false), [], "the information never shows an error")
        }

        // Offline (its name server gone), nothing is asked for and nothing changes.
        function test_noRequestWhileOffline() {
            const known = { "version": "2.0.0", "email": "old@velmora.test", "phone": "0" }
            driver.screen.appInfo = known
            stopDns()
            const before = service.requestsFor("api/app-info").length
            const information = findChild(driver.screen, "appInformation")
            checkedSpy.target = information
            checkedSpy.clear()
            driver.screen.getAppInfo()
            checkedSpy.wait(5000) // the online check's own limit is 3 s
            compare(checkedSpy.signalArguments[0][0], false, "found offline")
            wait(100) // a request made anyway would have reached the service by now
            compare(service.requestsFor("api/app-info").length, before)
            compare(driver.screen.appInfo, known)
            startDns()
        }

        function openDialog(button, name) {
            driver.openPage("homeMenu", "SendEmailsPage")
            driver.clickNamed(button)
            const dialog = findChild(driver.screen, name)
            verify(dialog, name)
            tryCompare(dialog, "opened", true)
            driver.frame()
            return dialog
        }

        function test_aboutDialogWithoutInformation() {
            driver.screen.appInfo = undefined
            const dialog = openDialog("aboutMenu", "aboutDialog")
            compare(driver.find("installedVersion", true).text, "Installed version: 2.1.1")
            verify(driver.find("versionNotAvailable", true), "says the latest version is not known")
            verify(!driver.find("versionStatus", true), "no comparison with nothing")
            verify(!driver.find("downloadButton", true))
            verify(!driver.find("latestInstalled", true))
            verify(driver.find("nameNotice", true).text.startsWith("* "))
        }

        function test_aboutDialogUpToDate() {
            driver.screen.appInfo = { "version": "2.1.1", "email": "", "phone": "" }
            openDialog("aboutMenu", "aboutDialog")
            const status = driver.find("versionStatus", true)
            compare(status.text, "Latest version installed 🗸")
            compare(String(status.color), String(Constants.successColor))
            compare(driver.find("latestInstalled", true).text,
                    "You have already installed the latest version of Parvane.")
            verify(!driver.find("downloadButton", true))
            verify(!driver.find("versionNotAvailable", true))
        }

        function test_aboutDialogNewerVersionDownloads() {
            driver.screen.appInfo = { "version": "2.2.0", "email": "", "phone": "" }
            const dialog = openDialog("aboutMenu", "aboutDialog")
            compare(driver.find("versionStatus", true).text, "There is a newer version.")
            verify(!driver.find("latestInstalled", true))
            const download = driver.find("downloadButton", true)
            compare(download.text, "Download Parvane 2.2.0")
            driver.click(download)
            tryCompare(dialog, "opened", false)
            compare(BrowserProbe.opened, ["http://127.0.0.1:27652/download?os=windows"])
        }

        // The service's words are shown as they are, never as markup.
        function test_aboutDialogShowsTheVersionAsPlainText() {
            driver.screen.appInfo = { "version": "<b>9</b><img src='http://127.0.0.1:9/x'>" }
            openDialog("aboutMenu", "aboutDialog")
            const download = driver.find("downloadButton", true)
            compare(download.text, "Download Parvane <b>9</b><img src='http://127.0.0.1:9/x'>")
            const labels = driver.collect(i => i.text === download.text && i.textFormat !== undefined)
            verify(labels.length > 0)
            for (const label of labels)
                compare(label.textFormat, Text.PlainText)
        }

        function test_contactDialogWithoutInformation() {
            driver.screen.appInfo = undefined
            openDialog("contactUsMenu", "contactUsDialog")
            verify(driver.find("contactsNotAvailable", true))
            verify(!driver.find("emailLink", true), "no empty rows")
            verify(!driver.find("phoneLink", true), "no empty rows")
        }

        function test_contactDialogCopiesOnClick_data() {
            return [
                { tag: "email", link: "emailLink", copied: "help@velmora.test",
                  toast: "Email address copied." },
                { tag: "phone", link: "phoneLink", copied: "+33 1 84 00 00 00",
                  toast: "Phone number copied." }
            ]
        }

        function test_contactDialogCopiesOnClick(data) {
            driver.screen.appInfo = { "version": "2.1.1", "email": "help@velmora.test",
                                      "phone": "+33 1 84 00 00 00" }
            const dialog = openDialog("contactUsMenu", "contactUsDialog")
            verify(!driver.find("contactsNotAvailable", true))
            const link = driver.find(data.link, true)
            compare(link.text, data.copied)
            driver.click(link)
            compare(clipboard(), data.copied)
            const toasts = findChild(dialog.contentItem.parent, "dialogSuccessToasts")
                           || driver.find("dialogSuccessToasts")
            verify(toasts, "the dialog's own success toasts")
            tryCompare(toasts.model, "count", 1)
            compare(toasts.model.get(0).text, data.toast)
            verify(dialog.opened, "the dialog stays open")
        }

        function test_copyContacts() {
            clearToasts()
            driver.screen.copyContacts([{ "email": "a@x.fr", "date": "d" }, { "email": "b@y.fr", "date": "d" },
                                        { "email": "c@z.fr", "date": "d" }])
            compare(clipboard(), "a@x.fr;b@y.fr;c@z.fr")
            compare(toastTexts(true), ["3 emails copied."])
        }

        // ---- Templates ----

        function templatesPage() {
            return driver.openPage("templatesMenu", "TemplatesPage")
        }

        function tagTexts() {
            const texts = []
            for (let i = 0; driver.find(i === 0 ? "categoryTagAll" : "categoryTag" + (i - 1)); ++i)
                texts.push(driver.find(i === 0 ? "categoryTagAll" : "categoryTag" + (i - 1)).text)
            return texts
        }

        function shownCards() {
            const shown = []
            for (let i = 0; i < driver.screen.templates.length; ++i) {
                if (driver.find("templateCard" + i, true))
                    shown.push(i)
            }
            return shown
        }

        // Scrolls the page area until the control is in view, as a user does, and clicks it.
        function clickInPage(item) {
            const view = driver.screen.pagesFlickable
            const at = item.mapToItem(view.contentItem, 0, 0)
            view.contentY = Math.max(0, Math.min(at.y - 20, view.contentHeight - view.height))
            driver.frame()
            driver.click(item)
        }

        function freshTemplates(answer) {
            driver.openPage("homeMenu", "SendEmailsPage")
            driver.screen.templates = []
            service.clear()
            if (answer)
                service.answer("api/templates", answer)
            clearToasts()
        }

        // A large catalogue: the page answers at once with its first cards and
        // makes the others over the next frames; an answer over its bound is
        // dropped unread, as no answer, and nothing of it is kept.
        function test_largeAndOversizedCatalogues() {
            const many = []
            for (let i = 0; i < 2000; ++i)
                many.push({ "url": base + "templates/spring/?lang=en&n=" + i, "preview": "",
                            "categories": ["C" + (i % 7)] })
            freshTemplates()
            answerCatalogue(many)
            templatesPage()
            tryCompare(driver.screen.templates, "length", 2000)
            verify(driver.find("templateCard1999") === null, "not every card in one go")
            tryVerify(() => driver.find("templateCard1999") !== null, 20000, "the last card comes")

            let big = "["
            while (big.length < Constants.templatesMaxBytes + 10)
                big += JSON.stringify(catalogue[0]) + ","
            big += JSON.stringify(catalogue[0]) + "]"
            freshTemplates({ "status": 200, "authorization": goodToken, "body": big })
            templatesPage()
            tryCompare(driver.screen, "loading", false, 10000)
            compare(driver.screen.templates.length, 0, "nothing of it kept")
            tryVerify(() => toastTexts().indexOf("The service could not be reached. Check your internet connection.") >= 0)
        }

        function test_templatesCatalogue() {
            freshTemplates()
            answerCatalogue(catalogue)
            templatesPage()
            tryCompare(driver.screen, "loading", false)
            tryCompare(driver.screen.templates, "length", 3)
            const asked = service.requestsFor("api/templates")
            compare(asked.length, 1)
            compare(asked[0].body, "{\"os\":\"windows\",\"language\":\"en\"}")

            // Shared categories give one tag each, in order of first appearance.
            compare(tagTexts(), ["All", "Newsletter", "Seasonal", "Promotion"])
            compare(shownCards(), [0, 1, 2])
            for (let i = 0; i < 3; ++i) {
                const image = findChild(driver.find("templateCard" + i), "previewImage")
                tryCompare(image, "status", Image.Ready, 10000)
            }
            compare(findChild(driver.find("templateCard1"), "templateCategories").text,
                    "Promotion Seasonal")

            driver.click(driver.find("categoryTag0", true))
            compare(shownCards(), [0, 2])
            verify(driver.find("categoryTag0").checked)
            verify(!driver.find("categoryTagAll").checked)
            driver.click(driver.find("categoryTag2", true))
            compare(shownCards(), [1])
            driver.click(driver.find("categoryTagAll", true))
            compare(shownCards(), [0, 1, 2])

            // Preview shows the page in the detail area.
            clickInPage(findChild(driver.find("templateCard1"), "previewButton"))
            driver.settle()
            compare(driver.screen.detailTemplateUrl, base + "templates/sale/?lang=en&preview=true")
            compare(driver.find("detailStackView").currentItem.objectName, "TemplateDetail")
            tryVerify(() => driver.find("templateWebView", true) !== null, 5000)
            compare(String(driver.find("templateWebView", true).url),
                    base + "templates/sale/?lang=en&preview=true")

            // Edit opens the system browser, but not while a search runs.
            const edit = findChild(driver.find("templateCard2"), "editButton")
            clickInPage(edit)
            compare(BrowserProbe.opened, [base + "templates/welcome/?lang=en"])
            driver.screen.isSearchRunning = true
            verify(!edit.enabled, "Edit is disabled while a search runs")
            clickInPage(edit)
            compare(BrowserProbe.opened.length, 1)
            driver.screen.isSearchRunning = false
            verify(edit.enabled)

            // Coming back uses the list already received.
            driver.openPage("homeMenu", "SendEmailsPage")
            templatesPage()
            wait(300)
            compare(service.requestsFor("api/templates").length, 1, "no second request")
            compare(shownCards(), [0, 1, 2])
            compare(tagTexts()[0], "All")
            verify(driver.find("categoryTagAll").checked, "the chosen category is not kept")
        }

        function test_emptyCatalogueIsAskedForAgain() {
            freshTemplates({ "status": 200, "authorization": goodToken, "body": "[]" })
            templatesPage()
            tryCompare(driver.screen, "loading", false)
            tryCompare(service, "count", 1)
            driver.openPage("homeMenu", "SendEmailsPage")
            templatesPage()
            tryCompare(service, "count", 2)
            tryCompare(driver.screen, "loading", false)
            compare(tagTexts(), ["All"])
        }

        // Pages and images of other sites are neither loaded nor opened.
        function test_addressesOfOtherSitesAreLeftOut() {
            freshTemplates({ "status": 200, "authorization": goodToken, "body": JSON.stringify([
                { "url": "http://elsewhere.test/t/?lang=en", "preview": base + "x.png", "categories": ["A"] },
                { "url": "file:///etc/passwd?x", "preview": "", "categories": ["B"] },
                { "url": base + "templates/ok/?lang=en", "preview": "http://elsewhere.test/p.png",
                  "categories": ["C", 7, "<b>D</b>"] },
                "not a template"
            ]) })
            templatesPage()
            tryCompare(driver.screen, "loading", false)
            compare(driver.screen.templates.length, 1)
            compare(driver.screen.templates[0].url, base + "templates/ok/?lang=en")
            compare(driver.screen.templates[0].preview, "")
            compare(tagTexts(), ["All", "C", "<b>D</b>"])
            const labels = driver.collect(i => i.text === "<b>D</b>" && i.textFormat !== undefined,
                                          driver.find("categoryTag1"))
            compare(labels.length, 1)
            compare(labels[0].textFormat, Text.PlainText)
        }

        function test_failuresShowAToastAndEndTheBusyState_data() {
            return [
                { tag: "refusal with a message", status: 404, body: "\"Templates are resting today\"",
                  authorization: goodToken, toast: "Templates are resting today" },
                { tag: "refusal without a message", status: 403, body: "{\"error\":1}",
                  toast: "The service's answer could not be read." },
                { tag: "wrong token", status: 200, body: "[]",
                  authorization: "Bearer " + Constants.requestsToken, toast: "The service's answer could not be read." },
                { tag: "no token", status: 200, body: "[]", toast: "The service's answer could not be read." },
                { tag: "not JSON", status: 200, body: "<html>busy</html>", authorization: goodToken,
                  toast: "The service's answer could not be read." },
                { tag: "not a list", status: 200, body: "{\"templates\":[]}", authorization: goodToken,
                  toast: "The service's answer could not be read." },
                { tag: "server failure", status: 503, body: "\"down\"", authorization: goodToken,
                  toast: "The service could not be reached. Check your internet connection." },
                // Ends at the request time limit (shortened to 3 s here), not before.
                { tag: "no answer", hang: true, toast: "The service could not be reached. Check your internet connection." }
            ]
        }

        function test_failuresShowAToastAndEndTheBusyState(data) {
            const answer = data.hang ? { "hang": true } : { "status": data.status, "body": data.body }
            if (data.authorization)
                answer.authorization = data.authorization
            freshTemplates(answer)
            if (data.hang) {
                driver.clickNamed("templatesMenu")
                tryCompare(service, "count", 1)
                verify(driver.screen.loading, "busy while the service keeps silent")
            } else {
                templatesPage()
            }
            tryVerify(() => toastTexts(false).length > 0, 15000, "a toast shows")
            compare(toastTexts(false), [data.toast])
            tryCompare(driver.screen, "loading", false)
            compare(driver.screen.templates.length, 0)
            compare(tagTexts(), ["All"])
            compare(shownCards(), [])
        }
    }
}
