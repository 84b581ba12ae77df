.pragma library

// Rules of contacts shared by the contacts page and the contact detail: the
// full name, the records as made from the form, the checks and the import's
// closing message. Pure functions.

// Last name, one space, first name when both are given; else the one given.
function fullName(lastname, firstname) {
    if (lastname !== "" && firstname !== "")
        return lastname + " " + firstname
    return lastname !== "" ? lastname : firstname
}

function text(value) {
    return value === undefined || value === null ? "" : String(value)
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
// `texts` holds the messages (the caller's translated strings);
// `isValidEmail` is the contact book's check, the one imports pass too.
function fieldsRefusal(record, texts, isValidEmail) {
    if (record.fullname === "")
        return texts.nameRequired
    if (record.email === "")
        return texts.emailRequired
    if (!isValidEmail(record.email))
        return texts.invalidEmail
    return ""
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
