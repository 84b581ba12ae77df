import QtQuick
import QtTest
import QmlCppBridge
import Parvane
import ParvaneTest

// A template's Preview from a service behind a private certificate authority
// (PARVANE_API_CA_FILE, a test authority made for the run): the web view loads
// the page when the authority vouches for the server's certificate and the
// host, and refuses a self-signed certificate, one of another authority and
// one for another host, before any request reaches the server. Run a second
// time without PARVANE_API_CA_FILE, when nothing extra is trusted.
Item {
    id: scene

    AppDriver {
        id: driver
        testCase: testCase
    }

    ServiceDouble {
        id: service
    }

    // Its environment() reads the suite's environment.
    ServiceProcess {
        id: environment
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

        name: "TemplateViewTls"
        when: windowShown

        readonly property string dnsPidFile: "/tmp/parvane-qml-templateviewtls-dns.pid"
        readonly property string goodToken: "Bearer " + Constants.responsesToken
        readonly property string base: Constants.baseUrl
        readonly property string certs: environment.environment("PARVANE_TEST_CERTS")
        readonly property bool withAuthority: environment.environment("PARVANE_API_CA_FILE") !== ""
        readonly property var slugs: ["authority", "self", "stranger", "otherhost"]
        readonly property var catalogue: slugs.map(slug => ({
            "url": base + "templates/" + slug + "/?lang=en", "preview": base + "templates/" + slug + "/preview.png",
            "categories": ["Newsletter"] }))

        function startDns() {
            const result = helper.cmdExcute("/usr/sbin/dnsmasq", [
                "--conf-file=/dev/null", "--port=53", "--listen-address=127.0.88.2",
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

        // The server's certificate: one of tests/servers/make-test-certs.sh's.
        function serve(name) {
            verify(service.listenTls(27658, certs + "/" + name + ".pem", certs + "/" + name + ".key"),
                   "the service double listens over TLS with " + name)
        }

        function initTestCase() {
            compare(base, "https://localhost:27658/", "the suite's base address reached the program")
            verify(certs !== "" && helper.textFromFile("file://" + certs + "/ca.pem").indexOf("BEGIN CERTIFICATE") >= 0,
                   "the run's certificates were made")
            serve("localhost")
            service.answer("api/app-info", { "status": 200, "authorization": goodToken,
                "body": "{\"version\":\"9.4.0\",\"email\":\"help@velmora.test\",\"phone\":\"+33 1 84 00 00 00\"}" })
            service.answer("api/templates", { "status": 200, "authorization": goodToken,
                                              "body": JSON.stringify(catalogue) })
            for (const slug of slugs) {
                service.answer("templates/" + slug + "/preview.png", { "status": 200, "contentType": "image/png",
                    "file": ":/qt/qml/content/resources/images/logo.png" })
                service.answer("templates/" + slug + "/", { "status": 200, "contentType": "text/html",
                    "body": "<html><head><title>Template " + slug + "</title></head><body>" + slug + "</body></html>" })
            }
            stopDns()
            startDns()
            store.clear()
            driver.start()
            // Without the authority the program cannot fetch the catalogue
            // either: it is the one it had before.
            if (!withAuthority)
                driver.seed({ "templates": catalogue.map(t => Object.assign({}, t, { "preview": "" })) })
            driver.openPage("templatesMenu", "TemplatesPage")
            tryCompare(driver.screen.templates, "length", slugs.length, 15000)
        }

        function cleanupTestCase() {
            driver.stop()
            stopDns()
        }

        // Clicks the card's Preview; gives the web view once its load ended.
        function preview(card) {
            const button = findChild(driver.find("templateCard" + card), "previewButton")
            tryVerify(() => button.enabled, 5000, "Preview can be clicked")
            const flick = driver.screen.pagesFlickable
            const at = button.mapToItem(flick.contentItem, 0, 0)
            flick.contentY = Math.max(0, Math.min(at.y - 20, flick.contentHeight - flick.height))
            driver.frame()
            driver.click(button)
            // The detail of the card before may still be on its way out.
            const address = catalogue[card].url + "&preview=true"
            tryVerify(() => {
                const shown = driver.find("templateWebView", true)
                return shown !== null && String(shown.url) === address
            }, 5000, "the web view shows the card's page")
            return driver.find("templateWebView", true)
        }

        function checks() {
            return driver.find("templateWebViewLoader").item.certificates
        }

        function test_certificates_data() {
            return [
                { tag: "signed by the authority", card: 0, cert: "localhost", loads: withAuthority },
                { tag: "self-signed", card: 1, cert: "self", loads: false },
                { tag: "another authority", card: 2, cert: "stranger", loads: false },
                { tag: "another host", card: 3, cert: "other-host", loads: false }
            ]
        }

        function test_certificates(data) {
            serve(data.cert)
            service.clear()
            const loader = driver.find("templateWebViewLoader")
            const earlier = loader && loader.item ? checks() : null
            const counted = earlier ? [earlier.accepted, earlier.refused] : [0, 0]
            const view = preview(data.card)
            // A new detail counts from nothing.
            const accepted = checks() === earlier ? counted[0] : 0
            const refused = checks() === earlier ? counted[1] : 0
            const path = "templates/" + slugs[data.card] + "/"
            if (data.loads) {
                tryVerify(() => service.requestsFor(path).length > 0, 20000, "the page is asked for")
                tryVerify(() => !view.loading && view.title === "Template " + slugs[data.card], 20000,
                          "the page loads: " + view.title)
                verify(checks().accepted > accepted)
                compare(checks().refused, refused)
            } else {
                // The certificate was decided, then the load ends with the
                // page or with the engine's error page, named after the host;
                // only the second may happen.
                const served = "Template " + slugs[data.card]
                tryVerify(() => checks().refused > refused || checks().accepted > accepted, 20000,
                          "the certificate is decided")
                tryVerify(() => !view.loading && (view.title === "localhost" || view.title === served),
                          20000, view.title)
                compare(service.requestsFor(path).length, 0, "no request reached the server")
                compare(view.title, "localhost")
                // The engine may ask more than once for one page.
                verify(checks().refused > refused)
                compare(checks().accepted, accepted)
            }
            tryCompare(driver.screen, "loading", false, 5000, "the busy state ends")
        }
    }
}
