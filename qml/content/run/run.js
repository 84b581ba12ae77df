.pragma library

// Pure helpers of the sending run: building the recipient list and the
// records it sends to, and storing a sending list's progress.

// The whole text must be one address a bulk run can reach: a local part of
// the usual characters in dot-separated words (no leading, trailing or
// doubled dot), one "@", then at least two labels of letters, digits and inner
// hyphens separated by single dots, the last one beginning with a letter and
// at least two characters long ("user@localhost" names no one on the
// Internet). The native run checks addresses with this same pattern.
var addressPattern = /^[A-Za-z0-9!#$%&'*+\/=?^_`{|}~-]+(\.[A-Za-z0-9!#$%&'*+\/=?^_`{|}~-]+)*@([A-Za-z0-9]([A-Za-z0-9-]*[A-Za-z0-9])?\.)+[A-Za-z][A-Za-z0-9-]*[A-Za-z0-9]$/

function isValidAddress(text) {
    return typeof text === "string" && addressPattern.test(text)
}

// A recipient typed in the recipient field: its address, and the display
// name typed with it, which also fills in "{{fullname}}".
function typedRecipient(address, name) {
    return {
        "lastname": "", "firstname": "", "fullname": name || "", "telephone": "",
        "email": address, "company": "", "occupation": "", "website": "", "list": ""
    }
}

// The run's recipients: the list recipients, then one record per entry
// found in the recipient text ({"email", "name"}, or a bare address), repeats
// kept.
function runRecipients(listMembers, typedAddresses) {
    var result = listMembers.slice()
    for (var i = 0; i < typedAddresses.length; ++i) {
        var typed = typedAddresses[i]
        if (typeof typed === "string")
            result.push(typedRecipient(typed, ""))
        else
            result.push(typedRecipient(String(typed.email), typed.name ? String(typed.name) : ""))
    }
    return result
}

// A copy of the record with some fields replaced; records in the stored
// arrays are never changed in place.
function withFields(record, fields) {
    var copy = {}
    var key
    for (key in record)
        copy[key] = record[key]
    for (key in fields)
        copy[key] = fields[key]
    return copy
}

// The sending lists with every list of that name removed and the record put first.
function atFront(lists, record) {
    var result = [record]
    for (var i = 0; i < lists.length; ++i) {
        if (lists[i].name !== record.name)
            result.push(lists[i])
    }
    return result
}

// Interval of the pacing timer at `mailsPs` messages per second, in whole
// milliseconds rounded up.
function interval(mailsPs) {
    return Math.ceil(1000 / mailsPs)
}

// Placeholder fields that a recipient's record can fill in.
var placeholderFields = ["fullname", "lastname", "firstname", "telephone", "email", "company",
                         "occupation", "website"]

// Addresses that differ only in letter case reach the same mailbox.
function addressKey(recipient) {
    return String(recipient.email || "").toLowerCase()
}

// The placeholders written in a text: field name -> {"bare": written as
// "{{field}}", "fallback": written as "{{field|text}}"}, the way the message
// is personalised.
function placeholdersIn(text) {
    var found = Object.create(null)
    var pattern = /\{\{([^{}|]+)(\|[^{}]*)?\}\}/g
    var match
    while ((match = pattern.exec(text)) !== null) {
        var entry = found[match[1]] || { "bare": false, "fallback": false }
        if (match[2] === undefined)
            entry.bare = true
        else
            entry.fallback = true
        found[match[1]] = entry
    }
    return found
}

// What the user confirms before a run: the number of recipients, repeated
// addresses (letter case aside), invalid ones (and which, each once), and for
// each placeholder of the message how many recipients leave it unreplaced. A
// placeholder with a fallback is always replaced.
function runSummary(recipients, messageText) {
    var seen = Object.create(null)
    var listedInvalid = Object.create(null)
    var invalidAddresses = []
    var duplicates = 0
    var invalid = 0
    var i
    for (i = 0; i < recipients.length; ++i) {
        var key = addressKey(recipients[i])
        if (seen[key])
            ++duplicates
        seen[key] = true
        var email = recipients[i].email
        if (!isValidAddress(email)) {
            ++invalid
            var shown = String(email === undefined || email === null ? "" : email)
            if (!listedInvalid[shown]) {
                listedInvalid[shown] = true
                invalidAddresses.push(shown)
            }
        }
    }
    var written = placeholdersIn(messageText)
    var unreplaced = []
    for (var f = 0; f < placeholderFields.length; ++f) {
        var field = placeholderFields[f]
        if (!written[field] || !written[field].bare)
            continue
        var empty = 0
        for (i = 0; i < recipients.length; ++i) {
            var value = recipients[i][field]
            if (typeof value !== "string" || value === "")
                ++empty
        }
        if (empty > 0)
            unreplaced.push({ "field": field, "count": empty })
    }
    return { "total": recipients.length, "duplicates": duplicates, "invalid": invalid,
             "invalidAddresses": invalidAddresses, "unreplaced": unreplaced }
}

// The recipients with each address kept once (letter case aside), first first.
function oncePerAddress(recipients) {
    var seen = Object.create(null)
    var result = []
    for (var i = 0; i < recipients.length; ++i) {
        var key = addressKey(recipients[i])
        if (seen[key])
            continue
        seen[key] = true
        result.push(recipients[i])
    }
    return result
}

// The recipients that an earlier run of the same message did not reach:
// `received` holds the addresses it reached, in lower case.
function splitReceived(recipients, received) {
    if (received.length === 0)
        return { "fresh": recipients }
    var reached = Object.create(null)
    for (var i = 0; i < received.length; ++i)
        reached[received[i]] = true
    var fresh = []
    for (var j = 0; j < recipients.length; ++j) {
        if (!reached[addressKey(recipients[j])])
            fresh.push(recipients[j])
    }
    return { "fresh": fresh }
}
