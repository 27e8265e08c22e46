import QtQuick 2.7
import QtTest 1.1
import Fenzo 1.0

// The application window as the program loads it.
TestCase {
    id: testCase
    name: "Window"
    when: windowShown

    property var window: null

    // One window for the whole case, left to the engine like the program's.
    function initTestCase() {
        var component = Qt.createComponent("qrc:/main.qml")
        compare(component.status, Component.Ready, component.errorString())
        window = component.createObject(null)
        verify(window !== null)
        tryCompare(window, "visible", true)
    }

    function cleanup() {
        if (window.errorMessage)
            window.errorMessage.close()
        if (window.warningMessage)
            window.warningMessage.close()
        window.width = 950
        window.height = 550
    }

    function cleanupTestCase() {
        window.close()
    }

    function test_size() {
        compare(window.title, "Fenzo Setup")
        compare(window.minimumWidth, 950)
        compare(window.minimumHeight, 550)
        compare(window.width, 950)
        compare(window.height, 550)
    }

    function test_layoutShares() {
        // Extra width goes to the list up to 650, to the panel up to 550 and
        // the rest to the filler.
        var screen = window.mainScreen
        window.width = 1400
        tryCompare(screen.mainScreenForm, "width", 650)
        tryCompare(screen.optionsForm, "width", 550)
        window.width = 950
        tryVerify(function () { return screen.mainScreenForm.width + screen.optionsForm.width <= 930 })
        verify(screen.mainScreenForm.width >= 525)
        verify(screen.optionsForm.width >= 380)
    }

    // The boxes are made when first shown, not with the window: the start
    // pays only for what it shows.
    function test_boxesStartHidden() {
        compare(window.errorMessage, null)
        compare(window.warningMessage, null)
        compare(window.informationMessage, null)
        Controller.errorOccured("first text")
        tryCompare(window.errorMessage, "visible", true)
        compare(window.errorMessage.title, "Error")
        compare(window.warningMessage, null)
        Controller.warningOccured("second text")
        tryCompare(window.warningMessage, "visible", true)
        compare(window.warningMessage.title, "Warning")
    }

    function test_messages_data() {
        return [
            { tag: "controller error", source: "controller", signalName: "errorOccured", box: "errorMessage" },
            { tag: "model error", source: "model", signalName: "errorOccured", box: "errorMessage" },
            { tag: "controller warning", source: "controller", signalName: "warningOccured", box: "warningMessage" },
        ]
    }

    function test_messages(data) {
        var source = data.source === "controller" ? Controller : Plan
        source[data.signalName]("first text")
        var box = window[data.box]
        tryCompare(box, "visible", true)
        compare(box.text, "first text")
        // A second message while the box is open replaces its text.
        source[data.signalName]("second text")
        compare(box.text, "second text")
        verify(box.visible)
    }
}
