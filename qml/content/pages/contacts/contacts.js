.pragma library

// Rules of contacts shared by the contacts page and the contact detail: the
// full name, the records as made from the form and the checks. Pure functions.

// Last name, one space, first name when both are given; else the one given.
function fullName(lastname, firstname) {
    if (lastname !== "" && firstname !== "")
        return lastname + " " + firstname
    return lastname !== "" ? lastname : firstname
}

function text(value) {
    return value === undefined || value === null ? "" : String(value)
}

// How a contact is shown: by its full name, else by its address.
function shownName(record) {
    var name = text(record ? record.fullname : "")
    return name !== "" ? name : text(record ? record.email : "")
}

// A stored record from the form's fields and the list: the full name typed,
// else built from the names; any other field is left out.
function makeRecord(fields, list) {
    var lastname = text(fields.lastname)
    var firstname = text(fields.firstname)
    var fullname = text(fields.fullname)
    return {
        "lastname": lastname,
        "firstname": firstname,
        "fullname": fullname !== "" ? fullname : fullName(lastname, firstname),
        "telephone": text(fields.telephone),
        "email": text(fields.email),
        "company": text(fields.company),
        "occupation": text(fields.occupation),
        "website": text(fields.website),
        "otheremails": text(fields.otheremails),
        "list": text(list)
    }
}

// The stored record as the edit form changed it. Fields the form does not
// show are kept; the full name is kept unless it, or a name it is built
// from, was changed: a changed name rebuilds it, a cleared one too.
function editedRecord(stored, fields, list) {
    var record = {}
    for (var key in stored)
        record[key] = stored[key]
    var edited = makeRecord(fields, list)
    for (var field in edited) {
        if (field !== "otheremails")
            record[field] = edited[field]
    }
    var typed = text(fields.fullname)
    var namesChanged = edited.lastname !== text(stored.lastname)
            || edited.firstname !== text(stored.firstname)
    if (typed === text(stored.fullname) && !namesChanged)
        record.fullname = text(stored.fullname)
    else if (typed === text(stored.fullname))
        record.fullname = fullName(edited.lastname, edited.firstname)
    return record
}

// The first refusal of the name and e-mail checks, or "" when they pass.
// `texts` holds the messages (the caller's translated strings);
// `isValidEmail` is the contact book's check, the one imports pass too. A
// contact that came without a name (an import) may stay without one.
function fieldsRefusal(record, texts, isValidEmail, nameOptional) {
    if (record.fullname === "" && !nameOptional)
        return texts.nameRequired
    if (record.email === "")
        return texts.emailRequired
    if (!isValidEmail(record.email))
        return texts.invalidEmail
    return ""
}
