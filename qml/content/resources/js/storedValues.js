.pragma library

// Checks values read back from the settings store before the main screen uses
// them. The store is editable outside the program and older versions may have
// written other shapes, so every reader returns a value of the expected kind:
// the initial value when the stored one is unusable, and for arrays of
// records only the elements that are records (one damaged record must not
// cost the user every other one).
//
// The INI store gives numbers and booleans back as text, so numeric text
// counts as a number here.

// Field names and kinds of the records kept in arrays. "text" fields accept
// strings, and numbers or booleans written as such (turned into text);
// missing text fields read as "". Fields not named here are kept as they are.
var accountFields = {
    "senderName": "text", "serverName": "text", "serverHost": "text", "serverPort": "text",
    "connection": "text", "address": "text", "password": "text"
}
var searchQueryFields = {
    "terms": "text", "domain": "text", "country": "text", "language": "text",
    "nextStartIndex": "startIndex"
}
var foundAddressFields = { "email": "text", "date": "text" }
var sendingListFields = {
    "name": "text", "tasks": "textArray", "output": "text", "done": "count", "nextTask": "count"
}

function isRecord(value) {
    return value !== null && typeof value === "object" && !Array.isArray(value)
}

// The store hands lists back as arrays, and string lists sometimes as
// array-like sequences; anything else with a length (a string) is not a list.
function asArray(value) {
    if (Array.isArray(value))
        return value
    if (value !== null && typeof value === "object" && typeof value.length === "number")
        return Array.prototype.slice.call(value)
    return null
}

// A stored value of no kind at all: the key is absent, or an empty list that
// the INI store writes as an invalid value.
function isAbsent(value) {
    return value === undefined || value === null
}

function text(value, initial) {
    if (typeof value === "string")
        return value
    if (typeof value === "number" && isFinite(value))
        return String(value)
    if (typeof value === "boolean")
        return String(value)
    return initial
}

// A boolean, or its text as the INI store gives it back.
function flag(value, initial) {
    if (typeof value === "boolean")
        return value
    if (value === "true" || value === "false")
        return value === "true"
    return initial
}

function toNumber(value) {
    if (typeof value === "number")
        return value
    if (typeof value === "string" && value.trim() !== "")
        return Number(value)
    return NaN
}

// A finite number (or numeric text) accepted by the optional check.
function number(value, initial, accept) {
    var n = toNumber(value)
    if (!isFinite(n))
        return initial
    if (accept && !accept(n))
        return initial
    return n
}

function integer(value, initial, accept) {
    var n = toNumber(value)
    if (!isFinite(n))
        return initial
    n = Math.round(n)
    if (accept && !accept(n))
        return initial
    return n
}

// The elements of a stored array that `keep` accepts (it returns the element
// to keep, or null to drop it); the initial value when there is no array.
function filteredArray(value, initial, keep) {
    if (isAbsent(value))
        return initial
    var list = asArray(value)
    if (list === null)
        return initial
    var result = []
    for (var i = 0; i < list.length; ++i) {
        var kept = keep(list[i])
        if (kept !== null)
            result.push(kept)
    }
    return result
}

// An array of strings; elements of another kind are dropped.
function textArray(value, initial) {
    return filteredArray(value, initial, function(element) {
        return typeof element === "string" ? element : null
    })
}

// One field of a record; returns undefined when the value cannot be used.
function field(kind, value) {
    switch (kind) {
    case "text":
        return isAbsent(value) ? "" : text(value, undefined)
    case "textArray":
        return isAbsent(value) ? [] : (asArray(value) === null ? undefined : textArray(value, []))
    case "count":
        return isAbsent(value) ? 0 : integer(value, undefined, function(n) { return n >= 0 })
    case "startIndex":
        return isAbsent(value) ? 1 : integer(value, undefined, function(n) { return n >= 1 })
    }
    return undefined
}

// A copy of the record with every named field of the expected kind, or null
// when the value is not a record or a field cannot be read as its kind.
function record(value, fields) {
    if (!isRecord(value))
        return null
    var result = {}
    for (var name in value)
        result[name] = value[name]
    for (var key in fields) {
        var checked = field(fields[key], value[key])
        if (checked === undefined)
            return null
        result[key] = checked
    }
    return result
}

// An array of records; elements that are not records of that shape are dropped.
function records(value, fields, initial) {
    return filteredArray(value, initial, function(element) { return record(element, fields) })
}

// A record stored whole (the app information): any plain object.
function object(value, initial) {
    return isRecord(value) ? value : initial
}
