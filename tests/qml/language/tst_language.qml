import QtQuick 2.7
import QtTest 1.1
import "qrc:/"
import Fenzo 1.0

// The interface under the catalogue of the run (testLanguage "de" or "en").
TestCase {
    id: testCase
    name: "Language"
    when: windowShown

    property var window: null
    property var options: null
    readonly property bool german: testLanguage === "de"

    function initTestCase() {
        // Picked up by the plain interface run too, which has no catalogue.
        if (testLanguage === "")
            skip("runs only under a catalogue (tst_ui_language_de, tst_ui_language_en)")
        var component = Qt.createComponent("qrc:/main.qml")
        compare(component.status, Component.Ready, component.errorString())
        window = component.createObject(null)
        verify(window !== null)
        tryCompare(window, "visible", true)
        options = window.mainScreen.optionsForm
    }

    function init() {
        if (testLanguage === "")
            skip("runs only under a catalogue")
    }

    function cleanupTestCase() {
        if (window)
            window.close()
    }

    function test_windowTitle() {
        compare(window.title, "Fenzo Setup")
    }

    function test_buttons_data() {
        return [
            { tag: "read from file", control: "readFromFileButton", de: "Aus Datei laden", en: "Load from file" },
            { tag: "compare with device", control: "compareButton", de: "Mit Gerät vergleichen",
              en: "Compare with device" },
            { tag: "save to file", control: "saveToFileButton", de: "Als Datei speichern", en: "Save as file" },
            { tag: "static UBs", control: "assignStaticButton", de: "Anzahl statische UBs",
              en: "Set number of static UBs" },
            { tag: "terrestrial path", control: "tPathActiveBox", de: "Terretrische Zweig aktiv",
              en: "Terrestrial path active" },
            { tag: "stand by is fixed", control: "standByBox", de: "Stand by", en: "Stand by" }
        ]
    }

    function test_buttons(data) {
        compare(options[data.control].text, german ? data.de : data.en)
    }

    function test_tooltips_data() {
        return [
            { tag: "terrestrial path", control: "tPathActiveBox", de: "Terrestrischen Zweig aktiv schalten",
              en: "Set terrestrial path active" },
            { tag: "LTE filter", control: "lteFilterBox", de: "Obere Frequenz auf 690 MHz begrenzen",
              en: "Limit upper frequency to 690 MHz" },
            { tag: "save to file", control: "saveToFileButton", de: "Einstellungen als Datei speichern",
              en: "Save settings as a file" }
        ]
    }

    // Where the window's pop-ups are drawn: its overlay, found from its root
    // item, which both Qt versions give the same way.
    function popupLayer() {
        return window.contentItem.parent
    }

    // A visible item below `item` whose text is `text`, other than `besides`.
    function findText(item, text, besides) {
        if (!item || item === besides)
            return false
        if (item.visible && item.text === text)
            return true
        for (var i = 0; i < item.children.length; ++i) {
            if (findText(item.children[i], text, besides))
                return true
        }
        return false
    }

    // Hovering the control shows its tooltip in the window's overlay.
    function test_tooltips(data) {
        var control = options[data.control]
        control.hoverEnabled = true
        mouseMove(control, 5, 5)
        tryVerify(function () { return control.hovered }, 2000, "not hovered")
        tryVerify(function () { return findText(popupLayer(), german ? data.de : data.en) }, 3000)
        verify(!findText(popupLayer(), "DESCRIPTION"))
        verify(!findText(popupLayer(), "DESCRIPTIONLTE"))
        mouseMove(window.mainScreen.mainScreenForm, 5, 5)
        tryVerify(function () { return !control.hovered })
    }

    function test_staticDialog() {
        mouseClick(options.assignStaticButton)
        tryCompare(options.assignStaticUBsDialog, "visible", true)
        options.assignStaticUBsDialog.close()
        compare(options.assignStaticUBsDialog.staticAboveLabel.text, german ? "Hohe Frequenzen belegen: " : "Assign to high frequencies: ")
        compare(options.assignStaticUBsDialog.title,
                german ? "Anzahl statischer UBs festlegen" : "Set number of static UBs")
    }

    // A row of the band list and its form's texts, which must find their
    // catalogue context however the QML was compiled.
    function bandRow(ubNumber) {
        var view = window.mainScreen.mainScreenForm.uBListView1.listView
        for (var row = 0; row < Plan.rowCount(); ++row) {
            if (Plan.data(Plan.index(row, 0), modelRoles.ubNumber) !== ubNumber)
                continue
            view.positionViewAtIndex(row, ListView.Contain)
            var children = view.contentItem.children
            for (var i = 0; i < children.length; ++i) {
                if (children[i].rowUbNumber === ubNumber && children[i].rowData !== undefined)
                    return children[i]
            }
        }
        return null
    }

    function test_bandListRowTexts() {
        Controller.setStaticUBs(1, true)
        var dynamicRow = bandRow(0)
        verify(dynamicRow !== null)
        compare(dynamicRow.typeText.text, german ? "dynamisch" : "dynamic")
        var staticRow = bandRow(23)
        verify(staticRow !== null)
        compare(staticRow.typeText.text, german ? "statisch" : "static")
        // A transponder the data lack is named whole at the window's smallest
        // size.
        compare(window.width, window.minimumWidth)
        var index = Plan.index(0, 0)
        Plan.setData(index, 99, modelRoles.tp)
        Plan.setData(index, 12345, modelRoles.freq)
        Controller.resetDynamicUBs(false)
        staticRow = bandRow(23)
        var slot = staticRow.tpSlot
        var missing = german ? "12345 MHz, fehlt" : "12345 MHz, missing"
        // Whole in the row's likeness of the box, in the box itself and, on
        // hover, in a tool tip.
        compare(slot.displayText, missing)
        verify(!slot.likenessText.truncated, "the text is cut")
        // The row places its boxes when it is next laid out.
        tryVerify(function () {
            return slot.mapToItem(staticRow, 0, 0).x
                    > staticRow.lnbSlot.mapToItem(staticRow, 0, 0).x + staticRow.lnbSlot.width
        }, 2000, "the row is not laid out")
        mouseMove(slot, 5, 5)
        tryVerify(function () { return slot.box !== null }, 3000, "no box made")
        compare(slot.box.displayText, missing)
        verify(!slot.box.contentItem.truncated, "the text is cut")
        var whole = slot.box.displayText
        var box = slot.box.contentItem
        tryVerify(function () { return findText(popupLayer(), whole, box) }, 3000, "no tool tip")
        mouseMove(window.mainScreen.mainScreenForm, 5, 5)
        Controller.setStaticUBs(0, true)
    }

    // The file dialog in the interface's language: Qt's texts from Qt's
    // catalogues, the filter from the program's.
    function test_fileDialogLanguage() {
        var title = german ? "Datei auswählen" : "Choose a file"
        mouseClick(options.readFromFileButton)
        var dialog = options.openDialog
        tryVerify(function () { return testHelper.windowTexts(title).length > 0 }, 5000, "no file dialog shown")
        var texts = testHelper.windowTexts(title)
        dialog.close()
        tryVerify(function () { return testHelper.windowTexts(title).length === 0 }, 5000, "the dialog stayed")
        verify(texts.indexOf(german ? "dat-Dateien (*.dat)" : "dat files (*.dat)") >= 0, texts.join(" | "))
        if (!german)
            return
        // "Filter" is German as well.
        var english = ["Filename", "File name", "Size", "Type", "Modified", "Accessed", "Cancel", "Open",
                       "Save", "Choose", "dat files (*.dat)", "Choose a file"]
        for (var i = 0; i < texts.length; ++i)
            verify(english.indexOf(texts[i]) < 0, "English in the German file dialog: " + texts[i])
    }

    function test_serialNumberText() {
        compare(Device.serialNumber, german ? "Kein Gerät gefunden" : "No device found")
    }
}
