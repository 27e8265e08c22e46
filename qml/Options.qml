import QtQuick 2.9
import QtQuick.Controls 2.2
import QtQuick.Layouts 1.3
import QtQuick.Window 2.13
import Fenzo 1.0

OptionsForm {
    id: options

    // Reached by the window and by the tests.
    // The dialogs are made when first opened: each is null until then.
    property alias errorMessage: errorBox.item
    property alias resetDynamicDialog: resetDynamic.item
    property alias assignStaticUBsDialog: assignStaticUBs.item
    property alias helpDialog: help.item
    property alias openDialog: openChooser.item
    property alias saveDialog: saveChooser.item
    property alias satelliteDataDialog: satelliteData.item
    property alias reportDialog: reportChooser.item
    property alias siteDialog: siteDialog.item
    property alias siteQuestion: siteQuestion.item
    // Each satellite box's search list is made at the first key typed on
    // the box: null until then.
    property alias lnb1Finder: lnb1Finder.item
    property alias lnb2Finder: lnb2Finder.item

    // Without satellite data nothing can be transferred; the file buttons
    // stay disabled until data arrive.
    property bool satelliteDataMissing: false
    // While a transfer runs the window keeps drawing, but what is sent is
    // what is shown: the transfers and the plan's sources wait for its end.
    readonly property bool transferring: Device.busy
    readonly property bool deviceUsable: !satelliteDataMissing && !transferring && Device.connected

    // After new satellite data the boxes show the plan's satellites again;
    // one the data lack shows as no entry (the notice names it). Data that
    // arrive after a start without any make the file buttons usable.
    function followSatelliteData() {
        satelliteDataMissing = false
        if (!options.syncSatelliteBox(lnb1Box, Plan.lnb1))
            lnb1Box.currentIndex = -1
        if (!options.syncSatelliteBox(lnb2Box, Plan.lnb2))
            lnb2Box.currentIndex = -1
    }

    function showSatelliteMissing(text) {
        errorBox.get().text = text
        errorBox.open()
    }

    // A name set in the model (from a file, the device or new data) selects
    // itself in the box.
    function syncSatelliteBox(box, lnb) {
        var index = box.find(lnb)
        if (index < 0)
            return false
        if (box.currentIndex !== index)
            box.currentIndex = index
        return true
    }

    serialNumberLabel.text: Device.serialNumber
    siteEntryLabel.text: Site.connectedLabel
    deviceStatusLabel.text: Device.transferProgress !== "" ? Device.transferProgress
                                                           : Controller.fetchingSatellites
                                                             ? qsTr("Fetching the satellite data…")
                                                             : Device.portProblem
    // A transfer's progress and fetching are news, a port problem a fault.
    deviceStatusLabel.color: Device.transferProgress !== "" || Controller.fetchingSatellites ? "#404040"
                                                                                         : "#b00000"
    satelliteNoticeLabel.text: Controller.satelliteDataNotice
    // Only while the switch is read: once a setting has gone out the transfer
    // runs to its end.
    cancelShown: Device.cancellable
    cancelRoom: transferring
    cancelButton.enabled: cancelShown
    cancelButton.onClicked: Device.cancel()
    standByBox.enabled: !Plan.staticUbsAvailable && !transferring
    lteFilterBox.enabled: !transferring
    tPathActiveBox.enabled: !transferring
    assignStaticButton.enabled: !transferring
    resetDynamicButton.enabled: !transferring
    lnb1Box.enabled: !transferring
    lnb2Box.enabled: !transferring
    lnb1Box.model: SatelliteNames
    // The list marks satellites that serve dynamic UBs only; which ones, and
    // the words, come from the list itself.
    lnb1Box.delegate: Component {
        PlainTextDelegate {
            comboBox: lnb1Box
            text: model.label
            font.italic: model.dynamicOnly
        }
    }
    lnb1Box.displayText: SatelliteNames.label(lnb1Box.currentText)
    saveToDeviceButton.enabled: deviceUsable
    saveToRomButton.enabled: deviceUsable
    readFromDeviceButton.enabled: deviceUsable
    compareButton.enabled: deviceUsable
    saveToFileButton.enabled: !satelliteDataMissing
    readFromFileButton.enabled: !satelliteDataMissing && !transferring
    lnb2Box.model: SatelliteNames
    lnb2Box.delegate: Component {
        PlainTextDelegate {
            comboBox: lnb2Box
            text: model.label
            font.italic: model.dynamicOnly
        }
    }
    lnb2Box.displayText: SatelliteNames.label(lnb2Box.currentText)

    // Typing into a satellite box narrows its list to the names that hold
    // the text.
    // The window does not show them at its start: each is compiled and made
    // (with its filtered copy of the satellite list) when a key is first
    // typed on its box.
    OnDemand {
        id: lnb1Finder
        source: "SatelliteFinder.qml"
        onLoaded: item.comboBox = lnb1Box
    }

    OnDemand {
        id: lnb2Finder
        source: "SatelliteFinder.qml"
        onLoaded: item.comboBox = lnb2Box
    }

    lnb1Box.onTyped: function (event) { lnb1Finder.get().typed(event) }
    lnb2Box.onTyped: function (event) { lnb2Finder.get().typed(event) }

    saveToDeviceButton.onClicked: Controller.sendDataToDevice()
    saveToRomButton.onClicked: Controller.storeDataInEEPROM()
    readFromDeviceButton.onClicked: Controller.readFromDevice()
    compareButton.onClicked: Controller.compareWithDevice()
    saveToFileButton.onClicked: saveChooser.open()
    readFromFileButton.onClicked: openChooser.open()
    resetDynamicButton.onClicked: resetDynamic.open()
    assignStaticButton.onClicked: assignStaticUBs.open()
    helpIconArea.onClicked: help.open()
    sheetIconArea.onClicked: openSheetWindow()
    satelliteDataIconArea.onClicked: satelliteData.open()
    supportReportIconArea.onClicked: reportChooser.open()
    siteIconArea.onClicked: siteDialog.open()

    // The usual keys for the file actions, and the sheet as "print".
    Shortcut {
        sequence: StandardKey.Save
        enabled: saveToFileButton.enabled
        onActivated: saveChooser.open()
    }

    Shortcut {
        sequence: StandardKey.Open
        enabled: readFromFileButton.enabled
        onActivated: openChooser.open()
    }

    Shortcut {
        sequence: StandardKey.Print
        onActivated: openSheetWindow()
    }

    Shortcut {
        sequence: "Ctrl+Shift+O"
        onActivated: siteDialog.open()
    }

    // The icons pressed from the keyboard once Tab reached them.
    Shortcut {
        sequences: ["Space", "Return", "Enter"]
        enabled: siteIconArea.activeFocus
        onActivated: siteDialog.open()
    }

    Shortcut {
        sequences: ["Space", "Return", "Enter"]
        enabled: supportReportIconArea.activeFocus
        onActivated: reportChooser.open()
    }

    Shortcut {
        sequences: ["Space", "Return", "Enter"]
        enabled: satelliteDataIconArea.activeFocus
        onActivated: satelliteData.open()
    }

    Shortcut {
        sequences: ["Space", "Return", "Enter"]
        enabled: sheetIconArea.activeFocus
        onActivated: openSheetWindow()
    }

    Shortcut {
        sequences: ["Space", "Return", "Enter"]
        enabled: helpIconArea.activeFocus
        onActivated: help.open()
    }

    Shortcut {
        sequence: StandardKey.HelpContents
        onActivated: help.open()
    }

    // One window, shown again with each comparison; nothing when the switch
    // could not be read (the error box says why).
    property var compareWindow: null
    function openCompareWindow(lines) {
        if (lines.length === 0)
            return null
        if (!compareWindow) {
            var component = Qt.createComponent("qrc:/CompareWindow.qml")
            if (component.status !== Component.Ready) {
                console.warn(component.errorString())
                return null
            }
            compareWindow = component.createObject(options, { "transientParent": options.Window.window })
        }
        compareWindow.lines = lines
        compareWindow.show()
        compareWindow.raise()
        return compareWindow
    }

    // Made on first use; it follows the plan from then on. Like the
    // comparison it belongs to the main window and closes with it.
    property var sheetWindow: null
    function openSheetWindow() {
        if (!sheetWindow) {
            var component = Qt.createComponent("qrc:/InstallationSheetWindow.qml")
            if (component.status !== Component.Ready) {
                console.warn(component.errorString())
                return null
            }
            sheetWindow = component.createObject(options, { "transientParent": options.Window.window })
        }
        sheetWindow.show()
        sheetWindow.raise()
        return sheetWindow
    }

    lteFilterBox.onCheckedChanged: Plan.lteFilter = lteFilterBox.checked
    tPathActiveBox.onCheckedChanged: Plan.terrestrialPatchActive = tPathActiveBox.checked
    standByBox.onCheckedChanged: Plan.standBy = standByBox.checked
    // Only the user's choice writes the plan: a list that changes under the
    // boxes (new satellite data) moves their selection, never the plan.
    lnb1Box.onActivated: function (index) { if (index >= 0) Plan.lnb1 = lnb1Box.textAt(index) }
    lnb2Box.onActivated: function (index) { if (index >= 0) Plan.lnb2 = lnb2Box.textAt(index) }

    // Binding elements survive the clicks that set the boxes directly.
    Binding {
        target: lteFilterBox
        property: "checked"
        value: Plan.lteFilter
    }

    Binding {
        target: tPathActiveBox
        property: "checked"
        value: Plan.terrestrialPatchActive
    }

    Binding {
        target: standByBox
        property: "checked"
        value: Plan.standBy
    }

    Connections {
        target: Controller
        function onNoInternetConnection() {
            options.satelliteDataMissing = true
        }
        function onSatelliteDataChanged() {
            options.followSatelliteData()
        }
        function onComparisonReady(lines) {
            options.openCompareWindow(lines)
        }
    }

    Connections {
        target: Plan
        function onLnb1Changed(lnb) {
            if (!options.syncSatelliteBox(lnb1Box, lnb))
                options.showSatelliteMissing(qsTr("Selected satelite ") + lnb + qsTr(" for lnb1 no longer available"))
        }
        function onLnb2Changed(lnb) {
            if (!options.syncSatelliteBox(lnb2Box, lnb))
                options.showSatelliteMissing(qsTr("Selected satelite ") + lnb + qsTr(" for lnb2 no longer available"))
        }
    }

    OnDemand {
        id: errorBox
        sourceComponent: Component {
            MessageBox {
                title: qsTr("Error")
                text: qsTr("Selected satelite no longer available.")
            }
        }
    }

    OnDemand {
        id: resetDynamic
        sourceComponent: Component {
            MessageBox {
                title: qsTr("Warning")
                text: qsTr("This will redistribute all dynamic UBs equally and change current settings.")
                cancelable: true
                onAccepted: Controller.resetDynamicUBs(true)
            }
        }
    }

    OnDemand {
        id: assignStaticUBs
        sourceComponent: Component {
            DialogWindow {
                // Reached by the tests.
                property alias staticUBBox: staticUBBox
                property alias staticAboveBox: staticAboveBox
                property alias staticAboveLabel: staticAboveLabel

                title: qsTr("Set number of static UBs")
                cancelable: true
                onAccepted: {
                    // A number typed and not yet taken by the box counts as chosen.
                    var typed = staticUBBox.find(staticUBBox.editText)
                    if (typed >= 0)
                        staticUBBox.currentIndex = typed
                    Controller.setStaticUBs(staticUBBox.currentIndex, staticAboveBox.checked)
                }

                Label {
                    textFormat: Text.PlainText
                    text: qsTr("Select number of static UBs. Existing data will be overwritten!")
                }

                RowLayout {
                    Label {
                        id: staticUBLabel
                        textFormat: Text.PlainText
                        text: qsTr("Number of static Ubs: ")
                    }

                    // A number can be typed as well as chosen; Enter takes it and
                    // accepts the dialog.
                    ComboBox {
                        id: staticUBBox
                        Layout.preferredWidth: 90
                        editable: true
                        validator: IntValidator {
                            bottom: 0
                            top: 24
                        }
                        Accessible.name: staticUBLabel.text
                        textRole: "text"
                        model: ListModel {
                            id: staticUBItems
                        }
                    }

                    Label {
                        id: staticAboveLabel
                        textFormat: Text.PlainText
                        text: qsTr("Top of list: ")
                    }

                    CheckBox {
                        id: staticAboveBox
                        checked: true
                        Accessible.name: staticAboveLabel.text
                    }
                }

                // The entry's index is the number of static UBs.
                Component.onCompleted: {
                    for (var i = 0; i <= 24; ++i)
                        staticUBItems.append({ "text": "" + i })
                    staticUBBox.currentIndex = 0
                }
            }
        }
    }

    OnDemand {
        id: help
        sourceComponent: Component {
            DialogWindow {
                // Reached by the tests.
                property alias versionLabel: versionLabel

                title: qsTr("Information")

                RowLayout {
                    Label {
                        textFormat: Text.PlainText
                        text: qsTr("Version: ")
                    }

                    Label {
                        id: versionLabel
                        textFormat: Text.PlainText
                        text: "0.9"
                    }
                }

                Label {
                    Layout.fillWidth: true
                    Layout.preferredWidth: 360
                    wrapMode: Text.WordWrap
                    textFormat: Text.RichText
                    text: "The logo, the help icon and the window icon were drawn by the Fenzo Setup developers "
                          + "and are dedicated to the public domain under "
                          + "<a href=\"https://creativecommons.org/publicdomain/zero/1.0/\">CC0 1.0 Universal</a>."
                    onLinkActivated: function (link) { Qt.openUrlExternally(link) }
                }
            }
        }
    }

    OnDemand {
        id: satelliteData
        source: "SatelliteDataDialog.qml"
    }

    OnDemand {
        id: siteDialog
        source: "SiteDialog.qml"
    }

    // A "Save on device" of a plan other than its switch's entry: the user
    // decides whether the entry takes it.
    OnDemand {
        id: siteQuestion
        sourceComponent: Component {
            QuestionBox {
                title: qsTr("Stored in the switch")
                onAccepted: options.answerSite(true)
                onRejected: options.answerSite(false)
            }
        }
    }

    function answerSite(replace) {
        var problem = Site.answerReplace(replace)
        if (problem !== "") {
            errorBox.get().text = problem
            errorBox.open()
        }
    }

    Connections {
        target: Site
        function onReplaceAsked(label, question) {
            siteQuestion.get().text = question
            siteQuestion.open()
        }
    }

    OnDemand {
        id: openChooser
        source: "FileChooser.qml"
        onLoaded: {
            item.title = qsTr("Choose a file")
            item.nameFilters = [qsTr("dat files") + " (*.dat)"]
        }
    }

    Connections {
        target: openChooser.item
        function onChosen(url) { Controller.readFromFile(url) }
    }

    OnDemand {
        id: reportChooser
        source: "FileChooser.qml"
        onLoaded: {
            item.title = qsTr("Choose a file")
            item.saving = true
            item.nameFilters = [qsTr("Text files") + " (*.txt)"]
        }
    }

    Connections {
        target: reportChooser.item
        function onChosen(url) { Report.save(url) }
    }

    OnDemand {
        id: saveChooser
        source: "FileChooser.qml"
        onLoaded: {
            item.title = qsTr("Choose a file")
            item.saving = true
            item.nameFilters = [qsTr("dat files") + " (*.dat)"]
        }
    }

    Connections {
        target: saveChooser.item
        function onChosen(url) { Controller.saveToFile(url) }
    }
}
