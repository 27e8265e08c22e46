import QtQuick 2.7
import QtQuick.Window 2.13
import QtTest 1.1
import "qrc:/"
import Fenzo 1.0

Item {
    id: root
    width: 950
    height: 550

    Component {
        id: screenComponent
        MainScreenCombined {
            anchors.fill: parent
        }
    }

    SignalSpy {
        id: staticSpy
        target: Controller
        signalName: "staticUBsChanged"
    }

    SignalSpy {
        id: listSpy
        target: Plan
        signalName: "listChanged"
    }

    TestCase {
        id: testCase
        name: "Options"
        when: windowShown

        property var screen: null
        property var options: null

        function satelliteName(i) {
            return SatelliteNames.data(SatelliteNames.index(i, 0), 0)
        }

        function requireSatellites() {
            if (SatelliteNames.rowCount() < 3)
                skip("no satellite data")
        }

        function restorePlan() {
            Controller.setStaticUBs(0, true)
            Controller.resetDynamicUBs(true)
            Plan.lteFilter = false
            Plan.terrestrialPatchActive = false
            Plan.standBy = false
            Device.deviceMissing()
        }

        // One panel for the case.
        function initTestCase() {
            restorePlan()
            screen = screenComponent.createObject(root)
            verify(screen !== null)
            options = screen.optionsForm
        }

        function cleanupTestCase() {
            screen.visible = false
        }

        function init() {
            restorePlan()
            if (SatelliteNames.rowCount() >= 2) {
                Plan.lnb1 = satelliteName(0)
                Plan.lnb2 = satelliteName(1)
            }
            staticSpy.clear()
            listSpy.clear()
        }

        function cleanup() {
            var dialogs = [options.errorMessage, options.resetDynamicDialog, options.assignStaticUBsDialog,
                           options.helpDialog, options.openDialog, options.saveDialog]
            for (var i = 0; i < dialogs.length; ++i) {
                if (dialogs[i] && dialogs[i].visible)
                    dialogs[i].close()
            }
            restorePlan()
        }

        // A dialog button as the user presses it, in the dialog's own window.
        function clickButton(button) {
            verify(button.visible, button.text + " hidden")
            tryVerify(function () { return button.width > 0 && button.height > 0 })
            mouseClick(button)
        }

        function deviceButtonsOf(panel) {
            return [panel.saveToDeviceButton, panel.saveToRomButton, panel.readFromDeviceButton,
                    panel.compareButton]
        }

        function fileButtonsOf(panel) {
            return [panel.saveToFileButton, panel.readFromFileButton]
        }

        function deviceButtons() {
            return deviceButtonsOf(options)
        }

        function fileButtons() {
            return fileButtonsOf(options)
        }

        function test_deviceButtonsFollowTheDevice() {
            var buttons = deviceButtons()
            for (var i = 0; i < buttons.length; ++i)
                verify(!buttons[i].enabled, buttons[i].text + " enabled at start")
            Device.deviceFound("SN:01332251")
            for (i = 0; i < buttons.length; ++i)
                verify(buttons[i].enabled, buttons[i].text + " disabled with a device")
            Device.deviceMissing()
            for (i = 0; i < buttons.length; ++i)
                verify(!buttons[i].enabled, buttons[i].text + " enabled without a device")
            // The file buttons do not depend on the device.
            var files = fileButtons()
            for (i = 0; i < files.length; ++i)
                verify(files[i].enabled)
        }

        // The comparison's lines in a window of their own; a failed read
        // (no lines) opens nothing.
        function test_compareWindow() {
            compare(options.openCompareWindow([]), null)
            var window = options.openCompareWindow(["UB01: line 1 in the plan, line 2 in the switch",
                                                    "LTE filter: on in the plan, off in the switch"])
            verify(window !== null)
            tryCompare(window, "visible", true, 3000)
            tryCompare(window.form.linesView, "count", 2, 3000)
            compare(options.openCompareWindow(["The switch holds this plan."]), window)
            tryCompare(window.form.linesView, "count", 1, 3000)
            mouseClick(window.form.closeButton)
            tryCompare(window, "visible", false, 3000)
        }

        // Left of the other icons of the serial-number row, which keep their
        // places; it opens a dialog to save a text file.
        function test_supportReportIcon() {
            var icon = options.supportReportIconArea.parent
            var satellite = options.satelliteDataIconArea.parent
            compare(icon.width, 25)
            compare(icon.parent, satellite.parent)
            compare(icon.y, satellite.y)
            verify(icon.x + icon.width <= satellite.x)
            verify(satellite.x - (icon.x + icon.width) <= 10)
            compare(options.supportReportIconArea.Accessible.name, "Save a support report…")
            mouseClick(options.supportReportIconArea)
            tryCompare(options.reportDialog, "visible", true)
            verify(options.reportDialog.saving)
            options.reportDialog.close()
            tryCompare(options.reportDialog, "visible", false)
        }

        function test_serialNumber() {
            compare(options.serialNumberLabel.text, "No device found")
            Device.deviceFound("SN:01332251")
            compare(options.serialNumberLabel.text, "01332251")
            Device.deviceMissing()
            compare(options.serialNumberLabel.text, "No device found")
        }

        function test_checkBoxes_data() {
            return [
                { tag: "LTE filter", box: "lteFilterBox", property: "lteFilter" },
                { tag: "terrestrial path", box: "tPathActiveBox", property: "terrestrialPatchActive" },
                { tag: "stand by", box: "standByBox", property: "standBy" },
            ]
        }

        function test_checkBoxes(data) {
            var box = options[data.box]
            verify(!box.checked)
            mouseClick(box)
            verify(box.checked)
            compare(Plan[data.property], true)
            // The model still reaches the box after the click.
            Plan[data.property] = false
            verify(!box.checked)
            Plan[data.property] = true
            verify(box.checked)
            mouseClick(box)
            compare(Plan[data.property], false)
        }

        function test_standByWithStaticUBs() {
            mouseClick(options.standByBox)
            compare(Plan.standBy, true)
            verify(options.standByBox.enabled)
            Controller.setStaticUBs(2, true)
            verify(!options.standByBox.enabled)
            verify(!options.standByBox.checked)
            compare(Plan.standBy, false)
            Controller.setStaticUBs(0, true)
            verify(options.standByBox.enabled)
            verify(!options.standByBox.checked)
        }

        function test_staticDialogChoice_data() {
            return [
                { tag: "4 at the top", number: 4, above: true, firstRowStatic: true },
                { tag: "5 at the bottom", number: 5, above: false, firstRowStatic: false },
            ]
        }

        function test_staticDialogChoice(data) {
            mouseClick(options.assignStaticButton)
            tryCompare(options.assignStaticUBsDialog, "visible", true)
            options.assignStaticUBsDialog.staticUBBox.currentIndex = data.number
            options.assignStaticUBsDialog.staticAboveBox.checked = data.above
            clickButton(options.assignStaticUBsDialog.okButton)
            compare(staticSpy.count, 1)
            compare(staticSpy.signalArguments[0][0], data.above)
            var statics = 0
            for (var row = 0; row < Plan.rowCount(); ++row) {
                if (Plan.data(Plan.index(row, 0), modelRoles.type) === "static")
                    ++statics
            }
            compare(statics, data.number)
            compare(Plan.data(Plan.index(0, 0), modelRoles.type) === "static", data.firstRowStatic)
            // The dialog keeps its choice for the next opening.
            mouseClick(options.assignStaticButton)
            compare(options.assignStaticUBsDialog.staticUBBox.currentIndex, data.number)
            options.assignStaticUBsDialog.staticAboveBox.checked = true
        }

        function test_staticDialogCancel() {
            mouseClick(options.assignStaticButton)
            tryCompare(options.assignStaticUBsDialog, "visible", true)
            options.assignStaticUBsDialog.staticUBBox.currentIndex = 6
            clickButton(options.assignStaticUBsDialog.cancelButton)
            compare(staticSpy.count, 0)
            compare(listSpy.count, 0)
            verify(!options.assignStaticUBsDialog.visible)
        }

        function lineOfRow(row) {
            return Plan.data(Plan.index(row, 0), modelRoles.line)
        }

        function test_resetDialog() {
            // Move UB23 (row 0) from line 3 to line 0, then ask for a reset.
            Plan.setData(Plan.index(0, 0), 0, modelRoles.line)
            compare(lineOfRow(0), 0)
            listSpy.clear()
            mouseClick(options.resetDynamicButton)
            tryCompare(options.resetDynamicDialog, "visible", true)
            compare(options.resetDynamicDialog.title, "Warning")
            clickButton(options.resetDynamicDialog.cancelButton)
            compare(listSpy.count, 0)
            compare(lineOfRow(0), 0)

            mouseClick(options.resetDynamicButton)
            tryCompare(options.resetDynamicDialog, "visible", true)
            clickButton(options.resetDynamicDialog.okButton)
            compare(listSpy.count, 1)
            compare(lineOfRow(0), 3)
        }

        // Closed from its title bar a dialog acts as Cancel (or as OK where
        // that is its only button) and never refuses: a refused close keeps
        // the program running after its main window has gone.
        function test_dialogClosedFromTitleBar_data() {
            return [
                { tag: "reset", dialog: "resetDynamicDialog", button: "resetDynamicButton" },
                { tag: "static UBs", dialog: "assignStaticUBsDialog", button: "assignStaticButton" },
                { tag: "help", dialog: "helpDialog", button: "helpIconArea" },
            ]
        }

        function test_dialogClosedFromTitleBar(data) {
            for (var round = 0; round < 2; ++round) {
                mouseClick(options[data.button])
                var dialog = options[data.dialog]
                tryCompare(dialog, "visible", true)
                verify(dialog.close(), "the close was refused")
                verify(!dialog.visible)
            }
            compare(staticSpy.count, 0)
            compare(listSpy.count, 0)
        }

        function test_helpDialog() {
            mouseClick(options.helpIconArea)
            tryCompare(options.helpDialog, "visible", true)
            compare(options.helpDialog.title, "Information")
            compare(options.helpDialog.versionLabel.text, "0.9")
        }

        function test_fileDialogsOpen_data() {
            return [
                { tag: "save", button: "saveToFileButton", dialog: "saveDialog", existing: false },
                { tag: "read", button: "readFromFileButton", dialog: "openDialog", existing: true },
            ]
        }

        function test_fileDialogsOpen(data) {
            mouseClick(options[data.button])
            var dialog = options[data.dialog]
            tryCompare(dialog, "visible", true)
            compare(dialog.title, "Choose a file")
            compare(dialog.nameFilters, [qsTr("dat files") + " (*.dat)"])
            compare(dialog.saving, !data.existing)
        }

        function test_missingSatelliteInSettingsFile_data() {
            return [
                { tag: "lnb1", lnb: 1, message: "Selected satelite Gone 1.0W for lnb1 no longer available" },
                { tag: "lnb2", lnb: 2, message: "Selected satelite Gone 1.0W for lnb2 no longer available" },
            ]
        }

        function test_missingSatelliteInSettingsFile(data) {
            var box = data.lnb === 1 ? options.lnb1Box : options.lnb2Box
            var before = box.currentIndex
            var url = data.lnb === 1 ? testHelper.writeSettingsFile("missing.dat", "Gone 1.0W", Plan.lnb2)
                                     : testHelper.writeSettingsFile("missing.dat", Plan.lnb1, "Gone 1.0W")
            verify(url.indexOf("file:///") === 0)
            verify(!options.errorMessage || !options.errorMessage.visible)
            Controller.readFromFile(url)
            tryCompare(options.errorMessage, "visible", true)
            compare(options.errorMessage.text, data.message)
            compare(options.errorMessage.title, "Error")
            compare(box.currentIndex, before)
        }

        function test_settingsFileSelectsSatellites() {
            requireSatellites()
            var url = testHelper.writeSettingsFile("known.dat", satelliteName(2), satelliteName(0))
            Controller.readFromFile(url)
            compare(options.lnb1Box.currentText, satelliteName(2))
            compare(options.lnb2Box.currentText, satelliteName(0))
            compare(Plan.lnb1, satelliteName(2))
            compare(Plan.lnb2, satelliteName(0))
            verify(!options.errorMessage || !options.errorMessage.visible)
        }

        // The list of a satellite box shows each name as its characters:
        // names come from servers and files and may hold markup.
        function test_satelliteListIsPlainText() {
            requireSatellites()
            var box = options.lnb1Box
            box.popup.open()
            tryCompare(box.popup, "opened", true)
            var list = box.popup.contentItem
            tryVerify(function () { return list.itemAtIndex(0) !== null }, 2000, "no list item")
            var item = list.itemAtIndex(0)
            compare(item.contentItem.textFormat, Text.PlainText)
            compare(item.contentItem.text, satelliteName(0))
            box.popup.close()
            tryCompare(box.popup, "visible", false)
        }

        // The notice beside the logo shows a plan's satellite names; cut
        // short, its whole text comes in a tool tip, which shows the name as
        // its characters: the image the name asks for is neither fetched nor
        // laid out (the tool tip stays a few lines high).
        function test_noticeToolTipIsPlainText() {
            var name = "<img src=\"qrc:/images/kaven_logo.jpg\" width=\"400\" height=\"400\"> "
            for (var i = 0; i < 30; ++i)
                name += "Gone "
            Controller.readFromFile(testHelper.writeSettingsFile("markup.dat", name, Plan.lnb2))
            var label = options.satelliteNoticeLabel
            tryVerify(function () { return label.text.indexOf("<img") >= 0 }, 2000, "no name in the notice")
            if (options.errorMessage && options.errorMessage.visible)
                options.errorMessage.close()
            tryVerify(function () { return label.truncated }, 2000, "the notice is not cut short")
            mouseMove(label, label.width / 2, label.height / 2)
            var tip = options.satelliteNoticeTip
            tryCompare(tip, "visible", true)
            compare(tip.contentItem.textFormat, Text.PlainText)
            compare(tip.contentItem.text, label.text)
            verify(tip.contentItem.implicitHeight < 200, "height " + tip.contentItem.implicitHeight)
            mouseMove(root, 1, root.height - 1)
            tryCompare(tip, "visible", false)
        }

        function finderNames(finder) {
            var names = []
            for (var i = 0; i < finder.filter.count; ++i)
                names.push(finder.filter.name(i))
            return names
        }

        // What the box hands on for each key typed on it, and then the
        // keys inside the list: letters go to its field, arrows move the mark.
        function typeText(box, text) {
            var first = {text: text.charAt(0), modifiers: Qt.NoModifier, accepted: false}
            box.typed(first)
            verify(first.accepted, "the first letter opens the list")
            var finder = box === options.lnb1Box ? options.lnb1Finder : options.lnb2Finder
            finder.field.text = text
            return finder
        }

        // Typing narrows a satellite box's list to the names that hold the
        // text, whatever its case; Enter takes the marked one.
        function test_satelliteFoundByTyping_data() {
            return [{tag: "any case, first taken", box: "lnb1", text: "aSTRa", shown: ["Astra 19.2E", "Astra 28.2E"], down: 0},
                    {tag: "next marked", box: "lnb1", text: "astra", shown: ["Astra 19.2E", "Astra 28.2E"], down: 1},
                    {tag: "position", box: "lnb2", text: "28.2", shown: ["Astra 28.2E"], down: 0},
                    {tag: "inside the name", box: "lnb2", text: "telsat", shown: ["Eutelsat 13E"], down: 0}]
        }

        function test_satelliteFoundByTyping(data) {
            requireSatellites()
            var box = data.box === "lnb1" ? options.lnb1Box : options.lnb2Box
            var finder = typeText(box, data.text)
            tryCompare(finder, "visible", true)
            compare(finderNames(finder), data.shown)
            compare(finder.list.currentIndex, 0)
            for (var i = 0; i < data.down; ++i)
                finder.list.incrementCurrentIndex()
            finder.take()
            tryCompare(finder, "visible", false)
            compare(box.currentText, data.shown[data.down])
            compare(data.box === "lnb1" ? Plan.lnb1 : Plan.lnb2, data.shown[data.down])
            compare(finder.field.text, "")
        }

        // Keys that type nothing, or with Ctrl, are the box's own.
        function test_satelliteFinderIgnoresOtherKeys_data() {
            return [{tag: "arrow", text: "", modifiers: Qt.NoModifier},
                    {tag: "control", text: "\u0001", modifiers: Qt.NoModifier},
                    {tag: "with Ctrl", text: "a", modifiers: Qt.ControlModifier}]
        }

        function test_satelliteFinderIgnoresOtherKeys(data) {
            var event = {text: data.text, modifiers: data.modifiers, accepted: false}
            options.lnb1Box.typed(event)
            verify(!event.accepted)
            verify(!options.lnb1Finder.visible)
        }

        // Closing, or a text no name holds, leaves the plan's satellite alone.
        function test_satelliteFinderLeavesBoxAlone_data() {
            return [{tag: "closed", text: "28", take: false},
                    {tag: "no match", text: "zz", take: true}]
        }

        function test_satelliteFinderLeavesBoxAlone(data) {
            requireSatellites()
            var before = Plan.lnb1
            typeText(options.lnb1Box, data.text)
            tryCompare(options.lnb1Finder, "visible", true)
            if (data.take)
                options.lnb1Finder.take()
            else
                options.lnb1Finder.close()
            tryCompare(options.lnb1Finder, "visible", false)
            compare(Plan.lnb1, before)
            compare(options.lnb1Box.currentText, before)
            compare(options.lnb1Finder.field.text, "")
        }

        function test_satelliteBoxesWriteTheModel() {
            requireSatellites()
            compare(options.lnb1Box.count, SatelliteNames.rowCount())
            compare(options.lnb1Box.currentText, satelliteName(0))
            compare(options.lnb2Box.currentText, satelliteName(1))
            // A choice in the box's list.
            options.lnb1Box.currentIndex = 1
            options.lnb1Box.activated(1)
            compare(Plan.lnb1, satelliteName(1))
            options.lnb2Box.currentIndex = 0
            options.lnb2Box.activated(0)
            compare(Plan.lnb2, satelliteName(0))
            // A selection the program makes writes nothing.
            options.lnb1Box.currentIndex = 2
            compare(Plan.lnb1, satelliteName(1))
        }
    }

    // A panel of its own: a lost internet connection is final, and the
    // static-UB dialog is seen untouched.
    TestCase {
        id: freshCase
        name: "FreshOptions"
        when: windowShown

        property var screen: null
        property var options: null

        function initTestCase() {
            testCase.restorePlan()
            screen = screenComponent.createObject(root)
            verify(screen !== null)
            options = screen.optionsForm
            staticSpy.clear()
        }

        function cleanup() {
            if (options.assignStaticUBsDialog && options.assignStaticUBsDialog.visible)
                options.assignStaticUBsDialog.close()
            testCase.restorePlan()
        }

        function deviceButtons() {
            return testCase.deviceButtonsOf(options)
        }

        function fileButtons() {
            return testCase.fileButtonsOf(options)
        }

        function test_accept_staticDialogUntouched() {
            Controller.setStaticUBs(3, false)
            verify(Plan.staticUbsAvailable)
            staticSpy.clear()
            mouseClick(options.assignStaticButton)
            tryCompare(options.assignStaticUBsDialog, "visible", true)
            compare(options.assignStaticUBsDialog.staticUBBox.count, 25)
            compare(options.assignStaticUBsDialog.staticUBBox.currentIndex, 0)
            compare(options.assignStaticUBsDialog.staticUBBox.currentText, "0")
            compare(options.assignStaticUBsDialog.staticUBBox.textAt(24), "24")
            verify(options.assignStaticUBsDialog.staticAboveBox.checked)
            testCase.clickButton(options.assignStaticUBsDialog.okButton)
            compare(staticSpy.count, 1)
            compare(staticSpy.signalArguments[0][0], true)
            verify(!Plan.staticUbsAvailable)
        }

        // The search lists are not made with the panel; the first letter
        // typed on a box makes its list, which opens holding that letter.
        function test_satelliteFinderMadeAtFirstKey() {
            compare(options.lnb1Finder, null)
            compare(options.lnb2Finder, null)
            // The keys go to the panel's window (a dialog of an earlier case
            // may have had it).
            var window = options.Window.window
            window.requestActivate()
            tryVerify(function () { return window.active }, 5000, "the panel's window stays inactive")
            tryVerify(function () {
                options.lnb2Box.forceActiveFocus()
                return options.lnb2Box.activeFocus
            }, 5000, "the box takes no focus")
            keyClick(Qt.Key_T)
            verify(options.lnb2Finder !== null)
            tryCompare(options.lnb2Finder, "visible", true)
            compare(options.lnb2Finder.field.text, "t")
            verify(options.lnb2Finder.field.activeFocus)
            compare(options.lnb1Finder, null)
            keyClick(Qt.Key_Escape)
            tryCompare(options.lnb2Finder, "visible", false)
            verify(options.lnb2Box.activeFocus)
        }

        function test_noInternetDisablesFileButtonsForGood() {
            Device.deviceFound("SN:01332251")
            Controller.noInternetConnection()
            var buttons = deviceButtons().concat(fileButtons())
            for (var i = 0; i < buttons.length; ++i)
                verify(!buttons[i].enabled, buttons[i].text + " still enabled")
            Device.deviceFound("SN:01332251")
            Device.deviceMissing()
            Device.deviceFound("SN:01332251")
            var files = fileButtons()
            for (i = 0; i < files.length; ++i)
                verify(!files[i].enabled, files[i].text + " enabled again")
            // The upper half stays usable.
            verify(options.assignStaticButton.enabled)
            verify(options.resetDynamicButton.enabled)
            verify(options.lnb1Box.enabled)
        }
    }
}
