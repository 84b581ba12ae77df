.pragma library

// The application's vCard dialect: contacts are written as version 4.0 cards
// with LF line ends and no folding. Values are written as stored except for
// backslashes and line breaks, which are escaped so that the reader (the
// native one, which undoes the standard escapes) gives them back unchanged.

// The stored text fields of a contact, in record order. The "list" field is
// the caller's business and is neither written nor read.
var contactFields = ["lastname", "firstname", "fullname", "telephone",
                     "email", "company", "occupation", "website"]

// A missing field (an older or hand-made record) counts as empty rather than
// turning into the word "undefined" inside the card. A line break would end
// the property line, and a backslash start an escape.
function fieldText(contact, field) {
    var value = contact ? contact[field] : undefined
    if (value === undefined || value === null)
        return ""
    return String(value).replace(/\\/g, "\\\\").replace(/\r\n|\r|\n/g, "\\n")
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
