.pragma library

// The search run's bookkeeping, free of any view: cleaning the service's
// answer, filtering addresses, inserting found addresses and the paging
// memory. Every function returns new arrays; callers assign them.

// The answer's entries as { domain, links }: entries that are not objects
// are dropped, links that are not text are dropped. An entry may be left
// without links; the run skips it.
function cleanAnswer(answer) {
    const entries = []
    for (const entry of answer) {
        if (entry === null || typeof entry !== "object")
            continue
        const links = Array.isArray(entry.links)
                ? entry.links.filter(link => typeof link === "string") : []
        entries.push({ "domain": String(entry.domain), "links": links })
    }
    return entries
}

function linkCount(entries) {
    let count = 0
    for (const entry of entries)
        count += entry.links.length
    return count
}

// The position of the first entry from `from` on that has a link, or the
// number of entries when none has.
function firstWithLinks(entries, from) {
    let i = from
    while (i < entries.length && entries[i].links.length === 0)
        ++i
    return i
}

// For each entry in answer order, the addresses that hold its domain text
// ("@" included).
function ofRequestedDomains(addresses, entries) {
    const kept = []
    for (const entry of entries) {
        for (const address of addresses) {
            if (address.indexOf(entry.domain) >= 0)
                kept.push(address)
        }
    }
    return kept
}

// The distinct domains of the addresses, without their "@".
function domainsOf(addresses) {
    const domains = []
    for (const address of addresses) {
        const domain = address.substring(address.indexOf("@") + 1)
        if (domains.indexOf(domain) < 0)
            domains.push(domain)
    }
    return domains
}

// The addresses the domain check's answer lets through: for each entry
// reported valid, in answer order, those that hold "@" and its domain. An
// answer that is not a list of such entries lets none through.
function validAddresses(addresses, answerText) {
    let answer
    try {
        answer = JSON.parse(answerText)
    } catch (e) {
        return []
    }
    if (!Array.isArray(answer))
        return []
    const valid = []
    for (const entry of answer) {
        if (entry === null || typeof entry !== "object" || entry.valid !== true
                || typeof entry.domain !== "string")
            continue
        for (const address of addresses) {
            if (address.indexOf("@" + entry.domain) >= 0)
                valid.push(address)
        }
    }
    return valid
}

// `records` with each found address moved (or added) to the front with
// `date`, in the order inserting them one by one at the front gives: the
// last one found comes first; no address stands twice.
function withFound(records, found, date) {
    if (found.length === 0)
        return records
    const front = []
    const taken = Object.create(null)
    for (let i = found.length - 1; i >= 0; --i) {
        if (taken[found[i]] === true)
            continue
        taken[found[i]] = true
        front.push({ "email": found[i], "date": date })
    }
    return front.concat(records.filter(record => taken[record.email] !== true))
}

// The paging memory after a run over `entries`: each entry's query moves to
// the end with the start index of the following page of results, back to 1
// after the last one.
function advancedQueries(queries, entries, terms, country, language, perPage, lastStart) {
    const result = queries.slice()
    for (const entry of entries) {
        const at = result.findIndex(q => q.terms === terms && q.domain === entry.domain
                                    && q.country === country && q.language === language)
        const next = at >= 0 ? Number(result.splice(at, 1)[0].nextStartIndex) : 1
        result.push({
            "terms": terms,
            "domain": entry.domain,
            "country": country,
            "language": language,
            "nextStartIndex": next < lastStart ? next + perPage : 1
        })
    }
    return result
}

// The start index the paging memory holds for a query, 1 for a new one.
function startIndex(queries, terms, domain, country, language) {
    for (const q of queries) {
        if (q.terms === terms && q.domain === domain && q.country === country
                && q.language === language)
            return Number(q.nextStartIndex)
    }
    return 1
}

// The date groups of the found addresses, in order of first appearance,
// each with its number of addresses.
function dateGroups(records) {
    const groups = []
    const byDate = Object.create(null)
    for (const record of records) {
        const date = String(record.date)
        if (byDate[date] === undefined) {
            byDate[date] = groups.length
            groups.push({ "date": date, "count": 0 })
        }
        groups[byDate[date]].count += 1
    }
    return groups
}

// Names sorted as the user's locale orders them.
function sortedByName(records) {
    return records.slice().sort((a, b) => a.name.localeCompare(b.name))
}

// The domains typed in the Domains field, in order, each with its "@":
// "@domain" as typed, a bare "domain" as if typed with its "@", and of an
// address typed whole only its domain (its local part is no domain).
// Separators are free; repeats are left for the caller to drop.
function typedDomains(text) {
    const found = []
    const words = String(text).match(/[a-zA-Z0-9._%+@-]+/g) || []
    for (const word of words) {
        if (word.indexOf("@") >= 0) {
            const inWord = word.match(/@[a-zA-Z0-9.-]+\.[a-zA-Z]{2,}/g) || []
            for (const domain of inWord)
                found.push(domain)
            continue
        }
        // A sentence's full stop or a dash around the name is not part of it.
        const bare = word.replace(/^[.-]+|[.-]+$/g, "")
        if (/^[a-zA-Z0-9-]+(\.[a-zA-Z0-9-]+)*\.[a-zA-Z]{2,}$/.test(bare))
            found.push("@" + bare)
    }
    return found
}

// The position an earlier version stored for a choice (an integer, or its
// text as the INI store gives it back), or null when the value is none.
function storedPosition(stored) {
    if (typeof stored === "number")
        return Number.isInteger(stored) ? stored : null
    if (typeof stored === "string" && /^\s*-?[0-9]+\s*$/.test(stored))
        return Number(stored)
    return null
}

// The paging memory with the query of each given domain back at the first
// page of results: the following pages came back empty.
function restartedQueries(queries, domains, terms, country, language) {
    return queries.map(q => q.terms === terms && domains.indexOf(q.domain) >= 0
                       && q.country === country && q.language === language
                       ? Object.assign({}, q, { "nextStartIndex": 1 }) : q)
}
