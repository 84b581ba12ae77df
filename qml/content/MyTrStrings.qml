import QtQml
import QmlCppBridge

// Every interface text of the application, one read-only property per text.
// Each value is a literal qsTr() call so that lupdate collects it and a
// language switch (engine retranslate) re-evaluates all of them at once.
// Texts with a number or a name to fill in stay in the views that use them.
QtObject {
    // Numbers as the interface language writes them: "1 234" and "100 %" in
    // French, "1,234" and "100%" in English. Bindings that call these follow
    // a language switch through the translator's language.
    readonly property var locale: Qt.locale(typeof myTranslator !== "undefined" && myTranslator
                                            && myTranslator.language === "fr_FR" ? "fr_FR" : "en_US")
    function number(value) {
        return Number(value).toLocaleString(locale, 'f', 0)
    }
    // A moment to come: its time today, its date and time on another day.
    function dateTime(ms) {
        const at = new Date(ms)
        return at.toDateString() === new Date(RunClock.nowMs()).toDateString()
                ? at.toLocaleTimeString(locale, Locale.ShortFormat)
                : at.toLocaleString(locale, Locale.ShortFormat)
    }
    function percent(value) {
        //: A percentage; French puts a no-break space before "%".
        return qsTr("%1%").arg(number(value))
    }

    readonly property string noActiveAccount: qsTr("No active account")
    readonly property string sendingSpeed: qsTr("Sending speed")
    readonly property string language: qsTr("Language")
    readonly property string minimize: qsTr("Minimize")
    readonly property string restore: qsTr("Restore")
    readonly property string maximize: qsTr("Maximize")
    readonly property string close: qsTr("Close")
    readonly property string home: qsTr("Home")
    readonly property string accounts: qsTr("Accounts")
    readonly property string contacts: qsTr("Contacts")
    readonly property string search: qsTr("Search")
    readonly property string templates: qsTr("Templates")
    readonly property string about: qsTr("About")
    readonly property string contact_us: qsTr("Contact Us")
    readonly property string connexion_error: qsTr("Connexion error")
    readonly property string not_connected_to_internet: qsTr("You are not connected to the internet")
    readonly property string confirm: qsTr("Confirm")
    readonly property string active: qsTr("Active")
    readonly property string about_parvane: qsTr("About Parvane")
    readonly property string parvane_app_description: qsTr("Parvane is an emailing application developed by Velmora.")
    readonly property string installed_version: qsTr("Installed version")
    readonly property string last_version_installed: qsTr("Last version installed")
    readonly property string there_is_a_newer_version: qsTr("There is a newer version.")
    readonly property string latest_version_installed_description: qsTr("You have already installed the latest version of Parvane.")
    readonly property string for_any_concerns_feel_to_contact_us: qsTr("For any concerns, feel to contact us.")
    readonly property string email: qsTr("Email")
    readonly property string email_address_copied: qsTr("Email address copied.")
    readonly property string phone: qsTr("Phone")
    readonly property string phone_number_copied: qsTr("Phone number copied.")
    readonly property string save_work: qsTr("Save Work")
    readonly property string choose_file: qsTr("Choose File")
    readonly property string invalid_response: qsTr("Invalid response")
    readonly property string error_while_connecting_to_server: qsTr("Error while connecting to server")
    readonly property string no_item_to_show: qsTr("No item to show")
    readonly property string recipient_placeholder: qsTr("Add recipient addresses separated by a semicolon. Ex: john.doe@example.com; jane.doe@example.com; ...")
    readonly property string accounts_list: qsTr("Accounts List")
    readonly property string accounts_description: qsTr("You can switch between your added accounts in Parvane, add more and delete old ones")
    readonly property string add_account: qsTr("Add account")
    readonly property string manage: qsTr("Manage")
    readonly property string add_new_account: qsTr("Add new account")
    readonly property string sender_name: qsTr("Sender name")
    readonly property string displayed_sender_name: qsTr("Displayed sender name")
    readonly property string smtp_server: qsTr("SMTP Server")
    readonly property string server_name: qsTr("Server name")
    readonly property string smtp_server_name: qsTr("SMTP server name")
    readonly property string smtp_host: qsTr("SMTP Host")
    readonly property string server_host: qsTr("Server host")
    readonly property string smtp_port: qsTr("SMTP Port")
    readonly property string server_port: qsTr("Server port")
    readonly property string connection: qsTr("Connection")
    readonly property string email_address: qsTr("Email address")
    readonly property string your_email_address: qsTr("Your email address")
    readonly property string password: qsTr("Password")
    readonly property string application_password_description: qsTr("For some servers like Gmail, you must use an application password.")
    readonly property string your_password: qsTr("Your password")
    readonly property string displayed_name_is_required: qsTr("The displayed name is required.")
    readonly property string server_name_is_required: qsTr("The server name is required.")
    readonly property string smtp_host_is_required: qsTr("The SMTP host is required.")
    readonly property string smtp_port_is_required: qsTr("The SMTP port is required.")
    readonly property string email_address_is_required: qsTr("The email address is required.")
    readonly property string password_is_required: qsTr("The password is required.")
    readonly property string invalid_email: qsTr("Invalid email.")
    readonly property string account_already_exists: qsTr("Account already exists.")
    readonly property string contacts_list: qsTr("Contacts List")
    readonly property string new_list: qsTr("New list")
    readonly property string contacts_lists_description: qsTr("Organize your contacts into lists for easier management. To add contacts, you must have at least one list.")
    readonly property string no_active_list: qsTr("No active list")
    readonly property string add: qsTr("Add")
    readonly property string importStr: qsTr("Import")
    readonly property string exportStr: qsTr("Export")
    readonly property string deleteStr: qsTr("Delete")
    readonly property string list_name: qsTr("List name")
    readonly property string your_list_name: qsTr("Your list name")
    readonly property string list_name_is_required: qsTr("List name is required.")
    readonly property string list_already_exists: qsTr("List already exists.")
    readonly property string add_new_contact: qsTr("Add new contact")
    readonly property string last_name: qsTr("Last name")
    readonly property string first_name: qsTr("First name")
    readonly property string telephone: qsTr("Telephone")
    readonly property string doejohn_website_example: qsTr("doejohn@example.com")
    readonly property string company: qsTr("Company")
    readonly property string my_company: qsTr("My company")
    readonly property string occupation: qsTr("Occupation")
    readonly property string trader: qsTr("Trader")
    readonly property string website: qsTr("Website")
    readonly property string website_example: qsTr("www.example.com")
    readonly property string contact_name_is_required: qsTr("Contact's name is required.")
    readonly property string contact_email_is_required: qsTr("Contact's email is required.")
    readonly property string contact_already_exists_in_this_list: qsTr("Contact already exists in this list.")
    readonly property string email_search_description: qsTr("Search for email addresses online based on your needs")
    readonly property string terms: qsTr("Terms")
    readonly property string ex_news_agencies: qsTr("Ex: News agencies")
    readonly property string domains: qsTr("Domains")
    readonly property string ex_gmail_com_company_com: qsTr("Ex: @gmail.com, @company.com")
    readonly property string emails_from_other_domains: qsTr("Emails from other domains")
    readonly property string chose_content_type: qsTr("Choose content type")
    readonly property string retrieve: qsTr("Retrieve")
    readonly property string do_not_retrieve: qsTr("Do not retrieve")
    readonly property string country: qsTr("Country")
    readonly property string clear: qsTr("Clear")
    readonly property string terms_is_required: qsTr("Terms is required.")
    readonly property string domains_is_required: qsTr("Domains is required.")
    readonly property string country_is_required: qsTr("Country is required.")
    readonly property string language_is_required: qsTr("Language is required.")
    readonly property string no_valid_domains_found: qsTr("No valid domains found.")
    readonly property string no_matching_items_found: qsTr("No matching items found")
    readonly property string search_in_progress: qsTr("Search in progress")
    readonly property string search_result: qsTr("Search result")
    readonly property string stop: qsTr("Stop")
    readonly property string copy: qsTr("Copy")
    readonly property string emailing: qsTr("Emailing")
    readonly property string sending_lists: qsTr("Sending lists")
    readonly property string preview: qsTr("Preview")
    readonly property string subject: qsTr("Subject")
    readonly property string recipient_addresses: qsTr("Recipient addresses")
    readonly property string add_lists: qsTr("Add Lists")
    readonly property string email_content: qsTr("Email content")
    readonly property string load_html: qsTr("Load HTML")
    readonly property string remove_html: qsTr("Remove HTML")
    readonly property string attachments: qsTr("Attachments")
    readonly property string your_email_content: qsTr("Your email content")
    readonly property string send: qsTr("Send")
    readonly property string sending_in_progress: qsTr("Sending in progress")
    readonly property string sent: qsTr("Sent")
    readonly property string failed: qsTr("Failed")
    readonly property string total: qsTr("Total")
    readonly property string finished: qsTr("Finished")
    readonly property string output: qsTr("Output")
    readonly property string choose_files: qsTr("Choose Files")
    readonly property string select_the_desired_contact_lists: qsTr("Select the desired contact lists")
    readonly property string select_all: qsTr("Select all")
    readonly property string unselect_all: qsTr("Unselect all")
    readonly property string smpt_account_required: qsTr("You must add at least one SMTP account.")
    readonly property string sender_name_required: qsTr("Sender Name is required.")
    readonly property string subject_required: qsTr("Subject is required.")
    readonly property string recipient_required: qsTr("Recipient is required.")
    readonly property string email_content_required: qsTr("Email content is required.")
    readonly property string no_valid_recipient_found: qsTr("No valid recipient found.")
    readonly property string email_sent: qsTr("Email sent")
    // A delivery's failure said plainly (the technical reply follows it):
    // %1 the server, %2 its port, %3 seconds.
    readonly property var smtp_failure_texts: ({
        "unreachable": qsTr("Could not connect to the server %1, port %2."),
        "silent": qsTr("The server %1, port %2, did not answer for %3 s."),
        "dropped": qsTr("The server %1, port %2, closed the connection."),
        "login": qsTr("The server %1 refused the login: check the account's user name and password."),
        "message": qsTr("The server %1 refused the message itself (its size or its content), so it cannot go to anyone as it is."),
        "busy": qsTr("The server %1 asked to wait before sending more."),
        "refused": qsTr("Connection refused by %1:%2: check the server's name and port."),
        "hostNotFound": qsTr("The server %1 could not be found: check its name."),
        "tls": qsTr("No secure connection could be made with %1:%2: check that the connection type (SSL/TLS or STARTTLS) is the one this port expects."),
        "certificate": qsTr("The certificate of the server %1 is not trusted, so nothing was sent to it."),
        "noStartTls": qsTr("The server %1 offers no encrypted connection (STARTTLS), which this account's connection type requires."),
        "noStartTlsLogin": qsTr("The server %1 offers no encrypted connection (STARTTLS), so the password was not sent. Choose the connection \"None\" only if it may travel unencrypted."),
        "unreadable": qsTr("The server %1:%2 answered in a way that is not SMTP: check the port and the connection type."),
        "addressUnknown": qsTr("The server %1 says this address does not exist."),
        "senderRefused": qsTr("The server %1 refused the sender's address."),
        "recipientLater": qsTr("The server %1 refused this recipient for now."),
        "recipientRefused": qsTr("The server %1 refused this recipient.")
    })
    readonly property string category: qsTr("Category")
    readonly property string all: qsTr("All")
    readonly property string edit: qsTr("Edit")
    readonly property string edit_account: qsTr("Edit Account")
    readonly property string cancel: qsTr("Cancel")
    readonly property string account_has_been_updated: qsTr("Account has been updated.")
    readonly property string edit_contact: qsTr("Edit Contact")
    readonly property string list: qsTr("List")
    readonly property string export_contact: qsTr("Export Contact")
    readonly property string empty_views_details_description: qsTr("Select an item to view details here")
    readonly property string search_results: qsTr("Search results")
    readonly property string delete_all: qsTr("Delete all")
    readonly property string confirmDeleteSearchResults: qsTr("Are you sure you want to delete all search results ?")
    readonly property string confirmDeleteSearchResult: qsTr("Are you sure you want to delete this search result ?")
    readonly property string task_lists: qsTr("Task lists")
    readonly property string add_list: qsTr("Add list")
    readonly property string output_copied: qsTr("Output copied.")
    readonly property string add_new_task_list: qsTr("Add new task list")
    readonly property string add_tasks: qsTr("Add tasks")
    readonly property string list_name_required: qsTr("List's name is required.")
    readonly property string sending_list_exists: qsTr("This sending list already exists.")
    readonly property string you_must_add_at_least_two_tasks: qsTr("You must add at least two tasks.")
    readonly property string confirmDeleteSearchTasks: qsTr("Are you sure you want to delete all task lists ?")
    readonly property string confirmDeleteSearchTask: qsTr("Are you sure you want to delete this task list ?")

    // Why a sign-in with a provider (`label`, "Microsoft" or "Google") did not go through.
    function oauthFailureText(reason, detail, label) {
        switch (reason) {
        case "declined":
            return qsTr("The sign-in was declined in the browser: sign in again and allow Parvane to send mail.")
        case "tenant":
            return qsTr("%1 does not know this organisation: check PARVANE_OAUTH_MICROSOFT_TENANT or ask your administrator. (%2)").arg(label).arg(detail)
        case "unreachable":
            return qsTr("%1 could not be reached: check the connection and sign in again.").arg(label)
        case "timeout":
            return qsTr("No answer came from the browser in time: sign in again.")
        case "browser":
            return qsTr("No web browser could be opened: open this address in one to sign in: %1").arg(detail)
        case "noAddress":
            return qsTr("%1 did not say which address signed in.").arg(label)
        case "cancelled":
            return qsTr("The sign-in was cancelled.")
        default:
            return qsTr("%1 refused the sign-in: %2").arg(label).arg(detail)
        }
    }
}
