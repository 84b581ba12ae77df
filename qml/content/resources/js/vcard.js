.pragma library

// The application's vCard dialect: contacts are written as version 4.0 cards
// with LF line ends and no folding. Values are escaped as the format asks, so
// that the reader (the native one, which undoes the standard escapes) gives
// every field back unchanged; line breaks come back as LF.

// The stored text fields of a contact, in record order. The "list" field is
// the caller's business and is neither written nor read.
var contactFields = ["lastname", "firstname", "fullname", "telephone",
                     "email", "company", "occupation", "website", "otheremails"]

// A missing field (an older or hand-made record) counts as empty rather than
// turning into the word "undefined" inside the card.
function text(contact, field) {
    var value = contact ? contact[field] : undefined
    return value === undefined || value === null ? "" : String(value)
}

// A line break would end the property line, and a backslash start an escape.
function escapeValue(value) {
    return value.replace(/\\/g, "\\\\").replace(/\r\n|\r|\n/g, "\\n")
}

// Text values and the components of structured ones: a comma or a semicolon
// would separate values.
function escapeText(value) {
    return escapeValue(value).replace(/,/g, "\\,").replace(/;/g, "\\;")
}

// Returns the text of one card for the contact record, without a line end
// after its last line.
function getVCard(contact) {
    var lastname = escapeText(text(contact, "lastname"))
    var firstname = escapeText(text(contact, "firstname"))
    var fullname = escapeText(text(contact, "fullname"))
    var company = escapeText(text(contact, "company"))
    var occupation = escapeText(text(contact, "occupation"))
    var website = escapeValue(text(contact, "website"))
    var email = escapeValue(text(contact, "email"))
    var telephone = escapeValue(text(contact, "telephone"))
    var others = text(contact, "otheremails").split("\n").filter(function (address) {
        return address !== ""
    })

    var lines = ["BEGIN:VCARD", "VERSION:4.0"]
    // Always both components: a lone value would be read as the first name.
    lines.push("N:" + lastname + ";" + firstname)
    lines.push("FN:" + fullname)
    if (company !== "")
        lines.push("ORG:" + company)
    if (occupation !== "") {
        lines.push("ROLE:" + occupation)
        lines.push("TITLE:" + occupation)
    }
    if (website !== "")
        lines.push("URL:" + website)
    // Beside other addresses, the contact's own is marked as the preferred.
    if (email !== "")
        lines.push((others.length > 0 ? "EMAIL;TYPE=INTERNET;PREF=1:" : "EMAIL;TYPE=INTERNET:") + email)
    for (var i = 0; i < others.length; ++i)
        lines.push("EMAIL;TYPE=INTERNET:" + escapeValue(others[i]))
    if (telephone !== "")
        lines.push("TEL;TYPE=voice,cell,pref:" + telephone)
    lines.push("END:VCARD")
    return lines.join("\n")
}
