<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
    <context>
        <name>AboutDialog</name>
        <message>
            <location filename="../qml/content/window/AboutDialog.qml" line="+44" />
            <source>%1: %2</source>
            <translation>%1 : %2</translation>
        </message>
        <message>
            <location line="+24" />
            <source>The latest version is not known yet: it is asked for at start-up when the computer is online.</source>
            <translation>La dernière version n’est pas encore connue : elle est demandée au démarrage lorsque l’ordinateur est en ligne.</translation>
        </message>
        <message>
            <location line="+17" />
            <source>Download Parvane %1</source>
            <translation>Télécharger Parvane %1</translation>
        </message>
        <message>
            <location line="+17" />
            <source>Parvane and its logo are names and marks of Velmora.</source>
            <translation>Parvane et son logo sont des noms et des marques de Velmora.</translation>
        </message>
    </context>
    <context>
        <name>AccountDetail</name>
        <message>
            <location filename="../qml/content/pages/details/AccountDetail.qml" line="+62" />
            <source>A sending run is using this account: it can be changed once the run has ended.</source>
            <translation>Un envoi en cours utilise ce compte : il pourra être modifié une fois l'envoi terminé.</translation>
        </message>
        <message>
            <location line="+33" />
            <source>Sign in again with %1 first.</source>
            <translation>Connectez-vous d’abord de nouveau avec %1.</translation>
        </message>
        <message>
            <location line="+82" />
            <source>You signed in as %1, not as %2: nothing was changed.</source>
            <translation>Vous vous êtes connecté en tant que %1, et non %2 : rien n’a été modifié.</translation>
        </message>
        <message>
            <location line="+6" />
            <source>Signed in again as %1.</source>
            <translation>De nouveau connecté en tant que %1.</translation>
        </message>
        <message>
            <location line="+21" />
            <source>Sign in again with %1</source>
            <translation>Se reconnecter avec %1</translation>
        </message>
        <message>
            <location line="+41" />
            <source>Are you sure you want to delete the account %1 ?</source>
            <translation>Voulez-vous vraiment supprimer le compte %1 ?</translation>
        </message>
    </context>
    <context>
        <name>AccountForm</name>
        <message>
            <location filename="../qml/content/pages/accounts/AccountForm.qml" line="+93" />
            <source>The IMAP port must be a number from 1 to 65535.</source>
            <translation>Le port IMAP doit être un nombre de 1 à 65 535.</translation>
        </message>
        <message>
            <location line="+3" />
            <source>Logging in to the mailbox…</source>
            <translation>Connexion à la boîte aux lettres…</translation>
        </message>
        <message>
            <location line="+13" />
            <location line="+399" />
            <source>The mailbox login went through.</source>
            <translation>La connexion à la boîte aux lettres a réussi.</translation>
        </message>
        <message>
            <location line="-398" />
            <source>The mailbox login failed: %1</source>
            <translation>La connexion à la boîte aux lettres a échoué : %1</translation>
        </message>
        <message>
            <location line="+8" />
            <source>Other</source>
            <translation>Autre</translation>
        </message>
        <message>
            <location line="+2" />
            <source>Auto</source>
            <translation>Auto</translation>
        </message>
        <message>
            <location line="+2" />
            <source>None</source>
            <translation>Aucune</translation>
        </message>
        <message>
            <location line="+67" />
            <source>The SMTP port must be a number from 1 to 65535.</source>
            <translation>Le port SMTP doit être un nombre de 1 à 65 535.</translation>
        </message>
        <message>
            <location line="+7" />
            <source>Test the mailbox login before the IMAP settings are kept.</source>
            <translation>Testez la connexion à la boîte aux lettres avant d’enregistrer les réglages IMAP.</translation>
        </message>
        <message>
            <location line="+134" />
            <source>With "None" nothing is encrypted: your messages travel in clear, and no password is sent.</source>
            <translation>Avec « Aucune », rien n'est chiffré : vos messages circulent en clair, et aucun mot de passe n'est envoyé.</translation>
        </message>
        <message>
            <location line="+2" />
            <source>With "Auto" the password is sent only over an encrypted connection; a server that offers none is refused.</source>
            <translation>Avec « Auto », le mot de passe n'est envoyé que sur une connexion chiffrée ; un serveur qui n'en propose pas est refusé.</translation>
        </message>
        <message>
            <location line="+41" />
            <source>A run waits when the account has sent this many messages in the last 24 hours, hour or minute, and goes on by itself. Empty: no limit.</source>
            <translation>Un envoi attend quand le compte a envoyé ce nombre de messages en 24 heures, en une heure ou en une minute, puis reprend de lui-même. Vide : aucune limite.</translation>
        </message>
        <message>
            <location line="-3" />
            <source>Messages per day</source>
            <translation>Messages par jour</translation>
        </message>
        <message>
            <location line="+10" />
            <location line="+11" />
            <location line="+11" />
            <source>No limit</source>
            <translation>Aucune limite</translation>
        </message>
        <message>
            <location line="-17" />
            <source>Messages per hour</source>
            <translation>Messages par heure</translation>
        </message>
        <message>
            <location line="+11" />
            <source>Messages per minute</source>
            <translation>Messages par minute</translation>
        </message>
        <message>
            <location line="+21" />
            <source>Read bounces and unsubscribe replies from this mailbox (IMAP)</source>
            <translation>Lire les retours et les désinscriptions dans cette boîte aux lettres (IMAP)</translation>
        </message>
        <message>
            <location line="+9" />
            <source>Parvane reads the bounces, complaints and unsubscribe replies that come back to this mailbox, and never sends to those addresses again. Nothing is deleted or marked as read.</source>
            <translation>Parvane lit les retours en erreur, les plaintes et les réponses de désinscription qui reviennent dans cette boîte aux lettres, et n’écrit plus jamais à ces adresses. Rien n’est supprimé ni marqué comme lu.</translation>
        </message>
        <message>
            <location line="+3" />
            <source>IMAP host</source>
            <translation>Hôte IMAP</translation>
        </message>
        <message>
            <location line="+8" />
            <source>The mailbox server, e.g. imap.example.com</source>
            <translation>Le serveur de la boîte, p. ex. imap.example.com</translation>
        </message>
        <message>
            <location line="+3" />
            <source>IMAP port</source>
            <translation>Port IMAP</translation>
        </message>
        <message>
            <location line="+26" />
            <source>IMAP user name</source>
            <translation>Nom d’utilisateur IMAP</translation>
        </message>
        <message>
            <location line="+8" />
            <source>The email address</source>
            <translation>L’adresse e-mail</translation>
        </message>
        <message>
            <location line="+3" />
            <source>IMAP password</source>
            <translation>Mot de passe IMAP</translation>
        </message>
        <message>
            <location line="+8" />
            <source>The account's password</source>
            <translation>Le mot de passe du compte</translation>
        </message>
        <message>
            <location line="+4" />
            <source>Other folder</source>
            <translation>Autre dossier</translation>
        </message>
        <message>
            <location line="+8" />
            <source>Besides the inbox, e.g. Junk</source>
            <translation>En plus de la boîte de réception, p. ex. Junk</translation>
        </message>
        <message>
            <location line="+18" />
            <source>Test the mailbox login</source>
            <translation>Tester la connexion à la boîte</translation>
        </message>
    </context>
    <context>
        <name>AccountMenu</name>
        <message>
            <location filename="../qml/content/window/AccountMenu.qml" line="+18" />
            <source>Share runs with other accounts…</source>
            <translation>Partager les envois avec d’autres comptes…</translation>
        </message>
    </context>
    <context>
        <name>AccountsPage</name>
        <message>
            <location filename="../qml/content/pages/AccountsPage.qml" line="+44" />
            <source>No keychain answered on this computer, so your passwords are kept in a file that only you can read: %1</source>
            <translation>Aucun trousseau n'a répondu sur cet ordinateur : vos mots de passe sont donc conservés dans un fichier que vous seul pouvez lire : %1</translation>
        </message>
    </context>
    <context>
        <name>AddAccountDialog</name>
        <message>
            <location filename="../qml/content/pages/accounts/AddAccountDialog.qml" line="+115" />
            <source>Signed in as %1: Parvane now sends a test message.</source>
            <translation>Connecté en tant que %1 : Parvane envoie maintenant un message de test.</translation>
        </message>
        <message>
            <location line="+45" />
            <source>Sign in with Microsoft</source>
            <translation>Se connecter avec Microsoft</translation>
        </message>
        <message>
            <location line="+7" />
            <source>Sign in with Google</source>
            <translation>Se connecter avec Google</translation>
        </message>
    </context>
    <context>
        <name>AddSendingListDialog</name>
        <message numerus="yes">
            <location filename="../qml/content/run/AddSendingListDialog.qml" line="+25" />
            <source>You cannot add more than %Ln task(s) to a list.</source>
            <translation>
                <numerusform>Vous ne pouvez pas ajouter plus de %Ln tâche à une liste.</numerusform>
                <numerusform>Vous ne pouvez pas ajouter plus de %Ln tâches à une liste.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <location line="+14" />
            <source>%Ln file(s) cannot be used as tasks: a task needs a sender name, a subject, recipients and some content.</source>
            <translation>
                <numerusform>%Ln fichier ne peut pas servir de tâche : une tâche demande un nom d’expéditeur, un objet, des destinataires et un contenu.</numerusform>
                <numerusform>%Ln fichiers ne peuvent pas servir de tâches : une tâche demande un nom d’expéditeur, un objet, des destinataires et un contenu.</numerusform>
            </translation>
        </message>
        <message>
            <location line="+136" />
            <source>Backup file (*.pvsav)</source>
            <translation>Fichier de sauvegarde (*.pvsav)</translation>
        </message>
    </context>
    <context>
        <name>AddToListDialog</name>
        <message>
            <location filename="../qml/content/pages/search/AddToListDialog.qml" line="+29" />
            <source>Contacts added to the list: %1; already there: %2; not valid: %3.</source>
            <translation>Contacts ajoutés à la liste : %1 ; déjà présents : %2 ; non valides : %3.</translation>
        </message>
        <message>
            <location line="+2" />
            <source>Contacts added to the list: %1; already there: %2.</source>
            <translation>Contacts ajoutés à la liste : %1 ; déjà présents : %2.</translation>
        </message>
        <message>
            <location line="+18" />
            <source>Emails to add to a contact list: %1</source>
            <translation>E-mails à ajouter à une liste de contacts : %1</translation>
        </message>
        <message>
            <location line="+16" />
            <source>You have no contact list yet: create one on the Contacts page first.</source>
            <translation>Vous n’avez encore aucune liste de contacts : créez-en une d’abord sur la page Contacts.</translation>
        </message>
    </context>
    <context>
        <name>App</name>
        <message>
            <location filename="../qml/content/App.qml" line="+98" />
            <source>Saving your latest changes…</source>
            <translation>Enregistrement de vos dernières modifications…</translation>
        </message>
        <message>
            <location line="+25" />
            <source>Your latest changes could not be saved: %1. Quit anyway?</source>
            <translation>Vos dernières modifications n’ont pas pu être enregistrées : %1. Quitter quand même ?</translation>
        </message>
        <message>
            <location line="+67" />
            <source>Quit anyway</source>
            <translation>Quitter quand même</translation>
        </message>
    </context>
    <context>
        <name>AppTitleBar</name>
        <message>
            <location filename="../qml/content/window/AppTitleBar.qml" line="+53" />
            <source>Sending paused %1/%2</source>
            <translation>Envoi en pause %1/%2</translation>
        </message>
        <message>
            <location line="+2" />
            <source>Sending finished %1/%2</source>
            <translation>Envoi terminé %1/%2</translation>
        </message>
        <message>
            <location line="+2" />
            <source>Sending stopped %1/%2</source>
            <translation>Envoi arrêté %1/%2</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Sending %1/%2</source>
            <translation>Envoi %1/%2</translation>
        </message>
        <message>
            <location line="+146" />
            <source>History</source>
            <translation>Historique</translation>
        </message>
    </context>
    <context>
        <name>ComposeForm</name>
        <message>
            <location filename="../qml/content/pages/compose/ComposeForm.qml" line="+199" />
            <source>Unsubscribe link</source>
            <translation>Lien de désabonnement</translation>
        </message>
        <message>
            <location line="+31" />
            <source>Schedule…</source>
            <translation>Programmer…</translation>
        </message>
    </context>
    <context>
        <name>Constants</name>
        <message>
            <location filename="../qml/Parvane/Constants.qml" line="+121" />
            <source>Andorre</source>
            <translation>Andorre</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Émirats arabes unis</source>
            <translation>Émirats arabes unis</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Afghanistan</source>
            <translation>Afghanistan</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Antigua-et-Barbuda</source>
            <translation>Antigua-et-Barbuda</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Anguilla</source>
            <translation>Anguilla</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Albanie</source>
            <translation>Albanie</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Arménie</source>
            <translation>Arménie</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Angola</source>
            <translation>Angola</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Antarctique</source>
            <translation>Antarctique</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Argentine</source>
            <translation>Argentine</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Samoa américaines</source>
            <translation>Samoa américaines</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Autriche</source>
            <translation>Autriche</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Australie</source>
            <translation>Australie</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Aruba</source>
            <translation>Aruba</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Îles Åland</source>
            <translation>Îles Åland</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Azerbaïdjan</source>
            <translation>Azerbaïdjan</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Bosnie-Herzégovine</source>
            <translation>Bosnie-Herzégovine</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Barbade</source>
            <translation>Barbade</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Bangladesh</source>
            <translation>Bangladesh</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Belgique</source>
            <translation>Belgique</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Burkina Faso</source>
            <translation>Burkina Faso</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Bulgarie</source>
            <translation>Bulgarie</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Bahreïn</source>
            <translation>Bahreïn</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Burundi</source>
            <translation>Burundi</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Bénin</source>
            <translation>Bénin</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Saint-Barthélemy</source>
            <translation>Saint-Barthélemy</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Bermudes</source>
            <translation>Bermudes</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Brunei</source>
            <translation>Brunei</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Bolivie</source>
            <translation>Bolivie</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Pays-Bas caribéens</source>
            <translation>Pays-Bas caribéens</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Brésil</source>
            <translation>Brésil</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Bahamas</source>
            <translation>Bahamas</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Île Bouvet</source>
            <translation>Île Bouvet</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Botswana</source>
            <translation>Botswana</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Biélorussie</source>
            <translation>Biélorussie</translation>
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
            <translation>Îles Cocos</translation>
        </message>
        <message>
            <location line="+1" />
            <source>République démocratique du Congo</source>
            <translation>République démocratique du Congo</translation>
        </message>
        <message>
            <location line="+1" />
            <source>République centrafricaine</source>
            <translation>République centrafricaine</translation>
        </message>
        <message>
            <location line="+1" />
            <source>République du Congo</source>
            <translation>République du Congo</translation>
        </message>
        <message>
            <location line="+1" />
            <source>la Suisse</source>
            <translation>la Suisse</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Côte d'Ivoire</source>
            <translation>Côte d'Ivoire</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Îles Cook</source>
            <translation>Îles Cook</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Chili</source>
            <translation>Chili</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Cameroun</source>
            <translation>Cameroun</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Chine</source>
            <translation>Chine</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Colombie</source>
            <translation>Colombie</translation>
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
            <translation>Cap-Vert</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Curaçao</source>
            <translation>Curaçao</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Île Christmas</source>
            <translation>Île Christmas</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Chypre</source>
            <translation>Chypre</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Tchéquie</source>
            <translation>Tchéquie</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Allemagne</source>
            <translation>Allemagne</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Djibouti</source>
            <translation>Djibouti</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Danemark</source>
            <translation>Danemark</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Dominique</source>
            <translation>Dominique</translation>
        </message>
        <message>
            <location line="+1" />
            <source>République dominicaine</source>
            <translation>République dominicaine</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Algérie</source>
            <translation>Algérie</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Équateur</source>
            <translation>Équateur</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Estonie</source>
            <translation>Estonie</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Égypte</source>
            <translation>Égypte</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Sahara occidental</source>
            <translation>Sahara occidental</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Érythrée</source>
            <translation>Érythrée</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Espagne</source>
            <translation>Espagne</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Éthiopie</source>
            <translation>Éthiopie</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Finlande</source>
            <translation>Finlande</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Fidji</source>
            <translation>Fidji</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Îles Malouines</source>
            <translation>Îles Malouines</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Micronésie</source>
            <translation>Micronésie</translation>
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
            <translation>Royaume-Uni</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Grenade</source>
            <translation>Grenade</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Géorgie</source>
            <translation>Géorgie</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Guyane française</source>
            <translation>Guyane française</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Guernesey</source>
            <translation>Guernesey</translation>
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
            <translation>Gambie</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Guinée</source>
            <translation>Guinée</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Guadeloupe</source>
            <translation>Guadeloupe</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Guinée équatoriale</source>
            <translation>Guinée équatoriale</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Grèce</source>
            <translation>Grèce</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Géorgie du Sud-et-les Îles Sandwich du Sud</source>
            <translation>Géorgie du Sud-et-les Îles Sandwich du Sud</translation>
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
            <translation>Guinée-Bissau</translation>
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
            <translation>Îles Heard-et-MacDonald</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Honduras</source>
            <translation>Honduras</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Croatie</source>
            <translation>Croatie</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Haïti</source>
            <translation>Haïti</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Hongrie</source>
            <translation>Hongrie</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Indonésie</source>
            <translation>Indonésie</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Irlande</source>
            <translation>Irlande</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Israël</source>
            <translation>Israël</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Île de Man</source>
            <translation>Île de Man</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Inde</source>
            <translation>Inde</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Territoire britannique de l'océan Indien</source>
            <translation>Territoire britannique de l'océan Indien</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Irak</source>
            <translation>Irak</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Iran</source>
            <translation>Iran</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Islande</source>
            <translation>Islande</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Italie</source>
            <translation>Italie</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Jersey</source>
            <translation>Jersey</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Jamaïque</source>
            <translation>Jamaïque</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Jordanie</source>
            <translation>Jordanie</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Japon</source>
            <translation>Japon</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Kenya</source>
            <translation>Kenya</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Kirghizistan</source>
            <translation>Kirghizistan</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Cambodge</source>
            <translation>Cambodge</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Kiribati</source>
            <translation>Kiribati</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Comores</source>
            <translation>Comores</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Saint-Christophe-et-Niévès</source>
            <translation>Saint-Christophe-et-Niévès</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Corée du Nord</source>
            <translation>Corée du Nord</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Corée du Sud</source>
            <translation>Corée du Sud</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Koweït</source>
            <translation>Koweït</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Îles Caïmans</source>
            <translation>Îles Caïmans</translation>
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
            <translation>Liban</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Sainte-Lucie</source>
            <translation>Sainte-Lucie</translation>
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
            <translation>Libéria</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Lesotho</source>
            <translation>Lesotho</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Lituanie</source>
            <translation>Lituanie</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Luxembourg</source>
            <translation>Luxembourg</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Lettonie</source>
            <translation>Lettonie</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Libye</source>
            <translation>Libye</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Maroc</source>
            <translation>Maroc</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Monaco</source>
            <translation>Monaco</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Moldavie</source>
            <translation>Moldavie</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Monténégro</source>
            <translation>Monténégro</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Saint-Martin</source>
            <translation>Saint-Martin</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Madagascar</source>
            <translation>Madagascar</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Îles Marshall</source>
            <translation>Îles Marshall</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Macédoine du Nord</source>
            <translation>Macédoine du Nord</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Mali</source>
            <translation>Mali</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Birmanie</source>
            <translation>Birmanie</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Mongolie</source>
            <translation>Mongolie</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Macao</source>
            <translation>Macao</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Îles Mariannes du Nord</source>
            <translation>Îles Mariannes du Nord</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Martinique</source>
            <translation>Martinique</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Mauritanie</source>
            <translation>Mauritanie</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Montserrat</source>
            <translation>Montserrat</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Malte</source>
            <translation>Malte</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Maurice</source>
            <translation>Maurice</translation>
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
            <translation>Mexique</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Malaisie</source>
            <translation>Malaisie</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Mozambique</source>
            <translation>Mozambique</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Namibie</source>
            <translation>Namibie</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Nouvelle-Calédonie</source>
            <translation>Nouvelle-Calédonie</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Niger</source>
            <translation>Niger</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Île Norfolk</source>
            <translation>Île Norfolk</translation>
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
            <translation>Pays-Bas</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Antilles néerlandaises</source>
            <translation>Antilles néerlandaises</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Norvège</source>
            <translation>Norvège</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Népal</source>
            <translation>Népal</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Nauru</source>
            <translation>Nauru</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Nioue</source>
            <translation>Nioue</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Nouvelle-Zélande</source>
            <translation>Nouvelle-Zélande</translation>
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
            <translation>Pérou</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Polynésie française</source>
            <translation>Polynésie française</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Papouasie-Nouvelle-Guinée</source>
            <translation>Papouasie-Nouvelle-Guinée</translation>
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
            <translation>Pologne</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Saint-Pierre-et-Miquelon</source>
            <translation>Saint-Pierre-et-Miquelon</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Îles Pitcairn</source>
            <translation>Îles Pitcairn</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Porto Rico</source>
            <translation>Porto Rico</translation>
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
            <translation>Palaos</translation>
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
            <translation>La Réunion</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Roumanie</source>
            <translation>Roumanie</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Serbie</source>
            <translation>Serbie</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Serbie-et-Monténégro</source>
            <translation>Serbie-et-Monténégro</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Russie</source>
            <translation>Russie</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Rwanda</source>
            <translation>Rwanda</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Arabie saoudite</source>
            <translation>Arabie saoudite</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Îles Salomon</source>
            <translation>Îles Salomon</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Seychelles</source>
            <translation>Seychelles</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Soudan</source>
            <translation>Soudan</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Suède</source>
            <translation>Suède</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Singapour</source>
            <translation>Singapour</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Sainte-Hélène</source>
            <translation>Sainte-Hélène</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Slovénie</source>
            <translation>Slovénie</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Svalbard et Jan Mayen</source>
            <translation>Svalbard et Jan Mayen</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Slovaquie</source>
            <translation>Slovaquie</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Sierra Leone</source>
            <translation>Sierra Leone</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Saint-Marin</source>
            <translation>Saint-Marin</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Sénégal</source>
            <translation>Sénégal</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Somalie</source>
            <translation>Somalie</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Suriname</source>
            <translation>Suriname</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Soudan du Sud</source>
            <translation>Soudan du Sud</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Sao Tomé-et-Principe</source>
            <translation>Sao Tomé-et-Principe</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Salvador</source>
            <translation>Salvador</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Sint Maarten</source>
            <translation>Sint Maarten</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Syrie</source>
            <translation>Syrie</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Eswatini</source>
            <translation>Eswatini</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Îles Turques-et-Caïques</source>
            <translation>Îles Turques-et-Caïques</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Tchad</source>
            <translation>Tchad</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Terres australes et antarctiques françaises</source>
            <translation>Terres australes et antarctiques françaises</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Togo</source>
            <translation>Togo</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Thaïlande</source>
            <translation>Thaïlande</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Tadjikistan</source>
            <translation>Tadjikistan</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Tokelau</source>
            <translation>Tokelau</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Timor oriental</source>
            <translation>Timor oriental</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Turkménistan</source>
            <translation>Turkménistan</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Tunisie</source>
            <translation>Tunisie</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Tonga</source>
            <translation>Tonga</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Turquie</source>
            <translation>Turquie</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Trinité-et-Tobago</source>
            <translation>Trinité-et-Tobago</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Tuvalu</source>
            <translation>Tuvalu</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Taïwan</source>
            <translation>Taïwan</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Tanzanie</source>
            <translation>Tanzanie</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Ukraine</source>
            <translation>Ukraine</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Ouganda</source>
            <translation>Ouganda</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Îles mineures éloignées des États-Unis</source>
            <translation>Îles mineures éloignées des États-Unis</translation>
        </message>
        <message>
            <location line="+1" />
            <source>États-Unis</source>
            <translation>États-Unis</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Uruguay</source>
            <translation>Uruguay</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Ouzbékistan</source>
            <translation>Ouzbékistan</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Vatican</source>
            <translation>Vatican</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Saint-Vincent-et-les-Grenadines</source>
            <translation>Saint-Vincent-et-les-Grenadines</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Venezuela</source>
            <translation>Venezuela</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Îles Vierges britanniques</source>
            <translation>Îles Vierges britanniques</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Îles Vierges des États-Unis</source>
            <translation>Îles Vierges des États-Unis</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Viêt Nam</source>
            <translation>Viêt Nam</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Vanuatu</source>
            <translation>Vanuatu</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Wallis et Futuna</source>
            <translation>Wallis et Futuna</translation>
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
            <translation>Yémen</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Mayotte</source>
            <translation>Mayotte</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Afrique du Sud</source>
            <translation>Afrique du Sud</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Zambie</source>
            <translation>Zambie</translation>
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
            <translation>Arabe</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Pachto</source>
            <translation>Pachto</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Ouzbek</source>
            <translation>Ouzbek</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Turkmène</source>
            <translation>Turkmène</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Anglais</source>
            <translation>Anglais</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Albanais</source>
            <translation>Albanais</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Arménien</source>
            <translation>Arménien</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Russe</source>
            <translation>Russe</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Portugais</source>
            <translation>Portugais</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Français</source>
            <translation>Français</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Espagnol</source>
            <translation>Espagnol</translation>
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
            <translation>Allemand</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Néerlandais</source>
            <translation>Néerlandais</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Pendjabi</source>
            <translation>Pendjabi</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Suédois</source>
            <translation>Suédois</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Azerbaïdjanais</source>
            <translation>Azerbaïdjanais</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Bosniaque</source>
            <translation>Bosniaque</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Croate</source>
            <translation>Croate</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Serbe</source>
            <translation>Serbe</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Bengali</source>
            <translation>Bengali</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Bulgare</source>
            <translation>Bulgare</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Malais</source>
            <translation>Malais</translation>
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
            <translation>Norvégien</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Biélorusse</source>
            <translation>Biélorusse</translation>
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
            <translation>Italien</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Chinois</source>
            <translation>Chinois</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Grec</source>
            <translation>Grec</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Turc</source>
            <translation>Turc</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Tchèque</source>
            <translation>Tchèque</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Slovaque</source>
            <translation>Slovaque</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Danois</source>
            <translation>Danois</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Estonien</source>
            <translation>Estonien</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Tigrigna</source>
            <translation>Tigrigna</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Basque</source>
            <translation>Basque</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Galicien</source>
            <translation>Galicien</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Amharique</source>
            <translation>Amharique</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Finnois</source>
            <translation>Finnois</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Hindi</source>
            <translation>Hindi</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Ourdou</source>
            <translation>Ourdou</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Géorgien</source>
            <translation>Géorgien</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Créole haïtien</source>
            <translation>Créole haïtien</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Hongrois</source>
            <translation>Hongrois</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Indonésien</source>
            <translation>Indonésien</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Irlandais</source>
            <translation>Irlandais</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Hébreu</source>
            <translation>Hébreu</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Kurde</source>
            <translation>Kurde</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Persan</source>
            <translation>Persan</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Islandais</source>
            <translation>Islandais</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Japonais</source>
            <translation>Japonais</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Kirghiz</source>
            <translation>Kirghiz</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Khmer</source>
            <translation>Khmer</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Coréen</source>
            <translation>Coréen</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Kazakh</source>
            <translation>Kazakh</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Laotien</source>
            <translation>Laotien</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Singhalais</source>
            <translation>Singhalais</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Tamoul</source>
            <translation>Tamoul</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Sotho</source>
            <translation>Sotho</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Lituanien</source>
            <translation>Lituanien</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Luxembourgeois</source>
            <translation>Luxembourgeois</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Letton</source>
            <translation>Letton</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Roumain</source>
            <translation>Roumain</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Malgache</source>
            <translation>Malgache</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Macédonien</source>
            <translation>Macédonien</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Birman</source>
            <translation>Birman</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Mongol</source>
            <translation>Mongol</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Maltais</source>
            <translation>Maltais</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Maldivien</source>
            <translation>Maldivien</translation>
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
            <translation>Népalais</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Maori</source>
            <translation>Maori</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Polonais</source>
            <translation>Polonais</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Kinyarwanda</source>
            <translation>Kinyarwanda</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Slovène</source>
            <translation>Slovène</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Somali</source>
            <translation>Somali</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Thaï</source>
            <translation>Thaï</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Tadjik</source>
            <translation>Tadjik</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Ukrainien</source>
            <translation>Ukrainien</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Latin</source>
            <translation>Latin</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Vietnamien</source>
            <translation>Vietnamien</translation>
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
            <translation>Zoulou</translation>
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
            <translation>Le contact a été mis à jour.</translation>
        </message>
        <message>
            <location line="+14" />
            <source>Contact %1 deleted.</source>
            <translation>Contact %1 supprimé.</translation>
        </message>
        <message>
            <location line="+9" />
            <source>The file could not be written.</source>
            <translation>Le fichier n’a pas pu être écrit.</translation>
        </message>
        <message>
            <location line="+50" />
            <source>Show the QR code large</source>
            <translation>Afficher le code QR en grand</translation>
        </message>
        <message>
            <location line="+152" />
            <source>Are you sure you want to delete the contact %1 ?</source>
            <translation>Voulez-vous vraiment supprimer le contact %1 ?</translation>
        </message>
        <message>
            <location line="+62" />
            <source>vCard file (*.vcf *.vcard)</source>
            <translation>Fichier vCard (*.vcf *.vcard)</translation>
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
            <translation>Nom complet</translation>
        </message>
        <message>
            <location line="+10" />
            <source>Made from the names when left empty</source>
            <translation>Formé à partir des noms s’il est laissé vide</translation>
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
            <translation>Les coordonnées ne sont pas encore connues : elles sont demandées au démarrage lorsque l’ordinateur est en ligne.</translation>
        </message>
        <message>
            <location line="+11" />
            <location line="+13" />
            <source>%1: </source>
            <translation>%1 : </translation>
        </message>
    </context>
    <context>
        <name>ContactsListsPage</name>
        <message>
            <location filename="../qml/content/pages/ContactsListsPage.qml" line="+341" />
            <source>The import was cancelled: no contact was added.</source>
            <translation>L’importation a été annulée : aucun contact n’a été ajouté.</translation>
        </message>
        <message>
            <location line="+43" />
            <source>The file could not be written.</source>
            <translation>Le fichier n’a pas pu être écrit.</translation>
        </message>
        <message>
            <location line="-125" />
            <source>This list is used by the sending run under way: it can be deleted once the run has ended.</source>
            <translation>Cette liste sert à l'envoi en cours : elle pourra être supprimée une fois l'envoi terminé.</translation>
        </message>
        <message>
            <location line="+40" />
            <source>This address is already in this list as %1: add anyway?</source>
            <translation>Cette adresse figure déjà dans cette liste sous la forme %1 : l’ajouter quand même ?</translation>
        </message>
        <message>
            <location line="+33" />
            <source>The file could not be read.</source>
            <translation>Le fichier n’a pas pu être lu.</translation>
        </message>
        <message>
            <location line="+2" />
            <source>The file holds no header row.</source>
            <translation>Le fichier ne contient pas de ligne d’en-tête.</translation>
        </message>
        <message numerus="yes">
            <location line="-108" />
            <source>%Ln contact(s) deleted.</source>
            <translation>
                <numerusform>%Ln contact supprimé.</numerusform>
                <numerusform>%Ln contacts supprimés.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <location line="+5" />
            <source>%Ln contact(s) moved to %1.</source>
            <translation>
                <numerusform>%Ln contact déplacé vers %1.</numerusform>
                <numerusform>%Ln contacts déplacés vers %1.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <location line="+2" />
            <source>%Ln already in that list stayed here.</source>
            <translation>
                <numerusform>%Ln, déjà dans cette liste, est resté ici.</numerusform>
                <numerusform>%Ln, déjà dans cette liste, sont restés ici.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <location line="+43" />
            <source>List %1 deleted with %Ln contact(s).</source>
            <translation>
                <numerusform>Liste %1 supprimée avec %Ln contact.</numerusform>
                <numerusform>Liste %1 supprimée avec ses %Ln contacts.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <location line="+68" />
            <source>%Ln contact(s) added.</source>
            <translation>
                <numerusform>%Ln contact ajouté.</numerusform>
                <numerusform>%Ln contacts ajoutés.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <location line="+2" />
            <source>%Ln already in the list.</source>
            <translation>
                <numerusform>%Ln déjà dans la liste.</numerusform>
                <numerusform>%Ln déjà dans la liste.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <location line="+2" />
            <source>%Ln skipped: no e-mail address.</source>
            <translation>
                <numerusform>%Ln ignoré : aucune adresse e-mail.</numerusform>
                <numerusform>%Ln ignorés : aucune adresse e-mail.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <location line="+2" />
            <source>%Ln skipped: invalid e-mail address.</source>
            <translation>
                <numerusform>%Ln ignoré : adresse e-mail invalide.</numerusform>
                <numerusform>%Ln ignorés : adresse e-mail invalide.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <location line="+78" />
            <source>%Ln contact(s) in this list</source>
            <translation>
                <numerusform>%Ln contact dans cette liste</numerusform>
                <numerusform>%Ln contacts dans cette liste</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <location line="+1" />
            <source>%Ln contact(s) in all lists</source>
            <translation>
                <numerusform>%Ln contact dans toutes les listes</numerusform>
                <numerusform>%Ln contacts dans toutes les listes</numerusform>
            </translation>
        </message>
        <message>
            <location line="+68" />
            <source>Export as CSV</source>
            <translation>Exporter en CSV</translation>
        </message>
        <message>
            <location line="+30" />
            <source>Name, address or company</source>
            <translation>Nom, adresse ou entreprise</translation>
        </message>
        <message>
            <location line="+5" />
            <source>Sort</source>
            <translation>Trier</translation>
        </message>
        <message>
            <location line="+8" />
            <source>Order added</source>
            <translation>Ordre d’ajout</translation>
        </message>
        <message>
            <location line="+6" />
            <source>By name</source>
            <translation>Par nom</translation>
        </message>
        <message>
            <location line="+6" />
            <source>By address</source>
            <translation>Par adresse</translation>
        </message>
        <message numerus="yes">
            <location line="+24" />
            <source>%Ln contact(s) selected</source>
            <translation>
                <numerusform>%Ln contact sélectionné</numerusform>
                <numerusform>%Ln contacts sélectionnés</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <location line="+101" />
            <source>Delete %Ln contact(s) from the list %1?</source>
            <translation>
                <numerusform>Supprimer %Ln contact de la liste %1 ?</numerusform>
                <numerusform>Supprimer %Ln contacts de la liste %1 ?</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <location line="+22" />
            <source>Are you sure you want to delete the list %1 and its %Ln contact(s)?</source>
            <translation>
                <numerusform>Voulez-vous vraiment supprimer la liste %1 et son %Ln contact ?</numerusform>
                <numerusform>Voulez-vous vraiment supprimer la liste %1 et ses %Ln contacts ?</numerusform>
            </translation>
        </message>
        <message>
            <location line="-122" />
            <source>Click to select; Ctrl and Shift to select several</source>
            <translation>Cliquez pour sélectionner ; Ctrl et Maj pour en sélectionner plusieurs</translation>
        </message>
        <message>
            <location line="+5" />
            <source>Select all shown</source>
            <translation>Tout sélectionner</translation>
        </message>
        <message>
            <location line="+5" />
            <source>Move to…</source>
            <translation>Déplacer vers…</translation>
        </message>
        <message>
            <location line="+100" />
            <source>Add anyway</source>
            <translation>Ajouter quand même</translation>
        </message>
        <message>
            <location line="+35" />
            <source>Import Contacts to %1</source>
            <translation>Importer des contacts dans %1</translation>
        </message>
        <message>
            <location line="+1" />
            <location line="+28" />
            <source>vCard file (*.vcf *.vcard)</source>
            <translation>Fichier vCard (*.vcf *.vcard)</translation>
        </message>
        <message>
            <location line="-28" />
            <source>Contacts file (*.vcf *.vcard *.csv)</source>
            <translation>Fichier de contacts (*.vcf *.vcard *.csv)</translation>
        </message>
        <message>
            <location line="+1" />
            <location line="+18" />
            <source>CSV file (*.csv)</source>
            <translation>Fichier CSV (*.csv)</translation>
        </message>
        <message>
            <location line="-1" />
            <location line="+9" />
            <source>Export %1</source>
            <translation>Exporter %1</translation>
        </message>
    </context>
    <context>
        <name>CsvImportDialog</name>
        <message>
            <location filename="../qml/content/pages/contacts/CsvImportDialog.qml" line="+28" />
            <source>Not imported</source>
            <translation>Non importé</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Full name</source>
            <translation>Nom complet</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Other e-mail addresses</source>
            <translation>Autres adresses e-mail</translation>
        </message>
        <message>
            <location line="+25" />
            <source>semicolon</source>
            <translation>point-virgule</translation>
        </message>
        <message>
            <location line="+2" />
            <source>tab</source>
            <translation>tabulation</translation>
        </message>
        <message>
            <location line="+1" />
            <source>comma</source>
            <translation>virgule</translation>
        </message>
        <message>
            <location line="+38" />
            <source>Import a CSV file</source>
            <translation>Importer un fichier CSV</translation>
        </message>
        <message>
            <location line="+8" />
            <source>Delimiter: %1. Encoding: %2.</source>
            <translation>Séparateur : %1. Encodage : %2.</translation>
        </message>
        <message>
            <location line="+2" />
            <source>(with byte-order mark)</source>
            <translation>(avec indicateur d’ordre des octets)</translation>
        </message>
        <message>
            <location line="+5" />
            <source>Choose the contact field that each column feeds. The first rows of the file are shown beside it.</source>
            <translation>Choisissez le champ de contact que chaque colonne alimente. Les premières lignes du fichier sont affichées à côté.</translation>
        </message>
        <message>
            <location line="+57" />
            <source>Choose the column that holds the e-mail addresses.</source>
            <translation>Choisissez la colonne qui contient les adresses e-mail.</translation>
        </message>
    </context>
    <context>
        <name>EmailContentDetail</name>
        <message>
            <location filename="../qml/content/pages/details/EmailContentDetail.qml" line="+54" />
            <source>Getting started</source>
            <translation>Pour commencer</translation>
        </message>
        <message>
            <location line="+7" />
            <source>1. Add the SMTP account you send with: open %1, then %2. A test message proves it works.</source>
            <translation>1. Ajoutez le compte SMTP d’envoi : ouvrez %1, puis %2. Un message de test vérifie qu’il fonctionne.</translation>
        </message>
        <message>
            <location line="+7" />
            <source>2. Create a contact list: open %1, then %2, and add or import its contacts.</source>
            <translation>2. Créez une liste de contacts : ouvrez %1, puis %2, et ajoutez ou importez ses contacts.</translation>
        </message>
        <message>
            <location line="+6" />
            <source>3. Come back here to write the message, choose its lists and press %1.</source>
            <translation>3. Revenez ici pour écrire le message, choisir ses listes et appuyer sur %1.</translation>
        </message>
    </context>
    <context>
        <name>FileDialog</name>
        <message>
            <location filename="../qml/content/myComponents/MyFileDialog.qml" line="+39" />
            <source>File name</source>
            <translation>Nom du fichier</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Filter</source>
            <translation>Filtre</translation>
        </message>
    </context>
    <context>
        <name>HtmlWebView</name>
        <message>
            <location filename="../qml/content/pages/compose/HtmlWebView.qml" line="+63" />
            <source>Remote images are not shown, so that the template's senders cannot see that it was opened.</source>
            <translation>Les images distantes ne sont pas affichées, pour que les expéditeurs du modèle ne sachent pas qu’il a été ouvert.</translation>
        </message>
        <message>
            <location line="+4" />
            <source>Show remote images</source>
            <translation>Afficher les images distantes</translation>
        </message>
    </context>
    <context>
        <name>ImportProgressDialog</name>
        <message>
            <location filename="../qml/content/pages/contacts/ImportProgressDialog.qml" line="+28" />
            <source>Importing contacts</source>
            <translation>Importation des contacts</translation>
        </message>
        <message numerus="yes">
            <location line="+13" />
            <source>%Ln card(s) read</source>
            <translation>
                <numerusform>%Ln fiche lue</numerusform>
                <numerusform>%Ln fiches lues</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>MyFileDialog</name>
        <message>
            <location filename="../qml/content/myComponents/MyFileDialog.qml" line="+2" />
            <source>Save</source>
            <translation>Enregistrer</translation>
        </message>
        <message>
            <location line="+0" />
            <source>Open</source>
            <translation>Ouvrir</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Cancel</source>
            <translation>Annuler</translation>
        </message>
        <message>
            <location line="+24" />
            <source>%1 already exists. Replace it?</source>
            <translation>%1 existe déjà. Le remplacer ?</translation>
        </message>
        <message>
            <location line="+2" />
            <source>Replace</source>
            <translation>Remplacer</translation>
        </message>
    </context>
    <context>
        <name>MyTrStrings</name>
        <message>
            <location filename="../qml/content/MyTrStrings.qml" line="+26" />
            <source>%1%</source>
            <extracomment>A percentage; French puts a no-break space before "%".</extracomment>
            <translation>%1 %</translation>
        </message>
        <message>
            <location line="+3" />
            <source>No active account</source>
            <translation>Aucun compte actif</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Sending speed</source>
            <translation>Vitesse d’envoi</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Language</source>
            <translation>Langue</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Minimize</source>
            <translation>Réduire</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Restore</source>
            <translation>Restaurer</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Maximize</source>
            <translation>Agrandir</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Close</source>
            <translation>Fermer</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Home</source>
            <translation>Accueil</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Accounts</source>
            <translation>Comptes</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Contacts</source>
            <translation>Contacts</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Search</source>
            <translation>Rechercher</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Templates</source>
            <translation>Modèles</translation>
        </message>
        <message>
            <location line="+1" />
            <source>About</source>
            <translation>À propos</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Contact Us</source>
            <translation>Nous contacter</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Connexion error</source>
            <translation>Erreur de connexion</translation>
        </message>
        <message>
            <location line="+1" />
            <source>You are not connected to the internet</source>
            <translation>Vous n’êtes pas connecté à Internet</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Confirm</source>
            <translation>Confirmer</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Active</source>
            <translation>Actif</translation>
        </message>
        <message>
            <location line="+1" />
            <source>About Parvane</source>
            <translation>À propos de Parvane</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Parvane is an emailing application developed by Velmora.</source>
            <translation>Parvane est une application d’envoi d’e-mails en nombre développée par Velmora.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Installed version</source>
            <translation>Version installée</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Last version installed</source>
            <translation>Dernière version installée</translation>
        </message>
        <message>
            <location line="+1" />
            <source>There is a newer version.</source>
            <translation>Une version plus récente est disponible.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>You have already installed the latest version of Parvane.</source>
            <translation>Vous avez déjà installé la dernière version de Parvane.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>For any concerns, feel to contact us.</source>
            <translation>Pour toute question, n’hésitez pas à nous contacter.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Email</source>
            <translation>E-mail</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Email address copied.</source>
            <translation>Adresse e-mail copiée.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Phone</source>
            <translation>Téléphone</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Phone number copied.</source>
            <translation>Numéro de téléphone copié.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Save Work</source>
            <translation>Enregistrer le travail</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Choose File</source>
            <translation>Choisir un fichier</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Invalid response</source>
            <translation>La réponse du service est illisible.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Error while connecting to server</source>
            <translation>Le service n’a pas pu être joint. Vérifiez votre connexion à Internet.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>No item to show</source>
            <translation>Aucun élément à afficher</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Add recipient addresses separated by a semicolon. Ex: john.doe@example.com; jane.doe@example.com; ...</source>
            <translation>Ajoutez les adresses des destinataires, séparées par un point-virgule. Ex. : john.doe@example.com ; jane.doe@example.com ; …</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Accounts List</source>
            <translation>Liste des comptes</translation>
        </message>
        <message>
            <location line="+1" />
            <source>You can switch between your added accounts in Parvane, add more and delete old ones</source>
            <translation>Vous pouvez passer d’un compte à l’autre dans Parvane, en ajouter d’autres et supprimer les anciens</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Add account</source>
            <translation>Ajouter un compte</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Manage</source>
            <translation>Gérer</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Add new account</source>
            <translation>Ajouter un nouveau compte</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Sender name</source>
            <translation>Nom de l’expéditeur</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Displayed sender name</source>
            <translation>Nom d’expéditeur affiché</translation>
        </message>
        <message>
            <location line="+1" />
            <source>SMTP Server</source>
            <translation>Serveur SMTP</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Server name</source>
            <translation>Nom du serveur</translation>
        </message>
        <message>
            <location line="+1" />
            <source>SMTP server name</source>
            <translation>Nom du serveur SMTP</translation>
        </message>
        <message>
            <location line="+1" />
            <source>SMTP Host</source>
            <translation>Hôte SMTP</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Server host</source>
            <translation>Hôte du serveur</translation>
        </message>
        <message>
            <location line="+1" />
            <source>SMTP Port</source>
            <translation>Port SMTP</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Server port</source>
            <translation>Port du serveur</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Connection</source>
            <translation>Connexion</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Email address</source>
            <translation>Adresse e-mail</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Your email address</source>
            <translation>Votre adresse e-mail</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Password</source>
            <translation>Mot de passe</translation>
        </message>
        <message>
            <location line="+1" />
            <source>For some servers like Gmail, you must use an application password.</source>
            <translation>Pour certains serveurs comme Gmail, vous devez utiliser un mot de passe d’application.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Your password</source>
            <translation>Votre mot de passe</translation>
        </message>
        <message>
            <location line="+1" />
            <source>The displayed name is required.</source>
            <translation>Le nom de l’expéditeur est obligatoire.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>The server name is required.</source>
            <translation>Le nom du serveur est obligatoire.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>The SMTP host is required.</source>
            <translation>L’hôte SMTP est obligatoire.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>The SMTP port is required.</source>
            <translation>Le port SMTP est obligatoire.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>The email address is required.</source>
            <translation>L’adresse e-mail est obligatoire.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>The password is required.</source>
            <translation>Le mot de passe est obligatoire.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Invalid email.</source>
            <translation>Adresse e-mail invalide.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Account already exists.</source>
            <translation>Ce compte existe déjà.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Contacts List</source>
            <translation>Listes de contacts</translation>
        </message>
        <message>
            <location line="+1" />
            <source>New list</source>
            <translation>Nouvelle liste</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Organize your contacts into lists for easier management. To add contacts, you must have at least one list.</source>
            <translation>Organisez vos contacts en listes pour les gérer plus facilement. Pour ajouter des contacts, vous devez avoir au moins une liste.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>No active list</source>
            <translation>Aucune liste active</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Add</source>
            <translation>Ajouter</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Import</source>
            <translation>Importer</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Export</source>
            <translation>Exporter</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Delete</source>
            <translation>Supprimer</translation>
        </message>
        <message>
            <location line="+1" />
            <source>List name</source>
            <translation>Nom de la liste</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Your list name</source>
            <translation>Nom de votre liste</translation>
        </message>
        <message>
            <location line="+1" />
            <source>List name is required.</source>
            <translation>Le nom de la liste est obligatoire.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>List already exists.</source>
            <translation>Cette liste existe déjà.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Add new contact</source>
            <translation>Ajouter un nouveau contact</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Last name</source>
            <translation>Nom</translation>
        </message>
        <message>
            <location line="+1" />
            <source>First name</source>
            <translation>Prénom</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Telephone</source>
            <translation>Téléphone</translation>
        </message>
        <message>
            <location line="+1" />
            <source>doejohn@example.com</source>
            <translation>doejohn@example.com</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Company</source>
            <translation>Entreprise</translation>
        </message>
        <message>
            <location line="+1" />
            <source>My company</source>
            <translation>Mon entreprise</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Occupation</source>
            <translation>Profession</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Trader</source>
            <translation>Commerçant</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Website</source>
            <translation>Site web</translation>
        </message>
        <message>
            <location line="+1" />
            <source>www.example.com</source>
            <translation>www.example.com</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Contact's name is required.</source>
            <translation>Le nom du contact est obligatoire.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Contact's email is required.</source>
            <translation>L’adresse e-mail du contact est obligatoire.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Contact already exists in this list.</source>
            <translation>Ce contact existe déjà dans cette liste.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Search for email addresses online based on your needs</source>
            <translation>Recherchez en ligne des adresses e-mail selon vos besoins</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Terms</source>
            <translation>Mots-clés</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Ex: News agencies</source>
            <translation>Ex. : Agences de presse</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Domains</source>
            <translation>Domaines</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Ex: @gmail.com, @company.com</source>
            <translation>Ex. : @gmail.com, @company.com</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Emails from other domains</source>
            <translation>E-mails d’autres domaines</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Choose content type</source>
            <translation>Choisissez le type de contenu</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Retrieve</source>
            <translation>Récupérer</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Do not retrieve</source>
            <translation>Ne pas récupérer</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Country</source>
            <translation>Pays</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Clear</source>
            <translation>Effacer</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Terms is required.</source>
            <translation>Les mots-clés sont obligatoires.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Domains is required.</source>
            <translation>Les domaines sont obligatoires.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Country is required.</source>
            <translation>Le pays est obligatoire.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Language is required.</source>
            <translation>La langue est obligatoire.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>No valid domains found.</source>
            <translation>Aucun domaine valide trouvé.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>No matching items found</source>
            <translation>Aucun élément correspondant trouvé</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Search in progress</source>
            <translation>Recherche en cours</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Search result</source>
            <translation>Résultat de la recherche</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Stop</source>
            <translation>Arrêter</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Copy</source>
            <translation>Copier</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Emailing</source>
            <translation>Envoi en nombre</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Sending lists</source>
            <translation>Listes d’envoi</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Preview</source>
            <translation>Aperçu</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Subject</source>
            <translation>Objet</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Recipient addresses</source>
            <translation>Adresses des destinataires</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Add Lists</source>
            <translation>Ajouter des listes</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Email content</source>
            <translation>Contenu de l’e-mail</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Load HTML</source>
            <translation>Charger un HTML</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Remove HTML</source>
            <translation>Retirer le HTML</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Attachments</source>
            <translation>Pièces jointes</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Your email content</source>
            <translation>Contenu de votre e-mail</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Send</source>
            <translation>Envoyer</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Sending in progress</source>
            <translation>Envoi en cours</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Sent</source>
            <translation>Envoyés</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Failed</source>
            <translation>Échecs</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Total</source>
            <translation>Total</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Finished</source>
            <translation>Terminé</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Output</source>
            <translation>Journal</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Choose Files</source>
            <translation>Choisir des fichiers</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Select the desired contact lists</source>
            <translation>Sélectionnez les listes de contacts souhaitées</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Select all</source>
            <translation>Tout sélectionner</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Unselect all</source>
            <translation>Tout désélectionner</translation>
        </message>
        <message>
            <location line="+1" />
            <source>You must add at least one SMTP account.</source>
            <translation>Vous devez ajouter au moins un compte SMTP.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Sender Name is required.</source>
            <translation>Le nom de l’expéditeur est obligatoire.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Subject is required.</source>
            <translation>L’objet est obligatoire.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Recipient is required.</source>
            <translation>Le destinataire est obligatoire.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Email content is required.</source>
            <translation>Le contenu de l’e-mail est obligatoire.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>No valid recipient found.</source>
            <translation>Aucun destinataire valide trouvé.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Email sent</source>
            <translation>e-mail envoyé</translation>
        </message>
        <message>
            <location line="+4" />
            <source>Could not connect to the server %1, port %2.</source>
            <translation>Impossible de se connecter au serveur %1, port %2.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>The server %1, port %2, did not answer for %3 s.</source>
            <translation>Le serveur %1, port %2, n’a pas répondu pendant %3 s.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>The server %1, port %2, closed the connection.</source>
            <translation>Le serveur %1, port %2, a fermé la connexion.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>The server %1 refused the login: check the account's user name and password.</source>
            <translation>Le serveur %1 a refusé l’identification : vérifiez le nom d’utilisateur et le mot de passe du compte.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>The server %1 refused the message itself (its size or its content), so it cannot go to anyone as it is.</source>
            <translation>Le serveur %1 a refusé le message lui-même (sa taille ou son contenu) : il ne peut être envoyé à personne tel quel.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>The server %1 asked to wait before sending more.</source>
            <translation>Le serveur %1 demande d’attendre avant d’envoyer davantage.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Connection refused by %1:%2: check the server's name and port.</source>
            <translation>Connexion refusée par %1:%2 : vérifiez le nom du serveur et le port.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>The server %1 could not be found: check its name.</source>
            <translation>Le serveur %1 est introuvable : vérifiez son nom.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>No secure connection could be made with %1:%2: check that the connection type (SSL/TLS or STARTTLS) is the one this port expects.</source>
            <translation>Aucune connexion sécurisée n’a pu être établie avec %1:%2 : vérifiez que le type de connexion (SSL/TLS ou STARTTLS) est celui qu’attend ce port.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>The certificate of the server %1 is not trusted, so nothing was sent to it.</source>
            <translation>Le certificat du serveur %1 n’est pas reconnu comme fiable, rien ne lui a donc été envoyé.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>The server %1 offers no encrypted connection (STARTTLS), which this account's connection type requires.</source>
            <translation>Le serveur %1 ne propose pas de connexion chiffrée (STARTTLS), que le type de connexion de ce compte exige.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>The server %1 offers no encrypted connection (STARTTLS), so the password was not sent. Choose the connection "None" only if it may travel unencrypted.</source>
            <translation>Le serveur %1 ne propose pas de connexion chiffrée (STARTTLS), le mot de passe n’a donc pas été envoyé. Ne choisissez la connexion « Aucune » que s’il peut circuler sans chiffrement.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>The server %1:%2 answered in a way that is not SMTP: check the port and the connection type.</source>
            <translation>Le serveur %1:%2 a répondu autrement qu’en SMTP : vérifiez le port et le type de connexion.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>The server %1 says this address does not exist.</source>
            <translation>Le serveur %1 indique que cette adresse n’existe pas.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>The server %1 refused the sender's address.</source>
            <translation>Le serveur %1 a refusé l’adresse de l’expéditeur.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>The server %1 refused this recipient for now.</source>
            <translation>Le serveur %1 a refusé ce destinataire pour le moment.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>The server %1 refused this recipient.</source>
            <translation>Le serveur %1 a refusé ce destinataire.</translation>
        </message>
        <message>
            <location line="+2" />
            <source>Category</source>
            <translation>Catégorie</translation>
        </message>
        <message>
            <location line="+1" />
            <source>All</source>
            <translation>Toutes</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Edit</source>
            <translation>Modifier</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Edit Account</source>
            <translation>Modifier le compte</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Cancel</source>
            <translation>Annuler</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Account has been updated.</source>
            <translation>Le compte a été mis à jour.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Edit Contact</source>
            <translation>Modifier le contact</translation>
        </message>
        <message>
            <location line="+1" />
            <source>List</source>
            <translation>Liste</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Export Contact</source>
            <translation>Exporter le contact</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Select an item to view details here</source>
            <translation>Sélectionnez un élément pour en afficher les détails ici</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Search results</source>
            <translation>Résultats de recherche</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Delete all</source>
            <translation>Tout supprimer</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Are you sure you want to delete all search results ?</source>
            <translation>Voulez-vous vraiment supprimer tous les résultats de recherche ?</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Are you sure you want to delete this search result ?</source>
            <translation>Voulez-vous vraiment supprimer ce résultat de recherche ?</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Task lists</source>
            <translation>Listes d’envoi</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Add list</source>
            <translation>Ajouter une liste</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Output copied.</source>
            <translation>Journal copié.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Add new task list</source>
            <translation>Nouvelle liste d’envoi</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Add tasks</source>
            <translation>Ajouter des tâches</translation>
        </message>
        <message>
            <location line="+1" />
            <source>List's name is required.</source>
            <translation>Le nom de la liste est obligatoire.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>This sending list already exists.</source>
            <translation>Cette liste d’envoi existe déjà.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>You must add at least two tasks.</source>
            <translation>Vous devez ajouter au moins deux tâches.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Are you sure you want to delete all task lists ?</source>
            <translation>Voulez-vous vraiment supprimer toutes les listes d’envoi ?</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Are you sure you want to delete this task list ?</source>
            <translation>Voulez-vous vraiment supprimer cette liste d’envoi ?</translation>
        </message>
        <message>
            <location line="+6" />
            <source>The sign-in was declined in the browser: sign in again and allow Parvane to send mail.</source>
            <translation>La connexion a été refusée dans le navigateur : connectez-vous de nouveau et autorisez Parvane à envoyer des messages.</translation>
        </message>
        <message>
            <location line="+2" />
            <source>%1 does not know this organisation: check PARVANE_OAUTH_MICROSOFT_TENANT or ask your administrator. (%2)</source>
            <translation>%1 ne connaît pas cette organisation : vérifiez PARVANE_OAUTH_MICROSOFT_TENANT ou demandez à votre administrateur. (%2)</translation>
        </message>
        <message>
            <location line="+2" />
            <source>%1 could not be reached: check the connection and sign in again.</source>
            <translation>%1 est injoignable : vérifiez la connexion et connectez-vous de nouveau.</translation>
        </message>
        <message>
            <location line="+2" />
            <source>No answer came from the browser in time: sign in again.</source>
            <translation>Le navigateur n’a pas répondu à temps : connectez-vous de nouveau.</translation>
        </message>
        <message>
            <location line="+2" />
            <source>No web browser could be opened: open this address in one to sign in: %1</source>
            <translation>Aucun navigateur n’a pu être ouvert : ouvrez cette adresse dans un navigateur pour vous connecter : %1</translation>
        </message>
        <message>
            <location line="+2" />
            <source>%1 did not say which address signed in.</source>
            <translation>%1 n’a pas indiqué quelle adresse s’est connectée.</translation>
        </message>
        <message>
            <location line="+2" />
            <source>The sign-in was cancelled.</source>
            <translation>La connexion a été annulée.</translation>
        </message>
        <message>
            <location line="+2" />
            <source>%1 refused the sign-in: %2</source>
            <translation>%1 a refusé la connexion : %2</translation>
        </message>
    </context>
    <context>
        <name>ProviderSignIn</name>
        <message>
            <location filename="../qml/content/pages/accounts/ProviderSignIn.qml" line="+19" />
            <source>Parvane has no %1 registration here: set PARVANE_OAUTH_%2_CLIENT_ID (see the README).</source>
            <translation>Parvane n’a pas d’enregistrement %1 ici : définissez PARVANE_OAUTH_%2_CLIENT_ID (voir le README).</translation>
        </message>
        <message>
            <location line="+5" />
            <source>Answer in your browser, then come back here.</source>
            <translation>Répondez dans votre navigateur, puis revenez ici.</translation>
        </message>
    </context>
    <context>
        <name>ResumeRunDialog</name>
        <message>
            <location filename="../qml/content/run/ResumeRunDialog.qml" line="+30" />
            <source>Interrupted sending run</source>
            <translation>Envoi interrompu</translation>
        </message>
        <message>
            <location line="+0" />
            <source>Stopped sending run</source>
            <translation>Envoi arrêté</translation>
        </message>
        <message numerus="yes">
            <location line="+12" />
            <source>You stopped the run "%3" from %2 after %1 of %Ln recipient(s).</source>
            <translation>
                <numerusform>Vous avez arrêté l’envoi « %3 » de %2 après %1 destinataire sur %Ln.</numerusform>
                <numerusform>Vous avez arrêté l’envoi « %3 » de %2 après %1 destinataires sur %Ln.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <location line="+2" />
            <source>The run "%3" from %2 stopped after %1 of %Ln recipient(s).</source>
            <translation>
                <numerusform>L’envoi « %3 » de %2 s’est arrêté après %1 destinataire sur %Ln.</numerusform>
                <numerusform>L’envoi « %3 » de %2 s’est arrêté après %1 destinataires sur %Ln.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <location line="+4" />
            <source>Resuming sends the same message to the other %Ln, and to nobody twice.</source>
            <translation>
                <numerusform>Reprendre envoie le même message à %Ln autre destinataire, et à personne deux fois.</numerusform>
                <numerusform>Reprendre envoie le même message aux %Ln autres, et à personne deux fois.</numerusform>
            </translation>
        </message>
        <message>
            <location line="+9" />
            <source>Discard</source>
            <translation>Abandonner</translation>
        </message>
        <message>
            <location line="+9" />
            <source>Resume</source>
            <translation>Reprendre</translation>
        </message>
    </context>
    <context>
        <name>RunAccountsDialog</name>
        <message>
            <location filename="../qml/content/run/RunAccountsDialog.qml" line="+28" />
            <source>Accounts of a run</source>
            <translation>Comptes d’un envoi</translation>
        </message>
        <message>
            <location line="+9" />
            <source>Runs send through %1. These accounts share the recipients with it, each message with its account's sender name and address:</source>
            <translation>Les envois partent de %1. Ces comptes en partagent les destinataires, chaque message avec le nom et l’adresse d’expéditeur de son compte :</translation>
        </message>
        <message>
            <location line="+26" />
            <source>Each account up to its limits, in order</source>
            <translation>Chaque compte jusqu’à ses limites, dans l’ordre</translation>
        </message>
        <message>
            <location line="+8" />
            <source>One account after the other</source>
            <translation>Un compte après l’autre</translation>
        </message>
    </context>
    <context>
        <name>RunHistoryDetail</name>
        <message>
            <location filename="../qml/content/pages/details/RunHistoryDetail.qml" line="+30" />
            <source>No reply</source>
            <translation>Sans réponse</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Invalid email</source>
            <translation>Adresse e-mail invalide</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Not sent</source>
            <translation>Non envoyé</translation>
        </message>
        <message>
            <location line="+6" />
            <source>Finished</source>
            <translation>Terminé</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Stopped</source>
            <translation>Arrêté</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Discarded</source>
            <translation>Abandonné</translation>
        </message>
        <message>
            <location line="+12" />
            <source>Temporary failure</source>
            <translation>Échec temporaire</translation>
        </message>
        <message>
            <location line="+0" />
            <source>Bounced for good</source>
            <translation>Rejetée définitivement</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Complained</source>
            <translation>Plainte</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Unsubscribed</source>
            <translation>Désinscrit</translation>
        </message>
        <message numerus="yes">
            <location line="+9" />
            <source>%Ln bounced</source>
            <translation>
                <numerusform>%Ln rejet</numerusform>
                <numerusform>%Ln rejets</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <location line="+2" />
            <source>%Ln temporary failure(s)</source>
            <translation>
                <numerusform>%Ln échec temporaire</numerusform>
                <numerusform>%Ln échecs temporaires</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <location line="+2" />
            <source>%Ln complaint(s)</source>
            <translation>
                <numerusform>%Ln plainte</numerusform>
                <numerusform>%Ln plaintes</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <location line="+2" />
            <source>%Ln unsubscribed</source>
            <translation>
                <numerusform>%Ln désinscription</numerusform>
                <numerusform>%Ln désinscriptions</numerusform>
            </translation>
        </message>
        <message>
            <location line="+1" />
            <source>From the mailbox: %1</source>
            <translation>Depuis la boîte aux lettres : %1</translation>
        </message>
        <message>
            <location line="+17" />
            <source>Run history</source>
            <translation>Historique des envois</translation>
        </message>
        <message numerus="yes">
            <location line="+54" />
            <source>%1 sent, %2 refused, %3 without reply, %4 invalid, of %Ln</source>
            <translation>
                <numerusform>%1 envoyé, %2 refusé, %3 sans réponse, %4 invalide, sur %Ln</numerusform>
                <numerusform>%1 envoyés, %2 refusés, %3 sans réponse, %4 invalides, sur %Ln</numerusform>
            </translation>
        </message>
        <message>
            <location line="+34" />
            <source>What came back to the mailbox:</source>
            <translation>Ce qui est revenu dans la boîte aux lettres :</translation>
        </message>
        <message>
            <location line="+28" />
            <source>Report</source>
            <translation>Rapport</translation>
        </message>
        <message numerus="yes">
            <location line="+15" />
            <source>The first %1 of %Ln recipients:</source>
            <translation>
                <numerusform>Le premier des %Ln destinataires :</numerusform>
                <numerusform>Les %1 premiers des %Ln destinataires :</numerusform>
            </translation>
        </message>
        <message>
            <location line="+2" />
            <source>Recipients:</source>
            <translation>Destinataires :</translation>
        </message>
        <message>
            <location line="+6" />
            <source>Export CSV…</source>
            <translation>Exporter en CSV…</translation>
        </message>
        <message>
            <location line="+22" />
            <source>via %1</source>
            <translation>par %1</translation>
        </message>
        <message>
            <location line="+45" />
            <source>The report is no longer kept.</source>
            <translation>Ce rapport n’est plus conservé.</translation>
        </message>
        <message>
            <location line="+8" />
            <source>Export the run</source>
            <translation>Exporter l’envoi</translation>
        </message>
        <message>
            <location line="+1" />
            <source>CSV file (*.csv)</source>
            <translation>Fichier CSV (*.csv)</translation>
        </message>
        <message>
            <location line="+9" />
            <source>Run exported</source>
            <translation>Envoi exporté</translation>
        </message>
        <message>
            <location line="+2" />
            <source>The file could not be written: %1</source>
            <translation>Le fichier n’a pas pu être écrit : %1</translation>
        </message>
    </context>
    <context>
        <name>RunPasswordDialog</name>
        <message>
            <location filename="../qml/content/run/RunPasswordDialog.qml" line="+49" />
            <source>Password refused</source>
            <translation>Mot de passe refusé</translation>
        </message>
        <message>
            <location line="+12" />
            <source>Sending is paused. Type the account's password to go on; it is used for this run only.</source>
            <translation>L’envoi est en pause. Saisissez le mot de passe du compte pour continuer ; il ne sert que pour cet envoi.</translation>
        </message>
        <message>
            <location line="+25" />
            <source>Go on</source>
            <translation>Continuer</translation>
        </message>
    </context>
    <context>
        <name>RunScheduler</name>
        <message>
            <location filename="../qml/content/run/RunScheduler.qml" line="+63" />
            <source>The scheduled sending list "%1" is no longer there: nothing was started.</source>
            <translation>La liste d’envoi programmée « %1 » n’existe plus : rien n’a été lancé.</translation>
        </message>
        <message>
            <location line="+11" />
            <source>the sending list "%1"</source>
            <translation>la liste d’envoi « %1 »</translation>
        </message>
        <message>
            <location line="+1" />
            <source>the run "%1"</source>
            <translation>l’envoi « %1 »</translation>
        </message>
        <message>
            <location line="+8" />
            <source>Starts on %1</source>
            <translation>Démarre le %1</translation>
        </message>
        <message>
            <location line="+47" />
            <source>Parvane was closed when %1 was to start, at %2. Start it now?</source>
            <translation>Parvane était fermé quand %1 devait démarrer, à %2. Le lancer maintenant ?</translation>
        </message>
        <message>
            <location line="+23" />
            <source>Scheduled: %1 starts at %2. Cancel the schedule?</source>
            <translation>Programmé : %1 démarre à %2. Annuler la programmation ?</translation>
        </message>
        <message>
            <location line="-67" />
            <source>Starts in %1</source>
            <translation>Démarre dans %1</translation>
        </message>
        <message>
            <location line="-32" />
            <source>Another run comes first; the schedule waits for it.</source>
            <translation>Un autre envoi passe d’abord ; la programmation l’attend.</translation>
        </message>
        <message>
            <location line="+79" />
            <source>Start now</source>
            <translation>Lancer maintenant</translation>
        </message>
        <message>
            <location line="+1" />
            <location line="+22" />
            <source>Cancel the schedule</source>
            <translation>Annuler la programmation</translation>
        </message>
        <message>
            <location line="-16" />
            <source>The schedule is cancelled: nothing was sent.</source>
            <translation>La programmation est annulée : rien n’a été envoyé.</translation>
        </message>
    </context>
    <context>
        <name>RunSummaryDialog</name>
        <message numerus="yes">
            <location filename="../qml/content/run/RunSummaryDialog.qml" line="+45" />
            <source>"%1" stays as written for %Ln recipient(s): the field is empty.</source>
            <translation>
                <numerusform>« %1 » reste tel quel pour %Ln destinataire : le champ est vide.</numerusform>
                <numerusform>« %1 » reste tel quel pour %Ln destinataires : le champ est vide.</numerusform>
            </translation>
        </message>
        <message>
            <location line="+11" />
            <source>%1 publishes no SPF record: add one that allows %2, or providers may refuse the messages or file them as spam.</source>
            <translation>%1 ne publie aucun enregistrement SPF : ajoutez-en un qui autorise %2, sinon les fournisseurs peuvent refuser les messages ou les classer en spam.</translation>
        </message>
        <message>
            <location line="+4" />
            <source>%1 publishes no DMARC record: add one at _dmarc.%1; large providers require it of bulk senders.</source>
            <translation>%1 ne publie aucun enregistrement DMARC : ajoutez-en un en _dmarc.%1 ; les grands fournisseurs l’exigent des expéditeurs en masse.</translation>
        </message>
        <message>
            <location line="+2" />
            <source>%1 has no MX record: replies and bounces cannot reach it.</source>
            <translation>%1 n’a aucun enregistrement MX : les réponses et les retours d’erreur ne peuvent pas lui parvenir.</translation>
        </message>
        <message>
            <location line="+10" />
            <source>DKIM signature (ask your provider)</source>
            <translation>signature DKIM (demandez à votre fournisseur)</translation>
        </message>
        <message>
            <location line="+2" />
            <source>one-click unsubscribe</source>
            <translation>désabonnement en un clic</translation>
        </message>
        <message>
            <location line="+5" />
            <source>none</source>
            <translation>aucune</translation>
        </message>
        <message numerus="yes">
            <location line="+1" />
            <source>%Ln message(s) go to Gmail, Yahoo and Microsoft addresses, whose rules for bulk senders apply. Met: %1. Not met: %2. Not checked from here: %3.</source>
            <translation>
                <numerusform>%Ln message part vers des adresses Gmail, Yahoo et Microsoft, dont les règles pour les expéditeurs en masse s’appliquent. Respectées : %1. Non respectées : %2. Non vérifiées d’ici : %3.</numerusform>
                <numerusform>%Ln messages partent vers des adresses Gmail, Yahoo et Microsoft, dont les règles pour les expéditeurs en masse s’appliquent. Respectées : %1. Non respectées : %2. Non vérifiées d’ici : %3.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <location line="+18" />
            <source>%Ln day(s)</source>
            <translation>
                <numerusform>%Ln jour</numerusform>
                <numerusform>%Ln jours</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <location line="+2" />
            <source>%Ln hour(s)</source>
            <translation>
                <numerusform>%Ln heure</numerusform>
                <numerusform>%Ln heures</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <location line="+2" />
            <source>%Ln minute(s)</source>
            <translation>
                <numerusform>%Ln minute</numerusform>
                <numerusform>%Ln minutes</numerusform>
            </translation>
        </message>
        <message>
            <location line="+6" />
            <source>At this pace and within the account's sending limits, the run takes about %1; it waits when a limit is reached and goes on by itself.</source>
            <translation>À ce rythme et dans les limites d’envoi du compte, l’envoi dure environ %1 ; il attend quand une limite est atteinte et reprend de lui-même.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>At this pace, the run takes about %1.</source>
            <translation>À ce rythme, l’envoi dure environ %1.</translation>
        </message>
        <message>
            <location line="+9" />
            <source>Not valid, not sent: %1</source>
            <translation>Adresses non valides, non envoyées : %1</translation>
        </message>
        <message>
            <location line="+22" />
            <source>Ready to send</source>
            <translation>Prêt à envoyer</translation>
        </message>
        <message numerus="yes">
            <location line="+7" />
            <source>%Ln recipient(s) will each receive one message.</source>
            <translation>
                <numerusform>%Ln destinataire recevra un message.</numerusform>
                <numerusform>%Ln destinataires recevront chacun un message.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <location line="+8" />
            <source>%Ln account(s) share the recipients: %1.</source>
            <translation>
                <numerusform>%Ln compte partage les destinataires : %1.</numerusform>
                <numerusform>%Ln comptes partagent les destinataires : %1.</numerusform>
            </translation>
        </message>
        <message>
            <location line="+17" />
            <source>Each message carries an unsubscribe link, in French.</source>
            <translation>Chaque message porte un lien de désabonnement, en français.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Each message carries an unsubscribe link, in English.</source>
            <translation>Chaque message porte un lien de désabonnement, en anglais.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>No unsubscribe link: for messages that are not marketing only.</source>
            <translation>Aucun lien de désabonnement : seulement pour des messages qui ne sont pas de la prospection.</translation>
        </message>
        <message>
            <location line="+9" />
            <source>The web service cannot be reached: the link is a reply by e-mail, without one-click unsubscribe.</source>
            <translation>Le service web est injoignable : le lien est une réponse par e-mail, sans désabonnement en un clic.</translation>
        </message>
        <message numerus="yes">
            <location line="+18" />
            <source>%Ln address(es) appear more than once.</source>
            <translation>
                <numerusform>%Ln adresse apparaît plusieurs fois.</numerusform>
                <numerusform>%Ln adresses apparaissent plusieurs fois.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <location line="+16" />
            <source>Left out: %Ln recipient(s) on the suppression list, who are never sent to.</source>
            <translation>
                <numerusform>Laissé de côté : %Ln destinataire de la liste d’exclusion, à qui rien n’est jamais envoyé.</numerusform>
                <numerusform>Laissés de côté : %Ln destinataires de la liste d’exclusion, à qui rien n’est jamais envoyé.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <location line="+10" />
            <source>Left out: %Ln recipient(s) who already received this message in an earlier run.</source>
            <translation>
                <numerusform>Laissé de côté : %Ln destinataire qui a déjà reçu ce message lors d’un envoi précédent.</numerusform>
                <numerusform>Laissés de côté : %Ln destinataires qui ont déjà reçu ce message lors d’un envoi précédent.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <location line="+17" />
            <source>%Ln address(es) are invalid and will be counted as failed.</source>
            <translation>
                <numerusform>%Ln adresse est invalide et sera comptée en échec.</numerusform>
                <numerusform>%Ln adresses sont invalides et seront comptées en échec.</numerusform>
            </translation>
        </message>
        <message>
            <location line="-33" />
            <source>Send once per address</source>
            <translation>Envoyer une seule fois par adresse</translation>
        </message>
        <message>
            <location line="-153" />
            <source>The SPF record of %1 does not allow %2, which sends the messages: add the server to it with an include or ip4 mechanism.</source>
            <translation>L’enregistrement SPF de %1 n’autorise pas %2, qui envoie les messages : ajoutez-y le serveur par un mécanisme include ou ip4.</translation>
        </message>
        <message>
            <location line="+180" />
            <source>Send to them again</source>
            <translation>Le leur envoyer de nouveau</translation>
        </message>
    </context>
    <context>
        <name>ScheduleDialog</name>
        <message>
            <location filename="../qml/content/run/ScheduleDialog.qml" line="+50" />
            <source>Type a date that exists as year-month-day and a time as hours and minutes, as proposed.</source>
            <translation>Saisissez une date qui existe sous la forme année-mois-jour et une heure en heures et minutes, comme proposé.</translation>
        </message>
        <message>
            <location line="+4" />
            <source>That moment has passed: choose one to come.</source>
            <translation>Ce moment est passé : choisissez-en un à venir.</translation>
        </message>
        <message>
            <location line="+25" />
            <source>Schedule the sending list</source>
            <translation>Programmer la liste d’envoi</translation>
        </message>
        <message>
            <location line="+0" />
            <source>Schedule the run</source>
            <translation>Programmer l’envoi</translation>
        </message>
        <message>
            <location line="+11" />
            <source>The sending list "%1" starts by itself at this time, if Parvane is open then.</source>
            <translation>La liste d’envoi « %1 » démarre d’elle-même à ce moment, si Parvane est alors ouvert.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>The message of the form, as it is then, is sent by itself at this time, if Parvane is open then.</source>
            <translation>Le message du formulaire, tel qu’il sera alors, part de lui-même à ce moment, si Parvane est alors ouvert.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Your time zone: %1.</source>
            <translation>Votre fuseau horaire : %1.</translation>
        </message>
        <message>
            <location line="+8" />
            <source>Day</source>
            <translation>Jour</translation>
        </message>
        <message>
            <location line="+9" />
            <source>Time</source>
            <translation>Heure</translation>
        </message>
        <message>
            <location line="+25" />
            <source>Schedule</source>
            <translation>Programmer</translation>
        </message>
    </context>
    <context>
        <name>Screen01</name>
        <message numerus="yes">
            <location filename="../qml/content/Screen01.qml" line="+164" />
            <source>%Ln contact(s) written to %1.</source>
            <translation>
                <numerusform>%Ln contact écrit dans %1.</numerusform>
                <numerusform>%Ln contacts écrits dans %1.</numerusform>
            </translation>
        </message>
        <message>
            <location line="+18" />
            <source>%1 is not a regular file: it cannot be sent.</source>
            <translation>%1 n'est pas un fichier ordinaire : il ne peut pas être envoyé.</translation>
        </message>
        <message>
            <location line="+2" />
            <source>%1 belongs to Parvane's own data (accounts, contacts, runs): it is never sent.</source>
            <translation>%1 fait partie des données de Parvane (comptes, contacts, envois) : il n'est jamais envoyé.</translation>
        </message>
        <message>
            <location line="+2" />
            <source>%1 is a system file: it is never sent.</source>
            <translation>%1 est un fichier du système : il n'est jamais envoyé.</translation>
        </message>
        <message>
            <location line="+2" />
            <source>%1 lies in a hidden folder of your home folder, where keys and settings are kept: it is never sent.</source>
            <translation>%1 se trouve dans un dossier caché de votre dossier personnel, où sont gardés clés et réglages : il n'est jamais envoyé.</translation>
        </message>
        <message>
            <location line="+2" />
            <source>%1 cannot be read.</source>
            <translation>%1 ne peut pas être lu.</translation>
        </message>
        <message>
            <location line="+28" />
            <source>%1 of %2 today</source>
            <translation>%1 sur %2 aujourd’hui</translation>
        </message>
        <message>
            <location line="+2" />
            <source>%1 of %2 this hour</source>
            <translation>%1 sur %2 cette heure-ci</translation>
        </message>
        <message>
            <location line="+2" />
            <source>%1 of %2 this minute</source>
            <translation>%1 sur %2 cette minute-ci</translation>
        </message>
        <message numerus="yes">
            <location line="+190" />
            <source>%Ln email(s) copied.</source>
            <translation>
                <numerusform>%Ln adresse copiée.</numerusform>
                <numerusform>%Ln adresses copiées.</numerusform>
            </translation>
        </message>
        <message>
            <location line="+46" />
            <source>A mailbox could not be read: %1</source>
            <translation>Une boîte aux lettres n’a pas pu être lue : %1</translation>
        </message>
        <message numerus="yes">
            <location line="+2" />
            <source>%Ln address(es) listed from the mailbox reports.</source>
            <translation>
                <numerusform>%Ln adresse ajoutée à la liste d’exclusion d’après les rapports de la boîte.</numerusform>
                <numerusform>%Ln adresses ajoutées à la liste d’exclusion d’après les rapports de la boîte.</numerusform>
            </translation>
        </message>
        <message>
            <location line="+23" />
            <source>Your changes could not be saved: %1.</source>
            <translation>Vos modifications n’ont pas pu être enregistrées : %1.</translation>
        </message>
        <message>
            <location line="+12" />
            <source>A password could not be kept: %1.</source>
            <translation>Un mot de passe n'a pas pu être conservé : %1.</translation>
        </message>
    </context>
    <context>
        <name>SearchDetail</name>
        <message numerus="yes">
            <location filename="../qml/content/pages/details/SearchDetail.qml" line="+85" />
            <source>%Ln email(s)</source>
            <translation>
                <numerusform>%Ln adresse</numerusform>
                <numerusform>%Ln adresses</numerusform>
            </translation>
        </message>
        <message>
            <location line="+23" />
            <source>Add to a list</source>
            <translation>Ajouter à une liste</translation>
        </message>
    </context>
    <context>
        <name>SearchForm</name>
        <message numerus="yes">
            <location filename="../qml/content/pages/search/SearchForm.qml" line="+165" />
            <source>%Ln email(s) found</source>
            <translation>
                <numerusform>%Ln adresse trouvée</numerusform>
                <numerusform>%Ln adresses trouvées</numerusform>
            </translation>
        </message>
        <message>
            <location line="+28" />
            <source>Add to a list</source>
            <translation>Ajouter à une liste</translation>
        </message>
    </context>
    <context>
        <name>SearchPage</name>
        <message>
            <location filename="../qml/content/pages/SearchPage.qml" line="+196" />
            <source>No further results: the search started again from the first results.</source>
            <translation>Pas d’autres résultats : la recherche a repris depuis les premiers résultats.</translation>
        </message>
    </context>
    <context>
        <name>SendEmailsPage</name>
        <message>
            <location filename="../qml/content/pages/SendEmailsPage.qml" line="+64" />
            <source>+%1 List</source>
            <translation>+%1 liste</translation>
        </message>
        <message>
            <location line="+1" />
            <source>+%1 Lists</source>
            <translation>+%1 listes</translation>
        </message>
        <message>
            <location line="+58" />
            <source>The message form was cleared.</source>
            <translation>Le formulaire du message a été vidé.</translation>
        </message>
        <message>
            <location line="+37" />
            <source>HTML file (*.html *.htm)</source>
            <translation>Fichier HTML (*.html *.htm)</translation>
        </message>
    </context>
    <context>
        <name>SendingController</name>
        <message>
            <location filename="../qml/content/run/SendingController.qml" line="+63" />
            <source>The SMTP port must be a number from 1 to 65535.</source>
            <translation>Le port SMTP doit être un nombre de 1 à 65 535.</translation>
        </message>
        <message>
            <location line="+4" />
            <source>Sign in again with %1 in the account's panel: Parvane holds no token for it.</source>
            <translation>Connectez-vous de nouveau avec %1 dans le panneau du compte : Parvane n’a aucun jeton pour ce compte.</translation>
        </message>
        <message>
            <location line="+7" />
            <source>The active account has no password.</source>
            <translation>Le compte actif n’a pas de mot de passe.</translation>
        </message>
        <message>
            <location line="+96" />
            <source>Start task %1</source>
            <translation>Début de la tâche %1</translation>
        </message>
        <message>
            <location line="+15" />
            <source>Sign in again with %1 in the account's panel.</source>
            <translation>Reconnectez-vous avec %1 dans le panneau du compte.</translation>
        </message>
        <message>
            <location line="+7" />
            <source>Parvane could not ask %1 for a new token.</source>
            <translation>Parvane n’a pas pu demander un nouveau jeton à %1.</translation>
        </message>
        <message>
            <location line="+58" />
            <source>Every recipient is on the suppression list: nobody is sent to.</source>
            <translation>Tous les destinataires sont sur la liste d’exclusion : personne ne reçoit ce message.</translation>
        </message>
        <message>
            <location line="+40" />
            <source>The message is %1 MB; the server accepts at most %2 MB.</source>
            <translation>Le message fait %1 Mo ; le serveur accepte au plus %2 Mo.</translation>
        </message>
        <message>
            <location line="+8" />
            <source>Everyone on the list already received this message in an earlier run.</source>
            <translation>Tous les destinataires ont déjà reçu ce message lors d’un envoi précédent.</translation>
        </message>
        <message>
            <location line="+17" />
            <source>End task %1</source>
            <translation>Fin de la tâche %1</translation>
        </message>
        <message>
            <location line="+31" />
            <source>The run "%1" waits for the sending limit of %2 and goes on by itself at %3.</source>
            <translation>L’envoi « %1 » attend la limite d’envoi de %2 et reprend de lui-même à %3.</translation>
        </message>
        <message>
            <location line="+12" />
            <source>The account of the interrupted run is no longer there: add it again to resume the run.</source>
            <translation>Le compte de l’envoi interrompu n’existe plus : ajoutez-le de nouveau pour reprendre l’envoi.</translation>
        </message>
        <message>
            <location line="+59" />
            <source>Invalid email</source>
            <translation>Adresse e-mail invalide</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Not sent: this address is on the suppression list.</source>
            <translation>Non envoyé : cette adresse est sur la liste d’exclusion.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>(will be tried again later)</source>
            <translation>(sera réessayé plus tard)</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Stopped: the recipients waiting for another try are sent only if you continue the run.</source>
            <translation>Arrêté : les destinataires en attente d’un nouvel essai ne recevront le message que si vous reprenez l’envoi.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>No reply after the whole message was sent: it may have arrived. It is not sent again.</source>
            <translation>Aucune réponse après l’envoi complet du message : il est peut-être arrivé. Il n’est pas renvoyé.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>interrupted while it was being sent</source>
            <translation>interrompu pendant l’envoi</translation>
        </message>
        <message>
            <location line="+1" />
            <source>%1 via %2</source>
            <translation>%1 par %2</translation>
        </message>
        <message>
            <location line="+1" />
            <source>(the other accounts go on)</source>
            <translation>(les autres comptes continuent)</translation>
        </message>
        <message>
            <location line="+1" />
            <source>The account's limit of %1 a day is reached: the run goes on at %2.</source>
            <translation>La limite du compte, %1 par jour, est atteinte : l’envoi reprend à %2.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>The account's limit of %1 an hour is reached: the run goes on at %2.</source>
            <translation>La limite du compte, %1 par heure, est atteinte : l’envoi reprend à %2.</translation>
        </message>
        <message>
            <location line="+1" />
            <source>The account's limit of %1 a minute is reached: the run goes on at %2.</source>
            <translation>La limite du compte, %1 par minute, est atteinte : l’envoi reprend à %2.</translation>
        </message>
        <message>
            <location line="+11" />
            <source>The server refused the sign-in: sign in again in the account's panel, or stop the run.</source>
            <translation>Le serveur a refusé la connexion : connectez-vous de nouveau dans le panneau du compte, ou arrêtez l’envoi.</translation>
        </message>
        <message>
            <location line="+46" />
            <source>Processing %3: %1/%2</source>
            <translation>%3 : tâche %1/%2</translation>
        </message>
        <message numerus="yes">
            <location line="+28" />
            <source>Discard this run? %Ln recipient(s) already received the message. The run stays in the history, and sending the same message again leaves them out.</source>
            <translation>
                <numerusform>Abandonner cet envoi ? %Ln destinataire a déjà reçu le message. L’envoi reste dans l’historique, et renvoyer le même message le laissera de côté.</numerusform>
                <numerusform>Abandonner cet envoi ? %Ln destinataires ont déjà reçu le message. L’envoi reste dans l’historique, et renvoyer le même message les laissera de côté.</numerusform>
            </translation>
        </message>
        <message>
            <location line="+2" />
            <source>Discard</source>
            <translation>Abandonner</translation>
        </message>
        <message>
            <location line="+46" />
            <source>%1 no longer lets Parvane send as %2: sign in again in the account's panel.</source>
            <translation>%1 ne permet plus à Parvane d’envoyer en tant que %2 : connectez-vous de nouveau dans le panneau du compte.</translation>
        </message>
        <message>
            <location line="+30" />
            <source>Scheduled: %1 starts at %2.</source>
            <translation>Programmé : %1 démarre à %2.</translation>
        </message>
        <message>
            <location line="+38" />
            <source>The run waits for the account's sending limit until %1. Quit now? It goes on by itself when Parvane is started again.</source>
            <translation>L’envoi attend la limite d’envoi du compte jusqu’à %1. Quitter maintenant ? Il reprendra de lui-même au prochain démarrage de Parvane.</translation>
        </message>
        <message>
            <location line="+2" />
            <source>A sending run is under way. Stop it and quit?</source>
            <translation>Un envoi est en cours. L’arrêter et quitter ?</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Stop and quit</source>
            <translation>Arrêter et quitter</translation>
        </message>
    </context>
    <context>
        <name>SendingDialog</name>
        <message>
            <location filename="../qml/content/run/SendingDialog.qml" line="+54" />
            <source>Log saved</source>
            <translation>Journal enregistré</translation>
        </message>
        <message>
            <location line="+2" />
            <source>The log could not be saved to %1.</source>
            <translation>Le journal n'a pas pu être enregistré dans %1.</translation>
        </message>
        <message>
            <location line="+6" />
            <source>Sending finished</source>
            <translation>Envoi terminé</translation>
        </message>
        <message>
            <location line="+2" />
            <source>Sending stopped</source>
            <translation>Envoi arrêté</translation>
        </message>
        <message>
            <location line="+2" />
            <source>Stopping…</source>
            <translation>Arrêt en cours…</translation>
        </message>
        <message>
            <location line="+11" />
            <source>The server asked to wait: sending goes on at %1.</source>
            <translation>Le serveur demande d’attendre : l’envoi reprend à %1.</translation>
        </message>
        <message>
            <location line="+2" />
            <source>The server cannot be reached: trying again at %1.</source>
            <translation>Le serveur est injoignable : nouvel essai à %1.</translation>
        </message>
        <message>
            <location line="+2" />
            <source>The server refused the password: sending goes on once it is typed again.</source>
            <translation>Le serveur a refusé le mot de passe : l’envoi reprend une fois celui-ci saisi à nouveau.</translation>
        </message>
        <message>
            <location line="+2" />
            <source>The account has sent what its sending limits allow: sending goes on by itself at %1.</source>
            <translation>Le compte a envoyé ce que ses limites d’envoi permettent : l’envoi reprend de lui-même à %1.</translation>
        </message>
        <message>
            <location line="+3" />
            <source>The server refused the sign-in: sending goes on once the provider gives a new token.</source>
            <translation>Le serveur a refusé la connexion : l’envoi reprend dès que le fournisseur donne un nouveau jeton.</translation>
        </message>
        <message numerus="yes">
            <location line="+1" />
            <source>%Ln recipient(s) will be tried again at %1.</source>
            <translation>
                <numerusform>%Ln destinataire sera réessayé à %1.</numerusform>
                <numerusform>%Ln destinataires seront réessayés à %1.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <location line="+13" />
            <source>%Ln recipient(s) may have received the message already: no reply came after it was sent.</source>
            <translation>
                <numerusform>%Ln destinataire a peut-être déjà reçu le message : aucune réponse n’est venue après l’envoi.</numerusform>
                <numerusform>%Ln destinataires ont peut-être déjà reçu le message : aucune réponse n’est venue après l’envoi.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <location line="+3" />
            <source>For %Ln address(es) the server said they do not exist.</source>
            <translation>
                <numerusform>Pour %Ln adresse, le serveur a indiqué qu’elle n’existe pas.</numerusform>
                <numerusform>Pour %Ln adresses, le serveur a indiqué qu’elles n’existent pas.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <location line="+1" />
            <source>Send it to them again too?</source>
            <translation>
                <numerusform>Le lui renvoyer aussi ?</numerusform>
                <numerusform>Le leur renvoyer aussi ?</numerusform>
            </translation>
        </message>
        <message>
            <location line="+94" />
            <source>Suppressed</source>
            <translation>Exclus</translation>
        </message>
        <message>
            <location line="+38" />
            <source>Save log…</source>
            <translation>Enregistrer…</translation>
        </message>
        <message>
            <location line="+2" />
            <source>sending-log</source>
            <translation>journal-envoi</translation>
        </message>
        <message>
            <location line="+6" />
            <source>Copy log</source>
            <translation>Copier le journal</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Log copied</source>
            <translation>Journal copié</translation>
        </message>
        <message>
            <location line="+19" />
            <source>Copy failed addresses</source>
            <translation>Copier les adresses en échec</translation>
        </message>
        <message>
            <location line="+2" />
            <source>Addresses copied</source>
            <translation>Adresses copiées</translation>
        </message>
        <message>
            <location line="+4" />
            <source>Retry failed</source>
            <translation>Réessayer les échecs</translation>
        </message>
        <message>
            <location line="+12" />
            <source>Continue</source>
            <translation>Continuer</translation>
        </message>
        <message>
            <location line="+8" />
            <source>Continue in background</source>
            <translation>En arrière-plan</translation>
        </message>
        <message>
            <location line="+24" />
            <source>Save log</source>
            <translation>Enregistrer le journal</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Text file (*.txt)</source>
            <translation>Fichier texte (*.txt)</translation>
        </message>
        <message>
            <location line="+8" />
            <source>Send again to all</source>
            <translation>Renvoyer à tous</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Only the refused ones</source>
            <translation>Seulement les refusés</translation>
        </message>
    </context>
    <context>
        <name>SendingListSequencer</name>
        <message>
            <location filename="../qml/content/run/SendingListSequencer.qml" line="+41" />
            <source>Start task %1</source>
            <translation>Début de la tâche %1</translation>
        </message>
        <message>
            <location line="+44" />
            <source>This work file changed since you reviewed it, or was never reviewed: check what it sends, confirm, then start the list again.</source>
            <translation>Ce fichier de travail a changé depuis que vous l'avez vérifié, ou n'a jamais été vérifié : vérifiez ce qu'il envoie, confirmez, puis relancez la liste.</translation>
        </message>
    </context>
    <context>
        <name>SendingListsDetail</name>
        <message>
            <location filename="../qml/content/pages/details/SendingListsDetail.qml" line="+104" />
            <source>Task %1 of %2 under way</source>
            <translation>Tâche %1 sur %2 en cours</translation>
        </message>
        <message numerus="yes">
            <location line="+2" />
            <source>%Ln task(s)</source>
            <translation>
                <numerusform>%Ln tâche</numerusform>
                <numerusform>%Ln tâches</numerusform>
            </translation>
        </message>
        <message>
            <location line="+10" />
            <source>Run this list</source>
            <translation>Lancer cette liste</translation>
        </message>
        <message>
            <location line="+9" />
            <source>Schedule this list</source>
            <translation>Programmer cette liste</translation>
        </message>
        <message>
            <location line="+7" />
            <source>Copy the log of the last run</source>
            <translation>Copier le journal du dernier envoi</translation>
        </message>
    </context>
    <context>
        <name>SendingSpeedMenu</name>
        <message>
            <location filename="../qml/content/window/SendingSpeedMenu.qml" line="+25" />
            <source>%1 Mails/s</source>
            <translation>%1 e-mails/s</translation>
        </message>
        <message>
            <location line="+2" />
            <source>%1 Mail/s</source>
            <translation>%1 e-mail/s</translation>
        </message>
        <message numerus="yes">
            <location line="+2" />
            <source>Every %Ln min</source>
            <translation>
                <numerusform>Toutes les minutes</numerusform>
                <numerusform>Toutes les %Ln min</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>SideMenu</name>
        <message>
            <location filename="../qml/content/window/SideMenu.qml" line="+108" />
            <source>Suppression</source>
            <translation>Exclusions</translation>
        </message>
    </context>
    <context>
        <name>SuppressionPage</name>
        <message>
            <location filename="../qml/content/pages/SuppressionPage.qml" line="+28" />
            <source>Unsubscribed</source>
            <translation>Désabonné</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Bounced for good</source>
            <translation>Adresse inexistante</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Complained</source>
            <translation>Plainte</translation>
        </message>
        <message>
            <location line="+1" />
            <source>Added by hand</source>
            <translation>Ajoutée à la main</translation>
        </message>
        <message>
            <location line="+6" />
            <source>“%1” is not a valid e-mail address.</source>
            <translation>« %1 » n’est pas une adresse e-mail valide.</translation>
        </message>
        <message>
            <location line="+13" />
            <source>A check is under way already.</source>
            <translation>Une vérification est déjà en cours.</translation>
        </message>
        <message>
            <location line="+8" />
            <source>A mailbox could not be read: %1</source>
            <translation>Une boîte aux lettres n’a pas pu être lue : %1</translation>
        </message>
        <message>
            <location line="+1" />
            <source>New reports about your messages: %1; addresses listed: %2.</source>
            <translation>Nouveaux rapports sur vos messages : %1 ; adresses ajoutées à la liste : %2.</translation>
        </message>
        <message>
            <location line="+17" />
            <source>The file could not be read: %1</source>
            <translation>Le fichier n’a pas pu être lu : %1</translation>
        </message>
        <message numerus="yes">
            <location line="+2" />
            <source>%Ln address(es) added to the suppression list.</source>
            <translation>
                <numerusform>%Ln adresse ajoutée à la liste d’exclusion.</numerusform>
                <numerusform>%Ln adresses ajoutées à la liste d’exclusion.</numerusform>
            </translation>
        </message>
        <message>
            <location line="+4" />
            <source>The file could not be written: %1</source>
            <translation>Le fichier n’a pas pu être écrit : %1</translation>
        </message>
        <message numerus="yes">
            <location line="+2" />
            <source>%Ln address(es) exported.</source>
            <translation>
                <numerusform>%Ln adresse exportée.</numerusform>
                <numerusform>%Ln adresses exportées.</numerusform>
            </translation>
        </message>
        <message>
            <location line="+5" />
            <source>Suppression list</source>
            <translation>Liste d’exclusion</translation>
        </message>
        <message>
            <location line="+5" />
            <source>Reading the mailboxes…</source>
            <translation>Lecture des boîtes aux lettres…</translation>
        </message>
        <message>
            <location line="+0" />
            <source>Check the mailboxes</source>
            <translation>Vérifier les boîtes aux lettres</translation>
        </message>
        <message>
            <location line="+8" />
            <source>Import…</source>
            <translation>Importer…</translation>
        </message>
        <message>
            <location line="+7" />
            <source>Export…</source>
            <translation>Exporter…</translation>
        </message>
        <message>
            <location line="+4" />
            <source>suppression list</source>
            <translation>liste d’exclusion</translation>
        </message>
        <message>
            <location line="+20" />
            <source>No run sends to these addresses, whatever list or field they come from. Addresses are added when someone unsubscribes or when a server says an address does not exist.</source>
            <translation>Aucun envoi ne part vers ces adresses, quelle que soit la liste ou le champ d’où elles viennent. Une adresse s’y ajoute quand quelqu’un se désabonne ou quand un serveur dit qu’elle n’existe pas.</translation>
        </message>
        <message>
            <location line="+13" />
            <source>List addresses that bounce for good</source>
            <translation>Exclure les adresses qui n’existent pas</translation>
        </message>
        <message>
            <location line="+12" />
            <source>Address to add</source>
            <translation>Adresse à ajouter</translation>
        </message>
        <message>
            <location line="+6" />
            <source>Add</source>
            <translation>Ajouter</translation>
        </message>
        <message>
            <location line="+11" />
            <source>Search an address</source>
            <translation>Chercher une adresse</translation>
        </message>
        <message>
            <location line="+8" />
            <source>Reading the list…</source>
            <translation>Lecture de la liste…</translation>
        </message>
        <message numerus="yes">
            <location line="+2" />
            <source>%Ln address(es) on the list.</source>
            <translation>
                <numerusform>%Ln adresse sur la liste.</numerusform>
                <numerusform>%Ln adresses sur la liste.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <location line="+1" />
            <source>%Ln address(es) found.</source>
            <translation>
                <numerusform>%Ln adresse trouvée.</numerusform>
                <numerusform>%Ln adresses trouvées.</numerusform>
            </translation>
        </message>
        <message>
            <location line="+9" />
            <source>The suppression list could not be saved: %1</source>
            <translation>La liste d’exclusion n’a pas pu être enregistrée : %1</translation>
        </message>
        <message>
            <location line="+40" />
            <location line="+19" />
            <source>Remove</source>
            <translation>Retirer</translation>
        </message>
        <message>
            <location line="-2" />
            <source>Remove %1 from the suppression list? Runs will send to this address again.</source>
            <translation>Retirer %1 de la liste d’exclusion ? Les envois pourront de nouveau atteindre cette adresse.</translation>
        </message>
        <message>
            <location line="+11" />
            <source>Import addresses to the suppression list</source>
            <translation>Importer des adresses dans la liste d’exclusion</translation>
        </message>
        <message>
            <location line="+1" />
            <location line="+9" />
            <source>CSV file (*.csv)</source>
            <translation>Fichier CSV (*.csv)</translation>
        </message>
        <message>
            <location line="-9" />
            <source>Text file (*.txt)</source>
            <translation>Fichier texte (*.txt)</translation>
        </message>
        <message>
            <location line="+8" />
            <source>Export the suppression list</source>
            <translation>Exporter la liste d’exclusion</translation>
        </message>
    </context>
    <context>
        <name>TaskReviewDialog</name>
        <message>
            <location filename="../qml/content/window/TaskReviewDialog.qml" line="+33" />
            <source>Recipients: %1</source>
            <translation>Destinataires : %1</translation>
        </message>
        <message>
            <location line="+2" />
            <source>Contact lists: %1</source>
            <translation>Listes de contacts : %1</translation>
        </message>
        <message>
            <location line="+2" />
            <source>HTML file: %1</source>
            <translation>Fichier HTML : %1</translation>
        </message>
        <message>
            <location line="+2" />
            <source>Attachment: %1</source>
            <translation>Pièce jointe : %1</translation>
        </message>
        <message>
            <location line="+2" />
            <source>Refused: %1</source>
            <translation>Refusé : %1</translation>
        </message>
        <message>
            <location line="+17" />
            <source>Check what these work files will send</source>
            <translation>Vérifiez ce que ces fichiers de travail enverront</translation>
        </message>
    </context>
    <context>
        <name>TemplateCard</name>
        <message>
            <location filename="../qml/content/pages/templates/TemplateCard.qml" line="+51" />
            <source>Loading preview…</source>
            <translation>Chargement de l’aperçu…</translation>
        </message>
        <message>
            <location line="+1" />
            <source>No preview</source>
            <translation>Pas d’aperçu</translation>
        </message>
    </context>
    <context>
        <name>UndoBar</name>
        <message>
            <location filename="../qml/content/myComponents/UndoBar.qml" line="+73" />
            <source>Undo</source>
            <translation>Annuler</translation>
        </message>
    </context>
    <context>
        <name>UnembeddedReferences</name>
        <message>
            <location filename="../qml/content/pages/compose/UnembeddedReferences.qml" line="+19" />
            <source>outside the HTML file's folder</source>
            <translation>hors du dossier du fichier HTML</translation>
        </message>
        <message>
            <location line="+2" />
            <source>no such file</source>
            <translation>fichier introuvable</translation>
        </message>
        <message>
            <location line="+2" />
            <source>neither an image nor a style sheet</source>
            <translation>ni une image ni une feuille de style</translation>
        </message>
        <message>
            <location line="+2" />
            <source>a style sheet that is not text</source>
            <translation>une feuille de style qui n’est pas du texte</translation>
        </message>
        <message>
            <location line="+2" />
            <source>an embedded image that cannot be read</source>
            <translation>une image intégrée illisible</translation>
        </message>
        <message numerus="yes">
            <location line="+11" />
            <source>Not embedded in the message:</source>
            <translation>
                <numerusform>Non intégré au message :</numerusform>
                <numerusform>Non intégrés au message :</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>WorkFiles</name>
        <message>
            <location filename="../qml/content/window/WorkFiles.qml" line="+24" />
            <source>my-work</source>
            <extracomment>The name proposed for a new work file, without its ending.</extracomment>
            <translation>mon-travail</translation>
        </message>
        <message>
            <location line="+28" />
            <source>The work could not be saved in %1.</source>
            <translation>Le travail n’a pas pu être enregistré dans %1.</translation>
        </message>
        <message>
            <location line="+2" />
            <source>The work was saved in %1.</source>
            <translation>Le travail a été enregistré dans %1.</translation>
        </message>
        <message>
            <location line="+18" />
            <source>%1 is too large to be a work file: it was not loaded.</source>
            <translation>%1 est trop volumineux pour être un fichier de travail : il n'a pas été chargé.</translation>
        </message>
        <message>
            <location line="+5" />
            <source>%1 could not be read as a work file.</source>
            <translation>%1 n’a pas pu être lu comme fichier de travail.</translation>
        </message>
        <message>
            <location line="+23" />
            <source>Left out of the message:</source>
            <translation>Laissés hors du message :</translation>
        </message>
        <message>
            <location line="+30" />
            <location line="+11" />
            <source>Backup file (*.pvsav)</source>
            <translation>Fichier de sauvegarde (*.pvsav)</translation>
        </message>
    </context>
</TS>
