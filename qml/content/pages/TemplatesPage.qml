import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Parvane
import content
import "../resources/js/app.js" as AppJs

// The web service's catalogue of message templates: a card per template with
// its preview image and categories, filtered by a category bar. "Preview"
// shows the template's page in the detail area, "Edit" opens it in the
// system's browser. The list is asked for once per run (again only while the
// service had none to give).
MyPageLayout {
    id: page

    // Distinct category names, in order of first appearance.
    readonly property var categories: templateCategories(root.templates)
    // The chosen category; empty for "All".
    property string currentCategory: ""
    readonly property bool editAllowed: !root.isSearchRunning && !root.loading

    function templateCategories(templates) {
        const names = []
        for (const template of templates) {
            for (const name of template.categories) {
                if (names.indexOf(name) < 0)
                    names.push(name)
            }
        }
        return names
    }

    function shows(template) {
        return currentCategory === "" || template.categories.indexOf(currentCategory) >= 0
    }

    // An address of the service's own site, or "" for anything else.
    function serviceAddress(value) {
        return typeof value === "string" && AppJs.sameOrigin(value, Constants.baseUrl) ? value : "" // qmllint disable type
    }

    // The records as the page uses them: a page address of the service, a
    // preview image address (or ""), and the category names that are texts.
    // Entries without a usable page address are left out.
    function usableTemplates(list) {
        const result = []
        for (const entry of list) {
            if (!entry || typeof entry !== "object" || Array.isArray(entry))
                continue
            const url = serviceAddress(entry.url)
            if (url === "")
                continue
            const names = Array.isArray(entry.categories)
                    ? entry.categories.filter(name => typeof name === "string" && name !== "") : []
            result.push({ "url": url, "preview": serviceAddress(entry.preview),
                          "categories": names })
        }
        return result
    }

    // Asks the service for the catalogue; every outcome ends the busy state.
    function initTemplates() {
        AppJs.startLoading() // qmllint disable type
        const body = { "os": Constants.os, "language": AppJs.serviceLanguage() }
        AppJs.sendRequest(Constants.templatesUrl, "POST", body, Constants.requestsToken,
                          response => {
                              const answer = AppJs.acceptedBody(response, Constants.responsesToken)
                              if (answer && Array.isArray(answer.value))
                                  root.templates = usableTemplates(answer.value)
                              else
                                  toast.show(myTrStrings.invalid_response, 5000)
                              AppJs.stopLoading()
                          },
                          response => {
                              const message = AppJs.refusalMessage(response)
                              toast.show(message !== null ? message : myTrStrings.invalid_response,
                                         5000)
                              AppJs.stopLoading()
                          },
                          () => {
                              toast.show(myTrStrings.error_while_connecting_to_server, 5000)
                              AppJs.stopLoading()
                          }, 0, Constants.templatesMaxBytes)
    }

    function preview(template) {
        root.detailTemplateUrl = template.url + "&preview=true"
        root.loadDatail(templateDetailComponent)
    }

    function edit(template) {
        Qt.openUrlExternally(template.url)
    }

    objectName: "TemplatesPage"
    title: myTrStrings.templates

    // Cards are made a few at a time, so a large catalogue never holds the
    // window: the first ones at once, the rest on the next frames.
    readonly property int cardsPerStep: 24
    onTemplatesChanged: revealFromStart()
    readonly property var templates: root.templates

    function revealFromStart() {
        revealed.clear()
        revealMore()
    }

    function revealMore() {
        const end = Math.min(root.templates.length, revealed.count + cardsPerStep)
        for (let i = revealed.count; i < end; ++i)
            revealed.append({ "templateIndex": i })
        if (revealed.count < root.templates.length)
            revealTimer.start()
    }

    ListModel {
        id: revealed
    }

    Timer {
        id: revealTimer
        interval: 0
        onTriggered: page.revealMore()
    }

    // After the page's own creation, which ends the busy state of navigation.
    Component.onCompleted: {
        revealFromStart()
        if (root.templates.length === 0)
            Qt.callLater(initTemplates)
    }

    content: Component {
        ColumnLayout {
            spacing: 15

            Flickable {
                objectName: "categoryBar"
                Layout.fillWidth: true
                implicitHeight: tagRow.implicitHeight + (barScroll.visible ? 10 : 0)
                contentWidth: tagRow.implicitWidth
                contentHeight: tagRow.implicitHeight
                flickableDirection: Flickable.HorizontalFlick
                boundsBehavior: Flickable.StopAtBounds
                clip: true
                ScrollBar.horizontal: ScrollBar {
                    id: barScroll
                    policy: ScrollBar.AsNeeded
                    visible: size < 1
                }

                Row {
                    id: tagRow
                    spacing: 8

                    MyLabel {
                        anchors.verticalCenter: parent.verticalCenter
                        text: myTrStrings.category + ":"
                        textFormat: Text.PlainText
                    }
                    MyTag {
                        objectName: "categoryTagAll"
                        checkable: true
                        checked: page.currentCategory === ""
                        text: myTrStrings.all
                        onClicked: page.currentCategory = ""
                    }
                    Repeater {
                        model: page.categories
                        delegate: MyTag {
                            required property string modelData
                            required property int index
                            objectName: "categoryTag" + index
                            checkable: true
                            checked: page.currentCategory === modelData
                            text: modelData
                            onClicked: page.currentCategory = modelData
                        }
                    }
                }
            }

            Flow {
                objectName: "templateCards"
                Layout.fillWidth: true
                spacing: 20

                Repeater {
                    model: revealed
                    delegate: TemplateCard {
                        required property int templateIndex
                        readonly property var entry: root.templates[templateIndex]
                        objectName: "templateCard" + templateIndex
                        template: entry
                        visible: page.shows(entry)
                        editEnabled: page.editAllowed
                        onPreviewClicked: page.preview(entry)
                        onEditClicked: page.edit(entry)
                    }
                }
            }
        }
    }
}
