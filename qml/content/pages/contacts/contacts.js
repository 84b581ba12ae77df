.pragma library

// Rules of contacts and contact lists shared by the contacts page and the
// contact detail: the e-mail check, the full name, the records as stored and
// the work on whole arrays. Pure functions: the callers assign the results.

// The whole text must match; nothing is trimmed first.
var emailPattern = /^[a-zA-Z0-9.!#$%&'*+/=?^_`{|}~-]+@[a-zA-Z0-9-]+(?:\.[a-zA-Z0-9-]+)*$/

function isValidEmail(email) {
    return emailPattern.test(email)
}

// Last name, one space, first name when both are given; else the one given.
function fullName(lastname, firstname) {
    if (lastname !== "" && firstname !== "")
        return lastname + " " + firstname
    return lastname !== "" ? lastname : firstname
}

function text(value) {
    return value === undefined || value === null ? "" : String(value)
}

// As text(), with every empty field the one script string "" rather than a
// string of its own: a quarter of a million cards leave many fields empty,
// and each string is one more object for the garbage collector to visit.
function field(value) {
    return value === undefined || value === null || value === "" ? "" : String(value)
}

// A stored record from the form's seven fields and the list; the full name is
// built here, and any other field is left out.
function makeRecord(fields, list) {
    var lastname = text(fields.lastname)
    var firstname = text(fields.firstname)
    return {
        "lastname": lastname,
        "firstname": firstname,
        "fullname": fullName(lastname, firstname),
        "telephone": text(fields.telephone),
        "email": text(fields.email),
        "company": text(fields.company),
        "occupation": text(fields.occupation),
        "website": text(fields.website),
        "list": text(list)
    }
}

// The first refusal of the name and e-mail checks, or "" when they pass.
// `texts` holds the messages (the caller's translated strings).
function fieldsRefusal(record, texts) {
    if (record.fullname === "")
        return texts.nameRequired
    if (record.email === "")
        return texts.emailRequired
    if (!isValidEmail(record.email))
        return texts.invalidEmail
    return ""
}

function hasContact(contacts, email, list) {
    for (var i = 0; i < contacts.length; ++i) {
        var contact = contacts[i]
        if (contact && contact.email === email && contact.list === list)
            return true
    }
    return false
}

// The positions in `contacts` of the list's contacts, in stored order. One
// pass; the pair (email, list) is unique, so the first contact with the pair
// is the contact itself. Numbers rather than copies of the records: a list
// of a quarter of a million contacts then costs no object per row.
function listIndexes(contacts, list) {
    var shown = []
    for (var i = 0; i < contacts.length; ++i) {
        var c = contacts[i]
        if (c && c.list === list)
            shown.push(i)
    }
    return shown
}

// An import into the list, fed card batches as they are read: cards without
// a name or a valid e-mail are skipped; a card whose e-mail the list already
// holds (from before or from an earlier card) counts as existing. `known` is
// the AddressSet that keeps those addresses. The new records wait in `added`
// until the caller stores them in one assignment.
function startImport(contacts, list, known) {
    known.clear()
    known.insertFromList(contacts, list)
    return { "list": list, "known": known, "added": [], "imported": 0, "existing": 0,
             "parsed": 0 }
}

function importBatch(state, cards) {
    for (var c = 0; c < cards.length; ++c) {
        var card = cards[c]
        ++state.parsed
        if (!card || text(card.fullname) === "" || text(card.email) === ""
                || !isValidEmail(card.email))
            continue
        if (!state.known.insert(card.email)) {
            ++state.existing
            continue
        }
        // One literal shape: quicker to make, and smaller, than fields added
        // one by one, for what may be a quarter of a million records.
        state.added.push({
            "lastname": field(card.lastname),
            "firstname": field(card.firstname),
            "fullname": text(card.fullname),
            "telephone": field(card.telephone),
            "email": text(card.email),
            "company": field(card.company),
            "occupation": field(card.occupation),
            "website": field(card.website),
            "list": state.list
        })
        ++state.imported
    }
}

// The message an import ends with, or "" when every card was imported.
function importMessage(outcome, texts) {
    if (outcome.existing > 0)
        return texts.existing
    if (outcome.imported === 0)
        return texts.noneImported
    if (outcome.imported < outcome.parsed)
        return texts.someNotImported
    return ""
}

// The contacts that remain once the list is deleted, in their order.
function withoutList(contacts, list) {
    var kept = []
    for (var i = 0; i < contacts.length; ++i) {
        if (!contacts[i] || contacts[i].list !== list)
            kept.push(contacts[i])
    }
    return kept
}
