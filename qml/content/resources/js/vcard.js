.pragma library

// The application's vCard dialect: contacts are written as version 4.0 cards
// with LF line ends, values exactly as stored (no escaping, no folding), and
// read back by plain text matching, so that our own cards read back whole and
// the common properties of other programs' cards are picked up.

// The stored text fields of a contact, in record order. The "list" field is
// the caller's business and is neither written nor read.
var contactFields = ["lastname", "firstname", "fullname", "telephone",
                     "email", "company", "occupation", "website"]

// A missing field (an older or hand-made record) counts as empty rather than
// turning into the word "undefined" inside the card.
function fieldText(contact, field) {
    var value = contact ? contact[field] : undefined
    return value === undefined || value === null ? "" : String(value)
}

// Returns the text of one card for the contact record, without a line end
// after its last line.
function getVCard(contact) {
    var lastname = fieldText(contact, "lastname")
    var firstname = fieldText(contact, "firstname")
    var fullname = fieldText(contact, "fullname")
    var company = fieldText(contact, "company")
    var occupation = fieldText(contact, "occupation")
    var website = fieldText(contact, "website")
    var email = fieldText(contact, "email")
    var telephone = fieldText(contact, "telephone")

    var lines = ["BEGIN:VCARD", "VERSION:4.0"]
    // With one name only there is no separator: the reader takes a lone N
    // value as the first name.
    if (lastname !== "" && firstname !== "")
        lines.push("N:" + lastname + ";" + firstname)
    else
        lines.push("N:" + lastname + firstname)
    lines.push("FN:" + fullname)
    if (company !== "")
        lines.push("ORG:" + company)
    if (occupation !== "") {
        lines.push("ROLE:" + occupation)
        lines.push("TITLE:" + occupation)
    }
    if (website !== "")
        lines.push("URL:" + website)
    if (email !== "")
        lines.push("EMAIL;TYPE=INTERNET:" + email)
    if (telephone !== "")
        lines.push("TEL;TYPE=voice,cell,pref:" + telephone)
    lines.push("END:VCARD")
    return lines.join("\n")
}

function emptyContact() {
    var contact = {}
    for (var i = 0; i < contactFields.length; ++i)
        contact[contactFields[i]] = ""
    return contact
}

// The property name of a line's name part: without the group prefix
// ("item1.EMAIL") and without parameters ("EMAIL;TYPE=INTERNET,HOME").
// Matching the whole name, rather than looking for "N:" anywhere, keeps
// lines such as "TEL;type=MAIN:" or "TITLE;LANGUAGE=en:" from being taken
// for the contact's name.
function propertyName(namePart) {
    var semicolon = namePart.indexOf(";")
    var name = semicolon >= 0 ? namePart.substring(0, semicolon) : namePart
    var dot = name.lastIndexOf(".")
    return dot >= 0 ? name.substring(dot + 1) : name
}

function applyProperty(contact, name, value) {
    switch (name) {
    case "FN":
        // An empty FN keeps a full name already built from N.
        if (value !== "")
            contact.fullname = value
        break
    case "N":
        contact.lastname = ""
        contact.firstname = value
        if (value.indexOf(";") >= 0) {
            var parts = value.split(";")
            contact.lastname = parts[0]
            contact.firstname = parts[1]
        }
        if (contact.fullname === "")
            contact.fullname = contact.lastname !== ""
                    ? contact.lastname + " " + contact.firstname
                    : contact.firstname
        break
    case "ORG":
        contact.company = value
        break
    case "ROLE":
        if (value !== "")
            contact.occupation = value
        break
    case "TITLE":
        // A non-empty ROLE wins over TITLE whatever their order.
        if (contact.occupation === "")
            contact.occupation = value
        break
    case "URL":
        contact.website = value
        break
    case "EMAIL":
        contact.email = value
        break
    case "TEL":
        contact.telephone = value
        break
    }
}

// Returns the contact records of every card in the text, in the order in
// which the cards end. Each record holds the eight text fields only. Lines
// are split at LF alone: a CR before it stays in the value (the file reader
// already removes CRs). Escapes, encodings and folded lines are not decoded.
function parseVCard(text) {
    var source = text === undefined || text === null ? "" : String(text)
    var lines = source.split("\n")
    var cards = []
    var current = null
    var added = false

    for (var i = 0; i < lines.length; ++i) {
        var line = lines[i]
        if (line.indexOf("BEGIN:VCARD") >= 0) {
            current = emptyContact()
            added = false
            continue
        }
        if (line.indexOf("VERSION:") >= 0)
            continue
        if (line.indexOf("END:VCARD") >= 0) {
            // A card is one record, however many END lines follow it.
            if (current !== null && !added) {
                cards.push(current)
                added = true
            }
            continue
        }
        // Lines before the first card have nothing to act on; a line
        // without a colon carries no value.
        if (line === "" || current === null)
            continue
        var colon = line.indexOf(":")
        if (colon < 0)
            continue
        // The card stays current after its END line: what follows it, up to
        // the next BEGIN, still changes the record already in the result.
        applyProperty(current, propertyName(line.substring(0, colon)), line.substring(colon + 1))
    }
    return cards
}
