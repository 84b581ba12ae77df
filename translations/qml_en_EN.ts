<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_EN" sourcelanguage="en">
    <context>
        <name>AboutDialog</name>
        <message>
            <location filename="../qml/content/window/AboutDialog.qml" line="+44" />
            <source>%1: %2</source>
            <translation>%1: %2</translation>
        </message>
        <message>
            <location line="+24" />
            <source>The latest version is not known yet: it is asked for at start-up when the computer is online.</source>
            <translation>The latest version is not known yet: it is asked for at start-up when the computer is online.</translation>
        </message>
        <message>
            <location line="+17" />
            <source>Download Parvane %1</source>
            <translation>Download Parvane %1</translation>
        </message>
        <message>
            <location line="+17" />
            <source>Parvane and its logo are names and marks of Velmora.</source>
            <translation>Parvane and its logo are names and marks of Velmora.</translation>
        </message>
    </context>
    <context>
        <name>AccountDetail</name>
        <message>
            <location filename="../qml/content/pages/details/AccountDetail.qml" line="+136" />
            <source>Are you sure you want to delete the account %1 ?</source>
            <translation>Are you sure you want to delete the account %1 ?</translation>
        </message>
    </context>
    <context>
        <name>AccountForm</name>
        <message>
            <location filename="../qml/content/pages/accounts/AccountForm.qml" line="+41" />
            <source>Other</source>
            <translation>Other</translation>
        </message>
        <message>
            <location line="+2" />
            <source>Auto</source>
            <translation>Auto</translation>
        </message>
        <message>
            <location line="+2" />
            <source>None</source>
            <translation>None</translation>
        </message>
        <message>
            <location line="+61" />
            <source>The SMTP port must be a number from 1 to 65535.</source>
            <translation>The SMTP port must be a number from 1 to 65535.</translation>
        </message>
    </context>
    <context>
        <name>AddSendingListDialog</name>
        <message>
            <location filename="../qml/content/pages/details/AddSendingListDialog.qml" line="+21" />
            <source>You cannot add more than %1 tasks to a list.</source>
            <translation>You cannot add more than %1 tasks to a list.</translation>
        </message>
        <message>
            <location line="+132" />
            <source>Backup file (*.pvsav)</source>
            <translation>Backup file (*.pvsav)</translation>
        </message>
    </context>
    <context>
        <name>ContactDetail</name>
        <message>
            <location filename="../qml/content/pages/details/ContactDetail.qml" line="+75" />
            <source>Contact has been updated.</source>
            <translation>Contact has been updated.</translation>
        </message>
        <message>
            <location line="+19" />
            <source>The file could not be written.</source>
            <translation>The file could not be written.</translation>
        </message>
        <message>
            <location line="+152" />
            <source>Are you sure you want to delete the contact %1 ?</source>
            <translation>Are you sure you want to delete the contact %1 ?</translation>
        </message>
        <message>
            <location line="+11" />
            <source>vCard file (*.vcf *.vcard)</source>
            <translation>vCard file (*.vcf *.vcard)</translation>
        </message>
    </context>
    <context>
        <name>ContactForm</name>
        <message>
            <location filename="../qml/content/pages/contacts/ContactForm.qml" line="+53" />
            <source>Doe</source>
            <translation>Doe</translation>
        </message>
        <message>
            <location line="+6" />
            <source>John</source>
            <translation>John</translation>
        </message>
        <message>
            <location line="+9" />
            <source>+22X XX XX XX XX...</source>
            <translation>+22X XX XX XX XX...</translation>
        </message>
    </context>
    <context>
        <name>ContactUsDialog</name>
        <message>
            <location filename="../qml/content/window/ContactUsDialog.qml" line="+35" />
            <source>The contact details are not known yet: they are asked for at start-up when the computer is online.</source>
            <translation>The contact details are not known yet: they are asked for at start-up when the computer is online.</translation>
        </message>
        <message>
            <location line="+11" />
            <location line="+13" />
            <source>%1: </source>
            <translation>%1: </translation>
        </message>
    </context>
    <context>
        <name>ContactsListsPage</name>
        <message>
            <location filename="../qml/content/pages/ContactsListsPage.qml" line="+181" />
            <source>The import was cancelled: no contact was added.</source>
            <translation>The import was cancelled: no contact was added.</translation>
        </message>
        <message>
            <location line="+26" />
            <source>The file could not be written.</source>
            <translation>The file could not be written.</translation>
        </message>
        <message>
            <location line="+166" />
            <source>Are you sure you want to delete the list %1 ?</source>
            <translation>Are you sure you want to delete the list %1 ?</translation>
        </message>
        <message>
            <location line="+24" />
            <source>Import Contacts to %1</source>
            <translation>Import Contacts to %1</translation>
        </message>
        <message>
            <location line="+1" />
            <location line="+8" />
            <source>vCard file (*.vcf *.vcard)</source>
            <translation>vCard file (*.vcf *.vcard)</translation>
        </message>
        <message>
            <location line="-1" />
            <source>Export %1</source>
            <translation>Export %1</translation>
        </message>
    </context>
    <context>
        <name>EmailContentDetail</name>
        <message>
            <location filename="../qml/content/pages/details/EmailContentDetail.qml" line="+52" />
            <source>Getting started</source>
            <translation>Getting started</translation>
        </message>
        <message>
            <location line="+7" />
            <source>1. Add the SMTP account you send with: open %1, then %2. A test message proves it works.</source>
            <translation>1. Add the SMTP account you send with: open %1, then %2. A test message proves it works.</translation>
        </message>
        <message>
            <location line="+7" />
            <source>2. Create a contact list: open %1, then %2, and add or import its contacts.</source>
            <translation>2. Create a contact list: open %1, then %2, and add or import its contacts.</translation>
        </message>
        <message>
            <location line="+6" />
            <source>3. Come back here to write the message, choose its lists and press %1.</source>
            <translation>3. Come back here to write the message, choose its lists and press %1.</translation>
        </message>
    </context>
    <context>
        <name>HtmlWebView</name>
        <message>
            <location filename="../qml/content/pages/compose/HtmlWebView.qml" line="+63" />
            <source>Remote images are not shown, so that the template's senders cannot see that it was opened.</source>
            <translation>Remote images are not shown, so that the template's senders cannot see that it was opened.</translation>
        </message>
        <message>
            <location line="+4" />
            <source>Show remote images</source>
            <translation>Show remote images</translation>
        </message>
    </context>
    <context>
        <name>ImportProgressDialog</name>
        <message>
            <location filename="../qml/content/pages/contacts/ImportProgressDialog.qml" line="+28" />
            <source>Importing contacts</source>
            <translation>Importing contacts</translation>
        </message>
        <message>
            <location line="+13" />
            <source>%1 cards read</source>
            <translation>%1 cards read</translation>
        </message>
    </context>
    <context>
        <name>MyTrStrings</name>
        <message>
            <location filename="../qml/content/MyTrStrings.qml" line="+8" />
            <source>No active account</source>
            <translation>No active account</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Sending speed</source>
            <translation>Sending speed</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Language</source>
            <translation>Language</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Minimize</source>
            <translation>Minimize</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Restore</source>
            <translation>Restore</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Maximize</source>
            <translation>Maximize</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Close</source>
            <translation>Close</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Home</source>
            <translation>Home</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Accounts</source>
            <translation>Accounts</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Contacts</source>
            <translation>Contacts</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Search</source>
            <translation>Search</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Templates</source>
            <translation>Templates</translation>
        </message>
        <message>
            <location line="+1" />
            <source>About</source>
            <translation>About</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Contact Us</source>
            <translation>Contact Us</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Connexion error</source>
            <translation>Connexion error</translation>
        </message>
        <message>
            <location line="+1" />
            <source>You are not connected to the internet</source>
            <translation>You are not connected to the internet</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Confirm</source>
            <translation>Confirm</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Active</source>
            <translation>Active</translation>
        </message>
        <message>
            <location line="+1" />
            <source>About Parvane</source>
            <translation>About Parvane</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Parvane is an emailing application developed by Velmora.</source>
            <translation>Parvane is an emailing application developed by Velmora.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Installed version</source>
            <translation>Installed version</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Last version installed</source>
            <translation>Last version installed</translation>
        </message>
        <message>
            <location line="+1" />
            <source>There is a newer version.</source>
            <translation>There is a newer version.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>You have already installed the latest version of Parvane.</source>
            <translation>You have already installed the latest version of Parvane.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>For any concerns, feel to contact us.</source>
            <translation>For any concerns, feel to contact us.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Email</source>
            <translation>Email</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Email address copied.</source>
            <translation>Email address copied.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Phone</source>
            <translation>Phone</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Phone number copied.</source>
            <translation>Phone number copied.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Save Work</source>
            <translation>Save Work</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Choose File</source>
            <translation>Choose File</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Invalid response</source>
            <translation>Invalid response</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Error while connecting to server</source>
            <translation>Error while connecting to server</translation>
        </message>
        <message>
            <location line="+1" />
            <source>No item to show</source>
            <translation>No item to show</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Add recipient addresses separated by a semicolon. Ex: john.doe@example.com; jane.doe@example.com; ...</source>
            <translation>Add recipient addresses separated by a semicolon. Ex: john.doe@example.com; jane.doe@example.com; ...</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Accounts List</source>
            <translation>Accounts List</translation>
        </message>
        <message>
            <location line="+1" />
            <source>You can switch between your added accounts in Parvane, add more and delete old ones</source>
            <translation>You can switch between your added accounts in Parvane, add more and delete old ones</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Add account</source>
            <translation>Add account</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Manage</source>
            <translation>Manage</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Add new account</source>
            <translation>Add new account</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Sender name</source>
            <translation>Sender name</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Displayed sender name</source>
            <translation>Displayed sender name</translation>
        </message>
        <message>
            <location line="+1" />
            <source>SMTP Server</source>
            <translation>SMTP Server</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Server name</source>
            <translation>Server name</translation>
        </message>
        <message>
            <location line="+1" />
            <source>SMTP server name</source>
            <translation>SMTP server name</translation>
        </message>
        <message>
            <location line="+1" />
            <source>SMTP Host</source>
            <translation>SMTP Host</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Server host</source>
            <translation>Server host</translation>
        </message>
        <message>
            <location line="+1" />
            <source>SMTP Port</source>
            <translation>SMTP Port</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Server port</source>
            <translation>Server port</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Connection</source>
            <translation>Connection</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Email address</source>
            <translation>Email address</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Your email address</source>
            <translation>Your email address</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Password</source>
            <translation>Password</translation>
        </message>
        <message>
            <location line="+1" />
            <source>For some servers like Gmail, you must use an application password.</source>
            <translation>For some servers like Gmail, you must use an application password.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Your password</source>
            <translation>Your password</translation>
        </message>
        <message>
            <location line="+1" />
            <source>The displayed name is required.</source>
            <translation>The displayed name is required.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>The server name is required.</source>
            <translation>The server name is required.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>The SMTP host is required.</source>
            <translation>The SMTP host is required.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>The SMTP port is required.</source>
            <translation>The SMTP port is required.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>The email address is required.</source>
            <translation>The email address is required.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>The password is required.</source>
            <translation>The password is required.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Invalid email.</source>
            <translation>Invalid email.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Account already exists.</source>
            <translation>Account already exists.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Contacts List</source>
            <translation>Contacts List</translation>
        </message>
        <message>
            <location line="+1" />
            <source>New list</source>
            <translation>New list</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Organize your contacts into lists for easier management. To add contacts, you must have at least one list.</source>
            <translation>Organize your contacts into lists for easier management. To add contacts, you must have at least one list.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>No active list</source>
            <translation>No active list</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Add</source>
            <translation>Add</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Import</source>
            <translation>Import</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Export</source>
            <translation>Export</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Delete</source>
            <translation>Delete</translation>
        </message>
        <message>
            <location line="+1" />
            <source>List name</source>
            <translation>List name</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Your list name</source>
            <translation>Your list name</translation>
        </message>
        <message>
            <location line="+1" />
            <source>List name is required.</source>
            <translation>List name is required.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>List already exists.</source>
            <translation>List already exists.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Add new contact</source>
            <translation>Add new contact</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Last name</source>
            <translation>Last name</translation>
        </message>
        <message>
            <location line="+1" />
            <source>First name</source>
            <translation>First name</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Telephone</source>
            <translation>Telephone</translation>
        </message>
        <message>
            <location line="+1" />
            <source>doejohn@example.com</source>
            <translation>doejohn@example.com</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Company</source>
            <translation>Company</translation>
        </message>
        <message>
            <location line="+1" />
            <source>My company</source>
            <translation>My company</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Occupation</source>
            <translation>Occupation</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Trader</source>
            <translation>Trader</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Website</source>
            <translation>Website</translation>
        </message>
        <message>
            <location line="+1" />
            <source>www.example.com</source>
            <translation>www.example.com</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Some contacts are already in this list.</source>
            <translation>Some contacts are already in this list.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>No contacts imported.</source>
            <translation>No contacts imported.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Some contacts were not imported.</source>
            <translation>Some contacts were not imported.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Contact's name is required.</source>
            <translation>Contact's name is required.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Contact's email is required.</source>
            <translation>Contact's email is required.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Contact already exists in this list.</source>
            <translation>Contact already exists in this list.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Search for email addresses online based on your needs</source>
            <translation>Search for email addresses online based on your needs</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Terms</source>
            <translation>Terms</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Ex: News agencies</source>
            <translation>Ex: News agencies</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Domains</source>
            <translation>Domains</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Ex: @gmail.com, @company.com</source>
            <translation>Ex: @gmail.com, @company.com</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Emails from other domains</source>
            <translation>Emails from other domains</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Choose content type</source>
            <translation>Choose content type</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Retrieve</source>
            <translation>Retrieve</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Do not retrieve</source>
            <translation>Do not retrieve</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Country</source>
            <translation>Country</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Clear</source>
            <translation>Clear</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Terms is required.</source>
            <translation>Terms is required.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Domains is required.</source>
            <translation>Domains is required.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Country is required.</source>
            <translation>Country is required.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Language is required.</source>
            <translation>Language is required.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>No valid domains found.</source>
            <translation>No valid domains found.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>No matching items found</source>
            <translation>No matching items found</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Search in progress</source>
            <translation>Search in progress</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Search result</source>
            <translation>Search result</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Stop</source>
            <translation>Stop</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Copy</source>
            <translation>Copy</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Emailing</source>
            <translation>Emailing</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Sending lists</source>
            <translation>Sending lists</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Preview</source>
            <translation>Preview</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Subject</source>
            <translation>Subject</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Recipient addresses</source>
            <translation>Recipient addresses</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Add Lists</source>
            <translation>Add Lists</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Email content</source>
            <translation>Email content</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Load HTML</source>
            <translation>Load HTML</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Remove HTML</source>
            <translation>Remove HTML</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Attachments</source>
            <translation>Attachments</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Your email content</source>
            <translation>Your email content</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Send</source>
            <translation>Send</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Sending in progress</source>
            <translation>Sending in progress</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Sent</source>
            <translation>Sent</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Failed</source>
            <translation>Failed</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Total</source>
            <translation>Total</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Finished</source>
            <translation>Finished</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Output</source>
            <translation>Output</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Choose Files</source>
            <translation>Choose Files</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Select the desired contact lists</source>
            <translation>Select the desired contact lists</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Select all</source>
            <translation>Select all</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Unselect all</source>
            <translation>Unselect all</translation>
        </message>
        <message>
            <location line="+1" />
            <source>You must add at least one SMPT account.</source>
            <translation>You must add at least one SMPT account.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Sender Name is required.</source>
            <translation>Sender Name is required.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Subject is required.</source>
            <translation>Subject is required.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Recipient is required.</source>
            <translation>Recipient is required.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Email content is required.</source>
            <translation>Email content is required.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>No valid recipient found.</source>
            <translation>No valid recipient found.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Email sent</source>
            <translation>Email sent</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Category</source>
            <translation>Category</translation>
        </message>
        <message>
            <location line="+1" />
            <source>All</source>
            <translation>All</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Edit</source>
            <translation>Edit</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Edit Account</source>
            <translation>Edit Account</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Cancel</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Account has been updated.</source>
            <translation>Account has been updated.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Edit Contact</source>
            <translation>Edit Contact</translation>
        </message>
        <message>
            <location line="+1" />
            <source>List</source>
            <translation>List</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Export Contact</source>
            <translation>Export Contact</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Select an item to view details here</source>
            <translation>Select an item to view details here</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Search results</source>
            <translation>Search results</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Delete all</source>
            <translation>Delete all</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Are you sure you want to delete all search results ?</source>
            <translation>Are you sure you want to delete all search results ?</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Are you sure you want to delete this search result ?</source>
            <translation>Are you sure you want to delete this search result ?</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Task lists</source>
            <translation>Task lists</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Add list</source>
            <translation>Add list</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Output copied.</source>
            <translation>Output copied.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Add new task list</source>
            <translation>Add new task list</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Add tasks</source>
            <translation>Add tasks</translation>
        </message>
        <message>
            <location line="+1" />
            <source>List's name is required.</source>
            <translation>List's name is required.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>This sending list already exists.</source>
            <translation>This sending list already exists.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>You must add at least two tasks.</source>
            <translation>You must add at least two tasks.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Some saves cannot be used as tasks.</source>
            <translation>Some saves cannot be used as tasks.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Are you sure you want to delete all task lists ?</source>
            <translation>Are you sure you want to delete all task lists ?</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Are you sure you want to delete this task list ?</source>
            <translation>Are you sure you want to delete this task list ?</translation>
        </message>
    </context>
    <context>
        <name>ResumeRunDialog</name>
        <message>
            <location filename="../qml/content/pages/compose/ResumeRunDialog.qml" line="+29" />
            <source>Interrupted sending run</source>
            <translation>Interrupted sending run</translation>
        </message>
        <message>
            <location line="+11" />
            <source>The run "%1" from %2 stopped after %3 of %4 recipients. Resuming sends the same message to the other %5, and to nobody twice.</source>
            <translation>The run "%1" from %2 stopped after %3 of %4 recipients. Resuming sends the same message to the other %5, and to nobody twice.</translation>
        </message>
        <message>
            <location line="+11" />
            <source>Discard</source>
            <translation>Discard</translation>
        </message>
        <message>
            <location line="+9" />
            <source>Resume</source>
            <translation>Resume</translation>
        </message>
    </context>
    <context>
        <name>RunSummaryDialog</name>
        <message>
            <location filename="../qml/content/pages/compose/RunSummaryDialog.qml" line="+25" />
            <source>"%1" stays as written for %2 recipient(s): the field is empty.</source>
            <translation>"%1" stays as written for %2 recipient(s): the field is empty.</translation>
        </message>
        <message>
            <location line="+25" />
            <source>Ready to send</source>
            <translation>Ready to send</translation>
        </message>
        <message>
            <location line="+7" />
            <source>%1 recipient(s) will each receive one message.</source>
            <translation>%1 recipient(s) will each receive one message.</translation>
        </message>
        <message>
            <location line="+10" />
            <source>%1 address(es) appear more than once.</source>
            <translation>%1 address(es) appear more than once.</translation>
        </message>
        <message>
            <location line="+14" />
            <source>Send once per address</source>
            <translation>Send once per address</translation>
        </message>
        <message>
            <location line="+11" />
            <source>%1 address(es) are invalid and will be counted as failed.</source>
            <translation>%1 address(es) are invalid and will be counted as failed.</translation>
        </message>
    </context>
    <context>
        <name>Screen01</name>
        <message>
            <location filename="../qml/content/Screen01.qml" line="+213" />
            <source>%1 emails copied.</source>
            <translation>%1 emails copied.</translation>
        </message>
    </context>
    <context>
        <name>SendEmailsPage</name>
        <message>
            <location filename="../qml/content/pages/SendEmailsPage.qml" line="+64" />
            <source>+%1 List</source>
            <translation>+%1 List</translation>
        </message>
        <message>
            <location line="+1" />
            <source>+%1 Lists</source>
            <translation>+%1 Lists</translation>
        </message>
        <message>
            <location line="+57" />
            <source>HTML file (*.html *.htm)</source>
            <translation>HTML file (*.html *.htm)</translation>
        </message>
    </context>
    <context>
        <name>SendingController</name>
        <message>
            <location filename="../qml/content/pages/compose/SendingController.qml" line="+49" />
            <source>The SMTP port must be a number from 1 to 65535.</source>
            <translation>The SMTP port must be a number from 1 to 65535.</translation>
        </message>
        <message>
            <location line="+5" />
            <source>The active account has no password.</source>
            <translation>The active account has no password.</translation>
        </message>
        <message>
            <location line="+33" />
            <source>Start task %1</source>
            <translation>Start task %1</translation>
        </message>
        <message>
            <location line="+76" />
            <source>End task %1</source>
            <translation>End task %1</translation>
        </message>
        <message>
            <location line="+24" />
            <source>The account of the interrupted run is no longer there: add it again to resume the run.</source>
            <translation>The account of the interrupted run is no longer there: add it again to resume the run.</translation>
        </message>
        <message>
            <location line="+41" />
            <source>Invalid email</source>
            <translation>Invalid email</translation>
        </message>
        <message>
            <location line="+1" />
            <source>(will be tried again later)</source>
            <translation>(will be tried again later)</translation>
        </message>
        <message>
            <location line="+1" />
            <source>No reply after the whole message was sent: it may have arrived. It is not sent again.</source>
            <translation>No reply after the whole message was sent: it may have arrived. It is not sent again.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>interrupted while it was being sent</source>
            <translation>interrupted while it was being sent</translation>
        </message>
        <message>
            <location line="+33" />
            <source>Processing %1: %2/%3</source>
            <translation>Processing %1: %2/%3</translation>
        </message>
        <message>
            <location line="+26" />
            <source>A sending run is under way. Stop it and quit?</source>
            <translation>A sending run is under way. Stop it and quit?</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Stop and quit</source>
            <translation>Stop and quit</translation>
        </message>
    </context>
    <context>
        <name>SendingDialog</name>
        <message>
            <location filename="../qml/content/pages/compose/SendingDialog.qml" line="+34" />
            <source>Sending finished</source>
            <translation>Sending finished</translation>
        </message>
        <message>
            <location line="+2" />
            <source>Sending stopped</source>
            <translation>Sending stopped</translation>
        </message>
        <message>
            <location line="+2" />
            <source>Stopping…</source>
            <translation>Stopping…</translation>
        </message>
        <message>
            <location line="+9" />
            <source>The server asked to wait: sending goes on at %1.</source>
            <translation>The server asked to wait: sending goes on at %1.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>%1 recipient(s) will be tried again at %2.</source>
            <translation>%1 recipient(s) will be tried again at %2.</translation>
        </message>
        <message>
            <location line="+97" />
            <source>Copy log</source>
            <translation>Copy log</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Log copied</source>
            <translation>Log copied</translation>
        </message>
        <message>
            <location line="+18" />
            <source>Copy failed addresses</source>
            <translation>Copy failed addresses</translation>
        </message>
        <message>
            <location line="+2" />
            <source>Addresses copied</source>
            <translation>Addresses copied</translation>
        </message>
        <message>
            <location line="+4" />
            <source>Retry failed</source>
            <translation>Retry failed</translation>
        </message>
        <message>
            <location line="+31" />
            <source>%1 recipient(s) may have received the message already: no reply came after it was sent. Send to them again too?</source>
            <translation>%1 recipient(s) may have received the message already: no reply came after it was sent. Send to them again too?</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Send again to all</source>
            <translation>Send again to all</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Only the refused ones</source>
            <translation>Only the refused ones</translation>
        </message>
    </context>
    <context>
        <name>SendingListSequencer</name>
        <message>
            <location filename="../qml/content/pages/compose/SendingListSequencer.qml" line="+40" />
            <source>Start task %1</source>
            <translation>Start task %1</translation>
        </message>
    </context>
    <context>
        <name>SendingListsDetail</name>
        <message>
            <location filename="../qml/content/pages/details/SendingListsDetail.qml" line="+104" />
            <source>Task %1 of %2 under way</source>
            <translation>Task %1 of %2 under way</translation>
        </message>
        <message>
            <location line="+2" />
            <source>%1 tasks</source>
            <translation>%1 tasks</translation>
        </message>
        <message>
            <location line="+10" />
            <source>Run this list</source>
            <translation>Run this list</translation>
        </message>
        <message>
            <location line="+8" />
            <source>Copy the log of the last run</source>
            <translation>Copy the log of the last run</translation>
        </message>
    </context>
    <context>
        <name>SendingSpeedMenu</name>
        <message>
            <location filename="../qml/content/window/SendingSpeedMenu.qml" line="+25" />
            <source>%1 Mails/s</source>
            <translation>%1 Mails/s</translation>
        </message>
        <message>
            <location line="+2" />
            <source>%1 Mail/s</source>
            <translation>%1 Mail/s</translation>
        </message>
        <message numerus="yes">
            <location line="+2" />
            <source>Every %n min</source>
            <translation>
                <numerusform>Every %n min</numerusform>
                <numerusform>Every %n min</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>TemplateCard</name>
        <message>
            <location filename="../qml/content/pages/templates/TemplateCard.qml" line="+51" />
            <source>Loading preview…</source>
            <translation>Loading preview…</translation>
        </message>
        <message>
            <location line="+1" />
            <source>No preview</source>
            <translation>No preview</translation>
        </message>
    </context>
    <context>
        <name>UnembeddedReferences</name>
        <message>
            <location filename="../qml/content/pages/compose/UnembeddedReferences.qml" line="+19" />
            <source>outside the HTML file's folder</source>
            <translation>outside the HTML file's folder</translation>
        </message>
        <message>
            <location line="+2" />
            <source>no such file</source>
            <translation>no such file</translation>
        </message>
        <message>
            <location line="+2" />
            <source>neither an image nor a style sheet</source>
            <translation>neither an image nor a style sheet</translation>
        </message>
        <message>
            <location line="+2" />
            <source>a style sheet that is not text</source>
            <translation>a style sheet that is not text</translation>
        </message>
        <message>
            <location line="+2" />
            <source>an embedded image that cannot be read</source>
            <translation>an embedded image that cannot be read</translation>
        </message>
        <message>
            <location line="+11" />
            <source>Not embedded in the message:</source>
            <translation>Not embedded in the message:</translation>
        </message>
    </context>
    <context>
        <name>WorkFiles</name>
        <message>
            <location filename="../qml/content/window/WorkFiles.qml" line="+49" />
            <source>The work could not be saved in %1.</source>
            <translation>The work could not be saved in %1.</translation>
        </message>
        <message>
            <location line="+14" />
            <source>%1 could not be read as a work file.</source>
            <translation>%1 could not be read as a work file.</translation>
        </message>
        <message>
            <location line="+45" />
            <location line="+11" />
            <source>Backup file (*.pvsav)</source>
            <translation>Backup file (*.pvsav)</translation>
        </message>
    </context>
</TS>
