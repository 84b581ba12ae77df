import QtQuick
import QmlCppBridge
import Parvane
import "../resources/js/app.js" as AppJs

// The application information of the web service (latest version, contact
// details): fetched at start-up when the machine is online, kept in the main
// screen's appInfo (stored), and read by the about and contact dialogs.
Item {
    id: information

    required property var screen

    // The fields the dialogs show, as plain texts; empty when unknown.
    readonly property string version: field("version")
    readonly property string email: field("email")
    readonly property string phone: field("phone")
    readonly property bool available: version !== "" || email !== "" || phone !== ""

    // A stored record may come from an older or a faulty answer: only texts count.
    function field(name) {
        const record = screen.appInfo
        if (!record || typeof record !== "object" || Array.isArray(record))
            return ""
        const value = record[name]
        return typeof value === "string" || typeof value === "number" ? String(value) : ""
    }

    // The online check's answer, once it came (a request follows when online).
    signal checked(bool online)

    // The online check reports later, so start-up never waits on the network.
    function fetch() {
        const check = onlineCheckComponent.createObject(information)
        check.finished.connect(online => {
            check.destroy()
            if (online)
                request()
            information.checked(online)
        })
        check.start()
    }

    // Only an object carrying the service's token replaces what is known;
    // anything else (refusal, failure, another kind of body) changes nothing.
    function request() {
        const body = { "os": Constants.os, "language": AppJs.serviceLanguage() } // qmllint disable type
        AppJs.sendRequest(Constants.appInfoUrl, "POST", body, Constants.requestsToken,
                          response => {
                              const answer = AppJs.acceptedBody(response, Constants.responsesToken)
                              if (answer && answer.value && typeof answer.value === "object"
                                      && !Array.isArray(answer.value))
                                  information.screen.appInfo = answer.value
                          },
                          () => {}, () => {}, 0, Constants.appInfoMaxBytes)
    }

    Component {
        id: onlineCheckComponent
        OnlineCheck {}
    }
}
