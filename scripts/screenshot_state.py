#!/usr/bin/python3
"""Prints the stored state of the screenshot scenes as JSON for
parvane_seed_settings: a user with two accounts (the first sends to the
loopback SMTP server of the run scene), three contact lists and a message
being written.

Usage: screenshot_state.py LANG SMTP_PORT [PRESET...]
Presets: compose-en, compose-fr (the message text in that language),
no-subject (the subject left empty), list-selected (a list chosen to send to),
sending-lists (a finished and an unfinished sending list), long-names (the
unfinished sending list named at length), big-list (1,234 subscribers), search (a search
form filled in for the demonstration corpus, and addresses found on two
earlier days).
"""
import json
import sys

lang, port = sys.argv[1], sys.argv[2]
presets = sys.argv[3:]

FIRST = ["Anna", "Marc", "Lena", "Tomas", "Ines", "Yuki", "Omar", "Sofia", "Karl", "Amara",
         "Pavel", "Noor"]
LAST = ["Berg", "Dupont", "Keller", "Novak", "Garcia", "Tanaka", "Haddad", "Rossi", "Jensen",
        "Diallo", "Ivanov", "Khan"]


def contact(i, list_name, domain):
    first, last = FIRST[i % len(FIRST)], LAST[(i * 5) % len(LAST)]
    return {"lastname": last, "firstname": first, "fullname": f"{last} {first}",
            "telephone": f"+33 6 12 34 {i:02d} {(i * 7) % 100:02d}",
            "email": f"{first}.{last}@{domain}".lower(), "company": "Velmora Studio",
            "occupation": "Buyer", "website": f"www.{domain}", "list": list_name}


contacts = [contact(i, "Subscribers", "example.com") for i in range(12)]
if "big-list" in presets:
    # Each address its own: the first twelve names again, numbered.
    contacts += [dict(contact(i, "Subscribers", "example.com"),
                      email=f"abonne.{i:04d}@example.com") for i in range(12, 1234)]
contacts += [contact(i, "Press", "example.org") for i in range(3, 8)]
contacts += [contact(i, "Partners", "example.net") for i in range(5, 9)]

state = {
    "": {"lang": lang},
    "preferences": {"language": lang, "mailsPs": 5},
    "window": {"x": 0, "y": 0, "windowVisibility": 2},
    "userData": {
        "comptes": [
            {"senderName": "Velmora Studio", "serverName": "Velmora mail",
             "serverHost": "127.0.0.1", "serverPort": port, "connection": "None",
             "address": "tester@localhost", "password": "s3cret-pass"},
            {"senderName": "Velmora News", "serverName": "Gmail",
             "serverHost": "smtp.gmail.com", "serverPort": "587", "connection": "TLS",
             "address": "news.velmora@gmail.com", "password": "app-password"},
        ],
        "activeCompte": "tester@localhost",
        "contactsLists": ["Subscribers", "Press", "Partners"],
        "contacts": contacts,
    },
    "contacts": {"sActiveList": "Subscribers"},
    "emailContent": {"currentSelectedLists": []},
    "sendingForm": {"currentSenderName": "Velmora Studio"},
}

if "compose-en" in presets:
    state["sendingForm"].update({
        "currentSubject": "Our spring collection is here",
        "currentRecipient": "anna.berg@example.com;marc.dupont@example.org;",
        "currentEmailContent": "Hello {{firstname}},\n\nOur spring collection is here. As a "
        "subscriber, you get early access until Friday.\n\nSee you soon,\nThe Velmora team"})
if "compose-fr" in presets:
    state["sendingForm"].update({
        "currentSubject": "Notre collection de printemps est arrivée",
        "currentRecipient": "anna.berg@example.com;marc.dupont@example.org;",
        "currentEmailContent": "Bonjour {{firstname}},\n\nNotre collection de printemps est "
        "arrivée. Abonné(e), vous en profitez en avant-première jusqu’à vendredi.\n\n"
        "À bientôt,\nL’équipe Velmora"})
if "no-subject" in presets:
    state["sendingForm"]["currentSubject"] = ""
if "list-selected" in presets:
    state["emailContent"]["currentSelectedLists"] = ["Subscribers"]
if "sending-lists" in presets:
    tasks = [f"/home/velmora/Documents/spring-{n}.pvsav" for n in range(1, 5)]
    log = "Spring launch\n\n" + "".join(
        f"=====\nStart task {n}\n=====\n\nanna.berg@example.com: Email sent\n\n"
        f"=====\nEnd task {n}\n=====\n\n" for n in range(1, 4))
    state["sendingForm"]["sendingLists"] = [
        {"name": "Nouvelle campagne de printemps pour les clients fidèles de la région lyonnaise"
         if "long-names" in presets else "Autumn follow-up",
         "tasks": tasks, "output": "", "done": 1, "nextTask": 2},
        {"name": "Spring launch", "tasks": tasks[:3], "output": log, "done": 3, "nextTask": 3},
    ]

if "search" in presets:
    state["searchForm"] = {
        "currentTerms": "agence presse",
        "currentDomain": "@gmail.com, @orange.fr, @laposte.net, @outlook.fr",
        "currentRetrieveOtherDomainesAddress": False}
    state["search"] = {"currentSearchContacts": [
        {"email": f"{name}@example.com", "date": date}
        for name, date in [("redaction", "02/12/2026"), ("abonnements", "02/12/2026"),
                           ("presse", "02/12/2026"), ("contact", "25/11/2026"),
                           ("direction", "25/11/2026")]]}

json.dump(state, sys.stdout, ensure_ascii=False, indent=1)
