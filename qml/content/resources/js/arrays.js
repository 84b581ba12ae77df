.pragma library

// The range in which two arrays differ, for arrays whose unchanged elements
// are the same objects (records are replaced, never edited in place):
// elements before `start` are the same in both, and so are the elements from
// `beforeEnd` on in `before` and from `afterEnd` on in `after`. One pass of
// identity comparisons, so a change to one record of a long list can be
// handled as that record alone.
function changedRange(before, after) {
    var start = 0
    var shortest = Math.min(before.length, after.length)
    while (start < shortest && before[start] === after[start])
        ++start
    var beforeEnd = before.length
    var afterEnd = after.length
    while (beforeEnd > start && afterEnd > start && before[beforeEnd - 1] === after[afterEnd - 1]) {
        --beforeEnd
        --afterEnd
    }
    return { "start": start, "beforeEnd": beforeEnd, "afterEnd": afterEnd }
}

function isEmptyRange(range) {
    return range.start === range.beforeEnd && range.start === range.afterEnd
}
