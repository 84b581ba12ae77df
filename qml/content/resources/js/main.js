// Script helpers shared by every view: the busy flag, file names and file
// addresses, e-mail domain extraction, de-duplication, joining addresses,
// clipboard copy with a toast and random identifiers.
//
// Not a library script on purpose: it is evaluated in the context of the view
// that imports it, so it reaches the main screen ("mainScreen", or "root"
// inside the main screen's own tests), the hidden clipboard editor
// "copyTextEdit" and the success toast "successToast" by their ids. The
// functions keep no state of their own.

// An "@domain" written in text.
var domainPattern = /@[a-zA-Z0-9.-]+\.[a-zA-Z]{2,}/g
var randomCharacters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789"

// The object that carries the busy flags: the window knows the main screen as
// "mainScreen"; a main screen loaded on its own (tests) is "root".
function busyScreen() {
    if (typeof mainScreen !== "undefined" && mainScreen)
        return mainScreen
    return root
}

function startLoading() {
    var screen = busyScreen()
    if (!screen.loading)
        screen.loading = true
}

// Not counted: one stop ends the busy state however many starts preceded it.
// A search run is the exception: its partial busy state lasts as long as the
// run, whatever panel is shown (and so ends busy states of its own) meanwhile.
function stopLoading() {
    var screen = busyScreen()
    if (screen.isSearchRunning === true)
        return
    if (screen.loading) {
        screen.loading = false
        screen.partialLoading = false
    }
}

// Text after the last "/", or the whole text when there is none.
function fileBaseName(str) {
    var text = String(str)
    return text.substring(text.lastIndexOf("/") + 1)
}

// Percent-escapes of a file address stand for the characters of the file's
// real name; a malformed escape is kept as written rather than lost.
function decodePath(text) {
    try {
        return decodeURIComponent(text)
    } catch (e) {
        return text
    }
}

// File address to local path. "file:///C:/mails/offer.pdf" gives
// "C:/mails/offer.pdf" on every system; "file:///home/u/a%20b.html" gives
// "/home/u/a b.html" where absolute paths begin with "/"; "file://host/share/x"
// gives the network path "//host/share/x". Text that is not a file address
// comes back unchanged.
function urlToString(url) {
    var text = String(url)
    if (text.indexOf("file://localhost/") === 0)
        text = "file:///" + text.substring(17)
    var prefix = "file:///"
    var at = text.indexOf(prefix)
    // A file address with a host names a network share.
    if (at < 0 && text.indexOf("file://") === 0 && text.length > 7)
        return "//" + decodePath(text.substring(7))
    if (at < 0)
        return text
    if (at > 0)
        return text.substring(0, at) + text.substring(at + prefix.length)

    var rest = text.substring(prefix.length)
    if (/^[A-Za-z]:/.test(rest) || Qt.platform.os === "windows")
        return decodePath(rest)
    return decodePath("/" + rest)
}

// Markup with everything the rich-text renderer would load taken out
// (images, backgrounds, style sheets and CSS addresses), so that showing a
// pasted template never fetches anything, near or far. An emptied address
// would not do: the renderer resolves it to the document itself.
function withoutResources(markup) {
    return String(markup)
        .replace(/<link\b[^>]*>/gi, "")
        .replace(/@import[^;]*;?/gi, "")
        .replace(/<img\b[^>]*>/gi, "")
        .replace(/\bbackground\s*=\s*("[^"]*"|'[^']*'|[^\s>]+)/gi, "")
        .replace(/url\s*\([^)]*\)/gi, "none")
}

function matches(str, pattern) {
    if (str === undefined || str === null)
        return []
    return String(str).match(pattern) || []
}

// Every "@domain" in the text, left to right, each with its "@".
function getEmailsDomains(str) {
    return matches(str, domainPattern)
}

// First occurrences in their order; later repeats dropped.
// Plain values are looked up by kind and text in a bare object: this
// engine's Set searches its keys one by one, quadratic on long inputs.
function getUniqueValues(array) {
    var seen = Object.create(null)
    var objects = []
    var result = []
    for (var i = 0; i < array.length; ++i) {
        var value = array[i]
        if (value !== null && (typeof value === "object" || typeof value === "function")) {
            if (objects.indexOf(value) >= 0)
                continue
            objects.push(value)
        } else {
            var key = typeof value + ":" + String(value)
            if (seen[key] === true)
                continue
            seen[key] = true
        }
        result.push(value)
    }
    return result
}

