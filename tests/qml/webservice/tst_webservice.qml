import QtQuick
import QtTest
import QmlCppBridge
import Parvane
import ParvaneTest
import "../usability"
import "qrc:/qt/qml/content/resources/js/app.js" as AppJs

// The real window against our real web service, started by the suite on the
// port of the suite's base address with the repository's configuration: the
// application information at start-up, the dialogs that show it, the
// templates page with its preview images and a template's page in the
// preview's web view, and a refusal in the service's words.
Item {
    id: scene

    AppDriver {
        id: driver
        testCase: testCase
    }

    ServiceProcess {
        id: service
    }

    // The main screen as the request helper sees it, for the suite's own requests.
    Item {
        id: mainScreen
        property bool loading: false
        property bool partialLoading: false
        property string userLanguage: "en_EN"
    }

    readonly property var helper: QmlCppBridge

    StoreAccess {
        id: store
        owner: scene
        testCase: testCase
        groups: ({ "preferences": ["language", "appInfo"] })
    }

    TestCase {
        id: testCase

        name: "WebService"
        when: windowShown

        readonly property string dnsPidFile: "/tmp/parvane-qml-webservice-dns.pid"
        readonly property string source: service.environment("PARVANE_SOURCE_DIR")
        readonly property string binary: service.environment("PARVANE_SERVICE_BINARY")
        readonly property string workDir: "/tmp/parvane-qml-webservice-" + Date.now()
        property var config: ({})

        function startDns() {
            const result = helper.cmdExcute("/usr/sbin/dnsmasq", [
                "--conf-file=/dev/null", "--port=53", "--listen-address=127.0.84.6",
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
            verify(binary !== "", "the suite knows the service program")
            compare(Constants.baseUrl, "http://127.0.0.1:27653/")
            // The repository's configuration, on the suite's port.
            config = JSON.parse(helper.textFromFile("file://" + source + "/service/parvane-service.json"))
            config.port = 27653
            config.public_url = Constants.baseUrl
            config.templates = source + "/service/templates"
            config.corpus = source + "/service/corpus"
            compare(helper.cmdExcute("mkdir", ["-p", workDir]).status, 0)
            verify(helper.writeTextFile("file://" + workDir + "/config.json", JSON.stringify(config)))
            const line = service.start(binary, ["--config", workDir + "/config.json"])
            compare(line, "listening on http://127.0.0.1:27653/", service.errors())
            stopDns()
            startDns()
            store.clear()
            driver.start()
        }

        function cleanupTestCase() {
            driver.stop()
            service.stop()
            stopDns()
            helper.cmdExcute("rm", ["-rf", workDir])
        }

        function cleanup() {
            driver.closePopups()
        }

        function test_informationFromTheServiceReachesTheDialogs() {
            tryVerify(() => driver.screen.appInfo !== undefined, 15000,
                      "start-up received the application information")
            compare(driver.screen.appInfo.version, config.version)
            compare(driver.screen.appInfo.email, config.email)
            compare(driver.screen.appInfo.phone, config.phone)

            driver.clickNamed("aboutMenu")
            const about = findChild(driver.screen, "aboutDialog")
            tryCompare(about, "opened", true)
            const upToDate = config.version === Constants.currentVersion
            compare(!!driver.find("latestInstalled", true), upToDate)
            compare(!!driver.find("downloadButton", true), !upToDate)
            driver.closePopups()

            driver.clickNamed("contactUsMenu")
            tryCompare(findChild(driver.screen, "contactUsDialog"), "opened", true)
            compare(driver.find("emailLink", true).text, config.email)
            compare(driver.find("phoneLink", true).text, config.phone)
        }

        function test_templatesPageShowsTheCatalogue() {
            driver.openPage("templatesMenu", "TemplatesPage")
            tryCompare(driver.screen, "loading", false, 15000)
            const templates = driver.screen.templates
            if (templates.length === 0)
                skip("the repository's service/templates holds no template yet")
            const seen = []
            for (let i = 0; i < templates.length; ++i) {
                verify(templates[i].url.startsWith(Constants.baseUrl + "templates/"), templates[i].url)
                verify(templates[i].url.indexOf("?") > 0, "the page address has a query part")
                const card = driver.find("templateCard" + i)
                verify(card, "a card per template")
                tryCompare(findChild(card, "previewImage"), "status", Image.Ready, 15000)
                for (const name of templates[i].categories)
                    if (seen.indexOf(name) < 0)
                        seen.push(name)
            }
            const tags = [driver.find("categoryTagAll").text]
            for (let t = 0; driver.find("categoryTag" + t); ++t)
                tags.push(driver.find("categoryTag" + t).text)
            compare(tags, ["All"].concat(seen))

            // The first category hides the templates without it.
            driver.click(driver.find("categoryTag0", true))
            for (let i = 0; i < templates.length; ++i)
                compare(!!driver.find("templateCard" + i, true),
                        templates[i].categories.indexOf(seen[0]) >= 0)
            driver.click(driver.find("categoryTagAll", true))

            driver.screen.pagesFlickable.contentY = 0
            driver.frame()
            driver.click(findChild(driver.find("templateCard0"), "previewButton"))
            driver.settle()
            compare(driver.screen.detailTemplateUrl, templates[0].url + "&preview=true")

            // The web view loads the template's page as the service serves it:
            // its title is the one of the repository's template file.
            tryVerify(() => driver.find("templateWebView", true) !== null, 5000, "the web view is shown")
            const view = driver.find("templateWebView", true)
            compare(String(view.url), templates[0].url + "&preview=true")
            const slug = templates[0].url.substring((Constants.baseUrl + "templates/").length).split("/")[0]
            const html = helper.textFromFile("file://" + source + "/service/templates/" + slug + "/template.html")
            const title = /<title>([^<]*)<\/title>/.exec(html)[1].replace(/&amp;/g, "&")
            tryVerify(() => !view.loading && view.loadProgress === 100 && view.title === title, 20000,
                      "the page loads: " + view.title)
            tryCompare(driver.screen, "loading", false, 5000, "the busy state ends")
        }

        // The service refuses a request without its token, in words for the user.
        function test_aRefusalIsAMessageInTheServicesWords() {
            const calls = []
            AppJs.sendRequest(Constants.templatesUrl, "POST", { "os": "windows", "language": "en" },
                              "not-the-token", r => calls.push(["success", r]),
                              r => calls.push(["error", r]), () => calls.push(["failure"]))
            tryVerify(() => calls.length > 0, 10000)
            compare(calls[0][0], "error")
            verify(calls[0][1].status >= 400 && calls[0][1].status <= 499)
            const message = AppJs.refusalMessage(calls[0][1])
            verify(message !== null && message.length > 0, "a JSON string: " + calls[0][1].responseText)
        }
    }
}
