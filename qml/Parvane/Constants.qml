pragma Singleton
import QtQuick
import QmlCppBridge

// Theme, tables and limits shared by every view.
QtObject {
    readonly property string currentVersion: "2.1.1"

    // Design size of the main window.
    readonly property int width: 1000
    // Small enough for a 1366 x 768 screen less its taskbar.
    readonly property int height: 660

    // Theme: the application has a single dark look.
    readonly property bool isDarkTheme: true

    readonly property color primaryColor: "#1d2226"
    readonly property color primaryDarkColor: "#121619"
    readonly property color primaryLigthColor: "#3e4348"
    readonly property color primaryLigthColor2: "#5d6267"
    readonly property color primaryLigthColor3: "#70767b"
    readonly property color primaryLigthColor4: "#b8bec4"
    readonly property color primaryLigthColor5: "#dbe1e7"
    readonly property color primaryLigthColor6: "#e9eff5"
    readonly property color primaryLigthColor8: "#f4fbff"

    readonly property color secondaryColor: "#2196F3"
    readonly property color secondaryDarkColor: "#1045a1"
    readonly property color secondaryLigthColor: "#42a4f5"
    // The secondary blue under white button and tag text, a shade darker.
    readonly property color secondaryButtonColor: "#1976d2"

    readonly property color successColor: "#3bad35"
    readonly property color warningLigthColor3: "#fe8d00"
    // Darker shades of the same hues under white text (toasts), and a lighter
    // red for text on the dark backgrounds: each reads at 4.5:1 or better.
    readonly property color successDarkColor: "#2a7d26"
    readonly property color warningDarkColor: "#a55c00"
    readonly property color errorTextColor: "#d47674"
    readonly property color errorColor: "#ad3835"
    readonly property color errorLigthColor: "#ad3835"
    readonly property color errorLigthColor2: "#ba3e3b"
    readonly property color errorLigthColor3: "#cc4742"

    readonly property color menuTextColor: "#ebf2f7"
    readonly property color disabledItemColor: "#9EA4A9"
    // Placeholder text of the input fields, readable on primaryDarkColor.
    readonly property color placeholderTextColor: "#878d93"
    readonly property color buttonTextColor: "#FFFFFF"
    readonly property color backgroundColor: primaryColor

    // Font sizes, in points.
    readonly property int buttonFontSize: 10
    readonly property int labelFontSize: 11
    readonly property int inputFontSize: 12
    readonly property int tagFontSize: 9
    readonly property int sideMenuFontSize: 8
    readonly property int dialogTitleFontSize: 16

    readonly property font font: Qt.font({
        "family": Qt.application.font.family, // qmllint disable type
        "pointSize": labelFontSize
    })
    readonly property font largeFont: Qt.font({
        "family": Qt.application.font.family, // qmllint disable type
        "pointSize": dialogTitleFontSize
    })

    // Control sizes, in pixels.
    readonly property int smallButtonHeight: 30
    readonly property int buttonHeight: 40
    readonly property int radius: 5
    readonly property int toastDefaultDuration: 5000
    readonly property int toastMinimumDuration: 600

    // Sending speeds in messages per second, in the order of the settings menu.
    readonly property var mailsPs: [0.0016667, 0.003334, 0.00555567, 0.016667, 1, 5, 10]

    // Interface languages, in menu order; icons live under
    // "resources/images/flags/16x16/" of the content module.
    readonly property var languages: [
        { "key": "en_EN", "lang": "English", "icon": "en.png" },
        { "key": "fr_FR", "lang": "Français", "icon": "fr.png" }
    ]

    // Contact fields that a message may quote between the two delimiters of
    // contactDataTag, for example {{firstname}}.
    readonly property var contactData: ["fullname", "lastname", "firstname", "telephone",
        "email", "company", "occupation", "website"]
    readonly property var contactDataTag: ["{{", "}}"]

    readonly property int maxSendingListTasks: 100

    // The web service. Its base address ends in "/": the loopback service of
    // scripts/run.sh unless PARVANE_API_BASE_URL names another.
    readonly property string baseUrl: WebService.baseUrl
    readonly property string apiBaseUrl: baseUrl + "api/"
    readonly property string downloadAppUrl: baseUrl + "download?os=windows"
    readonly property string appInfoUrl: apiBaseUrl + "app-info"
    readonly property string searchContactsUrl: apiBaseUrl + "search/contacts"
    readonly property string checkDomainsUrl: apiBaseUrl + "check/domains"
    readonly property string templatesUrl: apiBaseUrl + "templates"
    readonly property string os: "windows"
    // Fixed tokens: the one the service expects, and the one its answers carry.
    // Largest answer each request takes: more is dropped unread, never parsed or stored.
    readonly property int appInfoMaxBytes: 64 * 1024
    readonly property int templatesMaxBytes: 2 * 1024 * 1024
    readonly property int searchMaxBytes: 1024 * 1024
    readonly property int domainCheckMaxBytes: 256 * 1024
    readonly property string requestsToken: "3f0c9a12-7b4e-4d21-a8c5-0e6b2f91d7a3"
    readonly property string responsesToken: "9a7e51c0-2d3b-4f86-b1e4-75c8a06d3e29"

    // Paging of the address search: start indexes 1, 11, ... 91, then 1 again.
    readonly property int searchResultPerPage: 10
    readonly property int searchLastStartIndex: 91

    // Countries of the search form, in table order: the key sent to the web
    // service, the name (French source text, English in the translation) and
    // the search languages spoken there, the first being the default one.
    readonly property var countries: [
        { key: "AD", name: qsTr("Andorre"), languages: ["ca"] },
        { key: "AE", name: qsTr("Émirats arabes unis"), languages: ["ar"] },
        { key: "AF", name: qsTr("Afghanistan"), languages: ["ps", "uz", "tk"] },
        { key: "AG", name: qsTr("Antigua-et-Barbuda"), languages: ["en"] },
        { key: "AI", name: qsTr("Anguilla"), languages: ["en"] },
        { key: "AL", name: qsTr("Albanie"), languages: ["sq"] },
        { key: "AM", name: qsTr("Arménie"), languages: ["hy", "ru"] },
        { key: "AO", name: qsTr("Angola"), languages: ["pt"] },
        { key: "AQ", name: qsTr("Antarctique"), languages: ["en", "fr", "ru", "pt"] },
        { key: "AR", name: qsTr("Argentine"), languages: ["es", "gn"] },
        { key: "AS", name: qsTr("Samoa américaines"), languages: ["en", "sm"] },
        { key: "AT", name: qsTr("Autriche"), languages: ["de"] },
        { key: "AU", name: qsTr("Australie"), languages: ["en"] },
        { key: "AW", name: qsTr("Aruba"), languages: ["nl", "pa"] },
        { key: "AX", name: qsTr("Îles Åland"), languages: ["sv"] },
        { key: "AZ", name: qsTr("Azerbaïdjan"), languages: ["az"] },
        { key: "BA", name: qsTr("Bosnie-Herzégovine"), languages: ["bs", "hr", "sr"] },
        { key: "BB", name: qsTr("Barbade"), languages: ["en"] },
        { key: "BD", name: qsTr("Bangladesh"), languages: ["bn"] },
        { key: "BE", name: qsTr("Belgique"), languages: ["nl", "fr", "de"] },
        { key: "BF", name: qsTr("Burkina Faso"), languages: ["fr"] },
        { key: "BG", name: qsTr("Bulgarie"), languages: ["bg"] },
        { key: "BH", name: qsTr("Bahreïn"), languages: ["ar"] },
        { key: "BI", name: qsTr("Burundi"), languages: ["fr"] },
        { key: "BJ", name: qsTr("Bénin"), languages: ["fr"] },
        { key: "BL", name: qsTr("Saint-Barthélemy"), languages: ["fr"] },
        { key: "BM", name: qsTr("Bermudes"), languages: ["en"] },
        { key: "BN", name: qsTr("Brunei"), languages: ["ms"] },
        { key: "BO", name: qsTr("Bolivie"), languages: ["es", "ay", "qu"] },
        { key: "BQ", name: qsTr("Pays-Bas caribéens"), languages: ["nl"] },
        { key: "BR", name: qsTr("Brésil"), languages: ["pt"] },
        { key: "BS", name: qsTr("Bahamas"), languages: ["en"] },
        { key: "BV", name: qsTr("Île Bouvet"), languages: ["no"] },
        { key: "BW", name: qsTr("Botswana"), languages: ["en"] },
        { key: "BY", name: qsTr("Biélorussie"), languages: ["be", "ru"] },
        { key: "BZ", name: qsTr("Belize"), languages: ["en", "es"] },
        { key: "CA", name: qsTr("Canada"), languages: ["en", "fr"] },
        { key: "CC", name: qsTr("Îles Cocos"), languages: ["en"] },
        { key: "CD", name: qsTr("République démocratique du Congo"), languages: ["fr", "ln", "sw"] },
        { key: "CF", name: qsTr("République centrafricaine"), languages: ["fr"] },
        { key: "CG", name: qsTr("République du Congo"), languages: ["fr", "ln"] },
        { key: "CH", name: qsTr("la Suisse"), languages: ["de", "fr", "it"] },
        { key: "CI", name: qsTr("Côte d'Ivoire"), languages: ["fr"] },
        { key: "CK", name: qsTr("Îles Cook"), languages: ["en"] },
        { key: "CL", name: qsTr("Chili"), languages: ["es"] },
        { key: "CM", name: qsTr("Cameroun"), languages: ["en", "fr"] },
        { key: "CN", name: qsTr("Chine"), languages: ["zh"] },
        { key: "CO", name: qsTr("Colombie"), languages: ["es"] },
        { key: "CR", name: qsTr("Costa Rica"), languages: ["es"] },
        { key: "CU", name: qsTr("Cuba"), languages: ["es"] },
        { key: "CV", name: qsTr("Cap-Vert"), languages: ["pt"] },
        { key: "CW", name: qsTr("Curaçao"), languages: ["nl", "pa", "en"] },
        { key: "CX", name: qsTr("Île Christmas"), languages: ["en"] },
        { key: "CY", name: qsTr("Chypre"), languages: ["el", "tr", "hy"] },
        { key: "CZ", name: qsTr("Tchéquie"), languages: ["cs", "sk"] },
        { key: "DE", name: qsTr("Allemagne"), languages: ["de"] },
        { key: "DJ", name: qsTr("Djibouti"), languages: ["fr", "ar"] },
        { key: "DK", name: qsTr("Danemark"), languages: ["da"] },
        { key: "DM", name: qsTr("Dominique"), languages: ["en"] },
        { key: "DO", name: qsTr("République dominicaine"), languages: ["es"] },
        { key: "DZ", name: qsTr("Algérie"), languages: ["ar"] },
        { key: "EC", name: qsTr("Équateur"), languages: ["es"] },
        { key: "EE", name: qsTr("Estonie"), languages: ["et"] },
        { key: "EG", name: qsTr("Égypte"), languages: ["ar"] },
        { key: "EH", name: qsTr("Sahara occidental"), languages: ["es"] },
        { key: "ER", name: qsTr("Érythrée"), languages: ["ti", "ar", "en"] },
        { key: "ES", name: qsTr("Espagne"), languages: ["es", "eu", "ca", "gl"] },
        { key: "ET", name: qsTr("Éthiopie"), languages: ["am"] },
        { key: "FI", name: qsTr("Finlande"), languages: ["fi", "sv"] },
        { key: "FJ", name: qsTr("Fidji"), languages: ["en", "hi", "ur"] },
        { key: "FK", name: qsTr("Îles Malouines"), languages: ["en"] },
        { key: "FM", name: qsTr("Micronésie"), languages: ["en"] },
        { key: "FR", name: qsTr("France"), languages: ["fr"] },
        { key: "GA", name: qsTr("Gabon"), languages: ["fr"] },
        { key: "GB", name: qsTr("Royaume-Uni"), languages: ["en"] },
        { key: "GD", name: qsTr("Grenade"), languages: ["en"] },
        { key: "GE", name: qsTr("Géorgie"), languages: ["ka"] },
        { key: "GF", name: qsTr("Guyane française"), languages: ["fr"] },
        { key: "GG", name: qsTr("Guernesey"), languages: ["en", "fr"] },
        { key: "GH", name: qsTr("Ghana"), languages: ["en"] },
        { key: "GI", name: qsTr("Gibraltar"), languages: ["en"] },
        { key: "GM", name: qsTr("Gambie"), languages: ["en"] },
        { key: "GN", name: qsTr("Guinée"), languages: ["fr", "ff"] },
        { key: "GP", name: qsTr("Guadeloupe"), languages: ["fr"] },
        { key: "GQ", name: qsTr("Guinée équatoriale"), languages: ["es", "fr"] },
        { key: "GR", name: qsTr("Grèce"), languages: ["el"] },
        { key: "GS", name: qsTr("Géorgie du Sud-et-les Îles Sandwich du Sud"), languages: ["en"] },
        { key: "GT", name: qsTr("Guatemala"), languages: ["es"] },
        { key: "GU", name: qsTr("Guam"), languages: ["en", "es"] },
        { key: "GW", name: qsTr("Guinée-Bissau"), languages: ["pt"] },
        { key: "GY", name: qsTr("Guyana"), languages: ["en"] },
        { key: "HK", name: qsTr("Hong Kong"), languages: ["zh", "en"] },
        { key: "HM", name: qsTr("Îles Heard-et-MacDonald"), languages: ["en"] },
        { key: "HN", name: qsTr("Honduras"), languages: ["es"] },
        { key: "HR", name: qsTr("Croatie"), languages: ["hr"] },
        { key: "HT", name: qsTr("Haïti"), languages: ["fr", "ht"] },
        { key: "HU", name: qsTr("Hongrie"), languages: ["hu"] },
        { key: "ID", name: qsTr("Indonésie"), languages: ["id"] },
        { key: "IE", name: qsTr("Irlande"), languages: ["ga", "en"] },
        { key: "IL", name: qsTr("Israël"), languages: ["he", "ar"] },
        { key: "IM", name: qsTr("Île de Man"), languages: ["en"] },
        { key: "IN", name: qsTr("Inde"), languages: ["hi", "en"] },
        { key: "IO", name: qsTr("Territoire britannique de l'océan Indien"), languages: ["en"] },
        { key: "IQ", name: qsTr("Irak"), languages: ["ar", "ku"] },
        { key: "IR", name: qsTr("Iran"), languages: ["fa"] },
        { key: "IS", name: qsTr("Islande"), languages: ["is"] },
        { key: "IT", name: qsTr("Italie"), languages: ["it"] },
        { key: "JE", name: qsTr("Jersey"), languages: ["en", "fr"] },
        { key: "JM", name: qsTr("Jamaïque"), languages: ["en"] },
        { key: "JO", name: qsTr("Jordanie"), languages: ["ar"] },
        { key: "JP", name: qsTr("Japon"), languages: ["ja"] },
        { key: "KE", name: qsTr("Kenya"), languages: ["en", "sw"] },
        { key: "KG", name: qsTr("Kirghizistan"), languages: ["ky", "ru"] },
        { key: "KH", name: qsTr("Cambodge"), languages: ["km"] },
        { key: "KI", name: qsTr("Kiribati"), languages: ["en"] },
        { key: "KM", name: qsTr("Comores"), languages: ["ar", "fr"] },
        { key: "KN", name: qsTr("Saint-Christophe-et-Niévès"), languages: ["en"] },
        { key: "KP", name: qsTr("Corée du Nord"), languages: ["ko"] },
        { key: "KR", name: qsTr("Corée du Sud"), languages: ["ko"] },
        { key: "KW", name: qsTr("Koweït"), languages: ["ar"] },
        { key: "KY", name: qsTr("Îles Caïmans"), languages: ["en"] },
        { key: "KZ", name: qsTr("Kazakhstan"), languages: ["kk", "ru"] },
        { key: "LA", name: qsTr("Laos"), languages: ["lo"] },
        { key: "LB", name: qsTr("Liban"), languages: ["ar", "fr"] },
        { key: "LC", name: qsTr("Sainte-Lucie"), languages: ["en"] },
        { key: "LI", name: qsTr("Liechtenstein"), languages: ["de"] },
        { key: "LK", name: qsTr("Sri Lanka"), languages: ["si", "ta"] },
        { key: "LR", name: qsTr("Libéria"), languages: ["en"] },
        { key: "LS", name: qsTr("Lesotho"), languages: ["en", "st"] },
        { key: "LT", name: qsTr("Lituanie"), languages: ["lt"] },
        { key: "LU", name: qsTr("Luxembourg"), languages: ["fr", "de", "lb"] },
        { key: "LV", name: qsTr("Lettonie"), languages: ["lv"] },
        { key: "LY", name: qsTr("Libye"), languages: ["ar"] },
        { key: "MA", name: qsTr("Maroc"), languages: ["ar"] },
        { key: "MC", name: qsTr("Monaco"), languages: ["fr"] },
        { key: "MD", name: qsTr("Moldavie"), languages: ["ro"] },
        { key: "ME", name: qsTr("Monténégro"), languages: ["sr", "bs", "sq", "hr"] },
        { key: "MF", name: qsTr("Saint-Martin"), languages: ["en", "fr", "nl"] },
        { key: "MG", name: qsTr("Madagascar"), languages: ["fr", "mg"] },
        { key: "MH", name: qsTr("Îles Marshall"), languages: ["en"] },
        { key: "MK", name: qsTr("Macédoine du Nord"), languages: ["mk"] },
        { key: "ML", name: qsTr("Mali"), languages: ["fr"] },
        { key: "MM", name: qsTr("Birmanie"), languages: ["my"] },
        { key: "MN", name: qsTr("Mongolie"), languages: ["mn"] },
        { key: "MO", name: qsTr("Macao"), languages: ["zh", "pt"] },
        { key: "MP", name: qsTr("Îles Mariannes du Nord"), languages: ["en"] },
        { key: "MQ", name: qsTr("Martinique"), languages: ["fr"] },
        { key: "MR", name: qsTr("Mauritanie"), languages: ["ar"] },
        { key: "MS", name: qsTr("Montserrat"), languages: ["en"] },
        { key: "MT", name: qsTr("Malte"), languages: ["mt", "en"] },
        { key: "MU", name: qsTr("Maurice"), languages: ["en"] },
        { key: "MV", name: qsTr("Maldives"), languages: ["dv"] },
        { key: "MW", name: qsTr("Malawi"), languages: ["en", "ny"] },
        { key: "MX", name: qsTr("Mexique"), languages: ["es"] },
        { key: "MY", name: qsTr("Malaisie"), languages: ["ms"] },
        { key: "MZ", name: qsTr("Mozambique"), languages: ["pt"] },
        { key: "NA", name: qsTr("Namibie"), languages: ["en", "af"] },
        { key: "NC", name: qsTr("Nouvelle-Calédonie"), languages: ["fr"] },
        { key: "NE", name: qsTr("Niger"), languages: ["fr"] },
        { key: "NF", name: qsTr("Île Norfolk"), languages: ["en"] },
        { key: "NG", name: qsTr("Nigeria"), languages: ["en"] },
        { key: "NI", name: qsTr("Nicaragua"), languages: ["es"] },
        { key: "NL", name: qsTr("Pays-Bas"), languages: ["nl"] },
        { key: "AN", name: qsTr("Antilles néerlandaises"), languages: ["nl"] },
        { key: "NO", name: qsTr("Norvège"), languages: ["no"] },
        { key: "NP", name: qsTr("Népal"), languages: ["ne"] },
        { key: "NR", name: qsTr("Nauru"), languages: ["en"] },
        { key: "NU", name: qsTr("Nioue"), languages: ["en"] },
        { key: "NZ", name: qsTr("Nouvelle-Zélande"), languages: ["en", "mi"] },
        { key: "OM", name: qsTr("Oman"), languages: ["ar"] },
        { key: "PA", name: qsTr("Panama"), languages: ["es"] },
        { key: "PE", name: qsTr("Pérou"), languages: ["es"] },
        { key: "PF", name: qsTr("Polynésie française"), languages: ["fr"] },
        { key: "PG", name: qsTr("Papouasie-Nouvelle-Guinée"), languages: ["en"] },
        { key: "PH", name: qsTr("Philippines"), languages: ["en"] },
        { key: "PK", name: qsTr("Pakistan"), languages: ["en", "ur"] },
        { key: "PL", name: qsTr("Pologne"), languages: ["pl"] },
        { key: "PM", name: qsTr("Saint-Pierre-et-Miquelon"), languages: ["fr"] },
        { key: "PN", name: qsTr("Îles Pitcairn"), languages: ["en"] },
        { key: "PR", name: qsTr("Porto Rico"), languages: ["es", "en"] },
        { key: "PS", name: qsTr("Palestine"), languages: ["ar"] },
        { key: "PT", name: qsTr("Portugal"), languages: ["pt"] },
        { key: "PW", name: qsTr("Palaos"), languages: ["en"] },
        { key: "PY", name: qsTr("Paraguay"), languages: ["es", "gn"] },
        { key: "QA", name: qsTr("Qatar"), languages: ["ar"] },
        { key: "RE", name: qsTr("La Réunion"), languages: ["fr"] },
        { key: "RO", name: qsTr("Roumanie"), languages: ["ro"] },
        { key: "RS", name: qsTr("Serbie"), languages: ["sr"] },
        { key: "CS", name: qsTr("Serbie-et-Monténégro"), languages: ["sr", "bs", "sq", "hr"] },
        { key: "RU", name: qsTr("Russie"), languages: ["ru"] },
        { key: "RW", name: qsTr("Rwanda"), languages: ["rw", "en", "fr"] },
        { key: "SA", name: qsTr("Arabie saoudite"), languages: ["ar"] },
        { key: "SB", name: qsTr("Îles Salomon"), languages: ["en"] },
        { key: "SC", name: qsTr("Seychelles"), languages: ["fr", "en"] },
        { key: "SD", name: qsTr("Soudan"), languages: ["ar", "en"] },
        { key: "SE", name: qsTr("Suède"), languages: ["sv"] },
        { key: "SG", name: qsTr("Singapour"), languages: ["en", "ms", "ta", "zh"] },
        { key: "SH", name: qsTr("Sainte-Hélène"), languages: ["en"] },
        { key: "SI", name: qsTr("Slovénie"), languages: ["sl"] },
        { key: "SJ", name: qsTr("Svalbard et Jan Mayen"), languages: ["no"] },
        { key: "SK", name: qsTr("Slovaquie"), languages: ["sk"] },
        { key: "SL", name: qsTr("Sierra Leone"), languages: ["en"] },
        { key: "SM", name: qsTr("Saint-Marin"), languages: ["it"] },
        { key: "SN", name: qsTr("Sénégal"), languages: ["fr"] },
        { key: "SO", name: qsTr("Somalie"), languages: ["so", "ar"] },
        { key: "SR", name: qsTr("Suriname"), languages: ["nl"] },
        { key: "SS", name: qsTr("Soudan du Sud"), languages: ["en"] },
        { key: "ST", name: qsTr("Sao Tomé-et-Principe"), languages: ["pt"] },
        { key: "SV", name: qsTr("Salvador"), languages: ["es"] },
        { key: "SX", name: qsTr("Sint Maarten"), languages: ["nl", "en"] },
        { key: "SY", name: qsTr("Syrie"), languages: ["ar"] },
        { key: "SZ", name: qsTr("Eswatini"), languages: ["en"] },
        { key: "TC", name: qsTr("Îles Turques-et-Caïques"), languages: ["en"] },
        { key: "TD", name: qsTr("Tchad"), languages: ["fr", "ar"] },
        { key: "TF", name: qsTr("Terres australes et antarctiques françaises"), languages: ["fr"] },
        { key: "TG", name: qsTr("Togo"), languages: ["fr"] },
        { key: "TH", name: qsTr("Thaïlande"), languages: ["th"] },
        { key: "TJ", name: qsTr("Tadjikistan"), languages: ["tg", "ru"] },
        { key: "TK", name: qsTr("Tokelau"), languages: ["en"] },
        { key: "TL", name: qsTr("Timor oriental"), languages: ["pt"] },
        { key: "TM", name: qsTr("Turkménistan"), languages: ["tk", "ru"] },
        { key: "TN", name: qsTr("Tunisie"), languages: ["ar"] },
        { key: "TO", name: qsTr("Tonga"), languages: ["en"] },
        { key: "TR", name: qsTr("Turquie"), languages: ["tr"] },
        { key: "TT", name: qsTr("Trinité-et-Tobago"), languages: ["en"] },
        { key: "TV", name: qsTr("Tuvalu"), languages: ["en"] },
        { key: "TW", name: qsTr("Taïwan"), languages: ["zh"] },
        { key: "TZ", name: qsTr("Tanzanie"), languages: ["sw", "en"] },
        { key: "UA", name: qsTr("Ukraine"), languages: ["uk"] },
        { key: "UG", name: qsTr("Ouganda"), languages: ["en", "sw"] },
        { key: "UM", name: qsTr("Îles mineures éloignées des États-Unis"), languages: ["en"] },
        { key: "US", name: qsTr("États-Unis"), languages: ["en"] },
        { key: "UY", name: qsTr("Uruguay"), languages: ["es"] },
        { key: "UZ", name: qsTr("Ouzbékistan"), languages: ["uz", "ru"] },
        { key: "VA", name: qsTr("Vatican"), languages: ["it", "la"] },
        { key: "VC", name: qsTr("Saint-Vincent-et-les-Grenadines"), languages: ["en"] },
        { key: "VE", name: qsTr("Venezuela"), languages: ["es"] },
        { key: "VG", name: qsTr("Îles Vierges britanniques"), languages: ["en"] },
        { key: "VI", name: qsTr("Îles Vierges des États-Unis"), languages: ["en"] },
        { key: "VN", name: qsTr("Viêt Nam"), languages: ["vi"] },
        { key: "VU", name: qsTr("Vanuatu"), languages: ["en", "fr"] },
        { key: "WF", name: qsTr("Wallis et Futuna"), languages: ["fr"] },
        { key: "WS", name: qsTr("Samoa"), languages: ["sm", "en"] },
        { key: "XK", name: qsTr("Kosovo"), languages: ["sq", "sr"] },
        { key: "YE", name: qsTr("Yémen"), languages: ["ar"] },
        { key: "YT", name: qsTr("Mayotte"), languages: ["fr"] },
        { key: "ZA", name: qsTr("Afrique du Sud"), languages: ["af", "en", "st", "ts", "xh", "zu"] },
        { key: "ZM", name: qsTr("Zambie"), languages: ["en"] },
        { key: "ZW", name: qsTr("Zimbabwe"), languages: ["en", "sn"] }
    ]

    // Search languages, in table order: the key sent to the web service and the
    // name (French source text, English in the translation).
    readonly property var searchLanguages: [
        { key: "ca", name: qsTr("Catalan") },
        { key: "ar", name: qsTr("Arabe") },
        { key: "ps", name: qsTr("Pachto") },
        { key: "uz", name: qsTr("Ouzbek") },
        { key: "tk", name: qsTr("Turkmène") },
        { key: "en", name: qsTr("Anglais") },
        { key: "sq", name: qsTr("Albanais") },
        { key: "hy", name: qsTr("Arménien") },
        { key: "ru", name: qsTr("Russe") },
        { key: "pt", name: qsTr("Portugais") },
        { key: "fr", name: qsTr("Français") },
        { key: "es", name: qsTr("Espagnol") },
        { key: "gn", name: qsTr("Guarani") },
        { key: "sm", name: qsTr("Samoan") },
        { key: "de", name: qsTr("Allemand") },
        { key: "nl", name: qsTr("Néerlandais") },
        { key: "pa", name: qsTr("Pendjabi") },
        { key: "sv", name: qsTr("Suédois") },
        { key: "az", name: qsTr("Azerbaïdjanais") },
        { key: "bs", name: qsTr("Bosniaque") },
        { key: "hr", name: qsTr("Croate") },
        { key: "sr", name: qsTr("Serbe") },
        { key: "bn", name: qsTr("Bengali") },
        { key: "bg", name: qsTr("Bulgare") },
        { key: "ms", name: qsTr("Malais") },
        { key: "ay", name: qsTr("Aymara") },
        { key: "qu", name: qsTr("Quechua") },
        { key: "no", name: qsTr("Norvégien") },
        { key: "be", name: qsTr("Biélorusse") },
        { key: "ln", name: qsTr("Lingala") },
        { key: "sw", name: qsTr("Swahili") },
        { key: "it", name: qsTr("Italien") },
        { key: "zh", name: qsTr("Chinois") },
        { key: "el", name: qsTr("Grec") },
        { key: "tr", name: qsTr("Turc") },
        { key: "cs", name: qsTr("Tchèque") },
        { key: "sk", name: qsTr("Slovaque") },
        { key: "da", name: qsTr("Danois") },
        { key: "et", name: qsTr("Estonien") },
        { key: "ti", name: qsTr("Tigrigna") },
        { key: "eu", name: qsTr("Basque") },
        { key: "gl", name: qsTr("Galicien") },
        { key: "am", name: qsTr("Amharique") },
        { key: "fi", name: qsTr("Finnois") },
        { key: "hi", name: qsTr("Hindi") },
        { key: "ur", name: qsTr("Ourdou") },
        { key: "ka", name: qsTr("Géorgien") },
        { key: "ht", name: qsTr("Créole haïtien") },
        { key: "hu", name: qsTr("Hongrois") },
        { key: "id", name: qsTr("Indonésien") },
        { key: "ga", name: qsTr("Irlandais") },
        { key: "he", name: qsTr("Hébreu") },
        { key: "ku", name: qsTr("Kurde") },
        { key: "fa", name: qsTr("Persan") },
        { key: "is", name: qsTr("Islandais") },
        { key: "ja", name: qsTr("Japonais") },
        { key: "ky", name: qsTr("Kirghiz") },
        { key: "km", name: qsTr("Khmer") },
        { key: "ko", name: qsTr("Coréen") },
        { key: "kk", name: qsTr("Kazakh") },
        { key: "lo", name: qsTr("Laotien") },
        { key: "si", name: qsTr("Singhalais") },
        { key: "ta", name: qsTr("Tamoul") },
        { key: "st", name: qsTr("Sotho") },
        { key: "lt", name: qsTr("Lituanien") },
        { key: "lb", name: qsTr("Luxembourgeois") },
        { key: "lv", name: qsTr("Letton") },
        { key: "ro", name: qsTr("Roumain") },
        { key: "mg", name: qsTr("Malgache") },
        { key: "mk", name: qsTr("Macédonien") },
        { key: "my", name: qsTr("Birman") },
        { key: "mn", name: qsTr("Mongol") },
        { key: "mt", name: qsTr("Maltais") },
        { key: "dv", name: qsTr("Maldivien") },
        { key: "ny", name: qsTr("Chichewa") },
        { key: "af", name: qsTr("Afrikaans") },
        { key: "ne", name: qsTr("Népalais") },
        { key: "mi", name: qsTr("Maori") },
        { key: "pl", name: qsTr("Polonais") },
        { key: "rw", name: qsTr("Kinyarwanda") },
        { key: "sl", name: qsTr("Slovène") },
        { key: "so", name: qsTr("Somali") },
        { key: "th", name: qsTr("Thaï") },
        { key: "tg", name: qsTr("Tadjik") },
        { key: "uk", name: qsTr("Ukrainien") },
        { key: "la", name: qsTr("Latin") },
        { key: "vi", name: qsTr("Vietnamien") },
        { key: "ts", name: qsTr("Tsonga") },
        { key: "xh", name: qsTr("Xhosa") },
        { key: "zu", name: qsTr("Zoulou") },
        { key: "sn", name: qsTr("Shona") }
    ]

    // SMTP server presets of the account forms, in menu order; the last one is
    // the free choice. Names "Other" and connection labels "Auto" and "None"
    // are English here and translated by the views that show them.
    // Each preset's IMAP server too, where the mailbox check reads what came
    // back (implicit TLS on 993 at every one of them).
    // Each preset's sending limits by default ("" for none), in the order
    // of what the providers publish for an ordinary account: Google, 500
    // recipients a day for a personal Gmail account; Microsoft, 300 a day
    // and 30 a minute for Outlook.com; the smaller hosts 300 to 1,000 a day.
    // A user with a larger plan raises them in the account's form.
    readonly property var mailsServers: [
        { "name": "Gmail", "host": "smtp.gmail.com", "port": "587", "connection": "TLS",
          "imapHost": "imap.gmail.com", "imapPort": "993", "oauth": "google",
          "limitDay": "500", "limitHour": "", "limitMinute": "" },
        { "name": "Yahoo Mail", "host": "smtp.mail.yahoo.com", "port": "587", "connection": "TLS",
          "imapHost": "imap.mail.yahoo.com", "imapPort": "993",
          "limitDay": "500", "limitHour": "", "limitMinute": "" },
        // Outlook.com takes submissions on 587 with STARTTLS only; nothing
        // listens for implicit TLS on 465 there.
        { "name": "Hotmail", "host": "smtp-mail.outlook.com", "port": "587", "connection": "TLS",
          "imapHost": "outlook.office365.com", "imapPort": "993", "oauth": "microsoft",
          "limitDay": "300", "limitHour": "", "limitMinute": "30" },
        { "name": "Titan", "host": "smtp.titan.email", "port": "465", "connection": "SSL",
          "imapHost": "imap.titan.email", "imapPort": "993",
          "limitDay": "1000", "limitHour": "", "limitMinute": "" },
        { "name": "Zoho Mail", "host": "smtp.zoho.com", "port": "465", "connection": "SSL",
          "imapHost": "imap.zoho.com", "imapPort": "993",
          "limitDay": "500", "limitHour": "", "limitMinute": "" },
        { "name": "Hostinger", "host": "smtp.hostinger.com", "port": "465", "connection": "SSL",
          "imapHost": "imap.hostinger.com", "imapPort": "993",
          "limitDay": "1000", "limitHour": "", "limitMinute": "" },
        { "name": "Mail.com", "host": "smtp.mail.com", "port": "587", "connection": "TLS",
          "imapHost": "imap.mail.com", "imapPort": "993",
          "limitDay": "300", "limitHour": "", "limitMinute": "" },
        { "name": "GMX", "host": "mail.gmx.net", "port": "465", "connection": "SSL",
          "imapHost": "imap.gmx.net", "imapPort": "993",
          "limitDay": "500", "limitHour": "", "limitMinute": "" },
        { "name": "Other", "host": "", "port": "", "connection": "Auto", "imapHost": "", "imapPort": "",
          "limitDay": "", "limitHour": "", "limitMinute": "" }
    ]

    // Signing in with a provider (OAuth 2.0): the program's registrations,
    // each field replaceable by the environment (PARVANE_OAUTH_MICROSOFT_CLIENT_ID,
    // _TENANT, _AUTHORIZE_URL, _TOKEN_URL; PARVANE_OAUTH_GOOGLE_CLIENT_ID,
    // _CLIENT_SECRET, ...; see the README). No identifier is registered for
    // this build yet: until one is, the environment must give it.
    readonly property var oauthProviders: ({
        "microsoft": {
            "label": "Microsoft", "preset": 2, "clientId": "", "tenant": "common",
            "authorizeUrl": "https://login.microsoftonline.com/{tenant}/oauth2/v2.0/authorize",
            "tokenUrl": "https://login.microsoftonline.com/{tenant}/oauth2/v2.0/token",
            "scope": "https://outlook.office.com/SMTP.Send offline_access openid email"
        },
        "google": {
            "label": "Google", "preset": 0, "clientId": "", "clientSecret": "",
            "authorizeUrl": "https://accounts.google.com/o/oauth2/v2/auth",
            "tokenUrl": "https://oauth2.googleapis.com/token",
            "scope": "https://mail.google.com/ openid email"
        }
    })

    // IMAP connection choices, stored as the SMTP ones are: "SSL" implicit
    // TLS, "TLS" STARTTLS required.
    readonly property var imapConnections: ["SSL", "TLS"]

    // Connection choices: the label is shown, the value is stored.
    readonly property var smtpConnections: [
        { "label": "Auto", "value": "Auto" },
        { "label": "SSL", "value": "SSL" },
        { "label": "TLS", "value": "TLS" },
        { "label": "None", "value": "None" }
    ]
}
