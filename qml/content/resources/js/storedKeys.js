.pragma library
.import "storedValues.js" as V

// Every stored key, declared once: the group and key it has in the store,
// the object that holds it ("screen" for the main screen, or the page or
// dialog that keeps it), the property, and the check that turns a stored
// value back into one of the expected kind. `read(stored, current, target)`
// returns the value to apply; `current` is the property's value before.
//
// Keys are restored in table order, so a key whose check looks at another
// one comes after it: the selected lists after the lists, and the sender
// name left in the message after the active account (restoring the account
// copies its sender name in).
var keys = [
    // The main screen
    { owner: "screen", group: "preferences", key: "language", property: "userLanguage",
      read: s => V.text(s, "") },
    { owner: "screen", group: "preferences", key: "mailsPs", property: "userMailsPs",
      read: s => V.number(s, 1, n => n > 0) },
    { owner: "screen", group: "preferences", key: "appInfo", property: "appInfo",
      read: s => V.object(s, undefined) },
    { owner: "screen", group: "preferences", key: "suppressBounces", property: "suppressBounces",
      read: s => V.flag(s, true) },

    { owner: "screen", group: "userData", key: "comptes", property: "userComptes",
      read: s => V.records(s, V.accountFields, []) },
    { owner: "screen", group: "userData", key: "activeCompte", property: "userActiveCompte",
      read: (s, current) => V.text(s, current) },
    { owner: "screen", group: "userData", key: "contactsLists", property: "userContactsLists",
      read: s => V.textArray(s, []) },

    { owner: "screen", group: "emailContent", key: "currentSelectedLists", property: "selectedLists",
      read: (s, current, screen) => V.textArray(s, [])
                                     .filter(name => screen.userContactsLists.indexOf(name) >= 0) },

    { owner: "screen", group: "sendingForm", key: "currentSenderName", property: "senderName",
      read: (s, current) => V.text(s, current) },
    { owner: "screen", group: "sendingForm", key: "currentSubject", property: "subject",
      read: s => V.text(s, "") },
    { owner: "screen", group: "sendingForm", key: "currentRecipient", property: "recipient",
      read: s => V.text(s, "") },
    { owner: "screen", group: "sendingForm", key: "unsubscribeLink", property: "unsubscribeLink",
      read: s => V.flag(s, true) },
    { owner: "screen", group: "sendingForm", key: "messageLanguage", property: "messageLanguage",
      read: s => ["", "fr", "en"].indexOf(V.text(s, "")) >= 0 ? V.text(s, "") : "" },
    { owner: "screen", group: "sendingForm", key: "currentEmailContent", property: "detailEmailContent",
      read: s => V.text(s, "") },
    { owner: "screen", group: "sendingForm", key: "sendingLists", property: "sendingLists",
      read: s => V.records(s, V.sendingListFields, []) },
    // The other accounts that share a run's recipients with the active one, and how.
    { owner: "screen", group: "sendingForm", key: "runAccounts", property: "runAccounts",
      read: s => V.textArray(s, []) },
    { owner: "screen", group: "sendingForm", key: "runSpread", property: "runSpread",
      read: s => V.text(s, "fill") === "turns" ? "turns" : "fill" },
    // A run or sending list set to start later: {at (ms), list ("" for the form's run)}.
    { owner: "screen", group: "sendingForm", key: "runSchedule", property: "runSchedule",
      read: s => {
          const schedule = V.object(s, {})
          return typeof schedule.at === "number" && isFinite(schedule.at) && typeof schedule.list === "string"
                  ? { "at": schedule.at, "list": schedule.list } : {}
      } },
    { owner: "screen", group: "sendingForm", key: "attachments", property: "emailAttachments",
      read: s => V.textArray(s, []) },
    { owner: "screen", group: "sendingForm", key: "htmlUrl", property: "detailEmailContentUrl",
      read: s => V.text(s, "") },

    { owner: "screen", group: "search", key: "currentSearchQueries", property: "searchQueries",
      read: s => V.records(s, V.searchQueryFields, []) },
    { owner: "screen", group: "search", key: "currentSearchContacts", property: "searchContacts",
      read: s => V.records(s, V.foundAddressFields, []) },
    { owner: "screen", group: "search", key: "currentLastSearchContacts", property: "lastSearchContacts",
      read: s => V.records(s, V.foundAddressFields, []) },

    // Undefined until the window has been moved once: the window system places it.
    { owner: "screen", group: "window", key: "x", property: "windowX",
      read: s => V.integer(s, undefined) },
    { owner: "screen", group: "window", key: "y", property: "windowY",
      read: s => V.integer(s, undefined) },
    { owner: "screen", group: "window", key: "windowVisibility", property: "windowVisibility",
      read: s => V.integer(s, 0) },

    // The contacts page: the list shown.
    { owner: "contactsPage", group: "contacts", key: "sActiveList", property: "activeList",
      read: s => V.text(s, "") },

    // The search form. Country and language are kept by their keys; an
    // earlier version kept positions in the lists sorted by translated name,
    // which the page turns into the keys they pointed at (once: the key is
    // written back).
    { owner: "searchPage", group: "searchForm", key: "currentTerms", property: "terms",
      read: s => V.text(s, "") },
    { owner: "searchPage", group: "searchForm", key: "currentDomain", property: "domains",
      read: s => V.text(s, "") },
    { owner: "searchPage", group: "searchForm", key: "currentCountry", property: "countryKey",
      read: (s, current, page) => page.storedKey(s, page.countries) },
    { owner: "searchPage", group: "searchForm", key: "currentLanguage", property: "languageKey",
      read: (s, current, page) => page.storedKey(s, page.languages) },
    { owner: "searchPage", group: "searchForm", key: "currentRetrieveOtherDomainesAddress",
      property: "retrieveOther", read: s => s === true || s === "true" },

    // The add-account dialog's form: the server chosen last time. The preset
    // comes last: choosing one fills in the fields before it.
    { owner: "accountForm", group: "account", key: "currentServerName", property: "serverName",
      read: s => V.text(s, "") },
    { owner: "accountForm", group: "account", key: "currentHost", property: "host",
      read: s => V.text(s, "") },
    { owner: "accountForm", group: "account", key: "currentPort", property: "port",
      read: s => V.text(s, "") },
    { owner: "accountForm", group: "account", key: "currentConnection", property: "connectionIndex",
      read: s => V.integer(s, -1) },
    { owner: "accountForm", group: "account", key: "currentServer", property: "presetIndex",
      read: s => V.integer(s, 0) }
]

function keysOf(owner) {
    return keys.filter(entry => entry.owner === owner)
}

// Restores every key of the owner onto the target, then keeps the store
// following each property's changes. A key that had no value, whose stored
// value was unusable, or that a reaction to the restore changed (an active
// account that is gone) is written back as it ends up.
function bind(store, target, owner) {
    const entries = keysOf(owner)
    const stored = entries.map(entry => store.value(entry.group, entry.key))
    entries.forEach((entry, i) => {
        target[entry.property] = entry.read(stored[i], target[entry.property], target)
    })
    entries.forEach((entry, i) => {
        const value = target[entry.property]
        if (differs(stored[i], value))
            store.setValue(entry.group, entry.key, value)
    })
    for (const entry of entries) {
        target[entry.property + "Changed"].connect(function() {
            store.setValue(entry.group, entry.key, target[entry.property])
        })
    }
}

// Arrays are compared by length only: a dropped record shows there.
function differs(stored, value) {
    if (stored === undefined || value === undefined)
        return stored !== value
    if (Array.isArray(stored) !== Array.isArray(value))
        return true
    if (Array.isArray(stored))
        return stored.length !== value.length
    if (typeof stored === "object" && typeof value === "object")
        return false
    return stored !== value
}
