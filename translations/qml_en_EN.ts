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
            <location filename="../qml/content/pages/details/AccountDetail.qml" line="+62" />
            <source>A sending run is using this account: it can be changed once the run has ended.</source>
            <translation>A sending run is using this account: it can be changed once the run has ended.</translation>
        </message>
        <message>
            <location line="+33" />
            <source>Sign in again with %1 first.</source>
            <translation>Sign in again with %1 first.</translation>
        </message>
        <message>
            <location line="+82" />
            <source>You signed in as %1, not as %2: nothing was changed.</source>
            <translation>You signed in as %1, not as %2: nothing was changed.</translation>
        </message>
        <message>
            <location line="+6" />
            <source>Signed in again as %1.</source>
            <translation>Signed in again as %1.</translation>
        </message>
        <message>
            <location line="+21" />
            <source>Sign in again with %1</source>
            <translation>Sign in again with %1</translation>
        </message>
        <message>
            <location line="+41" />
            <source>Are you sure you want to delete the account %1 ?</source>
            <translation>Are you sure you want to delete the account %1?</translation>
        </message>
    </context>
    <context>
        <name>AccountForm</name>
        <message>
            <location filename="../qml/content/pages/accounts/AccountForm.qml" line="+93" />
            <source>The IMAP port must be a number from 1 to 65535.</source>
            <translation>The IMAP port must be a number from 1 to 65535.</translation>
        </message>
        <message>
            <location line="+3" />
            <source>Logging in to the mailbox…</source>
            <translation>Logging in to the mailbox…</translation>
        </message>
        <message>
            <location line="+13" />
            <location line="+399" />
            <source>The mailbox login went through.</source>
            <translation>The mailbox login went through.</translation>
        </message>
        <message>
            <location line="-398" />
            <source>The mailbox login failed: %1</source>
            <translation>The mailbox login failed: %1</translation>
        </message>
        <message>
            <location line="+8" />
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
            <location line="+67" />
            <source>The SMTP port must be a number from 1 to 65535.</source>
            <translation>The SMTP port must be a number from 1 to 65535.</translation>
        </message>
        <message>
            <location line="+7" />
            <source>Test the mailbox login before the IMAP settings are kept.</source>
            <translation>Test the mailbox login before the IMAP settings are kept.</translation>
        </message>
        <message>
            <location line="+134" />
            <source>With "None" nothing is encrypted: your messages travel in clear, and no password is sent.</source>
            <translation>With "None" nothing is encrypted: your messages travel in clear, and no password is sent.</translation>
        </message>
        <message>
            <location line="+2" />
            <source>With "Auto" the password is sent only over an encrypted connection; a server that offers none is refused.</source>
            <translation>With "Auto" the password is sent only over an encrypted connection; a server that offers none is refused.</translation>
        </message>
        <message>
            <location line="+41" />
            <source>A run waits when the account has sent this many messages in the last 24 hours, hour or minute, and goes on by itself. Empty: no limit.</source>
            <translation>A run waits when the account has sent this many messages in the last 24 hours, hour or minute, and goes on by itself. Empty: no limit.</translation>
        </message>
        <message>
            <location line="-3" />
            <source>Messages per day</source>
            <translation>Messages per day</translation>
        </message>
        <message>
            <location line="+10" />
            <location line="+11" />
            <location line="+11" />
            <source>No limit</source>
            <translation>No limit</translation>
        </message>
        <message>
            <location line="-17" />
            <source>Messages per hour</source>
            <translation>Messages per hour</translation>
        </message>
        <message>
            <location line="+11" />
            <source>Messages per minute</source>
            <translation>Messages per minute</translation>
        </message>
        <message>
            <location line="+21" />
            <source>Read bounces and unsubscribe replies from this mailbox (IMAP)</source>
            <translation>Read bounces and unsubscribe replies from this mailbox (IMAP)</translation>
        </message>
        <message>
            <location line="+9" />
            <source>Parvane reads the bounces, complaints and unsubscribe replies that come back to this mailbox, and never sends to those addresses again. Nothing is deleted or marked as read.</source>
            <translation>Parvane reads the bounces, complaints and unsubscribe replies that come back to this mailbox, and never sends to those addresses again. Nothing is deleted or marked as read.</translation>
        </message>
        <message>
            <location line="+3" />
            <source>IMAP host</source>
            <translation>IMAP host</translation>
        </message>
        <message>
            <location line="+8" />
            <source>The mailbox server, e.g. imap.example.com</source>
            <translation>The mailbox server, e.g. imap.example.com</translation>
        </message>
        <message>
            <location line="+3" />
            <source>IMAP port</source>
            <translation>IMAP port</translation>
        </message>
        <message>
            <location line="+26" />
            <source>IMAP user name</source>
            <translation>IMAP user name</translation>
        </message>
        <message>
            <location line="+8" />
            <source>The email address</source>
            <translation>The email address</translation>
        </message>
        <message>
            <location line="+3" />
            <source>IMAP password</source>
            <translation>IMAP password</translation>
        </message>
        <message>
            <location line="+8" />
            <source>The account's password</source>
            <translation>The account's password</translation>
        </message>
        <message>
            <location line="+4" />
            <source>Other folder</source>
            <translation>Other folder</translation>
        </message>
        <message>
            <location line="+8" />
            <source>Besides the inbox, e.g. Junk</source>
            <translation>Besides the inbox, e.g. Junk</translation>
        </message>
        <message>
            <location line="+18" />
            <source>Test the mailbox login</source>
            <translation>Test the mailbox login</translation>
        </message>
    </context>
    <context>
        <name>AccountMenu</name>
        <message>
            <location filename="../qml/content/window/AccountMenu.qml" line="+18" />
            <source>Share runs with other accounts…</source>
            <translation>Share runs with other accounts…</translation>
        </message>
    </context>
    <context>
        <name>AccountsPage</name>
        <message>
            <location filename="../qml/content/pages/AccountsPage.qml" line="+44" />
            <source>No keychain answered on this computer, so your passwords are kept in a file that only you can read: %1</source>
            <translation>No keychain answered on this computer, so your passwords are kept in a file that only you can read: %1</translation>
        </message>
    </context>
    <context>
        <name>AddAccountDialog</name>
        <message>
            <location filename="../qml/content/pages/accounts/AddAccountDialog.qml" line="+115" />
            <source>Signed in as %1: Parvane now sends a test message.</source>
            <translation>Signed in as %1: Parvane now sends a test message.</translation>
        </message>
        <message>
            <location line="+45" />
            <source>Sign in with Microsoft</source>
            <translation>Sign in with Microsoft</translation>
        </message>
        <message>
            <location line="+7" />
            <source>Sign in with Google</source>
            <translation>Sign in with Google</translation>
        </message>
    </context>
    <context>
        <name>AddSendingListDialog</name>
        <message numerus="yes">
            <location filename="../qml/content/run/AddSendingListDialog.qml" line="+25" />
            <source>You cannot add more than %Ln task(s) to a list.</source>
            <translation>
                <numerusform>You cannot add more than %Ln task to a list.</numerusform>
                <numerusform>You cannot add more than %Ln tasks to a list.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <location line="+14" />
            <source>%Ln file(s) cannot be used as tasks: a task needs a sender name, a subject, recipients and some content.</source>
            <translation>
                <numerusform>%Ln file cannot be used as a task: a task needs a sender name, a subject, recipients and some content.</numerusform>
                <numerusform>%Ln files cannot be used as tasks: a task needs a sender name, a subject, recipients and some content.</numerusform>
            </translation>
        </message>
        <message>
            <location line="+136" />
            <source>Backup file (*.pvsav)</source>
            <translation>Backup file (*.pvsav)</translation>
        </message>
    </context>
    <context>
        <name>AddToListDialog</name>
        <message>
            <location filename="../qml/content/pages/search/AddToListDialog.qml" line="+29" />
            <source>Contacts added to the list: %1; already there: %2; not valid: %3.</source>
            <translation>Contacts added to the list: %1; already there: %2; not valid: %3.</translation>
        </message>
        <message>
            <location line="+2" />
            <source>Contacts added to the list: %1; already there: %2.</source>
            <translation>Contacts added to the list: %1; already there: %2.</translation>
        </message>
        <message>
            <location line="+18" />
            <source>Emails to add to a contact list: %1</source>
            <translation>Emails to add to a contact list: %1</translation>
        </message>
        <message>
            <location line="+16" />
            <source>You have no contact list yet: create one on the Contacts page first.</source>
            <translation>You have no contact list yet: create one on the Contacts page first.</translation>
        </message>
    </context>
    <context>
        <name>App</name>
        <message>
            <location filename="../qml/content/App.qml" line="+98" />
            <source>Saving your latest changes…</source>
            <translation>Saving your latest changes…</translation>
        </message>
        <message>
            <location line="+25" />
            <source>Your latest changes could not be saved: %1. Quit anyway?</source>
            <translation>Your latest changes could not be saved: %1. Quit anyway?</translation>
        </message>
        <message>
            <location line="+67" />
            <source>Quit anyway</source>
            <translation>Quit anyway</translation>
        </message>
    </context>
    <context>
        <name>AppTitleBar</name>
        <message>
            <location filename="../qml/content/window/AppTitleBar.qml" line="+53" />
            <source>Sending paused %1/%2</source>
            <translation>Sending paused %1/%2</translation>
        </message>
        <message>
            <location line="+2" />
            <source>Sending finished %1/%2</source>
            <translation>Sending finished %1/%2</translation>
        </message>
        <message>
            <location line="+2" />
            <source>Sending stopped %1/%2</source>
            <translation>Sending stopped %1/%2</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Sending %1/%2</source>
            <translation>Sending %1/%2</translation>
        </message>
        <message>
            <location line="+146" />
            <source>History</source>
            <translation>History</translation>
        </message>
    </context>
    <context>
        <name>ComposeForm</name>
        <message>
            <location filename="../qml/content/pages/compose/ComposeForm.qml" line="+199" />
            <source>Unsubscribe link</source>
            <translation>Unsubscribe link</translation>
        </message>
        <message>
            <location line="+31" />
            <source>Schedule…</source>
            <translation>Schedule…</translation>
        </message>
    </context>
    <context>
        <name>Constants</name>
        <message>
            <location filename="../qml/Parvane/Constants.qml" line="+121" />
            <source>Andorre</source>
            <translation>Andorra</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Émirats arabes unis</source>
            <translation>United Arab Emirates</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Afghanistan</source>
            <translation>Afghanistan</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Antigua-et-Barbuda</source>
            <translation>Antigua and Barbuda</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Anguilla</source>
            <translation>Anguilla</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Albanie</source>
            <translation>Albania</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Arménie</source>
            <translation>Armenia</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Angola</source>
            <translation>Angola</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Antarctique</source>
            <translation>Antarctica</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Argentine</source>
            <translation>Argentina</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Samoa américaines</source>
            <translation>American Samoa</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Autriche</source>
            <translation>Austria</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Australie</source>
            <translation>Australia</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Aruba</source>
            <translation>Aruba</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Îles Åland</source>
            <translation>Åland Islands</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Azerbaïdjan</source>
            <translation>Azerbaijan</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Bosnie-Herzégovine</source>
            <translation>Bosnia and Herzegovina</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Barbade</source>
            <translation>Barbados</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Bangladesh</source>
            <translation>Bangladesh</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Belgique</source>
            <translation>Belgium</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Burkina Faso</source>
            <translation>Burkina Faso</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Bulgarie</source>
            <translation>Bulgaria</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Bahreïn</source>
            <translation>Bahrain</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Burundi</source>
            <translation>Burundi</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Bénin</source>
            <translation>Benin</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Saint-Barthélemy</source>
            <translation>Saint Barthélemy</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Bermudes</source>
            <translation>Bermuda</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Brunei</source>
            <translation>Brunei</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Bolivie</source>
            <translation>Bolivia</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Pays-Bas caribéens</source>
            <translation>Bonaire, Sint Eustatius and Saba</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Brésil</source>
            <translation>Brazil</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Bahamas</source>
            <translation>Bahamas</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Île Bouvet</source>
            <translation>Bouvet Island</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Botswana</source>
            <translation>Botswana</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Biélorussie</source>
            <translation>Belarus</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Belize</source>
            <translation>Belize</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Canada</source>
            <translation>Canada</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Îles Cocos</source>
            <translation>Cocos (Keeling) Islands</translation>
        </message>
        <message>
            <location line="+1" />
            <source>République démocratique du Congo</source>
            <translation>Democratic Republic of the Congo</translation>
        </message>
        <message>
            <location line="+1" />
            <source>République centrafricaine</source>
            <translation>Central African Republic</translation>
        </message>
        <message>
            <location line="+1" />
            <source>République du Congo</source>
            <translation>Republic of the Congo</translation>
        </message>
        <message>
            <location line="+1" />
            <source>la Suisse</source>
            <translation>Switzerland</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Côte d'Ivoire</source>
            <translation>Côte d'Ivoire</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Îles Cook</source>
            <translation>Cook Islands</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Chili</source>
            <translation>Chile</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Cameroun</source>
            <translation>Cameroon</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Chine</source>
            <translation>China</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Colombie</source>
            <translation>Colombia</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Costa Rica</source>
            <translation>Costa Rica</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Cuba</source>
            <translation>Cuba</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Cap-Vert</source>
            <translation>Cape Verde</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Curaçao</source>
            <translation>Curaçao</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Île Christmas</source>
            <translation>Christmas Island</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Chypre</source>
            <translation>Cyprus</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Tchéquie</source>
            <translation>Czechia</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Allemagne</source>
            <translation>Germany</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Djibouti</source>
            <translation>Djibouti</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Danemark</source>
            <translation>Denmark</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Dominique</source>
            <translation>Dominica</translation>
        </message>
        <message>
            <location line="+1" />
            <source>République dominicaine</source>
            <translation>Dominican Republic</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Algérie</source>
            <translation>Algeria</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Équateur</source>
            <translation>Ecuador</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Estonie</source>
            <translation>Estonia</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Égypte</source>
            <translation>Egypt</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Sahara occidental</source>
            <translation>Western Sahara</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Érythrée</source>
            <translation>Eritrea</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Espagne</source>
            <translation>Spain</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Éthiopie</source>
            <translation>Ethiopia</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Finlande</source>
            <translation>Finland</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Fidji</source>
            <translation>Fiji</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Îles Malouines</source>
            <translation>Falkland Islands</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Micronésie</source>
            <translation>Micronesia</translation>
        </message>
        <message>
            <location line="+1" />
            <source>France</source>
            <translation>France</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Gabon</source>
            <translation>Gabon</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Royaume-Uni</source>
            <translation>United Kingdom</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Grenade</source>
            <translation>Grenada</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Géorgie</source>
            <translation>Georgia</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Guyane française</source>
            <translation>French Guiana</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Guernesey</source>
            <translation>Guernsey</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Ghana</source>
            <translation>Ghana</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Gibraltar</source>
            <translation>Gibraltar</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Gambie</source>
            <translation>Gambia</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Guinée</source>
            <translation>Guinea</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Guadeloupe</source>
            <translation>Guadeloupe</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Guinée équatoriale</source>
            <translation>Equatorial Guinea</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Grèce</source>
            <translation>Greece</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Géorgie du Sud-et-les Îles Sandwich du Sud</source>
            <translation>South Georgia and the South Sandwich Islands</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Guatemala</source>
            <translation>Guatemala</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Guam</source>
            <translation>Guam</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Guinée-Bissau</source>
            <translation>Guinea-Bissau</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Guyana</source>
            <translation>Guyana</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Hong Kong</source>
            <translation>Hong Kong</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Îles Heard-et-MacDonald</source>
            <translation>Heard Island and McDonald Islands</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Honduras</source>
            <translation>Honduras</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Croatie</source>
            <translation>Croatia</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Haïti</source>
            <translation>Haiti</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Hongrie</source>
            <translation>Hungary</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Indonésie</source>
            <translation>Indonesia</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Irlande</source>
            <translation>Ireland</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Israël</source>
            <translation>Israel</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Île de Man</source>
            <translation>Isle of Man</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Inde</source>
            <translation>India</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Territoire britannique de l'océan Indien</source>
            <translation>British Indian Ocean Territory</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Irak</source>
            <translation>Iraq</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Iran</source>
            <translation>Iran</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Islande</source>
            <translation>Iceland</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Italie</source>
            <translation>Italy</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Jersey</source>
            <translation>Jersey</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Jamaïque</source>
            <translation>Jamaica</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Jordanie</source>
            <translation>Jordan</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Japon</source>
            <translation>Japan</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Kenya</source>
            <translation>Kenya</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Kirghizistan</source>
            <translation>Kyrgyzstan</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Cambodge</source>
            <translation>Cambodia</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Kiribati</source>
            <translation>Kiribati</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Comores</source>
            <translation>Comoros</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Saint-Christophe-et-Niévès</source>
            <translation>Saint Kitts and Nevis</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Corée du Nord</source>
            <translation>North Korea</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Corée du Sud</source>
            <translation>South Korea</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Koweït</source>
            <translation>Kuwait</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Îles Caïmans</source>
            <translation>Cayman Islands</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Kazakhstan</source>
            <translation>Kazakhstan</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Laos</source>
            <translation>Laos</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Liban</source>
            <translation>Lebanon</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Sainte-Lucie</source>
            <translation>Saint Lucia</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Liechtenstein</source>
            <translation>Liechtenstein</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Sri Lanka</source>
            <translation>Sri Lanka</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Libéria</source>
            <translation>Liberia</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Lesotho</source>
            <translation>Lesotho</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Lituanie</source>
            <translation>Lithuania</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Luxembourg</source>
            <translation>Luxembourg</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Lettonie</source>
            <translation>Latvia</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Libye</source>
            <translation>Libya</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Maroc</source>
            <translation>Morocco</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Monaco</source>
            <translation>Monaco</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Moldavie</source>
            <translation>Moldova</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Monténégro</source>
            <translation>Montenegro</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Saint-Martin</source>
            <translation>Saint Martin</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Madagascar</source>
            <translation>Madagascar</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Îles Marshall</source>
            <translation>Marshall Islands</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Macédoine du Nord</source>
            <translation>North Macedonia</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Mali</source>
            <translation>Mali</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Birmanie</source>
            <translation>Myanmar</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Mongolie</source>
            <translation>Mongolia</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Macao</source>
            <translation>Macao</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Îles Mariannes du Nord</source>
            <translation>Northern Mariana Islands</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Martinique</source>
            <translation>Martinique</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Mauritanie</source>
            <translation>Mauritania</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Montserrat</source>
            <translation>Montserrat</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Malte</source>
            <translation>Malta</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Maurice</source>
            <translation>Mauritius</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Maldives</source>
            <translation>Maldives</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Malawi</source>
            <translation>Malawi</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Mexique</source>
            <translation>Mexico</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Malaisie</source>
            <translation>Malaysia</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Mozambique</source>
            <translation>Mozambique</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Namibie</source>
            <translation>Namibia</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Nouvelle-Calédonie</source>
            <translation>New Caledonia</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Niger</source>
            <translation>Niger</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Île Norfolk</source>
            <translation>Norfolk Island</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Nigeria</source>
            <translation>Nigeria</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Nicaragua</source>
            <translation>Nicaragua</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Pays-Bas</source>
            <translation>Netherlands</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Antilles néerlandaises</source>
            <translation>Netherlands Antilles</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Norvège</source>
            <translation>Norway</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Népal</source>
            <translation>Nepal</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Nauru</source>
            <translation>Nauru</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Nioue</source>
            <translation>Niue</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Nouvelle-Zélande</source>
            <translation>New Zealand</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Oman</source>
            <translation>Oman</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Panama</source>
            <translation>Panama</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Pérou</source>
            <translation>Peru</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Polynésie française</source>
            <translation>French Polynesia</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Papouasie-Nouvelle-Guinée</source>
            <translation>Papua New Guinea</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Philippines</source>
            <translation>Philippines</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Pakistan</source>
            <translation>Pakistan</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Pologne</source>
            <translation>Poland</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Saint-Pierre-et-Miquelon</source>
            <translation>Saint Pierre and Miquelon</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Îles Pitcairn</source>
            <translation>Pitcairn</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Porto Rico</source>
            <translation>Puerto Rico</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Palestine</source>
            <translation>Palestine</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Portugal</source>
            <translation>Portugal</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Palaos</source>
            <translation>Palau</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Paraguay</source>
            <translation>Paraguay</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Qatar</source>
            <translation>Qatar</translation>
        </message>
        <message>
            <location line="+1" />
            <source>La Réunion</source>
            <translation>Réunion</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Roumanie</source>
            <translation>Romania</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Serbie</source>
            <translation>Serbia</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Serbie-et-Monténégro</source>
            <translation>Serbia and Montenegro</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Russie</source>
            <translation>Russia</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Rwanda</source>
            <translation>Rwanda</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Arabie saoudite</source>
            <translation>Saudi Arabia</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Îles Salomon</source>
            <translation>Solomon Islands</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Seychelles</source>
            <translation>Seychelles</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Soudan</source>
            <translation>Sudan</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Suède</source>
            <translation>Sweden</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Singapour</source>
            <translation>Singapore</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Sainte-Hélène</source>
            <translation>Saint Helena</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Slovénie</source>
            <translation>Slovenia</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Svalbard et Jan Mayen</source>
            <translation>Svalbard and Jan Mayen</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Slovaquie</source>
            <translation>Slovakia</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Sierra Leone</source>
            <translation>Sierra Leone</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Saint-Marin</source>
            <translation>San Marino</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Sénégal</source>
            <translation>Senegal</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Somalie</source>
            <translation>Somalia</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Suriname</source>
            <translation>Suriname</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Soudan du Sud</source>
            <translation>South Sudan</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Sao Tomé-et-Principe</source>
            <translation>Sao Tome and Principe</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Salvador</source>
            <translation>El Salvador</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Sint Maarten</source>
            <translation>Sint Maarten</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Syrie</source>
            <translation>Syria</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Eswatini</source>
            <translation>Eswatini</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Îles Turques-et-Caïques</source>
            <translation>Turks and Caicos Islands</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Tchad</source>
            <translation>Chad</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Terres australes et antarctiques françaises</source>
            <translation>French Southern Territories</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Togo</source>
            <translation>Togo</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Thaïlande</source>
            <translation>Thailand</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Tadjikistan</source>
            <translation>Tajikistan</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Tokelau</source>
            <translation>Tokelau</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Timor oriental</source>
            <translation>Timor-Leste</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Turkménistan</source>
            <translation>Turkmenistan</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Tunisie</source>
            <translation>Tunisia</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Tonga</source>
            <translation>Tonga</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Turquie</source>
            <translation>Türkiye</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Trinité-et-Tobago</source>
            <translation>Trinidad and Tobago</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Tuvalu</source>
            <translation>Tuvalu</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Taïwan</source>
            <translation>Taiwan</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Tanzanie</source>
            <translation>Tanzania</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Ukraine</source>
            <translation>Ukraine</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Ouganda</source>
            <translation>Uganda</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Îles mineures éloignées des États-Unis</source>
            <translation>United States Minor Outlying Islands</translation>
        </message>
        <message>
            <location line="+1" />
            <source>États-Unis</source>
            <translation>United States</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Uruguay</source>
            <translation>Uruguay</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Ouzbékistan</source>
            <translation>Uzbekistan</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Vatican</source>
            <translation>Vatican City</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Saint-Vincent-et-les-Grenadines</source>
            <translation>Saint Vincent and the Grenadines</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Venezuela</source>
            <translation>Venezuela</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Îles Vierges britanniques</source>
            <translation>British Virgin Islands</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Îles Vierges des États-Unis</source>
            <translation>U.S. Virgin Islands</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Viêt Nam</source>
            <translation>Vietnam</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Vanuatu</source>
            <translation>Vanuatu</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Wallis et Futuna</source>
            <translation>Wallis and Futuna</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Samoa</source>
            <translation>Samoa</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Kosovo</source>
            <translation>Kosovo</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Yémen</source>
            <translation>Yemen</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Mayotte</source>
            <translation>Mayotte</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Afrique du Sud</source>
            <translation>South Africa</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Zambie</source>
            <translation>Zambia</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Zimbabwe</source>
            <translation>Zimbabwe</translation>
        </message>
        <message>
            <location line="+6" />
            <source>Catalan</source>
            <translation>Catalan</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Arabe</source>
            <translation>Arabic</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Pachto</source>
            <translation>Pashto</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Ouzbek</source>
            <translation>Uzbek</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Turkmène</source>
            <translation>Turkmen</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Anglais</source>
            <translation>English</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Albanais</source>
            <translation>Albanian</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Arménien</source>
            <translation>Armenian</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Russe</source>
            <translation>Russian</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Portugais</source>
            <translation>Portuguese</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Français</source>
            <translation>French</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Espagnol</source>
            <translation>Spanish</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Guarani</source>
            <translation>Guarani</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Samoan</source>
            <translation>Samoan</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Allemand</source>
            <translation>German</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Néerlandais</source>
            <translation>Dutch</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Pendjabi</source>
            <translation>Punjabi</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Suédois</source>
            <translation>Swedish</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Azerbaïdjanais</source>
            <translation>Azerbaijani</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Bosniaque</source>
            <translation>Bosnian</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Croate</source>
            <translation>Croatian</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Serbe</source>
            <translation>Serbian</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Bengali</source>
            <translation>Bengali</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Bulgare</source>
            <translation>Bulgarian</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Malais</source>
            <translation>Malay</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Aymara</source>
            <translation>Aymara</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Quechua</source>
            <translation>Quechua</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Norvégien</source>
            <translation>Norwegian</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Biélorusse</source>
            <translation>Belarusian</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Lingala</source>
            <translation>Lingala</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Swahili</source>
            <translation>Swahili</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Italien</source>
            <translation>Italian</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Chinois</source>
            <translation>Chinese</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Grec</source>
            <translation>Greek</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Turc</source>
            <translation>Turkish</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Tchèque</source>
            <translation>Czech</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Slovaque</source>
            <translation>Slovak</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Danois</source>
            <translation>Danish</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Estonien</source>
            <translation>Estonian</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Tigrigna</source>
            <translation>Tigrinya</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Basque</source>
            <translation>Basque</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Galicien</source>
            <translation>Galician</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Amharique</source>
            <translation>Amharic</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Finnois</source>
            <translation>Finnish</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Hindi</source>
            <translation>Hindi</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Ourdou</source>
            <translation>Urdu</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Géorgien</source>
            <translation>Georgian</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Créole haïtien</source>
            <translation>Haitian Creole</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Hongrois</source>
            <translation>Hungarian</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Indonésien</source>
            <translation>Indonesian</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Irlandais</source>
            <translation>Irish</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Hébreu</source>
            <translation>Hebrew</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Kurde</source>
            <translation>Kurdish</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Persan</source>
            <translation>Persian</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Islandais</source>
            <translation>Icelandic</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Japonais</source>
            <translation>Japanese</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Kirghiz</source>
            <translation>Kyrgyz</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Khmer</source>
            <translation>Khmer</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Coréen</source>
            <translation>Korean</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Kazakh</source>
            <translation>Kazakh</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Laotien</source>
            <translation>Lao</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Singhalais</source>
            <translation>Sinhala</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Tamoul</source>
            <translation>Tamil</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Sotho</source>
            <translation>Sotho</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Lituanien</source>
            <translation>Lithuanian</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Luxembourgeois</source>
            <translation>Luxembourgish</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Letton</source>
            <translation>Latvian</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Roumain</source>
            <translation>Romanian</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Malgache</source>
            <translation>Malagasy</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Macédonien</source>
            <translation>Macedonian</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Birman</source>
            <translation>Burmese</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Mongol</source>
            <translation>Mongolian</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Maltais</source>
            <translation>Maltese</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Maldivien</source>
            <translation>Divehi</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Chichewa</source>
            <translation>Chichewa</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Afrikaans</source>
            <translation>Afrikaans</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Népalais</source>
            <translation>Nepali</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Maori</source>
            <translation>Maori</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Polonais</source>
            <translation>Polish</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Kinyarwanda</source>
            <translation>Kinyarwanda</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Slovène</source>
            <translation>Slovenian</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Somali</source>
            <translation>Somali</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Thaï</source>
            <translation>Thai</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Tadjik</source>
            <translation>Tajik</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Ukrainien</source>
            <translation>Ukrainian</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Latin</source>
            <translation>Latin</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Vietnamien</source>
            <translation>Vietnamese</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Tsonga</source>
            <translation>Tsonga</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Xhosa</source>
            <translation>Xhosa</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Zoulou</source>
            <translation>Zulu</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Shona</source>
            <translation>Shona</translation>
        </message>
    </context>
    <context>
        <name>ContactDetail</name>
        <message>
            <location filename="../qml/content/pages/details/ContactDetail.qml" line="+74" />
            <source>Contact has been updated.</source>
            <translation>Contact has been updated.</translation>
        </message>
        <message>
            <location line="+14" />
            <source>Contact %1 deleted.</source>
            <translation>Contact %1 deleted.</translation>
        </message>
        <message>
            <location line="+9" />
            <source>The file could not be written.</source>
            <translation>The file could not be written.</translation>
        </message>
        <message>
            <location line="+50" />
            <source>Show the QR code large</source>
            <translation>Show the QR code large</translation>
        </message>
        <message>
            <location line="+152" />
            <source>Are you sure you want to delete the contact %1 ?</source>
            <translation>Are you sure you want to delete the contact %1?</translation>
        </message>
        <message>
            <location line="+62" />
            <source>vCard file (*.vcf *.vcard)</source>
            <translation>vCard file (*.vcf *.vcard)</translation>
        </message>
    </context>
    <context>
        <name>ContactForm</name>
        <message>
            <location filename="../qml/content/pages/contacts/ContactForm.qml" line="+57" />
            <source>Doe</source>
            <translation>Doe</translation>
        </message>
        <message>
            <location line="+6" />
            <source>John</source>
            <translation>John</translation>
        </message>
        <message>
            <location line="+4" />
            <source>Full name</source>
            <translation>Full name</translation>
        </message>
        <message>
            <location line="+10" />
            <source>Made from the names when left empty</source>
            <translation>Made from the names when left empty</translation>
        </message>
        <message>
            <location line="+9" />
            <source>+22X XX XX XX XX...</source>
            <translation>+22X XX XX XX XX…</translation>
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
            <location filename="../qml/content/pages/ContactsListsPage.qml" line="+341" />
            <source>The import was cancelled: no contact was added.</source>
            <translation>The import was cancelled: no contact was added.</translation>
        </message>
        <message>
            <location line="+43" />
            <source>The file could not be written.</source>
            <translation>The file could not be written.</translation>
        </message>
        <message>
            <location line="-125" />
            <source>This list is used by the sending run under way: it can be deleted once the run has ended.</source>
            <translation>This list is used by the sending run under way: it can be deleted once the run has ended.</translation>
        </message>
        <message>
            <location line="+40" />
            <source>This address is already in this list as %1: add anyway?</source>
            <translation>This address is already in this list as %1: add anyway?</translation>
        </message>
        <message>
            <location line="+33" />
            <source>The file could not be read.</source>
            <translation>The file could not be read.</translation>
        </message>
        <message>
            <location line="+2" />
            <source>The file holds no header row.</source>
            <translation>The file holds no header row.</translation>
        </message>
        <message numerus="yes">
            <location line="-108" />
            <source>%Ln contact(s) deleted.</source>
            <translation>
                <numerusform>%Ln contact deleted.</numerusform>
                <numerusform>%Ln contacts deleted.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <location line="+5" />
            <source>%Ln contact(s) moved to %1.</source>
            <translation>
                <numerusform>%Ln contact moved to %1.</numerusform>
                <numerusform>%Ln contacts moved to %1.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <location line="+2" />
            <source>%Ln already in that list stayed here.</source>
            <translation>
                <numerusform>%Ln already in that list stayed here.</numerusform>
                <numerusform>%Ln already in that list stayed here.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <location line="+43" />
            <source>List %1 deleted with %Ln contact(s).</source>
            <translation>
                <numerusform>List %1 deleted with %Ln contact.</numerusform>
                <numerusform>List %1 deleted with %Ln contacts.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <location line="+68" />
            <source>%Ln contact(s) added.</source>
            <translation>
                <numerusform>%Ln contact added.</numerusform>
                <numerusform>%Ln contacts added.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <location line="+2" />
            <source>%Ln already in the list.</source>
            <translation>
                <numerusform>%Ln already in the list.</numerusform>
                <numerusform>%Ln already in the list.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <location line="+2" />
            <source>%Ln skipped: no e-mail address.</source>
            <translation>
                <numerusform>%Ln skipped: no e-mail address.</numerusform>
                <numerusform>%Ln skipped: no e-mail address.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <location line="+2" />
            <source>%Ln skipped: invalid e-mail address.</source>
            <translation>
                <numerusform>%Ln skipped: invalid e-mail address.</numerusform>
                <numerusform>%Ln skipped: invalid e-mail address.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <location line="+78" />
            <source>%Ln contact(s) in this list</source>
            <translation>
                <numerusform>%Ln contact in this list</numerusform>
                <numerusform>%Ln contacts in this list</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <location line="+1" />
            <source>%Ln contact(s) in all lists</source>
            <translation>
                <numerusform>%Ln contact in all lists</numerusform>
                <numerusform>%Ln contacts in all lists</numerusform>
            </translation>
        </message>
        <message>
            <location line="+68" />
            <source>Export as CSV</source>
            <translation>Export as CSV</translation>
        </message>
        <message>
            <location line="+30" />
            <source>Name, address or company</source>
            <translation>Name, address or company</translation>
        </message>
        <message>
            <location line="+5" />
            <source>Sort</source>
            <translation>Sort</translation>
        </message>
        <message>
            <location line="+8" />
            <source>Order added</source>
            <translation>Order added</translation>
        </message>
        <message>
            <location line="+6" />
            <source>By name</source>
            <translation>By name</translation>
        </message>
        <message>
            <location line="+6" />
            <source>By address</source>
            <translation>By address</translation>
        </message>
        <message numerus="yes">
            <location line="+24" />
            <source>%Ln contact(s) selected</source>
            <translation>
                <numerusform>%Ln contact selected</numerusform>
                <numerusform>%Ln contacts selected</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <location line="+101" />
            <source>Delete %Ln contact(s) from the list %1?</source>
            <translation>
                <numerusform>Delete %Ln contact from the list %1?</numerusform>
                <numerusform>Delete %Ln contacts from the list %1?</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <location line="+22" />
            <source>Are you sure you want to delete the list %1 and its %Ln contact(s)?</source>
            <translation>
                <numerusform>Are you sure you want to delete the list %1 and its %Ln contact?</numerusform>
                <numerusform>Are you sure you want to delete the list %1 and its %Ln contacts?</numerusform>
            </translation>
        </message>
        <message>
            <location line="-122" />
            <source>Click to select; Ctrl and Shift to select several</source>
            <translation>Click to select; Ctrl and Shift to select several</translation>
        </message>
        <message>
            <location line="+5" />
            <source>Select all shown</source>
            <translation>Select all shown</translation>
        </message>
        <message>
            <location line="+5" />
            <source>Move to…</source>
            <translation>Move to…</translation>
        </message>
        <message>
            <location line="+100" />
            <source>Add anyway</source>
            <translation>Add anyway</translation>
        </message>
        <message>
            <location line="+35" />
            <source>Import Contacts to %1</source>
            <translation>Import Contacts to %1</translation>
        </message>
        <message>
            <location line="+1" />
            <location line="+28" />
            <source>vCard file (*.vcf *.vcard)</source>
            <translation>vCard file (*.vcf *.vcard)</translation>
        </message>
        <message>
            <location line="-28" />
            <source>Contacts file (*.vcf *.vcard *.csv)</source>
            <translation>Contacts file (*.vcf *.vcard *.csv)</translation>
        </message>
        <message>
            <location line="+1" />
            <location line="+18" />
            <source>CSV file (*.csv)</source>
            <translation>CSV file (*.csv)</translation>
        </message>
        <message>
            <location line="-1" />
            <location line="+9" />
            <source>Export %1</source>
            <translation>Export %1</translation>
        </message>
    </context>
    <context>
        <name>CsvImportDialog</name>
        <message>
            <location filename="../qml/content/pages/contacts/CsvImportDialog.qml" line="+28" />
            <source>Not imported</source>
            <translation>Not imported</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Full name</source>
            <translation>Full name</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Other e-mail addresses</source>
            <translation>Other e-mail addresses</translation>
        </message>
        <message>
            <location line="+25" />
            <source>semicolon</source>
            <translation>semicolon</translation>
        </message>
        <message>
            <location line="+2" />
            <source>tab</source>
            <translation>tab</translation>
        </message>
        <message>
            <location line="+1" />
            <source>comma</source>
            <translation>comma</translation>
        </message>
        <message>
            <location line="+38" />
            <source>Import a CSV file</source>
            <translation>Import a CSV file</translation>
        </message>
        <message>
            <location line="+8" />
            <source>Delimiter: %1. Encoding: %2.</source>
            <translation>Delimiter: %1. Encoding: %2.</translation>
        </message>
        <message>
            <location line="+2" />
            <source>(with byte-order mark)</source>
            <translation>(with byte-order mark)</translation>
        </message>
        <message>
            <location line="+5" />
            <source>Choose the contact field that each column feeds. The first rows of the file are shown beside it.</source>
            <translation>Choose the contact field that each column feeds. The first rows of the file are shown beside it.</translation>
        </message>
        <message>
            <location line="+57" />
            <source>Choose the column that holds the e-mail addresses.</source>
            <translation>Choose the column that holds the e-mail addresses.</translation>
        </message>
    </context>
    <context>
        <name>EmailContentDetail</name>
        <message>
            <location filename="../qml/content/pages/details/EmailContentDetail.qml" line="+54" />
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
        <name>FileDialog</name>
        <message>
            <location filename="../qml/content/myComponents/MyFileDialog.qml" line="+39" />
            <source>File name</source>
            <translation>File name</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Filter</source>
            <translation>Filter</translation>
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
        <message numerus="yes">
            <location line="+13" />
            <source>%Ln card(s) read</source>
            <translation>
                <numerusform>%Ln card read</numerusform>
                <numerusform>%Ln cards read</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>MyFileDialog</name>
        <message>
            <location filename="../qml/content/myComponents/MyFileDialog.qml" line="+2" />
            <source>Save</source>
            <translation>Save</translation>
        </message>
        <message>
            <location line="+0" />
            <source>Open</source>
            <translation>Open</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Cancel</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <location line="+24" />
            <source>%1 already exists. Replace it?</source>
            <translation>%1 already exists. Replace it?</translation>
        </message>
        <message>
            <location line="+2" />
            <source>Replace</source>
            <translation>Replace</translation>
        </message>
    </context>
    <context>
        <name>MyTrStrings</name>
        <message>
            <location filename="../qml/content/MyTrStrings.qml" line="+26" />
            <source>%1%</source>
            <extracomment>A percentage; French puts a no-break space before "%".</extracomment>
            <translation>%1%</translation>
        </message>
        <message>
            <location line="+3" />
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
            <translation>Connection error</translation>
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
            <translation>Latest version installed</translation>
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
            <translation>For any questions, feel free to contact us.</translation>
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
            <translation>The service's answer could not be read.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Error while connecting to server</source>
            <translation>The service could not be reached. Check your internet connection.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>No item to show</source>
            <translation>No item to show</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Add recipient addresses separated by a semicolon. Ex: john.doe@example.com; jane.doe@example.com; ...</source>
            <translation>Add recipient addresses separated by a semicolon. Ex: john.doe@example.com; jane.doe@example.com; …</translation>
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
            <translation>The sender name is required.</translation>
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
            <translation>The terms are required.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Domains is required.</source>
            <translation>The domains are required.</translation>
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
            <source>You must add at least one SMTP account.</source>
            <translation>You must add at least one SMTP account.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Sender Name is required.</source>
            <translation>The sender name is required.</translation>
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
            <location line="+4" />
            <source>Could not connect to the server %1, port %2.</source>
            <translation>Could not connect to the server %1, port %2.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>The server %1, port %2, did not answer for %3 s.</source>
            <translation>The server %1, port %2, did not answer for %3 s.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>The server %1, port %2, closed the connection.</source>
            <translation>The server %1, port %2, closed the connection.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>The server %1 refused the login: check the account's user name and password.</source>
            <translation>The server %1 refused the login: check the account's user name and password.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>The server %1 refused the message itself (its size or its content), so it cannot go to anyone as it is.</source>
            <translation>The server %1 refused the message itself (its size or its content), so it cannot go to anyone as it is.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>The server %1 asked to wait before sending more.</source>
            <translation>The server %1 asked to wait before sending more.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Connection refused by %1:%2: check the server's name and port.</source>
            <translation>Connection refused by %1:%2: check the server's name and port.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>The server %1 could not be found: check its name.</source>
            <translation>The server %1 could not be found: check its name.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>No secure connection could be made with %1:%2: check that the connection type (SSL/TLS or STARTTLS) is the one this port expects.</source>
            <translation>No secure connection could be made with %1:%2: check that the connection type (SSL/TLS or STARTTLS) is the one this port expects.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>The certificate of the server %1 is not trusted, so nothing was sent to it.</source>
            <translation>The certificate of the server %1 is not trusted, so nothing was sent to it.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>The server %1 offers no encrypted connection (STARTTLS), which this account's connection type requires.</source>
            <translation>The server %1 offers no encrypted connection (STARTTLS), which this account's connection type requires.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>The server %1 offers no encrypted connection (STARTTLS), so the password was not sent. Choose the connection "None" only if it may travel unencrypted.</source>
            <translation>The server %1 offers no encrypted connection (STARTTLS), so the password was not sent. Choose the connection "None" only if it may travel unencrypted.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>The server %1:%2 answered in a way that is not SMTP: check the port and the connection type.</source>
            <translation>The server %1:%2 answered in a way that is not SMTP: check the port and the connection type.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>The server %1 says this address does not exist.</source>
            <translation>The server %1 says this address does not exist.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>The server %1 refused the sender's address.</source>
            <translation>The server %1 refused the sender's address.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>The server %1 refused this recipient for now.</source>
            <translation>The server %1 refused this recipient for now.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>The server %1 refused this recipient.</source>
            <translation>The server %1 refused this recipient.</translation>
        </message>
        <message>
            <location line="+2" />
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
            <translation>Are you sure you want to delete all search results?</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Are you sure you want to delete this search result ?</source>
            <translation>Are you sure you want to delete this search result?</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Task lists</source>
            <translation>Sending lists</translation>
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
            <translation>New sending list</translation>
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
            <source>Are you sure you want to delete all task lists ?</source>
            <translation>Are you sure you want to delete all sending lists?</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Are you sure you want to delete this task list ?</source>
            <translation>Are you sure you want to delete this sending list?</translation>
        </message>
        <message>
            <location line="+6" />
            <source>The sign-in was declined in the browser: sign in again and allow Parvane to send mail.</source>
            <translation>The sign-in was declined in the browser: sign in again and allow Parvane to send mail.</translation>
        </message>
        <message>
            <location line="+2" />
            <source>%1 does not know this organisation: check PARVANE_OAUTH_MICROSOFT_TENANT or ask your administrator. (%2)</source>
            <translation>%1 does not know this organisation: check PARVANE_OAUTH_MICROSOFT_TENANT or ask your administrator. (%2)</translation>
        </message>
        <message>
            <location line="+2" />
            <source>%1 could not be reached: check the connection and sign in again.</source>
            <translation>%1 could not be reached: check the connection and sign in again.</translation>
        </message>
        <message>
            <location line="+2" />
            <source>No answer came from the browser in time: sign in again.</source>
            <translation>No answer came from the browser in time: sign in again.</translation>
        </message>
        <message>
            <location line="+2" />
            <source>No web browser could be opened: open this address in one to sign in: %1</source>
            <translation>No web browser could be opened: open this address in one to sign in: %1</translation>
        </message>
        <message>
            <location line="+2" />
            <source>%1 did not say which address signed in.</source>
            <translation>%1 did not say which address signed in.</translation>
        </message>
        <message>
            <location line="+2" />
            <source>The sign-in was cancelled.</source>
            <translation>The sign-in was cancelled.</translation>
        </message>
        <message>
            <location line="+2" />
            <source>%1 refused the sign-in: %2</source>
            <translation>%1 refused the sign-in: %2</translation>
        </message>
    </context>
    <context>
        <name>ProviderSignIn</name>
        <message>
            <location filename="../qml/content/pages/accounts/ProviderSignIn.qml" line="+19" />
            <source>Parvane has no %1 registration here: set PARVANE_OAUTH_%2_CLIENT_ID (see the README).</source>
            <translation>Parvane has no %1 registration here: set PARVANE_OAUTH_%2_CLIENT_ID (see the README).</translation>
        </message>
        <message>
            <location line="+5" />
            <source>Answer in your browser, then come back here.</source>
            <translation>Answer in your browser, then come back here.</translation>
        </message>
    </context>
    <context>
        <name>ResumeRunDialog</name>
        <message>
            <location filename="../qml/content/run/ResumeRunDialog.qml" line="+30" />
            <source>Interrupted sending run</source>
            <translation>Interrupted sending run</translation>
        </message>
        <message>
            <location line="+0" />
            <source>Stopped sending run</source>
            <translation>Stopped sending run</translation>
        </message>
        <message numerus="yes">
            <location line="+12" />
            <source>You stopped the run "%3" from %2 after %1 of %Ln recipient(s).</source>
            <translation>
                <numerusform>You stopped the run "%3" from %2 after %1 of %Ln recipient.</numerusform>
                <numerusform>You stopped the run "%3" from %2 after %1 of %Ln recipients.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <location line="+2" />
            <source>The run "%3" from %2 stopped after %1 of %Ln recipient(s).</source>
            <translation>
                <numerusform>The run "%3" from %2 stopped after %1 of %Ln recipient.</numerusform>
                <numerusform>The run "%3" from %2 stopped after %1 of %Ln recipients.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <location line="+4" />
            <source>Resuming sends the same message to the other %Ln, and to nobody twice.</source>
            <translation>
                <numerusform>Resuming sends the same message to the other one, and to nobody twice.</numerusform>
                <numerusform>Resuming sends the same message to the other %Ln, and to nobody twice.</numerusform>
            </translation>
        </message>
        <message>
            <location line="+9" />
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
        <name>RunAccountsDialog</name>
        <message>
            <location filename="../qml/content/run/RunAccountsDialog.qml" line="+28" />
            <source>Accounts of a run</source>
            <translation>Accounts of a run</translation>
        </message>
        <message>
            <location line="+9" />
            <source>Runs send through %1. These accounts share the recipients with it, each message with its account's sender name and address:</source>
            <translation>Runs send through %1. These accounts share the recipients with it, each message with its account's sender name and address:</translation>
        </message>
        <message>
            <location line="+26" />
            <source>Each account up to its limits, in order</source>
            <translation>Each account up to its limits, in order</translation>
        </message>
        <message>
            <location line="+8" />
            <source>One account after the other</source>
            <translation>One account after the other</translation>
        </message>
    </context>
    <context>
        <name>RunHistoryDetail</name>
        <message>
            <location filename="../qml/content/pages/details/RunHistoryDetail.qml" line="+30" />
            <source>No reply</source>
            <translation>No reply</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Invalid email</source>
            <translation>Invalid email</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Not sent</source>
            <translation>Not sent</translation>
        </message>
        <message>
            <location line="+6" />
            <source>Finished</source>
            <translation>Finished</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Stopped</source>
            <translation>Stopped</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Discarded</source>
            <translation>Discarded</translation>
        </message>
        <message>
            <location line="+12" />
            <source>Temporary failure</source>
            <translation>Temporary failure</translation>
        </message>
        <message>
            <location line="+0" />
            <source>Bounced for good</source>
            <translation>Bounced for good</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Complained</source>
            <translation>Complained</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Unsubscribed</source>
            <translation>Unsubscribed</translation>
        </message>
        <message numerus="yes">
            <location line="+9" />
            <source>%Ln bounced</source>
            <translation>
                <numerusform>%Ln bounced</numerusform>
                <numerusform>%Ln bounced</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <location line="+2" />
            <source>%Ln temporary failure(s)</source>
            <translation>
                <numerusform>%Ln temporary failure</numerusform>
                <numerusform>%Ln temporary failures</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <location line="+2" />
            <source>%Ln complaint(s)</source>
            <translation>
                <numerusform>%Ln complaint</numerusform>
                <numerusform>%Ln complaints</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <location line="+2" />
            <source>%Ln unsubscribed</source>
            <translation>
                <numerusform>%Ln unsubscribed</numerusform>
                <numerusform>%Ln unsubscribed</numerusform>
            </translation>
        </message>
        <message>
            <location line="+1" />
            <source>From the mailbox: %1</source>
            <translation>From the mailbox: %1</translation>
        </message>
        <message>
            <location line="+17" />
            <source>Run history</source>
            <translation>Run history</translation>
        </message>
        <message numerus="yes">
            <location line="+54" />
            <source>%1 sent, %2 refused, %3 without reply, %4 invalid, of %Ln</source>
            <translation>
                <numerusform>%1 sent, %2 refused, %3 without reply, %4 invalid, of %Ln</numerusform>
                <numerusform>%1 sent, %2 refused, %3 without reply, %4 invalid, of %Ln</numerusform>
            </translation>
        </message>
        <message>
            <location line="+34" />
            <source>What came back to the mailbox:</source>
            <translation>What came back to the mailbox:</translation>
        </message>
        <message>
            <location line="+28" />
            <source>Report</source>
            <translation>Report</translation>
        </message>
        <message numerus="yes">
            <location line="+15" />
            <source>The first %1 of %Ln recipients:</source>
            <translation>
                <numerusform>The first recipient of %Ln:</numerusform>
                <numerusform>The first %1 of %Ln recipients:</numerusform>
            </translation>
        </message>
        <message>
            <location line="+2" />
            <source>Recipients:</source>
            <translation>Recipients:</translation>
        </message>
        <message>
            <location line="+6" />
            <source>Export CSV…</source>
            <translation>Export CSV…</translation>
        </message>
        <message>
            <location line="+22" />
            <source>via %1</source>
            <translation>via %1</translation>
        </message>
        <message>
            <location line="+45" />
            <source>The report is no longer kept.</source>
            <translation>The report is no longer kept.</translation>
        </message>
        <message>
            <location line="+8" />
            <source>Export the run</source>
            <translation>Export the run</translation>
        </message>
        <message>
            <location line="+1" />
            <source>CSV file (*.csv)</source>
            <translation>CSV file (*.csv)</translation>
        </message>
        <message>
            <location line="+9" />
            <source>Run exported</source>
            <translation>Run exported</translation>
        </message>
        <message>
            <location line="+2" />
            <source>The file could not be written: %1</source>
            <translation>The file could not be written: %1</translation>
        </message>
    </context>
    <context>
        <name>RunPasswordDialog</name>
        <message>
            <location filename="../qml/content/run/RunPasswordDialog.qml" line="+49" />
            <source>Password refused</source>
            <translation>Password refused</translation>
        </message>
        <message>
            <location line="+12" />
            <source>Sending is paused. Type the account's password to go on; it is used for this run only.</source>
            <translation>Sending is paused. Type the account's password to go on; it is used for this run only.</translation>
        </message>
        <message>
            <location line="+25" />
            <source>Go on</source>
            <translation>Go on</translation>
        </message>
    </context>
    <context>
        <name>RunScheduler</name>
        <message>
            <location filename="../qml/content/run/RunScheduler.qml" line="+63" />
            <source>The scheduled sending list "%1" is no longer there: nothing was started.</source>
            <translation>The scheduled sending list "%1" is no longer there: nothing was started.</translation>
        </message>
        <message>
            <location line="+11" />
            <source>the sending list "%1"</source>
            <translation>the sending list "%1"</translation>
        </message>
        <message>
            <location line="+1" />
            <source>the run "%1"</source>
            <translation>the run "%1"</translation>
        </message>
        <message>
            <location line="+8" />
            <source>Starts on %1</source>
            <translation>Starts on %1</translation>
        </message>
        <message>
            <location line="+47" />
            <source>Parvane was closed when %1 was to start, at %2. Start it now?</source>
            <translation>Parvane was closed when %1 was to start, at %2. Start it now?</translation>
        </message>
        <message>
            <location line="+23" />
            <source>Scheduled: %1 starts at %2. Cancel the schedule?</source>
            <translation>Scheduled: %1 starts at %2. Cancel the schedule?</translation>
        </message>
        <message>
            <location line="-67" />
            <source>Starts in %1</source>
            <translation>Starts in %1</translation>
        </message>
        <message>
            <location line="-32" />
            <source>Another run comes first; the schedule waits for it.</source>
            <translation>Another run comes first; the schedule waits for it.</translation>
        </message>
        <message>
            <location line="+79" />
            <source>Start now</source>
            <translation>Start now</translation>
        </message>
        <message>
            <location line="+1" />
            <location line="+22" />
            <source>Cancel the schedule</source>
            <translation>Cancel the schedule</translation>
        </message>
        <message>
            <location line="-16" />
            <source>The schedule is cancelled: nothing was sent.</source>
            <translation>The schedule is cancelled: nothing was sent.</translation>
        </message>
    </context>
    <context>
        <name>RunSummaryDialog</name>
        <message numerus="yes">
            <location filename="../qml/content/run/RunSummaryDialog.qml" line="+45" />
            <source>"%1" stays as written for %Ln recipient(s): the field is empty.</source>
            <translation>
                <numerusform>"%1" stays as written for %Ln recipient: the field is empty.</numerusform>
                <numerusform>"%1" stays as written for %Ln recipients: the field is empty.</numerusform>
            </translation>
        </message>
        <message>
            <location line="+11" />
            <source>%1 publishes no SPF record: add one that allows %2, or providers may refuse the messages or file them as spam.</source>
            <translation>%1 publishes no SPF record: add one that allows %2, or providers may refuse the messages or file them as spam.</translation>
        </message>
        <message>
            <location line="+4" />
            <source>%1 publishes no DMARC record: add one at _dmarc.%1; large providers require it of bulk senders.</source>
            <translation>%1 publishes no DMARC record: add one at _dmarc.%1; large providers require it of bulk senders.</translation>
        </message>
        <message>
            <location line="+2" />
            <source>%1 has no MX record: replies and bounces cannot reach it.</source>
            <translation>%1 has no MX record: replies and bounces cannot reach it.</translation>
        </message>
        <message>
            <location line="+10" />
            <source>DKIM signature (ask your provider)</source>
            <translation>DKIM signature (ask your provider)</translation>
        </message>
        <message>
            <location line="+2" />
            <source>one-click unsubscribe</source>
            <translation>one-click unsubscribe</translation>
        </message>
        <message>
            <location line="+5" />
            <source>none</source>
            <translation>none</translation>
        </message>
        <message numerus="yes">
            <location line="+1" />
            <source>%Ln message(s) go to Gmail, Yahoo and Microsoft addresses, whose rules for bulk senders apply. Met: %1. Not met: %2. Not checked from here: %3.</source>
            <translation>
                <numerusform>%Ln message goes to Gmail, Yahoo and Microsoft addresses, whose rules for bulk senders apply. Met: %1. Not met: %2. Not checked from here: %3.</numerusform>
                <numerusform>%Ln messages go to Gmail, Yahoo and Microsoft addresses, whose rules for bulk senders apply. Met: %1. Not met: %2. Not checked from here: %3.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <location line="+18" />
            <source>%Ln day(s)</source>
            <translation>
                <numerusform>%Ln day</numerusform>
                <numerusform>%Ln days</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <location line="+2" />
            <source>%Ln hour(s)</source>
            <translation>
                <numerusform>%Ln hour</numerusform>
                <numerusform>%Ln hours</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <location line="+2" />
            <source>%Ln minute(s)</source>
            <translation>
                <numerusform>%Ln minute</numerusform>
                <numerusform>%Ln minutes</numerusform>
            </translation>
        </message>
        <message>
            <location line="+6" />
            <source>At this pace and within the account's sending limits, the run takes about %1; it waits when a limit is reached and goes on by itself.</source>
            <translation>At this pace and within the account's sending limits, the run takes about %1; it waits when a limit is reached and goes on by itself.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>At this pace, the run takes about %1.</source>
            <translation>At this pace, the run takes about %1.</translation>
        </message>
        <message>
            <location line="+9" />
            <source>Not valid, not sent: %1</source>
            <translation>Not valid, not sent: %1</translation>
        </message>
        <message>
            <location line="+22" />
            <source>Ready to send</source>
            <translation>Ready to send</translation>
        </message>
        <message numerus="yes">
            <location line="+7" />
            <source>%Ln recipient(s) will each receive one message.</source>
            <translation>
                <numerusform>%Ln recipient will receive one message.</numerusform>
                <numerusform>%Ln recipients will each receive one message.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <location line="+8" />
            <source>%Ln account(s) share the recipients: %1.</source>
            <translation>
                <numerusform>%Ln account shares the recipients: %1.</numerusform>
                <numerusform>%Ln accounts share the recipients: %1.</numerusform>
            </translation>
        </message>
        <message>
            <location line="+17" />
            <source>Each message carries an unsubscribe link, in French.</source>
            <translation>Each message carries an unsubscribe link, in French.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Each message carries an unsubscribe link, in English.</source>
            <translation>Each message carries an unsubscribe link, in English.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>No unsubscribe link: for messages that are not marketing only.</source>
            <translation>No unsubscribe link: for messages that are not marketing only.</translation>
        </message>
        <message>
            <location line="+9" />
            <source>The web service cannot be reached: the link is a reply by e-mail, without one-click unsubscribe.</source>
            <translation>The web service cannot be reached: the link is a reply by e-mail, without one-click unsubscribe.</translation>
        </message>
        <message numerus="yes">
            <location line="+18" />
            <source>%Ln address(es) appear more than once.</source>
            <translation>
                <numerusform>%Ln address appears more than once.</numerusform>
                <numerusform>%Ln addresses appear more than once.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <location line="+16" />
            <source>Left out: %Ln recipient(s) on the suppression list, who are never sent to.</source>
            <translation>
                <numerusform>Left out: %Ln recipient on the suppression list, who are never sent to.</numerusform>
                <numerusform>Left out: %Ln recipients on the suppression list, who are never sent to.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <location line="+10" />
            <source>Left out: %Ln recipient(s) who already received this message in an earlier run.</source>
            <translation>
                <numerusform>Left out: %Ln recipient who already received this message in an earlier run.</numerusform>
                <numerusform>Left out: %Ln recipients who already received this message in an earlier run.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <location line="+17" />
            <source>%Ln address(es) are invalid and will be counted as failed.</source>
            <translation>
                <numerusform>%Ln address is invalid and will be counted as failed.</numerusform>
                <numerusform>%Ln addresses are invalid and will be counted as failed.</numerusform>
            </translation>
        </message>
        <message>
            <location line="-33" />
            <source>Send once per address</source>
            <translation>Send once per address</translation>
        </message>
        <message>
            <location line="-153" />
            <source>The SPF record of %1 does not allow %2, which sends the messages: add the server to it with an include or ip4 mechanism.</source>
            <translation>The SPF record of %1 does not allow %2, which sends the messages: add the server to it with an include or ip4 mechanism.</translation>
        </message>
        <message>
            <location line="+180" />
            <source>Send to them again</source>
            <translation>Send to them again</translation>
        </message>
    </context>
    <context>
        <name>ScheduleDialog</name>
        <message>
            <location filename="../qml/content/run/ScheduleDialog.qml" line="+50" />
            <source>Type a date that exists as year-month-day and a time as hours and minutes, as proposed.</source>
            <translation>Type a date that exists as year-month-day and a time as hours and minutes, as proposed.</translation>
        </message>
        <message>
            <location line="+4" />
            <source>That moment has passed: choose one to come.</source>
            <translation>That moment has passed: choose one to come.</translation>
        </message>
        <message>
            <location line="+25" />
            <source>Schedule the sending list</source>
            <translation>Schedule the sending list</translation>
        </message>
        <message>
            <location line="+0" />
            <source>Schedule the run</source>
            <translation>Schedule the run</translation>
        </message>
        <message>
            <location line="+11" />
            <source>The sending list "%1" starts by itself at this time, if Parvane is open then.</source>
            <translation>The sending list "%1" starts by itself at this time, if Parvane is open then.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>The message of the form, as it is then, is sent by itself at this time, if Parvane is open then.</source>
            <translation>The message of the form, as it is then, is sent by itself at this time, if Parvane is open then.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Your time zone: %1.</source>
            <translation>Your time zone: %1.</translation>
        </message>
        <message>
            <location line="+8" />
            <source>Day</source>
            <translation>Day</translation>
        </message>
        <message>
            <location line="+9" />
            <source>Time</source>
            <translation>Time</translation>
        </message>
        <message>
            <location line="+25" />
            <source>Schedule</source>
            <translation>Schedule</translation>
        </message>
    </context>
    <context>
        <name>Screen01</name>
        <message numerus="yes">
            <location filename="../qml/content/Screen01.qml" line="+164" />
            <source>%Ln contact(s) written to %1.</source>
            <translation>
                <numerusform>%Ln contact written to %1.</numerusform>
                <numerusform>%Ln contacts written to %1.</numerusform>
            </translation>
        </message>
        <message>
            <location line="+18" />
            <source>%1 is not a regular file: it cannot be sent.</source>
            <translation>%1 is not a regular file: it cannot be sent.</translation>
        </message>
        <message>
            <location line="+2" />
            <source>%1 belongs to Parvane's own data (accounts, contacts, runs): it is never sent.</source>
            <translation>%1 belongs to Parvane's own data (accounts, contacts, runs): it is never sent.</translation>
        </message>
        <message>
            <location line="+2" />
            <source>%1 is a system file: it is never sent.</source>
            <translation>%1 is a system file: it is never sent.</translation>
        </message>
        <message>
            <location line="+2" />
            <source>%1 lies in a hidden folder of your home folder, where keys and settings are kept: it is never sent.</source>
            <translation>%1 lies in a hidden folder of your home folder, where keys and settings are kept: it is never sent.</translation>
        </message>
        <message>
            <location line="+2" />
            <source>%1 cannot be read.</source>
            <translation>%1 cannot be read.</translation>
        </message>
        <message>
            <location line="+28" />
            <source>%1 of %2 today</source>
            <translation>%1 of %2 today</translation>
        </message>
        <message>
            <location line="+2" />
            <source>%1 of %2 this hour</source>
            <translation>%1 of %2 this hour</translation>
        </message>
        <message>
            <location line="+2" />
            <source>%1 of %2 this minute</source>
            <translation>%1 of %2 this minute</translation>
        </message>
        <message numerus="yes">
            <location line="+190" />
            <source>%Ln email(s) copied.</source>
            <translation>
                <numerusform>%Ln email copied.</numerusform>
                <numerusform>%Ln emails copied.</numerusform>
            </translation>
        </message>
        <message>
            <location line="+46" />
            <source>A mailbox could not be read: %1</source>
            <translation>A mailbox could not be read: %1</translation>
        </message>
        <message numerus="yes">
            <location line="+2" />
            <source>%Ln address(es) listed from the mailbox reports.</source>
            <translation>
                <numerusform>%Ln address listed from the mailbox reports.</numerusform>
                <numerusform>%Ln addresses listed from the mailbox reports.</numerusform>
            </translation>
        </message>
        <message>
            <location line="+23" />
            <source>Your changes could not be saved: %1.</source>
            <translation>Your changes could not be saved: %1.</translation>
        </message>
        <message>
            <location line="+12" />
            <source>A password could not be kept: %1.</source>
            <translation>A password could not be kept: %1.</translation>
        </message>
    </context>
    <context>
        <name>SearchDetail</name>
        <message numerus="yes">
            <location filename="../qml/content/pages/details/SearchDetail.qml" line="+85" />
            <source>%Ln email(s)</source>
            <translation>
                <numerusform>%Ln email</numerusform>
                <numerusform>%Ln emails</numerusform>
            </translation>
        </message>
        <message>
            <location line="+23" />
            <source>Add to a list</source>
            <translation>Add to a list</translation>
        </message>
    </context>
    <context>
        <name>SearchForm</name>
        <message numerus="yes">
            <location filename="../qml/content/pages/search/SearchForm.qml" line="+165" />
            <source>%Ln email(s) found</source>
            <translation>
                <numerusform>%Ln email found</numerusform>
                <numerusform>%Ln emails found</numerusform>
            </translation>
        </message>
        <message>
            <location line="+28" />
            <source>Add to a list</source>
            <translation>Add to a list</translation>
        </message>
    </context>
    <context>
        <name>SearchPage</name>
        <message>
            <location filename="../qml/content/pages/SearchPage.qml" line="+196" />
            <source>No further results: the search started again from the first results.</source>
            <translation>No further results: the search started again from the first results.</translation>
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
            <location line="+58" />
            <source>The message form was cleared.</source>
            <translation>The message form was cleared.</translation>
        </message>
        <message>
            <location line="+37" />
            <source>HTML file (*.html *.htm)</source>
            <translation>HTML file (*.html *.htm)</translation>
        </message>
    </context>
    <context>
        <name>SendingController</name>
        <message>
            <location filename="../qml/content/run/SendingController.qml" line="+63" />
            <source>The SMTP port must be a number from 1 to 65535.</source>
            <translation>The SMTP port must be a number from 1 to 65535.</translation>
        </message>
        <message>
            <location line="+4" />
            <source>Sign in again with %1 in the account's panel: Parvane holds no token for it.</source>
            <translation>Sign in again with %1 in the account's panel: Parvane holds no token for it.</translation>
        </message>
        <message>
            <location line="+7" />
            <source>The active account has no password.</source>
            <translation>The active account has no password.</translation>
        </message>
        <message>
            <location line="+96" />
            <source>Start task %1</source>
            <translation>Start task %1</translation>
        </message>
        <message>
            <location line="+15" />
            <source>Sign in again with %1 in the account's panel.</source>
            <translation>Sign in again with %1 in the account's panel.</translation>
        </message>
        <message>
            <location line="+7" />
            <source>Parvane could not ask %1 for a new token.</source>
            <translation>Parvane could not ask %1 for a new token.</translation>
        </message>
        <message>
            <location line="+58" />
            <source>Every recipient is on the suppression list: nobody is sent to.</source>
            <translation>Every recipient is on the suppression list: nobody is sent to.</translation>
        </message>
        <message>
            <location line="+40" />
            <source>The message is %1 MB; the server accepts at most %2 MB.</source>
            <translation>The message is %1 MB; the server accepts at most %2 MB.</translation>
        </message>
        <message>
            <location line="+8" />
            <source>Everyone on the list already received this message in an earlier run.</source>
            <translation>Everyone on the list already received this message in an earlier run.</translation>
        </message>
        <message>
            <location line="+17" />
            <source>End task %1</source>
            <translation>End task %1</translation>
        </message>
        <message>
            <location line="+31" />
            <source>The run "%1" waits for the sending limit of %2 and goes on by itself at %3.</source>
            <translation>The run "%1" waits for the sending limit of %2 and goes on by itself at %3.</translation>
        </message>
        <message>
            <location line="+12" />
            <source>The account of the interrupted run is no longer there: add it again to resume the run.</source>
            <translation>The account of the interrupted run is no longer there: add it again to resume the run.</translation>
        </message>
        <message>
            <location line="+59" />
            <source>Invalid email</source>
            <translation>Invalid email</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Not sent: this address is on the suppression list.</source>
            <translation>Not sent: this address is on the suppression list.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>(will be tried again later)</source>
            <translation>(will be tried again later)</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Stopped: the recipients waiting for another try are sent only if you continue the run.</source>
            <translation>Stopped: the recipients waiting for another try are sent only if you continue the run.</translation>
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
            <location line="+1" />
            <source>%1 via %2</source>
            <translation>%1 via %2</translation>
        </message>
        <message>
            <location line="+1" />
            <source>(the other accounts go on)</source>
            <translation>(the other accounts go on)</translation>
        </message>
        <message>
            <location line="+1" />
            <source>The account's limit of %1 a day is reached: the run goes on at %2.</source>
            <translation>The account's limit of %1 a day is reached: the run goes on at %2.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>The account's limit of %1 an hour is reached: the run goes on at %2.</source>
            <translation>The account's limit of %1 an hour is reached: the run goes on at %2.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>The account's limit of %1 a minute is reached: the run goes on at %2.</source>
            <translation>The account's limit of %1 a minute is reached: the run goes on at %2.</translation>
        </message>
        <message>
            <location line="+11" />
            <source>The server refused the sign-in: sign in again in the account's panel, or stop the run.</source>
            <translation>The server refused the sign-in: sign in again in the account's panel, or stop the run.</translation>
        </message>
        <message>
            <location line="+46" />
            <source>Processing %3: %1/%2</source>
            <translation>Processing %3: %1/%2</translation>
        </message>
        <message numerus="yes">
            <location line="+28" />
            <source>Discard this run? %Ln recipient(s) already received the message. The run stays in the history, and sending the same message again leaves them out.</source>
            <translation>
                <numerusform>Discard this run? %Ln recipient already received the message. The run stays in the history, and sending the same message again leaves them out.</numerusform>
                <numerusform>Discard this run? %Ln recipients already received the message. The run stays in the history, and sending the same message again leaves them out.</numerusform>
            </translation>
        </message>
        <message>
            <location line="+2" />
            <source>Discard</source>
            <translation>Discard</translation>
        </message>
        <message>
            <location line="+46" />
            <source>%1 no longer lets Parvane send as %2: sign in again in the account's panel.</source>
            <translation>%1 no longer lets Parvane send as %2: sign in again in the account's panel.</translation>
        </message>
        <message>
            <location line="+30" />
            <source>Scheduled: %1 starts at %2.</source>
            <translation>Scheduled: %1 starts at %2.</translation>
        </message>
        <message>
            <location line="+38" />
            <source>The run waits for the account's sending limit until %1. Quit now? It goes on by itself when Parvane is started again.</source>
            <translation>The run waits for the account's sending limit until %1. Quit now? It goes on by itself when Parvane is started again.</translation>
        </message>
        <message>
            <location line="+2" />
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
            <location filename="../qml/content/run/SendingDialog.qml" line="+54" />
            <source>Log saved</source>
            <translation>Log saved</translation>
        </message>
        <message>
            <location line="+2" />
            <source>The log could not be saved to %1.</source>
            <translation>The log could not be saved to %1.</translation>
        </message>
        <message>
            <location line="+6" />
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
            <location line="+11" />
            <source>The server asked to wait: sending goes on at %1.</source>
            <translation>The server asked to wait: sending goes on at %1.</translation>
        </message>
        <message>
            <location line="+2" />
            <source>The server cannot be reached: trying again at %1.</source>
            <translation>The server cannot be reached: trying again at %1.</translation>
        </message>
        <message>
            <location line="+2" />
            <source>The server refused the password: sending goes on once it is typed again.</source>
            <translation>The server refused the password: sending goes on once it is typed again.</translation>
        </message>
        <message>
            <location line="+2" />
            <source>The account has sent what its sending limits allow: sending goes on by itself at %1.</source>
            <translation>The account has sent what its sending limits allow: sending goes on by itself at %1.</translation>
        </message>
        <message>
            <location line="+3" />
            <source>The server refused the sign-in: sending goes on once the provider gives a new token.</source>
            <translation>The server refused the sign-in: sending goes on once the provider gives a new token.</translation>
        </message>
        <message numerus="yes">
            <location line="+1" />
            <source>%Ln recipient(s) will be tried again at %1.</source>
            <translation>
                <numerusform>%Ln recipient will be tried again at %1.</numerusform>
                <numerusform>%Ln recipients will be tried again at %1.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <location line="+13" />
            <source>%Ln recipient(s) may have received the message already: no reply came after it was sent.</source>
            <translation>
                <numerusform>%Ln recipient may have received the message already: no reply came after it was sent.</numerusform>
                <numerusform>%Ln recipients may have received the message already: no reply came after it was sent.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <location line="+3" />
            <source>For %Ln address(es) the server said they do not exist.</source>
            <translation>
                <numerusform>For %Ln address the server said it does not exist.</numerusform>
                <numerusform>For %Ln addresses the server said they do not exist.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <location line="+1" />
            <source>Send it to them again too?</source>
            <translation>
                <numerusform>Send it to them again too?</numerusform>
                <numerusform>Send it to them again too?</numerusform>
            </translation>
        </message>
        <message>
            <location line="+94" />
            <source>Suppressed</source>
            <translation>Suppressed</translation>
        </message>
        <message>
            <location line="+38" />
            <source>Save log…</source>
            <translation>Save log…</translation>
        </message>
        <message>
            <location line="+2" />
            <source>sending-log</source>
            <translation>sending-log</translation>
        </message>
        <message>
            <location line="+6" />
            <source>Copy log</source>
            <translation>Copy log</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Log copied</source>
            <translation>Log copied</translation>
        </message>
        <message>
            <location line="+19" />
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
            <location line="+12" />
            <source>Continue</source>
            <translation>Continue</translation>
        </message>
        <message>
            <location line="+8" />
            <source>Continue in background</source>
            <translation>Continue in background</translation>
        </message>
        <message>
            <location line="+24" />
            <source>Save log</source>
            <translation>Save log</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Text file (*.txt)</source>
            <translation>Text file (*.txt)</translation>
        </message>
        <message>
            <location line="+8" />
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
            <location filename="../qml/content/run/SendingListSequencer.qml" line="+41" />
            <source>Start task %1</source>
            <translation>Start task %1</translation>
        </message>
        <message>
            <location line="+44" />
            <source>This work file changed since you reviewed it, or was never reviewed: check what it sends, confirm, then start the list again.</source>
            <translation>This work file changed since you reviewed it, or was never reviewed: check what it sends, confirm, then start the list again.</translation>
        </message>
    </context>
    <context>
        <name>SendingListsDetail</name>
        <message>
            <location filename="../qml/content/pages/details/SendingListsDetail.qml" line="+104" />
            <source>Task %1 of %2 under way</source>
            <translation>Task %1 of %2 under way</translation>
        </message>
        <message numerus="yes">
            <location line="+2" />
            <source>%Ln task(s)</source>
            <translation>
                <numerusform>%Ln task</numerusform>
                <numerusform>%Ln tasks</numerusform>
            </translation>
        </message>
        <message>
            <location line="+10" />
            <source>Run this list</source>
            <translation>Run this list</translation>
        </message>
        <message>
            <location line="+9" />
            <source>Schedule this list</source>
            <translation>Schedule this list</translation>
        </message>
        <message>
            <location line="+7" />
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
            <source>Every %Ln min</source>
            <translation>
                <numerusform>Every minute</numerusform>
                <numerusform>Every %Ln min</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>SideMenu</name>
        <message>
            <location filename="../qml/content/window/SideMenu.qml" line="+108" />
            <source>Suppression</source>
            <translation>Suppression</translation>
        </message>
    </context>
    <context>
        <name>SuppressionPage</name>
        <message>
            <location filename="../qml/content/pages/SuppressionPage.qml" line="+28" />
            <source>Unsubscribed</source>
            <translation>Unsubscribed</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Bounced for good</source>
            <translation>Bounced for good</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Complained</source>
            <translation>Complained</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Added by hand</source>
            <translation>Added by hand</translation>
        </message>
        <message>
            <location line="+6" />
            <source>“%1” is not a valid e-mail address.</source>
            <translation>“%1” is not a valid e-mail address.</translation>
        </message>
        <message>
            <location line="+13" />
            <source>A check is under way already.</source>
            <translation>A check is under way already.</translation>
        </message>
        <message>
            <location line="+8" />
            <source>A mailbox could not be read: %1</source>
            <translation>A mailbox could not be read: %1</translation>
        </message>
        <message>
            <location line="+1" />
            <source>New reports about your messages: %1; addresses listed: %2.</source>
            <translation>New reports about your messages: %1; addresses listed: %2.</translation>
        </message>
        <message>
            <location line="+17" />
            <source>The file could not be read: %1</source>
            <translation>The file could not be read: %1</translation>
        </message>
        <message numerus="yes">
            <location line="+2" />
            <source>%Ln address(es) added to the suppression list.</source>
            <translation>
                <numerusform>%Ln address added to the suppression list.</numerusform>
                <numerusform>%Ln addresses added to the suppression list.</numerusform>
            </translation>
        </message>
        <message>
            <location line="+4" />
            <source>The file could not be written: %1</source>
            <translation>The file could not be written: %1</translation>
        </message>
        <message numerus="yes">
            <location line="+2" />
            <source>%Ln address(es) exported.</source>
            <translation>
                <numerusform>%Ln address exported.</numerusform>
                <numerusform>%Ln addresses exported.</numerusform>
            </translation>
        </message>
        <message>
            <location line="+5" />
            <source>Suppression list</source>
            <translation>Suppression list</translation>
        </message>
        <message>
            <location line="+5" />
            <source>Reading the mailboxes…</source>
            <translation>Reading the mailboxes…</translation>
        </message>
        <message>
            <location line="+0" />
            <source>Check the mailboxes</source>
            <translation>Check the mailboxes</translation>
        </message>
        <message>
            <location line="+8" />
            <source>Import…</source>
            <translation>Import…</translation>
        </message>
        <message>
            <location line="+7" />
            <source>Export…</source>
            <translation>Export…</translation>
        </message>
        <message>
            <location line="+4" />
            <source>suppression list</source>
            <translation>suppression list</translation>
        </message>
        <message>
            <location line="+20" />
            <source>No run sends to these addresses, whatever list or field they come from. Addresses are added when someone unsubscribes or when a server says an address does not exist.</source>
            <translation>No run sends to these addresses, whatever list or field they come from. Addresses are added when someone unsubscribes or when a server says an address does not exist.</translation>
        </message>
        <message>
            <location line="+13" />
            <source>List addresses that bounce for good</source>
            <translation>List addresses that bounce for good</translation>
        </message>
        <message>
            <location line="+12" />
            <source>Address to add</source>
            <translation>Address to add</translation>
        </message>
        <message>
            <location line="+6" />
            <source>Add</source>
            <translation>Add</translation>
        </message>
        <message>
            <location line="+11" />
            <source>Search an address</source>
            <translation>Search an address</translation>
        </message>
        <message>
            <location line="+8" />
            <source>Reading the list…</source>
            <translation>Reading the list…</translation>
        </message>
        <message numerus="yes">
            <location line="+2" />
            <source>%Ln address(es) on the list.</source>
            <translation>
                <numerusform>%Ln address on the list.</numerusform>
                <numerusform>%Ln addresses on the list.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <location line="+1" />
            <source>%Ln address(es) found.</source>
            <translation>
                <numerusform>%Ln address found.</numerusform>
                <numerusform>%Ln addresses found.</numerusform>
            </translation>
        </message>
        <message>
            <location line="+9" />
            <source>The suppression list could not be saved: %1</source>
            <translation>The suppression list could not be saved: %1</translation>
        </message>
        <message>
            <location line="+40" />
            <location line="+19" />
            <source>Remove</source>
            <translation>Remove</translation>
        </message>
        <message>
            <location line="-2" />
            <source>Remove %1 from the suppression list? Runs will send to this address again.</source>
            <translation>Remove %1 from the suppression list? Runs will send to this address again.</translation>
        </message>
        <message>
            <location line="+11" />
            <source>Import addresses to the suppression list</source>
            <translation>Import addresses to the suppression list</translation>
        </message>
        <message>
            <location line="+1" />
            <location line="+9" />
            <source>CSV file (*.csv)</source>
            <translation>CSV file (*.csv)</translation>
        </message>
        <message>
            <location line="-9" />
            <source>Text file (*.txt)</source>
            <translation>Text file (*.txt)</translation>
        </message>
        <message>
            <location line="+8" />
            <source>Export the suppression list</source>
            <translation>Export the suppression list</translation>
        </message>
    </context>
    <context>
        <name>TaskReviewDialog</name>
        <message>
            <location filename="../qml/content/window/TaskReviewDialog.qml" line="+33" />
            <source>Recipients: %1</source>
            <translation>Recipients: %1</translation>
        </message>
        <message>
            <location line="+2" />
            <source>Contact lists: %1</source>
            <translation>Contact lists: %1</translation>
        </message>
        <message>
            <location line="+2" />
            <source>HTML file: %1</source>
            <translation>HTML file: %1</translation>
        </message>
        <message>
            <location line="+2" />
            <source>Attachment: %1</source>
            <translation>Attachment: %1</translation>
        </message>
        <message>
            <location line="+2" />
            <source>Refused: %1</source>
            <translation>Refused: %1</translation>
        </message>
        <message>
            <location line="+17" />
            <source>Check what these work files will send</source>
            <translation>Check what these work files will send</translation>
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
        <name>UndoBar</name>
        <message>
            <location filename="../qml/content/myComponents/UndoBar.qml" line="+73" />
            <source>Undo</source>
            <translation>Undo</translation>
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
        <message numerus="yes">
            <location line="+11" />
            <source>Not embedded in the message:</source>
            <translation>
                <numerusform>Not embedded in the message:</numerusform>
                <numerusform>Not embedded in the message:</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>WorkFiles</name>
        <message>
            <location filename="../qml/content/window/WorkFiles.qml" line="+24" />
            <source>my-work</source>
            <extracomment>The name proposed for a new work file, without its ending.</extracomment>
            <translation>my-work</translation>
        </message>
        <message>
            <location line="+28" />
            <source>The work could not be saved in %1.</source>
            <translation>The work could not be saved in %1.</translation>
        </message>
        <message>
            <location line="+2" />
            <source>The work was saved in %1.</source>
            <translation>The work was saved in %1.</translation>
        </message>
        <message>
            <location line="+18" />
            <source>%1 is too large to be a work file: it was not loaded.</source>
            <translation>%1 is too large to be a work file: it was not loaded.</translation>
        </message>
        <message>
            <location line="+5" />
            <source>%1 could not be read as a work file.</source>
            <translation>%1 could not be read as a work file.</translation>
        </message>
        <message>
            <location line="+23" />
            <source>Left out of the message:</source>
            <translation>Left out of the message:</translation>
        </message>
        <message>
            <location line="+30" />
            <location line="+11" />
            <source>Backup file (*.pvsav)</source>
            <translation>Backup file (*.pvsav)</translation>
        </message>
    </context>
</TS>
