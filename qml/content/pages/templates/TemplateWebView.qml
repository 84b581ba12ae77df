import QtQuick
import QtWebEngine
import QmlCppBridge
import Parvane
import content
import "../../resources/js/app.js" as AppJs

// A template page of the web service. It may load from the service's own
// site only: no other site learns that it was opened and no file is read. No
// scripts, nothing kept after the run, links not followed, and the busy state
// it sets while loading ends after a time limit at the latest. Kept in a file
// of its own and loaded on demand, so that the main screen never needs a web
// engine where none can run.
Item {
    id: holder

    property string url
    readonly property alias view: view
    readonly property alias guard: guard
    readonly property alias certificates: certificates

    WebEngineProfile {
        id: templateProfile
        offTheRecord: true
        httpCacheType: WebEngineProfile.MemoryHttpCache
        persistentCookiesPolicy: WebEngineProfile.NoPersistentCookies
    }

    OriginRequestGuard {
        id: guard
        profile: templateProfile
        origin: Constants.baseUrl
    }

    // A certificate the system does not vouch for passes only when the
    // service's own authorities (PARVANE_API_CA_FILE) do, for this host.
    ServiceCertificateCheck {
        id: certificates
    }

    // A page that keeps loading must not keep the window busy for good.
    Timer {
        id: loadLimit
        interval: AppJs.requestTimeLimit() // qmllint disable type
        onTriggered: {
            view.stop()
            AppJs.stopLoading() // qmllint disable type
            toast.show(myTrStrings.error_while_connecting_to_server, 5000)
        }
    }

    WebEngineView {
        id: view

        objectName: "templateWebView"
        anchors.fill: parent
        profile: templateProfile
        url: holder.url

        settings.javascriptEnabled: false
        settings.javascriptCanOpenWindows: false
        settings.javascriptCanAccessClipboard: false
        settings.localStorageEnabled: false
        settings.pluginsEnabled: false
        settings.localContentCanAccessRemoteUrls: false
        settings.localContentCanAccessFileUrls: false
        settings.dnsPrefetchEnabled: false
        settings.navigateOnDropEnabled: false

        // Links are not followed, and no frame goes to another site. A
        // redirect is refused here, before the engine follows it: its
        // request guard is asked only once the redirect is on its way.
        onNavigationRequested: request => {
            if (request.navigationType === WebEngineNavigationRequest.LinkClickedNavigation
                    || !guard.admits(request.url))
                request.action = WebEngineNavigationRequest.IgnoreRequest
        }

        onCertificateError: error => certificates.decide(error)

        onLoadingChanged: loadingInfo => {
            if (loadingInfo.status === WebEngineView.LoadStartedStatus) {
                AppJs.startLoading()
                loadLimit.restart()
            } else {
                loadLimit.stop()
                AppJs.stopLoading()
            }
        }
    }
}
