import QtQuick
import Parvane
import content
import "../resources/js/app.js" as AppJs
import "../resources/js/storedKeys.js" as StoredKeys
import "search/search.js" as Search

// The address search: the form (kept in the store), the request to the web
// service for pages worth reading, and the run over them (SearchRun), with
// the latest run's count and its buttons below the form.
MyPageLayout {
    id: page

    // The form. Country and language are kept by their keys (two-letter
    // country code, ISO 639-1 language code), so that the interface language,
    // which orders the lists, never changes what was chosen.
    property string terms: ""
    property string domains: ""
    property string countryKey: ""
    property string languageKey: ""
    property bool retrieveOther: false
    // The chosen entries' positions in the lists as sorted now; -1 for none.
    readonly property int countryIndex: countries.findIndex(c => c.key === countryKey)
    readonly property int languageIndex: languages.findIndex(l => l.key === languageKey)

    // Sorted by displayed name, again whenever the interface language
    // changes the names.
    property var countries: []
    property var languages: []
    property SearchChooser countryBox: null
    property SearchChooser languageBox: null
    readonly property alias run: searchRun
    readonly property alias addToListDialog: addDialog

    objectName: "SearchPage"
    title: myTrStrings.search

    Component.onCompleted: {
        sortLists()
        StoredKeys.bind(root.settingsStore, page, "searchPage")
        // A key that names no entry counts as none.
        if (countryIndex < 0)
            chooseCountry(0)
        else if (languageIndex < 0)
            setLanguage()
        showChoices()
    }

    Connections {
        target: Constants

        function onCountriesChanged() {
            page.sortLists()
            page.showChoices()
        }
        function onSearchLanguagesChanged() {
            page.sortLists()
            page.showChoices()
        }
    }

    function sortLists() {
        countries = Search.sortedByName(Constants.countries)
        languages = Search.sortedByName(Constants.searchLanguages)
    }

    // The key of a stored choice: a key as it is, and a position (what an
    // earlier version stored) as the key of the entry it pointed at in the
    // list sorted as then. The lists are sorted in the stored interface
    // language, which start-up has put in use before any page is created.
    // "" when it names no entry.
    function storedKey(stored, list) {
        const position = Search.storedPosition(stored)
        if (position !== null)
            return position >= 0 && position < list.length ? list[position].key : ""
        const key = typeof stored === "string" ? stored : ""
        return list.some(entry => entry.key === key) ? key : ""
    }

    function showChoices() {
        if (countryBox) {
            countryBox.currentIndex = countryIndex
            countryBox.editText = countryIndex >= 0 ? countries[countryIndex].name : ""
        }
        if (languageBox) {
            languageBox.currentIndex = languageIndex
            languageBox.editText = languageIndex >= 0 ? languages[languageIndex].name : ""
        }
    }

    function chooseCountry(index) {
        countryKey = index >= 0 && index < countries.length ? countries[index].key : ""
        setLanguage()
        showChoices()
    }

    function chooseLanguage(index) {
        languageKey = index >= 0 && index < languages.length ? languages[index].key : ""
    }

    // The chosen country's first language, unless the language chosen is
    // one of the country's; the first entry when nothing is chosen.
    function setLanguage() {
        const country = countries[countryIndex]
        if (country) {
            const first = languages.findIndex(l => l.key === country.languages[0])
            const current = languages[languageIndex]
            if ((!current || country.languages.indexOf(current.key) < 0) && first >= 0)
                chooseLanguage(first)
        }
        if (languageIndex < 0)
            chooseLanguage(0)
        showChoices()
    }

    // Takes the names typed in the choosers, when they name an entry: the
    // language first, so that the country's rule sees it.
    function commitChoices() {
        if (languageBox && languageBox.chosen >= 0 && languageBox.chosen !== languageIndex)
            chooseLanguage(languageBox.chosen)
        if (countryBox && countryBox.chosen >= 0 && countryBox.chosen !== countryIndex)
            chooseCountry(countryBox.chosen)
    }

    function clear() {
        terms = ""
        domains = ""
        chooseCountry(0)
    }

    // The first check that fails, as its text; "" when the form is complete.
    function formError(found) {
        if (terms === "")
            return myTrStrings.terms_is_required
        if (domains === "")
            return myTrStrings.domains_is_required
        if (!countryBox || countryBox.chosen < 0 || countryBox.chosen !== countryIndex)
            return myTrStrings.country_is_required
        if (!languageBox || languageBox.chosen < 0 || languageBox.chosen !== languageIndex)
            return myTrStrings.language_is_required
        if (found.length === 0)
            return myTrStrings.no_valid_domains_found
        return ""
    }

    function search() {
        if (!root.isOnline()) {
            connexionDialog.open()
            return
        }
        commitChoices()
        const found = Search.typedDomains(domains)
        const error = formError(found)
        if (error !== "") {
            toast.show(error, 5000)
            return
        }
        AppJs.startLoading()
        root.partialLoading = true
        const country = countryKey
        const language = languageKey
        const queryTerms = terms
        const entries = AppJs.getUniqueValues(found).map(domain => ({
            "domain": domain,
            "start_index": Search.startIndex(root.searchQueries, queryTerms, domain, country, language)
        }))
        request(queryTerms, entries, country, language)
    }

    // Sends the address search. An empty answer to a query that had paged on
    // beyond the first results starts it again, once, from the first page:
    // otherwise it would answer "nothing found" for ever.
    function request(queryTerms, entries, country, language) {
        const body = {
            "terms": queryTerms,
            "domains": entries,
            "country": country,
            "search_language": language,
            "os": Constants.os,
            "language": AppJs.serviceLanguage() // qmllint disable type
        }
        AppJs.sendRequest(Constants.searchContactsUrl, "POST", body, Constants.requestsToken,
                          response => {
                              const accepted = AppJs.acceptedBody(response, Constants.responsesToken)
                              if (accepted === null || !Array.isArray(accepted.value)) {
                                  refuse(myTrStrings.invalid_response)
                              } else if (accepted.value.length === 0) {
                                  const paged = entries.filter(e => e.start_index > 1)
                                  if (paged.length === 0) {
                                      refuse(myTrStrings.no_matching_items_found)
                                      return
                                  }
                                  root.searchQueries = Search.restartedQueries(
                                              root.searchQueries, paged.map(e => e.domain),
                                              queryTerms, country, language)
                                  successToast.show(qsTr("No further results: the search started again from the first results."),
                                                    5000)
                                  request(queryTerms,
                                          entries.map(e => ({ "domain": e.domain, "start_index": 1 })),
                                          country, language)
                              } else {
                                  searchRun.retrieveOther = retrieveOther
                                  searchRun.start(Search.cleanAnswer(accepted.value), queryTerms,
                                                  country, language)
                              }
                          },
                          response => {
                              const message = AppJs.refusalMessage(response)
                              refuse(message !== null ? message : myTrStrings.invalid_response)
                          },
                          () => refuse(myTrStrings.error_while_connecting_to_server),
                          0, Constants.searchMaxBytes)
    }

    function refuse(text) {
        AppJs.stopLoading() // qmllint disable type
        toast.show(text, 5000)
    }

    content: Component {
        SearchForm {
            form: page
        }
    }

    AddToListDialog {
        id: addDialog
    }

    SearchRun {
        id: searchRun

        onEnded: root.loadDatail(searchDetailComponent)
    }
}
