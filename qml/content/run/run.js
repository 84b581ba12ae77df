.pragma library

// Pure helpers of the sending run's interface: storing a sending list's
// progress, and the pacing interval.

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
