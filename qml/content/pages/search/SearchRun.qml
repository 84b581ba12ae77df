import QtQuick
import QmlCppBridge
import Parvane
import "../../resources/js/app.js" as AppJs
import "search.js" as Search

// One search run: the web service's answer is worked through one link at a
// time, paced by a 500 ms timer. Each page is fetched by the native page job,
// its addresses filtered by domain and confirmed by the web service's domain
// check, and only then may the next page start, so pages are handled in
// answer order and never overlap. Nothing here waits: the fetch and the
// check report back by signal.
Item {
    id: run

    // Whether addresses of domains other than the requested ones are kept.
    property bool retrieveOther: false
    // Longest wait for the domain check of one page (milliseconds).
    property int checkTimeLimit: 5000
    property alias pageTimeLimit: pageFetch.timeLimit
    property alias pageMaxBytes: pageFetch.maxBytes
    // The one site whose pages are fetched even off the public internet.
    property alias pageOrigin: pageFetch.allowedOrigin

    // The run's query and the service's answer, cleaned (see search.js).
    property string terms: ""
    property string country: ""
    property string language: ""
    property var resultLinks: []
    property int currentIndex: 0
    property int currentSubIndex: 0
    // True once the previous page has been processed: the next may start.
    property bool hasResult: false
    property int total: 0
    property int done: 0
    // Counts runs, so that what an earlier run left in flight is dropped.
    property int generation: 0
    readonly property real progress: total > 0 ? done / total : 0
    readonly property bool checking: pendingCheck !== null
    property var pendingCheck: null

    // A run ended, complete or stopped, after the paging memory was updated.
    signal ended()

    function start(answer, queryTerms, queryCountry, queryLanguage) {
        pageFetch.cancel()
        pendingCheck = null
        generation += 1
        terms = queryTerms
        country = queryCountry
        language = queryLanguage
        resultLinks = answer
        currentIndex = Search.firstWithLinks(answer, 0)
        currentSubIndex = 0
        done = 0
        total = Search.linkCount(answer)
        hasResult = true
        root.lastSearchContacts = []
        root.isSearchRunning = true
        if (currentIndex >= resultLinks.length)
            complete()
    }

    // Ends the run at once; a page already in work is still processed.
    function stop() {
        if (!root.isSearchRunning)
            return
        root.isSearchRunning = false
        AppJs.stopLoading()
        finish()
    }

    function complete() {
        root.isSearchRunning = false
        done = 0
        AppJs.stopLoading()
        finish()
    }

    function finish() {
        root.searchQueries = Search.advancedQueries(root.searchQueries, resultLinks, terms,
                                                    country, language,
                                                    Constants.searchResultPerPage,
                                                    Constants.searchLastStartIndex)
        ended()
    }

    function tick() {
        if (!hasResult)
            return
        if (currentIndex >= resultLinks.length) {
            complete()
            return
        }
        hasResult = false
        pageFetch.fetch(resultLinks[currentIndex].links[currentSubIndex])
    }

    function pageArrived(addresses) {
        const kept = retrieveOther ? addresses : Search.ofRequestedDomains(addresses, resultLinks)
        if (kept.length === 0) {
            advance()
            return
        }
        const body = {
            "os": Constants.os,
            "language": AppJs.serviceLanguage(),
            "domains": Search.domainsOf(kept)
        }
        const reply = WebService.send("POST", Constants.checkDomainsUrl, JSON.stringify(body),
                                      Constants.requestsToken, checkTimeLimit,
                                      Constants.domainCheckMaxBytes)
        const check = { "generation": generation }
        pendingCheck = check
        // Tied to this object: once the page is gone nobody is called back.
        reply.finished.connect(run, function(status, text) {
            if (pendingCheck !== check)
                return
            pendingCheck = null
            const valid = status === 200 ? Search.validAddresses(kept, text) : []
            root.searchContacts = Search.withFound(root.searchContacts, valid, today())
            root.lastSearchContacts = Search.withFound(root.lastSearchContacts, valid, today())
            advance()
        })
    }

    function today() {
        return new Date().toLocaleDateString(Qt.locale(), Locale.ShortFormat)
    }

    function advance() {
        currentSubIndex += 1
        if (currentSubIndex >= resultLinks[currentIndex].links.length) {
            currentIndex = Search.firstWithLinks(resultLinks, currentIndex + 1)
            currentSubIndex = 0
        }
        done += 1
        hasResult = true
        if (currentIndex >= resultLinks.length && root.isSearchRunning)
            complete()
    }

    Timer {
        interval: 500
        repeat: true
        running: root.isSearchRunning
        onTriggered: run.tick()
    }

    PageFetch {
        id: pageFetch

        // The service's own corpus pages, wherever the service runs.
        allowedOrigin: Constants.baseUrl

        onFinished: (url, status, addresses) => run.pageArrived(addresses)
    }
}
