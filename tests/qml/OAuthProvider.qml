import QtQuick
import QtTest
import ParvaneTest
import QmlCppBridge

// An OAuth 2.0 provider on loopback for the suites (tests/servers/oauth_server.py),
// its SMTP certificate from the mail servers' authority, named to the program
// as its Microsoft registration; and the browser's part, played as a user does.
Item {
    id: provider

    required property var testCase
    // What the server printed: endpoints, client_id, user, smtp port, inbox.
    property var info: ({})

    ServiceProcess {
        id: process
    }

    function start() {
        const work = QmlCppBridge.cmdExcute("mktemp", ["-d"]).text.trim()
        const ca = process.environment("PARVANE_SMTP_CA_FILE")
        const line = process.start("/usr/bin/python3", [process.environment("PARVANE_SOURCE_DIR")
                                                        + "/tests/servers/oauth_server.py", work,
                                                        ca.substring(0, ca.lastIndexOf("/"))])
        testCase.verify(line !== "", process.errors())
        info = JSON.parse(line)
        process.setEnvironment("PARVANE_OAUTH_MICROSOFT_CLIENT_ID", info.client_id)
        process.setEnvironment("PARVANE_OAUTH_MICROSOFT_AUTHORIZE_URL", info.authorize)
        process.setEnvironment("PARVANE_OAUTH_MICROSOFT_TOKEN_URL", info.token)
        BrowserProbe.clear()
    }

    function stop() {
        process.stop()
    }

    function request(verb, url, body) {
        const xhr = new XMLHttpRequest()
        xhr.open(verb, url)
        if (body !== undefined)
            xhr.setRequestHeader("Content-Type", "application/x-www-form-urlencoded")
        xhr.send(body)
        testCase.tryCompare(xhr, "readyState", XMLHttpRequest.DONE, 10000)
        return xhr.responseText
    }

    // The page the program opened last in the browser: its consent posted,
    // the redirect to the program's listener followed (XMLHttpRequest follows it).
    function consent(answer, opened) {
        testCase.tryVerify(() => BrowserProbe.opened.length === opened, 10000)
        const url = BrowserProbe.opened[opened - 1]
        const action = /action="([^"]+)"/.exec(request("GET", url))
        testCase.verify(action, url)
        request("POST", url.split("/authorize")[0] + action[1].replace(/&amp;/g, "&"),
                "consent=" + answer)
    }

    function revokeEverything() {
        request("POST", info.control, "revoke_user=1")
    }

    function events() {
        return JSON.parse(request("GET", info.events))
    }

    function inboxCount() {
        return Number(QmlCppBridge.cmdExcute("sh", ["-c", "ls \"$0\"/*.eml | wc -l",
                                                      info.inbox]).text.trim())
    }
}