// The "email" fields joined by ";". A ";" goes in only once the text is
// non-empty, so an empty first address adds nothing.
function contactsToText(array) {
    var text = ""
    for (var i = 0; i < array.length; ++i) {
        var record = array[i]
        var email = record && record.email !== undefined && record.email !== null
                ? String(record.email) : ""
        if (text !== "")
            text += ";"
        text += email
    }
    return text
}

// Copies through the window's hidden editor, which reaches the system
// clipboard on every platform, then confirms in the dialog when one is given.
function copyToClipboard(text, notifyText, dialog) {
    copyTextEdit.text = text
    copyTextEdit.selectAll()
    copyTextEdit.copy()
    copyTextEdit.deselect()
    if (dialog)
        dialog.showSuccessToast(notifyText)
    else
        successToast.show(notifyText, 5000)
}

// Identifiers, not secrets: the ordinary random source is enough.
function getRandomString(length) {
    var result = ""
    for (var i = 0; i < length; ++i)
        result += randomCharacters.charAt(Math.floor(Math.random() * randomCharacters.length))
    return result
}

// ---- Web service requests ----

// A request left unanswered this long (milliseconds) counts as failed: the
// main screen's "requestTimeLimit", which tests shorten.
function requestTimeLimit() {
    var screen = busyScreen()
    return screen && screen.requestTimeLimit > 0 ? screen.requestTimeLimit : 30000
}
// Largest answer taken from the service unless the caller names its own bound.
var requestMaxBytes = 1024 * 1024

// The interface language sent with every request: "en" of "en_EN", empty
// while none has been chosen.
function serviceLanguage() {
    var screen = busyScreen()
    var tag = screen && screen.userLanguage ? String(screen.userLanguage) : ""
    return tag.split("_")[0]
}

// The token of an answer's Authorization header: only a header reading
// exactly "Bearer " and the token counts; undefined otherwise.
function responseToken(header) {
    var text = header === null || header === undefined ? "" : String(header)
    return text.indexOf("Bearer ") === 0 ? text.substring(7) : undefined
}

// Sends `data` as compact JSON (keys in the caller's order) with the bearer
// token and calls exactly one callback later: successCallback(response) for
// 200 to 399, errorCallback(response) for 400 to 499, failureCallback() for
// anything else, no answer, or no answer within the time limit (`timeLimit`
// milliseconds, requestTimeLimit() when not given). `response` holds status,
// responseText and token. Redirects are not followed. An answer longer than
// `maxBytes` (requestMaxBytes when not given) is dropped unread and counts
// as no answer, so nothing over its bound is parsed or stored.
function sendRequest(url, method, data, token, successCallback, errorCallback, failureCallback,
                     timeLimit, maxBytes) {
    var reply = Native.WebService.send(method, url, JSON.stringify(data), token,
                                       timeLimit > 0 ? timeLimit : requestTimeLimit(),
                                       maxBytes > 0 ? maxBytes : requestMaxBytes)
    // Tied to the view that asked: once it is gone, nobody is called back.
    reply.finished.connect(busyScreen(), function(status, text, authorization) {
        if (status >= 200 && status <= 499) {
            var response = {
                "status": status,
                "responseText": text,
                "token": responseToken(authorization)
            }
            if (status <= 399)
                successCallback(response)
            else
                errorCallback(response)
        } else {
            failureCallback()
        }
    })
}

// The parsed body of a successful answer, as { value }, or null when the
// answer lacks the expected token or its body is not JSON.
function acceptedBody(response, expectedToken) {
    if (!response || response.token !== expectedToken)
        return null
    try {
        return { "value": JSON.parse(response.responseText) }
    } catch (e) {
        return null
    }
}

// The service's message of a refusal: its body as a JSON string, or null
// when the body is anything else or a string with nothing to read (an empty
// toast would tell the user nothing).
function refusalMessage(response) {
    try {
        var message = JSON.parse(response.responseText)
        return typeof message === "string" && message.trim() !== "" ? message : null
    } catch (e) {
        return null
    }
}

// Whether `url` is an http or https address of the same site as `base`
// (scheme and authority alike, letter case aside). Addresses from the web
// service's answers are opened or loaded only when they pass.
function sameOrigin(url, base) {
    var pattern = /^(https?):\/\/([^\/?#]+)/i
    var a = pattern.exec(String(url))
    var b = pattern.exec(String(base))
    return a !== null && b !== null && a[1].toLowerCase() === b[1].toLowerCase()
           && a[2].toLowerCase() === b[2].toLowerCase()
}
