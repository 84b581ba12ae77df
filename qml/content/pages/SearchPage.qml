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

    // The form; positions refer to the choosers' lists as sorted now.
    property string terms: ""
    property string domains: ""
    property int countryIndex: -1
    property int languageIndex: -1
    property bool retrieveOther: false

    // Sorted by displayed name once, when the page is created: a change of
    // interface language must not move the stored positions under the user.
    property var countries: []
    property var languages: []
    property SearchChooser countryBox: null
    property SearchChooser languageBox: null
    readonly property alias run: searchRun

    objectName: "SearchPage"
    title: myTrStrings.search

    Component.onCompleted: {
        countries = Search.sortedByName(Constants.countries)
        languages = Search.sortedByName(Constants.searchLanguages)
        StoredKeys.bind(root.settingsStore, page, "searchPage")
        // Positions that no longer fit the lists count as none.
        if (countryIndex < 0 || countryIndex >= countries.length)
            chooseCountry(0)
        else if (languageIndex < 0 || languageIndex >= languages.length)
            setLanguage()
        showChoices()
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
        countryIndex = index
        setLanguage()
        showChoices()
    }

    // The chosen country's first language, unless the language chosen is
    // one of the country's; the first entry when nothing is chosen.
    function setLanguage() {
        const country = countries[countryIndex]
        if (country) {
            const first = languages.findIndex(l => l.key === country.languages[0])
            const current = languages[languageIndex]
            if ((!current || country.languages.indexOf(current.key) < 0) && first >= 0)
                languageIndex = first
        }
        if (languageIndex < 0 || languageIndex >= languages.length)
            languageIndex = 0
        showChoices()
    }

    // Takes the names typed in the choosers, when they name an entry: the
    // language first, so that the country's rule sees it.
    function commitChoices() {
        if (languageBox && languageBox.chosen >= 0 && languageBox.chosen !== languageIndex)
            languageIndex = languageBox.chosen
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
        const found = AppJs.getEmailsDomains(domains)
        const error = formError(found)
        if (error !== "") {
            toast.show(error, 5000)
            return
        }
        AppJs.startLoading()
        root.partialLoading = true
        const country = countries[countryIndex].key
        const language = languages[languageIndex].key
        const queryTerms = terms
        const entries = AppJs.getUniqueValues(found).map(domain => ({
            "domain": domain,
            "start_index": Search.startIndex(root.searchQueries, queryTerms, domain, country, language)
        }))
        const body = {
            "terms": queryTerms,
            "domains": entries,
            "country": country,
            "search_language": language,
            "os": Constants.os,
            "language": AppJs.serviceLanguage()
        }
        AppJs.sendRequest(Constants.searchContactsUrl, "POST", body, Constants.requestsToken,
                          response => {
                              const accepted = AppJs.acceptedBody(response, Constants.responsesToken)
                              if (accepted === null || !Array.isArray(accepted.value)) {
                                  refuse(myTrStrings.invalid_response)
                              } else if (accepted.value.length === 0) {
                                  refuse(myTrStrings.no_matching_items_found)
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

    SearchRun {
        id: searchRun

        onEnded: root.loadDatail(searchDetailComponent)
    }
}
