import QtQuick 2.9
import QtQuick.Controls 2.2
import QtQuick.Layouts 1.3
import Fenzo 1.0

// "Site…": opens a site file (or makes a new one) and shows its switches.
// The chosen switch's plan can be put on screen, the plan on screen added as
// a new switch or put in the chosen one's place; switches are renamed and
// removed, the site's name and note edited. The plan on screen and a
// switch's plan are replaced only after a question. What the site file
// refuses shows under the buttons. Close, Enter and Escape keep the name and
// note as typed.
DialogWindow {
    id: dialog
    title: qsTr("Site")

    // Reached by the tests.
    property alias form: form
    property alias question: questionBox.item
    property alias openChooser: openChooser.item
    property alias newChooser: newChooser.item

    readonly property int chosenRow: form.entryList.currentIndex
    readonly property bool rowChosen: Site.isOpen && chosenRow >= 0 && chosenRow < form.entryList.count
    readonly property string chosenLabel: rowChosen ? Site.labelAt(chosenRow) : ""

    function putQuestion(label) {
        return qsTr("The plan on screen will be replaced by the plan of \"%1\". Continue?").arg(label)
    }
    function replaceQuestion(label) {
        return qsTr("Replace the plan of \"%1\" in the site with the plan on screen?").arg(label)
    }
    function removeQuestion(label) {
        return qsTr("Remove \"%1\" from the site?").arg(label)
    }

    // Every action answers with its reason, empty when done.
    function report(problem) {
        form.problemLabel.text = problem
        return problem === ""
    }

    // Asks first; runs `action` on Yes.
    function ask(text, action) {
        var box = questionBox.get()
        box.text = text
        box.action = action
        box.open()
    }

    function showSite() {
        form.fileLabel.text = Site.isOpen ? Site.path : Site.noSiteText()
        form.nameField.text = Site.name
        form.noteField.text = Site.note
    }

    // The first refusal's reason, empty when both were kept.
    function storeTexts() {
        if (!Site.isOpen)
            return ""
        var problem = ""
        if (form.nameField.text !== Site.name)
            problem = Site.setName(form.nameField.text)
        if (problem === "" && form.noteField.text !== Site.note)
            problem = Site.setNote(form.noteField.text)
        report(problem)
        return problem
    }

    // Nothing is lost that the screen shows already.
    function putOnScreen(row) {
        if (row < 0)
            return
        var label = Site.labelAt(row)
        if (Site.screenShows(row))
            report(Site.putOnScreen(row))
        else
            ask(putQuestion(label), function () { report(Site.putOnScreen(row)) })
    }

    // A name or note the file refused keeps the dialog open with the reason.
    onAccepted: {
        var problem = storeTexts()
        if (problem !== "") {
            open()
            report(problem)
        }
    }

    Component.onCompleted: showSite()

    // Each opening starts without an old reason, at the connected switch.
    onVisibleChanged: {
        if (!visible)
            return
        report("")
        showSite()
        form.entryList.currentIndex = Site.connectedRow >= 0 ? Site.connectedRow : Math.min(0, form.entryList.count - 1)
    }

    Connections {
        target: Site
        function onSiteChanged() {
            dialog.showSite()
        }
    }

    SiteDialogForm {
        id: form

        readonly property bool planSourcesFree: !Device.busy
        entryList.model: Site.entries
        entryList.delegate: Component {
            Rectangle {
                width: form.entryList.width
                height: entryColumn.implicitHeight + 8
                color: ListView.isCurrentItem ? "#cce0ff" : "transparent"

                Column {
                    id: entryColumn
                    x: 6
                    y: 4
                    width: parent.width - 12

                    Text {
                        width: parent.width
                        textFormat: Text.PlainText
                        elide: Text.ElideRight
                        font.bold: model.connected
                        text: model.label
                    }

                    Text {
                        width: parent.width
                        textFormat: Text.PlainText
                        elide: Text.ElideRight
                        color: "#404040"
                        text: model.stateText + (model.connected ? " · " + qsTr("connected") : "")
                              + (model.onScreen ? " · " + qsTr("on screen") : "")
                    }
                }

                MouseArea {
                    anchors.fill: parent
                    onClicked: {
                        form.entryList.currentIndex = index
                        form.entryList.forceActiveFocus()
                    }
                }
            }
        }

        nameField.enabled: Site.isOpen
        noteField.enabled: Site.isOpen
        labelField.enabled: Site.isOpen
        onScreenButton.enabled: dialog.rowChosen && planSourcesFree
        connectedButton.enabled: Site.connectedRow >= 0 && planSourcesFree
        replaceButton.enabled: dialog.rowChosen
        removeButton.enabled: dialog.rowChosen
        addButton.enabled: Site.isOpen && labelField.text !== ""
        renameButton.enabled: dialog.rowChosen && labelField.text !== ""

        nameField.onEditingFinished: dialog.storeTexts()
        noteField.onEditingFinished: dialog.storeTexts()
        openButton.onClicked: openChooser.open()
        newButton.onClicked: newChooser.open()
        onScreenButton.onClicked: dialog.putOnScreen(dialog.chosenRow)
        connectedButton.onClicked: dialog.putOnScreen(Site.connectedRow)
        replaceButton.onClicked: {
            var row = dialog.chosenRow
            dialog.ask(dialog.replaceQuestion(dialog.chosenLabel), function () {
                dialog.report(Site.replaceWithPlanOnScreen(row))
            })
        }
        removeButton.onClicked: {
            var row = dialog.chosenRow
            dialog.ask(dialog.removeQuestion(dialog.chosenLabel), function () { dialog.report(Site.remove(row)) })
        }
        addButton.onClicked: {
            if (dialog.report(Site.addPlanOnScreen(labelField.text))) {
                labelField.text = ""
                entryList.currentIndex = entryList.count - 1
            }
        }
        renameButton.onClicked: {
            if (dialog.report(Site.rename(dialog.chosenRow, labelField.text)))
                labelField.text = ""
        }
    }

    OnDemand {
        id: questionBox
        sourceComponent: Component {
            QuestionBox {
                property var action: null
                title: dialog.title
                onAccepted: {
                    if (action)
                        action()
                    action = null
                }
                onRejected: action = null
            }
        }
    }

    OnDemand {
        id: openChooser
        source: "FileChooser.qml"
        onLoaded: {
            item.title = qsTr("Choose a site file")
            item.nameFilters = [qsTr("Site files") + " (*.fsite)"]
        }
    }

    Connections {
        target: openChooser.item
        function onChosen(url) {
            if (dialog.report(Site.openSite(url)))
                form.entryList.currentIndex = Site.connectedRow >= 0 ? Site.connectedRow : 0
        }
    }

    OnDemand {
        id: newChooser
        source: "FileChooser.qml"
        onLoaded: {
            item.title = qsTr("Choose a site file")
            item.saving = true
            item.nameFilters = [qsTr("Site files") + " (*.fsite)"]
        }
    }

    Connections {
        target: newChooser.item
        function onChosen(url) {
            dialog.report(Site.createSite(url))
        }
    }
}
