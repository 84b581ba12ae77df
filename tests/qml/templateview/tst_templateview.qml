import QtQuick
import QtTest
import QmlCppBridge
import Parvane
import ParvaneTest

// A template's Preview as a user opens it: the real templates page and detail
// against a service double on the port of the suite's base address, with the
// page really loaded in the web view. A hostile template page may
// neither run its script nor reach another loopback site, which must see
// nothing.
Item {
    id: scene

    AppDriver {
        id: driver
        testCase: testCase
    }

    ServiceDouble {
        id: service
    }

    // Another site on loopback: every request a page makes to it is a fault.
    HttpProbe {
        id: elsewhere
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

        name: "TemplateView"
        when: windowShown

        readonly property string dnsPidFile: "/tmp/parvane-qml-templateview-dns.pid"
        readonly property string goodToken: "Bearer " + Constants.responsesToken
        readonly property string base: Constants.baseUrl

        function page(title, colour, extra) {
            return "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>" + title
                    + "</title></head><body style=\"margin:0;background:" + colour
                    + "\"><h1>" + title + "</h1>" + extra + "</body></html>"
        }

        function hostilePage() {
            const other = elsewhere.url("")
            return "<!DOCTYPE html><html><head><title>Hostile offer</title>"
                    + "<script>document.title = \"script ran\"</script>"
                    + "<script src=\"" + other + "script.js\"></script>"
                    + "<link rel=\"stylesheet\" href=\"" + other + "style.css\">"
                    + "</head><body style=\"margin:0;background:#00ff00\">"
                    + "<img src=\"" + other + "pixel.png\">"
                    + "<iframe src=\"" + other + "frame.html\"></iframe>"
                    + "<img src=\"own.png\"></body></html>"
        }

        function startDns() {
            const result = helper.cmdExcute("/usr/sbin/dnsmasq", [
                "--conf-file=/dev/null", "--port=53", "--listen-address=127.0.88.1",
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
            compare(base, "http://127.0.0.1:27657/", "the suite's base address reached the program")
            verify(service.listen(27657), "the service double listens on the base address's port")
            service.answer("api/app-info", { "status": 200, "authorization": goodToken,
                "body": "{\"version\":\"9.4.0\",\"email\":\"help@velmora.test\",\"phone\":\"+33 1 84 00 00 00\"}" })
            service.answer("api/templates", { "status": 200, "authorization": goodToken,
                "body": JSON.stringify([
                    { "url": base + "templates/spring/?lang=en", "preview": base + "templates/spring/preview.png",
                      "categories": ["Seasonal"] },
                    { "url": base + "templates/hostile/?lang=en", "preview": base + "templates/hostile/preview.png",
                      "categories": ["Promotion"] },
                    { "url": base + "templates/moved/?lang=en", "preview": base + "templates/moved/preview.png",
                      "categories": ["Newsletter"] }]) })
            for (const slug of ["spring", "hostile", "moved"])
                service.answer("templates/" + slug + "/preview.png", { "status": 200, "contentType": "image/png",
                    "file": ":/qt/qml/content/resources/images/logo.png" })
            service.answer("templates/spring/", { "status": 200, "contentType": "text/html; charset=utf-8",
                "body": page("Spring sale at Brightfield", "#ff0000", "") })
            service.answer("templates/hostile/", { "status": 200, "contentType": "text/html; charset=utf-8",
                "body": hostilePage() })
            service.answer("templates/hostile/own.png", { "status": 200, "contentType": "image/png",
                "file": ":/qt/qml/content/resources/images/logo.png" })
            service.answer("templates/moved/", { "status": 302, "contentType": "text/html",
                "location": elsewhere.url("moved.html"), "body": "" })
            service.answer("templates/framed/", { "status": 200, "contentType": "text/html; charset=utf-8",
                "body": page("Framed", "#0000ff", "<iframe src=\"" + base + "templates/moved/?lang=en\"></iframe>") })
            stopDns()
            startDns()
            store.clear()
            driver.start()
            driver.openPage("templatesMenu", "TemplatesPage")
            tryCompare(driver.screen.templates, "length", 3, 15000)
        }

        function cleanupTestCase() {
            driver.stop()
            stopDns()
        }

        // Clicks the card's Preview as a user does; gives the web view.
        function open(card) {
            const button = findChild(driver.find("templateCard" + card), "previewButton")
            const flick = driver.screen.pagesFlickable
            const at = button.mapToItem(flick.contentItem, 0, 0)
            flick.contentY = Math.max(0, Math.min(at.y - 20, flick.contentHeight - flick.height))
            driver.frame()
            driver.click(button)
            tryVerify(() => driver.find("templateWebView", true) !== null, 5000, "the web view is shown")
            return driver.find("templateWebView", true)
        }

        // The same, once the page has loaded and the busy state has ended.
        function preview(card, path) {
            const view = open(card)
            compare(String(view.url), driver.screen.templates[card].url + "&preview=true")
            // Loaded once the service was asked and the view stopped loading.
            tryVerify(() => service.requestsFor(path).length > 0, 20000, "the page is asked for")
            tryVerify(() => !view.loading && view.loadProgress === 100, 20000, "the page loads")
            tryCompare(driver.screen, "loading", false, 5000, "the busy state ends")
            tryVerify(() => view.width > 100 && view.height > 100)
            return view
        }

        function test_previewLoadsTheTemplatePage() {
            service.clear()
            const view = preview(0, "templates/spring/")
            compare(view.title, "Spring sale at Brightfield")
            const asked = service.requestsFor("templates/spring/")
            compare(asked.length, 1, "the page was asked for once")
            compare(asked[0].target, "/templates/spring/?lang=en&preview=true")
            compare(driver.find("templateAddress", true), null, "the view, not the address, is shown")
        }

        function test_aHostilePageRunsNoScriptAndReachesNoOtherSite() {
            service.clear()
            elsewhere.clear()
            const view = preview(1, "templates/hostile/")
            const guard = driver.find("templateWebViewLoader").item.guard
            // The page asked for its other-site style sheet, image and frame
            // and was refused (its script, with scripts off, is not fetched).
            tryVerify(() => guard.blocked >= 3, 10000, "blocked: " + guard.blocked)
            tryCompare(service.requestsFor("templates/hostile/own.png"), "length", 1, 10000,
                       "its own image loads")
            compare(view.title, "Hostile offer", "its script did not run")
            compare(String(view.url), driver.screen.templates[1].url + "&preview=true", "it was not moved on")
            wait(500)
            compare(elsewhere.requests(), [], "the other site saw nothing")
            compare(driver.screen.loading, false)
        }

        // A template page that redirects to another site, shown or in a
        // frame of another page: the view refuses the redirect before
        // anything leaves for that site, every time. The engine sends a
        // redirect on while it asks the request guard, so a refusal there
        // alone came too late now and then: repeated to show the race.
        function test_aRedirectToAnotherSiteIsRefusedBeforeItLeaves() {
            service.clear()
            elsewhere.clear()
            const path = "templates/moved/"
            const view = open(2)
            const address = driver.screen.templates[2].url + "&preview=true"
            for (let round = 1; round <= 40; ++round) {
                if (round > 1)
                    view.url = (round % 2 ? address : base + "templates/framed/?lang=en") + "&round=" + round
                tryVerify(() => service.requestsFor(path).length === round, 20000,
                          "round " + round + " is asked for")
                tryVerify(() => !view.loading, 20000, "round " + round + " ends")
            }
            tryCompare(driver.screen, "loading", false, 5000, "the busy state ends")
            wait(500)
            compare(elsewhere.requests(), [], "the other site saw nothing")
            compare(driver.screen.loading, false)
        }
    }
}
